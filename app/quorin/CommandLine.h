#pragma once
// The program's command line.
#include <filesystem>
#include <string>

struct CommandLine {
    std::filesystem::path root;  // the device root
    bool headless = false;
    std::string screenshot;  // PNG written after each change of the screen
    bool help = false;
    std::string error;  // set when the line cannot be used
};

// `dataHome` is the user's data folder ($XDG_DATA_HOME, else ~/.local/share): the default root
// is "quorin" below it.
CommandLine ParseCommandLine(int argc, const char* const* argv, const std::filesystem::path& dataHome);
std::filesystem::path UserDataHome();

extern const char* const kUsage;
