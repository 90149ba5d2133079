#include "survey/screens/PostProcCommand.h"

#include <cmath>

#include "foundation/screens/CFileDialogs.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WaitCursor.h"
#include "survey/PostProcControlPoints.h"
#include "survey/PostProcessing.h"
#include "survey/screens/CPostProcParamDlg.h"

namespace {
constexpr int kControlPointMode = 0;
constexpr double kShiftTolerance = 0.001;
constexpr const wchar_t* kCaption = L"提示";

bool HasShifts(const AdjustParamBlock& a) {
    return std::fabs(a.szdAdjustX) > kShiftTolerance || std::fabs(a.szdAdjustY) > kShiftTolerance ||
           std::fabs(a.szdAdjustH) > kShiftTolerance;
}

void Tell(CWnd* parent, const CString& text) {
    parent->MessageBox(text, kCaption, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void RunPostProcessCommand(const ISurveyHost& host, CWnd* parent) {
    CPostProcParamDlg choice(parent);
    if (choice.DoModal() == IDOK) RunPostProcessing(host, choice.mode, parent);
}

void RunPostProcessing(const ISurveyHost& host, int mode, CWnd* parent) {
    const CoordSysParams job = host.CoordParams();
    CoordSysParams working = job;
    bool addShifts = false;
    if (mode == kControlPointMode) {
        const CString controlPoints = ChooseFileToOpen(parent, L"*.cot", host.JobFolder(), host.JobFolder());
        if (controlPoints.IsEmpty()) return;
        if (!ReadControlPoints(controlPoints, working, host.Settings().connection.nPlaneNihe,
                               host.Settings().connection.nCurveNihe)) {
            Tell(parent, L"打开控制点文件(*.cot)错误");
            return;
        }
        addShifts = HasShifts(job.adjust) && parent->MessageBox(LoadStringResource(postproc::kShiftsQuestion),
                                                                LoadStringResource(postproc::kShiftsCaption),
                                                                MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    const CString raw = ChooseFileToOpen(parent, L"*.blh", host.DataFolder(), host.DataFolder());
    if (raw.IsEmpty()) return;
    const CString result = ChooseFileToSave(parent, L"*.xyh", host.DataFolder(), host.DataFolder());
    if (result.IsEmpty()) return;
    if (SameDevicePath(result, raw) || SameDevicePath(result, host.PointFilePath())) {
        Tell(parent, L"成果文件不能与原始数据文件相同!");
        return;
    }
    PostProcOutcome outcome;
    {
        CWaitCursor busy;
        outcome = WritePostProcResult(raw, result, working, addShifts, job.adjust);
    }
    switch (outcome.status) {
        case PostProcOutcome::Status::kRawUnreadable:
            Tell(parent, L"打开blh文件错误,数据后处理不成功!");
            break;
        case PostProcOutcome::Status::kResultNotWritten:
            Tell(parent, L"新建成果文件错误,数据后处理不成功!");
            break;
        case PostProcOutcome::Status::kWritten:
            Tell(parent, outcome.lines > 0 ? L"处理完毕,成果文件为" + result
                                           : CString(L"原始数据文件中无选择类型的数据,请检查!"));
            break;
    }
}
