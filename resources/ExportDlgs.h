#pragma once
// 15284 "成果文件输出" and 15285 "BLH成果文件输出": the layout or angle style, the name of the file
// written to the job's result folder, and the file exported from.
#include "platform/base/WinTypes.h"

namespace exportdlg {
inline constexpr UINT kSource = 1300, kFileName = 1301;
// The first of the style radios; the others follow it.
inline constexpr UINT kFirstStyle = 1310;
}  // namespace exportdlg

namespace resultexport {
inline constexpr UINT IDD = 15284;
inline constexpr UINT kNameCodeEastNorth = 1310, kNameNorthEast = 1311, kNameCodeNorthEast = 1312;
}  // namespace resultexport

namespace blhexport {
inline constexpr UINT IDD = 15285;
inline constexpr UINT kDecimal = 1310, kPacked = 1311;
}  // namespace blhexport
