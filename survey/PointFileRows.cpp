#include "survey/PointFileRows.h"

#include <optional>
#include <string>

#include "foundation/StoredPointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

namespace {
constexpr int kColumns = 36;
constexpr UINT kBlockBytes = 1 << 20;

void TrimTexts(SurveyPointRec& p) {
    for (CString* text : {&p.name, &p.code, &p.text24, &p.text25, &p.text27, &p.text28, &p.text31, &p.text32,
                          &p.text33, &p.tail1, &p.tail2})
        text->Trim();
    for (CString& text : p.fixTexts) text.Trim();
}

std::string_view LineOf(std::string_view bytes, FileLineIndex::Span span) {
    return bytes.substr(span.offset, span.length);
}
}  // namespace

PointFileRows::Read PointFileRows::Open(const CString& path) {
    path_ = path;
    file_.Close();
    Adopt(FileLineIndex());
    joined_ = 0;
    if (GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES) return Read::kMissing;
    if (!file_.Open(path, CFile::modeRead)) return Read::kUnreadable;
    FileLineIndex index;
    std::string block(kBlockBytes, '\0');
    for (UINT n; (n = file_.Read(block.data(), kBlockBytes)) > 0;)
        index.Feed(std::string_view(block.data(), n));
    Adopt(index);
    return Read::kRead;
}

void PointFileRows::Adopt(const FileLineIndex& index) {
    lines_ = index.Lines();
    indexedLength_ = index.WholeLength();
    fingerprint_ = index.Fingerprint();
}

SurveyPointRec PointFileRows::ReadLine(std::string_view bytes) {
    CString line = FromGbk(bytes);
    SurveyPointRec point;
    for (int pad = 0; !ReadPointFileLine(line, point) && pad < kColumns; ++pad) line += L",";
    TrimTexts(point);
    return point;
}

SurveyPointRec PointFileRows::Record(int row) const {
    const FileLineIndex::Span span = lines_[static_cast<size_t>(Count() - 1 - row)];
    std::string bytes(span.length, '\0');
    bytes.resize(file_.ReadAt(span.offset, bytes.data(), span.length));
    return ReadLine(bytes);
}

PointFileRows::Change PointFileRows::Delete(int row) {
    return Rewrite(row, nullptr);
}

PointFileRows::Change PointFileRows::Replace(int row, const SurveyPointRec& point) {
    return Rewrite(row, &point);
}

PointFileRows::Change PointFileRows::Rewrite(int row, const SurveyPointRec* replacement) {
    std::optional<CString> replacementLine;
    if (replacement && !(replacementLine = PointFileLine(*replacement))) return Change::kUnstorableText;
    std::string current;
    if (FileExists(path_) && !ReadWholeFile(path_, current)) return Change::kWriteFailed;
    if (current.size() < indexedLength_) return Change::kChangedSinceRead;
    FileLineIndex read;
    read.Feed(std::string_view(current).substr(0, indexedLength_));
    if (read.Fingerprint() != fingerprint_) return Change::kChangedSinceRead;
    FileLineIndex now;
    now.Feed(current);
    const std::vector<FileLineIndex::Span>& lines = now.Lines();
    const size_t target = static_cast<size_t>(Count() - 1 - row);
    std::string out;
    out.reserve(current.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == target) {
            if (replacementLine) out += ToGbk(*replacementLine);
            continue;
        }
        // A text the writer refuses (a stray CR) keeps its line as it was: no point is lost.
        if (const std::optional<CString> line = PointFileLine(ReadLine(LineOf(current, lines[i])))) {
            out += ToGbk(*line);
        } else {
            out.append(LineOf(current, lines[i]));
            out += "\r\n";
        }
    }
    if (!AtomicRewrite(path_, out)) return Change::kWriteFailed;
    joined_ = static_cast<int>(lines.size()) - Count();
    file_.Open(path_, CFile::modeRead);
    FileLineIndex written;
    written.Feed(out);
    Adopt(written);
    return Change::kDone;
}
