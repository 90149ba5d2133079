#pragma once
// 15141 "信息显示": the receiver information dialog, a tab sheet of five pages (the base page has a
// header of its own, RefPointDlg.h).
#include "platform/base/WinTypes.h"

namespace gpsinfo {
inline constexpr UINT IDD = 15141;
enum : UINT { kTab = 1000 };
// Tab titles, in page order.
inline constexpr UINT kTitleIds[5] = {61435, 61436, 61437, 61438, 61439};
}  // namespace gpsinfo

// 15139: the position page.
namespace positionpage {
inline constexpr UINT IDD = 15139;
enum : UINT {
    kHeight = 1004,
    kTime = 1005,
    kLongitude = 1017,
    kLatitude = 1018,
    kSolution = 1023,
    kSatellites = 1024,
    kPdop = 1028,
    kRmsH = 1029,
    kRmsV = 1030,
    kX = 1031,
    kY = 1032,
    kH = 1033,
};
}  // namespace positionpage

// 15142: the sky plot page, drawn by the page itself.
namespace skyplotpage {
inline constexpr UINT IDD = 15142;
}

// 15140: the satellite table page.
namespace satlistpage {
inline constexpr UINT IDD = 15140;
enum : UINT { kList = 1044 };
// Column headings: number, elevation, azimuth, signal, type.
inline constexpr UINT kHeadingIds[5] = {61431, 61432, 61433, 61434, 61635};
// The two 16-pixel row images: GPS, GLONASS.
inline constexpr UINT IDB_SATELLITE_SYSTEMS = 230;
}  // namespace satlistpage

// 15169: the opener's free text, one static per line.
namespace gpstextpage {
inline constexpr UINT IDD = 15169;
enum : UINT { kFirstLine = 1040 };
inline constexpr int kLines = 15;
}  // namespace gpstextpage
