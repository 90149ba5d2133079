#include "platform/ui/ComboBox.h"

#include <algorithm>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr UINT kEditId = 1001;
constexpr int kMinDroppedRows = 3;
}  // namespace

// The list of a combo box while it is dropped: a popup window above everything, holding the
// capture so that a tap anywhere else closes it.
class CComboDropList final : public CWnd {
public:
    explicit CComboDropList(CComboBox& combo) : combo_(combo), highlight_(combo.GetCurSel()) {}

    bool Open(const CRect& screenRect) {
        if (!CreateEx(0, nullptr, L"", WS_POPUP | WS_BORDER, screenRect, combo_.GetTopLevelParent(), 0))
            return false;
        rows_ = std::max(1, (screenRect.Height() - 2) / RowHeight(combo_));
        ScrollTo(highlight_);
        ShowWindow(SW_SHOWNOACTIVATE);
        SetCapture();
        return true;
    }
    int Highlight() const { return highlight_; }
    void MoveHighlight(int delta) {
        const int count = combo_.Items().Count();
        if (count == 0) return;
        highlight_ = std::clamp(highlight_ < 0 ? 0 : highlight_ + delta, 0, count - 1);
        ScrollTo(highlight_);
        Invalidate();
    }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        switch (message) {
            case WM_PAINT: {
                CPaintDC dc(this);
                Paint(dc);
                return 0;
            }
            case WM_ERASEBKGND:
                return 1;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK: {
                CRect client;
                GetClientRect(&client);
                if (!client.PtInRect(point)) {
                    combo_.CloseDropList(-1);
                    return 0;
                }
                const CRect bar = ScrollBarRect();
                if (bar.PtInRect(point)) {
                    top_ = ScrollAfterTap(bar, true, point, top_, rows_, combo_.Items().Count(), 1);
                    Invalidate();
                    return 0;
                }
                tracking_ = true;
                TrackTo(point);
                return 0;
            }
            case WM_MOUSEMOVE:
                if (tracking_) TrackTo(point);
                return 0;
            case WM_LBUTTONUP:
                if (tracking_) {
                    tracking_ = false;
                    const int row = RowAt(point);
                    if (row >= 0) combo_.CloseDropList(row);
                }
                return 0;
        }
        return CWnd::DefWindowProc(message, wParam, lParam);
    }

private:
    CRect ScrollBarRect() {
        CRect client;
        GetClientRect(&client);
        if (combo_.Items().Count() <= rows_) return CRect();
        return CRect(client.right - kScrollBarSize, client.top, client.right, client.bottom);
    }
    int RowAt(CPoint point) {
        CRect client;
        GetClientRect(&client);
        const CRect bar = ScrollBarRect();
        if (!bar.IsRectEmpty()) client.right = bar.left;
        if (!client.PtInRect(point)) return -1;
        const int row = top_ + point.y / RowHeight(combo_);
        return combo_.Items().Valid(row) ? row : -1;
    }
    void TrackTo(CPoint point) {
        const int row = RowAt(point);
        if (row >= 0 && row != highlight_) {
            highlight_ = row;
            Invalidate();
        }
    }
    void ScrollTo(int row) {
        if (row < 0) return;
        if (row < top_) top_ = row;
        if (row >= top_ + rows_) top_ = row - rows_ + 1;
        top_ = ClampScroll(top_, rows_, combo_.Items().Count());
    }
    void Paint(CDC& dc) {
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
        const CRect bar = ScrollBarRect();
        if (!bar.IsRectEmpty()) {
            DrawScrollBar(dc, bar, true, top_, rows_, combo_.Items().Count());
            client.right = bar.left;
        }
        CFont* old = dc.SelectObject(combo_.GetFont());
        dc.SetBkMode(TRANSPARENT);
        const int height = RowHeight(combo_);
        for (int i = top_, y = 0; i < combo_.Items().Count() && y < client.bottom; ++i, y += height) {
            CRect row(client.left, y, client.right, y + height);
            COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
            if (i == highlight_) {
                COLORREF back = 0;
                SelectionColors(true, ink, back);
                dc.FillSolidRect(&row, back);
            }
            dc.SetTextColor(ink);
            row.left += 2;
            dc.DrawText(combo_.Items().At(i).text, &row, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        dc.SelectObject(old);
    }

    CComboBox& combo_;
    int highlight_;
    int top_ = 0;
    int rows_ = 1;
    bool tracking_ = false;
};

CComboBox::CComboBox() = default;

CComboBox::~CComboBox() {
    dropList_.reset();
    edit_.reset();
}

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_COMBOBOX, L"", style | WS_CHILD, rect, parent, id);
}

void CComboBox::GetLBText(int index, CString& text) const {
    text = items_.Valid(index) ? items_.At(index).text : CString();
}

void CComboBox::AdoptControlState(CWnd& previous) {
    if (auto* combo = dynamic_cast<CComboBox*>(&previous)) {
        combo->dropList_.reset();
        items_ = combo->items_;
        selected_ = combo->selected_;
        droppedHeight_ = combo->droppedHeight_;
        focused_ = combo->focused_;
        edit_ = std::move(combo->edit_);
    }
}

int CComboBox::DroppedRows() const {
    CRect window;
    GetWindowRect(&window);
    const int height = RowHeight(const_cast<CComboBox&>(*this));
    return std::max((droppedHeight_ - window.Height()) / height, kMinDroppedRows);
}

CRect CComboBox::ButtonRect() {
    CRect client;
    GetClientRect(&client);
    client.DeflateRect(2, 2);
    return CRect(client.right - kScrollBarSize, client.top, client.right, client.bottom);
}

void CComboBox::StoreText(const CString& text) {
    syncing_ = true;
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (edit_ && edit_->m_hWnd) edit_->SetWindowText(text);
    syncing_ = false;
}

void CComboBox::ShowSelectionText() {
    StoreText(items_.Valid(selected_) ? items_.At(selected_).text : CString());
}

void CComboBox::Select(int index) {
    selected_ = items_.Valid(index) ? index : -1;
    ShowSelectionText();
    Invalidate();
}

void CComboBox::OpenDropList() {
    if (dropList_ || !IsWindowEnabled()) return;
    const HWND self = m_hWnd;
    NotifyParent(CBN_DROPDOWN);
    if (!IsWindow(self)) return;
    CRect box;
    GetWindowRect(&box);
    const int rows = std::max(1, std::min(items_.Count(), DroppedRows()));
    const int height = rows * RowHeight(*this) + 2;
    const CRect screen = CDesktop::Get().ScreenRect();
    CRect list(box.left, box.bottom, box.right, box.bottom + height);
    if (list.bottom > screen.bottom && box.top - height >= screen.top)
        list.OffsetRect(0, box.top - height - list.top);
    dropList_ = std::make_unique<CComboDropList>(*this);
    if (!dropList_->Open(list)) dropList_.reset();
    SetFocus();
    Invalidate();
}

void CComboBox::CloseDropList(int chosen) {
    if (!dropList_) return;
    const HWND self = m_hWnd;
    ReleaseCapture();
    dropList_->DestroyWindow();
    dropList_.reset();
    Invalidate();
    if (chosen >= 0) {
        const bool changed = chosen != selected_;
        Select(chosen);
        NotifyParent(CBN_SELENDOK);
        if (changed && IsWindow(self)) NotifyParent(CBN_SELCHANGE);
    } else {
        NotifyParent(CBN_SELENDCANCEL);
    }
    if (IsWindow(self)) NotifyParent(CBN_CLOSEUP);
}

BOOL CComboBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (edit_ && edit_->m_hWnd && static_cast<uint32_t>(lParam) == edit_->m_hWnd.id()) {
        if (HIWORD(wParam) == EN_CHANGE && !syncing_) {
            CString text;
            edit_->GetWindowText(text);
            CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            const HWND self = m_hWnd;
            NotifyParent(CBN_EDITUPDATE);
            if (IsWindow(self)) NotifyParent(CBN_EDITCHANGE);
        } else if (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == EN_KILLFOCUS) {
            NotifyParent(HIWORD(wParam) == EN_SETFOCUS ? CBN_SETFOCUS : CBN_KILLFOCUS);
        }
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CComboBox::PreTranslateMessage(MSG* msg) {
    if (!edit_ || !edit_->m_hWnd || msg->hwnd != edit_->m_hWnd || msg->message != WM_KEYDOWN) return FALSE;
    switch (msg->wParam) {
        case VK_UP:
        case VK_DOWN:
        case VK_RETURN:
        case VK_ESCAPE:
            if (msg->wParam == VK_UP || msg->wParam == VK_DOWN || dropList_) {
                SendMessage(WM_KEYDOWN, msg->wParam, msg->lParam);
                return TRUE;
            }
    }
    return FALSE;
}

LRESULT CComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    const auto text = [lParam] { return CString(reinterpret_cast<const wchar_t*>(lParam)); };
    switch (message) {
        case WM_CREATE: {
            CRect window;
            GetWindowRect(&window);
            droppedHeight_ = window.Height();
            CRect rect = Record()->rect;
            rect.bottom = rect.top + RowHeight(*this) + 4;
            MoveWindow(&rect, FALSE);
            if (HasEdit()) {
                CRect inside;
                GetClientRect(&inside);
                inside.DeflateRect(2, 2);
                inside.right -= kScrollBarSize;
                edit_ = std::make_unique<CEdit>();
                edit_->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, inside, this, kEditId);
                edit_->SetFont(GetFont(), FALSE);
            }
            return 0;
        }
        case WM_DESTROY:
            if (dropList_) {
                ReleaseCapture();
                dropList_->DestroyWindow();
                dropList_.reset();
            }
            return 0;
        case WM_PAINT: {
            CPaintDC dc(this);
            Paint(dc);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETTEXT:
            if (syncing_) return CWnd::DefWindowProc(message, wParam, lParam);
            if (!HasEdit()) {
                const int found = items_.Find(-1, text(), true);
                if (found < 0) return CB_ERR;
                Select(found);
                return TRUE;
            }
            StoreText(text());
            return TRUE;
        case WM_SETFONT:
            if (edit_ && edit_->m_hWnd) edit_->SendMessage(WM_SETFONT, wParam, lParam);
            return CWnd::DefWindowProc(message, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS | (dropList_ ? DLGC_WANTALLKEYS : 0);
        case CB_GETCOUNT:
            return items_.Count();
        case CB_GETCURSEL:
            return selected_;
        case CB_SETCURSEL:
            Select(index);
            return items_.Valid(index) ? index : CB_ERR;
        case CB_ADDSTRING:
        case CB_INSERTSTRING: {
            const int at = message == CB_ADDSTRING ? items_.Add(text(), (GetStyle() & CBS_SORT) != 0)
                                                   : items_.Insert(index, text());
            if (at < 0) return CB_ERR;
            if (selected_ >= at) ++selected_;
            return at;
        }
        case CB_DELETESTRING:
            if (!items_.Valid(index)) return CB_ERR;
            items_.Remove(index);
            if (selected_ == index)
                Select(-1);
            else if (selected_ > index)
                --selected_;
            return items_.Count();
        case CB_RESETCONTENT:
            items_.Clear();
            selected_ = -1;
            if (!HasEdit()) ShowSelectionText();
            Invalidate();
            return 0;
        case CB_GETLBTEXT:
            if (!items_.Valid(index)) return CB_ERR;
            return CopyText(items_.At(index).text, reinterpret_cast<wchar_t*>(lParam),
                            items_.At(index).text.GetLength() + 1);
        case CB_GETLBTEXTLEN:
            return items_.Valid(index) ? items_.At(index).text.GetLength() : CB_ERR;
        case CB_FINDSTRING:
        case CB_FINDSTRINGEXACT:
            return items_.Find(index, text(), message == CB_FINDSTRINGEXACT);
        case CB_SELECTSTRING: {
            const int found = items_.Find(index, text(), false);
            if (found >= 0) Select(found);
            return found < 0 ? CB_ERR : found;
        }
        case CB_GETITEMDATA:
            return items_.Valid(index) ? static_cast<LRESULT>(items_.At(index).data) : CB_ERR;
        case CB_SETITEMDATA:
            if (!items_.Valid(index)) return CB_ERR;
            items_.At(index).data = static_cast<uintptr_t>(lParam);
            return 0;
        case CB_SHOWDROPDOWN:
            if (wParam)
                OpenDropList();
            else
                CloseDropList(-1);
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return dropList_ ? TRUE : FALSE;
        case CB_LIMITTEXT:
            if (!edit_) return FALSE;
            edit_->LimitText(index);
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (dropList_) {
                CloseDropList(-1);
                return 0;
            }
            if (!HasEdit() || ButtonRect().PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
                OpenDropList();
            return 0;
        case WM_KEYDOWN:
            if (dropList_) {
                switch (wParam) {
                    case VK_UP:
                        dropList_->MoveHighlight(-1);
                        break;
                    case VK_DOWN:
                        dropList_->MoveHighlight(1);
                        break;
                    case VK_RETURN:
                        CloseDropList(dropList_->Highlight());
                        break;
                    case VK_ESCAPE:
                        CloseDropList(-1);
                        break;
                }
                return 0;
            }
            if (wParam == VK_UP || wParam == VK_DOWN) {
                const int next = selected_ < 0 ? 0 : selected_ + (wParam == VK_UP ? -1 : 1);
                if (items_.Valid(next) && next != selected_) {
                    Select(next);
                    NotifyParent(CBN_SELCHANGE);
                }
            } else if (wParam == VK_SPACE && !HasEdit()) {
                OpenDropList();
            }
            return 0;
        case WM_SETFOCUS:
            if (edit_ && edit_->m_hWnd) {
                edit_->SetFocus();
                return 0;
            }
            focused_ = true;
            Invalidate();
            NotifyParent(CBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            if (!focused_) return 0;
            focused_ = false;
            Invalidate();
            NotifyParent(CBN_KILLFOCUS);
            return 0;
        case WM_ENABLE:
            if (edit_ && edit_->m_hWnd) edit_->EnableWindow(static_cast<BOOL>(wParam));
            Invalidate();
            return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CComboBox::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.Draw3dRect(&client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    client.DeflateRect(1, 1);
    dc.Draw3dRect(&client, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
    client.DeflateRect(1, 1);
    const bool enabled = IsWindowEnabled() != FALSE;
    HBRUSH brush = SendCtlColor(&dc, WM_CTLCOLOREDIT);
    if (enabled)
        dc.FillRect(&client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    else
        dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));

    const CRect button = ButtonRect();
    const bool pressed = dropList_ != nullptr;
    dc.FillSolidRect(&button, GetSysColor(COLOR_BTNFACE));
    if (pressed)
        dc.Draw3dRect(&button, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    else
        dc.Draw3dRect(&button, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    const CPoint c = button.CenterPoint() + CPoint(pressed ? 1 : 0, pressed ? 1 : 0);
    const COLORREF arrow = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (int i = 0; i < 4; ++i)
        for (int x = -(3 - i); x <= 3 - i; ++x) dc.SetPixel(c.x + x, c.y - 1 + i, arrow);

    if (HasEdit()) return;
    CRect textArea(client.left, client.top, button.left, client.bottom);
    textArea.DeflateRect(1, 1);
    COLORREF ink = enabled ? dc.GetTextColor() : GetSysColor(COLOR_GRAYTEXT);
    // A disabled box shows no highlight even if it kept the focus.
    const bool showFocus = focused_ && !dropList_ && enabled;
    if (showFocus) {
        COLORREF back = 0;
        SelectionColors(true, ink, back);
        dc.FillSolidRect(&textArea, back);
    }
    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(ink);
    CRect textRect = textArea;
    textRect.left += 2;
    if (items_.Valid(selected_))
        dc.DrawText(items_.At(selected_).text, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (showFocus) dc.DrawFocusRect(&textArea);
    dc.SelectObject(old);
}
