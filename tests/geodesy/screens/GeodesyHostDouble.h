#pragma once
// The geodesy host of a job "road" under a fresh device root: the job's record and the spare one
// (both a new job's defaults), two converters loaded from the job's record, the real settings
// writer, and the warnings re-armed.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "foundation/CJobSettings.h"
#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "geodesy/GeodesyHost.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "tests/platform/files/DeviceRootFixture.h"

class GeodesyHostDouble : public IGeodesyHost {
public:
    GeodesyHostDouble() {
        settings.SetVersionInfo(L"2011.09.26", L"\\Program Files");
        settings.SetJobFilePaths({L"\\Jobs\\road\\road.qzs", L"\\Jobs\\road\\road.qza"});
        settings.DefaultCoordParams(job);
        settings.DefaultCoordParams(spare);
        Apply();
    }
    const CoordSysParams& CoordParams() const override { return job; }
    const CoordSysParams& SpareCoordParams() const override { return spare; }
    CoordSysParams NewJobDefaults() const override {
        CoordSysParams defaults;
        settings.DefaultCoordParams(defaults);
        return defaults;
    }
    bool SaveCoordParams(const CoordSysParams& params, BaseStation base) override {
        job = params;
        Apply();
        if (base == BaseStation::kReprojected) RecomputeBaseStation(job, first);
        return settings.WriteCoordParams(job);
    }
    void RearmWarning(ParamWarning warning) override { rearmed.insert(warning); }
    void Apply() {
        ::ApplyCoordParams(job, first);
        ::ApplyCoordParams(job, second);
    }

    CoordSysParams job;
    CoordSysParams spare;
    CCoordTransform first;
    CCoordTransform second;
    CJobSettings settings;
    std::set<ParamWarning> rearmed;
};

// What a converter was loaded with, group by group, for comparing before and after.
inline auto ConverterState(const CCoordTransform& t) {
    return std::make_tuple(t.m_dSemiMajor, t.m_dInvFlattening, t.m_nProjType, t.m_dCentralMeridian,
                           t.m_dScale, t.m_dBaseLatitude, t.m_dFalseNorthing, t.m_nFourParam,
                           t.m_dFourRotation, t.m_dFourScale, t.m_nSevenParam, t.m_dEx, t.m_dM, t.m_dA[0],
                           t.m_dX0);
}

class GeodesyScreenTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        InitCommonControls();
        WriteHostFile("Jobs/road/.keep", "");
    }
    // Puts `record` in the job and on disk, as an opened job has it.
    void OpenJob(const CoordSysParams& record) {
        host.job = record;
        host.Apply();
        ASSERT_TRUE(host.settings.WriteCoordParams(record));
    }
    // The bytes the settings writer writes for `record`.
    std::string BytesOf(const CoordSysParams& record) {
        CJobSettings writer;
        writer.SetJobFilePaths({L"\\expected.qzs", L"\\expected.qza"});
        EXPECT_TRUE(writer.WriteCoordParams(record));
        return ReadHostFile("expected.qza");
    }
    std::string JobFile() { return ReadHostFile("Jobs/road/road.qza"); }
    bool Enabled(CWnd& dlg, UINT id) { return dlg.GetDlgItem(static_cast<int>(id))->IsWindowEnabled(); }

    GeodesyHostDouble host;
    CUiDriver ui;
};
