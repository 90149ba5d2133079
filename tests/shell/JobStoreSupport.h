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
        job.DerivePaths(L"\\job\\j.qzs", L"j.xyh");
        job.jobs.SetResultFileNames(job.paths.dataFolder, L"j.xyh");
        job.jobs.SetVersionInfo(mainframe::kSoftwareVersion, job.paths.programFolder);
        job.jobs.SetSystemFilePath(L"\\Program Files\\qzsys.sys");
        job.jobs.SetStoreNames({}, L"K1", 0.0, 1);
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
