// SPDX-License-Identifier: GPL-3.0-or-later
// A started simulator on the fake platform in a home folder of its own, for
// the tests of files, names and leaving.
#pragma once

#include "windows/startup.h"
#include "files/folders.h"
#include "files/programbuttons.h"
#include "support/fakeplatform.h"
#include "support/keying.h"
#include "support/temphome.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace jex::testing {

// F 10, R 90, a call of function 1 in the main program and B 5 in function 1:
// the square of the file example.
inline void keysquare(JexState& jex) {
    press(jex, {Key::forwards, Key::one, Key::zero, Key::rightbutton, Key::nine, Key::zero});
    use1_Click(jex);
    change1_Click(jex);
    press(jex, {Key::backwards, Key::five});
    change1_Click(jex);
}

class FilesTest : public RigTest<> {
  protected:
    void SetUp() override {
        program_Load(jex);
        std::filesystem::create_directories(myfolder());
        platform.sounds.clear();
    }

  public:
    std::filesystem::path myfolder() const { return *programsfolder() / "me"; }

  protected:
    TempHome home; // the start-up makes its folders here
};

} // namespace jex::testing
