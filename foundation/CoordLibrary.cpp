#include "foundation/CoordLibrary.h"

#include <cmath>
#include <cwchar>

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

CCoordLibrary::CCoordLibrary() : shown_{true, true, true, true, true, false} {}

std::vector<CoordLibRow> CCoordLibrary::AppendLines(const std::vector<CString>& lines,
                                                    CoordLibLayout layout) {
    std::vector<CoordLibRow> rows;
    rows.reserve(lines.size());
    records_.reserve(records_.size() + lines.size());
    for (const CString& line : lines) {
        ParsedCoordLibLine parsed = ParseCoordLibLine(line, layout);
        parsed.record.index = static_cast<int32_t>(records_.size());
        rows.push_back({Format(L"%d", parsed.record.index), parsed.texts[0], parsed.texts[1], parsed.texts[2],
                        parsed.texts[3], parsed.texts[4], CoordLibTypeName(parsed.record.type)});
        records_.push_back(std::move(parsed.record));
    }
    return rows;
}

std::optional<CoordLibRow> CCoordLibrary::RowOf(const CoordLibRecord& r) const {
    if (r.deleted || !Shown(r.type)) return std::nullopt;
    return CoordLibRow{Format(L"%d", r.index),    r.name, Format(L"%.3f", r.north), Format(L"%.3f", r.east),
                       Format(L"%.3f", r.height), r.code, CoordLibTypeName(r.type)};
}

std::vector<CoordLibRow> CCoordLibrary::VisibleRows() const {
    std::vector<CoordLibRow> rows;
    for (const CoordLibRecord& r : records_)
        if (auto row = RowOf(r)) rows.push_back(std::move(*row));
    return rows;
}

CoordLibRow CCoordLibrary::Add(const PointTexts& t) {
    CoordLibRecord r;
    r.index = static_cast<int32_t>(records_.size());
    r.type = 0;
    r.name = t.name;
    r.north = ToDouble(t.north);
    r.east = ToDouble(t.east);
    r.height = ToDouble(t.height);
    r.code = t.code;
    records_.push_back(r);
    modified_ = true;
    return {Format(L"%d", r.index), t.name, t.north, t.east, t.height, t.code, CoordLibTypeName(0)};
}

bool CCoordLibrary::Edit(int32_t index, const PointTexts& t) {
    if (index < 0 || static_cast<size_t>(index) >= records_.size()) return false;
    CoordLibRecord& r = records_[static_cast<size_t>(index)];
    r.name = t.name;
    r.north = ToDouble(t.north);
    r.east = ToDouble(t.east);
    r.height = ToDouble(t.height);
    r.code = t.code;
    modified_ = true;
    return true;
}

bool CCoordLibrary::Delete(int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= records_.size()) return false;
    records_[static_cast<size_t>(index)].deleted = 1;
    modified_ = true;
    return true;
}

void CCoordLibrary::Clear() {
    records_.clear();
    modified_ = true;
}

bool CCoordLibrary::Shown(int32_t type) const {
    return type >= 0 && type < kCoordLibTypeCount && shown_[static_cast<size_t>(type)];
}

void CCoordLibrary::SetShown(int32_t type, bool shown) {
    if (type >= 0 && type < kCoordLibTypeCount) shown_[static_cast<size_t>(type)] = shown;
}

namespace {

// A whole decimal number, blanks around it allowed ("12.5", "-3", "1e3"); no hex, inf or nan, and
// none too large to be written back as digits.
bool IsNumberText(const CString& text) {
    CString t = text;
    t.Trim();
    if (t.IsEmpty()) return false;
    for (int i = 0; i < t.GetLength(); ++i)
        if (!std::wcschr(L"0123456789+-.eE", t[i])) return false;
    wchar_t* end = nullptr;
    const double value = std::wcstod(t.c_str(), &end);
    return end && *end == L'\0' && std::isfinite(value);
}

}  // namespace

CString CheckPointTexts(const PointTexts& t, int* badField) {
    const CString* texts[5] = {&t.name, &t.north, &t.east, &t.height, &t.code};
    for (int i : {0, 4}) {
        if (texts[i]->Find(L',') < 0) continue;
        if (badField) *badField = i;
        return CString(L"点名和属性中不能有逗号,请重新输入!");
    }
    for (int i : {1, 2, 3}) {
        if (IsNumberText(*texts[i])) continue;
        if (badField) *badField = i;
        return CString(L"坐标和高程必须是数字,请重新输入!");
    }
    return CString();
}
