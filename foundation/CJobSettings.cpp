#include "foundation/CJobSettings.h"

namespace {
// The record format that keeps the J and Z series where they are.
constexpr int kBaiheRecordFormat = 6;
}  // namespace

void CJobSettings::LoadRecSaveNames(const LastNames& last, int format) {
    store_.AdvanceLoadedNames(last.lastPoint, {last.first, last.second, last.third},
                              format != kBaiheRecordFormat, last.taken);
}

TextTriple CJobSettings::FreeSeries(const HeldPointNames& held, TextTriple series, int format) {
    if (format != kBaiheRecordFormat) {
        series.first = held.FirstFree(series.first);
        series.second = held.FirstFree(series.second);
    }
    series.third = held.FirstFree(series.third);
    return series;
}
