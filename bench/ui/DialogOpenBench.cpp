// Opening and painting a full-screen dialog on the headless display: template to windows,
// OnInitDialog with data exchange, maximising, and every window painted.
#include <benchmark/benchmark.h>

#include "platform/time/Clock.h"
#include "platform/ui/Button.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
constexpr UINT kBenchDialogId = 901;
enum : UINT {
    kName = 1001,
    kCode = 1002,
    kAntenna = 1003,
    kNorth = 1004,
    kEast = 1005,
    kHeight = 1006,
    kVerticalHeight = 1010,
    kSlantHeight = 1011,
    kPoleHeight = 1012,
    kThreeParams = 1020,
};

// A settings screen of typical size: labels, edits, radio buttons, check box and buttons.
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 4, 4, 40, 10, L"点名:", SS_LEFT},
    {L"EDIT", kName, 46, 4, 84, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 20, 40, 10, L"编码:", SS_LEFT},
    {L"EDIT", kCode, 46, 20, 84, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 36, 40, 10, L"天线高:", SS_LEFT},
    {L"EDIT", kAntenna, 46, 36, 84, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 52, 40, 10, L"北坐标:", SS_LEFT},
    {L"EDIT", kNorth, 46, 52, 84, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 68, 40, 10, L"东坐标:", SS_LEFT},
    {L"EDIT", kEast, 46, 68, 84, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 84, 40, 10, L"高程:", SS_LEFT},
    {L"EDIT", kHeight, 46, 84, 84, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"BUTTON", IDC_STATIC, 2, 100, 130, 28, L"高程类型", BS_GROUPBOX},
    {L"BUTTON", kVerticalHeight, 6, 112, 40, 12, L"直高", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {L"BUTTON", kSlantHeight, 48, 112, 40, 12, L"斜高", BS_AUTORADIOBUTTON},
    {L"BUTTON", kPoleHeight, 90, 112, 40, 12, L"杆高", BS_AUTORADIOBUTTON},
    {L"BUTTON", kThreeParams, 6, 132, 80, 12, L"计算三参数", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP},
    {L"BUTTON", IDOK, 50, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 92, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{kBenchDialogId, 135, 166, L"存储点", kDialogStyle, kControls};

class CBenchDlg : public CDialog {
public:
    CBenchDlg() : CDialog(kTemplate, nullptr) {}
    CString name = L"P100", code = L"0", antenna = L"1.800";
    double north = 3456789.123, east = 512345.678, height = 45.321;
    int heightKind = 1, threeParams = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kName, name);
        DDX_Text(pDX, kCode, code);
        DDX_Text(pDX, kAntenna, antenna);
        DDX_Text(pDX, kNorth, north);
        DDX_Text(pDX, kEast, east);
        DDX_Text(pDX, kHeight, height);
        DDX_Radio(pDX, kVerticalHeight, heightKind);
        DDX_Check(pDX, kThreeParams, threeParams);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ShowWindow(SW_MAXIMIZE);
        return TRUE;
    }
};

void OpenAndPaintFullScreenDialog(benchmark::State& state) {
    CVirtualClock clock;
    CDesktop::Get().PaintAll();
    for (auto _ : state) {
        CBenchDlg dlg;
        dlg.CreateIndirect(kTemplate, nullptr);
        CDesktop::Get().PaintAll();
        benchmark::DoNotOptimize(CDesktop::Get().Screen().colorAt(120, 160));
        state.PauseTiming();
        dlg.DestroyWindow();
        CDesktop::Get().PaintAll();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenAndPaintFullScreenDialog)->Unit(benchmark::kMicrosecond);
}  // namespace
