#pragma once
// The line stake-out screen (15257): guides the user onto a line of a line file with the offset and
// its side, the distances to both ends, the mileage and the moves to the foot, with prompt bands and
// tones near the line and at whole mileages; steps through the lines and stores staked points through
// the job's store path into the file's *.lnr.
#include <optional>
#include <vector>

#include "stakeout/LineGuidance.h"
#include "stakeout/PromptMarks.h"
#include "stakeout/StakeReadouts.h"
#include "stakeout/StakeSettings.h"
#include "stakeout/screens/CStakePlotDlg.h"

class CLineStakeDlg : public CStakePlotDlg {
public:
    CLineStakeDlg(IStakeoutHost& host, CWnd* parent);

    const LineReadouts& Readouts() const { return readouts_; }
    const LineStakeSettings& Settings() const { return settings_; }
    const std::optional<LineSegRec>& CurrentLine() const { return line_; }
    int LineIndex() const { return lineIndex_; }
    const std::vector<LineSegRec>& Lines() const { return lines_; }
    // The prompt bands drawn by the last fix.
    const std::vector<PixelSegment>& LastBands() const { return lastBands_; }

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
    void SaveSettings();
    void ShowReadouts();
    // A new current line (or none): no latch and no readout of the previous line stays.
    void StartLine();
    void DrawLine(CDC& dc, const LineSegRec& line, bool current);

    LineGuidance guidance_;
    std::optional<LineSegRec> line_;
    int lineIndex_ = -1;
    LineReadouts readouts_;
    std::vector<LineSegRec> lines_;
    LineStakeSettings settings_;
    LinePromptLatches latches_;
    std::vector<PixelSegment> lastBands_;
};
