// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/projectoroptions.h"

#include "core/textids.h"
#include "core/texts.h"
#include "files/folders.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cctype>
#include <charconv>

namespace jex::qt {
namespace {

constexpr std::string_view exportflag = "--export";
constexpr std::string_view screenflag = "--screen";
constexpr std::string_view zoomflag = "--zoom";
constexpr std::string_view pictureextension = ".png";
constexpr std::string_view pageextension = ".pdf";

// A name before the extension, which may be in any case.
bool endswith(std::string_view name, std::string_view extension) {
    return name.size() > extension.size() && hasextension(name, extension);
}

// A whole number of plain digits within the bounds, or none.
std::optional<int> number(std::string_view digits, int smallest, int largest) {
    if (digits.empty() || digits.size() > 5 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (value < smallest || value > largest) return std::nullopt;
    return value;
}

std::optional<ScreenSize> screensize(std::string_view size) {
    const std::size_t by = size.find_first_of("xX");
    if (by == std::string_view::npos) return std::nullopt;
    const auto width = number(size.substr(0, by), smallestscreen, largestscreen);
    const auto height = number(size.substr(by + 1), smallestscreen, largestscreen);
    if (!width || !height) return std::nullopt;
    return ScreenSize{*width, *height};
}

} // namespace

ProjectorReading takeprojectoroptions(const std::vector<std::string_view>& arguments,
                                      ProjectorOptions& options) {
    ProjectorReading reading;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--") {
            reading.rest.insert(reading.rest.end(), arguments.begin() + i, arguments.end());
            break;
        }
        if (argument != exportflag && argument != screenflag && argument != zoomflag) {
            reading.rest.push_back(argument);
            continue;
        }
        const std::string_view value = i + 1 < arguments.size() ? arguments[++i] : "";
        if (argument == exportflag) {
            if (!endswith(value, pictureextension) && !endswith(value, pageextension))
                return {{}, text(textid::exportneedsfiletype)};
            options.exportto = std::string(value);
        } else if (argument == screenflag) {
            options.screen = screensize(value);
            if (!options.screen) return {{}, text(textid::screenneedssize)};
        } else {
            options.zoom = number(value, smallestzoom, largestzoom);
            if (!options.zoom) return {{}, text(textid::zoomneedspercent)};
        }
    }
    return reading;
}

std::string checkprojectoroptions(const ProjectorOptions& options, bool programfile) {
    if (options.exportto && !programfile) return text(textid::exportneedsprogram);
    if (options.screen && !options.exportto) return text(textid::screenneedsexport);
    if (options.zoom && options.exportto) return text(textid::zoomwithexport);
    return {};
}

std::string projectorhelp() {
    return text(textid::exportoption) + '\n' + text(textid::screenoption) + '\n' +
           text(textid::zoomoption) + '\n';
}

void applyzoom(int percent) {
    // On top of whatever scaling the desktop already asks for.
    bool given = false;
    double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
    if (!given || factor <= 0) factor = 1;
    factor *= percent / 100.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}

} // namespace jex::qt
