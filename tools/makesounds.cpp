// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: writes the twelve sound files that the program carries.
#include "soundwaves.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: makesounds <output folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "makesounds: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }
    for (const jex::sounds::Sound& sound : jex::sounds::allsounds()) {
        if (!jex::sounds::writewave(folder, sound)) {
            std::cerr << "makesounds: cannot write " << sound.name << ".WAV in " << folder << '\n';
            return 1;
        }
    }
    return 0;
}
