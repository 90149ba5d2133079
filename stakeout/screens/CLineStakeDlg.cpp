#include "stakeout/screens/CLineStakeDlg.h"

#include <algorithm>

#include "foundation/PixelGeometry.h"
#include "foundation/screens/BigText.h"
#include "foundation/screens/DrawingRoutines.h"
#include "foundation/screens/PointLabels.h"
#include "platform/files/FileOps.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WindowDC.h"
#include "receiver/ReceiverMessages.h"
#include "resources/LineStakeDlg.h"
#include "resources/StakeIcons.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/StakeView.h"
#include "stakeout/Tones.h"
#include "stakeout/screens/StakePlotDrawing.h"

namespace {
using namespace linestake;
constexpr int kTextHeight = 14;
constexpr int kEndRadius = 2;

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

void DrawEndName(CDC& dc, const CString& name, PixelPoint at) {
    CRect box(at.x + 5, at.y - 5, at.x + 40, at.y + 5);
    dc.DrawText(name, &box, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}
}  // namespace

CLineStakeDlg::CLineStakeDlg(IStakeoutHost& host, CWnd* parent) : CDialog(IDD, parent), host_(host) {
    BindMessage(WM_GPS_POSITION, &CLineStakeDlg::OnPositionUpdate);
    BindMessage(WM_PLOT_PAINTED, &CLineStakeDlg::OnPlotPainted);
    BindCommand(kZoomIn, &CLineStakeDlg::OnZoomIn);
    BindCommand(kZoomOut, &CLineStakeDlg::OnZoomOut);
    BindCommand(kFollow, &CLineStakeDlg::OnFollow);
    BindCommand(kFitAll, &CLineStakeDlg::ZoomToExtents);
    BindCommand(kStore, &CLineStakeDlg::StoreStakedPoint);
    BindCommand(kInfo, &CLineStakeDlg::OnModeHelp);
    BindCommand(kCoordView, &CLineStakeDlg::OnCoordView);
    BindCommand(kClose, &CLineStakeDlg::OnClose);
    BindCommand(kLibrary, &CLineStakeDlg::OnLineLibrary);
    BindCommand(kSettings, &CLineStakeDlg::OnSettings);
}

BOOL CLineStakeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    host_.ListenForPositions(m_hWnd);
    plot_.SubclassDlgItem(kPlot, this);
    plot_.SetNotifyTarget(m_hWnd);
    plot_.SetBkColor(RGB(255, 255, 255));
    for (size_t i = 0; i < buttons_.size(); ++i)
        SetUpStakeButton(buttons_[i], *this, kButtons[i].id, kButtons[i].icon);
    canvas_.ResetMouseOffset();
    LoadLineStakeSettings(LineStakeSettingsPath(host_.JobFolder()), settings_);
    settings_.curLayoutFileName.Trim();
    if (!settings_.curLayoutFileName.IsEmpty()) {
        if (FileExists(settings_.curLayoutFileName)) {
            ReadLineFile(settings_.curLayoutFileName, true, lines_);
            records_ = ReadStakeRecords(StakeRecordPath(settings_.curLayoutFileName, L"lnr"));
        }
        ZoomToExtents();
    }
    return TRUE;
}

void CLineStakeDlg::OnDestroy() {
    host_.StopListening(m_hWnd);
    CDialog::OnDestroy();
}

LRESULT CLineStakeDlg::OnPositionUpdate(WPARAM state, LPARAM) {
    fix_ = *reinterpret_cast<const CGpsState*>(state);
    lastBands_.clear();
    if (!FixHasPosition(fix_)) {
        readouts_ = LineReadouts{};
        ShowReadouts();
        return 0;
    }
    CClientDC dc(&plot_);
    PreparePlot(dc);
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
    const LinkValues link = host_.Link();
    canvas_.DrawPosition(dc, fix_.gridX, fix_.gridY, fix_.gridH);
    canvas_.DrawSignalGlyph(dc, fix_.diffAge);
    canvas_.DrawLinkTag(dc, link.kind, link.number, link.shown);
    canvas_.DrawNorthArrow(dc);
    canvas_.DrawScaleBar(dc);
    canvas_.DrawClock(dc, fix_.hour, fix_.minute, fix_.second);
    return 0;
}

LRESULT CLineStakeDlg::OnPlotPainted(WPARAM, LPARAM) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    canvas_.ClearBackground(dc);
    canvas_.DrawSignalGlyph(dc, 0);
    canvas_.DrawNorthArrow(dc);
    canvas_.DrawScaleBar(dc);
    dc.SetBkMode(TRANSPARENT);
    DrawLines(dc);
    markers_.clear();
    if (settings_.showRecordLayoutPoint) {
        markers_ = RecordMarkers(canvas_, records_, settings_.showSurveyPoint);
        DrawPointLabels(dc, markers_);
    }
    canvas_.RedrawPosition(dc);
    // The store button lies on the plot: it comes back over the map.
    GetDlgItem(kStore)->Invalidate();
    return 0;
}

void CLineStakeDlg::DrawLines(CDC& dc) {
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
    DrawEndName(dc, line.start.name, ca);
    DrawEndName(dc, line.end.name, cb);
}

void CLineStakeDlg::PreparePlot(CDC& dc) {
    CRect client;
    plot_.GetClientRect(&client);
    canvas_.SetClientRect(client.left, client.top, client.right, client.bottom);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(255, 255, 255));
}

void CLineStakeDlg::RepaintPlot() {
    plot_.Invalidate();
}

void CLineStakeDlg::ShowReadouts() {
    const int red = SolutionOverLimits(fix_, host_.JobSettings()) ? 1 : 0;
    SetBigText(this, kLineName, readouts_.name, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kDx, readouts_.dx, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kDy, readouts_.dy, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kOffset, readouts_.offset, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kStartDistance, readouts_.startDistance, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kEndDistance, readouts_.endDistance, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kSolution, readouts_.Status(), kTextHeight, red, DT_LEFT, 12);
    SetBigText(this, kRmsH, readouts_.rmsH, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kRmsV, readouts_.rmsV, kTextHeight, 0, DT_LEFT, 10);
    SetBigText(this, kMileage, readouts_.mileage, kTextHeight, 0, DT_LEFT, 10);
}

void CLineStakeDlg::ZoomToExtents() {
    CRect client;
    plot_.GetClientRect(&client);
    canvas_.SetClientRect(client.left, client.top, client.right, client.bottom);
    std::vector<const PointRecord*> box;
    if (settings_.showAllLayoutLine)
        for (const LineSegRec& l : lines_) box.insert(box.end(), {&l.start, &l.end});
    if (settings_.showRecordLayoutPoint && records_.size() >= 2)
        for (const PointRecord& p : records_) box.push_back(&p);
    if (box.empty()) return;
    double minN = box[0]->x, maxN = box[0]->x, minE = box[0]->y, maxE = box[0]->y;
    for (const PointRecord* p : box) {
        minN = std::min(minN, p->x);
        maxN = std::max(maxN, p->x);
        minE = std::min(minE, p->y);
        maxE = std::max(maxE, p->y);
    }
    if (FitViewToBox(canvas_, minN, maxN, minE, maxE)) RepaintPlot();
}
