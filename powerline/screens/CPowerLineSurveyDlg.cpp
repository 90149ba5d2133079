#include "powerline/screens/CPowerLineSurveyDlg.h"

#include "foundation/RecordFormatFile.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "resources/PowerlineScreens.h"

namespace {
// In the order of the survey formats.
constexpr const wchar_t* kFormatNames[kSurveyFormatCount] = {L"道亨", L"思维",   L"海智", L"XLCAD",
                                                             L"通用", L"斯贝达", L"百合"};
}  // namespace

CPowerLineSurveyDlg::CPowerLineSurveyDlg(IPowerlineHost& host, ISurveyHost& survey, CWnd* parent)
    : CPowerlineScreen(powersurvey::IDD, host, survey, parent) {}

BOOL CPowerLineSurveyDlg::OnInitDialog() {
    CPowerlineScreen::OnInitDialog();
    auto& formats = *static_cast<CComboBox*>(GetDlgItem(powersurvey::kFormat));
    for (const wchar_t* name : kFormatNames) formats.AddString(name);
    recorded_ = ReadRecordFormat(host_.JobFolder());
    format_ = recorded_ && *recorded_ >= 0 && *recorded_ < kSurveyFormatCount ? *recorded_ : 0;
    UpdateData(FALSE);
    return TRUE;
}

void CPowerLineSurveyDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_CBIndex(pDX, powersurvey::kFormat, format_);
}

std::optional<CPowerlineScreen::StoreTarget> CPowerLineSurveyDlg::PrepareStore(CPointStoreCtrl& ctrl) {
    if (!UpdateData(TRUE)) return std::nullopt;
    // Along a stake line the point takes its place on it; the side-stake fields stay the template's.
    if (const std::optional<StakeLinePosition>& line = StakeLine()) {
        const SurveyPointRec& t = ctrl.Template();
        ctrl.SetLineContext(line->mileage, line->offset, line->heightDifference, t.refText, t.refNumber,
                            t.refHeight, t.text28);
    }
    return StoreTarget{kPowerLinePoint, format_};
}

void CPowerLineSurveyDlg::OnPointStored(const StorePointSubBlock& context) {
    if (recorded_ == context.recordFormat) return;
    if (!WriteRecordFormat(host_.JobFolder(), context.recordFormat)) {
        MessageBox(L"记录格式文件写入失败!", L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    recorded_ = context.recordFormat;
}
