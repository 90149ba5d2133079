#include <gtest/gtest.h>

#include <functional>

#include "foundation/screens/BigText.h"
#include "platform/gdi/TextTypes.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Static.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr UINT kValue = 1200;
constexpr UINT kCoordinate = 1201;  // as the main view's y: 53 x 8 units
const DialogControlTemplate kControls[] = {
    {L"STATIC", kValue, 4, 4, 120, 20, L"", SS_LEFT},
    {L"STATIC", kCoordinate, 9, 40, 53, 8, L"", SS_LEFT},
};
const DialogTemplate kTemplate{955, 135, 166, L"大字", kDialogStyle, kControls};

int CountRed(CWnd& control) {
    CRect r;
    control.GetWindowRect(&r);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += CDesktop::Get().Screen().colorAt(x, y) == RGB(200, 0, 0);
    return n;
}
}  // namespace

TEST(BigTextTest, RedBoldTextReplacesThePreviousOne) {
    CUiDriver ui;
    CDialog dlg(kTemplate, nullptr);
    ui.OnModal(kTemplate.id, [&](CDialog& d) {
        CWnd& control = *d.GetDlgItem(kValue);
        SetBigText(&d, kValue, L"12.345", 0, 1, DT_LEFT, 8);
        EXPECT_EQ(CountRed(control), 0);
        SetBigText(&d, kValue, L"12.345", 20, 1, DT_LEFT, 8);
        const int first = CountRed(control);
        EXPECT_GT(first, 20);
        SetBigText(&d, kValue, L"1", 20, 1, DT_LEFT, 8);
        EXPECT_LT(CountRed(control), first);
        d.EndDialog(IDOK);
    });
    dlg.DoModal();
}

TEST(BigTextTest, EightDigitCoordinateShowsWholeRightAligned) {
    CUiDriver ui;
    CDialog dlg(kTemplate, nullptr);
    ui.OnModal(kTemplate.id, [&](CDialog& d) {
        const wchar_t* y = L"40516528.863";
        SetBigText(&d, kValue, y, 14, 1, DT_LEFT, 13);
        SetBigText(&d, kCoordinate, y, 14, 1, DT_RIGHT, 13);
        EXPECT_EQ(CountRed(*d.GetDlgItem(kCoordinate)), CountRed(*d.GetDlgItem(kValue)));
        d.EndDialog(IDOK);
    });
    dlg.DoModal();
}

// A memory draws a text only when what the control shows would change; the control is wiped
// before each step; a control painted after a draw is blank again until the next Set.
TEST(BigTextTest, MemoryDrawsOnlyWhatChanged) {
    CUiDriver ui;
    CDialog dlg(kTemplate, nullptr);
    ui.OnModal(kTemplate.id, [&](CDialog& d) {
        CWnd& control = *d.GetDlgItem(kValue);
        BigTextMemory memory;
        struct Step {
            const char* what;
            std::function<void()> act;
            bool shows;
        };
        const Step steps[] = {
            {"first text", [&] { memory.Set(&d, kValue, L"1.000", 20, 1, DT_LEFT, 8); }, true},
            {"same text", [&] { memory.Set(&d, kValue, L"1.000", 20, 1, DT_LEFT, 8); }, false},
            {"new text", [&] { memory.Set(&d, kValue, L"1.001", 20, 1, DT_LEFT, 8); }, true},
            {"new width", [&] { memory.Set(&d, kValue, L"1.001", 20, 1, DT_LEFT, 9); }, true},
            {"forgotten",
             [&] {
                 memory.Forget(kValue);
                 memory.Set(&d, kValue, L"1.001", 20, 1, DT_LEFT, 9);
             },
             true},
            {"all forgotten",
             [&] {
                 memory.ForgetAll();
                 memory.Set(&d, kValue, L"1.001", 20, 1, DT_LEFT, 9);
             },
             true},
            {"drawn while a paint was due",
             [&] {
                 control.Invalidate();
                 memory.Set(&d, kValue, L"1.001", 20, 1, DT_LEFT, 9);
                 ui.Pump();
             },
             false},
            {"after that paint", [&] { memory.Set(&d, kValue, L"1.001", 20, 1, DT_LEFT, 9); }, true},
        };
        for (const Step& step : steps) {
            CClientDC(&control).FillSolidRect(CRect(0, 0, 200, 50), RGB(255, 255, 255));
            step.act();
            EXPECT_EQ(CountRed(control) > 0, step.shows) << step.what;
        }
        d.EndDialog(IDOK);
    });
    dlg.DoModal();
}
