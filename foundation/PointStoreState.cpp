#include "foundation/PointStoreState.h"

#include "foundation/PointNames.h"

PointStoreState::PointStoreState() {
    recordSave.nPtType = 5;
    point.name = L"Pt";
    point.extraText = L"Pt";
    point.extra1 = 1;
    point.int19 = 1;
    point.int20 = 30;
    point.int22 = 184;
    point.int14 = 1;
    point.refNumber = -1;
    point.texts = {L"J1", L"Z1", L"1"};
}

void PointStoreState::SetStoreOptions(double value18, double value29, double value30, const CString& refText,
                                      int refNumber, double refHeight, const CString& text28) {
    point.value18 = value18;
    point.value29 = value29;
    point.value30 = value30;
    point.refText = refText;
    point.text27 = refText;
    point.refNumber = refNumber;
    point.refHeight = refHeight;
    point.text28 = text28;
}

CString PointStoreState::GetLastNames(TextTriple& names) const {
    names = point.texts;
    return point.name;
}

void PointStoreState::ResetPointNames() {
    point.name = L"0";
    point.extraText = L"1";
    point.texts = {L"J1", L"Z1", L"1"};
    lastResult.point.name = L"1";
    lastResult.point.code = L"1";
}

void PointStoreState::SetStoreNames(const TextTriple& names, const CString& name, double antennaHeight,
                                    int advance) {
    point.texts = names;
    point.name = name;
    point.extraText = advance == 1 ? NextPointNameOf(name, 1) : name;
    point.antennaHeight = antennaHeight;
}

void PointStoreState::AdvanceLoadedNames(const CString& name, const TextTriple& names, bool advanceJZ,
                                         const HeldPointNames& taken) {
    const auto after = [&](const CString& last) { return taken.FirstFree(NextPointNameOf(last, 1)); };
    point.name = name;
    point.texts = names;
    if (advanceJZ) {
        point.texts.first = after(names.first);
        point.texts.second = after(names.second);
    }
    point.texts.third = after(names.third);
    const CString next = after(name);
    lastResult.point.name = next;
    point.extraText = next;
}

void PointStoreState::SetNameAffixes(const CString& suffix, const CString& prefix) {
    point.text24 = suffix;
    point.text25 = prefix;
}

void PointStoreState::GetNameAffixes(CString& suffix, CString& prefix) const {
    suffix = point.text24;
    prefix = point.text25;
}
