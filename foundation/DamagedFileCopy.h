#pragma once
// A settings file the program cannot use is kept beside itself as "<name>.bad" before anything is
// written in its place, and the user is told what was kept and where. An earlier copy is never
// replaced: a later damage is kept as "<name>.1.bad", then "<name>.2.bad" and so on, unless one of
// the copies holds its very bytes already (the same damage met again), which then serves.
#include <cstdint>
#include <string_view>
#include "platform/text/CString.h"

// Larger than any settings file this system writes; a larger one is refused unread.
inline constexpr uint64_t kMaxSettingsFileBytes = 1u << 20;

// The copy numbered `number`: "<name>.bad" for the first, "<name>.<number>.bad" after it.
CString DamagedCopyPath(const CString& path, int number = 0);
// What the user is told once a copy was kept: the file's name, whether any setting took its default
// (else every value was kept and only what the file could not hold was left out) and where its copy lies.
CString DamagedCopyNotice(const CString& path, const CString& copy, bool defaultsTaken);

// A file that was read: its bytes are copied, the file stays where it is. The copy that holds them,
// or empty when none can be kept: the file must then not be written.
CString KeepDamagedCopy(const CString& path, std::string_view bytes);
// A file that cannot be read (or is too large to) is moved aside whole, so its place is free: where
// it went, or empty.
CString MoveUnreadableAside(const CString& path);

enum class Keeping {
    Kept,        // the bytes were kept
    CannotKeep,  // nothing is kept
};

// The bytes cut from the end of a data file are added to its "<name>.bad", synced, so that every
// piece ever cut stays there: Kept, or CannotKeep when they cannot be written.
Keeping KeepCutBytes(const CString& path, std::string_view bytes);
