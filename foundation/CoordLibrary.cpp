#include "foundation/CoordLibrary.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

CCoordLibrary::CCoordLibrary()
    : sources_{Source{std::string(), CoordLibLayout::kLibrary}},
      shown_{true, true, true, true, true, false} {}

void CCoordLibrary::Open(std::string fileBytes) {
    sources_.clear();
    entries_.clear();
    typed_.clear();
    Import(std::move(fileBytes), CoordLibLayout::kLibrary);
    modified_ = false;
}

int32_t CCoordLibrary::Import(std::string bytes, CoordLibLayout layout) {
    const int32_t first = Count();
    const auto source = static_cast<uint32_t>(sources_.size());
    sources_.push_back({std::move(bytes), layout});
    const std::string_view text = sources_.back().bytes;
    const std::vector<std::string_view> lines = CutCoordLibLines(text);
    entries_.reserve(entries_.size() + lines.size());
    skipped_ = 0;
    for (const std::string_view line : lines) {
        if (!CoordLibLineReadable(line, layout)) {
            ++skipped_;
            continue;
        }
        Entry entry;
        entry.offset = static_cast<uint32_t>(line.data() - text.data());
        entry.length = static_cast<uint32_t>(line.size());
        entry.type = CoordLibLineType(line, layout);
        entry.source = source;
        entries_.push_back(entry);
    }
    modified_ = true;
    return first;
}

ParsedCoordLibLine CCoordLibrary::Parse(const Entry& entry) const {
    const Source& source = sources_[entry.source];
    return ParseCoordLibLine(FromGbk(std::string_view(source.bytes).substr(entry.offset, entry.length)),
                             source.layout);
}

CoordLibRecord CCoordLibrary::Record(int32_t index) const {
    const Entry& entry = entries_[static_cast<size_t>(index)];
    const auto typed = typed_.find(index);
    CoordLibRecord r = typed != typed_.end() ? typed->second.record : Parse(entry).record;
    r.index = index;
    r.type = entry.type;
    r.deleted = entry.deleted ? 1 : 0;
    return r;
}

CoordLibRow CCoordLibrary::Row(int32_t index) const {
    const Entry& entry = entries_[static_cast<size_t>(index)];
    CoordLibRow row;
    row[0] = Format(L"%d", index);
    row[6] = CoordLibTypeName(entry.type);
    switch (entry.texts) {
        case Texts::kAsRead: {
            const ParsedCoordLibLine parsed = Parse(entry);
            std::copy(parsed.texts.begin(), parsed.texts.end(), row.begin() + 1);
            break;
        }
        case Texts::kAsTyped: {
            const PointTexts& t = typed_.at(index).texts;
            row[1] = t.name;
            row[2] = t.north;
            row[3] = t.east;
            row[4] = t.height;
            row[5] = t.code;
            break;
        }
        case Texts::kAsSaved: {
            const CoordLibRecord r = Record(index);
            row[1] = r.name;
            row[2] = Format(L"%.3f", r.north);
            row[3] = Format(L"%.3f", r.east);
            row[4] = Format(L"%.3f", r.height);
            row[5] = r.code;
            break;
        }
    }
    return row;
}

std::vector<int32_t> CCoordLibrary::Rebuild() {
    std::vector<int32_t> shown;
    for (int32_t index = 0; index < Count(); ++index) {
        Entry& entry = entries_[static_cast<size_t>(index)];
        entry.texts = Texts::kAsSaved;
        if (!entry.deleted && Shown(entry.type)) shown.push_back(index);
    }
    return shown;
}

void CCoordLibrary::Type(int32_t index, const PointTexts& t) {
    Typed& typed = typed_[index];
    typed.texts = t;
    typed.record.name = t.name;
    typed.record.north = ToDouble(t.north);
    typed.record.east = ToDouble(t.east);
    typed.record.height = ToDouble(t.height);
    typed.record.code = t.code;
    entries_[static_cast<size_t>(index)].texts = Texts::kAsTyped;
    modified_ = true;
}

int32_t CCoordLibrary::Add(const PointTexts& t) {
    const int32_t index = Count();
    entries_.emplace_back();
    Type(index, t);
    return index;
}

bool CCoordLibrary::Edit(int32_t index, const PointTexts& t) {
    if (!Valid(index)) return false;
    Type(index, t);
    return true;
}

bool CCoordLibrary::Delete(int32_t index) {
    if (!Valid(index)) return false;
    entries_[static_cast<size_t>(index)].deleted = true;
    modified_ = true;
    return true;
}

void CCoordLibrary::Clear() {
    // The opened file's bytes stay: a save still keeps what others appended after them.
    sources_.resize(1);
    entries_.clear();
    typed_.clear();
    modified_ = true;
}

std::string CCoordLibrary::FileBytes() const {
    std::string bytes;
    for (int32_t index = 0; index < Count(); ++index)
        if (!entries_[static_cast<size_t>(index)].deleted) bytes += ToGbk(FormatCoordLibLine(Record(index)));
    return bytes;
}

CoordLibSave CCoordLibrary::Save(const CString& path) const {
    return SaveCoordLibFile(path, sources_.front().bytes, FileBytes());
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
