// The point stake-out screen's own commands: stepping through the library, the library, settings
// and information.
#include "platform/ui/StringTable.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/screens/CStakePointLibDlg.h"
#include "stakeout/screens/CStakePromptDlg.h"
#include "stakeout/screens/CStakeSettingsDlg.h"
#include "stakeout/screens/CStakeoutDlg.h"

namespace {
using namespace pointstake;

bool SamePoint(const PointRecord& a, const PointRecord& b) {
    return a.name == b.name && a.x == b.x && a.y == b.y && a.h == b.h;
}
}  // namespace

std::optional<CString> CStakeoutDlg::StoreName() const {
    if (!target_) return std::nullopt;
    return target_->name;
}

void CStakeoutDlg::Step(int direction) {
    if (!target_) return;
    const int last = static_cast<int>(points_.size()) - 1;
    const bool next = direction == 0;
    const bool atEnd = next ? targetIndex_ >= last : targetIndex_ <= 0;
    const int shown = atEnd ? (next ? last : 0) : targetIndex_ + (next ? 1 : -1);
    if (shown < 0 || shown > last) return;
    const wchar_t* message =
        next ? (atEnd ? L"已经是最后一点,最后一点坐标为:" : L"确定放样下一点吗?下一点坐标为:")
             : (atEnd ? L"已经是第一点,第一点坐标为:" : L"确定放样上一点吗?上一点坐标为:");
    CStakePromptDlg prompt(this);
    prompt.SetPoint(message, points_[static_cast<size_t>(shown)]);
    if (prompt.DoModal() == IDOK && !atEnd) SelectTarget(shown);
}

void CStakeoutDlg::SelectTarget(int index) {
    targetIndex_ = index;
    target_ = points_[static_cast<size_t>(index)];
    beep_.Rearm();
    FitView();
}

void CStakeoutDlg::OnLibrary() {
    CStakePointLibDlg dlg(host_, this);
    if (!settings_.curLayoutFileName.IsEmpty()) dlg.SetLibraryPath(settings_.curLayoutFileName);
    if (target_) dlg.SetSelectedPoint(targetIndex_);
    if (dlg.DoModal() != IDOK) return;
    SetStakePoints(dlg.Points());
    const int chosen = dlg.Chosen() ? dlg.ChosenPoint() : targetIndex_;
    const bool holds = chosen >= 0 && chosen < static_cast<int>(points_.size()) &&
                       (dlg.Chosen() || SamePoint(points_[static_cast<size_t>(chosen)], *target_));
    if (holds) {
        targetIndex_ = chosen;
        target_ = points_[static_cast<size_t>(chosen)];
    } else {
        targetIndex_ = -1;
        target_.reset();
    }
    if (dlg.LibraryPath() != settings_.curLayoutFileName) {
        settings_.curLayoutFileName = dlg.LibraryPath();
        SaveSettings();
        ReloadRecords();
    }
    beep_.Rearm();
    FitView();
    RepaintPlot();
}

void CStakeoutDlg::OnSettings() {
    CStakeSettingsDlg dlg(this);
    dlg.settings = settings_;
    dlg.viewMode = viewMode_;
    if (dlg.DoModal() != IDOK) return;
    settings_ = dlg.settings;
    viewMode_ = dlg.viewMode;
    if (settings_.soundPrompt) beep_.Rearm();
    SaveSettings();
    RepaintPlot();
}

void CStakeoutDlg::SaveSettings() {
    SavePointStakeSettings(PointStakeSettingsPath(host_.JobFolder()), settings_);
}

void CStakeoutDlg::OnInfo() {
    ShowInfo(LoadStringResource(kModeText), kKeyHelp);
}
