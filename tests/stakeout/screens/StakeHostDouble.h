#pragma once
// The stake-out screens' host for tests: a job "road" under the test's device root, a store path that
// stores what the test says, and a record of what the screens asked of the frame; and their bench,
// which chooses from a screen's library as the user does.
#include <vector>

#include "platform/messages/Messages.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/ListCtrl.h"
#include "stakeout/StakeoutHost.h"
#include "tests/foundation/screens/CoordLibraryHostDouble.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/stakeout/RecordingTones.h"

class StakeHostDouble : public IStakeoutHost {
public:
    HWND listener;
    HWND previous;
    GeneralSettingsBlock settings;
    StoredPointResult nextStore;
    std::vector<StoreRequest> stores;
    std::vector<CString> infoTexts;
    int reacquired = 0;
    int verified = 0;
    int coordinateViews = 0;

    void ListenForPositions(HWND window) override {
        previous = listener;
        listener = window;
    }
    void StopListening(HWND window) override {
        if (listener == window) listener = previous;
    }
    // Keys map to themselves: tests press the logical key's code.
    int LogicalKey(UINT message, UINT key) const override {
        return message == WM_KEYDOWN ? static_cast<int>(key) : 0;
    }
    CString JobFolder() const override { return L"\\Jobs\\road"; }
    CString JobFileName() const override { return L"road.qzs"; }
    CString DataFolder() const override { return L"\\Jobs\\road\\data"; }
    ICoordLibraryHost& CoordLibrary() const override { return library; }
    CString PointFileName() const override { return L"road.xyh"; }
    std::vector<CString> JobOwnFiles() const override {
        return {L"\\Jobs\\road\\data\\road.xyh", L"\\Jobs\\road\\data\\road.blh", L"\\Jobs\\road\\road.qzs"};
    }
    const GeneralSettingsBlock& Settings() const override { return settings; }
    LinkValues Link() const override { return {0, 3, 1}; }
    StoredPointResult StorePoint(const CGpsState&, const StoreRequest& request) override {
        stores.push_back(request);
        return nextStore;
    }
    void ReacquireAndSave() override { ++reacquired; }
    void RunDataVerify(CWnd*) override { ++verified; }
    void ShowReceiverInfo(CWnd*, const CString& info) override { infoTexts.push_back(info); }
    void ShowCoordinateView() override { ++coordinateViews; }
    mutable CoordLibraryHostDouble library;
};

class StakeScreenTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        InitCommonControls();
        WriteHostFile("Jobs/road/data/.keep", "");
    }

    // Clicks `button` on the screen and chooses row `row` of the library it opens with OK.
    void ChooseInLibrary(CDialog& screen, UINT button, UINT libraryDialog, UINT list, int row) {
        ui.OnModal(libraryDialog, [=](CDialog& d) {
            auto& rows = *dynamic_cast<CListCtrl*>(d.GetDlgItem(list));
            rows.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            d.SendMessage(WM_COMMAND, IDOK);
        });
        ui.Click(screen, button);
    }

    // A fixed position at grid (n, e, h) with time 10:15:20.
    static CGpsState Fix(double n, double e, double h = 10.0) {
        CGpsState fix;
        fix.fixFlag = 1;
        fix.solutionCode = kSolFixed;
        fix.solutionText = L"FIXED";
        fix.latitude = 30.0;
        fix.longitude = 114.0;
        fix.gridX = n;
        fix.gridY = e;
        fix.gridH = h;
        fix.gpsUsedCount = 9;
        fix.rmsH = 0.011;
        fix.rmsV = 0.022;
        fix.hour = 10;
        fix.minute = 15;
        fix.second = 20;
        return fix;
    }

    StakeHostDouble host;
    CUiDriver ui;
    RecordingTones tones;
};
