// SPDX-License-Identifier: GPL-3.0-or-later
// Points HOME at a fresh empty folder for as long as the object lives, so that
// the program's folders are made there and not in the real home folder.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace jex::testing {

class TempHome {
public:
    TempHome() {
        const char* previous = std::getenv("HOME");
        if (previous) saved = previous;
        std::string pattern = (std::filesystem::temp_directory_path() / "jexhome-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        setenv("HOME", folder.c_str(), 1);
    }
    ~TempHome() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        if (saved.empty())
            unsetenv("HOME");
        else
            setenv("HOME", saved.c_str(), 1);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
    std::string saved;
};

} // namespace jex::testing
