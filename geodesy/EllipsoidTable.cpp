#include "geodesy/EllipsoidTable.h"

#include <iterator>

namespace {
struct Row {
    const wchar_t* name;
    double semiMajor;
    double invFlattening;
};
// "sphere" keeps 298.257: the engine has no form for zero flattening, and stored jobs carry it.
constexpr Row kRows[] = {
    {L"北京-54", 6378245.0, 298.3},
    {L"国家-80", 6378140.0, 298.257},
    {L"WGS-84", 6378137.0, 298.257223563},
    {L"WGS-72", 6378135.0, 298.26},
    {L"WGS-66", 6378145.0, 298.25},
    {L"WGS-60", 6378165.0, 298.3},
    {L"krassovsky", 6378245.0, 298.3},
    {L"clarke-1880", 6378249.145, 293.4663},
    {L"International", 6378388.0, 297.0},
    {L"bessel-1841", 6377397.155, 299.1528128},
    {L"MERIT-83", 6378137.0, 298.257},
    {L"SGS85", 6378136.0, 298.257},
    {L"GRS80", 6378137.0, 298.257222101},
    {L"IAU76", 6378140.0, 298.257},
    {L"Airy-1830", 6377563.396, 299.324975315},
    {L"APL4.9", 6378137.0, 298.25},
    {L"NWL9D", 6378145.0, 298.25},
    {L"mod_airy", 6377340.189, 299.32493736548},
    {L"andrae", 6377104.43, 300.0},
    {L"aust_SA", 6378160.0, 298.25},
    {L"GRS67", 6378160.0, 298.247167427},
    {L"bessel_nam", 6377483.865, 299.1528128},
    {L"clarke66", 6378206.4, 294.9786982139},
    {L"CPM", 6375738.7, 334.29},
    {L"delamber", 6376428.0, 311.5},
    {L"engelis", 6378136.05, 298.2566},
    {L"everest30", 6377276.345, 300.8017},
    {L"everest48", 6377304.063, 300.8017},
    {L"everest56", 6377301.243, 300.8017},
    {L"everest69", 6377295.664, 300.8017},
    {L"everestSS", 6377298.556, 300.8017},
    {L"fischer60", 6378166.0, 298.3},
    {L"fischer60m", 6378155.0, 298.3},
    {L"fischer68", 6378150.0, 298.3},
    {L"helmert", 6378200.0, 298.3},
    {L"hough", 6378270.0, 297.0},
    {L"kaula", 6378163.0, 298.24},
    {L"lerch", 6378139.0, 298.257},
    {L"maupertius", 6397300.0, 191.0},
    {L"new_intl", 6378157.5, 298.24961539},
    {L"plessis", 6376523.0, 308.64099709583735},
    {L"Southeast_asia", 6378155.0, 298.3000002409},
    {L"walbeck", 6376896.0, 302.7800001817},
    {L"sphere", 6370997.0, 298.257},
    {kUserDefinedEllipsoidName, 6378245.0, 298.3},
};
static_assert(std::size(kRows) == kUserDefinedEllipsoid + 1);
}  // namespace

void FillEllipsoidList(std::vector<EllipsoidParams>& rows) {
    rows.clear();
    for (const Row& row : kRows) rows.push_back({row.name, row.semiMajor, row.invFlattening});
}

int FindEllipsoidRow(const std::vector<EllipsoidParams>& rows, const CString& name) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].szDatum == name) return static_cast<int>(i);
    return -1;
}
