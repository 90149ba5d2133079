#pragma once
// A frame fed by the receiver simulator's scripted walk, and walk legs to grid points of the job:
// each goes to the WGS-84 position the job's own projection gives back for the grid point, so a
// hold point made from grid coordinates is hit exactly (no datum shift in this job).
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <numbers>
#include <string>

#include "geodesy/CoordParamsApply.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"

class SimWalkTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        ApplyCoordParams(FrameProbe::Job(frame).CoordParams(), offline_);
    }
    void TearDown() override {
        if (far_ >= 0) close(far_);
        FrameTest::TearDown();
    }

    // Starts the simulator on `script`; the terminal's far end is drained as a port would read it.
    void StartWalk(const std::string& script) {
        sim::SimOptions options;
        std::string error;
        ASSERT_TRUE(sim::WalkScript::Parse(script, &options.script, &error)) << error;
        simulator_ = std::make_unique<sim::CReceiverSimulator>(options);
        ASSERT_TRUE(simulator_->Open());
        far_ = open(simulator_->DevicePath().c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
        ASSERT_GE(far_, 0);
    }
    // Walks on to `ms` of the walk's time a second at a time; the frame hears every byte. With
    // `withClock` the program's virtual clock keeps the walk's time, so the frame's ticks run and
    // whatever the program does on a fix happens at the fix's time.
    void WalkTo(int64_t ms, bool withClock = false) {
        while (simulator_->NowMs() < ms) {
            simulator_->Advance(1000);
            if (withClock) ui_.Advance(1000);
            char drain[8192];
            while (read(far_, drain, sizeof drain) > 0) {
            }
            const std::string& sent = simulator_->Sent();
            Feed(sent.substr(fed_));
            fed_ = sent.size();
            ui_.Pump();
        }
    }
    // "goto" to the WGS-84 position of grid (n, e) at ellipsoidal height h: the inverse series,
    // then Newton steps on the forward one (the frame's), which close its 0.1 mm to 1e-8 m.
    std::string GotoGrid(double seconds, double n, double e, double h, const char* fix = "fixed") const {
        double b = 0, l = 0;
        offline_.PlaneToGeodetic(0, n, e, b, l);
        b *= 180 / std::numbers::pi;
        l *= 180 / std::numbers::pi;
        constexpr double kStep = 1e-6;  // degrees
        for (int i = 0; i < 3; ++i) {
            double fn = 0, fe = 0, bn = 0, be = 0, ln = 0, le = 0;
            Raw(b, l, fn, fe);
            Raw(b + kStep, l, bn, be);
            Raw(b, l + kStep, ln, le);
            const double j11 = (bn - fn) / kStep, j12 = (ln - fn) / kStep;
            const double j21 = (be - fe) / kStep, j22 = (le - fe) / kStep;
            const double det = j11 * j22 - j12 * j21;
            b += (j22 * (n - fn) - j12 * (e - fe)) / det;
            l += (j11 * (e - fe) - j21 * (n - fn)) / det;
        }
        return GotoLine(seconds, b, l, h, fix);
    }
    static std::string GotoLine(double seconds, double latitude, double longitude, double height,
                                const char* fix = "fixed") {
        char line[160];
        std::snprintf(line, sizeof line, "goto %g %.12f %.12f %.4f %s\n", seconds, latitude, longitude,
                      height, fix);
        return line;
    }
    // The grid the job's projection gives a WGS-84 position.
    void Raw(double latitude, double longitude, double& n, double& e) const {
        offline_.GeodeticToPlane(0, latitude, longitude, n, e);
    }

    CCoordTransform offline_;
    std::unique_ptr<sim::CReceiverSimulator> simulator_;

private:
    int far_ = -1;
    size_t fed_ = 0;
};
