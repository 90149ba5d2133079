#include "platform/gdi/FontFiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSongFolder = "/usr/share/fonts/X11/misc";
// The layouts were sized for Tahoma: Wine's face of the same metrics first, DejaVu Sans (wider)
// where it is missing.
constexpr const char* kTahomaRegular = "/usr/share/wine/fonts/tahoma.ttf";
constexpr const char* kTahomaBold = "/usr/share/wine/fonts/tahomabd.ttf";
constexpr const char* kSansRegular = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kSansBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct PipeCloser {
    void operator()(FILE* f) const { pclose(f); }
};

// Lines printed by a fontconfig tool; the arguments are fixed strings of ours.
std::vector<std::string> FontconfigLines(const std::string& command) {
    std::vector<std::string> lines;
    std::unique_ptr<FILE, PipeCloser> pipe(popen((command + " 2>/dev/null").c_str(), "r"));
    if (!pipe) return lines;
    std::string line;
    for (int c; (c = std::fgetc(pipe.get())) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
        } else if (!line.empty()) {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

bool IsSongStrike(const fs::path& p) {
    const std::string name = p.filename().string();
    const bool pcf = name.ends_with(".pcf") || name.ends_with(".pcf.gz");
    return pcf && name.starts_with("wenquanyi_");
}

std::string FirstExisting(const std::string& known, const std::string& pattern) {
    std::error_code ec;
    if (fs::exists(known, ec)) return known;
    for (const std::string& file : FontconfigLines("fc-match -f '%{file}' '" + pattern + "'")) {
        if (fs::exists(file, ec)) return file;
    }
    return {};
}

FontFiles Locate() {
    FontFiles files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(kSongFolder, ec)) {
        if (IsSongStrike(entry.path())) files.songStrikes.push_back(entry.path().string());
    }
    if (files.songStrikes.empty()) {
        for (const std::string& file : FontconfigLines("fc-list -f '%{file}\\n' 'WenQuanYi Bitmap Song'")) {
            if (file.ends_with(".pcf") || file.ends_with(".pcf.gz")) files.songStrikes.push_back(file);
        }
    }
    std::sort(files.songStrikes.begin(), files.songStrikes.end());
    if (fs::exists(kTahomaRegular, ec)) {
        files.sans = kTahomaRegular;
        if (fs::exists(kTahomaBold, ec)) files.sansBold = kTahomaBold;
        return files;
    }
    files.sans = FirstExisting(kSansRegular, "DejaVu Sans");
    files.sansBold = FirstExisting(kSansBold, "DejaVu Sans:bold");
    if (files.sansBold == files.sans) files.sansBold.clear();
    return files;
}

}  // namespace

const FontFiles& LocateFontFiles() {
    static const FontFiles files = Locate();
    return files;
}
