#pragma once
// The point stake-out screen (15256): guides the user to one point of a stake library with the
// offsets north, east and up, the distance and azimuth, close-up rings and a beep, steps through the
// library, and stores staked points through the job's store path into the library's *.ptr file.
#include <optional>
#include <vector>

#include "stakeout/PointGuidance.h"
#include "stakeout/StakeReadouts.h"
#include "stakeout/StakeSettings.h"
#include "stakeout/screens/CStakePlotDlg.h"

class CStakeoutDlg : public CStakePlotDlg {
public:
    CStakeoutDlg(IStakeoutHost& host, CWnd* parent);

    const PointReadouts& Readouts() const { return readouts_; }
    const PointStakeSettings& Settings() const { return settings_; }
    // The target and its index in the stake points; nullopt without one.
    const std::optional<PointRecord>& Target() const { return target_; }
    int TargetIndex() const { return targetIndex_; }
    const std::vector<PointRecord>& StakePoints() const { return points_; }
    // The ring radii drawn by the last fix.
    const std::vector<int32_t>& LastRings() const { return lastRings_; }

protected:
    BOOL OnInitDialog() override;
    void Guide(CDC& dc) override;
    void DrawDesign(CDC& dc) override;
    void FitView() override;
    void Step(int direction) override;
    void OnLibrary() override;
    void OnSettings() override;
    void OnInfo() override;
    std::optional<CString> StoreName() const override;
    void ShowPickedPoint(const PointRecord& point) override;
    const CString& LibraryPath() const override { return settings_.curLayoutFileName; }
    RecordDisplay RecordsOnPlot() const override;

private:
    void SelectTarget(int index);
    // The library's points become the targets and the canvas's points.
    void SetStakePoints(std::vector<PointRecord> points);
    void SaveSettings();
    void ShowTexts();
    void DrawGuideLines(CDC& dc);

    PointReadouts readouts_;
    std::optional<PointRecord> target_;
    int targetIndex_ = -1;
    std::optional<WorldPoint> guideEnd_;  // the position the guide line drawn last ends at
    PointStakeSettings settings_;
    EntryBeepLatch beep_;
    std::vector<PointRecord> points_;
    std::vector<int32_t> lastRings_;
};
