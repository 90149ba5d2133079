#pragma once
// 15280 "电力线勘测存储(道亨)": a point of the 道亨 format. The sub-type names the point from its
// series (J桩 from J, Z桩 from Z, the others from N) and shows the attributes it takes: a crossing
// its pole type and crossed object, an auxiliary point its kind, the one-, two- and three-point
// objects their terrain feature and the point's place in the object.
#include <optional>

#include "foundation/CrossingLineBlock.h"
#include "powerline/screens/CPowerlineStoreDlg.h"

class CDaohengStoreDlg : public CPowerlineStoreDlg {
public:
    CDaohengStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

    // The job's crossing-line block, handed over when its first word is not 0; the dialog keeps it.
    void SetCrossingBlock(const CrossingLineBlock& block) { crossing_ = block; }
    const std::optional<CrossingLineBlock>& CrossingBlock() const { return crossing_; }

protected:
    BOOL OnInitDialog() override;
    void FillLists() override;
    void ExchangeOwn(CDataExchange* pDX) override;
    std::vector<std::pair<UINT, const CString*>> OwnTexts() const override;

private:
    void OnSubTypeChange();
    void ShowFor(int subType);

    int crossingRow_ = 0, featureRow_ = 0, auxiliaryRow_ = 0;
    std::optional<CrossingLineBlock> crossing_;
};
