#pragma once
// Device paths ("\Program Files\qzsys.sys", "\SystemCF\Jobs\...") live below one host folder,
// the device root. Lookup ignores ASCII case like the device's file system does.
#include <filesystem>
#include <vector>

#include "platform/text/CString.h"

void SetDeviceRoot(const std::filesystem::path& root);
std::filesystem::path DeviceRoot();

// Each "\"-separated component (a "/" counts as a separator too) is matched to an existing
// entry ignoring ASCII case, else kept as given. "." is dropped and ".." never climbs above the
// root, so no device path reaches outside it. Nor does a symbolic link: a path through a link that
// leads out of the root (or nowhere) gives an empty path, on which every file operation fails, and
// the link is noted for RefusedLinks. Files are opened without following a link at all.
std::filesystem::path ToHostPath(const CString& devicePath);

// True when `devicePath` passes through such a link: no file operation on it can succeed, whatever
// room the disk has.
bool LeadsOutOfRoot(const CString& devicePath);

// The links refused since the last call, each once in the run, by their device paths
// ("\Jobs\pts.xyh"), for the user to be told.
std::vector<CString> TakeRefusedLinks();
