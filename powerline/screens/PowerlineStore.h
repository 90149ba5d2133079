#pragma once
// The store path of the power-line screens: the refusal without data, the offset step in offset
// mode, the store dialog of the request's kind and survey format (smoothing in smoothing mode),
// then the controller's take-over and write. Also the point without dialog of automatic storing
// and the start of automatic storing. A store that fails is told and changes nothing.
#include "survey/PointStorePath.h"

class CWnd;
class CPointStoreCtrl;
class ISurveyHost;

class CPowerlineStore final : public IPointStorePath {
public:
    CPowerlineStore(ISurveyHost& survey, CPointStoreCtrl& ctrl, CWnd* parent);

    // The request becomes the controller's context: its dialogs and take-over rule follow it.
    StoredPointResult StorePoint(const CGpsState& state, const StoreRequest& request) override;
    StoredPointResult StoreQuickPoint(const CGpsState& state, const StoreRequest& request) override;
    void StartAutoStore(const CGpsState& state) override;

private:
    void TakeRequest(const StoreRequest& request);

    ISurveyHost& survey_;
    CPointStoreCtrl& ctrl_;
    CWnd* parent_;
};
