// The controls on the headless display: opening and painting the full-screen gallery (every
// kind of control), and a long point list as the coordinate screens fill and scroll it.
#include <benchmark/benchmark.h>

#include "app/ui-demo/gallery/GalleryDlg.h"
#include "platform/time/Clock.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Desktop.h"

namespace {
void OpenAndPaintGallery(benchmark::State& state) {
    CVirtualClock clock;
    InitCommonControls();
    CDesktop::Get().PaintAll();
    for (auto _ : state) {
        CGalleryDlg dlg;
        dlg.Create(CGalleryDlg::IDD);
        dlg.ShowWindow(SW_SHOW);
        CDesktop::Get().PaintAll();
        benchmark::DoNotOptimize(CDesktop::Get().Screen().colorAt(120, 160));
        dlg.DestroyWindow();
        CDesktop::Get().PaintAll();
    }
}
BENCHMARK(OpenAndPaintGallery)->Unit(benchmark::kMicrosecond);

// A full-screen list of `rows` points with seven columns, filled, then paged through to its end.
void FillAndPageThroughPointList(benchmark::State& state) {
    CVirtualClock clock;
    const int rows = static_cast<int>(state.range(0));
    CWnd frame;
    frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 320), nullptr, 0);
    for (auto _ : state) {
        CListCtrl list;
        list.Create(LVS_REPORT | LVS_SHOWSELALWAYS | WS_VISIBLE | WS_BORDER, CRect(0, 0, 240, 320), &frame,
                    1000);
        const wchar_t* headings[] = {L"编号", L"点名", L"北坐标", L"东坐标", L"高程", L"属性", L"描述"};
        for (int c = 0; c < 7; ++c) list.InsertColumn(c, headings[c], LVCFMT_CENTER, c < 2 ? 50 : 90);
        CString text;
        for (int i = 0; i < rows; ++i) {
            text.Format(L"%d", i);
            list.InsertItem(i, text, 0);
            list.SetItemText(i, 1, L"P100");
            list.SetItemText(i, 2, L"3456789.123");
            list.SetItemText(i, 3, L"512345.678");
            list.SetItemText(i, 4, L"45.321");
            list.SetItemText(i, 5, L"有效点");
        }
        for (int top = 0; top < rows; top += list.GetCountPerPage()) {
            list.EnsureVisible(std::min(rows - 1, top + list.GetCountPerPage() - 1), FALSE);
            CDesktop::Get().PaintAll();
        }
        benchmark::DoNotOptimize(CDesktop::Get().Screen().colorAt(120, 160));
    }
    frame.DestroyWindow();
}
BENCHMARK(FillAndPageThroughPointList)->Arg(1000)->Unit(benchmark::kMillisecond);
}  // namespace
