#pragma once
// The screen saved as a PNG file after every paint that changed its pixels, for the end-to-end test
// and for a person watching a run. Stands between the desktop and the display that shows the screen.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/display/Display.h"

class CScreenshotFile final : public IDisplay {
public:
    CScreenshotFile(IDisplay& shown, std::string path);

    void Present(const Framebuffer& screen, const CRect& dirty) override;
    // Writes the file when the pixels differ from those last written (nothing before the first
    // present); false with the reason when the file cannot be written.
    bool WriteIfChanged(std::string* error);

private:
    IDisplay& shown_;
    std::string path_;
    const Framebuffer* screen_ = nullptr;  // the screen presented last; none before the first
    bool presented_ = true;
    std::vector<uint32_t> written_;
};

// Whether `path` can be created or overwritten; the reason when not.
bool CanWriteFile(const std::string& path, std::string* error);
