#pragma once
// What a typed file or folder name may be on the device: it must come back from the device's code
// page as typed (a name saved as "???" breaks the next start), it must not start with a dot
// (".", ".." and ".name" would lay files in the wrong folder or become the extension alone), and
// the host's file system must hold it with an extension added.
#include <cstddef>

#include "platform/text/CString.h"

enum class FileNameFault {
    kNone,
    kEmpty,
    kReservedCharacter,  // a path separator or a character the file system reserves
    kLeadingDot,
    kOutsideCodePage,
    kTooLong,
};

// A host file name holds 255 bytes (UTF-8): a name keeps room for an extension of four characters.
inline constexpr size_t kMaxFileNameBytes = 250;

// The first fault of a (trimmed) name, in the order above; `reserved` lists the characters refused.
FileNameFault CheckFileName(const CString& name, const wchar_t* reserved);
