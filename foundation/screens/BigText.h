#pragma once
// Large bold text in a dialog control, as the map and stake-out screens show distances and names.
#include "platform/ui/Wnd.h"

// Draws `text` in control `id` of `window` in bold "Tahoma" of the given height (nothing when
// height <= 0), after clearing what the control showed. colourMode 1 draws in red; widthChars
// sets the text's width at 7.7 pixels a character, at most the control's; format adds DrawText flags.
void SetBigText(CWnd* window, int id, const wchar_t* text, int height, int colourMode, UINT format,
                int widthChars);
