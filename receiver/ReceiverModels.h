#pragma once
// What our receiver catalogue knows of a connected receiver from its version text (the serial number
// of its version reply).
#include "platform/text/CString.h"

// True when the text names one of our models with a built-in radio or modem; an empty text (no
// version reply yet) names none.
bool ReceiverHasDataLink(const CString& versionText);
