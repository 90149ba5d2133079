#pragma once
// A display that keeps a PNG of the screen up to date: it passes painting on to the real display
// and writes the file at most every 100 ms while painting goes on (a modal loop included); the
// program's loop saves what is left when it falls idle.
#include <chrono>
#include <functional>
#include <string>

#include "platform/display/Display.h"

class CScreenshotDisplay final : public IDisplay {
public:
    CScreenshotDisplay(IDisplay& inner, std::string path) : inner_(inner), path_(std::move(path)) {}
    void Present(const Framebuffer& screen, const CRect& dirty) override;
    void SetTitle(const std::wstring& title) override { inner_.SetTitle(title); }
    // Writes the PNG (through a temporary file, so a reader never sees half of it) when the screen
    // changed since the last write; nothing before the first present.
    void SaveIfChanged();
    // The same at most every 100 ms: after each message of a busy loop, where encoding the PNG for
    // every paint would cost more than the paint (a start paints its controls one by one).
    void SaveIfDue();
    // Only while this holds is the screen saved (the program's window is up: its closing leaves the
    // last picture of it in the file).
    void SetShowing(std::function<bool()> showing) { showing_ = std::move(showing); }

private:
    IDisplay& inner_;
    std::string path_;
    const Framebuffer* screen_ = nullptr;  // the screen presented last; none before the first
    bool changed_ = true;
    std::function<bool()> showing_;
    // Counted from the start: the bare desktop painted before any window is not worth a file, and
    // encoding it would delay the first screen's.
    std::chrono::steady_clock::time_point lastSave_ = std::chrono::steady_clock::now();
};
