#pragma once
// One stored point's fields, editable by its kind and survey format; OK (after "确定编辑吗?")
// writes the edits into the dialog's copy of the point, which the caller then stores. A stored
// feature code the dialog's lists do not offer shows as an extra item and stays unless another is
// picked; a number that does not read, a negative antenna height or a "," in a text is refused.
#include <vector>

#include "foundation/PointRecord.h"
#include "foundation/SurveyPointRec.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "resources/DataEditDlg.h"

class CDataEditDlg : public CDialog {
public:
    static constexpr UINT IDD = dataedit::IDD;
    CDataEditDlg(const SurveyPointRec& point, CWnd* parent = nullptr);

    const SurveyPointRec& Record() const { return point_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    // A combo's items and the code each stands for.
    struct Choice {
        UINT id = 0;
        std::vector<int32_t> codes;
        int index = 0;
    };
    void ShowControls();
    void Show(std::initializer_list<UINT> ids, bool show);
    void Enable(std::initializer_list<UINT> ids, bool enable);
    // Fills the combo; a stored code it does not offer becomes an extra last item.
    void FillChoice(Choice& choice, const std::vector<CString>& texts, const std::vector<int32_t>& codes,
                    int32_t stored, const CString& extraText);
    // The first `count` rows of a code table.
    void FillFromTable(Choice& choice, const std::vector<IdText>& table, int count, int32_t stored);
    int32_t ChosenCode(const Choice& choice) const;
    void FillDaoheng();
    void OnPointTypeChange();
    bool TextsStorable() const;
    void ApplyEdits();

    SurveyPointRec point_;
    bool valid_ = false;
    int format_ = 0;
    Choice subType_, crossing_, terrain_, pole_;
    std::vector<CString> haizhiTexts_;
    CString dataType_, name_, firstValue_, measuredHeight_, width_, length_, remark_;
    double antennaHeight_ = 0.0;
    // The numbers read from the texts the point's layout uses.
    std::vector<std::pair<UINT, double>> numbers_;
};
