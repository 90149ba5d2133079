#include "shell/view/CFrmGraphView.h"

#include <algorithm>

#include "foundation/screens/BigText.h"
#include "foundation/screens/PlotPainting.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/WindowDC.h"
#include "receiver/ReceiverMessages.h"
#include "resources/MainViewForm.h"
#include "shell/frame/FrameOperations.h"
#include "shell/frame/JobSession.h"
#include "shell/link/ReceiverLink.h"
#include "shell/view/ViewButtons.h"
#include "survey/PointStorePath.h"

CFrmGraphView::CFrmGraphView(const JobSession& job, const ReceiverLink& receiver, SurveyRecords& records,
                             AutoStoreState& autoStore, IPointStorePath& storePath, const FrameHosts& hosts,
                             IReceiverHost& services, IFrameOperations& window)
    : CDialog(mainview::IDD, CWnd::FromHandle(window.DialogParent())),
      job_(job),
      receiver_(receiver),
      records_(records),
      autoStore_(autoStore),
      storePath_(storePath),
      hosts_(hosts),
      services_(services),
      window_(window),
      keys_([this] {
          PlotKeyActions actions;
          actions.store = [this] { StorePoint(); };
          actions.coordView = [this] { OpenCoordView(); };
          actions.redraw = [this] {
              Invalidate();
              RepaintPlot();
          };
          actions.reacquire = [this] { window_.ReacquireAndSave(); };
          return actions;
      }()) {
    BindMessage(WM_GPS_POSITION, &CFrmGraphView::OnPositionMsg);
    BindMessage(WM_PLOT_PAINTED, &CFrmGraphView::OnPlotPainted);
    BindCommand(mainview::kZoomIn, &CFrmGraphView::OnZoomIn);
    BindCommand(mainview::kZoomOut, &CFrmGraphView::OnZoomOut);
    BindCommand(mainview::kFollow, &CFrmGraphView::OnFollow);
    BindCommand(mainview::kFitAll, &CFrmGraphView::FitAll);
    BindCommand(mainview::kStorePoint, &CFrmGraphView::StorePoint);
    BindCommand(mainview::kStoreSettings, &CFrmGraphView::OnStoreSettings);
    BindCommand(mainview::kParamView, &CFrmGraphView::OnParamView);
    BindCommand(mainview::kReceiverInfo, &CFrmGraphView::OnReceiverInfo);
    BindCommand(mainview::kConnect, &CFrmGraphView::OnConnect);
    BindCommand(mainview::kExit, &CFrmGraphView::OnExit);
}

BOOL CFrmGraphView::CreateView(CWnd* frame, UINT id) {
    if (!Create(mainview::IDD, frame)) return FALSE;
    SetDlgCtrlID(static_cast<int>(id));
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CFrmGraphView::OnInitDialog() {
    CDialog::OnInitDialog();
    plot_.SubclassDlgItem(mainview::kPlot, this);
    plot_.SetNotifyTarget(m_hWnd);
    plot_.SetBkColor(RGB(255, 255, 255));
    canvas_.ResetMouseOffset();
    for (size_t i = 0, other = 0; i < kViewButtons.size(); ++i)
        SetUpViewButton(kViewButtons[i].id == mainview::kStorePoint ? storeButton_ : buttons_[other++], *this,
                        kViewButtons[i]);
    // The store button lies on the plot: the position marker is drawn over it.
    storeButton_.LieOver(plot_, canvas_);
    SetTimer(kStaleTimer, kStaleCheckMs);
    return TRUE;
}

void CFrmGraphView::OnTimer(UINT_PTR id) {
    if (id != kStaleTimer) return CDialog::OnTimer(id);
    if (latest_.fixFlag == 0 || texts_.solution == ViewStatusTexts::kStaleText || !IsStaleNow(latest_))
        return;
    texts_.solution = ViewStatusTexts::kStaleText;
    ShowSolutionText();
}

void CFrmGraphView::OnPaint() {
    CDialog::OnPaint();
    shownTexts_.ForgetAll();
}

LRESULT CFrmGraphView::OnPositionMsg(WPARAM state, LPARAM) {
    latest_ = *reinterpret_cast<const CGpsState*>(state);
    if (latest_.fixFlag == 0) {
        texts_ = ViewStatusTexts{};
        texts_.solution = latest_.solutionText;
        ShowStatusTexts();
        return 0;
    }
    TextTriple names;
    texts_ = ViewStatusTexts::FromFix(latest_, job_.Settings(), job_.PointStore().GetLastNames(names));
    // A fix can arrive stale: the receiver repeated it, or its own time did not move on.
    if (IsStaleNow(latest_)) texts_.solution = ViewStatusTexts::kStaleText;
    ShowStatusTexts();
    CClientDC dc(&plot_);
    PreparePlot(dc);
    if (canvas_.Following() && canvas_.KeepInView(latest_.gridX, latest_.gridY, latest_.gridH))
        plot_.Invalidate();
    canvas_.DrawPosition(dc, latest_.gridX, latest_.gridY, latest_.gridH);
    DrawFurniture(dc);
    AutoStore();
    return 0;
}

LRESULT CFrmGraphView::OnPlotPainted(WPARAM, LPARAM) {
    CClientDC dc(&plot_);
    ::OnPlotPainted(plot_, canvas_, dc);
    DrawFurniture(dc);
    canvas_.DrawPoints(dc);
    DrawStoredPoints(dc);
    canvas_.RedrawPosition(dc);
    // Every plot repaint draws the solution line too, changed or not.
    shownTexts_.Forget(mainview::kSolution);
    ShowSolutionText();
    // The store button lies on the plot: it comes back over the map.
    if (CWnd* store = GetDlgItem(mainview::kStorePoint)) store->Invalidate();
    return 0;
}

void CFrmGraphView::PreparePlot(CDC& dc) {
    FitCanvasToPlot(plot_, canvas_, dc);
}

void CFrmGraphView::DrawFurniture(CDC& dc) {
    const DataLinkSettings& link = job_.Settings().dataLink;
    canvas_.DrawSignalGlyph(dc, latest_.diffAge);
    canvas_.DrawLinkTag(dc, link.nModuleType, link.radioChannel, receiver_.ModuleConfigured());
    canvas_.DrawNorthArrow(dc);
    canvas_.DrawScaleBar(dc);
    canvas_.DrawClock(dc, latest_.hour, latest_.minute, latest_.second);
}

void CFrmGraphView::ShowSolutionText() {
    const bool stale = texts_.solution == ViewStatusTexts::kStaleText;
    const int red = stale || ViewStatusTexts::OverLimits(latest_, job_.Settings()) ? 1 : 0;
    shownTexts_.Set(this, mainview::kSolution, texts_.SolutionLine(), kTextHeight, red, DT_LEFT, kTextWidth);
}

void CFrmGraphView::ShowStatusTexts() {
    using namespace mainview;
    shownTexts_.Set(this, kPointName, texts_.pointName, kTextHeight, 0, DT_LEFT, kTextWidth);
    ShowSolutionText();
    const int width = std::max(texts_.x.GetLength(), texts_.y.GetLength()) + 1;
    shownTexts_.Set(this, kGridX, texts_.x, kTextHeight, 0, DT_RIGHT, width);
    shownTexts_.Set(this, kGridY, texts_.y, kTextHeight, 0, DT_RIGHT, width);
    shownTexts_.Set(this, kGridH, texts_.h, kTextHeight, 0, DT_LEFT, kTextWidth);
    shownTexts_.Set(this, kPdop, texts_.pdop, kTextHeight, 0, DT_LEFT, kTextWidth);
    shownTexts_.Set(this, kHrms, texts_.hrms, kTextHeight, 0, DT_LEFT, kTextWidth);
    shownTexts_.Set(this, kVrms, texts_.vrms, kTextHeight, 0, DT_LEFT, kTextWidth);
}
