#pragma once
// The four pages of the parameter view. Each shows one group of the job's coordinate-system record
// read-only; its 设置 button runs the group's editor, stores the result in the job's record, applies
// it to the converters, saves the coordinate-parameter file and shows the group again.
#include "geodesy/screens/GeodesyFrame.h"
#include "platform/ui/Dialog.h"
#include "resources/ParamViewDlg.h"

class CParamViewPage : public CDialog {
public:
    // Shows the job's values (nothing without a frame).
    void Fill();

protected:
    CParamViewPage();
    BOOL OnInitDialog() override;
    virtual void FillFrom(const CoordSysParams& job) = 0;
    virtual void Change(IGeodesyFrame& frame) = 0;

private:
    void OnSet();
    IGeodesyFrame* frame_;
};

class CEllipsoidProjPage : public CParamViewPage {
public:
    enum { IDD = projpage::IDD };

protected:
    void FillFrom(const CoordSysParams& job) override;
    // Apply, re-arm the central-meridian warning, re-project the base station, save.
    void Change(IGeodesyFrame& frame) override;
};

class CCalibFourParamPage : public CParamViewPage {
public:
    enum { IDD = fourpage::IDD };

protected:
    void FillFrom(const CoordSysParams& job) override;
    // Re-arm the four-parameter scale warning, save, apply.
    void Change(IGeodesyFrame& frame) override;
};

class CHeightFitPage : public CParamViewPage {
public:
    enum { IDD = fitpage::IDD };

protected:
    void FillFrom(const CoordSysParams& job) override;
    // Save, apply.
    void Change(IGeodesyFrame& frame) override;
};

class CSevenParamPage : public CParamViewPage {
public:
    enum { IDD = sevenpage::IDD };

protected:
    void FillFrom(const CoordSysParams& job) override;
    // Re-arm the rotation warning, apply, re-project the base station, save.
    void Change(IGeodesyFrame& frame) override;
};
