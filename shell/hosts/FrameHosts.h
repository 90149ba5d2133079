#pragma once
// The one place that knows which of the frame's parts each host is built from: the menu commands,
// the main view and start-up ask it for a host when they open a screen.
#include "shell/frame/JobSession.h"
#include "shell/frame/PositionConverter.h"
#include "shell/hosts/CalibrationHostImpl.h"
#include "shell/hosts/CogoHostImpl.h"
#include "shell/hosts/ExportHostImpl.h"
#include "shell/hosts/GeodesyHostImpl.h"
#include "shell/hosts/PowerlineHostImpl.h"
#include "shell/hosts/StakeoutHostImpl.h"
#include "shell/hosts/SurveyHostImpl.h"

class DisplayPointFill;
class ICoordLibraryHost;
class IFrameOperations;
class IReceiverHost;
class IPointStorePath;
class PositionListeners;
class ReceiverLink;
class Supervision;
class SurveyRecords;
struct AutoStoreState;
struct CalibrationMemory;

// The frame's parts a host may be built from.
struct HostParts {
    JobSession& job;
    const PositionConverter& position;
    ReceiverLink& receiver;
    PositionListeners& listeners;
    Supervision& watch;
    SurveyRecords& records;
    DisplayPointFill& displayFill;
    AutoStoreState& autoStore;
    CalibrationMemory& calibration;
    IPointStorePath& storePath;
    IReceiverHost& services;
    ICoordLibraryHost& library;
    IFrameOperations& window;
};

class FrameHosts {
public:
    explicit FrameHosts(const HostParts& parts) : p_(parts) {}

    GeodesyHostImpl Geodesy() const { return {p_.job, p_.watch}; }
    CogoHostImpl Cogo() const { return {p_.job.CoordParams(), p_.position.Second()}; }
    ExportHostImpl Export() const { return {p_.job.Paths(), p_.job.CoordParams(), p_.position.First()}; }
    SurveyHostImpl Survey() const {
        return {p_.job,       p_.receiver,    p_.records, p_.listeners,
                p_.autoStore, p_.displayFill, p_.library, p_.window};
    }
    CalibrationHostImpl Calibration() const {
        return {p_.job, p_.position, p_.receiver, p_.watch, p_.calibration, p_.library};
    }
    StakeoutHostImpl Stakeout() const {
        return {Survey(), p_.listeners, p_.services, p_.job, p_.receiver, p_.storePath, p_.window};
    }
    PowerlineHostImpl Powerline() const {
        return {Survey(), p_.listeners, p_.services, p_.job, p_.autoStore, p_.records};
    }

private:
    HostParts p_;
};
