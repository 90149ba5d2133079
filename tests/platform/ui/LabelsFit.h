#pragma once
// Checks that every text of a dialog fits its control at 240 pixels, for the screens' tests.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"
#include "platform/ui/WindowDC.h"

inline CSize TextSize(CWnd& control, const CString& text, CFont* font) {
    CClientDC dc(&control);
    CFont* old = dc.SelectObject(font);
    const CSize size = dc.GetTextExtent(text);
    dc.SelectObject(old);
    return size;
}

// The width a control gives its own text: a check box's or radio button's box takes 15 pixels,
// a push button's frame 2 on each side, and a static as tall as several lines wraps onto them.
inline int TextRoom(CWnd& control, int lineHeight) {
    CRect client;
    control.GetClientRect(&client);
    if (dynamic_cast<CButton*>(&control)) {
        const DWORD type = control.GetStyle() & BS_TYPEMASK;
        if (type >= BS_CHECKBOX && type <= BS_AUTORADIOBUTTON) return client.Width() - 15;
        if (type != BS_GROUPBOX) return client.Width() - 4;
    }
    if (dynamic_cast<CStatic*>(&control)) return client.Width() * std::max(1, client.Height() / lineHeight);
    return client.Width();
}

// Every button and static with a text, in the dialog's font.
inline void ExpectLabelsFit(CDialog& dlg) {
    for (CWnd* child = dlg.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        if (!dynamic_cast<CButton*>(child) && !dynamic_cast<CStatic*>(child)) continue;
        CString label;
        child->GetWindowText(label);
        if (label.IsEmpty()) continue;
        const CSize size = TextSize(*child, label, dlg.GetFont());
        EXPECT_LE(size.cx, TextRoom(*child, size.cy)) << dlg.GetDlgCtrlID() << " " << label;
    }
}
