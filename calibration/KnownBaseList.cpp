#include "calibration/KnownBaseList.h"

#include "calibration/ListFileLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/Format.h"

bool CKnownBaseList::Load() {
    if (!FileExists(path_)) return AtomicRewrite(path_, "");
    std::vector<CString> lines;
    if (!ReadListFile(path_, lines)) return false;
    for (const CString& line : lines)
        rows_.push_back(KnownBaseRow{ListField(line, 0), ListField(line, 1), ListField(line, 2),
                                     ListField(line, 3), ListField(line, 4)});
    return true;
}

bool CKnownBaseList::Save() const {
    std::vector<CString> lines;
    for (const KnownBaseRow& r : rows_)
        lines.push_back(Format(L"%s,%s,%s,%s,%s,", r.label, r.x, r.y, r.h, r.antenna));
    return RewriteListFile(path_, lines);
}

bool CKnownBaseList::GetRow(int index, KnownBaseRow& row) const {
    if (index < 0 || index >= GetCount()) return false;
    row = rows_[static_cast<size_t>(index)];
    return true;
}

void CKnownBaseList::SetRow(int index, const KnownBaseRow& row) {
    if (index >= 0 && index < GetCount()) rows_[static_cast<size_t>(index)] = row;
}

void CKnownBaseList::PutRow(int index, const KnownBaseRow& row) {
    if (index == GetCount()) {
        AddRow(row);
    } else {
        SetRow(index, row);
    }
}
