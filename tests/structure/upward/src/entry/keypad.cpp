// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a run from the keypad is allowed; printing from it is not.
#include "printing/printbutton.h"
#include "run/runner.h"
