#pragma once
// What storing a point needs between screens: the crossing-line block, the template of the next
// stored point, the last stored result and the record-save options.
#include "foundation/CrossingLineBlock.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/HeldPointNames.h"
#include "foundation/PointRecord.h"
#include "foundation/SurveyPointRec.h"
#include "foundation/TextTriple.h"

struct PointStoreState {
    PointStoreState();

    // The reference text goes into both refText and text27.
    void SetStoreOptions(double value18, double value29, double value30, const CString& refText,
                         int refNumber, double refHeight, const CString& text28);
    // Copies the series' last names and returns the last stored point name.
    CString GetLastNames(TextTriple& names) const;
    void ResetPointNames();
    // Start-up, job open and new job: the series, the template's name and antenna height, and the
    // name offered next (the name itself, or its successor when advance is 1).
    void SetStoreNames(const TextTriple& names, const CString& name, double antennaHeight, int advance);
    // A job opened with the last names of its records: the name and series N move on once, J and Z
    // too unless the record format keeps them (there they are numbers, not names), and on past any
    // name `taken` holds; the moved-on name is offered next.
    void AdvanceLoadedNames(const CString& name, const TextTriple& names, bool advanceJZ,
                            const HeldPointNames& taken);
    // The name offered next passes over every name `held` holds.
    void PassOver(const HeldPointNames& held) { point.extraText = held.FirstFree(point.extraText); }
    const CString& NextName() const { return point.extraText; }
    void SetNameAffixes(const CString& suffix, const CString& prefix);
    void GetNameAffixes(CString& suffix, CString& prefix) const;

    CrossingLineBlock crossing;  // set by the power-line survey screen
    ItemPairRec recordSave;
    StoredPointResult lastResult;
    SurveyPointRec point;  // template of the next stored point
};
