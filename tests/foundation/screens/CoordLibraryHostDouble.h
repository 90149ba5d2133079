#pragma once
// The coordinate library host of a job "road" under a fresh device root, for the screen tests.
#include <gtest/gtest.h>

#include "foundation/CoordLibraryHost.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "tests/platform/files/DeviceRootFixture.h"

class CoordLibraryHostDouble : public ICoordLibraryHost {
public:
    GeoPointChoice geoPick;  // what the latitude/longitude library gives
    CString jobFolder = L"\\Jobs\\road";
    CString JobFolder() const override { return jobFolder; }
    CString JobFileName() const override { return L"road.qzs"; }
    CString DataFolder() const override { return L"\\Jobs\\road\\data"; }
    void Wgs84ToLocalPlane(double b, double l, double h, double& n, double& e, double& hOut) override {
        n = b * 1000.0;
        e = l * 1000.0;
        hOut = h;
    }
    GeoPointChoice PickGeoPoint(CWnd*) override { return geoPick; }
};

class ScreenTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        InitCommonControls();
        WriteHostFile("Jobs/road/data/.keep", "");
    }

    CoordLibraryHostDouble frame;
    CUiDriver ui;
};
