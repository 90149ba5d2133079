#pragma once
// Joins a device folder and a file name with exactly one backslash between them.
#include "platform/text/CString.h"

CString JoinDevicePath(const CString& folder, const CString& name);
// The folder part of a device path (everything before the last separator; empty when none).
CString DeviceFolderOf(const CString& path);
// The file name of a device path (everything after the last separator).
CString DeviceFileNameOf(const CString& path);
