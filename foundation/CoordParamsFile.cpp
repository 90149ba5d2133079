#include "foundation/JobSettingsFiles.h"
#include "foundation/SettingsTable.h"
#include "platform/text/Format.h"

namespace {
CString Indexed(const wchar_t* key, int index) {
    return Format(L"%s%d", key, index);
}

std::vector<SettingsKey> HeightFitKeys(HeightFitParams& h) {
    std::vector<SettingsKey> keys = {Int(L"nNiheMode", h.nNiheMode, 0, kSwitch)};
    // The coefficients can be tiny (1e-11 per square metre) yet matter kilometres away: ten
    // decimals would lose them.
    for (int i = 0; i < 6; ++i)
        keys.push_back(ExactDouble(Indexed(L"szdNiheA", i), h.szdNiheA[i], 0.0, kGridRange));
    keys.push_back(Double(L"szdNiheX0", h.szdNiheX0, 0.0, kGridRange));
    keys.push_back(Double(L"szdNiheY0", h.szdNiheY0, 0.0, kGridRange));
    keys.push_back(Text(L"szConF", h.szConF, CString()));
    return keys;
}

// Three slots; each key carries its slot's digit.
std::vector<SettingsKey> CalibrationKeys(BaseCalibBlock& calib) {
    std::vector<SettingsKey> keys;
    for (int n = 0; n < 3; ++n) {
        BaseCalibSlot& c = calib.slot[n];
        keys.push_back(Double(Indexed(L"szdSx", n), c.szdSx, 0.0, kGridRange));
        keys.push_back(Double(Indexed(L"szdSy", n), c.szdSy, 0.0, kGridRange));
        keys.push_back(Double(Indexed(L"szdSh", n), c.szdSh, 0.0, kHeightRange));
        keys.push_back(Double(Indexed(L"szdKx", n), c.szdKx, 0.0, kGridRange));
        keys.push_back(Double(Indexed(L"szdKy", n), c.szdKy, 0.0, kGridRange));
        keys.push_back(Double(Indexed(L"szdKh", n), c.szdKh, 0.0, kHeightRange));
        keys.push_back(Double(Indexed(L"szdKAnh", n), c.szdKAnh, 0.0, kHeightRange));
    }
    return keys;
}

SettingsTable CoordFileTable(CoordSysParams& p, const CString& version) {
    ProjectionBlock& pr = p.projection;
    SevenParamBlock& s = p.seven;
    FourParamBlock& f = p.four;
    HeightFitParams& h = p.heightFit;
    BaseStationRec& b = p.base;
    return {
        {L"Soft Version", {Text(L"szVersion", p.szVersion, version)}},
        {L"TuoQiu Par",
         {
             Text(L"szDatum", p.ellipsoid.szDatum, L"北京-54"),
             Double(L"szdDa", p.ellipsoid.szdDa, 6378245.0, {6e6, 7e6}),
             Double(L"szdDf", p.ellipsoid.szdDf, 298.3, {1.0, 1e4}),
         },
         2},
        {L"Project Par",
         {
             Int(L"nTouYin", pr.nTouYin, 0, Between(0, 4)),
             Double(L"szdCenter", pr.szdCenter, 0.0, kDegreesRange),
             Int(L"szlTx", pr.szlTx, 0),
             Int(L"szlTy", pr.szlTy, 500000),
             Double(L"szdTk", pr.szdTk, 1.0, kScaleRange),
             Double(L"szdTlon", pr.szdTlon, 0.0, kDegreesRange),
             Double(L"szdTHigh", pr.szdTHigh, 0.0, kHeightRange),
             Double(L"szdProjectLat", pr.ProjectLat, 0.0, kDegreesRange),
         }},
        {L"Seven Par",
         {
             Int(L"nSevenPar", s.nSevenPar, 0, kSwitch),
             Double(L"szddx", s.szddx, 0.0, kEarthCentredRange),
             Double(L"szddy", s.szddy, 0.0, kEarthCentredRange),
             Double(L"szddz", s.szddz, 0.0, kEarthCentredRange),
             Double(L"szdWx", s.szdWx, 0.0, kRadiansRange),
             Double(L"szdWy", s.szdWy, 0.0, kRadiansRange),
             Double(L"szdWz", s.szdWz, 0.0, kRadiansRange),
             Double(L"szddK", s.szddK, 0.0, {-1.0, 1.0}),
         }},
        // A new job's four-parameter scale is 0.0 (the transformation is off); only a file that
        // lacks the key reads it as 1.0.
        {L"Four Par",
         {
             Int(L"nDifang", f.nDifang, 0, kSwitch),
             Double(L"szdCx1", f.szdCx1, 0.0, kGridRange),
             Double(L"szdCy1", f.szdCy1, 0.0, kGridRange),
             Double(L"szdCa1", f.szdCa1, 0.0, kRadiansRange),
             Double(L"szdCk1", f.szdCk1, 1.0, 0.0, kScaleRange),
         }},
        {L"Nihe Par", HeightFitKeys(h)},
        {L"Adjust Par",
         {
             Int(L"UseNum", p.adjust.UseNum, 0, Between(0, 2)),
             Double(L"szdAdjustX", p.adjust.szdAdjustX, 0.0, kGridRange),
             Double(L"szdAdjustY", p.adjust.szdAdjustY, 0.0, kGridRange),
             Double(L"szdAdjustH", p.adjust.szdAdjustH, 0.0, kHeightRange),
         }},
        {L"Base Information",
         {
             Double(L"szdBasePX", b.szdBasePX, 0.0, -2327589.193, kEarthCentredRange),
             Double(L"szdBasePY", b.szdBasePY, 0.0, 5387652.126, kEarthCentredRange),
             Double(L"szdBasePH", b.szdBasePH, 0.0, 2488947.802, kEarthCentredRange),
             Double(L"szdBaseLat", b.szdBaseLat, 0.0, 23.07115488, {-90.0, 90.0}),
             Double(L"szdBaseLon", b.szdBaseLon, 0.0, 113.21556238, {-180.0, 180.0}),
             Double(L"szdBaseHgt", b.szdBaseHgt, 0.0, 35.0, kHeightRange),
             Double(L"szdBaseX", b.szdBaseX, 0.0, 2558000.0, kGridRange),
             Double(L"szdBaseY", b.szdBaseY, 0.0, 435000.0, kGridRange),
             Double(L"szdBaseH", b.szdBaseH, 0.0, 35.0, kHeightRange),
             Text(L"szBaseStationID", b.szBaseStationID, L"XXXX", L"0000"),
         }},
        {L"Adjust Coordinate", CalibrationKeys(p.calib)},
    };
}
constexpr SettingsFileFailures kCoordFailures{L"读qza文件错误,请检查错误!", L"创建qza文件错误,请检查错误!"};
}  // namespace

bool JobSettingsFiles::ReadCoordParams(CoordSysParams& params) {
    return Read(paths_.coordFile, CoordFileTable(params, version_), kCoordFailures);
}

void JobSettingsFiles::DefaultCoordParams(CoordSysParams& params) const {
    FillFreshSettings(CoordFileTable(params, version_));
}

bool JobSettingsFiles::WriteCoordParams(CoordSysParams params) const {
    return Write(paths_.coordFile, CoordFileTable(params, version_), kCoordFailures);
}
