// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence may reach any folder.
#include "files/loadsave.h"
#include "windows/layout.h"
