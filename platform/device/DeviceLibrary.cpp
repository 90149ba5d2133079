#include "platform/device/DeviceLibrary.h"

#include <dlfcn.h>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <set>

namespace {

std::atomic<IDeviceLibraryProvider*> g_provider{nullptr};

// Libraries the system does not have are looked for once: callers ask on every LED change.
std::mutex g_missingMutex;
std::set<std::string> g_missing;

}  // namespace

std::string DeviceLibraryFileName(const wchar_t* name) {
    std::string base;
    for (const wchar_t* p = name; p && *p; ++p) {
        const wchar_t c = *p;
        base += (c > 0 && c < 128) ? static_cast<char>(c >= L'A' && c <= L'Z' ? c + 32 : c) : '_';
    }
    if (base.size() > 4 && base.compare(base.size() - 4, 4, ".dll") == 0) base.resize(base.size() - 4);
    return "lib" + base + ".so";
}

HMODULE LoadLibrary(const wchar_t* name) {
    if (IDeviceLibraryProvider* provider = g_provider.load()) return provider->Load(name ? name : L"");
    const std::string file = DeviceLibraryFileName(name);
    std::lock_guard lock(g_missingMutex);
    if (g_missing.count(file)) return nullptr;
    if (const char* dir = std::getenv("QZ_DEVICE_LIB_DIR")) {
        if (void* handle = dlopen((std::string(dir) + "/" + file).c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
    }
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) g_missing.insert(file);
    return handle;
}

void* GetProcAddress(HMODULE module, const char* procName) {
    if (!module || !procName) return nullptr;
    if (IDeviceLibraryProvider* provider = g_provider.load()) return provider->Find(module, procName);
    return dlsym(module, procName);
}

BOOL FreeLibrary(HMODULE module) {
    if (!module) return FALSE;
    if (IDeviceLibraryProvider* provider = g_provider.load()) {
        provider->Free(module);
        return TRUE;
    }
    return dlclose(module) == 0;
}

IDeviceLibraryProvider* SetDeviceLibraryProvider(IDeviceLibraryProvider* provider) {
    return g_provider.exchange(provider);
}
