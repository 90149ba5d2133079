#pragma once
// A settings file the program cannot use is kept beside itself as "<name>.bad" before anything is
// written in its place, and the user is told once what was kept and where. An earlier copy is never
// replaced: when "<name>.bad" already holds something else, nothing is kept and the file must stay
// as it is.
#include <cstdint>
#include <string_view>
#include "platform/text/CString.h"

// Larger than any settings file this system writes; a larger one is refused unread.
inline constexpr uint64_t kMaxSettingsFileBytes = 1u << 20;

CString DamagedCopyPath(const CString& path);
// What the user is told once a copy was kept: the file's name, whether any setting took its default
// (else every value was kept and only what the file could not hold was left out) and where its copy lies.
CString DamagedCopyNotice(const CString& path, bool defaultsTaken);

enum class Keeping {
    Kept,        // the copy was made now: the user is to be told (DamagedCopyNotice)
    KeptBefore,  // "<name>.bad" already holds these very bytes
    CannotKeep,  // nothing is kept: the file must not be written
};

// A file that was read: its bytes are copied, the file stays where it is.
Keeping KeepDamagedCopy(const CString& path, std::string_view bytes);
// A file that cannot be read (or is too large to) is moved aside whole, so its place is free.
Keeping MoveUnreadableAside(const CString& path);

// The bytes cut from the end of a data file are added to its "<name>.bad", synced, so that every
// piece ever cut stays there: Kept, or CannotKeep when they cannot be written.
Keeping KeepCutBytes(const CString& path, std::string_view bytes);
