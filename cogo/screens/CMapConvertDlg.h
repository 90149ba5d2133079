#pragma once
// 15245 "地图转换": a grid point moved from one central meridian to another on the job's
// ellipsoid, each meridian with its own false easting. Both start as the job's.
#include "cogo/CogoHost.h"
#include "cogo/ZoneChange.h"
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CMapConvertDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = mapconvert::IDD;
    CMapConvertDlg(const ICogoHost& host, ICoordLibraryHost& library, CWnd* parent);

protected:
    BOOL OnInitDialog() override;
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    const ICogoHost& host_;
    PlanePoint point_;
    ZoneSpec from_;
    ZoneSpec to_;
};
