#include "foundation/CJobSettings.h"

namespace {
// The record format that keeps the J and Z series where they are.
constexpr int kBaiheRecordFormat = 6;
}  // namespace

void CJobSettings::LoadRecSaveNames(const LastNames& last, int format) {
    store_.AdvanceLoadedNames(last.lastPoint, {last.first, last.second, last.third},
                              format != kBaiheRecordFormat,
                              [&](const CString& name) { return last.taken.Holds(name); });
}
