#include "powerline/screens/PowerlineStore.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/Wnd.h"
#include "powerline/CPointStoreCtrl.h"
#include "powerline/screens/CDaohengStoreDlg.h"
#include "powerline/screens/CPowerlineStoreDlg.h"
#include "resources/SurveyStrings.h"
#include "survey/SurveyHost.h"
#include "survey/screens/CAutoStoreDlg.h"
#include "survey/screens/StoreInput.h"
#include "survey/screens/SurveyPointStore.h"

namespace {
enum StoreMode { kPlain = 0, kOffset = 1, kSmoothing = 2, kAutomatic = 3 };

void Tell(CWnd* parent, const CString& text) {
    MessageBox(parent ? parent->m_hWnd : HWND(), text, LoadStringResource(surveystr::kInfoCaption),
               MB_OK | MB_ICONINFORMATION);
}
}  // namespace

CPowerlineStore::CPowerlineStore(ISurveyHost& survey, CPointStoreCtrl& ctrl, CWnd* parent)
    : survey_(survey), ctrl_(ctrl), parent_(parent) {}

void CPowerlineStore::TakeRequest(const StoreRequest& request) {
    ctrl_.SetPointContext(request.mode, request.kind, request.format, request.name, request.autoCondition,
                          request.autoInterval, request.code);
}

StoredPointResult CPowerlineStore::StorePoint(const CGpsState& state, const StoreRequest& request) {
    ISurveyHost& survey = survey_;
    TakeRequest(request);
    if (NoCurrentFix(state)) {
        Tell(parent_, LoadStringResource(surveystr::kNoData));
        return {};
    }
    const StorePointSubBlock& context = ctrl_.Context();
    CGpsState fix = state;
    RawStoreTail tail;
    if (context.storeMode == kOffset) {
        if (!RunOffsetStep(survey, parent_, fix, tail)) return {};
    } else if (context.storeMode != kPlain && context.storeMode != kSmoothing) {
        return {};
    }
    const bool smoothing = context.storeMode == kSmoothing;
    const auto dialog = MakeStoreDialog(context.storeKind, context.recordFormat, survey, smoothing, parent_);
    if (!dialog) return {};
    dialog->fix.status = SolutionStatusText(fix, survey);
    if (!smoothing) dialog->ShowFix(fix);
    dialog->answers = ctrl_.PrimedAnswers();
    dialog->series = ctrl_.Template().texts;
    dialog->sectionLabel = ctrl_.SectionLabel();
    const CrossingLineBlock& crossing = survey.Store().crossing;
    if (auto* daoheng = dynamic_cast<CDaohengStoreDlg*>(dialog.get()); daoheng && crossing.IsSet())
        daoheng->SetCrossingBlock(crossing);
    if (dialog->DoModal() != IDOK) return {};

    const SurveyPointRec point = ctrl_.TakeOver(dialog->answers);
    const StoreWritten written =
        smoothing ? ctrl_.Commit(point, dialog->Smoothing().Averaged(), SmoothedEpochs(dialog->Smoothing()))
                  : ctrl_.Commit(point, fix, {{fix, tail}});
    if (StoreToTell(written)) Tell(parent_, StoreWriteText(written, false));
    if (!PointStored(written)) return {};
    KeepTypedAntenna(survey, dialog->antennaType, dialog->measuredAntenna, dialog->answers.antennaHeight);
    return ctrl_.LastResult();
}

StoredPointResult CPowerlineStore::StoreQuickPoint(const CGpsState& state, const StoreRequest& request) {
    TakeRequest(request);
    if (IsStaleNow(state)) return {};
    RawStoreTail tail;
    tail.mode = kAutomatic;
    tail.autoValue = ctrl_.Context().autoCondition;
    tail.autoInterval = ctrl_.Context().autoInterval;
    const StoreWritten written = ctrl_.Commit(ctrl_.QuickPoint(), state, {{state, tail}});
    if (StoreToTell(written)) {
        const CString text = StoreWriteText(written, true);
        if (StopsAutomaticStoring(written)) {
            survey_.SetAutoStoring(false);  // no second box under this one
            Tell(parent_, text);
        } else {
            survey_.TellLater(text);  // storing goes on: no box holds the fixes back
        }
    }
    return PointStored(written) ? ctrl_.LastResult() : StoredPointResult{};
}

void CPowerlineStore::StartAutoStore(const CGpsState& state) {
    ISurveyHost& survey = survey_;
    if (NoCurrentFix(state)) {
        Tell(parent_, LoadStringResource(surveystr::kNoData));
        return;
    }
    CAutoStoreDlg dialog(survey, parent_);
    dialog.SetStartName(ctrl_.Template().extraText);
    if (dialog.DoModal() != IDOK) return;
    if (!dialog.Started()) {
        survey.SetAutoStoring(false);
        return;
    }
    ctrl_.TakeAutoStoreStart(dialog.values.name, dialog.values.code, dialog.VerticalHeight());
    survey.SetAutoStoring(true);
}
