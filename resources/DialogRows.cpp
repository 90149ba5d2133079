#include "resources/DialogRows.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

DialogRows& DialogRows::Field(const FieldColumns& columns, UINT id, short y, const wchar_t* label) {
    controls_.push_back({L"STATIC", IDC_STATIC, columns.labelX, static_cast<short>(y + 2), columns.labelWidth,
                         8, label, SS_LEFT});
    controls_.push_back(
        {L"EDIT", id, columns.editX, y, columns.editWidth, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP});
    return *this;
}

DialogRows& DialogRows::Control(const DialogControlTemplate& control) {
    controls_.push_back(control);
    return *this;
}

DialogRows& DialogRows::OkCancel(short y, bool okGroup) {
    const DWORD group = okGroup ? WS_GROUP : 0;
    controls_.push_back({L"BUTTON", IDOK, 22, y, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP | group});
    controls_.push_back({L"BUTTON", IDCANCEL, 72, y, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP});
    return *this;
}

BuiltDialogTemplate::BuiltDialogTemplate(UINT id, short cx, short cy, const wchar_t* caption, DWORD style,
                                         std::vector<DialogControlTemplate> built)
    : controls(std::move(built)),
      dialogTemplate{id, cx, cy, caption, style, controls},
      registration(dialogTemplate) {}
