// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/diskfiles.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jex {
namespace {

bool writeall(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A replaced file keeps its permissions; a new one gets what the user's mask
// gives any new file.
mode_t modefor(const std::filesystem::path& file) {
    struct stat existing {};
    if (::stat(file.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<std::string> readwholefile(const std::filesystem::path& file, std::size_t largest) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    bytes.resize(largest + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > largest) return std::nullopt;
    return bytes;
}

bool replacefile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::path pattern = file;
    pattern.replace_filename("." + file.filename().string() + ".XXXXXX");
    std::string temporary = pattern.string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) return false;
    const bool written = writeall(descriptor, bytes) && ::fchmod(descriptor, modefor(file)) == 0 &&
                         ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    if (written && closed && std::rename(temporary.c_str(), file.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}

} // namespace jex
