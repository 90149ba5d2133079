#pragma once
// The store dialogs of the power-line screens: one per survey format and the tower-section one.
// Every template has the shared controls of `plstore`; each adds its format's own.
#include "platform/base/WinTypes.h"

namespace plstore {
inline constexpr UINT_PTR kSmoothTimer = 7738;
enum : UINT {
    kStatus = 1009,
    kName = 1018,
    kAntHeight = 1020,
    kVertical = 1073,  // first of the height-type group: vertical 0, slant 1, pole 2
    kSlant = 1074,
    kPole = 1075,
    kX = 1025,
    kY = 1026,
    kH = 1027,
    kRmsH = 1028,
    kRmsV = 1029,
    kProgress = 1030,
    kStop = 1038,
    kMileage = 1032,
    kValid = 1033,  // first of the point-kind group: valid 0, reference 1
    kReference = 1034,
    kRemark = 1046,
    kCode = 1047,
};
}  // namespace plstore

// 15280 "电力线勘测存储(道亨)": the sub-type names the point from series J, Z or N.
namespace daohengstore {
inline constexpr UINT IDD = 15280;
enum : UINT {
    kSubType = 1022,
    kLength = 1019,  // column 21
    kWidth = 1021,   // column 23
    kPoleType = 1102,
    kHeight = 1105,  // column 26
    kCrossing = 1126,
    kFeature = 1123,
    kAuxiliary = 1124,
    kSeriesJ = 1150,
    kSeriesZ = 1151,
    kSeriesN = 1152,
    kFirstPoint = 1139,  // first of the object-point group "1", "2", "3"
    kSecondPoint = 1140,
    kThirdPoint = 1141,
    kPoleLabel = 1153,
    kCrossingLabel = 1154,
    kFeatureLabel = 1155,
};
}  // namespace daohengstore

// 136 "电力勘测存储(思维)": the code type by its prefix.
namespace siweistore {
inline constexpr UINT IDD = 136;
enum : UINT {
    kCodeType = 1022,
    kText31 = 1062,
    kText32 = 1063,
    kLength = 1019,
    kWidth = 1021,
    kHeight = 1105
};
}  // namespace siweistore

// 15282 "电力线勘测存储(海智)": the pole kind goes into the remark.
namespace haizhistore {
inline constexpr UINT IDD = 15282;
enum : UINT { kPoleKind = 1093 };
}  // namespace haizhistore

// 15287 "电力勘测存储(XLCAD)": the type names the point from series J, Z or N.
namespace xlcadstore {
inline constexpr UINT IDD = 15287;
enum : UINT {
    kType = 1022,
    kNumber31 = 1060,
    kNumber32 = 1061,
    kHeight = 1105,
    kSeriesJ = 1150,
    kSeriesZ = 1151,
    kSeriesN = 1152,
};
}  // namespace xlcadstore

// 15289 "电力线勘测存储(通用)".
namespace generalstore {
inline constexpr UINT IDD = 15289;
}  // namespace generalstore

// 15290 "电力勘测存储(斯贝达)".
namespace sibeidastore {
inline constexpr UINT IDD = 15290;
enum : UINT { kType = 1022, kAngle = 1019 };
}  // namespace sibeidastore

// 15296 "电力线勘测存储(百合新格式)": J and Z piles are numbered; objects of two or three points.
namespace baihestore {
inline constexpr UINT IDD = 15296;
enum : UINT {
    kType = 1022,
    kCategory = 1080,
    kPointIndex = 1081,
    kJNumber = 1064,
    kZNumber = 1065,
    kPoleCode = 1066,
    kCrossingCode = 1067,
    kFeatureCode = 1068,
    kLength = 1019,
    kWidth = 1021,
    kHeight = 1105,
    kTrailing1 = 1086,
    kTrailing2 = 1087,
};
}  // namespace baihestore

// 15253 "塔基断面放样存储": a side stake of the section being staked.
namespace sectionstore {
inline constexpr UINT IDD = 15253;
enum : UINT { kLabel = 1090, kOffset = 1091, kHeightDiff = 1092 };
}  // namespace sectionstore
