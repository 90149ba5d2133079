#pragma once
// The job "j" in \job with its data folder, point names and record file as a store needs them, and
// the survey store path installed on the frame.
#include <filesystem>

#include "shell/frame/CMainFrame.h"
#include "shell/hosts/SurveyHostImpl.h"
#include "survey/screens/SurveyPointStore.h"
#include "tests/shell/FrameProbe.h"

class FrameJobStore {
    CMainFrame& frame_;

public:
    explicit FrameJobStore(CMainFrame& frame) : frame_(frame) {}

    // After the frame is created, with the device root at `root`.
    void Install(const std::filesystem::path& root) {
        std::filesystem::create_directories(root / "job/data");
        JobSession& job = FrameProbe::Job(frame_);
        job.UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
        job.UsePointFile(L"j.xyh");
        job.SetPointNames({}, L"K1", 0.0);
        FrameProbe::Records(frame_).SetRecordFile(L"\\job\\data\\j.rec");
        FrameProbe::SetStorePath(frame_, &store);
    }
    // The frame writes the system and job files as it closes: before the device root goes.
    void Close() {
        FrameProbe::SetStorePath(frame_, nullptr);
        frame_.DestroyWindow();
    }

    SurveyHostImpl host{FrameProbe::Hosts(frame_).Survey()};
    CSurveyPointStore store{host, &frame_};
};
