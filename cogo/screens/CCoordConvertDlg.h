#pragma once
// 140 "坐标转换工具": a WGS-84 latitude, longitude and height to the job's grid x, y, h and back,
// through the job's coordinate parameters.
#include "cogo/CogoHost.h"
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CCoordConvertDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = coordconvert::IDD;
    CCoordConvertDlg(const ICogoHost& host, ICoordLibraryHost& library, CWnd* parent);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    enum class Direction { kToGrid, kToWgs84 };
    void OnToGrid();
    void OnToWgs84();
    void Convert(Direction direction);

    const ICogoHost& host_;
    Direction direction_ = Direction::kToGrid;
    GeoPosition position_;
    SpacePoint grid_;
};
