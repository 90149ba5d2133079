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
#include "survey/screens/StoreInput.h"

namespace {
constexpr int kTerrain = 3;
constexpr int kReference = 1;
constexpr const wchar_t* kDefaultCode = L"00000000";

CString Fixed3(double value) {
    return Format(L"%.3f", value);
}
}  // namespace

bool RunOffsetStep(ISurveyHost& host, CWnd* parent, CGpsState& fix, RawStoreTail& tail) {
    COffsetStoreDlg offset(host, parent);
    offset.values.status = SolutionStatusText(fix, host);
    offset.values.x = Fixed3(fix.gridX);
    offset.values.y = Fixed3(fix.gridY);
    offset.values.h = Fixed3(fix.gridH);
    offset.values.rmsH = Fixed3(fix.rmsH);
    offset.values.rmsV = Fixed3(fix.rmsV);
    if (offset.DoModal() != IDOK) return false;
    fix.gridX = offset.Result().x;
    fix.gridY = offset.Result().y;
    fix.gridH = offset.Result().h;
    tail.mode = kStoreOffset;
    tail.offsetDistance = offset.values.distance;
    tail.offsetHeight = offset.values.heightDiff;
    tail.offsetAngle = offset.Result().packedAngle;
    return true;
}

CSurveyPointStore::CSurveyPointStore(ISurveyHost& host, CWnd* parent) : host_(host), parent_(parent) {}

void CSurveyPointStore::Tell(const CString& text, bool automatic) {
    // Automatic storing stops first: the next fix must not raise a second box under this one.
    if (automatic) host_.SetAutoStoring(false);
    MessageBox(parent_ ? parent_->m_hWnd : HWND(), text, LoadStringResource(surveystr::kInfoCaption),
               MB_OK | MB_ICONINFORMATION);
}

StoredPointResult CSurveyPointStore::StorePoint(const CGpsState& state, const StoreRequest& request) {
    if (NoCurrentFix(state)) {
        Tell(LoadStringResource(surveystr::kNoData), false);
        return {};
    }
    CGpsState fix = state;
    RawStoreTail tail;
    if (request.mode == kStoreOffset) {
        if (!RunOffsetStep(host_, parent_, fix, tail)) return {};
    } else if (request.mode == kStoreAutomatic) {
        // Automatic storing has no single point to store: it starts with its dialog, as key A does.
        StartAutoStore(state);
        return {};
    } else if (request.mode != kStorePlain && request.mode != kStoreSmoothing) {
        return {};
    }
    // Power-line and tower-section points have their own store screens.
    if (request.kind != kSurveyStoreKind) return {};
    return StorePlainPoint(fix, request, tail);
}

StoredPointResult CSurveyPointStore::StorePlainPoint(const CGpsState& fix, const StoreRequest& request,
                                                     const RawStoreTail& offsetTail) {
    const PointStoreState& store = host_.Store();
    const bool smoothing = request.mode == kStoreSmoothing;
    CPointStoreDlg dialog(host_, smoothing, parent_);
    dialog.fix.status = SolutionStatusText(fix, host_);
    if (!smoothing) dialog.ShowFix(fix);
    dialog.values.name = request.name.IsEmpty() ? store.NextName() : request.name;
    const CString code = request.keepsLastCode ? host_.Settings().connection.szLastPtCode : request.code;
    dialog.values.code = code.IsEmpty() ? CString(kDefaultCode) : code;
    if (dialog.DoModal() != IDOK) return {};
    SurveyPointRec point = store.point;
    point.name = dialog.values.name;
    point.code = dialog.values.code;
    point.antennaHeight = dialog.VerticalHeight();
    point.pointKind = dialog.values.kind == 0 ? kTerrain : kReference;
    point.storeFormat = request.format;

    std::vector<StoreEpoch> epochs;
    CGpsState finalFix = fix;
    if (smoothing) {
        const SmoothingRun& run = dialog.Smoothing();
        point.extra1 = run.Target();
        point.int14 = run.Achieved();
        epochs = SmoothedEpochs(run);
        finalFix = run.Averaged();
    } else {
        point.extra1 = 1;
        point.int14 = 1;
        epochs.push_back({fix, offsetTail});
    }
    const StoredPointResult result = Commit(point, finalFix, epochs, false);
    if (result.number == 0) return result;

    KeepTypedAntenna(host_, dialog.values.antennaType, dialog.values.antennaHeight, dialog.VerticalHeight());
    if (request.keepsLastCode) KeepLastCode(result.point.code);
    return result;
}

void CSurveyPointStore::KeepLastCode(const CString& code) {
    GeneralSettingsBlock settings = host_.Settings();
    if (settings.connection.szLastPtCode == code) return;
    settings.connection.szLastPtCode = code;
    host_.SaveSettings(settings);
}

StoredPointResult CSurveyPointStore::StoreQuickPoint(const CGpsState& state, const StoreRequest& request) {
    if (IsStaleNow(state)) return {};
    const PointStoreState& store = host_.Store();
    SurveyPointRec point = store.point;
    point.name = store.NextName();
    point.pointKind = kTerrain;
    point.storeFormat = request.format;
    RawStoreTail tail;
    tail.mode = kStoreAutomatic;
    tail.autoValue = request.autoCondition;
    tail.autoInterval = request.autoInterval;
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
    const StoreWritten written = WriteStoredPoint(point, epochs, host_.StoreFiles(),
                                                  [&] { return host_.SaveLastStoredName(point.name); });
    StoredPointResult result;
    if (PointStored(written)) {
        result.number = 1;
        result.point = {point.name, point.pointX, point.pointY, point.pointH, point.code, 0};
        point.extraText = NextPointNameOf(point.name, 1);
        host_.KeepTemplate(point);
    }
    if (!StoreToTell(written)) return result;
    const CString text = StoreWriteText(written, automatic);
    // Automatic storing goes on past bytes cut aside: a box here would hold the fixes back.
    if (automatic && !StopsAutomaticStoring(written))
        host_.TellLater(text);
    else
        Tell(text, automatic);
    return result;
}

void CSurveyPointStore::StartAutoStore(const CGpsState& state) {
    if (NoCurrentFix(state)) {
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
    host_.KeepTemplate(point);
    host_.SetAutoStoring(true);
}
