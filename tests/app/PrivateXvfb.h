#pragma once
// A private Xvfb server for a test: it picks a free display and writes its number to the pipe it
// inherits. The caller ends it (the pid) when done. Every wait is bounded.
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

// Sets `pid` and `display` (":N"). `more` are further arguments of the server's.
inline void StartPrivateXvfb(pid_t& pid, std::string& display, const std::vector<const char*>& more = {}) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const std::string fd = std::to_string(fds[1]);
    // Without -noreset the server resets when its last client goes (a killed program) and
    // writes its number again, to a pipe now closed, which ends it.
    std::vector<const char*> argv = {"Xvfb",       "-displayfd", fd.c_str(), "-screen", "0",
                                     "640x700x24", "-nolisten",  "tcp",      "-noreset"};
    argv.insert(argv.end(), more.begin(), more.end());
    argv.push_back(nullptr);
    ASSERT_EQ(posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv.data()), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    // Read up to the newline: Xvfb writes the number and the newline apart, and ends itself
    // when the second write finds the pipe closed.
    char text[16] = {};
    size_t length = 0;
    pollfd ready{fds[0], POLLIN, 0};
    while (length < sizeof text - 1 && !std::memchr(text, '\n', length) && poll(&ready, 1, 30000) == 1) {
        const ssize_t got = read(fds[0], text + length, sizeof text - 1 - length);
        if (got <= 0) break;
        length += static_cast<size_t>(got);
    }
    const bool answered = std::memchr(text, '\n', length) != nullptr;
    close(fds[0]);
    ASSERT_TRUE(answered && text[0] >= '0' && text[0] <= '9') << "Xvfb gave no display: " << text;
    display = ":" + std::to_string(std::atoi(text));
}
