#include "survey/PointFileRows.h"

#include <string_view>

#include "foundation/StoredPointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

namespace {
constexpr int kColumns = 36;

void TrimTexts(SurveyPointRec& p) {
    for (CString* text : {&p.name, &p.code, &p.text24, &p.text25, &p.text27, &p.text28, &p.text31, &p.text32,
                          &p.text33, &p.tail1, &p.tail2})
        text->Trim();
    for (CString& text : p.fixTexts) text.Trim();
}
}  // namespace

PointFileRows::Read PointFileRows::Open(const CString& path) {
    path_ = path;
    bytes_.clear();
    lines_.clear();
    joined_ = 0;
    if (GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES) return Read::kMissing;
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return Read::kUnreadable;
    bytes.resize(bytes.rfind('\n') == std::string::npos ? 0 : bytes.rfind('\n') + 1);
    bytes_ = std::move(bytes);
    lines_ = CutLines(bytes_, 0);
    return Read::kRead;
}

// LF and CR never occur inside a GBK character, so the bytes are cut as the text would be.
std::vector<PointFileRows::Span> PointFileRows::CutLines(const std::string& bytes, size_t from) {
    std::vector<Span> lines;
    for (size_t lf = bytes.find('\n', from); lf != std::string::npos;
         from = lf + 1, lf = bytes.find('\n', from)) {
        size_t end = lf;
        if (end > from && bytes[end - 1] == '\r') --end;
        if (end > from) lines.push_back({static_cast<uint32_t>(from), static_cast<uint32_t>(end - from)});
    }
    return lines;
}

SurveyPointRec PointFileRows::ReadLine(const std::string& bytes, Span span) {
    CString line = FromGbk(std::string_view(bytes).substr(span.offset, span.length));
    SurveyPointRec point;
    for (int pad = 0; !ReadPointFileLine(line, point) && pad < kColumns; ++pad) line += L",";
    TrimTexts(point);
    return point;
}

SurveyPointRec PointFileRows::Record(int row) const {
    return ReadLine(bytes_, lines_[static_cast<size_t>(Count() - 1 - row)]);
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
    if (current.size() < bytes_.size() || current.compare(0, bytes_.size(), bytes_) != 0)
        return Change::kChangedSinceRead;
    std::vector<Span> lines = lines_;
    const std::vector<Span> joined = CutLines(current, bytes_.size());
    lines.insert(lines.end(), joined.begin(), joined.end());
    const size_t target = static_cast<size_t>(Count() - 1 - row);
    std::string out;
    out.reserve(current.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == target) {
            if (replacementLine) out += ToGbk(*replacementLine);
            continue;
        }
        // A text the writer refuses (a stray CR) keeps its line as it was: no point is lost.
        if (const std::optional<CString> line = PointFileLine(ReadLine(current, lines[i]))) {
            out += ToGbk(*line);
        } else {
            out.append(current, lines[i].offset, lines[i].length);
            out += "\r\n";
        }
    }
    if (!AtomicRewrite(path_, out)) return Change::kWriteFailed;
    joined_ = static_cast<int>(joined.size());
    bytes_ = std::move(out);
    lines_ = CutLines(bytes_, 0);
    return Change::kDone;
}
