#pragma once
// The coordinate library in memory: the records, the type filter and the modified flag, with the
// rows its list shows. A record not edited is a line of the file it came from, kept as that file's
// bytes and read when its row or record is asked for, so a library of any length costs little more
// than its file. The records only grow while the library is open (deleting marks a record), so a
// row's number stays the record's index.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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

    // Starts afresh from the library file's bytes (empty when there is none): its lines are the
    // records, and a save keeps what others appended to the file after them.
    void Open(std::string fileBytes);
    // Appends the points of an imported file's bytes; answers the first new record's index. A line
    // whose north, east or height is no number is left out.
    int32_t Import(std::string bytes, CoordLibLayout layout);
    // The lines the last Open or Import left out.
    size_t Skipped() const { return skipped_; }

    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    // Record `index` (0 <= index < Count()).
    CoordLibRecord Record(int32_t index) const;
    // The row of record `index`: the numbers as its line or the user wrote them, until the list is
    // rebuilt; from then on as they are saved.
    CoordLibRow Row(int32_t index) const;
    // The records a rebuilt list shows, in order (the list after a filter change): not deleted, of
    // a shown type.
    std::vector<int32_t> Rebuild();

    // A typed-in point; its row shows the texts as typed. Answers its index.
    int32_t Add(const PointTexts& texts);
    // Replaces name, coordinates and code of record `index`; false for an unknown index.
    bool Edit(int32_t index, const PointTexts& texts);
    bool Delete(int32_t index);
    void Clear();

    bool Shown(int32_t type) const;
    void SetShown(int32_t type, bool shown);
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The library file's bytes: a line per record not deleted, in order.
    std::string FileBytes() const;
    // Writes FileBytes over the opened file, keeping the lines appended to it since it was opened.
    CoordLibSave Save(const CString& path) const;

private:
    enum class Texts : uint8_t { kAsRead, kAsTyped, kAsSaved };
    struct Source {
        std::string bytes;
        CoordLibLayout layout;
    };
    struct Entry {
        uint32_t offset = 0;  // of the line in its source
        uint32_t length = 0;
        int32_t type = 0;
        uint32_t source = 0;
        Texts texts = Texts::kAsRead;
        bool deleted = false;
    };
    // A record typed in or edited: what the user wrote and what it reads as.
    struct Typed {
        PointTexts texts;
        CoordLibRecord record;
    };

    ParsedCoordLibLine Parse(const Entry& entry) const;
    void Type(int32_t index, const PointTexts& texts);
    bool Valid(int32_t index) const { return index >= 0 && index < Count(); }

    std::vector<Source> sources_;  // the opened file first, then the imported ones
    std::vector<Entry> entries_;
    std::unordered_map<int32_t, Typed> typed_;
    std::array<bool, kCoordLibTypeCount> shown_;
    bool modified_ = false;
    size_t skipped_ = 0;
};

// The refusal message for texts the library cannot store, or empty when they are fine: a comma
// in the name or code would shift the file's fields, and north, east and height must be numbers.
// badField (when given) becomes the refused text: 0 name, 1 north, 2 east, 3 height, 4 code.
CString CheckPointTexts(const PointTexts& texts, int* badField = nullptr);
