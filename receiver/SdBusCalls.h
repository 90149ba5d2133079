#pragma once
// libsystemd's bus calls, loaded when the BlueZ module first needs them: linked, the library and
// those it pulls in (gcrypt, lzma, zstd, ...) would keep about 0.8 MB resident in every run.
#include <systemd/sd-bus.h>

struct SdBusCalls {
    decltype(&sd_bus_open_system) open_system;
    decltype(&sd_bus_flush_close_unref) flush_close_unref;
    decltype(&sd_bus_call_method) call_method;
    decltype(&sd_bus_error_free) error_free;
    decltype(&sd_bus_match_signal) match_signal;
    decltype(&sd_bus_process) process;
    decltype(&sd_bus_slot_unref) slot_unref;
    decltype(&sd_bus_message_enter_container) message_enter_container;
    decltype(&sd_bus_message_exit_container) message_exit_container;
    decltype(&sd_bus_message_read) message_read;
    decltype(&sd_bus_message_skip) message_skip;
    decltype(&sd_bus_message_unref) message_unref;
};

// The calls, loaded on the first use; null when the library or one of them is missing.
const SdBusCalls* SdBus();
