#include "stakeout/screens/CLineStakeDlg.h"

#include "foundation/PixelGeometry.h"
#include "foundation/screens/DrawingRoutines.h"
#include "foundation/screens/PointLabels.h"
#include "platform/files/FileOps.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TextTypes.h"
#include "resources/LineStakeDlg.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/StakeView.h"
#include "stakeout/Tones.h"
#include "stakeout/screens/StakeLibraryDialogs.h"
#include "stakeout/screens/StakePlotDrawing.h"

namespace {
using namespace linestake;
constexpr int kEndRadius = 2;
constexpr int32_t kEndNameGap = 5;
constexpr int32_t kEndNameWidest = 35;

}  // namespace

CLineStakeDlg::CLineStakeDlg(IStakeoutHost& host, CWnd* parent)
    : CStakePlotDlg(host, parent, {IDD, kLibrary, kSettings, L"lnr"}) {}

BOOL CLineStakeDlg::OnInitDialog() {
    CStakePlotDlg::OnInitDialog();
    LoadLineStakeSettings(LineStakeSettingsPath(host_.JobFolder()), settings_);
    settings_.curLayoutFileName.Trim();
    if (!settings_.curLayoutFileName.IsEmpty()) {
        if (FileExists(settings_.curLayoutFileName)) {
            TellDataFileRead(*this, settings_.curLayoutFileName,
                             ReadLineFile(settings_.curLayoutFileName, true, lines_));
            ReloadRecords();
        }
        FitView();
    }
    return TRUE;
}

void CLineStakeDlg::Guide(CDC& dc) {
    lastBands_.clear();
    if (!FixHasPosition(fix_)) {
        readouts_ = LineReadouts{};
        ShowReadouts();
        return;
    }
    const LineSegRec* line = line_ ? &*line_ : nullptr;
    ComputeLineGuidance(line, fix_.gridX, fix_.gridY, guidance_);
    LinePrompts prompts;
    if (line) {
        const LinePromptSettings prompt{settings_.maxPrompt, settings_.soundPrompt, settings_.intMilPrompt,
                                        settings_.intMileage};
        prompts = EvaluateLinePrompts(*line, fix_.gridX, fix_.gridY, guidance_, prompt, latches_);
        if (prompts.enterBeep) BeepPrompt();
        if (prompts.leaveBeeps) DoubleBeepPrompt();
        if (prompts.mileageBeep) BeepPrompt();
    }
    FormatLineReadouts(line, guidance_, settings_.showPlumb, fix_, readouts_);
    ShowReadouts();
    if (viewMode_ == 0 && KeepLineInView(canvas_, fix_.gridX, fix_.gridY, line, guidance_)) RepaintPlot();
    if (prompts.drawBands) {
        lastBands_ = BandSegments(line->start.x, line->start.y, line->end.x, line->end.y, settings_.minPrompt,
                                  settings_.maxPrompt, canvas_);
        DrawBands(dc, lastBands_);
    }
    DrawPositionMarks(dc);
    DrawFurniture(dc);
}

void CLineStakeDlg::DrawDesign(CDC& dc) {
    CFont font;
    font.CreatePointFont(80, L"宋体", &dc);
    CFont* old = dc.SelectObject(&font);
    if (settings_.showAllLayoutLine) {
        for (size_t i = 0; i < lines_.size(); ++i) DrawLine(dc, lines_[i], static_cast<int>(i) == lineIndex_);
    } else if (line_) {
        DrawLine(dc, *line_, true);
    }
    dc.SelectObject(old);
}

void CLineStakeDlg::DrawLine(CDC& dc, const LineSegRec& line, bool current) {
    const PixelPoint a = canvas_.WorldToScreen(line.start.x, line.start.y);
    const PixelPoint b = canvas_.WorldToScreen(line.end.x, line.end.y);
    const PixelRect& r = canvas_.ClientRect();
    PixelPoint ca, cb;
    const bool visible = ClipSegmentToRect(a.x, a.y, b.x, b.y, r.left, r.top, r.right, r.bottom, ca, cb);
    if (!visible && !current) return;
    if (!visible) {
        ca = a;
        cb = b;
    }
    dc.MoveTo(ca.x, ca.y);
    dc.LineTo(cb.x, cb.y);
    DrawCircle(dc, ca.x, ca.y, kEndRadius);
    DrawCircle(dc, cb.x, cb.y, kEndRadius);
    DrawPlotLabel(dc, line.start.name, ca, kEndNameGap, kEndNameWidest, canvas_.Labels());
    DrawPlotLabel(dc, line.end.name, cb, kEndNameGap, kEndNameWidest, canvas_.Labels());
}

void CLineStakeDlg::ShowReadouts() {
    ShowReadout(kLineName, readouts_.name);
    ShowReadout(kDx, readouts_.dx);
    ShowReadout(kDy, readouts_.dy);
    ShowReadout(kOffset, readouts_.offset);
    ShowReadout(kStartDistance, readouts_.startDistance);
    ShowReadout(kEndDistance, readouts_.endDistance);
    ShowReadout(kSolution, readouts_.Status(), SolutionOverLimits(fix_, host_.Settings()));
    ShowReadout(kRmsH, readouts_.rmsH);
    ShowReadout(kRmsV, readouts_.rmsV);
    ShowReadout(kMileage, readouts_.mileage);
}

void CLineStakeDlg::StartLine() {
    latches_.nearLine = 0;
    guidance_ = LineGuidance{};
    readouts_ = LineReadouts{};
    FormatLineReadouts(line_ ? &*line_ : nullptr, guidance_, settings_.showPlumb, fix_, readouts_);
    ShowReadouts();
}

void CLineStakeDlg::ShowPickedPoint(const PointRecord& point) {
    readouts_ = LineReadouts{};
    readouts_.name = point.name;
    readouts_.dx.Format(L"%.3f", point.x);
    readouts_.dy.Format(L"%.3f", point.y);
    ShowReadouts();
}

CStakePlotDlg::RecordDisplay CLineStakeDlg::RecordsOnPlot() const {
    return {settings_.showRecordLayoutPoint != 0, settings_.showSurveyPoint};
}

void CLineStakeDlg::FitView() {
    std::vector<const PointRecord*> box;
    if (settings_.showAllLayoutLine)
        for (const LineSegRec& l : lines_) box.insert(box.end(), {&l.start, &l.end});
    FitTo(box);
}
