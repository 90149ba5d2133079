#include "powerline/CPointStoreCtrl.h"

#include <cmath>

#include "foundation/PointNames.h"
#include "foundation/PointStoreState.h"
#include "foundation/StoredPointLines.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "powerline/PowerlineHost.h"
#include "survey/FeatureCodes.h"
#include "survey/SurveyHost.h"

namespace {
enum StoreMode { kPlain = 0, kOffset = 1, kSmoothing = 2 };
enum PointKind { kValid = 0, kReference = 1, kSideStake = 2, kTerrain = 3 };
// 道亨 sub-types (column 17).
enum DaohengType { kJPile = 0, kZPile, kAuxiliary, kCrossing, kOnePointObject, kTwoPointObject, kHouse };
// Power-line raw files name their program apart from the plain store's.
constexpr const wchar_t* kProgram = L"Vantrel2.0";

double Number(const CString& text) {
    return ToDouble(text.c_str());
}

// 道亨 series N moves on past the points a terrain feature's drawing takes up.
int FeatureStep(int code, int otherStep) {
    const int points = TerrainDrawingPoints(code);
    return points != 0 ? points : otherStep;
}

// The series a type names its points from: 0 J, 1 Z, any other N.
CString& SeriesOf(TextTriple& series, int type) {
    return type == 0 ? series.first : type == 1 ? series.second : series.third;
}

void Advance(CString& name, int step) {
    name = NextPointNameOf(name, step);
}

// The attributes 道亨 and 百合 share: type, pole type, crossed object, feature, dimensions, remark.
void TakeLineAttributes(const StoreAnswers& a, SurveyPointRec& p) {
    p.surveyType = a.surveyType;
    p.int19 = a.poleIndex + 1;
    p.int20 = a.crossedObject;
    p.int22 = a.featureCode;
    p.value21 = Number(a.value21);
    p.value23 = Number(a.value23);
    p.value26 = Number(a.value26);
    p.text33 = a.remark;
}

void TakeDaoheng(const StoreAnswers& a, SurveyPointRec& p) {
    const int type = a.surveyType;
    TakeLineAttributes(a, p);
    if (type == kAuxiliary) p.int22 = a.auxiliaryCode;
    CString& series = SeriesOf(p.texts, type);
    series = a.name;
    CString& n = p.texts.third;
    switch (type) {
        case kJPile:
        case kZPile:
            Advance(series, 1);
            break;
        case kAuxiliary:
            p.code.Empty();
            Advance(n, 1);
            break;
        case kCrossing:
            Advance(n, 2);
            break;
        case kOnePointObject:
            Advance(n, FeatureStep(p.int22, 2));
            break;
        case kTwoPointObject:
            if (a.pointIndex == 0) {
                p.surveyType = kAuxiliary;
                p.code = L"2-1";
                p.text24 = a.name;
                Advance(n, 1);
            } else if (a.pointIndex == 1) {
                p.text25 = a.name;
                Advance(n, FeatureStep(p.int22, 4));
            }
            break;
        case kHouse:
            if (a.pointIndex == 0 || a.pointIndex == 1) {
                p.surveyType = kAuxiliary;
                p.code = a.pointIndex == 0 ? L"3-1" : L"3-2";
                (a.pointIndex == 0 ? p.text24 : p.text25) = a.name;
                Advance(n, 1);
            } else if (a.pointIndex == 2) {
                Advance(n, 7);
            }
            break;
        default:
            break;
    }
}

void TakeBaihe(const StoreAnswers& a, SurveyPointRec& p) {
    const int t = a.surveyType;
    TakeLineAttributes(a, p);
    p.code = a.code;
    p.texts.third = a.nSeries;
    p.extraText = NextPointNameOf(a.nSeries, 1);
    p.tail1 =
        a.trailing1 == L"0" && (t == 7 || t == 8) ? Format(L"%+.3lf", std::fabs(p.value26)) : a.trailing1;
    p.tail2 = a.trailing2;
    const int k = a.category, i = a.pointIndex;
    const bool twoPoints = (k == 1 && t > 2 && t != 9) || (k == 2 && (t == 4 || (t >= 7 && t <= 10)));
    const bool threePoints = (k == 3 && (t == 4 || t == 7 || t == 8)) || (k == 4 && t > 9);
    if (k == 0) {
        p.code.Empty();
    } else if ((twoPoints && i <= 1) || (threePoints && i <= 2)) {
        p.code = Format(L"%d-%d", twoPoints ? 2 : 3, i + 1);
        (i == 0 ? p.text24 : p.text25) = a.name;
    }
    // J and Z piles are numbered apart from the names: their number is the code.
    if (t == 0 || t == 1) {
        const CString& typed = t == 0 ? a.zText : a.jText;
        (t == 0 ? p.texts.second : p.texts.first) = Format(L"%i", ToInt(typed.c_str()));
        p.code = typed;
    }
}

void TakeFormat(int format, const StoreAnswers& a, SurveyPointRec& p) {
    if (format == kDaoheng) return TakeDaoheng(a, p);
    if (format == kBaihe) return TakeBaihe(a, p);
    p.code = a.code;
    p.text33 = a.remark;
    switch (format) {
        case kSiwei:
            p.text31 = a.text31;
            p.text32 = a.text32;
            p.value26 = Number(a.value26);
            p.value23 = Number(a.value23);
            p.value21 = Number(a.value21);
            p.surveyType = a.surveyType;
            break;
        case kXlcad:
            p.surveyType = a.surveyType;
            p.value26 = Number(a.value26);
            p.text31 = Format(L"%d", a.number31);
            p.text32 = Format(L"%d", a.number32);
            SeriesOf(p.texts, a.surveyType) = NextPointNameOf(a.name, 1);
            return;  // the next name stays
        case kSibeida:
            p.value21 = Number(a.value21);
            p.surveyType = a.surveyType;
            break;
        default:  // 海智 and the general format
            break;
    }
    p.extraText = NextPointNameOf(a.name, 1);
}

void TakeTowerSection(const StoreAnswers& a, SurveyPointRec& p) {
    p.code = a.code;
    p.value29 = Number(a.value29);
    p.value30 = Number(a.value30);
    p.extraText = NextPointNameOf(a.name, 1);
}
}  // namespace

// The template starts as the job's does (pole type 1, crossed object 30, feature 184, one epoch).
CPointStoreCtrl::CPointStoreCtrl(IPowerlineHost& host, const ISurveyHost& survey)
    : host_(host), survey_(survey), template_(PointStoreState().point) {
    const PointStoreState& job = survey.Store();
    template_.name = job.NextName();
    template_.extraText = job.NextName();
    template_.texts = host.FreeSeries(job.point.texts);
}

void CPointStoreCtrl::SetLineContext(double mileage, double offset, double heightDifference,
                                     const CString& sideStakeText, int sideStakeNumber,
                                     double sideStakeHeight, const CString& secondText) {
    template_.value18 = mileage;
    template_.value29 = offset;
    template_.value30 = heightDifference;
    template_.refText = sideStakeText;
    template_.text27 = sideStakeText;
    template_.refNumber = sideStakeNumber;
    template_.refHeight = sideStakeHeight;
    template_.text28 = secondText;
}

void CPointStoreCtrl::SetPointContext(int storeMode, int storeKind, int surveyFormat, const CString& name,
                                      int autoCondition, double autoInterval, const CString& code) {
    context_ = {storeMode, storeKind, surveyFormat, name, autoCondition, autoInterval, code};
}

void CPointStoreCtrl::MakeBlhName(const CString& dataFolder, const CString& pointFileName) {
    pointPath_ = dataFolder + pointFileName;
    rawPath_ = pointPath_.Left(pointPath_.GetLength() - 3) + L"blh";
}

void CPointStoreCtrl::SetStoredPosition(const PointRecord& point) {
    stored_ = point;
    storedValid_ = true;
}

void CPointStoreCtrl::IncrementName(CString& name, int step) {
    Advance(name, step);
}

CString CPointStoreCtrl::OfferedName() const {
    return context_.pointName.IsEmpty() ? template_.extraText : context_.pointName;
}

StoreAnswers CPointStoreCtrl::PrimedAnswers() const {
    const SurveyPointRec& t = template_;
    StoreAnswers a;
    a.name = OfferedName();
    a.code = context_.code.IsEmpty() ? t.code : context_.code;
    a.remark = t.text33;
    a.mileage = Format(L"%.3f", t.value18);
    a.surveyType = t.surveyType;
    a.poleIndex = t.int19 - 1;
    a.crossedObject = t.int20;
    a.featureCode = t.int22;
    a.auxiliaryCode = t.int22;
    a.value21 = Format(L"%.3f", t.value21);
    a.value23 = Format(L"%.3f", t.value23);
    a.value26 = Format(L"%.3f", t.value26);
    a.text31 = t.text31;
    a.text32 = t.text32;
    a.number31 = ToInt(t.text31.c_str());
    a.number32 = ToInt(t.text32.c_str());
    // 百合 J and Z series hold the last numbers used.
    a.jText = Format(L"%i", ToInt(t.texts.first.c_str()) + 1);
    a.zText = Format(L"%i", ToInt(t.texts.second.c_str()) + 1);
    a.trailing1 = t.tail1;
    a.trailing2 = t.tail2;
    a.value29 = Format(L"%.3f", t.value29);
    a.value30 = Format(L"%.3f", t.value30);
    return a;
}

SurveyPointRec CPointStoreCtrl::TakeOver(const StoreAnswers& answers) const {
    SurveyPointRec p = template_;
    p.name = answers.name;
    p.antennaHeight = answers.antennaHeight;
    p.value18 = Number(answers.mileage);
    p.pointKind = answers.kind == 0 ? kValid : kReference;
    p.storeFormat = context_.recordFormat;
    if (context_.storeMode == kPlain || context_.storeMode == kOffset) {
        p.extra1 = 1;
        p.int14 = 1;
    } else if (context_.storeMode == kSmoothing) {
        p.extra1 = answers.smoothTarget;
        p.int14 = answers.smoothAchieved;
    }
    if (context_.storeKind == kTowerSectionPoint) {
        TakeTowerSection(answers, p);
        p.pointKind = kSideStake;
    } else {
        TakeFormat(context_.recordFormat, answers, p);
    }
    return p;
}

SurveyPointRec CPointStoreCtrl::QuickPoint() const {
    SurveyPointRec p = template_;
    p.name = template_.extraText;
    p.pointKind = kTerrain;
    p.storeFormat = context_.recordFormat;
    p.extraText = NextPointNameOf(p.name, 1);
    return p;
}

void CPointStoreCtrl::TakeAutoStoreStart(const CString& startName, const CString& code,
                                         double antennaHeight) {
    template_.name = startName;
    template_.extraText = startName;
    template_.code = code;
    template_.antennaHeight = antennaHeight;
    template_.int14 = 1;
}

StoreFilePaths CPointStoreCtrl::Paths() const {
    StoreFilePaths paths = survey_.StoreFiles();
    if (!pointPath_.IsEmpty()) {
        paths.point = pointPath_;
        paths.raw = rawPath_;
    }
    paths.program = kProgram;
    return paths;
}

StoreWritten CPointStoreCtrl::Commit(SurveyPointRec point, const CGpsState& fix,
                                     const std::vector<StoreEpoch>& epochs) {
    TakeFix(point, fix);
    const StoreWritten written = WriteStoredPoint(
        point, epochs, Paths(), [&] { return host_.SaveStoredNames(point.name, point.texts); });
    if (!PointStored(written)) return written;
    lastResult_.number = 1;
    lastResult_.point = {point.name, point.pointX, point.pointY, point.pointH, point.code, 0};
    template_ = point;
    host_.TakeStoredNames(point.extraText, point.texts, lastResult_);
    template_.extraText = survey_.Store().NextName();  // passed over the names the file holds
    template_.texts = host_.FreeSeries(point.texts);
    return written;
}
