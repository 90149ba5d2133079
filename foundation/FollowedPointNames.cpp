#include "foundation/FollowedPointNames.h"

#include "foundation/PointLines.h"

void FollowedPointNames::Follow(const CString& path) {
    if (!known_ || path != path_) Forget();
    path_ = path;
    known_ = true;
    const auto hold = [&](std::string_view line, uint64_t) { HoldNameOf(line, held_); };
    if (ReadPointFileLines(path, read_, UINT64_MAX, hold, &read_)) return;
    // Shorter than what was read: another file stands there now.
    Forget();
    known_ = true;
    ReadPointFileLines(path, 0, UINT64_MAX, hold, &read_);
}

void FollowedPointNames::Forget() {
    held_ = HeldPointNames();
    read_ = 0;
    known_ = false;
}

void FollowedPointNames::Take(const CString& path, LastNames& scanned) {
    path_ = path;
    held_ = std::move(scanned.taken);
    read_ = scanned.scannedLength;
    known_ = true;
}
