#pragma once
// Checks that every text of a dialog fits its control at 240 pixels, for the screens' tests.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gdi/TextTypes.h"
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
// a push button's frame 2 on each side.
inline int TextRoom(CWnd& control) {
    CRect client;
    control.GetClientRect(&client);
    if (dynamic_cast<CButton*>(&control)) {
        const DWORD type = control.GetStyle() & BS_TYPEMASK;
        if (type >= BS_CHECKBOX && type <= BS_AUTORADIOBUTTON) return client.Width() - 15;
        if (type != BS_GROUPBOX) return client.Width() - 4;
    }
    return client.Width();
}

// A static's text as the static lays it out: wrapped at its width unless it keeps to one line.
inline CSize StaticTextSize(CWnd& control, const CString& text, CFont* font) {
    const DWORD style = control.GetStyle();
    const bool oneLine =
        (style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP || (style & (SS_CENTERIMAGE | SS_ENDELLIPSIS));
    CRect client;
    control.GetClientRect(&client);
    CRect laidOut(0, 0, client.Width(), 0);
    CClientDC dc(&control);
    CFont* old = dc.SelectObject(font);
    dc.DrawText(text, &laidOut, DT_CALCRECT | DT_NOPREFIX | (oneLine ? DT_SINGLELINE : DT_WORDBREAK));
    dc.SelectObject(old);
    return laidOut.Size();
}

// Every button and static with a text, in the dialog's font; a static shows as many lines as it is
// tall, and at least one.
inline void ExpectLabelsFit(CDialog& dlg) {
    for (CWnd* child = dlg.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        if (!dynamic_cast<CButton*>(child) && !dynamic_cast<CStatic*>(child)) continue;
        CString label;
        child->GetWindowText(label);
        if (label.IsEmpty()) continue;
        const CSize line = TextSize(*child, label, dlg.GetFont());
        if (!dynamic_cast<CStatic*>(child)) {
            EXPECT_LE(line.cx, TextRoom(*child)) << "control " << child->GetDlgCtrlID() << " " << label;
            continue;
        }
        CRect client;
        child->GetClientRect(&client);
        const CSize wrapped = StaticTextSize(*child, label, dlg.GetFont());
        EXPECT_LE(wrapped.cx, client.Width()) << "control " << child->GetDlgCtrlID() << " " << label;
        const int lines = std::max(1, client.Height() / line.cy);
        EXPECT_LE(wrapped.cy, lines * line.cy) << "control " << child->GetDlgCtrlID() << " " << label;
    }
}
