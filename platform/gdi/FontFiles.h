#pragma once
// Where the two font families live on this machine: the Chinese bitmap face in several strikes,
// and the Latin outline face with its bold.
#include <string>
#include <vector>

struct FontFiles {
    std::vector<std::string> songStrikes;  // one file per pixel size
    std::string sans;
    std::string sansBold;  // empty when only the regular face is installed
};

// Looked up once: the usual Debian folders first, then fontconfig.
const FontFiles& LocateFontFiles();
