// SPDX-License-Identifier: GPL-3.0-or-later
// The stored program files the file tests read, and a short form of a
// program to compare them with.
#pragma once

#include "files/programfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace jex::testing {

inline std::filesystem::path fixtures() {
    return JEX_FIXTURES;
}

inline std::string bytesof(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::string> fixturenames(const std::string& folder, const std::string& ext) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(fixtures() / folder))
        if (entry.path().extension() == ext) names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A good program grown past the given size by steps after its end.
inline std::string hugefile(std::size_t size) {
    std::string huge = bytesof(fixtures() / "good" / "square.jex");
    while (huge.size() < size)
        huge += "\"F\",10\r\n";
    return huge;
}

// A stored file's name as a test's name.
inline std::string paramname(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

// One line a slot: name, count and the steps with their numbers,
// "DONE 10" for a terminator that keeps a removed step's number.
inline std::string describe(const ProgramFile& program) {
    std::ostringstream out;
    out << "author \"" << program.authorname << "\"\n";
    const ProgramStore& store = program.store;
    for (int s = 0; s < slotcount; ++s) {
        out << "slot " << s << " \"" << store.slotname[s] << "\" " << store.stepcount[s] << ":";
        for (int step = 1; step <= store.stepcount[s] + 1; ++step) {
            out << (step == 1 ? " " : " | ") << tokenof(store.commands[step][s]);
            if (const Argument& number = store.arguments[step][s]) out << ' ' << *number;
        }
        out << '\n';
    }
    return out.str();
}

} // namespace jex::testing
