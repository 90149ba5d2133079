#pragma once
// Dialog templates as C++ tables: sizes in dialog units, controls by class name. A template
// registers itself by id when its file defines a DialogTemplateRegistration.
//
//   const DialogControlTemplate kTimeZoneControls[] = {
//       {L"STATIC", IDC_STATIC, 7, 10, 30, 10, L"时区:", SS_LEFT},
//       {L"EDIT", 1187, 40, 8, 60, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
//       {L"BUTTON", IDOK, 20, 60, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
//   };
//   const DialogTemplate kTimeZone{15249, 135, 90, L"时区设置", kDialogStyle, kTimeZoneControls};
//   const DialogTemplateRegistration kRegisterTimeZone(kTimeZone);
#include <span>

#include "platform/base/WinTypes.h"
#include "platform/gdi/Geometry.h"
#include "platform/ui/WindowMessages.h"

constexpr UINT IDC_STATIC = static_cast<UINT>(-1);

struct DialogControlTemplate {
    const wchar_t* className;
    UINT id;
    short x, y, cx, cy;
    const wchar_t* text;
    DWORD style;  // WS_CHILD | WS_VISIBLE are implied
    DWORD exStyle = 0;
};

// The handheld's usual dialog: a popup with a caption bar.
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;

struct DialogTemplate {
    UINT id;
    short cx, cy;
    const wchar_t* caption;
    DWORD style;
    std::span<const DialogControlTemplate> controls;
    short x = 0, y = 0;
    DWORD exStyle = 0;
};

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);

struct DialogTemplateRegistration {
    explicit DialogTemplateRegistration(const DialogTemplate& t) { RegisterDialogTemplate(t); }
};

// Dialog units to pixels: fixed base units under which a 135 x 166-unit form fills the 240 x 294
// client area below the 26-pixel command bar (or a dialog's caption bar).
constexpr int kFormUnitsX = 135;
constexpr int kFormUnitsY = 166;
constexpr int kFormPixelsX = 240;
constexpr int kFormPixelsY = 294;
constexpr int DialogUnitsToPixelsX(int units) {
    return units >= 0 ? (units * kFormPixelsX + kFormUnitsX / 2) / kFormUnitsX
                      : -((-units * kFormPixelsX + kFormUnitsX / 2) / kFormUnitsX);
}
constexpr int DialogUnitsToPixelsY(int units) {
    return units >= 0 ? (units * kFormPixelsY + kFormUnitsY / 2) / kFormUnitsY
                      : -((-units * kFormPixelsY + kFormUnitsY / 2) / kFormUnitsY);
}
// The class library's MapDialogRect: converts a rectangle in dialog units in place.
inline void MapDialogUnits(RECT* rect) {
    rect->left = DialogUnitsToPixelsX(rect->left);
    rect->right = DialogUnitsToPixelsX(rect->right);
    rect->top = DialogUnitsToPixelsY(rect->top);
    rect->bottom = DialogUnitsToPixelsY(rect->bottom);
}
