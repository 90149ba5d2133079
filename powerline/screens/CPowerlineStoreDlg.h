#pragma once
// What the power-line store dialogs share beyond the fix and smoothing: the name, the antenna
// height, the mileage and the valid/reference choice, and OK's checks (a name, no comma in any
// text the files keep, a usable antenna height, the precision). Each format's dialog adds its own
// controls; all of them read and write one `StoreAnswers`.
#include <memory>
#include <utility>
#include <vector>

#include "foundation/TextTriple.h"
#include "powerline/StoreAnswers.h"
#include "survey/screens/CSmoothingStoreDlg.h"

class CPowerlineStoreDlg : public CSmoothingStoreDlg {
public:
    StoreAnswers answers;  // primed before the run; the user's answers after OK
    TextTriple series;     // J, Z and N, for the formats that name from them
    CString sectionLabel;
    double measuredAntenna = 0.0;
    int antennaType = 0;

protected:
    // `kinds`: the template has the valid/reference choice.
    CPowerlineStoreDlg(UINT idd, ISurveyHost& host, bool smoothing, bool kinds, CWnd* parent);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    virtual void FillLists() {}
    virtual void ExchangeOwn(CDataExchange* pDX) = 0;
    // The texts of the format's own controls that the files keep, for the comma check.
    virtual std::vector<std::pair<UINT, const CString*>> OwnTexts() const { return {}; }

private:
    const bool kinds_;
};

// The store dialog of a store kind (0 power-line point, 1 tower section) and survey format; null
// for a format that has none.
std::unique_ptr<CPowerlineStoreDlg> MakeStoreDialog(int storeKind, int surveyFormat, ISurveyHost& host,
                                                    bool smoothing, CWnd* parent);

// Fills a combo box with texts in order.
void FillCombo(CWnd& dialog, UINT id, const std::vector<CString>& items);
