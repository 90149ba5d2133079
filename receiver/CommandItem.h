#pragma once
// One request to the receiver or a data-link module: what to send, what answer to wait for, how long,
// and the texts to show. Copies are deep.
#include <cstdint>
#include <vector>

#include "platform/text/CString.h"

// The module request that replies and time-outs are dispatched by; the modem and Bluetooth steps are none.
enum class ModuleCommand : uint8_t {
    kNone,
    kOpenRadio,
    kReadRadio,
    kReadGprs,
    kCloseRadio,
    kAutoSearch,
    kStopSearch,
    kTurnRadio,
};

struct CommandItem {
    int32_t requestIsBytes = 0;  // 1: requestBytes is sent; 0: commandText
    uint8_t replyIsBytes = 0;    // 1: replyBytes marks a good reply; 0: replyText
    std::vector<uint8_t> requestBytes;
    std::vector<uint8_t> replyBytes;
    CString commandText;
    CString replyText;
    // Seconds; while the item is current, the countdown (-1 once the current item is cleared).
    int32_t timeout = 0;
    ModuleCommand kind = ModuleCommand::kNone;
    CString name;  // "READRADIO", "OPENRADIO", ...; a modem step's progress text
    CString successText;
    CString timeoutText;

    void Reset() { *this = CommandItem{}; }
};

// wParam of WM_MODULE_REPLY, valid during the call only.
struct ModuleReply {
    uint8_t ok = 0;
    int32_t value = 0;  // the radio channel
    CString text;
};
