// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavereader.h"

#include <cstddef>
#include <fstream>
#include <iterator>

namespace jex::testing {

namespace {

std::uint32_t little(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool tagis(const std::vector<unsigned char>& bytes, std::size_t at, const std::string& tag) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + 4)) == tag;
}

} // namespace

std::optional<WaveContents> readwave(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    if (bytes.size() < 12 || !tagis(bytes, 0, "RIFF") || !tagis(bytes, 8, "WAVE"))
        return std::nullopt;

    WaveContents wave;
    wave.filesize = bytes.size();
    wave.riffsize = little(bytes, 4, 4);
    bool havefmt = false;
    bool havedata = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::size_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) return std::nullopt;
        if (tagis(bytes, at, "fmt ") && size >= 16) {
            wave.format = static_cast<std::uint16_t>(little(bytes, body, 2));
            wave.channels = static_cast<std::uint16_t>(little(bytes, body + 2, 2));
            wave.samplerate = little(bytes, body + 4, 4);
            wave.byterate = little(bytes, body + 8, 4);
            wave.blockalign = static_cast<std::uint16_t>(little(bytes, body + 12, 2));
            wave.bitspersample = static_cast<std::uint16_t>(little(bytes, body + 14, 2));
            havefmt = true;
        } else if (tagis(bytes, at, "data")) {
            wave.datasize = static_cast<std::uint32_t>(size);
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(
                    static_cast<std::uint16_t>(little(bytes, body + i, 2))));
            havedata = true;
        }
        at = body + size + (size % 2); // chunks are padded to an even length
    }
    if (!havefmt || !havedata) return std::nullopt;
    return wave;
}

} // namespace jex::testing
