#pragma once
// A store appends its lines to several of the job's files one after another; a kill between two of
// those writes would leave the files disagreeing. Before the first write the whole store (each file,
// its length before the store and the bytes it gets) goes into a journal beside the job, which is
// removed after the last write. A journal found later belongs to a store that a kill cut short:
// finishing it gives each file the bytes it still lacks, so every file holds the point.
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

struct StoreJournal {
    CString pointName;
    std::vector<JournalEntry> entries;
};

// "<job folder>\<job>.qzj" beside the job's settings file.
CString StoreJournalPath(const CString& jobFolder, const CString& jobFileName);

std::string EncodeStoreJournal(const StoreJournal& journal);
// nullopt for bytes that are not one whole journal.
std::optional<StoreJournal> DecodeStoreJournal(std::string_view bytes);

enum class JournalRepair {
    kNone,      // no journal, or one whose store had reached every file
    kFinished,  // a store cut short was finished; the journal is gone
    kFailed,    // a file could not be finished; the journal stays for the next start
};

struct JournalRepairResult {
    JournalRepair status = JournalRepair::kNone;
    CString pointName;
};

// Finishes the store the journal at `journalPath` describes. A file that has grown past what the
// store gave it, or shrunk below where it started, was changed since, and is left as it is.
JournalRepairResult FinishInterruptedStore(const CString& journalPath);
