#include "foundation/screens/BigText.h"

#include <algorithm>
#include <cmath>

#include "foundation/screens/DrawingRoutines.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr COLORREF kBigTextRed = RGB(200, 0, 0);
constexpr double kPixelsPerChar = 7.7;
}  // namespace

void SetBigText(CWnd* window, int id, const wchar_t* text, int height, int colourMode, UINT format,
                int widthChars) {
    if (height <= 0 || !window) return;
    CWnd* control = window->GetDlgItem(id);
    if (!control) return;
    CClientDC dc(control);
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    CRect rc;
    control->GetClientRect(&rc);
    CFont font;
    CreateFontObject(font, height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    CFont* oldFont = dc.SelectObject(&font);
    const COLORREF oldColor = colourMode == 1 ? dc.SetTextColor(kBigTextRed) : dc.GetTextColor();
    // A run of blanks in the background colour wipes the previous text.
    dc.DrawText(CString(L' ', 48), &rc, DT_VCENTER | DT_SINGLELINE);
    // Never past the control: a right-aligned coordinate wider than its 7.7-pixel characters
    // (an 8-digit y with its zone) keeps its last digits in view.
    rc.right = std::min<LONG>(rc.right, rc.left - static_cast<int>(std::trunc(widthChars * -kPixelsPerChar)));
    dc.DrawText(text, -1, &rc, format | DT_VCENTER);
    dc.SelectObject(oldFont);
    if (colourMode == 1) dc.SetTextColor(oldColor);
}

void BigTextMemory::Set(CWnd* window, int id, const CString& text, int height, int colourMode, UINT format,
                        int widthChars) {
    Shown wanted{text, height, colourMode, format, widthChars};
    // A control about to paint wipes what it shows: it is drawn now and again at the next Set.
    const CWnd* control = window ? window->GetDlgItem(id) : nullptr;
    const bool paintDue = !control || control->GetUpdateRect(nullptr, FALSE);
    const auto it = shown_.find(id);
    if (!paintDue && it != shown_.end() && it->second == wanted) return;
    SetBigText(window, id, text, height, colourMode, format, widthChars);
    if (paintDue)
        shown_.erase(id);
    else
        shown_[id] = std::move(wanted);
}
