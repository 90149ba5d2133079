#pragma once
// The progress bar ("msctls_progress32"): a position within a range (0 to 100 at first), shown
// as blocks filling the bar from the left (one smooth bar with PBS_SMOOTH). Positions outside
// the range are held at its ends.
#include "platform/ui/CommonControls.h"
#include "platform/ui/Wnd.h"

class CProgressCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    void SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    void GetRange(int& lower, int& upper) const;
    // Each answers the previous position.
    int SetPos(int pos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(pos))); }
    int OffsetPos(int delta) {
        return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(delta)));
    }
    int SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step))); }
    int StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
    int GetPos() const { return pos_; }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AdoptControlState(CWnd& previous) override;

protected:
    int Move(int pos);
    void Paint(CDC& dc);

    // One member for each message the bar handles; DefWindowProc routes to them.
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    LRESULT OnSetRange(WPARAM, LPARAM lParam);
    LRESULT OnSetRange32(WPARAM wParam, LPARAM lParam);
    LRESULT ChangeRange(int lower, int upper);  // answers the previous range
    LRESULT OnGetRange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetPos(WPARAM wParam, LPARAM) { return Move(static_cast<int>(wParam)); }
    LRESULT OnDeltaPos(WPARAM wParam, LPARAM) { return Move(pos_ + static_cast<int>(wParam)); }
    LRESULT OnSetStep(WPARAM wParam, LPARAM);
    LRESULT OnStepIt(WPARAM, LPARAM);
    LRESULT OnGetPos(WPARAM, LPARAM) { return pos_; }

    int lower_ = 0;
    int upper_ = 100;
    int pos_ = 0;
    int step_ = 10;
};
