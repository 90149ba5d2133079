#pragma once
// Switches LC_NUMERIC to a locale whose decimal point is a comma, compiling one with localedef
// into a temporary folder when the host has none installed; restores "C" on destruction.
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

class DecimalCommaLocale {
public:
    DecimalCommaLocale() {
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
            active_ = true;
            return;
        }
        folder_ = std::filesystem::temp_directory_path() / ("qz-locale-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        const std::string command =
            "localedef -i de_DE -f ISO-8859-1 '" + (folder_ / "de_DE").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) return;
        ::setenv("LOCPATH", folder_.c_str(), 1);
        active_ = std::setlocale(LC_NUMERIC, "de_DE") != nullptr;
    }
    ~DecimalCommaLocale() {
        std::setlocale(LC_NUMERIC, "C");
        if (!folder_.empty()) {
            ::unsetenv("LOCPATH");
            std::filesystem::remove_all(folder_);
        }
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    bool active() const { return active_; }

private:
    std::filesystem::path folder_;
    bool active_ = false;
};
