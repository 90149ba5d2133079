#pragma once
// The coordinate library in memory: the record array, the type filter and the modified flag,
// with the rows its list shows. The array only grows while the library is open (deleting marks
// a record), so a row's number stays the record's index.
#include <array>
#include <optional>
#include <vector>

#include "foundation/CoordLibFile.h"
#include "foundation/CoordLibRecord.h"
#include "platform/text/CString.h"

// A list row: number, name, north, east, height, code, type text.
using CoordLibRow = std::array<CString, 7>;

// The five texts of the add and edit dialogs.
struct PointTexts {
    CString name;
    CString north;
    CString east;
    CString height;
    CString code;
};

class CCoordLibrary {
public:
    CCoordLibrary();

    // Appends the lines' points; every parsed line is listed whatever the filter.
    std::vector<CoordLibRow> AppendLines(const std::vector<CString>& lines, CoordLibLayout layout);
    // The row of a record, or nullopt when it is deleted or its type is filtered out.
    std::optional<CoordLibRow> RowOf(const CoordLibRecord& record) const;
    // Rows of every shown record, in array order (the list after a filter change).
    std::vector<CoordLibRow> VisibleRows() const;

    // A typed-in point; the row shows the texts as typed.
    CoordLibRow Add(const PointTexts& texts);
    // Replaces name, coordinates and code of record `index`; false for an unknown index.
    bool Edit(int32_t index, const PointTexts& texts);
    bool Delete(int32_t index);
    void Clear();

    const std::vector<CoordLibRecord>& Records() const { return records_; }
    bool Shown(int32_t type) const;
    void SetShown(int32_t type, bool shown);
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

private:
    std::vector<CoordLibRecord> records_;
    std::array<bool, kCoordLibTypeCount> shown_;
    bool modified_ = false;
};

// The refusal message for texts the library cannot store, or empty when they are fine: a comma
// in the name or code would shift the file's fields, and north, east and height must be numbers.
// badField (when given) becomes the refused text: 0 name, 1 north, 2 east, 3 height, 4 code.
CString CheckPointTexts(const PointTexts& texts, int* badField = nullptr);
