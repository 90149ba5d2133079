#include "survey/screens/StoreInput.h"

#include "platform/ui/StringTable.h"
#include "resources/SurveyStrings.h"
#include "survey/SurveyHost.h"

namespace {
constexpr const wchar_t* kCaption = L"提示";

bool Refuse(CDialog& dialog, UINT id, const CString& text) {
    dialog.MessageBox(text, kCaption, MB_OK | MB_ICONINFORMATION);
    dialog.GotoDlgCtrl(dialog.GetDlgItem(id));
    return false;
}

bool HasSeparator(const CString& text) {
    return text.Find(L',') >= 0 || text.Find(L'\r') >= 0 || text.Find(L'\n') >= 0;
}
}  // namespace

bool CheckStoreTexts(CDialog& dialog, UINT nameId, const CString& name,
                     std::initializer_list<std::pair<UINT, const CString*>> others) {
    if (name.IsEmpty()) return Refuse(dialog, nameId, LoadStringResource(surveystr::kEmptyName));
    if (HasSeparator(name)) return Refuse(dialog, nameId, L"点名和属性中不能有逗号,请重新输入!");
    for (const auto& [id, text] : others)
        if (HasSeparator(*text)) return Refuse(dialog, id, L"点名和属性中不能有逗号,请重新输入!");
    return true;
}

bool CheckAntennaHeight(CDialog& dialog, UINT id, int type, double measured,
                        const AntennaConstants& antenna) {
    const CString fault = AntennaHeightFault(type, measured, antenna);
    return fault.IsEmpty() || Refuse(dialog, id, fault);
}

CString SolutionStatusText(const CGpsState& fix, ISurveyHost& host) {
    if (fix.solutionCode == kSolFixed) return LoadStringResource(surveystr::kFixed);
    host.PlayTone();
    return LoadStringResource(surveystr::kNotFixed);
}

void KeepTypedAntenna(ISurveyHost& host, int type, double measured, double vertical) {
    GeneralSettingsBlock settings = host.Settings();
    if (settings.nAntHgtType == type && settings.szdSourceAntHgt == measured &&
        settings.szdRoverAntH == vertical)
        return;
    settings.nAntHgtType = type;
    settings.szdSourceAntHgt = measured;
    settings.szdRoverAntH = vertical;
    host.SaveSettings(settings);
}
