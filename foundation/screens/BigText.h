#pragma once
// Large bold text in a dialog control, as the map and stake-out screens show distances and names.
#include <map>

#include "platform/text/CString.h"
#include "platform/ui/Wnd.h"

// Draws `text` in control `id` of `window` in bold "Tahoma" of the given height (nothing when
// height <= 0), after clearing what the control showed. colourMode 1 draws in red; widthChars
// sets the text's width at 7.7 pixels a character, at most the control's; format adds DrawText flags.
void SetBigText(CWnd* window, int id, const wchar_t* text, int height, int colourMode, UINT format,
                int widthChars);

// The big texts a window last drew, so that an update draws only those whose text or look changed
// (the main view sets its status texts twice an epoch, most of them unchanged).
class BigTextMemory {
public:
    // SetBigText unless this control already shows exactly this. The window forgets everything
    // when it paints: a repaint over the texts wipes them.
    void Set(CWnd* window, int id, const CString& text, int height, int colourMode, UINT format,
             int widthChars);
    // The control was painted over: its next Set draws it again.
    void Forget(int id) { shown_.erase(id); }
    void ForgetAll() { shown_.clear(); }

private:
    struct Shown {
        CString text;
        int height;
        int colourMode;
        UINT format;
        int widthChars;
        bool operator==(const Shown&) const = default;
    };
    std::map<int, Shown> shown_;
};
