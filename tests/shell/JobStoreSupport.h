#pragma once
// The job "j" in \job with its data folder, point names and record file as a store needs them, and
// the survey store path installed on the frame.
#include <filesystem>

#include "shell/frame/CMainFrame.h"
#include "shell/hosts/SurveyHostImpl.h"
#include "survey/screens/SurveyPointStore.h"

class FrameJobStore {
    CMainFrame& frame_;

public:
    explicit FrameJobStore(CMainFrame& frame) : frame_(frame) {}

    // After the frame is created, with the device root at `root`.
    void Install(const std::filesystem::path& root) {
        std::filesystem::create_directories(root / "job/data");
        JobSession& job = frame_.Job();
        job.DerivePaths(L"\\job\\j.qzs", L"j.xyh");
        job.jobs.SetResultFileNames(job.paths.dataFolder, L"j.xyh");
        job.jobs.SetVersionInfo(CMainFrame::kSoftwareVersion, job.paths.programFolder);
        job.jobs.SetSystemFilePath(L"\\Program Files\\qzsys.sys");
        job.jobs.SetStoreNames({}, L"K1", 0.0, 1);
        frame_.Records().SetRecordFile(L"\\job\\data\\j.rec");
        frame_.SetStorePath(&store);
    }
    // The frame writes the system and job files as it closes: before the device root goes.
    void Close() {
        frame_.SetStorePath(nullptr);
        frame_.DestroyWindow();
    }

    SurveyHostImpl host{frame_};
    CSurveyPointStore store{host, &frame_};
};
