#include "calibration/screens/EntryRefusals.h"

#include "calibration/EntryChecks.h"
#include "platform/messages/MessageBox.h"

namespace {
bool Refuse(CDialog& dialog, UINT id, const wchar_t* text) {
    dialog.MessageBox(text, L"提示", MB_OK | MB_ICONINFORMATION);
    if (CWnd* field = dialog.GetDlgItem(id)) dialog.GotoDlgCtrl(field);
    return false;
}
}  // namespace

bool AcceptEntryFields(CDialog& dialog, std::initializer_list<EntryField> names,
                       std::initializer_list<EntryField> numbers) {
    for (const EntryField& field : names)
        if (HasComma(field.second)) return Refuse(dialog, field.first, kCommaRefusal);
    for (const EntryField& field : numbers)
        if (!IsNumberText(field.second)) return Refuse(dialog, field.first, kNumberRefusal);
    return true;
}
