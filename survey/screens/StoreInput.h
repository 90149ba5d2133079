#pragma once
// The checks every store dialog makes of what was typed before a point is stored. Each refusal
// is shown, puts the focus on the field and returns false.
#include <initializer_list>
#include <utility>

#include "foundation/CGpsState.h"
#include "platform/ui/Dialog.h"
#include "survey/AntennaHeight.h"

class ISurveyHost;

// The name must not be empty; no text may hold a comma (the files' field separator).
bool CheckStoreTexts(CDialog& dialog, UINT nameId, const CString& name,
                     std::initializer_list<std::pair<UINT, const CString*>> others);

bool CheckAntennaHeight(CDialog& dialog, UINT id, int type, double measured, const AntennaConstants& antenna);

// The solution text of the store dialogs; a fix that is not fixed also sounds the tone.
CString SolutionStatusText(const CGpsState& fix, ISurveyHost& host);

// The antenna height typed in a store dialog becomes the job's (its writer tells a failure).
void KeepTypedAntenna(ISurveyHost& host, int type, double measured, double vertical);
