#pragma once
// The network modem's read-back line ("...ALL,<fields>") into its settings.
#include "foundation/GeneralSettingsBlock.h"
#include "platform/text/CString.h"

// True when the line carries every field; the fields read before a missing one stay stored.
bool ParseModuleReadAll(const CString& line, NetModuleSettings& out);
