#pragma once
// The known points typed for the calibration slots (knowdata.xyh in the job folder): row 0 the
// base, rows 1 and 2 the rover points, each "label,x,y,h,antenna height," with CR LF in the
// device's code page, kept as text. The wizard offers the last values again from it; the
// unknown-base calibration records the base point it derived in row 0.
#include <vector>

#include "platform/text/CString.h"

struct KnownBaseRow {
    CString label;
    CString x;
    CString y;
    CString h;
    CString antenna;

    bool operator==(const KnownBaseRow&) const = default;
};

class CKnownBaseList {
public:
    void SetPath(const CString& path) { path_ = path; }
    // Appends the file's rows; a missing file is created empty. False when it cannot be read.
    bool Load();
    // Rewrites the file from all rows; false (file as it was) when it was not written.
    bool Save() const;
    int GetCount() const { return static_cast<int>(rows_.size()); }
    // False (row unchanged) for an index outside the rows.
    bool GetRow(int index, KnownBaseRow& row) const;
    void SetRow(int index, const KnownBaseRow& row);
    void AddRow(const KnownBaseRow& row) { rows_.push_back(row); }
    // Replaces the row, or appends it when the list is exactly that short.
    void PutRow(int index, const KnownBaseRow& row);

private:
    CString path_;
    std::vector<KnownBaseRow> rows_;
};
