#include <gtest/gtest.h>

#include "platform/testing/UiDriver.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommonControls.h"

namespace {
constexpr UINT kListsId = 903;
constexpr int kFormat = 3001;

const DialogControlTemplate kControls[] = {
    {WC_COMBOBOX, kFormat, 4, 4, 80, 60, L"", CBS_DROPDOWNLIST | WS_TABSTOP},
    {L"BUTTON", IDOK, 50, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kLists{kListsId, 135, 166, L"差分格式", kDialogStyle, kControls};
const DialogTemplateRegistration kRegister(kLists);

class CFormatDlg : public CDialog {
public:
    CFormatDlg() : CDialog(kListsId) { BindControl(kFormat, CBN_SELCHANGE, &CFormatDlg::OnFormatChanged); }
    int m_nFormat = 0;
    int changes = 0;

protected:
    BOOL OnInitDialog() override {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kFormat));
        for (const wchar_t* name : {L"RTCA", L"RTCM", L"CMR", L"RTCM3"}) combo->AddString(name);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_CBIndex(pDX, kFormat, m_nFormat); }

private:
    void OnFormatChanged() { ++changes; }
};
}  // namespace

TEST(UiDriver, ChoosesAComboRowAsTheUserWould) {
    InitCommonControls();
    CUiDriver ui;
    CFormatDlg dlg;
    ui.OnModal(kListsId, [&](CDialog& d) {
        ui.ChooseItem(d, kFormat, 3);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nFormat, 3);
    EXPECT_EQ(dlg.changes, 1);
}
