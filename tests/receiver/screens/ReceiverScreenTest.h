#pragma once
// The receiver dialogs' test bench: the frame double's real port connected to the receiver simulator,
// the frame's routing window, a device root of the test's own with the job file's folder, and the UI
// driver with its virtual clock.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "platform/files/DevicePath.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "tests/receiver/SimulatorLink.h"
#include "tests/receiver/screens/FrameRouter.h"

class ReceiverScreenTest : public SimulatorLink {
protected:
    void SetUp() override {
        InitCommonControls();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() / ("qz-rxdlg-" + std::to_string(::getpid()) + "-" +
                                                          info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "Jobs" / "road");
        SetDeviceRoot(root_);
        frame.jobParams.ellipsoid = {L"WGS84", 6378137.0, 298.257223563};
        frame.jobParams.projection.nTouYin = 0;
        for (CCoordTransform* t : {&frame.firstTransform, &frame.secondTransform}) {
            t->SetEllipsoid(6378137.0, 298.257223563);
            t->SetProjection(0, 0.0, 500000.0, 120.0, 1.0, 0.0, 0.0);
        }
        frame.connectPortNumber = kPort;
        SimulatorLink::SetUp();
        router = std::make_unique<CFrameRouter>(frame);
    }
    void TearDown() override {
        SimulatorLink::TearDown();
        router.reset();
        std::filesystem::remove_all(root_);
    }
    // The settings as the last job-file write found them.
    GeneralSettingsBlock LastJobWrite() const {
        return frame.jobFileWrites.empty() ? GeneralSettingsBlock{} : frame.jobFileWrites.back();
    }
    // The receiver's next `epochs` seconds, each taken by the program whole: a position that arrives
    // late would otherwise count for the next second.
    void Feed(int epochs) {
        for (int i = 0; i < epochs; ++i) {
            const int before = router->PositionsSent();
            simulator.Advance(1000);
            ASSERT_TRUE(PumpUntil(simulator, [&] {
                return router->PositionsSent() > before && router->BytesTaken() == simulator.Sent().size();
            }));
        }
    }
    static std::string ScreenshotPath(const char* name) {
        std::filesystem::create_directories(std::string(QZ_BINARY_DIR) + "/screenshots");
        return std::string(QZ_BINARY_DIR) + "/screenshots/" + name + ".png";
    }

    CUiDriver ui;
    std::unique_ptr<CFrameRouter> router;
    std::filesystem::path root_;
};

// A binary command frame: '$', id, ~id, length (LE16), payload, XOR of everything before.
inline std::string Command(int id, const std::string& payload) {
    std::string out = {'$', static_cast<char>(id), static_cast<char>(~id), static_cast<char>(payload.size()),
                       '\0'};
    out += payload;
    char check = 0;
    for (char c : out) check ^= c;
    return out + check;
}
