// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/cp1252.h"

#include "files/nearestletters.h"

#include <array>
#include <cstdint>

namespace jex {
namespace {

// Bytes 0x80..0x9F; everything else is the code point of the same number.
constexpr std::array<char32_t, 32> upperblock{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char replacement = '?';

void appendutf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char tocp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < upperblock.size(); ++i)
        if (upperblock[i] == c) return static_cast<char>(0x80 + i);
    return replacement;
}

constexpr char32_t broken = 0xFFFFFFFF;

// Decodes the UTF-8 character at `at` and moves past it; a broken sequence
// gives `broken` and skips one byte.

char32_t nextcharacter(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    int length = lead < 0x80                   ? 1
                 : lead >= 0xF0 && lead < 0xF5 ? 4
                 : lead >= 0xE0                ? 3
                 : lead >= 0xC2 && lead < 0xE0 ? 2
                                               : 0;
    if (length == 0 || at + length > text.size()) {
        ++at;
        return broken;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return broken;
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    // An overlong form could smuggle in a quote or a line end unseen.
    const bool overlong =
        (length == 2 && c < 0x80) || (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++at;
        return broken;
    }
    at += length;
    return c;
}

} // namespace

std::string cp1252toutf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<std::uint8_t>(b);
        appendutf8(out, byte >= 0x80 && byte < 0xA0 ? upperblock[byte - 0x80] : char32_t{byte});
    }
    return out;
}

std::string utf8tocp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = nextcharacter(text, at);
        out += c == broken ? replacement : tocp1252(c);
    }
    return out;
}

std::string nearestwritable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char32_t last = 0;            // the last character kept, for an accent after it
    std::size_t laststart = 0;    // where it starts in `out`
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = nextcharacter(text, at);
        if (c == broken) {
            last = 0;
        } else if (iscombiningaccent(c)) {
            const char32_t together = last != 0 ? composedletter(last, c) : 0;
            if (together != 0) {
                out.resize(laststart);
                appendutf8(out, together);
                last = together;
            }
        } else if (tocp1252(c) != replacement || c == replacement) {
            laststart = out.size();
            appendutf8(out, c);
            last = c;
        } else if (const std::string_view form = nearestlatinletter(c); !form.empty()) {
            laststart = out.size();
            out += form;
            last = form.size() == 1 ? static_cast<unsigned char>(form[0]) : 0;
        } else {
            last = 0;
        }
    }
    return out;
}

} // namespace jex
