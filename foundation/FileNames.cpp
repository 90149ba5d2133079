#include "foundation/FileNames.h"

#include "platform/text/CodePage.h"

FileNameFault CheckFileName(const CString& name, const wchar_t* reserved) {
    if (name.IsEmpty()) return FileNameFault::kEmpty;
    if (name.FindOneOf(reserved) >= 0) return FileNameFault::kReservedCharacter;
    if (name[0] == L'.') return FileNameFault::kLeadingDot;
    if (FromGbk(ToGbk(name)) != name) return FileNameFault::kOutsideCodePage;
    if (ToUtf8(name).size() > kMaxFileNameBytes) return FileNameFault::kTooLong;
    return FileNameFault::kNone;
}
