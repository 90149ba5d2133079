#pragma once
// The frame as far as the parser reaches it: the state, the settings block, the system record and the
// version fields. What the parser never asks for traps, so a benchmark or the fuzz target that starts
// to need it fails loudly. Screens' doubles derive from it and serve the rest.
#include <cmath>

#include "foundation/CGpsState.h"
#include "receiver/IFrameServices.h"

class CParserOnlyFrame : public IFrameServices {
public:
    IReceiverPort& Port() override { __builtin_trap(); }
    const CGpsState& LatestFix() const override { return state; }
    const GeneralSettingsBlock& Settings() const override { return settings; }
    int BoardType() const override { return system.nGPSOEMType; }
    bool SaveSettings(const GeneralSettingsBlock&) override { __builtin_trap(); }
    void UseRadioChannel(int) override { __builtin_trap(); }
    void ShowModuleStatus(const CString&) override { __builtin_trap(); }
    void ClearFixSignals() override { __builtin_trap(); }
    void RunRadioRequest(HWND, RadioRequest, int) override { __builtin_trap(); }
    void CancelModuleCommands() override { __builtin_trap(); }
    int BaseFlag() const override { return baseFlag; }
    int ReceiverModelNumber() const override { return 0; }
    HWND PositionWindow() const override { return nullptr; }
    // Not geodesy, only finite numbers that follow the input.
    void Wgs84BlhToXyz(double lat, double lon, double h, double* x, double* y, double* z) override {
        *x = std::cos(lat) * std::cos(lon) * h;
        *y = std::cos(lat) * std::sin(lon) * h;
        *z = std::sin(lat) * h;
    }
    void ListenForPositions(HWND) override {}
    void StopListening(HWND) override {}
    void SetAuxNotifyWnd(HWND) override {}
    int VerificationFlag() const override { return 0; }
    void SetVerificationFlag(int) override {}
    int ModuleNetworkType() const override { return 0; }
    int ConnectReceiver(int, int, int, int) override { return 0; }
    const CoordSysParams& JobCoordParams() const override { __builtin_trap(); }
    const CCoordTransform& PositionTransform() const override { __builtin_trap(); }
    const CCoordTransform& DialogTransform() const override { __builtin_trap(); }
    ReceiverVersionInfo VersionInfo() const override { return versionInfo; }
    void SetRadioLink(int) override {}
    HWND FrameWindow() const override { return nullptr; }
    IFoundationFrame& CoordLibrary() override { __builtin_trap(); }

    ReceiverVersionInfo versionInfo;
    CGpsState state;
    GeneralSettingsBlock settings;
    LastFilesRecord system;
    int baseFlag = 0;
};
