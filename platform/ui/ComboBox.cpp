#include "platform/ui/ComboBox.h"

#include <algorithm>
#include <optional>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/RowScroll.h"
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
    int PageRows() const { return rows_; }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        static constexpr MessageRoute<CComboDropList> kRoutes[] = {
            {WM_PAINT, &CComboDropList::OnPaint},         {WM_ERASEBKGND, &CComboDropList::OnEraseBackground},
            {WM_LBUTTONDOWN, &CComboDropList::OnTap},     {WM_LBUTTONDBLCLK, &CComboDropList::OnTap},
            {WM_MOUSEMOVE, &CComboDropList::OnMouseMove}, {WM_LBUTTONUP, &CComboDropList::OnLift},
            {WM_MOUSEWHEEL, &CComboDropList::OnWheel},
        };
        if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
        return CWnd::DefWindowProc(message, wParam, lParam);
    }

private:
    static CPoint PointOf(LPARAM lParam) { return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }
    LRESULT OnPaint(WPARAM, LPARAM) {
        CPaintDC dc(this);
        Paint(dc);
        return 0;
    }
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    // A tap outside closes the list; on the bar it steps, pages or grabs the thumb, and the list
    // stays; on a row it starts tracking the stylus. The border counts as the list.
    LRESULT OnTap(WPARAM, LPARAM lParam) {
        const CPoint point = PointOf(lParam);
        CRect client, window;
        GetClientRect(&client);
        GetWindowRect(&window);
        ScreenToClient(&window);
        if (!window.PtInRect(point)) {
            combo_.CloseDropList(-1);
            return 0;
        }
        if (!client.PtInRect(point)) return 0;
        const CRect bar = ScrollBarRect();
        if (bar.PtInRect(point)) {
            const int count = combo_.Items().Count();
            thumb_ = GrabThumb(bar, true, point, top_, rows_, count);
            if (!thumb_) top_ = ScrollAfterTap(bar, true, point, top_, rows_, count, 1);
            Invalidate();
            return 0;
        }
        tracking_ = true;
        TrackTo(point);
        return 0;
    }
    LRESULT OnMouseMove(WPARAM, LPARAM lParam) {
        if (thumb_) {
            top_ = DragThumb(*thumb_, PointOf(lParam));
            Invalidate();
        } else if (tracking_) {
            TrackTo(PointOf(lParam));
        }
        return 0;
    }
    // The wheel scrolls the rows and leaves the highlight where it is.
    LRESULT OnWheel(WPARAM wParam, LPARAM) {
        const int turned = top_ - GET_WHEEL_DELTA_WPARAM(wParam) * kWheelRows / WHEEL_DELTA;
        top_ = ClampScroll(turned, rows_, combo_.Items().Count());
        Invalidate();
        return 0;
    }
    LRESULT OnLift(WPARAM, LPARAM lParam) {
        thumb_.reset();
        if (!tracking_) return 0;
        tracking_ = false;
        const int row = RowAt(PointOf(lParam));
        if (row >= 0) combo_.CloseDropList(row);
        return 0;
    }
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
    std::optional<ThumbDrag> thumb_;
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
    text = state_.items.Valid(index) ? state_.items.At(index).text : CString();
}

void CComboBox::AdoptControlState(CWnd& previous) {
    if (auto* combo = dynamic_cast<CComboBox*>(&previous)) {
        combo->dropList_.reset();
        state_ = combo->state_;
        edit_ = std::move(combo->edit_);
    }
}

int CComboBox::DroppedRows() const {
    CRect window;
    GetWindowRect(&window);
    const int height = RowHeight(const_cast<CComboBox&>(*this));
    return std::max((state_.droppedHeight - window.Height()) / height, kMinDroppedRows);
}

CRect CComboBox::ButtonRect() {
    CRect client;
    GetClientRect(&client);
    client.DeflateRect(2, 2);
    return CRect(client.right - kScrollBarSize, client.top, client.right, client.bottom);
}

void CComboBox::StoreText(const CString& text) {
    state_.syncing = true;
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (EditExists()) edit_->SetWindowText(text);
    state_.syncing = false;
}

void CComboBox::ShowSelectionText() {
    StoreText(state_.items.Valid(state_.selected) ? state_.items.At(state_.selected).text : CString());
}

void CComboBox::Select(int index) {
    state_.selected = state_.items.Valid(index) ? index : -1;
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
    const int rows = std::max(1, std::min(state_.items.Count(), DroppedRows()));
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

void CComboBox::DestroyDropList() {
    ReleaseCapture();
    dropList_->DestroyWindow();
    dropList_.reset();
}

void CComboBox::CloseDropList(int chosen) {
    if (!dropList_) return;
    const HWND self = m_hWnd;
    DestroyDropList();
    Invalidate();
    if (chosen >= 0) {
        const bool changed = chosen != state_.selected;
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
        if (HIWORD(wParam) == EN_CHANGE && !state_.syncing) {
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
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            if (msg->wParam == VK_UP || msg->wParam == VK_DOWN || dropList_) {
                SendMessage(WM_KEYDOWN, msg->wParam, msg->lParam);
                return TRUE;
            }
    }
    return FALSE;
}

LRESULT CComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CComboBox> kRoutes[] = {
        {WM_CREATE, &CComboBox::OnCreate},
        {WM_DESTROY, &CComboBox::OnDestroy},
        {WM_PAINT, &CComboBox::OnPaint},
        {WM_ERASEBKGND, &CComboBox::OnEraseBackground},
        {WM_SETTEXT, &CComboBox::OnSetText},
        {WM_SETFONT, &CComboBox::OnSetFont},
        {WM_GETDLGCODE, &CComboBox::OnGetDlgCode},
        {CB_GETCOUNT, &CComboBox::OnGetCount},
        {CB_GETCURSEL, &CComboBox::OnGetCurSel},
        {CB_SETCURSEL, &CComboBox::OnSetCurSel},
        {CB_ADDSTRING, &CComboBox::OnAddString},
        {CB_INSERTSTRING, &CComboBox::OnInsertString},
        {CB_DELETESTRING, &CComboBox::OnDeleteString},
        {CB_RESETCONTENT, &CComboBox::OnResetContent},
        {CB_GETLBTEXT, &CComboBox::OnItems<CStringItems::Query::Text>},
        {CB_GETLBTEXTLEN, &CComboBox::OnItems<CStringItems::Query::TextLength>},
        {CB_FINDSTRING, &CComboBox::OnItems<CStringItems::Query::Find>},
        {CB_FINDSTRINGEXACT, &CComboBox::OnItems<CStringItems::Query::FindExact>},
        {CB_SELECTSTRING, &CComboBox::OnSelectString},
        {CB_GETITEMDATA, &CComboBox::OnItems<CStringItems::Query::Data>},
        {CB_SETITEMDATA, &CComboBox::OnItems<CStringItems::Query::SetData>},
        {CB_SHOWDROPDOWN, &CComboBox::OnShowDropDown},
        {CB_GETDROPPEDSTATE, &CComboBox::OnGetDroppedState},
        {CB_LIMITTEXT, &CComboBox::OnLimitText},
        {WM_LBUTTONDOWN, &CComboBox::OnTap},
        {WM_LBUTTONDBLCLK, &CComboBox::OnTap},
        {WM_KEYDOWN, &CComboBox::OnKeyDown},
        {WM_SETFOCUS, &CComboBox::OnSetFocus},
        {WM_KILLFOCUS, &CComboBox::OnKillFocus},
        {WM_ENABLE, &CComboBox::OnEnable},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

namespace {
int Index(WPARAM wParam) {
    return static_cast<int>(wParam);
}
CString TextOf(LPARAM lParam) {
    return CString(reinterpret_cast<const wchar_t*>(lParam));
}
}  // namespace

LRESULT CComboBox::OnCreate(WPARAM, LPARAM) {
    CRect window;
    GetWindowRect(&window);
    state_.droppedHeight = window.Height();
    CRect rect = Record()->rect;
    rect.bottom = rect.top + RowHeight(*this) + 4;
    MoveWindow(&rect, FALSE);
    if (!HasEdit()) return 0;
    CRect inside;
    GetClientRect(&inside);
    inside.DeflateRect(2, 2);
    inside.right -= kScrollBarSize;
    edit_ = std::make_unique<CEdit>();
    edit_->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, inside, this, kEditId);
    edit_->SetFont(GetFont(), FALSE);
    return 0;
}

LRESULT CComboBox::OnDestroy(WPARAM, LPARAM) {
    if (dropList_) DestroyDropList();
    return 0;
}

LRESULT CComboBox::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(this);
    Paint(dc);
    return 0;
}

LRESULT CComboBox::OnSetText(WPARAM wParam, LPARAM lParam) {
    if (state_.syncing) return CWnd::DefWindowProc(WM_SETTEXT, wParam, lParam);
    if (HasEdit()) {
        StoreText(TextOf(lParam));
        return TRUE;
    }
    const int found = state_.items.Find(-1, TextOf(lParam), true);
    if (found < 0) return CB_ERR;
    Select(found);
    return TRUE;
}

LRESULT CComboBox::OnSetFont(WPARAM wParam, LPARAM lParam) {
    if (EditExists()) edit_->SendMessage(WM_SETFONT, wParam, lParam);
    return CWnd::DefWindowProc(WM_SETFONT, wParam, lParam);
}

LRESULT CComboBox::OnGetDlgCode(WPARAM, LPARAM) {
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (dropList_ ? DLGC_WANTALLKEYS : 0);
}

LRESULT CComboBox::OnSetCurSel(WPARAM wParam, LPARAM) {
    const int index = Index(wParam);
    Select(index);
    return state_.items.Valid(index) ? index : CB_ERR;
}

LRESULT CComboBox::OnAddString(WPARAM, LPARAM lParam) {
    return Inserted(state_.items.Add(TextOf(lParam), (GetStyle() & CBS_SORT) != 0));
}

LRESULT CComboBox::OnInsertString(WPARAM wParam, LPARAM lParam) {
    return Inserted(state_.items.Insert(Index(wParam), TextOf(lParam)));
}

LRESULT CComboBox::Inserted(int at) {
    if (at < 0) return CB_ERR;
    if (state_.selected >= at) ++state_.selected;
    return at;
}

LRESULT CComboBox::OnDeleteString(WPARAM wParam, LPARAM) {
    const int index = Index(wParam);
    if (!state_.items.Valid(index)) return CB_ERR;
    state_.items.Remove(index);
    if (state_.selected == index)
        Select(-1);
    else if (state_.selected > index)
        --state_.selected;
    return state_.items.Count();
}

LRESULT CComboBox::OnResetContent(WPARAM, LPARAM) {
    state_.items.Clear();
    state_.selected = -1;
    if (!HasEdit()) ShowSelectionText();
    Invalidate();
    return 0;
}

LRESULT CComboBox::OnSelectString(WPARAM wParam, LPARAM lParam) {
    const int found = state_.items.Find(Index(wParam), TextOf(lParam), false);
    if (found >= 0) Select(found);
    return found < 0 ? CB_ERR : found;
}

LRESULT CComboBox::OnShowDropDown(WPARAM wParam, LPARAM) {
    if (wParam)
        OpenDropList();
    else
        CloseDropList(-1);
    return TRUE;
}

LRESULT CComboBox::OnLimitText(WPARAM wParam, LPARAM) {
    if (!edit_) return FALSE;
    edit_->LimitText(Index(wParam));
    return TRUE;
}

LRESULT CComboBox::OnTap(WPARAM, LPARAM lParam) {
    if (dropList_) {
        CloseDropList(-1);
        return 0;
    }
    if (!HasEdit() || ButtonRect().PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
        OpenDropList();
    return 0;
}

LRESULT CComboBox::OnKeyDown(WPARAM wParam, LPARAM) {
    if (dropList_) {
        DroppedKey(wParam);
        return 0;
    }
    const int selected = state_.selected;
    if (wParam == VK_UP || wParam == VK_DOWN) {
        const int next = selected < 0 ? 0 : selected + (wParam == VK_UP ? -1 : 1);
        if (state_.items.Valid(next) && next != selected) {
            Select(next);
            NotifyParent(CBN_SELCHANGE);
        }
    } else if (wParam == VK_SPACE && !HasEdit()) {
        OpenDropList();
    }
    return 0;
}

void CComboBox::DroppedKey(WPARAM key) {
    switch (key) {
        case VK_UP:
            dropList_->MoveHighlight(-1);
            break;
        case VK_DOWN:
            dropList_->MoveHighlight(1);
            break;
        case VK_PRIOR:
        case VK_NEXT:
            dropList_->MoveHighlight(key == VK_PRIOR ? -dropList_->PageRows() : dropList_->PageRows());
            break;
        case VK_HOME:
        case VK_END:
            dropList_->MoveHighlight(key == VK_HOME ? -Items().Count() : Items().Count());
            break;
        case VK_RETURN:
            CloseDropList(dropList_->Highlight());
            break;
        case VK_ESCAPE:
            CloseDropList(-1);
            break;
    }
}

LRESULT CComboBox::OnSetFocus(WPARAM, LPARAM) {
    if (EditExists()) {
        edit_->SetFocus();
        return 0;
    }
    state_.focused = true;
    Invalidate();
    NotifyParent(CBN_SETFOCUS);
    return 0;
}

LRESULT CComboBox::OnKillFocus(WPARAM, LPARAM) {
    if (!state_.focused) return 0;
    state_.focused = false;
    Invalidate();
    NotifyParent(CBN_KILLFOCUS);
    return 0;
}

LRESULT CComboBox::OnEnable(WPARAM wParam, LPARAM) {
    if (EditExists()) edit_->EnableWindow(static_cast<BOOL>(wParam));
    Invalidate();
    return 0;
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

    PaintButton(dc, enabled);
    if (HasEdit()) return;
    CRect textArea(client.left, client.top, ButtonRect().left, client.bottom);
    textArea.DeflateRect(1, 1);
    COLORREF ink = enabled ? dc.GetTextColor() : GetSysColor(COLOR_GRAYTEXT);
    // A disabled box shows no highlight even if it kept the focus.
    const bool showFocus = state_.focused && !dropList_ && enabled;
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
    if (state_.items.Valid(state_.selected))
        dc.DrawText(state_.items.At(state_.selected).text, &textRect,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (showFocus) dc.DrawFocusRect(&textArea);
    dc.SelectObject(old);
}

// The arrow button, pushed in while the list is dropped.
void CComboBox::PaintButton(CDC& dc, bool enabled) {
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
}
