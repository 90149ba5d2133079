#pragma once
// The survey screens' host as a few fields: settings, store state, antenna constants and
// coordinate parameters in memory, the job's files in a fresh device root, and a record of the calls.
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "foundation/PointStoreState.h"
#include "survey/SurveyHost.h"
#include "tests/foundation/screens/CoordLibraryHostDouble.h"

class SurveyHostDouble : public ISurveyHost {
public:
    SurveyHostDouble() {
        settings.connection.dRmshLimit = 0.05;
        settings.connection.dRmsvLimit = 0.1;
        settings.nSmoothSecond = 5;
        antenna = {0.014, 0.106, 0.1};
        // Field by field: GCC 12 at -O3 takes the whole-aggregate form's temporary base record for
        // uninitialised.
        files.raw = L"\\data\\a.blh";
        files.point = L"\\data\\a.xyh";
        files.library = L"\\a.lib";
        files.record = L"\\data\\a.rec";
        files.journal = L"\\a.qzj";
        files.version = L"2011.09.26";
    }

    const GeneralSettingsBlock& Settings() const override { return settings; }
    const PointStoreState& Store() const override { return store; }
    const CGpsState& LatestFix() const override { return fix; }
    AntennaConstants Antenna() const override { return antenna; }
    StoreFilePaths StoreFiles() const override { return files; }
    const AutoStoreState& AutoStore() const override { return autoStore; }
    CoordSysParams CoordParams() const override { return coord; }
    CString JobFolder() const override { return L"\\Jobs\\road\\"; }
    CString DataFolder() const override { return L"\\Jobs\\road\\data\\"; }
    ICoordLibraryHost& CoordLibrary() const override { return library; }
    CString PointFilePath() const override { return pointFile; }

    bool SaveSettings(const GeneralSettingsBlock& changed) override {
        settings = changed;
        ++settingsSaved;
        return true;
    }
    bool SaveLastStoredName(const CString& name) override {
        savedNames.push_back(name);
        return nameSaves;
    }
    void KeepTemplate(const SurveyPointRec& point) override { store.point = point; }
    void ListenForStore(HWND window) override { listener = window; }
    void StopListeningForStore(HWND window) override {
        if (listener == window) listener = HWND();
    }
    void SetAutoStoring(bool on) override {
        autoStore.running = on;
        if (on) autoStore.firstPoint = 1;
    }
    void ResetAutoStoreCount() override { autoStore.count = 0; }
    void PlayTone() override { ++tones; }
    void ReloadDisplayPoints() override { ++reloads; }
    std::unique_ptr<PointFileRows> LendCoordViewRows() override {
        return coordViewRows ? std::move(coordViewRows) : std::make_unique<PointFileRows>();
    }
    void GiveBackCoordViewRows(std::unique_ptr<PointFileRows> rows) override {
        coordViewRows = std::move(rows);
    }
    void TellSkippedLines(const CString& path, size_t skipped) override {
        if (skipped > 0) toldSkipped.emplace_back(path, skipped);
    }
    void TellLater(const CString& notice) override { toldLater.push_back(notice); }

    GeneralSettingsBlock settings;
    PointStoreState store;
    CGpsState fix;
    AntennaConstants antenna;
    StoreFilePaths files;
    AutoStoreState autoStore;
    CoordSysParams coord;
    CString pointFile = L"\\Jobs\\road\\data\\road.xyh";
    int settingsSaved = 0;
    std::vector<CString> savedNames;
    bool nameSaves = true;
    HWND listener;
    int tones = 0;
    int reloads = 0;
    std::vector<std::pair<CString, size_t>> toldSkipped;
    std::vector<CString> toldLater;
    std::unique_ptr<PointFileRows> coordViewRows = std::make_unique<PointFileRows>();
    mutable CoordLibraryHostDouble library;
};

// A fixed fix: grid 1000, 2000, 50 (m), fixed, within the double's limits.
inline CGpsState TestFix(double x = 1000.0, double rmsH = 0.01) {
    CGpsState fix;
    fix.fixFlag = 1;
    fix.solutionCode = 10;
    fix.gridX = x;
    fix.gridY = 2000.0;
    fix.gridH = 50.0;
    fix.latitude = 30.5;
    fix.longitude = 114.25;
    fix.height = 30.0;
    fix.rmsH = rmsH;
    fix.rmsV = 0.02;
    fix.gpsUsedCount = 9;
    fix.pdop = 1.8;
    fix.year = 2026;
    fix.month = 12;
    fix.day = 7;
    fix.hour = 8;
    fix.second = 9;
    return fix;
}
