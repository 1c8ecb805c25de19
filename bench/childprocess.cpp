// SPDX-License-Identifier: GPL-3.0-or-later
#include "childprocess.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <system_error>
#include <thread>

extern char** environ;

namespace jex::bench {
namespace {

std::vector<std::string> childenvironment(const Launch& launch) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        const std::string name(text.substr(0, text.find('=')));
        const bool replaced = launch.environment.contains(name);
        bool removed = false;
        for (const std::string& unset : launch.unset) removed = removed || unset == name;
        if (!replaced && !removed) entries.emplace_back(text);
    }
    for (const auto& [name, value] : launch.environment) entries.push_back(name + "=" + value);
    return entries;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts) result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

class FileActions {
public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

} // namespace

ChildProcess::ChildProcess(const Launch& launch) {
    std::vector<std::string> arguments = launch.arguments;
    std::vector<std::string> environment = childenvironment(launch);
    std::vector<char*> argv = pointers(arguments);
    std::vector<char*> envp = pointers(environment);

    FileActions actions;
    if (launch.passfd) posix_spawn_file_actions_adddup2(actions.get(), *launch.passfd, 3);
    const int error = posix_spawnp(&pid_, argv[0], actions.get(), nullptr, argv.data(), envp.data());
    if (error != 0)
        throw std::system_error(error, std::generic_category(), "cannot start " + arguments[0]);
}

ChildProcess::~ChildProcess() { stop(); }

bool ChildProcess::reap(int flags) {
    if (ended_) return true;
    int status = 0;
    pid_t result = 0;
    do {
        result = waitpid(pid_, &status, flags);
    } while (result < 0 && errno == EINTR);
    ended_ = result == pid_ || result < 0;
    return ended_;
}

bool ChildProcess::running() { return !reap(WNOHANG); }

void ChildProcess::stop(std::chrono::milliseconds grace) {
    if (reap(WNOHANG)) return;
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + grace;
    while (std::chrono::steady_clock::now() < deadline) {
        if (reap(WNOHANG)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid_, SIGKILL);
    reap(0);
}

} // namespace jex::bench
