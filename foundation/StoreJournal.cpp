#include "foundation/StoreJournal.h"

#include <charconv>

#include "platform/files/CFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

namespace {
constexpr std::string_view kMagic = "QZJ1\n";
constexpr std::string_view kEnd = "END\n";
// A store's lines are a few hundred bytes; a journal larger than this is no journal of ours.
constexpr uint64_t kMaxJournalBytes = 1u << 20;

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

// Reads the journal's fields in order; any field out of shape fails the whole journal.
class JournalReader {
public:
    explicit JournalReader(std::string_view bytes) : rest_(bytes) {}

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
    bool AtEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

// The file's length; a missing file has none.
uint64_t CurrentLength(const CString& path) {
    if (!FileExists(path)) return 0;
    CFile file;
    return file.Open(path.c_str(), CFile::modeRead) ? file.GetLength() : 0;
}

// False when the file lacks its bytes and could not be given them.
bool FinishFile(const JournalEntry& entry, bool& changed) {
    const uint64_t now = CurrentLength(entry.path);
    if (now < entry.length || now >= entry.length + entry.bytes.size()) return true;
    // Nothing of the store's bytes, or a piece a power loss tore: the whole lines go in again.
    if (now > entry.length && !TruncateDurably(entry.path, entry.length)) return false;
    changed = true;
    return AppendDurably(entry.path, entry.bytes);
}
}  // namespace

CString StoreJournalPath(const CString& jobFolder, const CString& jobFileName) {
    CString folder = jobFolder;
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != L'\\') folder += L'\\';
    return folder + jobFileName.Left(jobFileName.GetLength() - 3) + L"qzj";
}

std::string EncodeStoreJournal(const StoreJournal& journal) {
    std::string out(kMagic);
    PutBytes(out, ToUtf8(journal.pointName));
    PutNumber(out, journal.entries.size());
    for (const JournalEntry& entry : journal.entries) {
        PutBytes(out, ToUtf8(entry.path));
        PutNumber(out, entry.length);
        PutBytes(out, entry.bytes);
    }
    out += kEnd;
    return out;
}

std::optional<StoreJournal> DecodeStoreJournal(std::string_view bytes) {
    JournalReader reader(bytes);
    if (!reader.Expect(kMagic)) return std::nullopt;
    StoreJournal journal;
    const std::optional<std::string> name = reader.Bytes();
    const std::optional<uint64_t> count = reader.Number('\n');
    if (!name || !count) return std::nullopt;
    journal.pointName = FromUtf8(*name);
    for (uint64_t i = 0; i < *count; ++i) {
        const std::optional<std::string> path = reader.Bytes();
        const std::optional<uint64_t> length = path ? reader.Number('\n') : std::nullopt;
        std::optional<std::string> appended = length ? reader.Bytes() : std::nullopt;
        if (!appended) return std::nullopt;
        journal.entries.push_back({FromUtf8(*path), *length, std::move(*appended)});
    }
    if (!reader.Expect(kEnd) || !reader.AtEnd()) return std::nullopt;
    return journal;
}

JournalRepairResult FinishInterruptedStore(const CString& journalPath) {
    if (!FileExists(journalPath)) return {};
    std::string bytes;
    const std::optional<StoreJournal> journal =
        ReadWholeFile(journalPath, bytes, kMaxJournalBytes) ? DecodeStoreJournal(bytes) : std::nullopt;
    // A journal is replaced whole, so one out of shape was never ours to finish.
    if (!journal) return {DeleteFile(journalPath) ? JournalRepair::kNone : JournalRepair::kFailed, CString()};
    bool changed = false;
    for (const JournalEntry& entry : journal->entries)
        if (!FinishFile(entry, changed)) return {JournalRepair::kFailed, journal->pointName};
    if (!DeleteFile(journalPath)) return {JournalRepair::kFailed, journal->pointName};
    return {changed ? JournalRepair::kFinished : JournalRepair::kNone, journal->pointName};
}
