#include "receiver/SdBusCalls.h"

#include <dlfcn.h>

#include <optional>

namespace {

template <class Call>
bool Resolve(void* library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(::dlsym(library, name));
    return call != nullptr;
}

std::optional<SdBusCalls> Load() {
    void* library = ::dlopen("libsystemd.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) return std::nullopt;
    SdBusCalls c{};
    const bool all = Resolve(library, "sd_bus_open_system", c.open_system) &&
                     Resolve(library, "sd_bus_flush_close_unref", c.flush_close_unref) &&
                     Resolve(library, "sd_bus_call_method", c.call_method) &&
                     Resolve(library, "sd_bus_error_free", c.error_free) &&
                     Resolve(library, "sd_bus_match_signal", c.match_signal) &&
                     Resolve(library, "sd_bus_process", c.process) &&
                     Resolve(library, "sd_bus_slot_unref", c.slot_unref) &&
                     Resolve(library, "sd_bus_message_enter_container", c.message_enter_container) &&
                     Resolve(library, "sd_bus_message_exit_container", c.message_exit_container) &&
                     Resolve(library, "sd_bus_message_read", c.message_read) &&
                     Resolve(library, "sd_bus_message_skip", c.message_skip) &&
                     Resolve(library, "sd_bus_message_unref", c.message_unref);
    if (!all) return std::nullopt;
    return c;
}

}  // namespace

const SdBusCalls* SdBus() {
    static const std::optional<SdBusCalls> calls = Load();
    return calls ? &*calls : nullptr;
}
