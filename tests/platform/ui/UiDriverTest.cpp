#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/testing/UiDriver.h"

namespace {
// Each loose end a test can leave fails it, with a message that names what was left.
struct LooseEnd {
    const char* name;
    std::function<void(CUiDriver&)> act;
    const char* failure;
};

void TapStart(CUiDriver& ui) {
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        ui.Click(d, kStartButton);
        d.EndDialog(IDOK);
    });
    dlg.DoModal();
}
}  // namespace

TEST(UiDriver, EveryLooseEndFailsTheTest) {
    const LooseEnd cases[] = {
        {"script never ran", [](CUiDriver& ui) { ui.OnModal(kTestDialogId, [](CDialog&) {}); },
         "script(s) for dialog 900 never ran"},
        {"answer never used", [](CUiDriver& ui) { ui.AnswerMessageBox(IDNO); },
         "no message box came for the answer 7"},
        {"expectation never met", [](CUiDriver& ui) { ui.ExpectMessageBox(L"删除吗?"); },
         "no message box came for the expected \"删除吗?\""},
        {"dialog with no script",
         [](CUiDriver&) {
             CTestDlg dlg;
             EXPECT_EQ(dlg.DoModal(), IDCANCEL);
         },
         "no script for dialog 900"},
        {"box with no expectation", [](CUiDriver& ui) { TapStart(ui); },
         "unexpected message box \"开始存储吗?\""},
        {"box of another text",
         [](CUiDriver& ui) {
             ui.ExpectMessageBox(L"开始吗?", IDNO);
             TapStart(ui);
         },
         "message box \"开始存储吗?\" where \"开始吗?\" was expected"},
        {"control the dialog does not have",
         [](CUiDriver& ui) {
             CTestDlg dlg;
             ui.OnModal(kTestDialogId, [&](CDialog& d) {
                 ui.Click(d, 4321);
                 d.EndDialog(IDOK);
             });
             dlg.DoModal();
         },
         "no control 4321 in the window"},
    };
    for (const LooseEnd& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NONFATAL_FAILURE(
            {
                CUiDriver ui;
                c.act(ui);
            },
            c.failure);
    }
}

// A child's script and a box's expectation given inside the parent's script, just before the tap
// that opens them, are used by that tap.
TEST(UiDriver, ScriptsAndExpectationsGivenInsideAScriptServeTheNextTap) {
    CUiDriver ui;
    CTestDlg parent;
    int childStarts = -1;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        CTestDlg child(&d);
        ui.OnModal(kTestDialogId, [&](CDialog& c) {
            ui.ExpectMessageBox(L"开始存储吗?", IDYES);
            ui.Click(c, kStartButton);
            ui.Click(c, IDCANCEL);
        });
        EXPECT_EQ(child.DoModal(), IDCANCEL);
        childStarts = child.starts;
        ui.ExpectMessageBox(L"开始存储吗?", IDNO);
        ui.Click(d, kStartButton);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(parent.DoModal(), IDOK);
    EXPECT_EQ(childStarts, 2);
    EXPECT_EQ(parent.starts, 1);
}

namespace {
int* gHook = nullptr;
int* SetHook(int* hook) {
    return std::exchange(gHook, hook);
}
void FailWhileAHookIsInstalled() {
    static int inner = 2;
    ScopedHook hook(SetHook, &inner);
    ASSERT_EQ(gHook, nullptr) << "a failed assertion";
}
}  // namespace

TEST(UiDriver, ScopedHookPutsBackThePreviousHookHoweverTheScopeEnds) {
    int outer = 1;
    {
        ScopedHook hook(SetHook, &outer);
        EXPECT_FATAL_FAILURE(FailWhileAHookIsInstalled(), "a failed assertion");
        EXPECT_EQ(gHook, &outer);
    }
    EXPECT_EQ(gHook, nullptr);
}
