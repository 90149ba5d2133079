#pragma once
// The system file in memory: which job is current, the last point names and the receiver board type.
#include <cstdint>
#include "foundation/TextTriple.h"
#include "platform/text/CString.h"

struct LastFilesRecord {
    CString szIniFile;        // full path of the current job file
    CString szDataFile;       // file name of the job's point file
    CString szLastSaveName;   // last stored point name
    TextTriple lastNames;     // szLastJName, szLastZName, szLastFName
    int32_t nGPSOEMType = 0;  // receiver board type 0 to 5

    void Reset() { *this = LastFilesRecord{}; }

    bool operator==(const LastFilesRecord&) const = default;
};
