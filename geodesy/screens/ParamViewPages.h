#pragma once
// The four pages of the parameter view. Each shows one group of the job's coordinate-system record
// read-only; its 设置 button runs the group's editor, stores the result in the job's record, applies
// it to the converters, saves the coordinate-parameter file and shows the group again.
#include "geodesy/GeodesyHost.h"
#include "platform/ui/Dialog.h"
#include "resources/ParamViewDlg.h"

class CParamViewPage : public CDialog {
public:
    // Shows the job's values.
    void Fill();

protected:
    explicit CParamViewPage(IGeodesyHost& host);
    BOOL OnInitDialog() override;
    virtual void FillFrom(const CoordSysParams& job) = 0;
    virtual void Change(IGeodesyHost& host) = 0;

private:
    void OnSet();
    IGeodesyHost& host_;
};

class CEllipsoidProjPage : public CParamViewPage {
public:
    explicit CEllipsoidProjPage(IGeodesyHost& host) : CParamViewPage(host) {}
    enum { IDD = projpage::IDD };

protected:
    void FillFrom(const CoordSysParams& job) override;
    // Apply, re-arm the central-meridian warning, re-project the base station, save.
    void Change(IGeodesyHost& host) override;
};

class CCalibFourParamPage : public CParamViewPage {
public:
    explicit CCalibFourParamPage(IGeodesyHost& host) : CParamViewPage(host) {}
    enum { IDD = fourpage::IDD };

protected:
    void FillFrom(const CoordSysParams& job) override;
    // Re-arm the four-parameter scale warning, save, apply.
    void Change(IGeodesyHost& host) override;
};

class CHeightFitPage : public CParamViewPage {
public:
    explicit CHeightFitPage(IGeodesyHost& host) : CParamViewPage(host) {}
    enum { IDD = fitpage::IDD };

protected:
    void FillFrom(const CoordSysParams& job) override;
    // Save, apply.
    void Change(IGeodesyHost& host) override;
};

class CSevenParamPage : public CParamViewPage {
public:
    explicit CSevenParamPage(IGeodesyHost& host) : CParamViewPage(host) {}
    enum { IDD = sevenpage::IDD };

protected:
    void FillFrom(const CoordSysParams& job) override;
    // Re-arm the rotation warning, apply, re-project the base station, save.
    void Change(IGeodesyHost& host) override;
};
