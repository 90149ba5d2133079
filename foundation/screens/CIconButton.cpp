#include "foundation/screens/CIconButton.h"

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "resources/FoundationIcons.h"

namespace {
constexpr DWORD kTypeBits = 31;
constexpr COLORREF kPickGreen = RGB(0, 128, 0);
constexpr int kPickFaceLift = 30;
}  // namespace

CIconButton::CIconButton() {
    SetDefaultColors(FALSE);
}

CIconButton::~CIconButton() {
    if (hoverTimer_ && IsWindow(m_hWnd)) KillTimer(hoverTimer_);
}

void CIconButton::Repaint(BOOL repaint) {
    if (repaint && IsWindow(m_hWnd)) Invalidate();
}

int CIconButton::SetFlat(BOOL flat, BOOL repaint) {
    flat_ = flat ? TRUE : FALSE;
    Repaint(repaint);
    return 0;
}

int CIconButton::SetAlign(int align, BOOL repaint) {
    if (align < kIconLeft || align > kIconRight) return 4;
    align_ = align;
    Repaint(repaint);
    return 0;
}

int CIconButton::SetDefaultColors(BOOL repaint) {
    colors_[kBackHover] = colors_[kBackNormal] = colors_[kBackFocused] = GetSysColor(COLOR_BTNFACE);
    colors_[kTextHover] = colors_[kTextNormal] = colors_[kTextFocused] = GetSysColor(COLOR_BTNTEXT);
    Repaint(repaint);
    return 0;
}

int CIconButton::SetColor(int slot, COLORREF color, BOOL repaint) {
    if (slot < 0 || slot >= static_cast<int>(colors_.size())) return 3;
    colors_[static_cast<size_t>(slot)] = color;
    Repaint(repaint);
    return 0;
}

void CIconButton::SetIconSize(int cx, int cy) {
    if (cx < 1 || cy < 1) return;
    forceIconSize_ = TRUE;
    forcedCx_ = cx;
    forcedCy_ = cy;
}

int CIconButton::SetIcon(UINT mainId, int cx, int cy, UINT outId, int cxOut, int cyOut, UINT disabledId,
                         int cxDisabled, int cyDisabled) {
    const CImage main = mainId ? LoadIconResource(mainId) : CImage();
    const CImage out = outId ? LoadIconResource(outId) : CImage();
    const CImage disabled = disabledId ? LoadIconResource(disabledId) : CImage();
    return SetIconImages(main, cx, cy, outId ? &out : nullptr, cxOut, cyOut, disabledId ? &disabled : nullptr,
                         cxDisabled, cyDisabled);
}

int CIconButton::SetIconImages(const CImage& main, int cx, int cy, const CImage* out, int cxOut, int cyOut,
                               const CImage* disabled, int cxDisabled, int cyDisabled) {
    icons_ = {};
    icons_[0] = {main, forceIconSize_ ? forcedCx_ : cx, forceIconSize_ ? forcedCy_ : cy};
    if (out) icons_[1] = {*out, cxOut, cyOut};
    if (disabled)
        icons_[2] = {*disabled, cxDisabled, cyDisabled};
    else if (!main.IsNull())
        icons_[2] = {GreyedIcon(main), icons_[0].cx, icons_[0].cy};
    Repaint(TRUE);
    return 0;
}

void CIconButton::ApplyIconStyle(UINT iconId) {
    SetFont(GetFont(), TRUE);
    SetIcon(iconId, 28, 22);
    // Lighter per channel: a channel at its top stays there instead of carrying into the next.
    SetColor(kBackHover, LightenPerChannel(GetSysColor(COLOR_BTNFACE), kPickFaceLift), FALSE);
    SetColor(kTextHover, kPickGreen, FALSE);
    SetAlign(kIconRight, FALSE);
    SetFlat(FALSE, FALSE);
    Repaint(TRUE);
}

void CIconButton::PreSubclassWindow() {
    const DWORD style = GetStyle();
    if (style & BS_CHECKBOX) isCheckBox_ = TRUE;
    const int type = static_cast<int>(style & kTypeBits);
    if (type == BS_DEFPUSHBUTTON) {
        isDefault_ = TRUE;
        buttonType_ = BS_PUSHBUTTON;
    } else {
        buttonType_ = type;
    }
    ModifyStyle(kTypeBits, BS_OWNERDRAW);
}

LRESULT CIconButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDBLCLK:
            // A quick second tap clicks again instead of being lost.
            return DefWindowProc(WM_LBUTTONDOWN, wParam, lParam);
        case BM_SETSTYLE: {
            const DWORD type = static_cast<DWORD>(wParam) & kTypeBits;
            if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) isDefault_ = type == BS_DEFPUSHBUTTON;
            return CButton::DefWindowProc(message, (wParam & ~static_cast<WPARAM>(kTypeBits)) | BS_OWNERDRAW,
                                          lParam);
        }
        case WM_GETDLGCODE:
            return CButton::DefWindowProc(message, wParam, lParam) |
                   (isDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        case WM_LBUTTONDOWN:
            SendMessage(BM_SETSTATE, TRUE);
            return CButton::DefWindowProc(message, wParam, lParam);
        case WM_MOUSEMOVE: {
            const LRESULT r = CButton::DefWindowProc(message, wParam, lParam);
            TrackHover(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)), (wParam & MK_LBUTTON) != 0);
            return r;
        }
        case WM_MOUSELEAVE:
            EndHover();
            return 0;
        case WM_KILLFOCUS:
        case WM_CANCELMODE: {
            const LRESULT r = CButton::DefWindowProc(message, wParam, lParam);
            EndHover();
            return r;
        }
        case WM_ACTIVATE: {
            const LRESULT r = CButton::DefWindowProc(message, wParam, lParam);
            if (LOWORD(wParam) == 0) EndHover();
            return r;
        }
        case WM_ENABLE: {
            const LRESULT r = CButton::DefWindowProc(message, wParam, lParam);
            if (!wParam) {
                // A disabled button cannot keep the focus: it moves on to the next control.
                if (CWnd* parent = GetParent()) {
                    CWnd* next = parent->GetNextDlgTabItem(this);
                    (next && next != this ? next : parent)->SetFocus();
                }
                EndHover();
            }
            return r;
        }
        case WM_TIMER:
            if (wParam == kHoverTimer) {
                CheckPointerLeft();
                return 0;
            }
            break;
        case WM_DESTROY:
            if (hoverTimer_) {
                KillTimer(hoverTimer_);
                hoverTimer_ = 0;
            }
            break;
    }
    return CButton::DefWindowProc(message, wParam, lParam);
}

void CIconButton::TrackHover(CPoint client, bool penDown) {
    CPoint screen = client;
    ClientToScreen(&screen);
    // A pen held down over the button drags, it does not hover.
    if (penDown && !hover_) return;
    if (!flat_) return;
    if (CWnd::WindowFromPoint(screen) == this && !hover_) {
        hover_ = TRUE;
        Invalidate();
        hoverTimer_ = SetTimer(kHoverTimer, 50);
    }
}

void CIconButton::CheckPointerLeft() {
    // The pointer itself, not the last move seen here: moves off the button go to other windows.
    CPoint pointer;
    GetCursorPos(&pointer);
    ScreenToClient(&pointer);
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(pointer)) PostMessage(WM_MOUSELEAVE);
}

void CIconButton::EndHover() {
    if (!flat_) return;
    if (hoverTimer_) {
        KillTimer(hoverTimer_);
        hoverTimer_ = 0;
    }
    if (hover_) {
        hover_ = FALSE;
        Invalidate();
    }
}

BOOL CIconButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && isCheckBox_) {
        checkState_ = !checkState_;
        Invalidate();
    }
    return FALSE;  // the dialog gets the click in every case
}

HBRUSH CIconButton::CtlColor(CDC*, UINT) {
    return static_cast<CBrush*>(GetStockObject(NULL_BRUSH));
}

void CIconButton::DrawBackground(CDC& dc, const CRect& rect) {
    const COLORREF color = (hover_ || pressed_)
                               ? colors_[kBackHover]
                               : (focusedLook_ ? colors_[kBackFocused] : colors_[kBackNormal]);
    CBrush brush(color);
    dc.FillRect(&rect, &brush);
}

void CIconButton::DrawBorder(CDC& dc, const CRect& rect) {
    if (pressed_)
        dc.Draw3dRect(&rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    else if (!flat_ || hover_)
        dc.Draw3dRect(&rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
}

const CIconButton::Icon* CIconButton::IconToDraw() const {
    if (disabled_) return icons_[2].image.IsNull() ? &icons_[0] : &icons_[2];
    if (!pressed_ && !hover_ && !icons_[1].image.IsNull()) return &icons_[1];
    return &icons_[0];
}

void CIconButton::DrawItem(LPDRAWITEMSTRUCT item) {
    CDC& dc = *item->hDC;
    pressed_ = (item->itemState & ODS_SELECTED) || (isCheckBox_ && checkState_);
    focusedLook_ = (item->itemState & ODS_FOCUS) != 0;
    disabled_ = (item->itemState & ODS_DISABLED) != 0;
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    CRect rect(item->rcItem);
    if (!flat_ && (focusedLook_ || isDefault_)) {
        CBrush black(RGB(0, 0, 0));
        dc.FrameRect(&rect, &black);
        rect.DeflateRect(1, 1);
    }
    DrawBackground(dc, rect);
    if (!flat_ || drawBorder_) DrawBorder(dc, rect);

    CString caption;
    GetWindowText(caption);
    caption = caption.Left(256);
    const bool pushedLook = pressed_ && !isCheckBox_;
    CRect client;
    GetClientRect(&client);
    const Icon* icon = IconToDraw();
    const bool hasIcon = !icons_[0].image.IsNull();
    const CSize iconSize = hasIcon ? CSize(icons_[0].cx, icons_[0].cy) : CSize(0, 0);
    lastLayout_ = LayOutIconButton(rect, client, align_, !caption.IsEmpty(), iconSize, pushedLook);
    if (!hasIcon) lastLayout_.caption = rect;
    if (hasIcon && icon && !icon->image.IsNull())
        icon->image.Draw(&dc, lastLayout_.icon.left, lastLayout_.icon.top, icon->cx, icon->cy);

    if (!caption.IsEmpty()) {
        CFont* oldFont = SelectWindowFont(dc);
        CRect captionRect = lastLayout_.caption;
        if (pushedLook) captionRect.OffsetRect(1, 1);
        CRect measured = captionRect;
        dc.DrawText(caption, &measured, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
        captionRect.OffsetRect((captionRect.Width() - measured.Width()) / 2,
                               (captionRect.Height() - measured.Height()) / 2);
        captionRect =
            CRect(captionRect.left, captionRect.top, captionRect.right, captionRect.top + measured.Height());
        if (disabled_) {
            CRect raised = captionRect;
            raised.OffsetRect(1, 1);
            dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
            dc.DrawText(caption, &raised, DT_WORDBREAK | DT_CENTER);
            dc.SetTextColor(GetSysColor(COLOR_BTNSHADOW));
            dc.DrawText(caption, &captionRect, DT_WORDBREAK | DT_CENTER);
        } else {
            const bool lit = hover_ || pressed_;
            dc.SetTextColor(colors_[lit ? kTextHover : kTextNormal]);
            dc.SetBkColor(colors_[lit ? kBackHover : kBackNormal]);
            dc.DrawText(caption, &captionRect, DT_WORDBREAK | DT_CENTER);
        }
        dc.SelectObject(oldFont);
    }
    if (focusedLook_ && (!flat_ || drawFlatFocus_)) {
        CRect focus(item->rcItem);
        focus.DeflateRect(1, 1);
        dc.DrawFocusRect(&focus);
    }
    dc.SetBkMode(oldMode);
}
