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

class Supervision;

class FrameHosts {
public:
    FrameHosts(JobSession& job, const PositionConverter& position, Supervision& watch, CMainFrame& frame)
        : job_(job), position_(position), watch_(watch), frame_(frame) {}

    GeodesyHostImpl Geodesy() const { return {job_, watch_}; }
    CogoHostImpl Cogo() const { return {job_.coord, position_.Second()}; }
    ExportHostImpl Export() const { return ExportHostImpl(job_.paths); }
    SurveyHostImpl Survey() const { return SurveyHostImpl(frame_); }
    CalibrationHostImpl Calibration() const { return CalibrationHostImpl(frame_); }
    StakeoutHostImpl Stakeout() const { return StakeoutHostImpl(frame_); }
    PowerlineHostImpl Powerline() const { return PowerlineHostImpl(frame_); }

private:
    JobSession& job_;
    const PositionConverter& position_;
    Supervision& watch_;
    CMainFrame& frame_;
};
