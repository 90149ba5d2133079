#include "calibration/screens/CalibrationWizard.h"

#include "calibration/KnownBaseList.h"
#include "calibration/SinglePointCalibration.h"
#include "calibration/screens/CalibWizardDlgs.h"
#include "calibration/screens/GeometryPrompt.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/StringTable.h"

namespace {
void Tell(CWnd* parent, const wchar_t* text) {
    MessageBox(parent ? parent->m_hWnd : HWND(), text, L"提示", MB_OK | MB_ICONINFORMATION);
}

// The pages of one form; true when the calibration is to follow.
bool RunPages(ICalibrationHost& host, WizardRun& run, WizardPage first, WizardPage second, CWnd* parent) {
    CWizardPointDlg page(first, host, run, parent);
    if (page.DoModal() != IDOK) return false;
    if (!run.secondStep) return true;
    CWizardPointDlg next(second, host, run, parent);
    return next.DoModal() == IDOK && !run.secondStep;
}

void RunCalibration(ICalibrationHost& host, const CalibrationChoice& choice, UINT promptText, CWnd* parent) {
    CCalibPromptDlg prompt(LoadStringResource(promptText), parent);
    if (prompt.DoModal() != IDOK) return;
    // The fix as the frame holds it now that the prompt is closed.
    const CGpsState& state = host.LatestFix();
    if (!FixCanCalibrate(state)) {
        Tell(parent, kNoPositionRefusal);
        return;
    }
    const CalibrationFix fix = CaptureFix(state);
    if (fix.solutionCode != kSolFixed &&
        MessageBox(parent ? parent->m_hWnd : HWND(), LoadStringResource(wizardtext::kNotFixed),
                   LoadStringResource(wizardtext::kInfoCaption), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const CalibrationResult result =
        ::Calibrate(host.CoordParams(), choice, fix, host.CalibrationConverter());
    if (result.fourParamsRefused) Tell(parent, L"公共点重合,无法计算四参数!");
    if (!result.fourParamsRefused && !AcceptGeometry(parent, result.geometry)) return;
    const LinesAppended logged =
        AppendCalibrationLog(host.ResultFolder(), AdjustLogLine(fix, host.CalibrationConverter()));
    const CString notice =
        AppendNotice(CalibrationLogPath(host.ResultFolder()), logged, L"校正记录文件写入失败,校正已取消!");
    if (!notice.IsEmpty()) Tell(parent, notice.c_str());
    if (!logged.written) return;
    if (!host.SaveCoordParams(result.params)) {
        Tell(parent, L"文件保存失败!");
        return;
    }
    if (result.derivedBase) {
        CKnownBaseList list;
        list.SetPath(host.JobFolder() + L"knowdata.xyh");
        if (list.Load() && list.GetCount() > 0) {
            list.SetRow(0, *result.derivedBase);
            if (!list.Save()) Tell(parent, L"文件保存失败!");
        }
    }
}
}  // namespace

void CalibrateKnownBase(ICalibrationHost& host, const WizardRun& run, CWnd* parent) {
    host.PlayTone();
    // The base's surveyed position must be this session's: an earlier base may stand elsewhere.
    if (!host.BaseReceivedFixed()) {
        Tell(parent, L"本次没有收到固定解的基准站坐标,不能校正!");
        return;
    }
    RunCalibration(host, CalibrationChoice{true, run.count, run.knownThreeParameter}, wizardtext::kKnownBase,
                   parent);
}

void CalibrateUnknownBase(ICalibrationHost& host, const WizardRun& run, CWnd* parent) {
    host.PlayTone();
    if (run.count < 2) {
        MessageBox(parent ? parent->m_hWnd : HWND(), LoadStringResource(wizardtext::kEnterKnown), L"", MB_OK);
        return;
    }
    RunCalibration(host, CalibrationChoice{false, run.count, run.unknownThreeParameter},
                   wizardtext::kUnknownBase, parent);
}

void RunCalibrationWizard(ICalibrationHost& host, CWnd* parent) {
    CCalibModeDlg mode(host.BaseReceivedFixed(), parent);
    if (mode.DoModal() != IDOK) return;
    WizardRun run;
    run.rover = host.Antenna();
    if (mode.mode == 0) {
        if (RunPages(host, run, WizardPage::kKnown1, WizardPage::kKnown2, parent))
            CalibrateKnownBase(host, run, parent);
    } else if (RunPages(host, run, WizardPage::kUnknown1, WizardPage::kUnknown2, parent)) {
        CalibrateUnknownBase(host, run, parent);
    }
    CalibrationMemory memory = host.Memory();
    memory.wizardDone = true;
    host.Remember(memory);
}
