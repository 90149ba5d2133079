#include "foundation/CIniFile.h"
#include "foundation/IniFieldReader.h"
#include "foundation/JobSettingsFiles.h"
#include "platform/files/CFile.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"

namespace {
CString Indexed(const wchar_t* key, int index) {
    return Format(L"%s%d", key, index);
}
}  // namespace

bool JobSettingsFiles::ReadCoordParams(CoordSysParams& p) const {
    CIniFile file;
    if (!file.Load(paths_.coordFile, CFile::modeRead)) {
        AfxMessageBox(L"读qza文件错误,请检查错误!", MB_ICONINFORMATION | MB_OK);
        return false;
    }
    IniFieldReader(file, L"Soft Version").Read(L"szVersion", p.szVersion, version_);

    const IniFieldReader tuoQiu(file, L"TuoQiu Par");
    tuoQiu.Read(L"szDatum", p.ellipsoid.szDatum, L"北京-54");
    tuoQiu.Read(L"szdDa", p.ellipsoid.szdDa, 6378245.0);
    tuoQiu.Read(L"szdDf", p.ellipsoid.szdDf, 298.3);

    ProjectionBlock& pr = p.projection;
    const IniFieldReader project(file, L"Project Par");
    project.Read(L"nTouYin", pr.nTouYin, 0);
    project.Read(L"szdCenter", pr.szdCenter, 0.0);
    project.Read(L"szlTx", pr.szlTx, 0);
    project.Read(L"szlTy", pr.szlTy, 500000);
    project.Read(L"szdTk", pr.szdTk, 1.0);
    project.Read(L"szdTlon", pr.szdTlon, 0.0);
    project.Read(L"szdTHigh", pr.szdTHigh, 0.0);
    project.Read(L"ProjectLat", pr.ProjectLat, 0.0);

    SevenParamBlock& s = p.seven;
    const IniFieldReader seven(file, L"Seven Par");
    seven.Read(L"nSevenPar", s.nSevenPar, 0);
    seven.Read(L"szddx", s.szddx, 0.0);
    seven.Read(L"szddy", s.szddy, 0.0);
    seven.Read(L"szddz", s.szddz, 0.0);
    seven.Read(L"szdWx", s.szdWx, 0.0);
    seven.Read(L"szdWy", s.szdWy, 0.0);
    seven.Read(L"szdWz", s.szdWz, 0.0);
    seven.Read(L"szddK", s.szddK, 0.0);

    FourParamBlock& f = p.four;
    const IniFieldReader four(file, L"Four Par");
    four.Read(L"nDifang", f.nDifang, 0);
    four.Read(L"szdCx1", f.szdCx1, 0.0);
    four.Read(L"szdCy1", f.szdCy1, 0.0);
    four.Read(L"szdCa1", f.szdCa1, 0.0);
    four.Read(L"szdCk1", f.szdCk1, 1.0);

    HeightFitParams& h = p.heightFit;
    const IniFieldReader nihe(file, L"Nihe Par");
    nihe.Read(L"nNiheMode", h.nNiheMode, 0);
    for (int i = 0; i < 6; ++i) nihe.Read(Indexed(L"szdNiheA", i), h.szdNiheA[i], 0.0);
    nihe.Read(L"szdNiheX0", h.szdNiheX0, 0.0);
    nihe.Read(L"szdNiheY0", h.szdNiheY0, 0.0);
    nihe.Read(L"szConF", h.szConF, CString());

    const IniFieldReader adjust(file, L"Adjust Par");
    adjust.Read(L"UseNum", p.adjust.UseNum, 0);
    adjust.Read(L"szdAdjustX", p.adjust.szdAdjustX, 0.0);
    adjust.Read(L"szdAdjustY", p.adjust.szdAdjustY, 0.0);
    adjust.Read(L"szdAdjustH", p.adjust.szdAdjustH, 0.0);

    BaseStationRec& b = p.base;
    const IniFieldReader base(file, L"Base Information");
    base.Read(L"szdBasePX", b.szdBasePX, 0.0);
    base.Read(L"szdBasePY", b.szdBasePY, 0.0);
    base.Read(L"szdBasePH", b.szdBasePH, 0.0);
    base.Read(L"szdBaseLat", b.szdBaseLat, 0.0);
    base.Read(L"szdBaseLon", b.szdBaseLon, 0.0);
    base.Read(L"szdBaseHgt", b.szdBaseHgt, 0.0);
    base.Read(L"szdBaseX", b.szdBaseX, 0.0);
    base.Read(L"szdBaseY", b.szdBaseY, 0.0);
    base.Read(L"szdBaseH", b.szdBaseH, 0.0);
    base.Read(L"szBaseStationID", b.szBaseStationID, L"XXXX");

    const IniFieldReader calib(file, L"Adjust Coordinate");
    for (int n = 0; n < 3; ++n) {
        BaseCalibSlot& c = p.calib.slot[n];
        calib.Read(Indexed(L"szdSx", n), c.szdSx, 0.0);
        calib.Read(Indexed(L"szdSy", n), c.szdSy, 0.0);
        calib.Read(Indexed(L"szdSh", n), c.szdSh, 0.0);
        calib.Read(Indexed(L"szdKx", n), c.szdKx, 0.0);
        calib.Read(Indexed(L"szdKy", n), c.szdKy, 0.0);
        calib.Read(Indexed(L"szdKh", n), c.szdKh, 0.0);
        calib.Read(Indexed(L"szdKAnh", n), c.szdKAnh, 0.0);
    }
    return true;
}

void JobSettingsFiles::DefaultCoordParams(CoordSysParams& p) const {
    p.Reset();
    p.szVersion = version_;
    p.ellipsoid = {L"北京-54", 6378245.0, 298.3};
    p.projection.szlTy = 500000;
    p.projection.szdTk = 1.0;
    // A new job's four-parameter scale is 0.0 (the transformation is off); only a file that lacks
    // the key reads it as 1.0.
    p.four.szdCk1 = 0.0;
    p.base = {-2327589.193, 5387652.126, 2488947.802, 23.07115488, 113.21556238,
              35.0,         2558000.0,   435000.0,    35.0,        L"0000"};
}

bool JobSettingsFiles::WriteCoordParams(CoordSysParams p) const {
    CIniFile f;
    bool written = f.Open(paths_.coordFile, CFile::modeCreate | CFile::modeWrite);
    if (written) {
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Soft Version]\r\n");
        f.WriteString(L"szVersion", p.szVersion);
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"\r\n");

        f.WriteRaw(L"[TuoQiu Par]\r\n");
        f.WriteString(L"szDatum", p.ellipsoid.szDatum);
        f.WriteDouble(L"szdDa", p.ellipsoid.szdDa);
        f.WriteDouble(L"szdDf", p.ellipsoid.szdDf);

        const ProjectionBlock& pr = p.projection;
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Project Par]\r\n");
        f.WriteInt(L"nTouYin", pr.nTouYin);
        f.WriteDouble(L"szdCenter", pr.szdCenter);
        f.WriteInt(L"szlTx", pr.szlTx);
        f.WriteInt(L"szlTy", pr.szlTy);
        f.WriteDouble(L"szdTk", pr.szdTk);
        f.WriteDouble(L"szdTlon", pr.szdTlon);
        f.WriteDouble(L"szdTHigh", pr.szdTHigh);
        f.WriteDouble(L"szdProjectLat", pr.ProjectLat);

        const SevenParamBlock& s = p.seven;
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Seven Par]\r\n");
        f.WriteInt(L"nSevenPar", s.nSevenPar);
        f.WriteDouble(L"szddx", s.szddx);
        f.WriteDouble(L"szddy", s.szddy);
        f.WriteDouble(L"szddz", s.szddz);
        f.WriteDouble(L"szdWx", s.szdWx);
        f.WriteDouble(L"szdWy", s.szdWy);
        f.WriteDouble(L"szdWz", s.szdWz);
        f.WriteDouble(L"szddK", s.szddK);

        const FourParamBlock& four = p.four;
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Four Par]\r\n");
        f.WriteInt(L"nDifang", four.nDifang);
        f.WriteDouble(L"szdCx1", four.szdCx1);
        f.WriteDouble(L"szdCy1", four.szdCy1);
        f.WriteDouble(L"szdCa1", four.szdCa1);
        f.WriteDouble(L"szdCk1", four.szdCk1);

        // The fit's coefficients can be tiny (1e-11 per square metre) yet matter kilometres away:
        // ten decimals would lose them.
        const HeightFitParams& h = p.heightFit;
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Nihe Par]\r\n");
        f.WriteInt(L"nNiheMode", h.nNiheMode);
        for (int i = 0; i < 6; ++i) f.WriteDoubleRoundTrip(Indexed(L"szdNiheA", i), h.szdNiheA[i]);
        f.WriteDouble(L"szdNiheX0", h.szdNiheX0);
        f.WriteDouble(L"szdNiheY0", h.szdNiheY0);
        f.WriteString(L"szConF", h.szConF);

        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Adjust Par]\r\n");
        f.WriteInt(L"UseNum", p.adjust.UseNum);
        f.WriteDouble(L"szdAdjustX", p.adjust.szdAdjustX);
        f.WriteDouble(L"szdAdjustY", p.adjust.szdAdjustY);
        f.WriteDouble(L"szdAdjustH", p.adjust.szdAdjustH);

        const BaseStationRec& b = p.base;
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Base Information]\r\n");
        f.WriteDouble(L"szdBasePX", b.szdBasePX);
        f.WriteDouble(L"szdBasePY", b.szdBasePY);
        f.WriteDouble(L"szdBasePH", b.szdBasePH);
        f.WriteDouble(L"szdBaseLat", b.szdBaseLat);
        f.WriteDouble(L"szdBaseLon", b.szdBaseLon);
        f.WriteDouble(L"szdBaseHgt", b.szdBaseHgt);
        f.WriteDouble(L"szdBaseX", b.szdBaseX);
        f.WriteDouble(L"szdBaseY", b.szdBaseY);
        f.WriteDouble(L"szdBaseH", b.szdBaseH);
        f.WriteString(L"szBaseStationID", b.szBaseStationID);

        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Adjust Coordinate]\r\n");
        for (int n = 0; n < 3; ++n) {
            const BaseCalibSlot& c = p.calib.slot[n];
            f.WriteDouble(Indexed(L"szdSx", n), c.szdSx);
            f.WriteDouble(Indexed(L"szdSy", n), c.szdSy);
            f.WriteDouble(Indexed(L"szdSh", n), c.szdSh);
            f.WriteDouble(Indexed(L"szdKx", n), c.szdKx);
            f.WriteDouble(Indexed(L"szdKy", n), c.szdKy);
            f.WriteDouble(Indexed(L"szdKh", n), c.szdKh);
            f.WriteDouble(Indexed(L"szdKAnh", n), c.szdKAnh);
        }
        written = f.Close();
    }
    if (!written) AfxMessageBox(L"创建qza文件错误,请检查错误!", MB_ICONINFORMATION | MB_OK);
    return written;
}
