// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a run from the keypad is allowed; printing from it is not.
#include "run/runner.h"
#include "printing/printbutton.h"
