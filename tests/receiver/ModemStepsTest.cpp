#include <gtest/gtest.h>

#include "receiver/ModemSession.h"
#include "receiver/ModemSteps.h"

namespace {

std::vector<CString> Commands(const std::vector<CommandItem>& steps) {
    std::vector<CString> out;
    for (const CommandItem& s : steps) out.push_back(s.commandText);
    return out;
}

NetModuleSettings Settings(int connection, int workMode) {
    NetModuleSettings s;
    s.connectionType = connection;
    s.workMode = workMode;
    s.server = L"10.0.0.7";
    s.port = L"2101";
    s.domain = L"RTCM32";
    s.user = L"ann";
    s.password = L"pw";
    s.baseId = L"5678";
    s.basePhone = L"13900000000";
    return s;
}

class RecordingView : public IModemSessionView {
public:
    void SendLine(const CString& command) override { sent.push_back(command); }
    void ShowStatus(const CString& text) override { status.push_back(text); }
    // The status line holds `room` characters.
    bool StatusFits(const CString& text) override { return text.GetLength() <= room; }
    void EnableButtons() override { ++enabled; }
    void ShowKept() override { ++keptShown; }
    void ClearMountPoints() override { mountPoints.clear(); }
    void AddMountPoint(const CString& entry) override { mountPoints.push_back(entry); }
    void ChooseFirstMountPoint() override { ++firstChosen; }

    std::vector<CString> sent, status, mountPoints;
    int enabled = 0, keptShown = 0, firstChosen = 0;
    int room = 1000;
};

}  // namespace

TEST(ModemSteps, SetStepsByConnectionAndWorkMode) {
    const struct {
        int connection, workMode;
        bool setAsBase;
        std::vector<CString> commands;
    } cases[] = {
        {1,
         1,
         false,
         {L"TOVAK,CLOSE\r\n", L"TOVAK,MODEGPRS\r\n", L"TOVAK,IPSET,10.0.0.7,2101,RTCM32\r\n",
          L"TOVAK,MODEVRS\r\n", L"TOVAK,SAVECONFIG,\r\n"}},
        {2,
         0,
         false,
         {L"TOVAK,CLOSE\r\n", L"TOVAK,MODEGPRS\r\n", L"TOVAK,IPSET,10.0.0.7,2101,RTCM32\r\n",
          L"TOVAK,MODETOVAK\r\n", L"TOVAK,SETGPRS,20382345678,5678\r\n", L"TOVAK,USER,ann:pw\r\n",
          L"TOVAK,SAVECONFIG,\r\n"}},
        {1,
         0,
         true,
         {L"TOVAK,CLOSE\r\n", L"TOVAK,MODEGPRS\r\n", L"TOVAK,IPSET,10.0.0.7,2101,RTCM32\r\n",
          L"TOVAK,MODETOVAK\r\n", L"TOVAK,SETGPRS,5678,5678\r\n", L"TOVAK,USER,ann:pw\r\n",
          L"TOVAK,SAVECONFIG,\r\n"}},
        {1,
         2,
         false,
         {L"TOVAK,CLOSE\r\n", L"TOVAK,MODEGPRS\r\n", L"TOVAK,IPSET,10.0.0.7,2101,RTCM32\r\n",
          L"TOVAK,MODENTRIP\r\n", L"TOVAK,USER,ann:pw\r\n", L"TOVAK,SAVECONFIG,\r\n"}},
        {0,
         2,
         false,
         {L"TOVAK,CLOSE\r\n", L"TOVAK,MODEGSM\r\n", L"TOVAK,SETGSM,13900000000,13900000000\r\n",
          L"TOVAK,MODENTRIP\r\n", L"TOVAK,SAVECONFIG,\r\n"}},
        {0,
         0,
         false,
         {L"TOVAK,CLOSE\r\n", L"TOVAK,MODEGSM\r\n", L"TOVAK,SETGSM,,13900000000\r\n", L"TOVAK,MODETOVAK\r\n",
          L"TOVAK,SAVECONFIG,\r\n"}},
        {0,
         1,
         true,
         {L"TOVAK,CLOSE\r\n", L"TOVAK,MODEGSM\r\n", L"TOVAK,SETGSM,,13900000000\r\n", L"TOVAK,MODEVRS\r\n",
          L"TOVAK,SAVECONFIG,\r\n"}},
        {3, 0, false, {L"TOVAK,CLOSE\r\n", L"TOVAK,SAVECONFIG,\r\n"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            Commands(ModemSetSteps(Settings(c.connection, c.workMode), c.setAsBase, L"QZ8120382345678")),
            c.commands)
            << c.connection << " " << c.workMode;
}

TEST(ModemSteps, TextsAndTimeOutsOfTheTable) {
    const std::vector<CommandItem> set = ModemSetSteps(Settings(2, 0), false, L"QZ1");
    EXPECT_EQ(set[0].name, L"断开连接...");
    EXPECT_EQ(set[4].successText, L"设置CDMA连接串号成功!");
    EXPECT_EQ(set[4].commandText, L"TOVAK,SETGPRS,,5678\r\n");  // an identification under four characters
    EXPECT_EQ(set[2].timeoutText, L"设置IP,端口和域超时!");
    const std::vector<CommandItem> list = ModemListSteps();
    EXPECT_EQ(Commands(list),
              (std::vector<CString>{L"TOVAK,IPSET,,,\r\n", L"TOVAK,CLOSE\r\n", L"TOVAK,RESET,ON\r\n"}));
    EXPECT_EQ(list[1].successText, L"关闭连接成功!");
    EXPECT_EQ(list[2].replyText, L"TOVAK,RESET,OK");
    const CommandItem gsm = ModemConnectSteps(0)[1], gprs = ModemConnectSteps(1)[1];
    EXPECT_EQ(gsm.replyText, L"CONNECT");
    EXPECT_EQ(gsm.timeout, 60);
    EXPECT_EQ(gprs.replyText, L"TOVAK,OPEN");
    EXPECT_EQ(gprs.timeout, 20);
    EXPECT_EQ(gprs.name, L"进行连接...");
    EXPECT_EQ(gprs.timeoutText, L"连接超时!");
    EXPECT_EQ(ModemReadSteps()[0].replyText, L"TOVAK,ALL");
}

TEST(ModemSteps, DomainSourceTableAndRefusedFields) {
    EXPECT_EQ(DomainToSend(2, L"RTCM32/Hangzhou/RTCM 3.2", L"kept"), L"RTCM32");
    EXPECT_EQ(DomainToSend(1, L"VRS", L"kept"), L"VRS");
    EXPECT_EQ(DomainToSend(0, L"RTCM32/x", L"kept"), L"kept");
    EXPECT_EQ(SourceTableEntry(L"STR;RTCM32;Hangzhou;RTCM 3.2;1004"), L"RTCM32/Hangzhou/RTCM 3.2");
    EXPECT_EQ(SourceTableEntry(L"STR;CMRX;;CMR+;"), L"CMRX/CMR+");
    EXPECT_EQ(SourceTableEntry(L"NET;SIM;SIM;B"), L"");
    NetModuleSettings s = Settings(1, 2);
    EXPECT_EQ(RefusedModemField(s), -1);
    s.password = L"a:b";
    EXPECT_EQ(RefusedModemField(s), -1);
    const struct {
        CString NetModuleSettings::*field;
        const wchar_t* text;
        int index;
    } refused[] = {{&NetModuleSettings::user, L"a:b", 3},
                   {&NetModuleSettings::server, L"1,2", 0},
                   {&NetModuleSettings::basePhone, L"12\r\n", 6},
                   {&NetModuleSettings::domain, L"挂载点", 2},
                   {&NetModuleSettings::password, L"p,w", 4}};
    for (const auto& r : refused) {
        NetModuleSettings bad = Settings(1, 2);
        bad.*r.field = r.text;
        EXPECT_EQ(RefusedModemField(bad), r.index) << r.index;
    }
}

TEST(ModemSteps, ConfirmationsCopyPendingIntoKeptFirstMatchWins) {
    const NetModuleSettings pending = Settings(2, 1);
    NetModuleSettings kept;
    EXPECT_TRUE(ApplyModemConfirmation(L"TOVAK,MODEGPRS,OK", pending, kept));
    EXPECT_EQ(kept.connectionType, 2);
    EXPECT_EQ(kept.workMode, 0);
    EXPECT_TRUE(ApplyModemConfirmation(L"TOVAK,IPSET,OK TOVAK,USER,OK", pending, kept));
    EXPECT_EQ(kept.server, L"10.0.0.7");
    EXPECT_TRUE(kept.user.IsEmpty());
    EXPECT_TRUE(ApplyModemConfirmation(L"TOVAK,USER,OK", pending, kept));
    EXPECT_EQ(kept.password, L"pw");
    EXPECT_FALSE(ApplyModemConfirmation(L"TOVAK,CLOSE,OK", pending, kept));
}

TEST(ModemSession, TenSecondStepIsResentOnEvenCountsAndTimesOutOnTheTwelfthTick) {
    RecordingView view;
    CModemSession session(view);
    session.Start(ModemDisconnectSteps(), L"");
    ASSERT_EQ(view.sent.size(), 1u);
    std::vector<int> resentAt;
    for (int tick = 1; tick <= 12; ++tick) {
        const size_t before = view.sent.size();
        session.OnTick();
        if (view.sent.size() > before) resentAt.push_back(tick);
        EXPECT_EQ(session.Running(), tick < 12) << tick;
    }
    EXPECT_EQ(resentAt, (std::vector<int>{2, 4, 6, 8, 10}));  // countdown 8, 6, 4, 2, 0
    EXPECT_EQ(view.status.back(), L"断开连接超时!");
    EXPECT_EQ(view.enabled, 1);
}

// A run of the seven set-up steps (GPRS, TOVAK) whose steps marked in `silent` are never answered:
// the status at its end names what was given up whole when the line holds it, else in fewer words.
TEST(ModemSession, TheStepsGivenUpAreNamedInWhatTheStatusLineHolds) {
    const struct {
        const char* what;
        std::vector<bool> silent;  // per step
        int room;                  // characters the status line holds
        const wchar_t* end;
    } cases[] = {
        {"every step answered", {0, 0, 0, 0, 0, 0, 0}, 12, L"设置所有参数完毕!"},
        {"one given up", {0, 0, 1, 0, 0, 0, 0}, 12, L"设置IP,端口和域超时!"},
        {"two given up, held whole", {1, 0, 0, 0, 0, 0, 1}, 14, L"断开连接超时!保存设置超时!"},
        {"two given up, one character too many", {1, 0, 0, 0, 0, 0, 1}, 13, L"断开连接等2步超时!"},
        {"a silent receiver", {1, 1, 1, 1, 1, 1, 1}, 40, L"全部7步超时,模块无应答!"},
        {"four given up", {0, 0, 1, 1, 1, 1, 0}, 40, L"设置IP,端口和域等4步超时!"},
        {"four given up, the first's name too long", {0, 0, 1, 1, 1, 1, 0}, 14, L"4步超时!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingView view;
        view.room = c.room;
        CModemSession session(view);
        const std::vector<CommandItem> steps = ModemSetSteps(Settings(2, 0), false, L"QZ8120382345678");
        ASSERT_EQ(steps.size(), c.silent.size());
        session.Start(steps, L"设置所有参数完毕!");
        for (size_t step = 0; step < steps.size(); ++step) {
            if (c.silent[step]) {
                for (int tick = 0; tick < 12; ++tick) session.OnTick();
            } else {
                session.OnReceived(steps[step].replyText + L"\r\n");
            }
        }
        EXPECT_FALSE(session.Running());
        EXPECT_EQ(view.status.back(), c.end);
        EXPECT_EQ(view.enabled, 1);
    }
}

TEST(ModemSession, RepliesConfirmReadBackAndTheSourceTable) {
    RecordingView view;
    CModemSession session(view);
    session.pending = Settings(1, 1);
    session.Start(ModemSetSteps(session.pending, false, L""), L"设置所有参数完毕!");
    session.OnReceived(L"TOVAK,CLO");
    EXPECT_EQ(view.sent.size(), 1u);
    session.OnReceived(L"SE,OK\r\nTOVAK,MODEGPRS,OK\r\n\r\nTOVAK,IPSET,OK\r\nTOVAK,MODEVRS,OK\r\n");
    EXPECT_EQ(session.kept.server, L"10.0.0.7");
    EXPECT_EQ(session.kept.workMode, 1);
    EXPECT_TRUE(session.kept.user.IsEmpty());
    session.OnReceived(L"TOVAK,SAVECONFIG,OK\r\n");
    EXPECT_FALSE(session.Running());
    EXPECT_EQ(view.status.back(), L"设置所有参数完毕!");

    session.Start(ModemReadSteps(), L"读取所有参数完毕!");
    session.OnReceived(L"TOVAK,ALL\r\n");  // no "ALL,": the step waits on
    EXPECT_TRUE(session.Running());
    session.OnReceived(L"TOVAK,ALL,0,42,0,555,MODEGSM,MODETOVAK,1.2.3.4,6060,,me:pw,,\r\n");
    EXPECT_FALSE(session.Running());
    EXPECT_EQ(session.kept.baseId, L"42");
    EXPECT_EQ(session.kept.connectionType, 0);
    EXPECT_EQ(view.keptShown, 1);

    session.OnReceived(L"SOURCETABLE 200 OK\r\nSTR;A;B;C\r\nENDSOURCETABLE\r\n");  // not listing: ignored
    EXPECT_TRUE(view.mountPoints.empty());
    session.StartList(ModemListSteps(), L"接收列表数据...");
    session.OnReceived(L"TOVAK,IPSET,OK\r\nTOVAK,CLOSE,OK\r\nTOVAK,RESET,OK\r\nSOURCETABLE 200 OK\r\n");
    session.OnReceived(L"STR;RTCM32;Hz;RTCM 3.2;x\r\nCAS;no\r\nSTR;CMRX;;CMR+\r\nENDSOURCETABLE\r\n");
    EXPECT_EQ(view.mountPoints, (std::vector<CString>{L"RTCM32/Hz/RTCM 3.2", L"CMRX/CMR+"}));
    EXPECT_EQ(view.firstChosen, 1);
    EXPECT_EQ(view.status.back(), L"读取域名列表完毕!");
}

TEST(ModemSession, TextWithoutLineEndsIsDroppedPast1500Characters) {
    RecordingView view;
    CModemSession session(view);
    session.Start(ModemDisconnectSteps(), L"");
    session.OnReceived(CString(L'x', 1501));
    session.OnReceived(L"TOVAK,CLOSE,OK\r\n");
    EXPECT_FALSE(session.Running());
    session.Start(ModemDisconnectSteps(), L"");
    session.OnReceived(L"TOVAK,CLOSE,OK");
    session.OnReceived(CString(L'x', 1400));
    session.OnReceived(L"\n");
    EXPECT_FALSE(session.Running());  // a line in pieces under the limit still completes the step
}

TEST(ModemSession, BinaryAnswersInTheStreamAreLeftOut) {
    RecordingView view;
    CModemSession session(view);
    session.Start(ModemDisconnectSteps(), L"");
    // The port switch's answer ends in 0xDB, which with the "T" after it would read as one GBK character.
    session.OnReceivedBytes(std::string("\x24\x35\xCA\x01\x00\x00\x00\x01\xDB", 9) + "TOVAK,CLOSE,OK\r\n");
    EXPECT_FALSE(session.Running());
    session.Start(ModemDisconnectSteps(), L"");
    session.OnReceivedBytes("$5\xCA");  // cut short: kept as text
    session.OnReceivedBytes("\r\nTOVAK,CLOSE,OK\r\n");
    EXPECT_FALSE(session.Running());
}
