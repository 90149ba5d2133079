#pragma once
// The checks every store dialog makes of what was typed before a point is stored. Each refusal
// is shown, puts the focus on the field and returns false.
#include <initializer_list>
#include <utility>

#include "platform/ui/Dialog.h"
#include "survey/AntennaHeight.h"

// The name must not be empty; no text may hold a comma (the files' field separator).
bool CheckStoreTexts(CDialog& dialog, UINT nameId, const CString& name,
                     std::initializer_list<std::pair<UINT, const CString*>> others);

bool CheckAntennaHeight(CDialog& dialog, UINT id, int type, double measured, const AntennaConstants& antenna);
