#pragma once
// 235 "偏移存储": the point to store lies at a distance, an azimuth (from north, or towards a point
// picked from the coordinate library) and a height difference from the fix.
#include "foundation/screens/CIconButton.h"
#include "platform/ui/Dialog.h"
#include "resources/OffsetStoreDlg.h"
#include "survey/OffsetPoint.h"

class ISurveyHost;

struct OffsetStoreValues {
    CString status;
    CString x, y, h;     // the fix, "%.3f"
    CString rmsH, rmsV;  // "%.3f", as the other store dialogs show them
    double angle = 0.0;  // packed ddd.mmssss
    double distance = 0.0;
    double heightDiff = 0.0;
    CString refName;
    int reference = 0;  // 0 north, 1 towards the picked point
};

class COffsetStoreDlg : public CDialog {
public:
    static constexpr UINT IDD = offsetstore::IDD;
    explicit COffsetStoreDlg(const ISurveyHost& host, CWnd* parent = nullptr);

    OffsetStoreValues values;
    // After OK: the offset point and the normalised angle.
    const OffsetPoint& Result() const { return result_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnNorthRef();
    void OnPointRef();
    void OnPickRefPoint();
    void EnableReference(bool byPoint);

    const ISurveyHost& host_;
    CIconButton pick_;
    OffsetPoint result_;
};
