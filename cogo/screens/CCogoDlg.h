#pragma once
// What every coordinate tool's dialog shares: its point rows' library buttons, the calculate
// button that reads the fields and computes, the result text, and the refusal of a calculation
// in the system's style. A tool reads its fields in ReadInputs and computes in Compute; it never
// writes a file.
#include "cogo/CogoGeometry.h"
#include "foundation/CoordLibraryHost.h"
#include "platform/ui/Dialog.h"

class CCogoDlg : public CDialog {
protected:
    CCogoDlg(UINT templateId, ICoordLibraryHost& library, CWnd* parent);

    // Reads the fields (the exchange fails on a refused one); nothing is written back to them.
    virtual void ReadInputs(CDataExchange* pDX) = 0;
    virtual void Compute() = 0;

    void DoDataExchange(CDataExchange* pDX) final;
    void ShowResult(const CString& text);
    // Tells the user why nothing was computed and clears the result.
    void Refuse(const wchar_t* message);
    void Refuse(CogoStatus status) { Refuse(StatusMessage(status)); }
    static const wchar_t* StatusMessage(CogoStatus status);
    // Called after a row was filled from the library.
    virtual void OnRowPicked(UINT /*row*/) {}

private:
    void OnCompute();
    void OnPick(UINT id);

    ICoordLibraryHost& library_;
};
