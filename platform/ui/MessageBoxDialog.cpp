#include "platform/ui/MessageBoxDialog.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr int kWidth = 220;
constexpr int kMargin = 8;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 24;
constexpr UINT kTextId = 0xFFFF;

const DialogTemplate kMessageBoxTemplate{
    kMessageBoxTemplateId, 120, 60, L"", kDialogStyle | DS_CENTER, {}, 0, 0, WS_EX_DLGMODALFRAME};

const wchar_t* ButtonText(UINT id) {
    switch (id) {
        case IDOK:
            return L"确定";
        case IDCANCEL:
            return L"取消";
        case IDYES:
            return L"是";
        default:
            return L"否";
    }
}

class CMessageBoxPresenter final : public IMessageBoxPresenter {
public:
    int Show(HWND owner, const CString& text, const CString& caption, UINT type) override {
        CMessageBoxDialog box(CWnd::FromHandle(owner), text, caption, type);
        const INT_PTR result = box.DoModal();
        return result < 0 ? FirstButtonAnswer(type) : static_cast<int>(result);
    }
};
}  // namespace

CMessageBoxDialog::CMessageBoxDialog(CWnd* owner, const CString& text, const CString& caption, UINT type)
    : CDialog(kMessageBoxTemplate, owner), text_(text), caption_(caption), type_(type) {
    switch (type & 0xF) {
        case MB_OKCANCEL:
            buttonIds_ = {IDOK, IDCANCEL};
            break;
        case MB_YESNO:
            buttonIds_ = {IDYES, IDNO};
            break;
        default:
            buttonIds_ = {IDOK};
    }
}

BOOL CMessageBoxDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(caption_);
    const bool hasIcon = (type_ & 0xF0) != 0;
    const int textLeft = kMargin + (hasIcon ? kIconSize + kMargin : 0);
    const int textWidth = kWidth - textLeft - kMargin;
    // Measure the wrapped text to size the box.
    CRect measure(0, 0, textWidth, 0);
    {
        CClientDC dc(this);
        CFont* old = dc.SelectObject(GetFont());
        dc.DrawText(text_, &measure, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        dc.SelectObject(old);
    }
    const int textHeight = std::max<int>(measure.Height(), hasIcon ? kIconSize : 12);
    iconBox_ = hasIcon ? CRect(kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize) : CRect();
    // Text shorter than the icon stands level with the icon's middle.
    const int textTop = kMargin + (textHeight - measure.Height()) / 2;
    auto* label = new CStatic;
    label->Create(text_, SS_LEFT | WS_VISIBLE | SS_NOPREFIX,
                  CRect(textLeft, textTop, textLeft + textWidth, textTop + measure.Height()), this, kTextId);
    label->Record()->layerOwnsObject = true;
    label->SetFont(GetFont(), FALSE);

    const int buttonsTop = kMargin + textHeight + kMargin;
    const int count = static_cast<int>(buttonIds_.size());
    const int gap = kMargin;
    int left = (kWidth - count * kButtonWidth - (count - 1) * gap) / 2;
    for (size_t i = 0; i < buttonIds_.size(); ++i) {
        auto* button = new CButton;
        // The buttons form a group of their own, so that the arrows go round them and never onto the text.
        button->Create(ButtonText(buttonIds_[i]),
                       (i == 0 ? BS_DEFPUSHBUTTON | WS_GROUP : BS_PUSHBUTTON) | WS_VISIBLE | WS_TABSTOP,
                       CRect(left, buttonsTop, left + kButtonWidth, buttonsTop + kButtonHeight), this,
                       buttonIds_[i]);
        button->Record()->layerOwnsObject = true;
        button->SetFont(GetFont(), FALSE);
        left += kButtonWidth + gap;
    }
    // Size the window around the client area and centre it on the screen.
    CRect window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    const int width = kWidth + (window.Width() - client.Width());
    const int height = buttonsTop + kButtonHeight + kMargin + (window.Height() - client.Height());
    const CRect screen = CDesktop::Get().ScreenRect();
    SetWindowPos(nullptr, (screen.Width() - width) / 2, (screen.Height() - height) / 2, width, height,
                 SWP_NOZORDER);
    GotoDlgCtrl(GetDlgItem(static_cast<int>(buttonIds_.front())));
    return FALSE;
}

void CMessageBoxDialog::OnCancel() {
    // Escape and the close box answer with the box's cancelling button.
    const UINT id = buttonIds_.size() > 1 ? buttonIds_.back() : buttonIds_.front();
    EndDialog(static_cast<int>(id));
}

BOOL CMessageBoxDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED &&
        std::find(buttonIds_.begin(), buttonIds_.end(), id) != buttonIds_.end()) {
        EndDialog(static_cast<int>(id));
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CMessageBoxDialog::OnPaint() {
    CPaintDC dc(this);
    if (!iconBox_.IsRectEmpty()) DrawIcon(dc, iconBox_);
}

void CMessageBoxDialog::DrawIcon(CDC& dc, const CRect& box) {
    const UINT icon = type_ & 0xF0;
    const COLORREF color = icon == MB_ICONERROR     ? RGB(200, 0, 0)
                           : icon == MB_ICONWARNING ? RGB(230, 180, 0)
                                                    : RGB(0, 0, 200);
    CBrush brush(color);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush* oldBrush = dc.SelectObject(&brush);
    CPen* oldPen = dc.SelectObject(&pen);
    if (icon == MB_ICONWARNING) {
        const POINT triangle[] = {
            {box.CenterPoint().x, box.top}, {box.right - 1, box.bottom - 1}, {box.left, box.bottom - 1}};
        dc.Polygon(triangle, 3);
    } else {
        dc.Ellipse(&box);
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    const wchar_t* mark = icon == MB_ICONERROR      ? L"X"
                          : icon == MB_ICONQUESTION ? L"?"
                          : icon == MB_ICONWARNING  ? L"!"
                                                    : L"i";
    // A bold mark that fills the sign; the triangle's middle lies low.
    CFont font;
    font.CreateFont(-box.Height() * 5 / 8, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                    L"Tahoma");
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(icon == MB_ICONWARNING ? RGB(0, 0, 0) : RGB(255, 255, 255));
    CRect text = box;
    if (icon == MB_ICONWARNING) text.top += box.Height() / 4;
    dc.DrawText(mark, 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(oldFont);
}

void InstallMessageBoxDialogs() {
    static CMessageBoxPresenter presenter;
    SetMessageBoxPresenter(&presenter);
    if (GetAppName().IsEmpty()) SetAppName(LoadStringResource(kAppNameStringId));
}
