#pragma once
// What the power-line screens and their store dialogs need of the main frame. The store dialogs
// share the survey screens' host (settings, antenna constants, the job's store files and names,
// the store listener, automatic storing, the tone); the names of a power-line store go through the
// two operations below, so that no later store, here or on the map, repeats one.
#include "foundation/PointRecord.h"
#include "foundation/TextTriple.h"
#include "platform/base/WinTypes.h"
#include "survey/AutoStoreTrigger.h"
#include "survey/SurveyHost.h"

class CWnd;

class IPowerlineHost {
public:
    virtual ~IPowerlineHost() = default;

    virtual ISurveyHost& Survey() = 0;
    virtual const ISurveyHost& Survey() const = 0;

    // Writes the name about to be stored and the J, Z and N series as they stand after this store
    // into the system file, before the point's lines are written; false when it was not written.
    virtual bool SaveStoredNames(const CString& stored, const TextTriple& series) = 0;
    // After the point is on disk: the job's store state takes the next name, the series and the
    // result, so the map's next store and a power-line screen opened later continue after them.
    virtual void TakeStoredNames(const CString& next, const TextTriple& series,
                                 const StoredPointResult& result) = 0;

    // ---- what the two screens need besides storing
    // Positions (message 1912) go to `window` until StopListening gives them back to the window
    // that had them before.
    virtual void ListenForPositions(HWND window) = 0;
    virtual void StopListening(HWND window) = 0;
    // The logical key of a key message.
    virtual int LogicalKey(UINT message, UINT key) const = 0;
    virtual CString JobFolder() const = 0;
    // True when the frame's automatic storing runs and `trigger` takes this fix (the attempt is
    // counted); the first fix after the start is always taken.
    virtual bool AutoStoreDue(AutoStoreTrigger& trigger, const CGpsState& fix) = 0;
    // A stored point joins the job's record file and the main map's points.
    virtual void AddStoredPoint(const PointRecord& point) = 0;
    virtual void RunDataVerify(CWnd* parent) = 0;
    // The coordinate view of the job's stored points, modal.
    virtual void ShowCoordinateView() = 0;
};
