#include "survey/PointFileRows.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "foundation/StoreJournal.h"
#include "foundation/StoredPointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/threads/ThreadPriority.h"

namespace {
constexpr UINT kBlockBytes = 1 << 20;
// Stores append after it: a store cannot change it, while a change by any other writer that keeps
// every point line where it was would have to miss these bytes.
constexpr uint64_t kLastBlockBytes = 4096;

void TrimTexts(SurveyPointRec& p) {
    for (CString* text : {&p.name, &p.code, &p.text24, &p.text25, &p.text27, &p.text28, &p.text31, &p.text32,
                          &p.text33, &p.tail1, &p.tail2})
        text->Trim();
    for (CString& text : p.fixTexts) text.Trim();
}
}  // namespace

// What the worker reads ahead, shared with it so that it can be stopped and dropped at any time.
struct PointFileRows::Ahead {
    CString path;
    Indexed read;
    std::atomic<bool> stop{false};
    bool done = false;
};

PointFileRows::~PointFileRows() {
    if (ahead_) ahead_->stop = true;
    aheadWorker_.Wait(-1);
}

void PointFileRows::IndexAhead(const CString& path) {
    if (ahead_) ahead_->stop = true;
    aheadWorker_.Wait(-1);
    ahead_ = std::make_shared<Ahead>();
    ahead_->path = path;
    aheadWorker_.Start([ahead = ahead_] {
        GiveWayToOtherThreads();
        CFile file;
        ahead->done =
            file.Open(ahead->path, CFile::modeRead) && IndexFrom(file, 0, ahead->read, &ahead->stop);
    });
}

bool PointFileRows::TakeAhead(const CString& path) {
    if (!ahead_) return false;
    aheadWorker_.Wait(-1);
    const std::shared_ptr<Ahead> ahead = std::move(ahead_);
    if (!ahead->done || ahead->path != path) return false;
    read_ = std::move(ahead->read);
    return true;
}

PointFileRows::Read PointFileRows::Open(const CString& path, const CString& journal) {
    journal_ = journal;
    joined_ = 0;
    const bool indexed = TakeAhead(path) || (path == path_ && file_.IsOpen());
    path_ = path;
    const bool missing = GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES;
    if (missing || !file_.Open(path, CFile::modeRead)) {
        file_.Close();
        read_ = Indexed();
        return missing ? Read::kMissing : Read::kUnreadable;
    }
    // A store appends, and cuts a torn last line first: neither moves what was indexed.
    const uint64_t length = file_.GetLength();
    if (indexed && length == read_.index.FedLength()) {
        if (file_.GetLastWriteTime() == read_.writtenAt) return Read::kRead;
    } else if (indexed && length >= read_.index.WholeLength() && HoldsLastBlock()) {
        TakeStored();
        return Read::kRead;
    }
    read_ = Indexed();
    IndexFrom(file_, 0, read_);
    return Read::kRead;
}

bool PointFileRows::IndexFrom(const CFile& file, uint64_t from, Indexed& into,
                              const std::atomic<bool>* stop) {
    std::string block(kBlockBytes, '\0');
    const bool first = from == 0;
    for (UINT n; (n = file.ReadAt(from, block.data(), kBlockBytes)) > 0; from += n) {
        if (stop && *stop) return false;
        into.index.Feed(std::string_view(block.data(), n));
        if (first && from == 0) into.index.Expect(file.GetLength());
    }
    into.index.TakeUnfinished();
    const uint64_t whole = into.index.WholeLength();
    into.lastBlock.resize(static_cast<size_t>(std::min(whole, kLastBlockBytes)));
    into.lastBlock.resize(file.ReadAt(whole - into.lastBlock.size(), into.lastBlock.data(),
                                      static_cast<UINT>(into.lastBlock.size())));
    into.writtenAt = file.GetLastWriteTime();
    return true;
}

bool PointFileRows::HoldsLastBlock() const {
    std::string block(read_.lastBlock.size(), '\0');
    block.resize(file_.ReadAt(read_.index.WholeLength() - block.size(), block.data(),
                              static_cast<UINT>(block.size())));
    return block == read_.lastBlock;
}

int PointFileRows::TakeStored() {
    // A job's first store creates the file.
    if (!file_.IsOpen() && !file_.Open(path_, CFile::modeRead)) return 0;
    const uint64_t length = file_.GetLength();
    const uint64_t whole = read_.index.WholeLength();
    if (length == read_.index.FedLength() || length < whole || !HoldsLastBlock()) return 0;
    const int before = Count();
    read_.index.ForgetUnfinished();
    IndexFrom(file_, whole, read_);
    return Count() - before;
}

SurveyPointRec PointFileRows::ReadLine(std::string_view bytes) {
    SurveyPointRec point = ReadListedPointLine(FromGbk(bytes));
    TrimTexts(point);
    return point;
}

SurveyPointRec PointFileRows::Record(int row) const {
    const LineStarts& points = read_.index.Points();
    const size_t i = points.size() - 1 - static_cast<size_t>(row);
    const uint64_t end = i + 1 < points.size() ? points[i + 1] : read_.index.FedLength();
    std::string bytes(end - points[i], '\0');
    bytes.resize(file_.ReadAt(points[i], bytes.data(), static_cast<UINT>(bytes.size())));
    return ReadLine(LineAt(bytes, 0));
}

PointFileRows::Change PointFileRows::Delete(int row) {
    return Rewrite(row, nullptr);
}

PointFileRows::Change PointFileRows::Replace(int row, const SurveyPointRec& point) {
    return Rewrite(row, &point);
}

bool PointFileRows::StillBeginsWithIndexed(std::string_view current, const FileLineIndex& now) const {
    const uint64_t whole = read_.index.WholeLength();
    if (current.size() < whole ||
        current.substr(whole - read_.lastBlock.size(), read_.lastBlock.size()) != read_.lastBlock)
        return false;
    const LineStarts &was = read_.index.Points(), &is = now.Points();
    if (is.size() < was.size()) return false;
    for (size_t i = 0; i < was.size(); ++i)
        if (is[i] != was[i]) return false;
    return true;
}

PointFileRows::Change PointFileRows::Rewrite(int row, const SurveyPointRec* replacement) {
    std::optional<CString> replacementLine;
    if (replacement && !(replacementLine = PointFileLine(*replacement))) return Change::kUnstorableText;
    if (!journal_.IsEmpty() && SettleStoreJournal(journal_)) return Change::kWriteFailed;
    std::string current;
    if (FileExists(path_) && !ReadWholeFile(path_, current)) return Change::kWriteFailed;
    FileLineIndex now;
    now.Feed(current);
    now.TakeUnfinished();
    if (!StillBeginsWithIndexed(current, now)) return Change::kChangedSinceRead;
    const uint64_t target = read_.index.Points()[static_cast<size_t>(Count() - 1 - row)];
    const LineStarts &points = now.Points(), &leftOut = now.LeftOut();
    std::string out;
    out.reserve(current.size() + 2);
    for (size_t p = 0, o = 0; p < points.size() || o < leftOut.size();) {
        const bool point = o == leftOut.size() || (p < points.size() && points[p] < leftOut[o]);
        const uint64_t start = point ? points[p++] : leftOut[o++];
        if (start == target) {
            if (replacementLine) out += ToGbk(*replacementLine);
            continue;
        }
        // A point is printed again from its record. A line that holds none, or a text the writer
        // refuses (a stray CR), stays as it was: nothing is lost.
        const std::string_view line = LineAt(current, start);
        if (const std::optional<CString> printed = point ? PointFileLine(ReadLine(line)) : std::nullopt) {
            out += ToGbk(*printed);
        } else {
            out.append(line);
            out += "\r\n";
        }
    }
    // A last line without its line end that holds no point is kept, given the line end.
    std::string_view unfinished =
        now.TookUnfinished() ? std::string_view() : std::string_view(current).substr(now.WholeLength());
    if (!unfinished.empty() && unfinished.back() == '\r') unfinished.remove_suffix(1);
    if (!unfinished.empty()) {
        out.append(unfinished);
        out += "\r\n";
    }
    if (!AtomicRewrite(path_, out)) return Change::kWriteFailed;
    const int kept = Count() - (replacement ? 0 : 1);
    file_.Open(path_, CFile::modeRead);
    read_.index = FileLineIndex();
    read_.index.Feed(out);
    read_.lastBlock.assign(out,
                           out.size() - static_cast<size_t>(std::min<uint64_t>(out.size(), kLastBlockBytes)));
    read_.writtenAt = file_.GetLastWriteTime();
    joined_ = Count() - kept;
    return Change::kDone;
}
