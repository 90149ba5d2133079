#pragma once
// The frame as far as the parser reaches it: the state, the settings block, the system record and the
// version fields. What the parser never asks for traps, so a benchmark or the fuzz target that starts
// to need it fails loudly. Screens' doubles derive from it and serve the rest.
#include <cmath>

#include "foundation/CGpsState.h"
#include "receiver/IFrameServices.h"

class CParserOnlyFrame : public IFrameServices {
public:
    CSerialPort& SerialPort() override { __builtin_trap(); }
    CGpsState& GpsState() override { return state; }
    GeneralSettingsBlock& GeneralSettings() override { return settings; }
    LastFilesRecord& SystemRecord() override { return system; }
    CDeviceIo& DeviceIo() override { __builtin_trap(); }
    GgaRecord& NetworkGga() override { __builtin_trap(); }
    int BaseFlag() const override { return baseFlag; }
    int ReceiverModelNumber() const override { return 0; }
    HWND PositionWindow() const override { return nullptr; }
    // Not geodesy, only finite numbers that follow the input.
    void Wgs84BlhToXyz(double lat, double lon, double h, double* x, double* y, double* z) override {
        *x = std::cos(lat) * std::cos(lon) * h;
        *y = std::cos(lat) * std::sin(lon) * h;
        *z = std::sin(lat) * h;
    }
    CModuleCommandQueue& ModuleQueue() override { __builtin_trap(); }
    void ListenForPositions(HWND) override {}
    void StopListening(HWND) override {}
    void SetAuxNotifyWnd(HWND) override {}
    int VerificationFlag() const override { return 0; }
    void SetVerificationFlag(int) override {}
    int ModuleNetworkType() const override { return 0; }
    int ConnectReceiver(int, int, int, int) override { return 0; }
    CoordSysParams& JobCoordParams() override { __builtin_trap(); }
    CCoordTransform& PositionTransform() override { __builtin_trap(); }
    CCoordTransform& DialogTransform() override { __builtin_trap(); }
    CJobSettings& JobSettings() override { __builtin_trap(); }
    CGpsParser& Parser() override { __builtin_trap(); }
    ReceiverVersionInfo VersionInfo() const override { return versionInfo; }
    bool WriteJobParams() override { return false; }
    void SetRadioLink(int) override {}
    HWND FrameWindow() const override { return nullptr; }

    ReceiverVersionInfo versionInfo;
    CGpsState state;
    GeneralSettingsBlock settings;
    LastFilesRecord system;
    int baseFlag = 0;
};
