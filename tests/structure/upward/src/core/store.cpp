// SPDX-License-Identifier: GPL-3.0-or-later
// A core file that reaches up into entry: the check has to name it.
#include "core/state.h"
#include "entry/feedback.h"
