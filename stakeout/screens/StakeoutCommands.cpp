// The point stake-out screen's commands: buttons, keys, taps, the library, settings and storing.
#include "stakeout/screens/CStakeoutDlg.h"

#include "foundation/screens/PointLabels.h"
#include "platform/time/Clock.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WindowDC.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/screens/CStakePointLibDlg.h"
#include "stakeout/screens/CStakePromptDlg.h"
#include "stakeout/screens/CStakeSettingsDlg.h"
#include "stakeout/screens/StakePlotDrawing.h"

namespace {
using namespace pointstake;

bool SamePoint(const PointRecord& a, const PointRecord& b) {
    return a.name == b.name && a.x == b.x && a.y == b.y && a.h == b.h;
}
}  // namespace

void CStakeoutDlg::OnZoomIn() {
    if (canvas_.ZoomIn()) RepaintPlot();
}

void CStakeoutDlg::OnZoomOut() {
    if (canvas_.ZoomOut()) RepaintPlot();
}

void CStakeoutDlg::OnFollow() {
    const PixelRect& r = canvas_.ClientRect();
    const double scale = canvas_.MetresPerPixel();
    canvas_.SetView(fix_.gridX - (r.bottom - r.top) * scale * 0.5,
                    fix_.gridY - (r.right - r.left) * scale * 0.5, scale);
    RepaintPlot();
}

void CStakeoutDlg::StoreCurrentPoint() {
    if (fix_.solutionText.Find(L"FIXED") >= 0 && (fix_.latitude == 0.0 || fix_.longitude == 0.0)) return;
    const int mode = host_.JobSettings().nSaveType;
    if (!target_ || mode == 3) return;
    const StoredPointResult result = host_.StorePoint(fix_, {mode, 2, 0, target_->name, CString()});
    if (result.number != 0) AppendStakeRecord(result.point);
}

void CStakeoutDlg::AppendStakeRecord(const PointRecord& point) {
    records_.push_back(point);
    const PixelPoint at = canvas_.WorldToScreen(point.x, point.y);
    if (OnPlot(canvas_.ClientRect(), at)) {
        markers_.push_back({point.name, CString(), at.x, at.y, static_cast<int32_t>(records_.size() - 1)});
        CClientDC dc(&plot_);
        dc.SetBkMode(TRANSPARENT);
        DrawPointLabel(dc, markers_.back());
    }
    if (!::AppendStakeRecord(StakeRecordPath(settings_.curLayoutFileName, L"ptr"), point))
        MessageBox(L"文件保存失败!", L"提示", MB_OK | MB_ICONINFORMATION);
}

void CStakeoutDlg::StepPoint(int direction) {
    if (!target_) return;
    const int last = static_cast<int>(points_.size()) - 1;
    const bool next = direction == 0;
    const bool atEnd = next ? targetIndex_ >= last : targetIndex_ <= 0;
    const int shown = atEnd ? (next ? last : 0) : targetIndex_ + (next ? 1 : -1);
    if (shown < 0 || shown > last) return;
    const wchar_t* message =
        next ? (atEnd ? L"已经是最后一点,最后一点坐标为:" : L"确定放样下一点吗?下一点坐标为:")
             : (atEnd ? L"已经是第一点,第一点坐标为:" : L"确定放样上一点吗?上一点坐标为:");
    CStakePromptDlg prompt(this);
    prompt.SetPoint(message, points_[static_cast<size_t>(shown)]);
    if (prompt.DoModal() == IDOK && !atEnd) SelectTarget(shown);
}

void CStakeoutDlg::SelectTarget(int index) {
    targetIndex_ = index;
    target_ = points_[static_cast<size_t>(index)];
    beep_.Rearm();
    ZoomAll();
}

void CStakeoutDlg::OnLibrary() {
    CStakePointLibDlg dlg(host_, this);
    if (!settings_.curLayoutFileName.IsEmpty()) dlg.SetLibraryPath(settings_.curLayoutFileName);
    if (target_) dlg.SetSelectedPoint(targetIndex_);
    if (dlg.DoModal() != IDOK) return;
    points_ = dlg.Points();
    canvas_.ClearDisplayPoints();
    for (const PointRecord& p : points_) canvas_.AddDisplayPoint(p);
    const int chosen = dlg.Chosen() ? dlg.ChosenPoint() : targetIndex_;
    const bool holds = chosen >= 0 && chosen < static_cast<int>(points_.size()) &&
                       (dlg.Chosen() || SamePoint(points_[static_cast<size_t>(chosen)], *target_));
    if (holds) {
        targetIndex_ = chosen;
        target_ = points_[static_cast<size_t>(chosen)];
    } else {
        targetIndex_ = -1;
        target_.reset();
    }
    if (dlg.LibraryPath() != settings_.curLayoutFileName) {
        settings_.curLayoutFileName = dlg.LibraryPath();
        SaveSettings();
        records_ = ReadStakeRecords(StakeRecordPath(settings_.curLayoutFileName, L"ptr"));
    }
    beep_.Rearm();
    ZoomAll();
    RepaintPlot();
}

void CStakeoutDlg::OnSettings() {
    CStakeSettingsDlg dlg(this);
    dlg.m_nShowAll = settings_.showAllLayoutPoint;
    dlg.m_nShowMeasured = settings_.showRecordLayoutPoint;
    dlg.m_nSound = settings_.soundPrompt;
    dlg.m_dMin = settings_.minLayoutPrompt;
    dlg.m_dMax = settings_.maxLayoutPrompt;
    dlg.m_nViewMode = viewMode_;
    dlg.m_strCount = ShowCountText(settings_.showSurveyPoint);
    if (dlg.DoModal() != IDOK) return;
    settings_.showAllLayoutPoint = dlg.m_nShowAll;
    settings_.showRecordLayoutPoint = dlg.m_nShowMeasured;
    settings_.soundPrompt = dlg.m_nSound;
    settings_.minLayoutPrompt = dlg.m_dMin;
    settings_.maxLayoutPrompt = dlg.m_dMax;
    settings_.showSurveyPoint = ParseShowCount(dlg.m_strCount);
    viewMode_ = dlg.m_nViewMode;
    if (settings_.soundPrompt) beep_.Rearm();
    SaveSettings();
    RepaintPlot();
}

void CStakeoutDlg::SaveSettings() {
    SavePointStakeSettings(PointStakeSettingsPath(host_.JobFolder()), settings_);
}

void CStakeoutDlg::OnInfo() {
    const CString file = host_.PointDataFile();
    host_.ShowReceiverInfo(this, LoadStringResource(kModeText) + L"\n\n" + LoadStringResource(kDataFileText) +
                                     file.Left(file.GetLength() - 4) + L"\n" + LoadStringResource(kKeyHelp));
}

void CStakeoutDlg::OnCoordView() {
    host_.ShowCoordinateView();
}

void CStakeoutDlg::OnClose() {
    EndDialog(IDOK);
}

BOOL CStakeoutDlg::PreTranslateMessage(MSG* msg) {
    switch (host_.LogicalKey(msg->message, static_cast<UINT>(msg->wParam))) {
        case kKeyStore:
            StoreCurrentPoint();
            return TRUE;
        case kKeyCoordView: {
            SYSTEMTIME now;
            GetSystemTime(&now);
            if (keyB_.Press(now.wMinute, now.wSecond)) OnCoordView();
            return TRUE;
        }
        case kKeyNext:
            StepPoint(0);
            return TRUE;
        case kKeyPrevious:
            StepPoint(1);
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

void CStakeoutDlg::OnLButtonDown(UINT flags, CPoint point) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    bool picked = false;
    PointRecord hit;
    if (canvas_.OnMouseDown(point, dc, picked, hit)) RepaintPlot();
    if (picked) {
        readouts_ = PointReadouts{};
        readouts_.name = hit.name;
        readouts_.dx.Format(L"%.3f", hit.x);
        readouts_.dy.Format(L"%.3f", hit.y);
        readouts_.dh.Format(L"%.3f", hit.h);
        ShowTexts();
    }
    CDialog::OnLButtonDown(flags, point);
}

void CStakeoutDlg::OnMouseMove(UINT flags, CPoint point) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    if (canvas_.OnMouseMove(point, dc)) RepaintPlot();
    CDialog::OnMouseMove(flags, point);
}

void CStakeoutDlg::OnLButtonUp(UINT flags, CPoint point) {
    if (canvas_.OnMouseUp(point)) RepaintPlot();
    CDialog::OnLButtonUp(flags, point);
}
