#include "app/quorin/CommandLine.h"

#include <cstdlib>
#include <cstring>

const char* const kUsage =
    "usage: quorin [--root DIR] [--headless] [--screenshot FILE]\n"
    "  --root DIR         device root: the folder that holds \"Program Files\" and the jobs\n"
    "                     (default: quorin in the user's data folder)\n"
    "  --headless         no window, even when an X display is present\n"
    "  --screenshot FILE  write the screen as PNG after each change\n"
    "  --help             this text\n";

std::filesystem::path UserDataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local/share";
    return std::filesystem::current_path();
}

CommandLine ParseCommandLine(int argc, const char* const* argv, const std::filesystem::path& dataHome) {
    CommandLine line;
    line.root = dataHome / "quorin";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--headless") {
            line.headless = true;
        } else if (arg == "--root" && hasValue) {
            line.root = argv[++i];
        } else if (arg == "--screenshot" && hasValue) {
            line.screenshot = argv[++i];
        } else {
            line.error = "unknown or incomplete option: " + arg;
        }
    }
    return line;
}
