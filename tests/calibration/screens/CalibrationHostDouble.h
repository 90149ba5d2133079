#pragma once
// The calibration screens' frame for tests: the job "road" in the program folder of a fresh device root with
// the calibration test job's coordinate system, a fix, the rover's antenna, and stores that keep what they
// were given (or refuse, as an unwritable job does).
#include <vector>

#include "calibration/CalibrationHost.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "tests/calibration/CalibrationJob.h"
#include "tests/platform/files/DeviceRootFixture.h"

// The coordinate library of a host's job, picking geodetic points through the host.
class HostLibraryDouble final : public ICoordLibraryHost {
public:
    explicit HostLibraryDouble(const ICalibrationHost& host) : host_(host) {}
    CString JobFolder() const override { return host_.JobFolder(); }
    CString JobFileName() const override { return host_.JobFileName(); }
    CString DataFolder() const override { return host_.DataFolder(); }
    void Wgs84ToLocalPlane(double b, double l, double h, double& n, double& e, double& hOut) override {
        host_.CalibrationConverter().Wgs84ToLocalPlane(b, l, h, n, e, hOut);
    }
    GeoPointChoice PickGeoPoint(CWnd* parent) override { return host_.PickGeoPoint(parent); }

private:
    const ICalibrationHost& host_;
};

class CalibrationHostDouble : public ICalibrationHost {
public:
    CalibrationHostDouble() : coord(CalibrationJobParams()), converter(CalibrationJobConverter()) {}

    const CoordSysParams& CoordParams() const override { return coord; }
    const GeneralSettingsBlock& Settings() const override { return settings; }
    const CCoordTransform& CalibrationConverter() const override { return converter; }
    const CGpsState& LatestFix() const override { return fix; }
    AntennaConstants Antenna() const override { return antenna; }
    CString RootFolder() const override { return L"\\Program Files"; }
    CString JobFolder() const override { return L"\\Program Files\\Jobs\\road\\"; }
    CString JobFileName() const override { return L"road.qzs"; }
    CString DataFolder() const override { return L"\\Program Files\\Jobs\\road\\data\\"; }
    CString ResultFolder() const override { return L"\\Program Files\\Jobs\\road\\result\\"; }
    CString SetupFolder() const override { return L"\\Program Files\\"; }
    GeoPointChoice PickGeoPoint(CWnd*) const override { return geoPick; }
    ICoordLibraryHost& CoordLibrary() const override { return library; }
    bool BaseReceivedFixed() const override { return baseReceived; }
    void PlayTone() override { ++tones; }
    const CalibrationMemory& Memory() const override { return memory; }
    void Remember(const CalibrationMemory& remembered) override { memory = remembered; }
    bool SaveCoordParams(const CoordSysParams& params) override {
        if (!writable) return false;
        coord = params;
        ++coordWrites;
        return true;
    }
    bool SaveSettings(const GeneralSettingsBlock& block) override {
        if (!writable) return false;
        settings = block;
        ++settingsWrites;
        return true;
    }

    CoordSysParams coord;
    GeneralSettingsBlock settings;
    CCoordTransform converter;
    CGpsState fix;
    CalibrationMemory memory;
    GeoPointChoice geoPick;  // what the latitude/longitude library gives
    AntennaConstants antenna{0.05, 0.1, 0.1};
    bool writable = true;
    bool baseReceived = false;
    int tones = 0;
    int coordWrites = 0;
    int settingsWrites = 0;
    mutable HostLibraryDouble library{*this};
};

class CalibrationScreenTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        InitCommonControls();
        WriteHostFile("Program Files/Jobs/road/data/.keep", "");
        WriteHostFile("Program Files/Jobs/road/result/.keep", "");
    }

    CUiDriver ui;
    CalibrationHostDouble host;
};
