#include "foundation/StoreJournal.h"

#include <charconv>
#include <map>
#include <set>

#include "foundation/PointLines.h"
#include "platform/files/CFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

namespace {
constexpr std::string_view kStoreMagic = "QZJ1\n";
// Written by a start before it finishes stores: the notice naming the point is owed.
constexpr std::string_view kFinishMagic = "QZJF\n";
constexpr std::string_view kEnd = "END\n";
// A store's record is a few hundred bytes and the journal is settled every few dozen stores at
// most; a journal larger than this is no journal of ours.
constexpr uint64_t kMaxJournalBytes = 16u << 20;

void PutNumber(std::string& out, uint64_t value) {
    out += std::to_string(value);
    out += '\n';
}

void PutBytes(std::string& out, std::string_view bytes) {
    out += std::to_string(bytes.size());
    out += ':';
    out += bytes;
    out += '\n';
}

// Reads the journal's fields in order; any field out of shape ends the whole records.
class JournalReader {
public:
    explicit JournalReader(std::string_view bytes) : rest_(bytes), size_(bytes.size()) {}

    bool Expect(std::string_view text) {
        if (rest_.substr(0, text.size()) != text) return false;
        rest_.remove_prefix(text.size());
        return true;
    }
    std::optional<uint64_t> Number(char end) {
        uint64_t value = 0;
        const auto [stop, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        if (error != std::errc() || stop == rest_.data() || stop == rest_.data() + rest_.size() ||
            *stop != end)
            return std::nullopt;
        rest_.remove_prefix(static_cast<size_t>(stop - rest_.data()) + 1);
        return value;
    }
    std::optional<std::string> Bytes() {
        const std::optional<uint64_t> size = Number(':');
        if (!size || *size >= rest_.size() || rest_[*size] != '\n') return std::nullopt;
        std::string bytes(rest_.substr(0, *size));
        rest_.remove_prefix(*size + 1);
        return bytes;
    }
    std::optional<StoreRecord> Record() {
        StoreRecord record;
        const std::optional<std::string> name = Bytes();
        const std::optional<uint64_t> count = name ? Number('\n') : std::nullopt;
        if (!count) return std::nullopt;
        record.pointName = FromUtf8(*name);
        for (uint64_t i = 0; i < *count; ++i) {
            const std::optional<std::string> path = Bytes();
            const std::optional<uint64_t> length = path ? Number('\n') : std::nullopt;
            std::optional<std::string> appended = length ? Bytes() : std::nullopt;
            if (!appended) return std::nullopt;
            record.entries.push_back({FromUtf8(*path), *length, std::move(*appended)});
        }
        if (!Expect(kEnd)) return std::nullopt;
        return record;
    }
    bool AtEnd() const { return rest_.empty(); }
    uint64_t Consumed() const { return size_ - rest_.size(); }

private:
    std::string_view rest_;
    size_t size_;
};

// A power loss can leave a file's unsynced bytes as NULs of the same length; no line of ours holds
// one.
bool HoldsNul(std::string_view bytes) {
    return bytes.find('\0') != std::string_view::npos;
}

// The file's length; a missing file has none.
uint64_t CurrentLength(const CString& path) {
    if (!FileExists(path)) return 0;
    CFile file;
    return file.Open(path.c_str(), CFile::modeRead) ? file.GetLength() : 0;
}

enum class EntryState { kWhole, kLacking, kChanged, kUnreadable };

// Where a file `now` bytes long stands against what the store gave it. Lacking: nothing of the
// store's bytes (`torn` 0), or `torn` bytes in their place that are the first of the store's bytes,
// or others that a power loss left of the append (no line end, or NULs). A file shorter than where
// the store began, or holding other lines where the store's belong, was changed since (a rewrite by
// the coordinate view).
EntryState StateOf(const JournalEntry& entry, uint64_t now, uint64_t& torn) {
    torn = 0;
    if (now < entry.length) return EntryState::kChanged;
    if (now >= entry.length + entry.bytes.size()) return EntryState::kWhole;
    if (now == entry.length) return EntryState::kLacking;
    std::string held;
    if (!ReadFileAt(entry.path, entry.length, static_cast<size_t>(now - entry.length), held))
        return EntryState::kUnreadable;
    if (entry.bytes.compare(0, held.size(), held) != 0 && held.find('\n') != std::string::npos &&
        !HoldsNul(held))
        return EntryState::kChanged;
    torn = held.size();
    return EntryState::kLacking;
}

// False when the file, `length` bytes long, lacks its bytes and could not be given them; `length`
// follows what it is given.
bool FinishEntry(const JournalEntry& entry, uint64_t& length) {
    uint64_t torn = 0;
    switch (StateOf(entry, length, torn)) {
        case EntryState::kUnreadable:
            return false;
        case EntryState::kLacking:
            break;
        default:
            return true;
    }
    // The whole lines go in again: an append always starts at a line's beginning.
    if (torn > 0 && !TruncateDurably(entry.path, entry.length)) return false;
    if (!AppendWithoutSync(entry.path, entry.bytes)) return false;
    length = entry.length + entry.bytes.size();
    return true;
}

// The current length of each file, measured once as a walk over the stores first meets it.
class FileLengths {
public:
    uint64_t& Of(const CString& path) {
        const auto [length, fresh] = lengths_.try_emplace(path.str(), 0);
        if (fresh) length->second = CurrentLength(path);
        return length->second;
    }

private:
    std::map<std::wstring, uint64_t> lengths_;
};

// Whether the bytes where the whole store stands in the file are damage a power loss left (NULs
// where the store's lines belong).
bool Damaged(const JournalEntry& entry, uint64_t now) {
    if (entry.bytes.empty() || now < entry.length + entry.bytes.size()) return false;
    std::string held;
    return ReadFileAt(entry.path, entry.length, entry.bytes.size(), held) && held != entry.bytes &&
           HoldsNul(held);
}

// Each file whose stores' lines a power loss turned to NULs gets them back from the journal, the
// file replaced whole. The first file that could not be.
std::optional<MissingLines> RestoreDamagedStores(const JournalContents& journal) {
    std::vector<std::wstring> order;
    std::map<std::wstring, std::vector<const StoreRecord*>> stores;
    for (const StoreRecord& record : journal.records)
        for (const JournalEntry& entry : record.entries) {
            std::vector<const StoreRecord*>& of = stores[entry.path.str()];
            if (of.empty()) order.push_back(entry.path.str());
            of.push_back(&record);
        }
    for (const std::wstring& file : order) {
        const CString path(file);
        const uint64_t now = CurrentLength(path);
        std::string bytes;
        const StoreRecord* first = nullptr;
        for (const StoreRecord* record : stores[file])
            for (const JournalEntry& entry : record->entries) {
                if (entry.path.str() != file || !Damaged(entry, now)) continue;
                if (!first && !ReadWholeFile(path, bytes, now)) return MissingLines{record->pointName, path};
                if (!first) first = record;
                bytes.replace(static_cast<size_t>(entry.length), entry.bytes.size(), entry.bytes);
            }
        if (first && !AtomicRewrite(path, bytes)) return MissingLines{first->pointName, path};
    }
    return std::nullopt;
}

// The last store that finishing or restoring will give lines to, or nullopt: the files' lengths are followed
// as the finishing leaves them, so that a store after one that lacks its lines lacks them too.
std::optional<CString> LastLacking(const JournalContents& journal) {
    FileLengths lengths;
    std::optional<CString> lacking;
    for (const StoreRecord& record : journal.records)
        for (const JournalEntry& entry : record.entries) {
            uint64_t& length = lengths.Of(entry.path);
            uint64_t torn = 0;
            if (Damaged(entry, length)) lacking = record.pointName;
            if (StateOf(entry, length, torn) != EntryState::kLacking) continue;
            lacking = record.pointName;
            length = entry.length + entry.bytes.size();
        }
    return lacking;
}

// Syncs each file the stores name once, then once each folder in which a store may have created
// one. The first file that cannot be synced.
std::optional<MissingLines> SyncStoredFiles(const JournalContents& journal) {
    std::set<std::wstring> synced;
    std::map<std::wstring, std::pair<CString, CString>> folders;  // a created file and its point
    for (const StoreRecord& record : journal.records)
        for (const JournalEntry& entry : record.entries) {
            if (!synced.insert(entry.path.str()).second || !FileExists(entry.path)) continue;
            if (!SyncFile(entry.path)) return MissingLines{record.pointName, entry.path};
            if (entry.length == 0) {
                const CString& path = entry.path;
                folders.try_emplace(path.Left(path.ReverseFind(L'\\') + 1).str(), path, record.pointName);
            }
        }
    for (const auto& [folder, created] : folders)
        if (!SyncFolderOf(created.first)) return MissingLines{created.second, created.first};
    return std::nullopt;
}
}  // namespace

CString StoreJournalPath(const CString& jobFolder, const CString& jobFileName) {
    CString folder = jobFolder;
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != L'\\') folder += L'\\';
    return folder + jobFileName.Left(jobFileName.GetLength() - 3) + L"qzj";
}

std::string EncodeStoreRecord(const StoreRecord& record) {
    std::string out(kStoreMagic);
    PutBytes(out, ToUtf8(record.pointName));
    PutNumber(out, record.entries.size());
    for (const JournalEntry& entry : record.entries) {
        PutBytes(out, ToUtf8(entry.path));
        PutNumber(out, entry.length);
        PutBytes(out, entry.bytes);
    }
    out += kEnd;
    return out;
}

JournalContents DecodeStoreJournal(std::string_view bytes) {
    JournalContents journal;
    JournalReader reader(bytes);
    while (!reader.AtEnd()) {
        if (reader.Expect(kStoreMagic)) {
            std::optional<StoreRecord> record = reader.Record();
            if (!record) break;
            journal.records.push_back(std::move(*record));
        } else if (reader.Expect(kFinishMagic)) {
            const std::optional<std::string> name = reader.Bytes();
            if (!name || !reader.Expect(kEnd)) break;
            journal.untoldFinish = FromUtf8(*name);
        } else {
            break;
        }
        journal.wholeLength = reader.Consumed();
    }
    return journal;
}

bool AppendStoreRecord(const CString& journalPath, const StoreRecord& record) {
    return AppendDurably(journalPath, EncodeStoreRecord(record));
}

std::optional<JournalContents> ReadStoreJournal(const CString& journalPath) {
    if (!FileExists(journalPath)) return JournalContents{};
    std::string bytes;
    if (!ReadWholeFile(journalPath, bytes, kMaxJournalBytes)) return std::nullopt;
    JournalContents journal = DecodeStoreJournal(bytes);
    // A record after a torn one could never be read back.
    if (journal.wholeLength < bytes.size() && !TruncateDurably(journalPath, journal.wholeLength))
        return std::nullopt;
    return journal;
}

std::optional<MissingLines> FinishStores(const JournalContents& journal) {
    FileLengths lengths;
    for (const StoreRecord& record : journal.records)
        for (const JournalEntry& entry : record.entries)
            if (!FinishEntry(entry, lengths.Of(entry.path)))
                return MissingLines{record.pointName, entry.path};
    return std::nullopt;
}

std::optional<MissingLines> SettleStoreJournal(const CString& journalPath) {
    const std::optional<JournalContents> journal = ReadStoreJournal(journalPath);
    if (!journal) return MissingLines{CString(), journalPath};
    if (journal->records.empty()) return std::nullopt;
    if (std::optional<MissingLines> missing = FinishStores(*journal)) return missing;
    if (std::optional<MissingLines> unsynced = SyncStoredFiles(*journal)) return unsynced;
    if (!TruncateDurably(journalPath, 0)) return MissingLines{journal->records.back().pointName, journalPath};
    return std::nullopt;
}

std::optional<MissingLines> CloseStoreJournal(const CString& journalPath) {
    std::optional<MissingLines> missing = SettleStoreJournal(journalPath);
    if (!missing && FileExists(journalPath)) DeleteFile(journalPath);
    return missing;
}

CString LastStoredName(const CString& journalPath, const CString& pointFile, const CString& hint) {
    const std::optional<JournalContents> journal = ReadStoreJournal(journalPath);
    if (journal && !journal->records.empty()) return journal->records.back().pointName;
    const CString stored = LastStoredPointName(pointFile);
    return stored.IsEmpty() ? hint : stored;
}

JournalRepairResult FinishInterruptedStore(const CString& journalPath) {
    if (!FileExists(journalPath)) return {};
    const std::optional<JournalContents> journal = ReadStoreJournal(journalPath);
    if (!journal) return {JournalRepair::kFailed, CString(), journalPath};
    // The notice is owed before any file changes: a kill after the files are finished and before
    // the notice is shown leaves the owed name for the next start.
    std::optional<CString> told = journal->untoldFinish;
    if (!told && (told = LastLacking(*journal))) {
        std::string owed(kFinishMagic);
        PutBytes(owed, ToUtf8(*told));
        owed += kEnd;
        AppendDurably(journalPath, owed);
    }
    std::optional<MissingLines> missing = RestoreDamagedStores(*journal);
    if (!missing) missing = FinishStores(*journal);
    if (!missing) missing = SyncStoredFiles(*journal);
    if (missing) return {JournalRepair::kFailed, missing->pointName, missing->path};
    if (told) return {JournalRepair::kFinished, *told, CString()};
    DeleteFile(journalPath);
    return {};
}
