#include "survey/CoordViewCells.h"

#include "platform/text/Format.h"
#include "survey/FeatureCodes.h"

namespace {
enum Column {
    kName,
    kKind,
    kNorth,
    kEast,
    kHeight,
    kCode,
    kSubType,
    kMileage,
    kOffset,
    kFeature,
    kPoleOrWidth,
    kAngleOrLength,
    kMeasuredHeight,
    kGeology,
    kRemark,
    kHeightDifference,
    kAntenna,
    kRmsH,
    kRmsV,
};
enum SurveyFormat { kDaoheng = 0, kSiwei = 1, kHaizhi = 2, kBaihe = 6 };
constexpr int kValidPoint = 0;
constexpr int kSideStake = 2;
constexpr int kCrossingSubType = 3;
constexpr int kAuxiliarySubType = 2;
// fixTexts holds the columns 7, 8, 9 first.
constexpr size_t kSolutionText = 0, kRmsHText = 1, kRmsVText = 2;

CString Metres(double value) {
    return Format(L"%.3f", value);
}

void FillDaoheng(const SurveyPointRec& p, CoordViewRow& row) {
    const FeatureCodeTables& tables = FeatureCodes();
    row[kSubType] = SubTypeText(p.surveyType);
    if (p.surveyType == kCrossingSubType) {
        row[kFeature] = TextOfId(tables.crossing, p.int20);
        row[kPoleOrWidth] = TextOfId(tables.poleType, p.int19);
    } else if (p.surveyType > kCrossingSubType && p.surveyType < kSubTypeCount) {
        row[kFeature] = TextOfId(tables.terrain, p.int22);
        row[kPoleOrWidth] = Metres(p.value23);
    } else if (p.surveyType == kAuxiliarySubType) {
        row[kFeature] = AuxiliaryText(p.int22);
    }
    if (p.surveyType >= kCrossingSubType) {
        row[kAngleOrLength] = Metres(p.value21);
        row[kMeasuredHeight] = Metres(p.value26);
    }
    row[kRemark] = p.text33;
}

void FillDimensions(const SurveyPointRec& p, CoordViewRow& row) {
    row[kPoleOrWidth] = Metres(p.value23);
    row[kAngleOrLength] = Metres(p.value21);
    row[kMeasuredHeight] = Metres(p.value26);
    row[kRemark] = p.text33;
}

void FillValidPoint(const SurveyPointRec& p, CoordViewRow& row) {
    switch (p.storeFormat) {
        case kDaoheng:
            FillDaoheng(p, row);
            break;
        case kSiwei:
            FillDimensions(p, row);
            row[kGeology] = p.text32;
            break;
        case kHaizhi:
            row[kPoleOrWidth] = p.text33;
            break;
        case kBaihe:
            FillDimensions(p, row);
            break;
        default:
            row[kRemark] = p.text33;
            break;
    }
}
}  // namespace

CoordViewRow CoordViewCells(const SurveyPointRec& p) {
    CoordViewRow row;
    row[kName] = p.name;
    row[kKind] = PointKindText(p.pointKind);
    row[kNorth] = Metres(p.pointX);
    row[kEast] = Metres(p.pointY);
    row[kHeight] = Metres(p.pointH);
    row[kCode] = p.code;
    row[kMileage] = Metres(p.value18);
    row[kOffset] = Metres(p.value29);
    if (p.pointKind == kValidPoint) FillValidPoint(p, row);
    if (p.pointKind == kSideStake) row[kHeightDifference] = Metres(p.value30);
    row[kAntenna] = Metres(p.antennaHeight);
    row[kRmsH] = p.fixTexts[kRmsHText];
    row[kRmsV] = p.fixTexts[kRmsVText];
    return row;
}

int CoordViewImage(const SurveyPointRec& p) {
    const CString& solution = p.fixTexts[kSolutionText];
    if (solution == L"10") return 2;
    return solution == L"9" || solution == L"8" ? 3 : 4;
}
