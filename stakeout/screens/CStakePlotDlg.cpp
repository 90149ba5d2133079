#include "stakeout/screens/CStakePlotDlg.h"

#include <algorithm>
#include <cmath>

#include "foundation/screens/BigText.h"
#include "foundation/screens/PlotPainting.h"
#include "foundation/screens/PointLabels.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WindowDC.h"
#include "receiver/ReceiverMessages.h"
#include "resources/StakeIcons.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/StakeView.h"
#include "stakeout/screens/StakeLibraryDialogs.h"
#include "stakeout/screens/StakePlotDrawing.h"

namespace {
// Both templates give the shared buttons and the plot the same ids.
using namespace pointstake;

constexpr int kStoreKind = 2;  // a plain point
constexpr int kAutoStoreMode = 3;
constexpr int kReadoutHeight = 14;
constexpr double kReadoutCharWidth = 7.7;  // the pixels SetBigText allows a character
}  // namespace

CStakePlotDlg::CStakePlotDlg(IStakeoutHost& host, CWnd* parent, const Layout& layout)
    : CDialog(layout.idd, parent),
      host_(host),
      layout_(layout),
      keys_({.store = [this] { StoreStakedPoint(); },
             .coordView = [this] { OnCoordView(); },
             .next = [this] { Step(0); },
             .previous = [this] { Step(1); },
             .redraw =
                 [this] {
                     Invalidate();
                     RepaintPlot();
                 },
             .reacquire = [this] { host_.ReacquireAndSave(); },
             .verify = [this] { host_.RunDataVerify(this); }}) {
    BindMessage(WM_GPS_POSITION, &CStakePlotDlg::OnPositionUpdate);
    BindMessage(WM_PLOT_PAINTED, &CStakePlotDlg::OnPlotPainted);
    BindCommand(kZoomIn, &CStakePlotDlg::OnZoomIn);
    BindCommand(kZoomOut, &CStakePlotDlg::OnZoomOut);
    BindCommand(kFollow, &CStakePlotDlg::OnFollow);
    BindCommand(kFitAll, &CStakePlotDlg::FitView);
    BindCommand(kStore, &CStakePlotDlg::StoreStakedPoint);
    BindCommand(kInfo, &CStakePlotDlg::OnInfo);
    BindCommand(kCoordView, &CStakePlotDlg::OnCoordView);
    BindCommand(kClose, &CStakePlotDlg::OnClose);
    BindCommand(layout.libraryButton, &CStakePlotDlg::OnLibrary);
    BindCommand(layout.settingsButton, &CStakePlotDlg::OnSettings);
}

BOOL CStakePlotDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    host_.ListenForPositions(m_hWnd);
    plot_.SubclassDlgItem(kPlot, this);
    plot_.SetNotifyTarget(m_hWnd);
    plot_.SetBkColor(RGB(255, 255, 255));
    struct ButtonEntry {
        CIconButton& button;
        UINT id;
        UINT icon;
    };
    const ButtonEntry entries[] = {
        {buttons_[0], kFollow, stakeicons::kFollow},
        {buttons_[1], kZoomIn, stakeicons::kZoomIn},
        {buttons_[2], kZoomOut, stakeicons::kZoomOut},
        {buttons_[3], kFitAll, stakeicons::kFitAll},
        {storeButton_, kStore, stakeicons::kStore},
        {buttons_[4], kInfo, stakeicons::kReceiverInfo},
        {buttons_[5], layout_.settingsButton, stakeicons::kSettings},
        {buttons_[6], layout_.libraryButton, stakeicons::kLibrary},
        {buttons_[7], kClose, stakeicons::kClose},
        {buttons_[8], kCoordView, stakeicons::kCoordView},
    };
    for (const ButtonEntry& entry : entries) SetUpStakeButton(entry.button, *this, entry.id, entry.icon);
    // The store button lies on the plot: the position marker is drawn over it.
    storeButton_.LieOver(plot_, canvas_);
    canvas_.ResetMouseOffset();
    return TRUE;
}

void CStakePlotDlg::OnDestroy() {
    host_.StopListening(m_hWnd);
    CDialog::OnDestroy();
}

LRESULT CStakePlotDlg::OnPositionUpdate(WPARAM state, LPARAM) {
    fix_ = *reinterpret_cast<const CGpsState*>(state);
    CClientDC dc(&plot_);
    PreparePlot(dc);
    Guide(dc);
    return 0;
}

LRESULT CStakePlotDlg::OnPlotPainted(WPARAM, LPARAM) {
    CClientDC dc(&plot_);
    ::OnPlotPainted(plot_, canvas_, dc);
    canvas_.DrawSignalGlyph(dc, 0);
    canvas_.DrawNorthArrow(dc);
    canvas_.DrawScaleBar(dc);
    dc.SetBkMode(TRANSPARENT);
    DrawDesign(dc);
    const RecordDisplay shown = RecordsOnPlot();
    markers_ = RecordMarkers(canvas_, records_, shown.shown ? shown.newest : 0);
    DrawPointLabels(dc, markers_, canvas_.Labels());
    canvas_.RedrawPosition(dc);
    // The store button lies on the plot: it comes back over the map.
    GetDlgItem(kStore)->Invalidate();
    return 0;
}

void CStakePlotDlg::ShowReadout(UINT id, const CString& text, bool red) {
    CRect box;
    GetDlgItem(id)->GetClientRect(&box);
    const int chars = static_cast<int>(std::ceil(box.Width() / kReadoutCharWidth));
    SetBigText(this, static_cast<int>(id), text, kReadoutHeight, red ? 1 : 0, DT_LEFT, chars);
}

void CStakePlotDlg::PreparePlot(CDC& dc) {
    FitCanvasToPlot(plot_, canvas_, dc);
}

void CStakePlotDlg::RepaintPlot() {
    plot_.Invalidate();
}

void CStakePlotDlg::DrawPositionMarks(CDC& dc) {
    const LinkValues link = host_.Link();
    canvas_.DrawPosition(dc, fix_.gridX, fix_.gridY, fix_.gridH);
    canvas_.DrawSignalGlyph(dc, fix_.diffAge);
    canvas_.DrawLinkTag(dc, link.kind, link.number, link.shown);
}

void CStakePlotDlg::DrawFurniture(CDC& dc) {
    canvas_.DrawNorthArrow(dc);
    canvas_.DrawScaleBar(dc);
    canvas_.DrawClock(dc, fix_.hour, fix_.minute, fix_.second);
}

void CStakePlotDlg::ShowOnCanvas(const std::vector<const PointRecord*>& points) {
    canvas_.ClearDisplayPoints();
    for (const PointRecord* p : points) canvas_.AddDisplayPoint(*p);
}

void CStakePlotDlg::ReloadRecords() {
    const CString path = StakeRecordPath(LibraryPath(), layout_.recordExtension);
    DataFileRead read;
    records_ = ReadStakeRecords(path, &read);
    TellDataFileRead(*this, path, read);
}

bool CStakePlotDlg::FitTo(std::vector<const PointRecord*> box) {
    CRect client;
    plot_.GetClientRect(&client);
    canvas_.SetClientRect(client.left, client.top, client.right, client.bottom);
    if (RecordsOnPlot().shown && records_.size() >= 2)
        for (const PointRecord& p : records_) box.push_back(&p);
    if (box.empty()) return false;
    const auto byN = [](const PointRecord* a, const PointRecord* b) { return a->x < b->x; };
    const auto byE = [](const PointRecord* a, const PointRecord* b) { return a->y < b->y; };
    const auto [minN, maxN] = std::minmax_element(box.begin(), box.end(), byN);
    const auto [minE, maxE] = std::minmax_element(box.begin(), box.end(), byE);
    FitViewToBox(canvas_, (*minN)->x, (*maxN)->x, (*minE)->y, (*maxE)->y);
    RepaintPlot();
    return true;
}

void CStakePlotDlg::OnZoomIn() {
    if (canvas_.ZoomIn()) RepaintPlot();
}

void CStakePlotDlg::OnZoomOut() {
    if (canvas_.ZoomOut()) RepaintPlot();
}

void CStakePlotDlg::OnFollow() {
    const PixelRect& r = canvas_.ClientRect();
    const double scale = canvas_.MetresPerPixel();
    canvas_.SetView(fix_.gridX - (r.bottom - r.top) * scale * 0.5,
                    fix_.gridY - (r.right - r.left) * scale * 0.5, scale);
    RepaintPlot();
}

void CStakePlotDlg::OnCoordView() {
    host_.ShowCoordinateView();
}

void CStakePlotDlg::OnClose() {
    EndDialog(IDOK);
}

void CStakePlotDlg::ShowInfo(const CString& mode, UINT keyHelp) {
    const CString file = host_.PointFileName();
    host_.ShowReceiverInfo(this, mode + L"\n\n" + LoadStringResource(kDataFileText) +
                                     file.Left(file.GetLength() - 4) + L"\n" + LoadStringResource(keyHelp));
}

void CStakePlotDlg::StoreStakedPoint() {
    if (fix_.solutionText.Find(L"FIXED") >= 0 && (fix_.latitude == 0.0 || fix_.longitude == 0.0)) return;
    const int mode = host_.Settings().nSaveType;
    const std::optional<CString> name = StoreName();
    if (!name || mode == kAutoStoreMode) return;
    const StoredPointResult result = host_.StorePoint(fix_, {mode, kStoreKind, 0, *name, CString()});
    if (result.number != 0) AppendStakeRecord(result.point);
}

void CStakePlotDlg::AppendStakeRecord(const PointRecord& point) {
    records_.push_back(point);
    const PixelPoint at = canvas_.WorldToScreen(point.x, point.y);
    if (OnPlot(canvas_.ClientRect(), at)) {
        markers_.push_back({point.name, CString(), at.x, at.y, static_cast<int32_t>(records_.size() - 1)});
        CClientDC dc(&plot_);
        dc.SetBkMode(TRANSPARENT);
        DrawPointLabel(dc, markers_.back(), canvas_.Labels());
    }
    const CString path = StakeRecordPath(LibraryPath(), layout_.recordExtension);
    const CString notice = AppendNotice(path, ::AppendStakeRecord(path, point), L"文件保存失败!");
    if (!notice.IsEmpty()) MessageBox(notice, L"提示", MB_OK | MB_ICONINFORMATION);
}

BOOL CStakePlotDlg::PreTranslateMessage(MSG* msg) {
    if (keys_.Handle(host_.LogicalKey(msg->message, static_cast<UINT>(msg->wParam)))) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CStakePlotDlg::OnLButtonDown(UINT flags, CPoint point) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    bool picked = false;
    PointRecord hit;
    if (canvas_.OnMouseDown(point, dc, picked, hit)) RepaintPlot();
    if (picked) ShowPickedPoint(hit);
    CDialog::OnLButtonDown(flags, point);
}

void CStakePlotDlg::OnMouseMove(UINT flags, CPoint point) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    if (canvas_.OnMouseMove(point, dc)) RepaintPlot();
    CDialog::OnMouseMove(flags, point);
}

void CStakePlotDlg::OnLButtonUp(UINT flags, CPoint point) {
    if (canvas_.OnMouseUp(point)) RepaintPlot();
    CDialog::OnLButtonUp(flags, point);
}
