#pragma once
// What the handheld's keyboard sends for a key of the host keyboard: letters, digits, function
// keys, the arrows and the editing keys. Pure translation, so that it can be tested without a
// display.
#include <string_view>
#include <vector>

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowMessages.h"

// The events of one key going down (press = true) or up. `keysym` is the X key symbol (0 for none),
// `typed` the text it types (a character, or what an input method composed). A key the handheld has
// gives its key events; any other key gives only the characters it types.
std::vector<InputEvent> KeyEventsFor(unsigned long keysym, std::wstring_view typed, bool press);
