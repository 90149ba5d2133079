#include "platform/ui/ProgressCtrl.h"

#include <algorithm>

#include "platform/gdi/SysColors.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/WindowDC.h"

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(PROGRESS_CLASS, L"", style | WS_CHILD, rect, parent, id);
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
    lower = lower_;
    upper = upper_;
}

void CProgressCtrl::AdoptControlState(CWnd& previous) {
    if (auto* bar = dynamic_cast<CProgressCtrl*>(&previous)) {
        lower_ = bar->lower_;
        upper_ = bar->upper_;
        pos_ = bar->pos_;
        step_ = bar->step_;
    }
}

int CProgressCtrl::Move(int pos) {
    const int previous = pos_;
    pos_ = std::clamp(pos, std::min(lower_, upper_), std::max(lower_, upper_));
    if (pos_ != previous) Invalidate();
    return previous;
}

LRESULT CProgressCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CProgressCtrl> kRoutes[] = {
        {WM_PAINT, &CProgressCtrl::OnPaint},        {WM_ERASEBKGND, &CProgressCtrl::OnEraseBackground},
        {PBM_SETRANGE, &CProgressCtrl::OnSetRange}, {PBM_SETRANGE32, &CProgressCtrl::OnSetRange32},
        {PBM_GETRANGE, &CProgressCtrl::OnGetRange}, {PBM_SETPOS, &CProgressCtrl::OnSetPos},
        {PBM_DELTAPOS, &CProgressCtrl::OnDeltaPos}, {PBM_SETSTEP, &CProgressCtrl::OnSetStep},
        {PBM_STEPIT, &CProgressCtrl::OnStepIt},     {PBM_GETPOS, &CProgressCtrl::OnGetPos},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

LRESULT CProgressCtrl::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(this);
    Paint(dc);
    return 0;
}

LRESULT CProgressCtrl::OnSetRange(WPARAM, LPARAM lParam) {
    return ChangeRange(static_cast<short>(LOWORD(static_cast<uintptr_t>(lParam))),
                       static_cast<short>(HIWORD(static_cast<uintptr_t>(lParam))));
}

LRESULT CProgressCtrl::OnSetRange32(WPARAM wParam, LPARAM lParam) {
    return ChangeRange(static_cast<int>(wParam), static_cast<int>(lParam));
}

LRESULT CProgressCtrl::ChangeRange(int lower, int upper) {
    const LRESULT previous = MAKELPARAM(lower_, upper_);
    lower_ = lower;
    upper_ = upper;
    Move(pos_);
    Invalidate();
    return previous;
}

LRESULT CProgressCtrl::OnGetRange(WPARAM wParam, LPARAM lParam) {
    if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) *range = {lower_, upper_};
    return wParam ? lower_ : upper_;
}

LRESULT CProgressCtrl::OnSetStep(WPARAM wParam, LPARAM) {
    const int previous = step_;
    step_ = static_cast<int>(wParam);
    return previous;
}

// Stepping past the end starts again from the other end.
LRESULT CProgressCtrl::OnStepIt(WPARAM, LPARAM) {
    int next = pos_ + step_;
    if (next > std::max(lower_, upper_)) next = std::min(lower_, upper_) + (next - std::max(lower_, upper_));
    return Move(next);
}

void CProgressCtrl::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.Draw3dRect(&client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    client.DeflateRect(1, 1);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    client.DeflateRect(1, 1);
    const int span = upper_ - lower_;
    if (span <= 0 || client.IsRectEmpty()) return;
    const int filled = static_cast<int>(static_cast<long long>(client.Width()) * (pos_ - lower_) / span);
    const COLORREF color = GetSysColor(COLOR_HIGHLIGHT);
    if (GetStyle() & PBS_SMOOTH) {
        dc.FillSolidRect(client.left, client.top, filled, client.Height(), color);
        return;
    }
    const int block = std::max(4, client.Height() * 2 / 3);
    for (int x = 0; x < filled; x += block + 2)
        dc.FillSolidRect(client.left + x, client.top, std::min(block, client.Width() - x), client.Height(),
                         color);
}
