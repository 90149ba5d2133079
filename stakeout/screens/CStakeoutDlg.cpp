#include "stakeout/screens/CStakeoutDlg.h"

#include "platform/files/FileOps.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/PromptMarks.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/StakeView.h"
#include "stakeout/Tones.h"
#include "stakeout/screens/StakeLibraryDialogs.h"
#include "stakeout/screens/StakePlotDrawing.h"

namespace {
using namespace pointstake;
}  // namespace

CStakeoutDlg::CStakeoutDlg(IStakeoutHost& host, CWnd* parent)
    : CStakePlotDlg(host, parent, {IDD, kLibrary, kSettings, L"ptr"}) {}

BOOL CStakeoutDlg::OnInitDialog() {
    CStakePlotDlg::OnInitDialog();
    LoadPointStakeSettings(PointStakeSettingsPath(host_.JobFolder()), settings_);
    settings_.curLayoutFileName.Trim();
    if (!settings_.curLayoutFileName.IsEmpty()) {
        if (FileExists(settings_.curLayoutFileName)) {
            DataFileRead read;
            SetStakePoints(ReadStakePoints(settings_.curLayoutFileName, &read));
            TellDataFileRead(*this, settings_.curLayoutFileName, read);
            ReloadRecords();
        }
        FitView();
    }
    return TRUE;
}

void CStakeoutDlg::SetStakePoints(std::vector<PointRecord> points) {
    points_ = std::move(points);
    std::vector<const PointRecord*> shown;
    for (const PointRecord& p : points_) shown.push_back(&p);
    ShowOnCanvas(shown);
}

void CStakeoutDlg::Guide(CDC& dc) {
    lastRings_.clear();
    if (!FixHasPosition(fix_)) {
        readouts_ = EmptyPointReadouts(fix_);
        ShowTexts();
        canvas_.DrawSignalGlyph(dc, fix_.diffAge);
        return;
    }
    const GeneralSettingsBlock& job = host_.Settings();
    std::optional<PointGuidance> guidance;
    bool inside = false;
    if (target_) {
        guidance = ComputePointGuidance(fix_.gridX, fix_.gridY, fix_.gridH, *target_, job.nUseAntHgt,
                                        job.szdRoverAntH);
        inside = guidance->distance < settings_.maxLayoutPrompt;
        if (beep_.Update(inside, settings_.soundPrompt)) BeepPrompt();
    }
    readouts_ = FormatPointReadouts(target_ ? &*target_ : nullptr, guidance ? &*guidance : nullptr, fix_);
    ShowTexts();
    if (viewMode_ == 0 && KeepTargetInView(canvas_, fix_.gridX, fix_.gridY, target_ ? &*target_ : nullptr))
        RepaintPlot();
    if (inside) {
        const PixelPoint centre = canvas_.WorldToScreen(target_->x, target_->y);
        lastRings_ = RingRadii(settings_.minLayoutPrompt, settings_.maxLayoutPrompt, canvas_, centre);
        DrawRings(dc, centre, lastRings_);
    }
    DrawPositionMarks(dc);
    DrawGuideLines(dc);
    DrawFurniture(dc);
}

void CStakeoutDlg::DrawGuideLines(CDC& dc) {
    if (!target_) return;
    const PixelPoint t = canvas_.WorldToScreen(target_->x, target_->y);
    if (guideEnd_) DrawGuideLine(dc, t, canvas_.WorldToScreen(guideEnd_->n, guideEnd_->e));
    DrawGuideLine(dc, t, canvas_.WorldToScreen(fix_.gridX, fix_.gridY));
    guideEnd_ = WorldPoint{fix_.gridX, fix_.gridY, fix_.gridH};
}

void CStakeoutDlg::DrawDesign(CDC& dc) {
    // The background took the guide line with it.
    guideEnd_.reset();
    // The target's name first: a library point's name gives way to it.
    if (target_)
        DrawTarget(dc, canvas_.WorldToScreen(target_->x, target_->y), target_->name, canvas_.Labels());
    if (settings_.showAllLayoutPoint) canvas_.DrawPoints(dc);
}

void CStakeoutDlg::ShowTexts() {
    ShowReadout(kPointName, readouts_.name);
    ShowReadout(kAzimuth, readouts_.azimuth);
    ShowReadout(kDistance, readouts_.distance);
    ShowReadout(kDx, readouts_.dx);
    ShowReadout(kDy, readouts_.dy);
    ShowReadout(kDh, readouts_.dh);
    ShowReadout(kSolution, readouts_.solution, SolutionOverLimits(fix_, host_.Settings()));
    ShowReadout(kRmsH, readouts_.rmsH);
    ShowReadout(kRmsV, readouts_.rmsV);
    ShowReadout(kSatellites, readouts_.satellites);
}

void CStakeoutDlg::ShowPickedPoint(const PointRecord& point) {
    readouts_ = PointReadouts{};
    readouts_.name = point.name;
    readouts_.dx.Format(L"%.3f", point.x);
    readouts_.dy.Format(L"%.3f", point.y);
    readouts_.dh.Format(L"%.3f", point.h);
    ShowTexts();
}

CStakePlotDlg::RecordDisplay CStakeoutDlg::RecordsOnPlot() const {
    return {settings_.showRecordLayoutPoint != 0, settings_.showSurveyPoint};
}

void CStakeoutDlg::FitView() {
    std::vector<const PointRecord*> box;
    if (settings_.showAllLayoutPoint)
        for (const PointRecord& p : points_) box.push_back(&p);
    if (FitTo(box) || !target_) return;
    const PixelRect& r = canvas_.ClientRect();
    const double mpp = canvas_.MetresPerPixel();
    canvas_.SetView(target_->x - (r.bottom - r.top) * mpp / 2, target_->y - (r.right - r.left) * mpp / 2,
                    mpp);
    RepaintPlot();
}
