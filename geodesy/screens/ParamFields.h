#pragma once
// The groups of coordinate-system fields as they sit on a dialog: exchange with the controls and
// the enabling rules. One group serves both its single-group editor and the wizard's page, which
// share the control ids.
#include <optional>
#include <span>
#include <vector>

#include "geodesy/CoordParamGroups.h"
#include "geodesy/EllipsoidTable.h"
#include "platform/ui/Dialog.h"

// The ellipsoid: the table's names in a combo box; axis and flattening typed only on the
// user-defined row. A chosen row replaces typed values.
class EllipsoidFields {
public:
    // Fills the combo box and selects the job's row. A name the table does not hold selects the
    // user-defined row with the job's own axis and flattening, so that OK does not relabel it.
    void Init(CDialog& dlg, const EllipsoidParams& job);
    void Exchange(CDataExchange* pDX);
    // The combo box's selection changed.
    void OnChosen(CDialog& dlg);
    // The selected row's name with the shown axis and flattening.
    EllipsoidParams Values() const;
    std::optional<ParamRefusal> Check() const {
        return CheckEllipsoid(Values(), row == kUserDefinedEllipsoid);
    }

    std::vector<EllipsoidParams> rows;
    int row = 0;
    double semiMajor = 0.0;
    double invFlattening = 0.0;

private:
    void EnableTyping(CDialog& dlg) const;
};

// The projection: a type combo box and its values; the base latitude is typed only for the types
// that use it, and choosing a type proposes its scale.
class ProjectionFields {
public:
    void Init(CDialog& dlg, const ProjectionBlock& job);
    void Exchange(CDataExchange* pDX);
    void OnTypeChosen(CDialog& dlg);

    ProjectionValues values;
};

// The four parameters behind their check box. The calibration shifts of the editor are not part of
// the group and stay enabled.
class FourParamFields {
public:
    void Init(CDialog& dlg, const FourParamBlock& job);
    void Exchange(CDataExchange* pDX);
    void OnEnableClicked(CDialog& dlg);

    FourParamValues values;
};

// The seven parameters behind their check box (its id differs between the editor and the wizard).
class SevenParamFields {
public:
    explicit SevenParamFields(UINT checkId) : checkId_(checkId) {}
    void Init(CDialog& dlg, const SevenParamBlock& job);
    void Exchange(CDataExchange* pDX);
    void OnEnableClicked(CDialog& dlg);

    SevenParamValues values;

private:
    UINT checkId_;
};

// The height-fitting coefficients behind their check box; the editor also shows the origin.
class HeightFitFields {
public:
    explicit HeightFitFields(bool withOrigin) : withOrigin_(withOrigin) {}
    void Init(CDialog& dlg, const HeightFitParams& job);
    void Exchange(CDataExchange* pDX);
    void OnEnableClicked(CDialog& dlg);

    HeightFitValues values;

private:
    std::span<const UINT> Edits() const;
    bool withOrigin_;
};

// The projection's name as the lists show it; a type outside 0-4 reads as "高斯投影".
const wchar_t* ProjectionName(int32_t type);

// Shows a refusal in a message box and puts the focus on its field.
void ShowRefusal(CDialog& dlg, const ParamRefusal& refusal, UINT fieldId);
// The control a refused field of the projection or four-parameter groups lives in.
UINT ProjectionFieldId(ParamField field);
UINT FourParamFieldId(ParamField field);
