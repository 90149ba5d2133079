#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/testing/UiDriver.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/WindowClasses.h"

namespace {
constexpr UINT kFormId = 902;
constexpr int kList = 2001;
constexpr int kLimit = 2002;
constexpr int kHidden = 2003;
constexpr int kCount = 2004;

// The selection of a list as the later list controls keep it, to check the index hooks.
class CFakeList : public CWnd {
public:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CB_GETCURSEL) return selection;
        if (message == CB_SETCURSEL) selection = static_cast<int>(wParam);
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
    int selection = -1;
};

const DialogControlTemplate kControls[] = {
    {L"FakeList", kList, 4, 4, 80, 60, L"", WS_TABSTOP},
    {L"EDIT", kLimit, 4, 70, 80, 12, L"", WS_BORDER | WS_TABSTOP},
    {L"EDIT", kHidden, 4, 86, 80, 12, L"", WS_BORDER | WS_TABSTOP | kHiddenControl},
    {L"EDIT", kCount, 4, 102, 80, 12, L"", WS_BORDER | WS_TABSTOP},
    {L"BUTTON", IDOK, 50, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kForm{kFormId, 135, 166, L"表单", kDialogStyle, kControls};
const DialogTemplateRegistration kRegister(kForm);

class CFormDlg : public CDialog {
public:
    CFormDlg() : CDialog(kFormId) {
        RegisterWindowClass(L"FakeList", [] { return std::make_unique<CFakeList>(); });
    }
    int m_nIndex = 2;
    double m_dLimit = 1.0;
    CString m_strHidden = L"隐藏";
    UINT m_nCount = 3;
    CEdit m_limitEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kLimit, m_limitEdit);
        DDX_CBIndex(pDX, kList, m_nIndex);
        DDX_Text(pDX, kLimit, m_dLimit);
        DDV_MinMaxDouble(pDX, m_dLimit, 0.5, 1.5);
        DDX_Text(pDX, kHidden, m_strHidden);
        DDX_Text(pDX, kCount, m_nCount);
    }
};
}  // namespace

TEST(DataExchange, IndexHooksAttachedControlsAndRealRanges) {
    CUiDriver ui;
    CFormDlg dlg;
    ui.OnModal(kFormId, [&](CDialog& d) {
        auto* list = static_cast<CFakeList*>(d.GetDlgItem(kList));
        EXPECT_EQ(list->selection, 2);
        EXPECT_EQ(dlg.m_limitEdit.m_hWnd, d.GetDlgItem(kLimit)->m_hWnd);
        EXPECT_FALSE(d.GetDlgItem(kHidden)->IsWindowVisible());
        EXPECT_EQ(ui.GetText(d, kHidden), L"隐藏");
        list->selection = 0;
        ui.SetText(d, kLimit, L"1.75");
        ui.ExpectMessageBox(L"请输入一个在 0.5 和 1.5 之间的数字。");
        ui.Click(d, IDOK);
        EXPECT_EQ(CWnd::GetFocus(), &dlg.m_limitEdit);
        ui.SetText(d, kLimit, L"0.5");
        ui.SetText(d, kCount, L"-1");  // not an unsigned number
        ui.ExpectMessageBox(L"请输入一个整数。");
        ui.Click(d, IDOK);
        BOOL translated = FALSE;
        EXPECT_EQ(static_cast<int>(d.GetDlgItemInt(kCount, &translated)), -1);
        EXPECT_TRUE(translated);
        d.GetDlgItemInt(kCount, &translated, FALSE);
        EXPECT_FALSE(translated);
        ui.SetText(d, kCount, L"4294967295");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nIndex, 0);
    EXPECT_DOUBLE_EQ(dlg.m_dLimit, 0.5);
    EXPECT_EQ(dlg.m_nCount, 4294967295u);
}

namespace {
constexpr UINT kEdgesId = 905;
constexpr int kReal = 2101;
constexpr int kCode = 2102;

const DialogControlTemplate kEdgeControls[] = {
    {L"EDIT", kReal, 4, 4, 80, 12, L"", WS_BORDER | WS_TABSTOP},
    {L"EDIT", kCode, 4, 20, 80, 12, L"", WS_BORDER | WS_TABSTOP},
    {L"BUTTON", IDOK, 50, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kEdges{kEdgesId, 135, 166, L"边界", kDialogStyle, kEdgeControls};
const DialogTemplateRegistration kRegisterEdges(kEdges);

class CEdgesDlg : public CDialog {
public:
    CEdgesDlg() : CDialog(kEdgesId) {}
    double m_dReal = 0;
    CString m_strCode;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kReal, m_dReal);
        DDX_Text(pDX, kCode, m_strCode);
        DDV_MaxChars(pDX, m_strCode, 4);
    }
};
}  // namespace

TEST(DataExchange, RefusesAnOverflowingDoubleAndOneCharacterOverTheLimit) {
    CUiDriver ui;
    CEdgesDlg dlg;
    ui.OnModal(kEdgesId, [&](CDialog& d) {
        ui.SetText(d, kReal, L"1e400");
        ui.ExpectMessageBox(kRefuseNumber);
        ui.Click(d, IDOK);
        ui.SetText(d, kReal, L"1e308");
        ui.SetText(d, kCode, L"ABCDE");
        ui.ExpectMessageBox(L"请输入不多于 4 个字符。");
        ui.Click(d, IDOK);
        ui.SetText(d, kCode, L"ABCD");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dReal, 1e308);
    EXPECT_EQ(dlg.m_strCode, L"ABCD");
}

// Each range on its bounds and just beyond them: a bound is inside; one step past it is refused with
// the range's message and the dialog stays open.
TEST(DataExchange, EachRangeTakesItsBoundsAndRefusesJustBeyondThem) {
    struct Row {
        UINT dialog;
        int field;
        const wchar_t* text;
        const wchar_t* refusal;  // null: taken
    };
    const wchar_t* const angleRange = L"请输入一个在 0 和 89 之间的整数。";
    const wchar_t* const limitRange = L"请输入一个在 0.5 和 1.5 之间的数字。";
    const Row rows[] = {
        {kTestDialogId, kAngleEdit, L"0", nullptr},
        {kTestDialogId, kAngleEdit, L"-1", angleRange},
        {kTestDialogId, kAngleEdit, L"89", nullptr},
        {kTestDialogId, kAngleEdit, L"90", angleRange},
        {kFormId, kLimit, L"1.5", nullptr},
        {kFormId, kLimit, L"1.5001", limitRange},
        {kFormId, kLimit, L"0.4999", limitRange},
        {kFormId, kCount, L"0", nullptr},
        {kFormId, kCount, L"4294967296", L"请输入一个整数。"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.dialog << " " << r.field << " " << ToUtf8(r.text));
        CUiDriver ui;
        CTestDlg test;
        CFormDlg form;
        CDialog& dlg = r.dialog == kTestDialogId ? static_cast<CDialog&>(test) : static_cast<CDialog&>(form);
        ui.OnModal(r.dialog, [&](CDialog& d) {
            ui.SetText(d, r.field, r.text);
            if (r.refusal) ui.ExpectMessageBox(r.refusal);
            ui.Click(d, IDOK);
            if (!r.refusal) return;
            EXPECT_FALSE(d.HasEnded());
            EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(r.field));
            ui.PressKey(VK_ESCAPE);
        });
        EXPECT_EQ(dlg.DoModal(), r.refusal ? IDCANCEL : IDOK);
    }
}
