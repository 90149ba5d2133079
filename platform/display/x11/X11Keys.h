#pragma once
// What the handheld's keyboard sends for a key of the host keyboard: letters, digits, function
// keys, the arrows and the editing keys. Pure translation, so that it can be tested without a
// display.
#include <vector>

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowMessages.h"

// The events of one key going down (press = true) or up. `keysym` is the X key symbol, `typed`
// the character it types (0 for none). Keys the handheld does not have give nothing.
std::vector<InputEvent> KeyEventsFor(unsigned long keysym, wchar_t typed, bool press);
