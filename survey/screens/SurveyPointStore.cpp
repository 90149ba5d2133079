#include "survey/screens/SurveyPointStore.h"

#include "foundation/PointNames.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/ui/StringTable.h"
#include "resources/SurveyStrings.h"
#include "survey/SurveyHost.h"
#include "survey/screens/CAutoStoreDlg.h"
#include "survey/screens/COffsetStoreDlg.h"
#include "survey/screens/CPointStoreDlg.h"

namespace {
enum StoreMode { kPlain = 0, kOffset = 1, kSmoothing = 2, kAutomatic = 3 };
constexpr int kPlainStoreKind = 2;
constexpr int kTerrain = 3;
constexpr int kReference = 1;
constexpr const wchar_t* kDefaultCode = L"00000000";

CString Fixed3(double value) {
    return Format(L"%.3f", value);
}
}  // namespace

CSurveyPointStore::CSurveyPointStore(ISurveyHost& host, CWnd* parent) : host_(host), parent_(parent) {}

CString CSurveyPointStore::SolutionStatus(const CGpsState& fix) {
    if (fix.solutionCode == kSolFixed) return LoadStringResource(surveystr::kFixed);
    host_.PlayTone();
    return LoadStringResource(surveystr::kNotFixed);
}

void CSurveyPointStore::Tell(const CString& text, bool automatic) {
    // Automatic storing stops first: the next fix must not raise a second box under this one.
    if (automatic) host_.SetAutoStoring(false);
    MessageBox(parent_ ? parent_->m_hWnd : HWND(), text, LoadStringResource(surveystr::kInfoCaption),
               MB_OK | MB_ICONINFORMATION);
}

StoredPointResult CSurveyPointStore::StorePoint(const CGpsState& state) {
    if (state.fixFlag == 0) {
        Tell(LoadStringResource(surveystr::kNoData), false);
        return {};
    }
    const StorePointSubBlock& context = host_.Store().context;
    CGpsState fix = state;
    RawStoreTail tail;
    if (context.storeMode == kOffset) {
        COffsetStoreDlg offset(host_, parent_);
        offset.values.status = SolutionStatus(fix);
        offset.values.x = Fixed3(fix.gridX);
        offset.values.y = Fixed3(fix.gridY);
        offset.values.h = Fixed3(fix.gridH);
        offset.values.rmsH = fix.rmsH;
        offset.values.rmsV = fix.rmsV;
        if (offset.DoModal() != IDOK) return {};
        fix.gridX = offset.Result().x;
        fix.gridY = offset.Result().y;
        fix.gridH = offset.Result().h;
        tail.mode = kOffset;
        tail.offsetDistance = offset.values.distance;
        tail.offsetHeight = offset.values.heightDiff;
        tail.offsetAngle = offset.Result().packedAngle;
    } else if (context.storeMode != kPlain && context.storeMode != kSmoothing) {
        return {};
    }
    // Power-line and tower-section points have their own store screens.
    if (context.storeKind != kPlainStoreKind) return {};
    return StorePlainPoint(fix, context.storeMode, tail);
}

StoredPointResult CSurveyPointStore::StorePlainPoint(const CGpsState& fix, int mode,
                                                     const RawStoreTail& offsetTail) {
    const PointStoreState& store = host_.Store();
    const bool smoothing = mode == kSmoothing;
    CPointStoreDlg dialog(host_, smoothing, parent_);
    dialog.values.status = SolutionStatus(fix);
    if (!smoothing) {
        dialog.values.x = Fixed3(fix.gridX);
        dialog.values.y = Fixed3(fix.gridY);
        dialog.values.h = Fixed3(fix.gridH);
        dialog.values.rmsH = Fixed3(fix.rmsH);
        dialog.values.rmsV = Fixed3(fix.rmsV);
    }
    dialog.values.name = store.context.pointName.IsEmpty() ? store.NextName() : store.context.pointName;
    dialog.values.code = store.context.code.IsEmpty() ? CString(kDefaultCode) : store.context.code;
    if (dialog.DoModal() != IDOK) {
        host_.TakeStoredPoint(store.point, {});
        return {};
    }
    SurveyPointRec point = store.point;
    point.name = dialog.values.name;
    point.code = dialog.values.code;
    point.antennaHeight = dialog.VerticalHeight();
    point.pointKind = dialog.values.kind == 0 ? kTerrain : kReference;
    point.storeFormat = store.context.recordFormat;

    std::vector<StoreEpoch> epochs;
    CGpsState finalFix = fix;
    if (smoothing) {
        const SmoothingRun& run = dialog.Smoothing();
        point.extra1 = run.Target();
        point.int14 = run.Achieved();
        for (size_t i = 0; i < run.Epochs().size(); ++i) {
            RawStoreTail tail;
            tail.mode = kSmoothing;
            tail.smoothTarget = run.Target();
            tail.smoothAchieved = run.Achieved();
            tail.epochIndex = static_cast<int>(i) + 1;
            epochs.push_back({run.Epochs()[i], tail});
        }
        finalFix = run.Averaged();
    } else {
        point.extra1 = 1;
        point.int14 = 1;
        epochs.push_back({fix, offsetTail});
    }
    const StoredPointResult result = Commit(point, finalFix, epochs, false);
    if (result.number == 0) return result;

    // The antenna height typed in the dialog becomes the job's.
    GeneralSettingsBlock settings = host_.Settings();
    const PointStoreValues& typed = dialog.values;
    if (settings.nAntHgtType != typed.antennaType || settings.szdSourceAntHgt != typed.antennaHeight ||
        settings.szdRoverAntH != dialog.VerticalHeight()) {
        settings.nAntHgtType = typed.antennaType;
        settings.szdSourceAntHgt = typed.antennaHeight;
        settings.szdRoverAntH = dialog.VerticalHeight();
        host_.SaveSettings(settings);  // its writer tells when the job file cannot be written
    }
    return result;
}

StoredPointResult CSurveyPointStore::StoreQuickPoint(const CGpsState& state) {
    const PointStoreState& store = host_.Store();
    SurveyPointRec point = store.point;
    point.name = store.NextName();
    point.pointKind = kTerrain;
    point.storeFormat = store.context.recordFormat;
    RawStoreTail tail;
    tail.mode = kAutomatic;
    tail.autoValue = store.context.autoCondition;
    tail.autoInterval = store.context.autoInterval;
    return Commit(point, state, {{state, tail}}, true);
}

StoredPointResult CSurveyPointStore::Commit(SurveyPointRec point, const CGpsState& fix,
                                            const std::vector<StoreEpoch>& epochs, bool automatic) {
    if (committing_) return {};
    committing_ = true;
    const StoredPointResult result = Write(point, fix, epochs, automatic);
    committing_ = false;
    return result;
}

StoredPointResult CSurveyPointStore::Write(SurveyPointRec point, const CGpsState& fix,
                                           const std::vector<StoreEpoch>& epochs, bool automatic) {
    TakeFix(point, fix);
    const std::optional<StoreLines> lines = BuildStoreLines(point, epochs);
    if (!lines) {
        Tell(L"点名和属性中不能有逗号,请重新输入!", automatic);
        return {};
    }
    StoreFileWriter writer;
    // The name goes to disk before the lines, so that a crash may skip a name but never repeat one.
    const StoreWrite written = writer.Prepare(host_.StoreFiles()) && host_.SaveLastStoredName(point.name)
                                   ? writer.Write(*lines)
                                   : StoreWrite::kDataFailed;
    if (written == StoreWrite::kDataFailed) {
        Tell(L"数据文件写入失败,该点没有存储!", automatic);
        return {};
    }
    StoredPointResult result;
    result.number = 1;
    result.point = {point.name, point.pointX, point.pointY, point.pointH, point.code, 0};
    point.extraText = NextPointNameOf(point.name, 1);
    host_.TakeStoredPoint(point, result);
    if (written == StoreWrite::kLibraryFailed) Tell(L"坐标库文件写入失败!", false);
    return result;
}

void CSurveyPointStore::StartAutoStore(const CGpsState& state) {
    if (state.fixFlag == 0) {
        Tell(LoadStringResource(surveystr::kNoData), false);
        return;
    }
    const PointStoreState& store = host_.Store();
    CAutoStoreDlg dialog(host_, parent_);
    // The next name, so that automatic storing never starts with a name already stored.
    dialog.SetStartName(store.NextName());
    if (dialog.DoModal() != IDOK) return;
    if (!dialog.Started()) {
        host_.SetAutoStoring(false);
        return;
    }
    SurveyPointRec point = store.point;
    point.name = dialog.values.name;
    point.extraText = dialog.values.name;
    point.code = dialog.values.code;
    point.antennaHeight = dialog.VerticalHeight();
    point.int14 = 1;
    host_.TakeStoredPoint(point, store.lastResult);
    host_.SetAutoStoring(true);
}
