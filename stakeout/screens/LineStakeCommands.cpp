// The line stake-out screen's commands: buttons, keys, taps, the line library, settings and storing.
#include "stakeout/screens/CLineStakeDlg.h"

#include "foundation/screens/PointLabels.h"
#include "platform/time/Clock.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WindowDC.h"
#include "resources/LineStakeDlg.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/screens/CLinePromptDlg.h"
#include "stakeout/screens/CLineStakeSetDlg.h"
#include "stakeout/screens/CStakeLineLibDlg.h"
#include "stakeout/screens/StakePlotDrawing.h"

namespace {
using namespace linestake;
}  // namespace

void CLineStakeDlg::OnZoomIn() {
    if (canvas_.ZoomIn()) RepaintPlot();
}

void CLineStakeDlg::OnZoomOut() {
    if (canvas_.ZoomOut()) RepaintPlot();
}

void CLineStakeDlg::OnFollow() {
    const PixelRect& r = canvas_.ClientRect();
    const double scale = canvas_.MetresPerPixel();
    canvas_.SetView(fix_.gridX - (r.bottom - r.top) * scale * 0.5,
                    fix_.gridY - (r.right - r.left) * scale * 0.5, scale);
    RepaintPlot();
}

void CLineStakeDlg::StoreStakedPoint() {
    if (fix_.solutionText.Find(L"FIXED") >= 0 && (fix_.latitude == 0.0 || fix_.longitude == 0.0)) return;
    const int mode = host_.JobSettings().nSaveType;
    if (!line_ || mode == 3) return;
    const StoredPointResult result = host_.StorePoint(fix_, {mode, 2, 0, CString(), CString()});
    if (result.number != 0) AppendStakeRecord(result.point);
}

void CLineStakeDlg::AppendStakeRecord(const PointRecord& point) {
    records_.push_back(point);
    const PixelPoint at = canvas_.WorldToScreen(point.x, point.y);
    if (OnPlot(canvas_.ClientRect(), at)) {
        markers_.push_back({point.name, CString(), at.x, at.y, static_cast<int32_t>(records_.size() - 1)});
        CClientDC dc(&plot_);
        dc.SetBkMode(TRANSPARENT);
        DrawPointLabel(dc, markers_.back());
    }
    if (!::AppendStakeRecord(StakeRecordPath(settings_.curLayoutFileName, L"lnr"), point))
        MessageBox(L"文件保存失败!", L"提示", MB_OK | MB_ICONINFORMATION);
}

void CLineStakeDlg::SelectAdjacentLine(int direction) {
    if (!line_) return;
    const int last = static_cast<int>(lines_.size()) - 1;
    const bool next = direction == 0;
    const bool atEnd = next ? lineIndex_ >= last : lineIndex_ <= 0;
    const int shown = atEnd ? (next ? last : 0) : lineIndex_ + (next ? 1 : -1);
    if (shown < 0 || shown > last) return;
    const wchar_t* message =
        next ? (atEnd ? L"已经是最后一条线,最后一条线为:" : L"确定放样下一条线吗?下一条线为:")
             : (atEnd ? L"已经是第一条线,第一条线为:" : L"确定放样上一条线吗?上一条线为:");
    CLinePromptDlg prompt(this);
    prompt.SetLine(message, lines_[static_cast<size_t>(shown)]);
    if (prompt.DoModal() != IDOK || atEnd) return;
    lineIndex_ = shown;
    line_ = lines_[static_cast<size_t>(shown)];
    latches_.nearLine = 0;
    ZoomToExtents();
}

void CLineStakeDlg::OnLineLibrary() {
    CStakeLineLibDlg dlg(host_, this);
    if (!settings_.curLayoutFileName.IsEmpty()) dlg.SetFileName(settings_.curLayoutFileName);
    if (line_) dlg.SetSelectedIndex(lineIndex_);
    if (dlg.DoModal() != IDOK) return;
    lines_ = dlg.Lines();
    canvas_.ClearDisplayPoints();
    for (const LineSegRec& l : lines_) {
        canvas_.AddDisplayPoint(l.start);
        canvas_.AddDisplayPoint(l.end);
    }
    const int index = dlg.Selected() ? dlg.SelectedIndex() : -1;
    if (index >= 0 && index < static_cast<int>(lines_.size())) {
        lineIndex_ = index;
        line_ = lines_[static_cast<size_t>(index)];
    } else {
        lineIndex_ = -1;
        line_.reset();
    }
    latches_.nearLine = 0;
    if (dlg.FileName() != settings_.curLayoutFileName) {
        settings_.curLayoutFileName = dlg.FileName();
        SaveSettings();
        records_ = ReadStakeRecords(StakeRecordPath(settings_.curLayoutFileName, L"lnr"));
    }
    ZoomToExtents();
    RepaintPlot();
}

void CLineStakeDlg::OnSettings() {
    CLineStakeSetDlg dlg(this);
    dlg.m_dMin = settings_.minPrompt;
    dlg.m_dMax = settings_.maxPrompt;
    dlg.m_nSound = settings_.soundPrompt;
    dlg.m_nShowMeasured = settings_.showRecordLayoutPoint;
    dlg.m_nPlumb = settings_.showPlumb;
    dlg.m_nShowAllLines = settings_.showAllLayoutLine;
    dlg.m_strCount = ShowCountText(settings_.showSurveyPoint);
    dlg.m_dInterval = settings_.intMileage;
    dlg.m_nMileagePrompt = settings_.intMilPrompt;
    dlg.m_nViewMode = viewMode_;
    // Cancel keeps the view mode the screen had.
    if (dlg.DoModal() != IDOK) return;
    settings_.minPrompt = dlg.m_dMin;
    settings_.maxPrompt = dlg.m_dMax;
    settings_.showAllLayoutLine = dlg.m_nShowAllLines;
    settings_.showPlumb = dlg.m_nPlumb;
    settings_.soundPrompt = dlg.m_nSound;
    settings_.showRecordLayoutPoint = dlg.m_nShowMeasured;
    settings_.intMilPrompt = dlg.m_nMileagePrompt;
    settings_.intMileage = dlg.m_dInterval;
    settings_.showSurveyPoint = ParseShowCount(dlg.m_strCount);
    latches_.nearLine = 0;
    viewMode_ = dlg.m_nViewMode;
    SaveSettings();
    RepaintPlot();
}

void CLineStakeDlg::SaveSettings() {
    SaveLineStakeSettings(LineStakeSettingsPath(host_.JobFolder()), settings_);
}

void CLineStakeDlg::OnModeHelp() {
    const CString file = host_.PointDataFile();
    host_.ShowReceiverInfo(this, L"当前模式:线放样\n\n数据文件名:" + file.Left(file.GetLength() - 4) + L"\n" +
                                     LoadStringResource(kKeyHelp));
}

void CLineStakeDlg::OnCoordView() {
    host_.ShowCoordinateView();
}

void CLineStakeDlg::OnClose() {
    EndDialog(IDOK);
}

BOOL CLineStakeDlg::PreTranslateMessage(MSG* msg) {
    switch (host_.LogicalKey(msg->message, static_cast<UINT>(msg->wParam))) {
        case kKeyStore:
            StoreStakedPoint();
            return TRUE;
        case kKeyCoordView: {
            SYSTEMTIME now;
            GetSystemTime(&now);
            if (keyB_.Press(now.wMinute, now.wSecond)) OnCoordView();
            return TRUE;
        }
        case kKeyNext:
            SelectAdjacentLine(0);
            return TRUE;
        case kKeyPrevious:
            SelectAdjacentLine(1);
            return TRUE;
        case kKeyRedraw:
            Invalidate();
            RepaintPlot();
            return TRUE;
        case kKeyReacquire:
            host_.ReacquireAndSave();
            break;
        case kKeyVerify:
            host_.RunDataVerify(this);
            break;
        default:
            break;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CLineStakeDlg::OnLButtonDown(UINT flags, CPoint point) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    bool picked = false;
    PointRecord hit;
    if (canvas_.OnMouseDown(point, dc, picked, hit)) RepaintPlot();
    if (picked) {
        readouts_ = LineReadouts{};
        readouts_.name = hit.name;
        readouts_.dx.Format(L"%.3f", hit.x);
        readouts_.dy.Format(L"%.3f", hit.y);
        ShowReadouts();
    }
    CDialog::OnLButtonDown(flags, point);
}

void CLineStakeDlg::OnMouseMove(UINT flags, CPoint point) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    if (canvas_.OnMouseMove(point, dc)) RepaintPlot();
    CDialog::OnMouseMove(flags, point);
}

void CLineStakeDlg::OnLButtonUp(UINT flags, CPoint point) {
    if (canvas_.OnMouseUp(point)) RepaintPlot();
    CDialog::OnLButtonUp(flags, point);
}
