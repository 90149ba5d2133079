#pragma once
// The one refusal of the calibration's entry dialogs: a name or code holding "," or a number field
// holding no number is told, with the focus put on that field.
#include <initializer_list>
#include <utility>

#include "platform/ui/Dialog.h"

using EntryField = std::pair<UINT, CString>;

// True when every field passes; otherwise the first bad field is told and focused.
bool AcceptEntryFields(CDialog& dialog, std::initializer_list<EntryField> names,
                       std::initializer_list<EntryField> numbers);
