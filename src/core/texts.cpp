// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"

#include <charconv>

namespace jex {
namespace {

TextTable& languagetable() {
    static TextTable table;
    return table;
}

} // namespace

TextTable readtable(std::string_view source) {
    TextTable table;
    while (!source.empty()) {
        const auto end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source = end == std::string_view::npos ? std::string_view{} : source.substr(end + 1);

        if (line.empty() || line.front() == '#') continue;
        int number = 0;
        const auto [afternumber, error] = std::from_chars(line.data(), line.data() + line.size(), number);
        if (error != std::errc{}) continue;
        line.remove_prefix(static_cast<std::size_t>(afternumber - line.data()));
        const auto open = line.find('"');
        const auto close = line.rfind('"');
        if (open == std::string_view::npos || close <= open) continue;
        table.emplace(number, std::string(line.substr(open + 1, close - open - 1)));
    }
    return table;
}

const TextTable& englishtable() {
    static const TextTable parsed = readtable(stringtablesource());
    return parsed;
}

void uselanguage(TextTable table) {
    languagetable() = std::move(table);
}

std::string text(int number) {
    if (const auto translated = languagetable().find(number); translated != languagetable().end())
        return translated->second;
    const auto found = englishtable().find(number);
    return found == englishtable().end() ? std::string{} : found->second;
}

} // namespace jex
