// The line stake-out screen's own commands: stepping through the lines, the line library, settings
// and information.
#include "resources/LineStakeDlg.h"
#include "stakeout/screens/CLinePromptDlg.h"
#include "stakeout/screens/CLineStakeDlg.h"
#include "stakeout/screens/CLineStakeSetDlg.h"
#include "stakeout/screens/CStakeLineLibDlg.h"

namespace {
using namespace linestake;
}  // namespace

std::optional<CString> CLineStakeDlg::StoreName() const {
    if (!line_) return std::nullopt;
    return CString();
}

void CLineStakeDlg::Step(int direction) {
    if (!line_) return;
    const int last = static_cast<int>(lines_.size()) - 1;
    const bool next = direction == 0;
    const bool atEnd = next ? lineIndex_ >= last : lineIndex_ <= 0;
    const int shown = atEnd ? (next ? last : 0) : lineIndex_ + (next ? 1 : -1);
    if (shown < 0 || shown > last) return;
    const wchar_t* message =
        next ? (atEnd ? L"已经是最后一条线,最后一条线为:" : L"确定放样下一条线吗?下一条线为:")
             : (atEnd ? L"已经是第一条线,第一条线为:" : L"确定放样上一条线吗?上一条线为:");
    CLinePromptDlg prompt(this);
    prompt.SetLine(message, lines_[static_cast<size_t>(shown)]);
    if (prompt.DoModal() != IDOK || atEnd) return;
    lineIndex_ = shown;
    line_ = lines_[static_cast<size_t>(shown)];
    StartLine();
    FitView();
}

void CLineStakeDlg::OnLibrary() {
    CStakeLineLibDlg dlg(host_, this);
    if (!settings_.curLayoutFileName.IsEmpty()) dlg.SetFileName(settings_.curLayoutFileName);
    if (line_) dlg.SetSelectedIndex(lineIndex_);
    if (dlg.DoModal() != IDOK) return;
    lines_ = dlg.Lines();
    std::vector<const PointRecord*> ends;
    for (const LineSegRec& l : lines_) ends.insert(ends.end(), {&l.start, &l.end});
    ShowOnCanvas(ends);
    const int index = dlg.Selected() ? dlg.SelectedIndex() : -1;
    if (index >= 0 && index < static_cast<int>(lines_.size())) {
        lineIndex_ = index;
        line_ = lines_[static_cast<size_t>(index)];
    } else {
        lineIndex_ = -1;
        line_.reset();
    }
    StartLine();
    if (dlg.FileName() != settings_.curLayoutFileName) {
        settings_.curLayoutFileName = dlg.FileName();
        SaveSettings();
        ReloadRecords();
    }
    FitView();
    RepaintPlot();
}

void CLineStakeDlg::OnSettings() {
    CLineStakeSetDlg dlg(this);
    dlg.settings = settings_;
    dlg.viewMode = viewMode_;
    // Cancel keeps the view mode the screen had.
    if (dlg.DoModal() != IDOK) return;
    settings_ = dlg.settings;
    latches_.nearLine = 0;
    viewMode_ = dlg.viewMode;
    SaveSettings();
    RepaintPlot();
}

void CLineStakeDlg::SaveSettings() {
    SaveLineStakeSettings(LineStakeSettingsPath(host_.JobFolder()), settings_);
}

void CLineStakeDlg::OnInfo() {
    ShowInfo(L"当前模式:线放样", kKeyHelp);
}
