#include "stakeout/screens/CStakeoutDlg.h"

#include "foundation/screens/BigText.h"
#include "foundation/screens/PointLabels.h"
#include "platform/files/FileOps.h"
#include "platform/gdi/TextTypes.h"
#include "platform/time/Clock.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WindowDC.h"
#include "receiver/ReceiverMessages.h"
#include "resources/StakeIcons.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/PromptMarks.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/StakeView.h"
#include "stakeout/Tones.h"
#include "stakeout/screens/CStakePointLibDlg.h"
#include "stakeout/screens/CStakePromptDlg.h"
#include "stakeout/screens/CStakeSettingsDlg.h"
#include "stakeout/screens/StakePlotDrawing.h"

namespace {
using namespace pointstake;
constexpr int kTextHeight = 14;

struct ButtonEntry {
    UINT id;
    UINT icon;
};
constexpr ButtonEntry kButtons[] = {
    {kFollow, stakeicons::kFollow},     {kZoomIn, stakeicons::kZoomIn},
    {kZoomOut, stakeicons::kZoomOut},   {kFitAll, stakeicons::kFitAll},
    {kStore, stakeicons::kStore},       {kInfo, stakeicons::kReceiverInfo},
    {kSettings, stakeicons::kSettings}, {kLibrary, stakeicons::kLibrary},
    {kClose, stakeicons::kClose},       {kCoordView, stakeicons::kCoordView},
};

bool SamePoint(const PointRecord& a, const PointRecord& b) {
    return a.name == b.name && a.x == b.x && a.y == b.y && a.h == b.h;
}
}  // namespace

CStakeoutDlg::CStakeoutDlg(IStakeoutHost& host, CWnd* parent) : CDialog(IDD, parent), host_(host) {
    BindMessage(WM_GPS_POSITION, &CStakeoutDlg::OnPositionUpdate);
    BindMessage(WM_PLOT_PAINTED, &CStakeoutDlg::OnPlotPainted);
    BindCommand(kZoomIn, &CStakeoutDlg::OnZoomIn);
    BindCommand(kZoomOut, &CStakeoutDlg::OnZoomOut);
    BindCommand(kFollow, &CStakeoutDlg::OnFollow);
    BindCommand(kFitAll, &CStakeoutDlg::ZoomAll);
    BindCommand(kStore, &CStakeoutDlg::StoreCurrentPoint);
    BindCommand(kLibrary, &CStakeoutDlg::OnLibrary);
    BindCommand(kSettings, &CStakeoutDlg::OnSettings);
    BindCommand(kInfo, &CStakeoutDlg::OnInfo);
    BindCommand(kCoordView, &CStakeoutDlg::OnCoordView);
    BindCommand(kClose, &CStakeoutDlg::OnClose);
}

BOOL CStakeoutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    host_.ListenForPositions(m_hWnd);
    plot_.SubclassDlgItem(kPlot, this);
    plot_.SetNotifyTarget(m_hWnd);
    plot_.SetBkColor(RGB(255, 255, 255));
    for (size_t i = 0; i < buttons_.size(); ++i)
        SetUpStakeButton(buttons_[i], *this, kButtons[i].id, kButtons[i].icon);
    // Waits for the coordinate view to join the program.
    GetDlgItem(kCoordView)->EnableWindow(host_.HasCoordinateView() ? TRUE : FALSE);
    canvas_.ResetMouseOffset();
    LoadPointStakeSettings(PointStakeSettingsPath(host_.JobFolder()), settings_);
    CString library = settings_.curLayoutFileName;
    library.Trim();
    if (!library.IsEmpty()) {
        if (FileExists(library)) LoadLibrary(library);
        ZoomAll();
    }
    return TRUE;
}

void CStakeoutDlg::OnDestroy() {
    host_.StopListening(m_hWnd);
    CDialog::OnDestroy();
}

void CStakeoutDlg::LoadLibrary(const CString& path) {
    points_ = ReadStakePoints(path);
    canvas_.ClearDisplayPoints();
    for (const PointRecord& p : points_) canvas_.AddDisplayPoint(p);
    records_ = ReadStakeRecords(StakeRecordPath(path, L"ptr"));
}

LRESULT CStakeoutDlg::OnPositionUpdate(WPARAM state, LPARAM) {
    fix_ = *reinterpret_cast<const CGpsState*>(state);
    lastRings_.clear();
    CClientDC dc(&plot_);
    PreparePlot(dc);
    if (!FixHasPosition(fix_)) {
        guidance_.reset();
        readouts_ = EmptyPointReadouts(fix_);
        ShowTexts();
        canvas_.DrawSignalGlyph(dc, fix_.diffAge);
        return 0;
    }
    const GeneralSettingsBlock& job = host_.JobSettings();
    guidance_.reset();
    bool inside = false;
    if (target_) {
        guidance_ = ComputePointGuidance(fix_.gridX, fix_.gridY, fix_.gridH, *target_, job.nUseAntHgt,
                                         job.szdRoverAntH);
        inside = guidance_->distance < settings_.maxLayoutPrompt;
        if (beep_.Update(inside, settings_.soundPrompt)) BeepPrompt();
    }
    readouts_ = FormatPointReadouts(target_ ? &*target_ : nullptr, guidance_ ? &*guidance_ : nullptr, fix_);
    ShowTexts();
    if (viewMode_ == 0 && KeepTargetInView(canvas_, fix_.gridX, fix_.gridY, target_ ? &*target_ : nullptr))
        RepaintPlot();
    if (inside) {
        lastRings_ = RingRadii(settings_.minLayoutPrompt, settings_.maxLayoutPrompt, canvas_,
                               canvas_.WorldToScreen(target_->x, target_->y));
        DrawRings(dc, canvas_.WorldToScreen(target_->x, target_->y), lastRings_);
    }
    DrawFix(dc);
    return 0;
}

void CStakeoutDlg::DrawFix(CDC& dc) {
    const LinkValues link = host_.Link();
    canvas_.DrawPosition(dc, fix_.gridX, fix_.gridY, fix_.gridH);
    canvas_.DrawSignalGlyph(dc, fix_.diffAge);
    canvas_.DrawLinkTag(dc, link.kind, link.number, link.shown);
    if (target_) {
        const PixelPoint t = canvas_.WorldToScreen(target_->x, target_->y);
        if (guideEnd_) DrawGuideLine(dc, t, canvas_.WorldToScreen(guideEnd_->n, guideEnd_->e));
        DrawGuideLine(dc, t, canvas_.WorldToScreen(fix_.gridX, fix_.gridY));
        guideEnd_ = WorldPoint{fix_.gridX, fix_.gridY, fix_.gridH};
    }
    canvas_.DrawNorthArrow(dc);
    canvas_.DrawScaleBar(dc);
    canvas_.DrawClock(dc, fix_.hour, fix_.minute, fix_.second);
}

LRESULT CStakeoutDlg::OnPlotPainted(WPARAM, LPARAM) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    canvas_.ClearBackground(dc);
    canvas_.DrawSignalGlyph(dc, 0);
    canvas_.DrawNorthArrow(dc);
    canvas_.DrawScaleBar(dc);
    // The background took the guide line with it.
    guideEnd_.reset();
    dc.SetBkMode(TRANSPARENT);
    if (settings_.showAllLayoutPoint) canvas_.DrawPoints(dc);
    canvas_.RedrawPosition(dc);
    markers_.clear();
    if (settings_.showRecordLayoutPoint) {
        markers_ = RecordMarkers(canvas_, records_, settings_.showSurveyPoint);
        DrawPointLabels(dc, markers_);
    }
    if (target_) DrawTarget(dc, canvas_.WorldToScreen(target_->x, target_->y), target_->name);
    // The store button lies on the plot: it comes back over the map.
    GetDlgItem(kStore)->Invalidate();
    return 0;
}

void CStakeoutDlg::PreparePlot(CDC& dc) {
    CRect client;
    plot_.GetClientRect(&client);
    canvas_.SetClientRect(client.left, client.top, client.right, client.bottom);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(255, 255, 255));
}

void CStakeoutDlg::RepaintPlot() {
    plot_.Invalidate();
}

void CStakeoutDlg::ShowTexts() {
    const int red = SolutionOverLimits(fix_, host_.JobSettings()) ? 1 : 0;
    SetBigText(this, kPointName, readouts_.name, kTextHeight, 0, DT_LEFT, 12);
    SetBigText(this, kAzimuth, readouts_.azimuth, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kDistance, readouts_.distance, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kDx, readouts_.dx, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kDy, readouts_.dy, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kDh, readouts_.dh, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kSolution, readouts_.solution, kTextHeight, red, DT_LEFT, 12);
    SetBigText(this, kRmsH, readouts_.rmsH, kTextHeight, 0, DT_LEFT, 12);
    SetBigText(this, kRmsV, readouts_.rmsV, kTextHeight, 0, DT_LEFT, 12);
    SetBigText(this, kSatellites, readouts_.satellites, kTextHeight, 0, DT_LEFT, 12);
}

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

void CStakeoutDlg::ZoomAll() {
    CRect client;
    plot_.GetClientRect(&client);
    canvas_.SetClientRect(client.left, client.top, client.right, client.bottom);
    double minN = 0, minE = 0, maxN = 0, maxE = 0;
    bool found = settings_.showAllLayoutPoint && canvas_.GetExtents(minN, minE, maxN, maxE);
    if (settings_.showRecordLayoutPoint && records_.size() > 1) {
        for (const PointRecord& p : records_) {
            if (!found) {
                minN = maxN = p.x;
                minE = maxE = p.y;
                found = true;
            }
            minN = std::min(minN, p.x);
            maxN = std::max(maxN, p.x);
            minE = std::min(minE, p.y);
            maxE = std::max(maxE, p.y);
        }
    }
    if (found) {
        FitViewToBox(canvas_, minN, maxN, minE, maxE);
    } else if (target_) {
        const double mpp = canvas_.MetresPerPixel();
        canvas_.SetView(target_->x - (client.bottom - client.top) * mpp / 2,
                        target_->y - (client.right - client.left) * mpp / 2, mpp);
    } else {
        return;
    }
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
    if (host_.HasCoordinateView()) host_.ShowCoordinateView(this);
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
