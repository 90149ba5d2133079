#pragma once
// Which point types (typed in, valid, reference, side stake, terrain) the coordinate library lists.
#include <array>

#include "platform/ui/Dialog.h"
#include "resources/FilterSetDlg.h"

class CFilterSetDlg : public CDialog {
public:
    static constexpr UINT IDD = filterset::IDD;
    explicit CFilterSetDlg(CWnd* parent = nullptr);

    // By point type 0-4: 1 = listed.
    std::array<int, 5> shown{};

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
