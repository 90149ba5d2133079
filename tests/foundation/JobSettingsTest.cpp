#include "foundation/CJobSettings.h"

#include <signal.h>
#include <sys/resource.h>

#include "SettingsTestSupport.h"
#include "platform/text/CodePage.h"
#include "tests/platform/files/RecordingCalls.h"

namespace {
class JobSettingsTest : public SettingsFileTest {
protected:
    void SetUp() override {
        SettingsFileTest::SetUp();
        std::filesystem::create_directories(root_ / "Program Files" / "Jobs" / "vorna");
        job_.SetVersionInfo(L"2011.09.26", L"\\Program Files");
        job_.SetSystemFilePath(L"\\Program Files\\qzsys.sys");
        job_.SetJobFilePaths({.jobFile = L"\\Program Files\\Jobs\\vorna\\vorna.qzs",
                              .coordFile = L"\\Program Files\\Jobs\\vorna\\vorna.qza"});
        job_.Files().SetNoticeSink([this](const CString& notice) { told_.push_back(notice); });
    }

    // The files report; telling the user is their owner's business.
    void TearDown() override {
        EXPECT_TRUE(messages_.Shown().empty());
        SettingsFileTest::TearDown();
    }

    static GeneralSettingsBlock FilledJob() {
        GeneralSettingsBlock g;
        g.szVersion = L"2011.09.26";
        g.connection = {2, 1, 3, 15, -5, 0.025, 0.05, 0, 2, 1, 12, 115200, 1, 3.5, L"线路[1]=A"};
        g.dataLink.nModuleType = 1;
        g.dataLink.nGSMSendTimeInterval = 20;
        g.dataLink.dGSMSendDisInterval = 250.75;
        g.nUseAntHgt = 1;
        g.szdSourceAntHgt = 1.802;
        g.szdRoverAntH = 1.8655;
        g.nAntHgtType = 2;
        g.nAdjustAntType = 1;
        g.nSaveType = 3;
        g.nSmoothSecond = 10;
        g.nAutoSaveTime = 7;
        g.szdAutoSaveDis = 12.5;
        g.nAsCondition = 3;
        g.nAsMode = 1;
        g.nDisplayType = 0;
        g.nShowSurveyPoint = -1;
        g.nCodeSaveType = 1;
        g.nBaseShowRef = 1;
        g.dBaseShowRefx = 2558123.4567;
        g.dBaseShowRefy = 435321.1234;
        g.dBaseShowRefh = -12.345;
        g.recordSave = {1, 3, 42, L"后[缀]", L"前=缀", 3};
        return g;
    }

    static CoordSysParams FilledCoord() {
        CoordSysParams p;
        p.szVersion = L"2011.09.26";
        p.ellipsoid = {L"西安-80", 6378140.0, 298.257};
        p.projection = {1, 114.0, 100, 38500000, 0.9996, 1.5, 120.25, 22.5};
        p.seven = {1, -12.5, 80.25, 31.125, 0.0000012345, -0.0000023456, 0.0000034567, 0.0000045};
        p.four = {1, 1000.125, -2000.25, 0.0012345678, 0.9999876543};
        p.heightFit.nNiheMode = 1;
        p.heightFit.szdNiheA = {0.012345678912345678, 4.7e-11, -1.2345678901234567e-9, 3e-300, -7.5, 0.0};
        p.heightFit.szdNiheX0 = 2558000.5;
        p.heightFit.szdNiheY0 = 435000.25;
        p.heightFit.szConF = L"\\SystemCF\\Jobs\\线路[1]\\a=b.cot";
        p.adjust = {2, 0.125, -0.25, 0.0375};
        p.base = {-2327589.193, 5387652.126, 2488947.802, 23.07115488, 113.21556238,
                  35.5,         2558000.1,   435000.2,    35.3,        L"0123"};
        for (int n = 0; n < 3; ++n) {
            const double k = n + 1;
            p.calib.slot[n] = {k * 10.5, k * 20.25, k * 1.5, k * 100.75, k * 200.125, k * 3.5, k * 0.5};
        }
        return p;
    }

    CJobSettings job_;
    std::vector<CString> told_;
};
}  // namespace

TEST_F(JobSettingsTest, NewFilesMatchTheDeviceLayoutByteForByte) {
    LastFilesRecord system;
    job_.DefaultSystemParams(system);
    ASSERT_TRUE(job_.WriteSystemFile(system));
    EXPECT_EQ(ReadHostFile("Program Files/qzsys.sys"), ReadGolden("qzsys.sys"));

    GeneralSettingsBlock general;
    job_.DefaultJobParams(general);
    ASSERT_TRUE(job_.WriteJobParams(general));
    EXPECT_EQ(ReadHostFile("Program Files/Jobs/vorna/vorna.qzs"), ReadGolden("newjob.qzs"));

    CoordSysParams coord;
    job_.DefaultCoordParams(coord);
    ASSERT_TRUE(job_.WriteCoordParams(coord));
    EXPECT_EQ(ReadHostFile("Program Files/Jobs/vorna/vorna.qza"), ReadGolden("newjob.qza"));

    ASSERT_TRUE(job_.WriteAntennaFile(L"\\Program Files", L"AntType.at"));
    EXPECT_EQ(ReadHostFile("Program Files/AntType.at"), ReadGolden("AntType.at"));
    EXPECT_TRUE(told_.empty());
}

TEST_F(JobSettingsTest, EveryKeyOfTheThreeFilesSurvivesARoundTrip) {
    LastFilesRecord system;
    system.szIniFile = L"\\SystemCF\\Jobs\\线路[1]\\" + CString(L'长', 50) + L"=x.qzs";
    system.szDataFile = L"线路[1].xyh";
    system.szLastSaveName = L"Pt[9]";
    system.lastNames = {L"J7", L"Z=8", L"]9"};
    system.nGPSOEMType = 5;
    ASSERT_TRUE(job_.WriteSystemFile(system));
    LastFilesRecord systemBack;
    ASSERT_TRUE(job_.ReadSystemFile(systemBack));
    EXPECT_EQ(systemBack, system);

    const GeneralSettingsBlock general = FilledJob();
    ASSERT_TRUE(job_.WriteJobParams(general));
    GeneralSettingsBlock generalBack;
    ASSERT_TRUE(job_.ReadJobParams(generalBack));
    EXPECT_EQ(generalBack, general);

    const CoordSysParams coord = FilledCoord();
    ASSERT_TRUE(job_.WriteCoordParams(coord));
    CoordSysParams coordBack;
    ASSERT_TRUE(job_.ReadCoordParams(coordBack));
    EXPECT_EQ(coordBack, coord);
    // The height-fit coefficients come back bit for bit, even the tiny ones.
    EXPECT_EQ(coordBack.heightFit.szdNiheA[1], 4.7e-11);
    EXPECT_TRUE(told_.empty());
}

// An empty file is damaged on its way (the program never writes one): it is kept as ".bad", told,
// and read as the missing defaults, its texts too.
TEST_F(JobSettingsTest, EmptyFilesAreKeptAndReadAsTheMissingDefaults) {
    WriteHostFile("Program Files/qzsys.sys", "");
    WriteHostFile("Program Files/Jobs/vorna/vorna.qzs", "");
    WriteHostFile("Program Files/Jobs/vorna/vorna.qza", "");

    LastFilesRecord system;
    ASSERT_TRUE(job_.ReadSystemFile(system));
    EXPECT_EQ(system.szIniFile, L"\\SystemCF\\Jobs\\kmtk\\vorna.qzs");
    EXPECT_EQ(system.szDataFile, L"vorna.xyh");
    EXPECT_EQ(system.szLastSaveName, L"0");
    EXPECT_EQ(system.lastNames, (TextTriple{L"J1", L"Z1", L"1"}));
    EXPECT_EQ(system.nGPSOEMType, 1);

    GeneralSettingsBlock general = FilledJob();
    general.dataLink.radioChannel = 6;
    ASSERT_TRUE(job_.ReadJobParams(general));
    GeneralSettingsBlock newJob;
    job_.DefaultJobParams(newJob);
    // Where the two defaults differ.
    EXPECT_EQ(general.nDisplayType, 1);
    EXPECT_EQ(newJob.nDisplayType, 0);
    EXPECT_EQ(general.connection.dRmshLimit, 0.0);
    EXPECT_EQ(general.connection.dRmsvLimit, 0.0);
    EXPECT_EQ(newJob.connection.dRmshLimit, 0.1);
    // Everywhere else they agree; keys without a file entry keep their values.
    newJob.nDisplayType = 1;
    newJob.connection.dRmshLimit = newJob.connection.dRmsvLimit = 0.0;
    newJob.dataLink.radioChannel = 6;
    EXPECT_EQ(general, newJob);

    CoordSysParams coord = FilledCoord();
    ASSERT_TRUE(job_.ReadCoordParams(coord));
    EXPECT_EQ(coord.four.szdCk1, 1.0);
    EXPECT_EQ(coord.base.szBaseStationID, L"XXXX");
    EXPECT_EQ(coord.base.szdBasePX, 0.0);
    EXPECT_EQ(coord.ellipsoid, (EllipsoidParams{L"北京-54", 6378245.0, 298.3}));
    EXPECT_EQ(coord.projection.szlTy, 500000);
    EXPECT_EQ(coord.projection.szdTk, 1.0);
    EXPECT_EQ(coord.szVersion, L"2011.09.26");
    EXPECT_EQ(coord.heightFit, HeightFitParams{});
    EXPECT_EQ(coord.calib, BaseCalibBlock{});
    EXPECT_EQ(told_.size(), 3u);
    EXPECT_TRUE(std::filesystem::exists(root_ / "Program Files/Jobs/vorna/vorna.qzs.bad"));
}

TEST_F(JobSettingsTest, ANewJobHasScaleZeroButAMissingScaleReadsAsOne) {
    CoordSysParams coord;
    job_.DefaultCoordParams(coord);
    EXPECT_EQ(coord.four.nDifang, 0);
    EXPECT_EQ(coord.four.szdCk1, 0.0);
    EXPECT_EQ(coord.base.szBaseStationID, L"0000");
}

TEST_F(JobSettingsTest, MissingFilesAreReportedAndLeaveTheRecordsAlone) {
    LastFilesRecord system;
    system.szDataFile = L"keep.xyh";
    EXPECT_FALSE(job_.ReadSystemFile(system));
    EXPECT_EQ(system.szDataFile, L"keep.xyh");
    GeneralSettingsBlock general;
    EXPECT_FALSE(job_.ReadJobParams(general));
    CoordSysParams coord;
    EXPECT_FALSE(job_.ReadCoordParams(coord));
    EXPECT_EQ(told_, (std::vector<CString>{L"读qzsys.sys文件错误,请检查!", L"读取qzs文件错误,请检查错误!",
                                           L"读qza文件错误,请检查错误!"}));
}

TEST_F(JobSettingsTest, AWriteThatCannotHappenIsReported) {
    job_.SetJobFilePaths({.jobFile = L"\\NoSuchFolder\\a.qzs", .coordFile = L"\\Program Files\\Jobs"});
    GeneralSettingsBlock general;
    EXPECT_FALSE(job_.WriteJobParams(general));
    EXPECT_FALSE(job_.WriteCoordParams(CoordSysParams{}));
    EXPECT_TRUE(std::filesystem::is_directory(root_ / "Program Files" / "Jobs"));
    EXPECT_FALSE(job_.WriteAntennaFile(L"\\NoSuchFolder", L"AntType.at"));
    EXPECT_EQ(told_, (std::vector<CString>{L"创建qzs文件错误,请检查错误!", L"创建qza文件错误,请检查错误!"}));
}

TEST_F(JobSettingsTest, AFailedRewriteLeavesTheOldFileWhole) {
    LastFilesRecord system;
    job_.DefaultSystemParams(system);
    ASSERT_TRUE(job_.WriteSystemFile(system));
    const std::string before = ReadHostFile("Program Files/qzsys.sys");

    // A file-size limit makes the write itself fail part-way, as a full card would; root is bound by it too.
    system.szIniFile = CString(L'x', 400);
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = job_.WriteSystemFile(system);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadHostFile("Program Files/qzsys.sys"), before);
    EXPECT_EQ(told_, (std::vector<CString>{L"创建qzsys.sys文件错误,请检查!"}));
    for (const auto& entry : std::filesystem::directory_iterator(root_ / "Program Files")) {
        EXPECT_TRUE(entry.is_directory() || entry.path().filename() == "qzsys.sys") << entry.path();
    }
}

TEST_F(JobSettingsTest, ALineBreakInAValueCannotAddAKey) {
    GeneralSettingsBlock general = FilledJob();
    general.connection.szLastPtCode = L"A\r\n[Radio Par]\r\nnModuleType=7";
    ASSERT_TRUE(job_.WriteJobParams(general));
    GeneralSettingsBlock back;
    ASSERT_TRUE(job_.ReadJobParams(back));
    EXPECT_EQ(back.dataLink.nModuleType, 1);
    EXPECT_EQ(back.connection.szLastPtCode, L"A  [Radio Par]  nModuleType=7");
}

namespace {
// Every key of the system file before its last, which no version of the file left out.
const char* const kSystemKeysButBoard =
    "szIniFile=\\Program Files\\Jobs\\vorna\\vorna.qzs\r\nszDataFile=vorna.xyh\r\nszLastSaveName=0\r\n"
    "szLastJName=J1\r\nszLastZName=Z1\r\nszLastFName=1\r\n";
}  // namespace

// A value the key cannot take reads as the key's "missing" default, and the file is kept as ".bad"
// first; the value just inside each bound reads as written. Each case reads a file holding the one
// key (the system file, all its keys) and writes it back.

TEST_F(JobSettingsTest, ValuesOutsideTheirKeysRangeReadAsMissing) {
    struct Case {
        const char* file;
        const char* section;
        const char* key;
        const char* value;
        const char* written;
    };
    const Case cases[] = {
        {"sys", "System", "nGPSOEMType", "-1", "1"},
        {"sys", "System", "nGPSOEMType", "0", "0"},
        {"sys", "System", "nGPSOEMType", "5", "5"},
        {"sys", "System", "nGPSOEMType", "6", "1"},
        {"sys", "System", "nGPSOEMType", "2147483647", "1"},
        {"qzs", "General Par", "nTimeZone", "99999999999999", "8"},
        {"qzs", "General Par", "nTimeZone", "-13", "8"},
        {"qzs", "General Par", "nTimeZone", "-12", "-12"},
        {"qzs", "General Par", "nTimeZone", "14", "14"},
        {"qzs", "General Par", "nTimeZone", "15", "8"},
        {"qzs", "General Par", "nPort", "2", "2"},
        {"qzs", "General Par", "nPort", "3", "1"},
        {"qzs", "General Par", "nComBaud", "0", "57600"},
        {"qzs", "General Par", "nComBaud", "299", "57600"},
        {"qzs", "General Par", "nComBaud", "300", "300"},
        {"qzs", "General Par", "nInputCom", "0", "7"},
        {"qzs", "General Par", "nInputCom", "1", "1"},
        {"qzs", "General Par", "nInputCom", "255", "255"},
        {"qzs", "General Par", "nInputCom", "256", "7"},
        {"qzs", "General Par", "dRmshLimit", "-0.001", "0.0000000000"},
        {"qzs", "General Par", "dRmshLimit", "0.001", "0.0010000000"},
        {"qzs", "General Par", "dPDOPLimit", "inf", "5.0000000000"},
        {"qzs", "General Par", "dPDOPLimit", "1e999", "5.0000000000"},
        {"qzs", "Radio Par", "nModuleType", "3", "0"},
        {"qzs", "Radio Par", "dGSMSendDisInterval", "-NaN", "1000.0000000000"},
        {"qzs", "DataSave Par", "nShowSurveyPoint", "-2", "0"},
        {"qzs", "DataSave Par", "nShowSurveyPoint", "-1", "-1"},
        {"qzs", "DataSave Par", "nSmoothSecond", "0", "1"},
        {"qzs", "DataSave Par", "nAutoSaveTime", "0", "5"},
        {"qzs", "DataSave Par", "nAutoSaveTime", "1", "1"},
        {"qza", "TuoQiu Par", "szdDa", "0", "6378245.0000000000"},
        {"qza", "TuoQiu Par", "szdDa", "-6378137", "6378245.0000000000"},
        {"qza", "TuoQiu Par", "szdDa", "inf", "6378245.0000000000"},
        {"qza", "TuoQiu Par", "szdDa", "6378137", "6378137.0000000000"},
        {"qza", "Project Par", "nTouYin", "4", "4"},
        {"qza", "Project Par", "nTouYin", "5", "0"},
        {"qza", "Project Par", "szlTy", "2147483647", "2147483647"},
        {"qza", "Project Par", "szlTy", "2147483648", "500000"},
        {"qza", "Project Par", "szlTy", "-2147483648", "-2147483648"},
        {"qza", "Base Information", "szdBaseX", "-inf", "0.0000000000"},
        {"qzs", "General Par", "dRmshLimit", "1e308", "0.0000000000"},
        {"qzs", "General Par", "dRmshLimit", "1000", "1000.0000000000"},
        {"qzs", "Antenna Par", "szdRoverAntH", "100001", "0.0000000000"},
        {"qza", "Base Information", "szdBasePX", "1e300", "0.0000000000"},
        {"qza", "Base Information", "szdBasePY", "-10000000", "-10000000.0000000000"},
        {"qza", "Base Information", "szdBasePH", "10000000.5", "0.0000000000"},
        {"qza", "Base Information", "szdBaseLat", "90.5", "0.0000000000"},
        {"qza", "Base Information", "szdBaseLon", "-180", "-180.0000000000"},
        {"qza", "Project Par", "szdCenter", "400", "0.0000000000"},
        {"qza", "Seven Par", "szdWx", "1e10", "0.0000000000"},
        {"qza", "Nihe Par", "szdNiheA1", "1e200", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        const std::string path = c.file == std::string("sys")
                                     ? "Program Files/qzsys.sys"
                                     : std::string("Program Files/Jobs/vorna/vorna.") + c.file;
        // The system file's other keys, which it may not lack.
        const std::string others = c.file == std::string("sys") ? kSystemKeysButBoard : "";
        const std::string original =
            std::string("\r\n[") + c.section + "]\r\n" + others + c.key + "=" + c.value + "\r\n";
        WriteHostFile(path, original);
        std::filesystem::remove(root_ / (path + ".bad"));
        told_.clear();
        if (c.file == std::string("sys")) {
            LastFilesRecord record;
            ASSERT_TRUE(job_.ReadSystemFile(record));
            ASSERT_TRUE(job_.WriteSystemFile(record));
        } else if (c.file == std::string("qzs")) {
            GeneralSettingsBlock block;
            ASSERT_TRUE(job_.ReadJobParams(block));
            ASSERT_TRUE(job_.WriteJobParams(block));
        } else {
            CoordSysParams params;
            ASSERT_TRUE(job_.ReadCoordParams(params));
            ASSERT_TRUE(job_.WriteCoordParams(params));
        }
        const std::string line = std::string("\r\n") + c.key + "=" + c.written + "\r\n";
        EXPECT_NE(ReadHostFile(path).find(line), std::string::npos);
        const bool refused = !(std::strtod(c.value, nullptr) == std::strtod(c.written, nullptr));
        EXPECT_EQ(std::filesystem::exists(root_ / (path + ".bad")), refused);
        EXPECT_EQ(told_.size(), refused ? 1u : 0u);
        if (refused) {
            EXPECT_EQ(ReadHostFile(path + ".bad"), original);
        }
    }
}

namespace {
// A job file of a key the reader does not know padded to 1 MiB, and `over` bytes more.
std::string MiBFile(size_t over) {
    // Padded by a blank line, which no reader counts as damage.
    const std::string head = "\r\n[General Par]\r\nnTimeZone=7\r\n";
    return head + std::string((1u << 20) + over - head.size() - 2, ' ') + "\r\n";
}
}  // namespace

// A file that cannot be used whole is kept as ".bad" (copied when it could be read, moved aside when
// not), the user is told where, and the record reads as from an empty file; a blank file, one whose
// last line was cut short and one holding a line the next write would drop are damaged, one of
// headers alone is not.
TEST_F(JobSettingsTest, DamagedFilesAreKeptOnceBeforeTheirDefaultsAreUsed) {
    struct Case {
        const char* name;
        const char* file;  // sys, qzs or qza
        std::string bytes;
        bool damaged;
    };
    const std::string jobPath = "szIniFile=\\Program Files\\Jobs\\";
    const Case cases[] = {
        {"invalid GBK in the job path", "sys", "[System]\r\n" + jobPath + "\xff\xfe\\vorna.qzs\r\n", true},
        {"a CR in the job path", "sys", "[System]\r\n" + jobPath + "vorna\\vorna.qzs\rXY\r\n", true},
        {"no .qzs", "sys", "[System]\r\n" + jobPath + "vorna\\vorna.qz\r\n", true},
        {"a .. folder", "sys", "[System]\r\n" + jobPath + "..\\..\\vorna.qzs\r\n", true},
        {"a relative path", "sys", "[System]\r\nszIniFile=Jobs\\vorna\\vorna.qzs\r\n", true},
        {"a data file in another folder", "sys",
         "[System]\r\n" + jobPath + "vorna\\vorna.qzs\r\nszDataFile=..\\a.xyh\r\n", true},
        {"binary", "qzs", std::string("\x00\x01\x02\x89PNG\r\n", 9), true},
        {"text of another kind", "qza", "garbage", true},
        {"larger than 1 MiB", "qzs", "\r\n[General Par]\r\n" + std::string(1 << 20, ' '), true},
        {"exactly 1 MiB", "qzs", MiBFile(0), false},
        {"a byte over 1 MiB", "qzs", MiBFile(1), true},
        {"a plain job path", "sys",
         ToGbk(L"[System]\r\nszIniFile=\\Program Files\\Jobs\\路 1\\路 1.QZS\r\n") +
             std::string(kSystemKeysButBoard).substr(std::string(kSystemKeysButBoard).find("szDataFile")) +
             "nGPSOEMType=1\r\n",
         false},
        {"blank", "qzs", "\r\n \r\n\t", true},
        {"cut short", "qzs", "\r\n[General Par]\r\nnSaveTy", true},
        {"a value cut short", "sys", "[System]\r\n" + jobPath + "vorna\\vorna.qzs\r\nszDataFile=roa", true},
        {"headers alone", "qza", "\r\n[Soft Version]\r\n[Base Information]\r\n", false},
        {"a line that is no key between keys", "qzs",
         "\r\n[General Par]\r\nnPort=1\r\n#\xb1\xb8\xd7\xa2\r\nnFixLevel=0\r\n", true},
        {"a key the section does not have", "qzs", "\r\n[General Par]\r\nnPort=1\r\nnSaveType=3\r\n", true},
        {"a key given twice", "qzs", "\r\n[General Par]\r\nnPort=1\r\nnPort=2\r\n", true},
        {"text before the first header", "qza", "note\r\n[Project Par]\r\nnTouYin=1\r\n", true},
        {"a section the file does not have", "sys", "\r\n[System]\r\nnGPSOEMType=2\r\n[Notes]\r\nseen=1\r\n",
         true},
        {"blank lines and blanks between keys", "qzs",
         "\r\n[General Par]\r\nnPort=1\r\n  \t\r\n\r\nnFixLevel=0\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.file == std::string("sys")
                                     ? "Program Files/qzsys.sys"
                                     : std::string("Program Files/Jobs/vorna/vorna.") + c.file;
        std::filesystem::remove(root_ / (path + ".bad"));
        WriteHostFile(path, c.bytes);
        told_.clear();
        LastFilesRecord system;
        GeneralSettingsBlock general;
        CoordSysParams coord;
        bool jobPathLacked = false;
        const bool read = c.file == std::string("sys")   ? job_.ReadSystemFile(system, &jobPathLacked)
                          : c.file == std::string("qzs") ? job_.ReadJobParams(general)
                                                         : job_.ReadCoordParams(coord);
        EXPECT_TRUE(read);
        EXPECT_EQ(ReadHostFile(path + ".bad"), c.damaged ? c.bytes : "");
        CString devicePath = L"\\" + FromUtf8(path);
        devicePath.Replace(L'/', L'\\');
        if (c.damaged) {
            EXPECT_EQ(told_, (std::vector<CString>{devicePath.Mid(devicePath.ReverseFind(L'\\') + 1) +
                                                   L"已损坏,不能使用的设置已换为默认值,原文件保存为" +
                                                   devicePath + L".bad"}));
        } else {
            EXPECT_TRUE(told_.empty());
        }
        if (c.file == std::string("sys") && c.damaged) {
            // A refused job path takes the first-run one; a missing one the storage card's.
            const bool lacked = c.bytes.find("szIniFile") == std::string::npos;
            EXPECT_EQ(system.szIniFile, lacked ? L"\\SystemCF\\Jobs\\kmtk\\vorna.qzs"
                                               : L"\\Program Files\\Jobs\\vorna\\vorna.qzs");
            EXPECT_EQ(jobPathLacked, lacked);
            EXPECT_EQ(system.szDataFile, L"vorna.xyh");
        }
        if (c.file == std::string("qzs")) {
            EXPECT_EQ(general.nDisplayType, 1);
        }
    }
}

// Each damage of a file is kept beside the copies of the earlier ones, told, and written sound, however
// often it comes; the same bytes met again (a repair that failed) are named in their copy, not copied
// twice. A damaged file of which no copy can be kept is refused and never written.
TEST_F(JobSettingsTest, EveryDamageIsKeptBesideTheEarlierOnesAndADamageNotKeptIsNeverWritten) {
    const std::string qza = "Program Files/Jobs/vorna/vorna.qza";
    const struct {
        std::string bytes;
        const char* copy;
    } damages[] = {
        {"garbage", ".bad"},
        {"other garbage", ".1.bad"},
        {"", ".2.bad"},
        {"garbage", ".bad"},
        {MiBFile(1), ".3.bad"},  // moved aside unread
        {"\r\n[Project Par]\r\nnTouYin=1", ".4.bad"},
    };
    CoordSysParams coord;
    for (const auto& d : damages) {
        SCOPED_TRACE(d.copy);
        WriteHostFile(qza, d.bytes);
        told_.clear();
        ASSERT_TRUE(job_.ReadCoordParams(coord));
        EXPECT_EQ(told_, (std::vector<CString>{L"vorna.qza已损坏,不能使用的设置已换为默认值,原文件保存为\\"
                                               L"Program Files\\Jobs\\vorna\\vorna.qza" +
                                               FromUtf8(d.copy)}));
        EXPECT_EQ(ReadHostFile(qza + d.copy), d.bytes);
        told_.clear();
        ASSERT_TRUE(job_.ReadCoordParams(coord));
        EXPECT_TRUE(told_.empty()) << "not written sound";
    }
    EXPECT_EQ(ReadHostFile(qza + ".bad"), "garbage");
    EXPECT_EQ(ReadHostFile(qza + ".1.bad"), "other garbage");
    EXPECT_FALSE(std::filesystem::exists(root_ / (qza + ".5.bad")));

    told_.clear();
    WriteHostFile(qza, "more garbage");
    {
        RecordingCalls full;
        full.writeBudget = 0;
        const ScopedFileSystemCalls failing(full);
        EXPECT_FALSE(job_.ReadCoordParams(coord));
    }
    EXPECT_FALSE(std::filesystem::exists(root_ / (qza + ".5.bad")));
    EXPECT_EQ(told_, (std::vector<CString>{L"读qza文件错误,请检查错误!"}));
    EXPECT_FALSE(job_.WriteCoordParams(FilledCoord()));
    const JobSettingsFiles copy = job_.Files();
    EXPECT_FALSE(copy.WriteCoordParams(FilledCoord()));
    EXPECT_EQ(ReadHostFile(qza), "more garbage");
    EXPECT_EQ(told_.size(), 1u);
    EXPECT_TRUE(job_.WriteJobParams(FilledJob()));
}

// A damaged file gives way at once to a sound one written from what could be read, its original
// kept as ".bad": the next read tells nothing and reads the same, and a later change is written.
TEST_F(JobSettingsTest, ADamagedFileIsWrittenSoundAtOnceAndToldOnce) {
    struct Records {
        LastFilesRecord system;
        GeneralSettingsBlock general;
        CoordSysParams coord;
        bool operator==(const Records&) const = default;
    };
    struct File {
        const char* kind;  // sys, qzs or qza
        std::string head;  // its header and first key, which the damage leaves readable
        std::string tail;  // the keys after it
        bool (*keptFirstKey)(const Records&);
    } files[] = {
        {"sys", "\r\n[System]\r\nszIniFile=\\Program Files\\Jobs\\road\\road.qzs\r\n",
         "szDataFile=road.xyh\r\nszLastSaveName=P12\r\n",
         [](const Records& r) { return r.system.szIniFile == L"\\Program Files\\Jobs\\road\\road.qzs"; }},
        {"qzs", "\r\n[General Par]\r\nnTimeZone=7\r\n", "nPort=2\r\nnComBaud=115200\r\n",
         [](const Records& r) { return r.general.connection.nTimeZone == 7; }},
        {"qza", "\r\n[TuoQiu Par]\r\nszdDa=6378137\r\n", "szdDf=298.257223563\r\n",
         [](const Records& r) { return r.coord.ellipsoid.szdDa == 6378137.0; }},
    };
    enum class Damage { kEmpty, kSeventyMiB, kTruncated, kJunk };
    const Damage damages[] = {Damage::kEmpty, Damage::kSeventyMiB, Damage::kTruncated, Damage::kJunk};
    const auto read = [this](const char* kind, Records& r) {
        return kind == std::string("sys")   ? job_.ReadSystemFile(r.system)
               : kind == std::string("qzs") ? job_.ReadJobParams(r.general)
                                            : job_.ReadCoordParams(r.coord);
    };
    const auto write = [this](const char* kind, const Records& r) {
        return kind == std::string("sys")   ? job_.WriteSystemFile(r.system)
               : kind == std::string("qzs") ? job_.WriteJobParams(r.general)
                                            : job_.WriteCoordParams(r.coord);
    };
    for (const File& f : files) {
        for (const Damage damage : damages) {
            SCOPED_TRACE(std::string(f.kind) + " damage " + std::to_string(static_cast<int>(damage)));
            const std::string path = f.kind == std::string("sys")
                                         ? "Program Files/qzsys.sys"
                                         : std::string("Program Files/Jobs/vorna/vorna.") + f.kind;
            const std::string sound = f.head + f.tail;
            const std::string bytes = damage == Damage::kTruncated ? sound.substr(0, sound.size() - 3)
                                      : damage == Damage::kJunk    ? f.head + "\xff\xfe junk\r\n" + f.tail
                                                                   : "";
            std::filesystem::remove(root_ / (path + ".bad"));
            WriteHostFile(path, bytes);
            if (damage == Damage::kSeventyMiB) std::filesystem::resize_file(root_ / path, 70u << 20);
            told_.clear();

            Records first;
            ASSERT_TRUE(read(f.kind, first));
            ASSERT_EQ(told_.size(), 1u);
            EXPECT_NE(told_[0].Find(L"已损坏"), -1) << ToUtf8(told_[0]);
            if (damage == Damage::kSeventyMiB) {
                EXPECT_EQ(std::filesystem::file_size(root_ / (path + ".bad")), 70u << 20);
            } else {
                EXPECT_EQ(ReadHostFile(path + ".bad"), bytes);
            }
            if (damage == Damage::kTruncated || damage == Damage::kJunk) {
                EXPECT_TRUE(f.keptFirstKey(first));
            }
            const std::string rewritten = ReadHostFile(path);
            EXPECT_EQ(rewritten.substr(0, 2), "\r\n");
            EXPECT_EQ(rewritten.back(), '\n');

            Records second;
            ASSERT_TRUE(read(f.kind, second));
            EXPECT_EQ(second, first);
            EXPECT_EQ(told_.size(), 1u);
            EXPECT_EQ(ReadHostFile(path), rewritten);
            EXPECT_TRUE(write(f.kind, second));
        }
    }
}

namespace {
// The text without the line that sets `key`.
std::string WithoutKey(std::string text, const std::string& key) {
    const size_t at = text.find("\r\n" + key + "=") + 2;
    return text.erase(at, text.find("\r\n", at) + 2 - at);
}
}  // namespace

// A damaged file's notice says what was done: every value kept where only a line the file cannot
// hold was left out, defaults taken otherwise. The system file was always written whole, so a key it
// lacks is damage; older job files lacked keys, so theirs are not. A missing key takes its "missing"
// default, in a damaged file too.
TEST_F(JobSettingsTest, ADamagedFilesNoticeSaysWhatWasDone) {
    struct Records {
        LastFilesRecord system;
        GeneralSettingsBlock general;
        CoordSysParams coord;
    };
    Records filled;
    filled.system = {L"\\Program Files\\Jobs\\road\\road.qzs", L"road.xyh", L"P12", {L"J7", L"Z3", L"12"}, 5};
    filled.general = FilledJob();
    filled.coord = FilledCoord();
    enum class Told { kNothing, kAllKept, kDefaultsTaken };
    struct Case {
        const char* name;
        const char* kind;  // sys, qzs or qza
        std::string (*damage)(std::string sound);
        Told told;
        void (*expect)(Records& r);  // turns the filled records into what the read gives
    };
    const Case cases[] = {
        {"sys: an extra key", "sys", [](std::string s) { return s + "szNote=1\r\n"; }, Told::kAllKept,
         [](Records&) {}},
        {"sys: a key given twice", "sys", [](std::string s) { return s + "nGPSOEMType=2\r\n"; },
         Told::kAllKept, [](Records&) {}},
        {"sys: cut at a line end", "sys", [](std::string s) { return WithoutKey(s, "nGPSOEMType"); },
         Told::kDefaultsTaken, [](Records& r) { r.system.nGPSOEMType = 1; }},
        {"sys: the job path lost", "sys", [](std::string s) { return WithoutKey(s, "szIniFile"); },
         Told::kDefaultsTaken, [](Records& r) { r.system.szIniFile = L"\\SystemCF\\Jobs\\kmtk\\vorna.qzs"; }},
        {"qzs: an extra key", "qzs", [](std::string s) { return s + "szNote=1\r\n"; }, Told::kAllKept,
         [](Records&) {}},
        {"qzs: a key an older program did not write", "qzs",
         [](std::string s) { return WithoutKey(s, "nAsMode"); }, Told::kNothing,
         [](Records& r) { r.general.nAsMode = 0; }},
        {"qza: an extra key, the station's name lost", "qza",
         [](std::string s) { return WithoutKey(s, "szBaseStationID") + "szNote=1\r\n"; },
         Told::kDefaultsTaken, [](Records& r) { r.coord.base.szBaseStationID = L"XXXX"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string kind = c.kind;
        const std::string path =
            kind == "sys" ? "Program Files/qzsys.sys" : "Program Files/Jobs/vorna/vorna." + kind;
        ASSERT_TRUE(kind == "sys"   ? job_.WriteSystemFile(filled.system)
                    : kind == "qzs" ? job_.WriteJobParams(filled.general)
                                    : job_.WriteCoordParams(filled.coord));
        WriteHostFile(path, c.damage(ReadHostFile(path)));
        std::filesystem::remove(root_ / (path + ".bad"));
        told_.clear();

        Records read = filled, expected = filled;
        c.expect(expected);
        ASSERT_TRUE(kind == "sys"   ? job_.ReadSystemFile(read.system)
                    : kind == "qzs" ? job_.ReadJobParams(read.general)
                                    : job_.ReadCoordParams(read.coord));
        EXPECT_EQ(read.system, expected.system);
        EXPECT_EQ(read.general, expected.general);
        EXPECT_EQ(read.coord, expected.coord);
        CString devicePath = L"\\" + FromUtf8(path);
        devicePath.Replace(L'/', L'\\');
        const CString name = devicePath.Mid(devicePath.ReverseFind(L'\\') + 1);
        switch (c.told) {
            case Told::kNothing:
                EXPECT_TRUE(told_.empty());
                break;
            case Told::kAllKept:
                EXPECT_EQ(
                    told_,
                    (std::vector<CString>{name + L"已损坏,设置均已保留,不能识别的内容已删除,原文件保存为" +
                                          devicePath + L".bad"}));
                break;
            case Told::kDefaultsTaken:
                EXPECT_EQ(told_,
                          (std::vector<CString>{name + L"已损坏,不能使用的设置已换为默认值,原文件保存为" +
                                                devicePath + L".bad"}));
                break;
        }
    }
}
