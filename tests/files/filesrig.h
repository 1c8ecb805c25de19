// SPDX-License-Identifier: GPL-3.0-or-later
// A started simulator on the fake platform in a home folder of its own, for
// the tests of files, names and leaving.
#pragma once

#include "windows/startup.h"
#include "files/folders.h"
#include "support/fakeplatform.h"
#include "support/keying.h"
#include "support/temphome.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace jex::testing {

class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program_Load(jex);
        std::filesystem::create_directories(myfolder());
        platform.sounds.clear();
    }

  public:
    std::filesystem::path myfolder() const { return *programsfolder() / "me"; }

  protected:
    TempHome home; // before the rig: the start-up makes its folders here
    Rig rig;
    FakePlatform& platform = rig.platform;
    JexState& jex = rig.jex;
};

} // namespace jex::testing
