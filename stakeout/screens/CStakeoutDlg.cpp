#include "stakeout/screens/CStakeoutDlg.h"

#include "foundation/screens/BigText.h"
#include "foundation/screens/PointLabels.h"
#include "platform/files/FileOps.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/WindowDC.h"
#include "receiver/ReceiverMessages.h"
#include "resources/StakeIcons.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/PromptMarks.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/StakeView.h"
#include "stakeout/Tones.h"
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
