#pragma once
// The handheld's device libraries, loaded by name at run time. A library name such as "jettce.dll"
// maps to the shared object "libjettce.so", looked for in the folder named by QZ_DEVICE_LIB_DIR and
// then on the system's library path. On a machine without them every load fails, and the callers'
// device functions do nothing.
#include <string>

#include "platform/base/WinTypes.h"

using HMODULE = void*;

// "jettce.dll" -> "libjettce.so".
std::string DeviceLibraryFileName(const wchar_t* name);

HMODULE LoadLibrary(const wchar_t* name);
void* GetProcAddress(HMODULE module, const char* procName);
BOOL FreeLibrary(HMODULE module);

// Stands in for the system's loader (tests install a recording double). Returns the previous one;
// null restores the system's.
class IDeviceLibraryProvider {
public:
    virtual ~IDeviceLibraryProvider() = default;
    virtual HMODULE Load(const std::wstring& name) = 0;
    virtual void* Find(HMODULE module, const char* procName) = 0;
    virtual void Free(HMODULE module) = 0;
};
IDeviceLibraryProvider* SetDeviceLibraryProvider(IDeviceLibraryProvider* provider);
