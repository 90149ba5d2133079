#pragma once
// What the stake-out screens need of the main frame besides what every plot screen needs: the
// job's paths and settings, the store path and the receiver dialogs. Reads are const; everything
// else is an operation.
#include <cstdint>
#include <vector>

#include "foundation/CGpsState.h"
#include "foundation/CoordLibraryHost.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/PointRecord.h"
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"
#include "stakeout/PlotScreenHost.h"
#include "survey/PlotKeys.h"
#include "survey/PointStorePath.h"

class CWnd;

// The data-link indicator of the plots: the link kind, its channel and whether it is configured.
struct LinkValues {
    int32_t kind = 0;
    int32_t number = 0;
    int32_t shown = 0;
};

class IStakeoutHost : public IPlotScreenHost {
public:
    virtual CString JobFileName() const = 0;
    virtual CString DataFolder() const = 0;
    // The job's coordinate library, for the screens that pick from it.
    virtual ICoordLibraryHost& CoordLibrary() const = 0;
    // The name of the job's point file (e.g. "road.xyh"), as the receiver information shows it.
    virtual CString PointFileName() const = 0;
    // The device paths of the job's own files (JobOwnFiles.h): no export replaces one of them.
    virtual std::vector<CString> JobOwnFiles() const = 0;
    virtual const GeneralSettingsBlock& Settings() const = 0;
    virtual LinkValues Link() const = 0;

    // Through the job's one store path with its dialogs; a result number of 0 stored nothing.
    virtual StoredPointResult StorePoint(const CGpsState& fix, const StoreRequest& request) = 0;
    virtual void ReacquireAndSave() = 0;
    // The receiver information dialog with the screen's help text; the positions stay with the
    // screen afterwards.
    virtual void ShowReceiverInfo(CWnd* parent, const CString& info) = 0;
};
