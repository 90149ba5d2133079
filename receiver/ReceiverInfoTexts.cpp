#include "receiver/ReceiverInfoTexts.h"

#include <cmath>

#include "foundation/CoordSysParams.h"
#include "foundation/LastFilesRecord.h"
#include "geodesy/CoordTransform.h"
#include "platform/text/Format.h"
#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverProtocol.h"

namespace {
constexpr double kRadiansPerDegree = 0.01745329251994278;
constexpr double kNoBase = 1e-6;
constexpr int kMaxGlonassShown = 12;

CString Angle(double degrees) {
    return FormatAngleText(degrees * kRadiansPerDegree);
}
CString Metres(double value) {
    return Format(L"%.3f", value);
}
}  // namespace

CString SatelliteCountText(int gpsUsed, int glonassUsed) {
    if (glonassUsed >= 1 && glonassUsed <= kMaxGlonassShown) return Format(L"%d+%d", gpsUsed, glonassUsed);
    return Format(L"%d", gpsUsed);
}

PositionTexts FormatPositionTexts(const CGpsState& s) {
    PositionTexts t;
    t.latitude = Angle(s.latitude);
    t.longitude = Angle(s.longitude);
    t.height = Metres(s.height);
    t.x = Metres(s.gridX);
    t.y = Metres(s.gridY);
    t.h = Metres(s.gridH);
    t.pdop = Format(L"%.2f", s.pdop);
    t.solution = s.solutionText;
    t.satellites = SatelliteCountText(s.gpsUsedCount, s.gloUsedCount);
    t.rmsV = Metres(s.rmsV);
    t.rmsH = Metres(s.rmsH);
    t.time = Format(L"%d-%02d-%02d  %02d:%02d:%02d", s.year, s.month, s.day, s.hour, s.minute, s.second);
    return t;
}

std::array<CString, 15> TextPageLines(const CString& text) {
    std::array<CString, 15> lines;
    size_t k = 0;
    int start = 0;
    while (k < lines.size()) {
        const int lf = text.Find(L'\n', start);
        lines[k++] = text.Mid(start, lf < 0 ? text.GetLength() - start : lf - start);
        if (lf < 0) break;
        start = lf + 1;
    }
    return lines;
}

bool RefreshRefPointTexts(IReceiverHost& frame, const CGpsState& s, const RefPoint& ref, RefPointTexts& t) {
    const CCoordTransform& transform = frame.PositionTransform();
    if (ref.show) {
        double azimuth = 0, distance = 0;
        transform.AzimuthDistance(s.gridX, s.gridY, ref.north, ref.east, azimuth, distance);
        t.refDistance = Metres(distance);
        t.refAzimuth = Angle(azimuth);
    } else {
        t.refDistance.Empty();
        t.refAzimuth.Empty();
    }
    if (std::fabs(s.baseLat) < kNoBase || std::fabs(s.baseLon) < kNoBase) return false;

    const CoordSysParams& params = frame.JobCoordParams();
    t.latitude = Angle(s.baseLat);
    t.longitude = Angle(s.baseLon);
    t.height = Metres(s.baseHeight);
    t.knownX = Metres(params.calib.slot[0].szdKx);
    t.knownY = Metres(params.calib.slot[0].szdKy);
    t.knownH = Metres(params.calib.slot[0].szdKh);

    double b = s.baseLat, l = s.baseLon, h = s.baseHeight;
    if (params.seven.nSevenPar) transform.Wgs84ToLocalBlh(b, l, h);
    double baseX = 0, baseY = 0;
    transform.GeodeticToPlane(params.projection.nTouYin, b, l, baseX, baseY);
    t.x = Metres(baseX);
    t.y = Metres(baseY);
    t.h = Metres(h);

    double azimuth = 0, plane = 0;
    transform.AzimuthDistance(s.projX, s.projY, baseX, baseY, azimuth, plane);
    t.planeDistance = Metres(plane);
    t.azimuth = Angle(azimuth);

    double x1, y1, z1, x2, y2, z2;
    frame.Wgs84BlhToXyz(s.baseLat, s.baseLon, s.baseHeight, &x1, &y1, &z1);
    frame.Wgs84BlhToXyz(s.latitude, s.longitude, s.height, &x2, &y2, &z2);
    t.spatialDistance =
        Metres(std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1) + (z2 - z1) * (z2 - z1)));

    const int board = frame.BoardType();
    if (s.baseId.IsEmpty())
        t.format.Empty();
    else if (board == kBoardEclipse || board == kBoardOemT)
        t.format = s.baseId;
    else
        t.format = s.baseType + L"(" + s.baseId + L")";
    return true;
}
