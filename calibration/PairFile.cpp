#include "calibration/PairFile.h"

#include "calibration/ListFileLines.h"

bool ReadPairFile(const CString& path, int fieldCount, std::vector<PairFields>& pairs) {
    pairs.clear();
    std::vector<CString> lines;
    if (!ReadListFile(path, lines)) return false;
    for (const CString& line : lines) {
        if (ListField(line, 0) != L"1") continue;
        PairFields fields;
        for (int i = 1; i <= fieldCount; ++i) fields.push_back(ListField(line, i));
        pairs.push_back(fields);
    }
    return true;
}

bool WritePairFile(const CString& path, const std::vector<PairFields>& pairs) {
    std::vector<CString> lines;
    for (const PairFields& fields : pairs) {
        CString line = L"1,";
        for (const CString& field : fields) line += field + L",";
        lines.push_back(line);
    }
    return RewriteListFile(path, lines);
}
