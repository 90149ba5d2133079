#pragma once
// Device paths ("\Program Files\qzsys.sys", "\SystemCF\Jobs\...") live below one host folder,
// the device root. Lookup ignores ASCII case like the device's file system does.
#include <filesystem>

#include "platform/text/CString.h"

void SetDeviceRoot(const std::filesystem::path& root);
std::filesystem::path DeviceRoot();

// Each "\"-separated component (a "/" counts as a separator too) is matched to an existing
// entry ignoring ASCII case, else kept as given. "." is dropped and ".." never climbs above the
// root, so no device path reaches outside it.
std::filesystem::path ToHostPath(const CString& devicePath);
