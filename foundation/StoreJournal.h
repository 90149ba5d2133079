#pragma once
// A store appends its lines to several of the job's files (raw, point, record, coordinate library)
// one after another. Before the first of them the whole store (each file, its length before the
// store and the bytes it gets) is appended to a journal beside the job, and only the journal is
// synced: from then on the point is safe. The files take their lines without a sync each; a run of
// stores is synced at once and the journal emptied (SettleStoreJournal), before a file it names is
// rewritten, and when the job is left. A journal found later holds stores that a kill or a power
// loss may have cut short: finishing it gives each file the bytes it still lacks, so every file
// holds every point.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/CString.h"

struct JournalEntry {
    CString path;         // device path of the file
    uint64_t length = 0;  // its length before the store
    std::string bytes;    // what the store appends to it
};

struct StoreRecord {
    CString pointName;
    std::vector<JournalEntry> entries;
};

// A point's lines that a file lacks and could not be given (a full disk).
struct MissingLines {
    CString pointName;
    CString path;
};

// "<job folder>\<job>.qzj" beside the job's settings file.
CString StoreJournalPath(const CString& jobFolder, const CString& jobFileName);

std::string EncodeStoreRecord(const StoreRecord& record);

struct JournalContents {
    std::vector<StoreRecord> records;
    // A start finished a store of this point and has not yet told the user so.
    std::optional<CString> untoldFinish;
    // The bytes of the whole records; what follows was being written when a kill came, and was
    // never acknowledged.
    uint64_t wholeLength = 0;
};
JournalContents DecodeStoreJournal(std::string_view bytes);

// Appends the record and syncs the journal (its folder too when the journal is new). False when it
// cannot be written whole: the journal is then as it was.
bool AppendStoreRecord(const CString& journalPath, const StoreRecord& record);
// The journal's records, its torn tail cut off first; nullopt when it cannot be read or cut.
std::optional<JournalContents> ReadStoreJournal(const CString& journalPath);

// Gives each file of each store, in the order of the stores, the bytes it still lacks, without a
// sync: to a file that holds nothing of the store's bytes, or a piece without a line end that a kill
// or a power loss tore, the whole lines go in again. A file shorter than where the store began, or
// holding other lines where the store's belong, was changed since (rewritten by the coordinate view)
// and is left as it is. The first file that could not be given its bytes, or nullopt.
std::optional<MissingLines> FinishStores(const JournalContents& journal);

// Finishes the journal's stores, syncs every file the journal names and empties the journal (the
// file stays, so that the next store's record needs no sync of its folder). The lines still missing
// when a file cannot be given them or synced: the journal then keeps its stores.
std::optional<MissingLines> SettleStoreJournal(const CString& journalPath);
// The same, then the journal goes: the job is being left.
std::optional<MissingLines> CloseStoreJournal(const CString& journalPath);

// The name of the job's last stored point: the journal's last store when one is left unfinished,
// else the point file's last point (LastStoredPointName); `hint` (the system file's last name) when
// neither holds one.
CString LastStoredName(const CString& journalPath, const CString& pointFile, const CString& hint);

enum class JournalRepair {
    kNone,      // no journal, or only stores that had reached every file
    kFinished,  // a store cut short was finished, or its lines restored
    kFailed,    // a file could not be finished; the journal stays for the next start
};

struct JournalRepairResult {
    JournalRepair status = JournalRepair::kNone;
    CString pointName;  // of the store finished, or of the first that could not be
    CString path;       // the file that could not be finished
};

// A start's repair: the bytes standing where each store's lines belong are compared with the
// journal's, and a file in which a power loss left NULs there (its length whole) gets the lines
// back, replaced whole; then every store the journal holds is finished and the files are synced.
// A journal that had nothing to restore or finish is removed. After kFinished it stays until the caller has
// told the user and removes it, so that a start killed before telling tells it at the next start.
JournalRepairResult FinishInterruptedStore(const CString& journalPath);
