#pragma once
// The five pages of the new-job set-up wizard. Each starts from the record the wizard is given (the
// frame's spare record, filled with a new job's defaults by the caller) and keeps the layout, units and
// enabling rules of its single-group editor.
#include <optional>

#include "geodesy/screens/ParamFields.h"

// A refusal of a page's values and the control it points at.
struct PageRefusal {
    ParamRefusal refusal;
    UINT fieldId;
};

class CWizPage : public CDialog {
public:
    // Takes the controls' values (false when one is no number) and checks them.
    bool Collect(std::optional<PageRefusal>& refusal);
    // The record the page shows when it opens.
    void StartFrom(const CoordSysParams& start) { start_ = &start; }

protected:
    BOOL OnInitDialog() override;
    virtual void InitFrom(const CoordSysParams& spare) = 0;
    virtual std::optional<PageRefusal> Check() const { return std::nullopt; }

private:
    const CoordSysParams* start_ = nullptr;
};

class CWizEllipsoidPage : public CWizPage {
public:
    CWizEllipsoidPage();
    EllipsoidParams Values() const { return fields_.Values(); }

protected:
    void InitFrom(const CoordSysParams& spare) override;
    void DoDataExchange(CDataExchange* pDX) override { fields_.Exchange(pDX); }
    std::optional<PageRefusal> Check() const override;

private:
    void OnSelEllipsoid();
    EllipsoidFields fields_;
};

class CWizProjectionPage : public CWizPage {
public:
    CWizProjectionPage();
    const ProjectionValues& Values() const { return fields_.values; }

protected:
    void InitFrom(const CoordSysParams& spare) override;
    void DoDataExchange(CDataExchange* pDX) override { fields_.Exchange(pDX); }
    std::optional<PageRefusal> Check() const override;

private:
    void OnSelProjection();
    ProjectionFields fields_;
};

class CWizFourParamPage : public CWizPage {
public:
    CWizFourParamPage();
    const FourParamValues& Values() const { return fields_.values; }

protected:
    void InitFrom(const CoordSysParams& spare) override;
    void DoDataExchange(CDataExchange* pDX) override { fields_.Exchange(pDX); }
    std::optional<PageRefusal> Check() const override;

private:
    void OnEnable();
    FourParamFields fields_;
};

class CWizSevenParamPage : public CWizPage {
public:
    CWizSevenParamPage();
    const SevenParamValues& Values() const { return fields_.values; }

protected:
    void InitFrom(const CoordSysParams& spare) override;
    void DoDataExchange(CDataExchange* pDX) override { fields_.Exchange(pDX); }

private:
    void OnEnable();
    SevenParamFields fields_;
};

class CWizHeightFitPage : public CWizPage {
public:
    CWizHeightFitPage();
    const HeightFitValues& Values() const { return fields_.values; }

protected:
    void InitFrom(const CoordSysParams& spare) override;
    void DoDataExchange(CDataExchange* pDX) override { fields_.Exchange(pDX); }

private:
    void OnEnable();
    HeightFitFields fields_{false};
};
