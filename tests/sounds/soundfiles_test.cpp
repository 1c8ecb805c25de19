// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the build step itself and reads back what it wrote.
#include "soundwaves.h"
#include "wavereader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

namespace jex::sounds {
namespace {

namespace fs = std::filesystem;
using jex::testing::readwave;

class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("jexsounds-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

int makesounds(const std::string& arguments) {
    const std::string command = std::string("\"") + JEX_MAKESOUNDS + "\" " + arguments;
    return std::system((command + " 2>/dev/null").c_str());
}

std::string quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

struct FileCase {
    std::string file;
    std::uint32_t samplerate;
    std::size_t samples;
};

// Sample counts: yea 0.84 s and nay 1 s at 88200 Hz; each note 0.1 s at its
// own rate, to the nearest sample (halves to even).
const FileCase filecases[] = {
    {"YEA.WAV", 88200, 74088},  {"NAY.WAV", 88200, 88200},  {"NOTE0.WAV", 39385, 3938},
    {"NOTE1.WAV", 44178, 4418}, {"NOTE2.WAV", 49602, 4960}, {"NOTE3.WAV", 52587, 5259},
    {"NOTE4.WAV", 55623, 5562}, {"NOTE5.WAV", 58617, 5862}, {"NOTE6.WAV", 66150, 6615},
    {"NOTE7.WAV", 74255, 7426}, {"NOTE8.WAV", 78605, 7860}, {"NOTE9.WAV", 88200, 8820},
};

TEST(MakeSounds, WritesExactlyTheTwelveSoundsNamedInCapitals) {
    TemporaryFolder folder;
    const fs::path output = folder.path() / "new" / "sounds";
    ASSERT_EQ(makesounds(quoted(output)), 0);
    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(output))
        written.insert(entry.path().filename().string());
    std::set<std::string> expected;
    for (const FileCase& wanted : filecases)
        expected.insert(wanted.file);
    EXPECT_EQ(written, expected);
}

TEST(MakeSounds, WritesMonoSixteenBitPcmWaveFilesOfTheRightRateAndLength) {
    TemporaryFolder folder;
    ASSERT_EQ(makesounds(quoted(folder.path())), 0);
    for (const FileCase& wanted : filecases) {
        SCOPED_TRACE(wanted.file);
        const auto wave = readwave(folder.path() / wanted.file);
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->format, 1);
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->bitspersample, 16);
        EXPECT_EQ(wave->samplerate, wanted.samplerate);
        EXPECT_EQ(wave->byterate, 2 * wanted.samplerate);
        EXPECT_EQ(wave->blockalign, 2);
        EXPECT_EQ(wave->datasize, 2 * wanted.samples);
        EXPECT_EQ(wave->samples.size(), wanted.samples);
        EXPECT_EQ(wave->riffsize + 8, wave->filesize);
    }
}

TEST(MakeSounds, StoresTheSamplesLittleEndian) {
    TemporaryFolder folder;
    ASSERT_EQ(makesounds(quoted(folder.path())), 0);
    const auto wave = readwave(folder.path() / "NOTE4.WAV");
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->samples, note(4).samples);
    // The first full-height high sample, read byte by byte.
    std::ifstream in(folder.path() / "NOTE4.WAV", std::ios::binary);
    in.seekg(44 + 2 * rampsamples);
    const int lowbyte = in.get();
    const int highbyte = in.get();
    EXPECT_EQ(lowbyte | (highbyte << 8), fullamplitude);
}

TEST(MakeSounds, FailsWhenTheFolderCannotBeMade) {
    TemporaryFolder folder;
    const fs::path blocker = folder.path() / "afile";
    std::ofstream(blocker) << "in the way";
    EXPECT_NE(makesounds(quoted(blocker / "sounds")), 0);
}

TEST(MakeSounds, FailsWhenAFileCannotBeWritten) {
    TemporaryFolder folder;
    fs::create_directory(folder.path() / "YEA.WAV"); // a folder where a file must go
    EXPECT_NE(makesounds(quoted(folder.path())), 0);
}

TEST(MakeSounds, FailsWithoutAnOutputFolder) {
    EXPECT_NE(makesounds(""), 0);
}

} // namespace
} // namespace jex::sounds
