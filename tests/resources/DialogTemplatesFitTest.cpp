// Every registered dialog template shows whole on the 240 x 320 screen: each button's and
// static's text fits its control in the dialog's font, each control lies inside the dialog and
// inside the frame of a group box it reaches into, and the dialog lies on the screen (a child form
// or page inside a host that fills the screen below its caption bar; a tab page in the room its
// tab control leaves it).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "foundation/screens/CTabSheet.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/DialogTemplate.h"
#include "resources/ExportDlgs.h"
#include "resources/FileDialogs.h"
#include "resources/GpsInfoDlg.h"
#include "resources/ParamViewDlg.h"
#include "resources/RefPointDlg.h"
#include "resources/StakeLineLibDlg.h"
#include "resources/StakePointLibDlg.h"
#include "tests/platform/ui/EndsInDots.h"
#include "tests/platform/ui/LabelsFit.h"

namespace {

const DialogTemplate kHost{0, kFormUnitsX, kFormUnitsY, L"", kDialogStyle, {}};

bool Contains(const CRect& outer, const CRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

::testing::AssertionResult Inside(const CRect& outer, const CRect& inner) {
    if (Contains(outer, inner)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << inner.left << "," << inner.top << ")-(" << inner.right
                                         << "," << inner.bottom << ") leaves (" << outer.left << ","
                                         << outer.top << ")-(" << outer.right << "," << outer.bottom << ")";
}

void ExpectControlsInside(CDialog& dlg) {
    CRect client;
    dlg.GetClientRect(&client);
    dlg.ClientToScreen(&client);
    for (CWnd* child = dlg.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        CRect control;
        child->GetWindowRect(&control);
        EXPECT_TRUE(Inside(client, control)) << "control " << child->GetDlgCtrlID();
    }
}

bool IsGroupBox(CWnd& control) {
    return dynamic_cast<CButton*>(&control) && (control.GetStyle() & BS_TYPEMASK) == BS_GROUPBOX;
}

// A control that reaches into a group box lies inside its frame: the frame's two lines on each
// side and, at the top, its title's half height above them.
void ExpectControlsInsideGroups(CDialog& dlg) {
    const int title = TextSize(dlg, L"国", dlg.GetFont()).cy / 2;
    for (CWnd* group = dlg.GetWindow(GW_CHILD); group; group = group->GetWindow(GW_HWNDNEXT)) {
        if (!IsGroupBox(*group)) continue;
        CRect outer;
        group->GetWindowRect(&outer);
        const CRect inner(outer.left + 2, outer.top + title + 2, outer.right - 2, outer.bottom - 2);
        for (CWnd* child = dlg.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
            CRect control, overlap;
            child->GetWindowRect(&control);
            if (child == group || !overlap.IntersectRect(&outer, &control) || Contains(control, outer))
                continue;
            EXPECT_TRUE(Inside(inner, control))
                << "control " << child->GetDlgCtrlID() << " in group " << group->GetDlgCtrlID();
        }
    }
}

void ExpectShownWhole(CDialog& dlg) {
    ExpectControlsInside(dlg);
    ExpectControlsInsideGroups(dlg);
    ExpectLabelsFit(dlg);
}

TEST(DialogTemplates, EveryTextFitsAndEveryControlLiesOnTheScreen) {
    CUiDriver ui;
    InitCommonControls();
    CDialog host(kHost, nullptr);
    ASSERT_TRUE(host.CreateIndirect(kHost, nullptr));
    const CRect screen = CDesktop::Get().ScreenRect();
    int checked = 0;
    for (UINT id = 0; id <= 0xFFFF; ++id) {
        const DialogTemplate* t = FindDialogTemplate(id);
        if (!t) continue;
        SCOPED_TRACE(::testing::Message() << "template " << id);
        CDialog dlg(*t, nullptr);
        ASSERT_TRUE(dlg.CreateIndirect(*t, (t->style & WS_CHILD) ? &host : nullptr));
        ++checked;
        CRect window;
        dlg.GetWindowRect(&window);
        EXPECT_TRUE(Inside(screen, window)) << "dialog";
        ExpectShownWhole(dlg);
        dlg.DestroyWindow();
    }
    host.DestroyWindow();
    EXPECT_GT(checked, 100);
}

// A page shows in the room its tab control leaves below the tabs, in its maximised host.
TEST(DialogTemplates, TabPagesShowWholeInTheirTabs) {
    CUiDriver ui;
    InitCommonControls();
    struct Host {
        UINT id;
        UINT tab;
        std::vector<UINT> pages;
    } hosts[] = {
        {paramview::IDD, paramview::kTab, {projpage::IDD, fourpage::IDD, fitpage::IDD, sevenpage::IDD}},
        {gpsinfo::IDD,
         gpsinfo::kTab,
         {positionpage::IDD, skyplotpage::IDD, satlistpage::IDD, refpointpage::IDD, gpstextpage::IDD}},
    };
    for (const Host& h : hosts) {
        SCOPED_TRACE(::testing::Message() << "host " << h.id);
        CDialog host(h.id, nullptr);
        ASSERT_TRUE(host.Create(h.id));
        host.ShowWindow(SW_MAXIMIZE);
        CTabSheet sheet;
        sheet.SubclassDlgItem(h.tab, &host);
        std::vector<std::unique_ptr<CDialog>> pages;
        for (UINT page : h.pages) {
            pages.push_back(std::make_unique<CDialog>(page, nullptr));
            sheet.AddPage(L"页", pages.back().get(), page);
        }
        sheet.Show();
        for (size_t i = 0; i < pages.size(); ++i) {
            SCOPED_TRACE(::testing::Message() << "page " << h.pages[i]);
            ExpectShownWhole(*pages[i]);
        }
        host.DestroyWindow();
    }
}

// Every field that shows a path or a file name ends one too long for it in "..." while it has no
// focus, rather than cutting a character at its edge.
TEST(DialogTemplates, PathFieldsEndInDots) {
    CUiDriver ui;
    InitCommonControls();
    const struct {
        UINT dialog;
        UINT field;
    } fields[] = {
        {openfile::IDD, openfile::kPath},        {savefile::IDD, savefile::kPath},
        {resultexport::IDD, exportdlg::kSource}, {resultexport::IDD, exportdlg::kFileName},
        {blhexport::IDD, exportdlg::kSource},    {blhexport::IDD, exportdlg::kFileName},
        {stakelib::IDD, stakelib::kPath},        {linelib::IDD, linelib::kFileName},
    };
    CDialog other(kHost, nullptr);
    ASSERT_TRUE(other.CreateIndirect(kHost, nullptr));
    for (const auto& f : fields) {
        SCOPED_TRACE(::testing::Message() << "template " << f.dialog << " field " << f.field);
        CDialog dlg(f.dialog, nullptr);
        ASSERT_TRUE(dlg.Create(f.dialog));
        dlg.ShowWindow(SW_SHOW);
        dlg.SetDlgItemText(f.field, L"\\Program Files\\Jobs\\国国国国国国国国国国国国国国\\data\\国国国.xyh");
        other.SetFocus();
        ui.Pump();
        EXPECT_TRUE(EndsInDots(*dlg.GetDlgItem(f.field)));
        dlg.DestroyWindow();
    }
    other.DestroyWindow();
}

}  // namespace
