// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/diskfiles.h"

#include <cerrno>
#include <cstdio>
#include <iterator>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jex {
namespace {

// Every save writes a temporary file of this name, short and the same
// whatever the program is called, so that a target of any length the file
// system allows can be saved; nothing else is ever named so.
constexpr std::string_view temporaryprefix = ".jex-saving-";
constexpr std::string_view uniquepart = "XXXXXX"; // filled in when the file is made
constexpr int attempts = 3;

bool istemporaryname(const std::string& name) {
    if (name.size() != temporaryprefix.size() + uniquepart.size() ||
        name.compare(0, temporaryprefix.size(), temporaryprefix) != 0)
        return false;
    for (std::size_t i = temporaryprefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// A save holds a lock on its temporary file until it is renamed, so one that
// nobody holds was left by a save that was killed on the way.
void removeleftovers(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::filesystem::path& path = entry->path();
        if (!istemporaryname(path.filename().string())) continue;
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (descriptor < 0) continue;
        struct stat found {};
        if (::fstat(descriptor, &found) == 0 && S_ISREG(found.st_mode) &&
            ::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(descriptor);
    }
}

// A new temporary file, locked; its name is written into `name`.
int maketemporary(const std::filesystem::path& folder, std::string& name) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        name = (folder / (std::string(temporaryprefix) + std::string(uniquepart))).string();
        const int descriptor = ::mkstemp(name.data());
        if (descriptor < 0) return -1;
        struct stat made {};
        // Another save clearing leftovers may have taken it between the two.
        if (::flock(descriptor, LOCK_EX) == 0 && ::fstat(descriptor, &made) == 0 &&
            made.st_nlink > 0)
            return descriptor;
        ::close(descriptor);
    }
    return -1;
}

// A file that exists and may not be written (a master copy made read-only)
// is not replaced either. Permission bits count also for an administrator.
bool mayreplace(const std::filesystem::path& file) {
    struct stat existing {};
    if (::stat(file.c_str(), &existing) != 0) return errno == ENOENT;
    if (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0) return false;
    return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

// So that after a power cut the folder names the new file, not the old one.
bool syncfolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return false;
    // Some file systems cannot sync a folder and say so; they have nothing to sync.
    const bool synced = ::fsync(descriptor) == 0 || errno == EINVAL;
    ::close(descriptor);
    return synced;
}

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

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::optional<std::string> readwholefile(const std::filesystem::path& file, std::size_t largest) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    // C's files rather than streams: the web edition then carries no stream
    // library, a fifth of its size.
    const std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    if (!in) return std::nullopt;
    std::string bytes;
    bytes.resize(largest + 1);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in.get()));
    if (std::ferror(in.get())) return std::nullopt;
    if (bytes.size() > largest) return std::nullopt;
    return bytes;
}

bool replacefile(const std::filesystem::path& file, std::string_view bytes) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    if (!mayreplace(file)) return false;
    removeleftovers(folder);
    std::string temporary;
    const int descriptor = maketemporary(folder, temporary);
    if (descriptor < 0) return false;
    const bool written = writeall(descriptor, bytes) && ::fchmod(descriptor, modefor(file)) == 0 &&
                         ::fsync(descriptor) == 0;
    const bool renamed = written && std::rename(temporary.c_str(), file.c_str()) == 0;
    if (!renamed) ::unlink(temporary.c_str());
    // Closing lets the lock go only after the name is gone or the file is in place.
    const bool closed = ::close(descriptor) == 0;
    return renamed && closed && syncfolder(folder);
}

} // namespace jex
