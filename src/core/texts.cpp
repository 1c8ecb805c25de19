// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"

#include <charconv>
#include <map>

namespace jex {
namespace {

std::map<int, std::string> parsetable(std::string_view source) {
    std::map<int, std::string> table;
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

const std::map<int, std::string>& table() {
    static const std::map<int, std::string> parsed = parsetable(stringtablesource());
    return parsed;
}

} // namespace

std::string text(int number) {
    const auto found = table().find(number);
    return found == table().end() ? std::string{} : found->second;
}

} // namespace jex
