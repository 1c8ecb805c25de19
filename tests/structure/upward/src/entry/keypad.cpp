// SPDX-License-Identifier: GPL-3.0-or-later
// An entry file that starts a run: entry lies below run, so the check names it.
#include "core/controls.h"
#include "run/runner.h"
