#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <thread>
#include <vector>

#include "platform/messages/MessageBoxScript.h"
#include "platform/messages/Messages.h"
#include "platform/serial/SerialPortMap.h"
#include "receiver/BluetoothList.h"
#include "receiver/ReceiverMessages.h"
#include "tests/receiver/SimulatorLink.h"

namespace {

struct Delivery {
    int window;
    WPARAM buffer;
    LPARAM count;
};

class CDataWindow final : public IMessageTarget {
public:
    CDataWindow(int id, std::vector<Delivery>& log) : id_(id), log_(log), hwnd(RegisterMessageTarget(this)) {}
    ~CDataWindow() override { UnregisterMessageTarget(hwnd); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SERIAL_HANGUP) hangups.push_back(static_cast<int>(wParam));
        if (message != WM_SERIAL_DATA) return 0;
        log_.push_back({id_, wParam, lParam});
        bytes.append(reinterpret_cast<const char*>(wParam), static_cast<size_t>(lParam));
        if (onData) onData();
        return 0;
    }
    std::string bytes;
    std::vector<int> hangups;
    std::function<void()> onData;

private:
    int id_;
    std::vector<Delivery>& log_;

public:
    HWND hwnd;
};

// Well below the half second a close waits for a reader that does not end, and generous for a loaded
// machine under the sanitizers.
constexpr auto kPromptClose = std::chrono::milliseconds(400);

double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

class SerialPort : public SimulatorLink {
protected:
    void SetUp() override {
        SimulatorLink::SetUp();
        frame.port.SetOwner(owner.hwnd, WM_SERIAL_DATA);
    }
    std::vector<Delivery> log;
    CDataWindow owner{1, log};
    CDataWindow second{2, log};
};

}  // namespace

TEST_F(SerialPort, ChunksReachOwnerThenSecondOwnerInOrder) {
    frame.port.SetSecondOwner(second.hwnd, WM_SERIAL_DATA);
    simulator.SetFaults({3, 7, 0});
    for (int i = 0; i < 25; ++i) simulator.Advance(200);
    ASSERT_TRUE(PumpUntil(simulator, [&] { return second.bytes.size() >= simulator.Sent().size(); }));
    EXPECT_EQ(owner.bytes, simulator.Sent());
    EXPECT_EQ(second.bytes, simulator.Sent());
    ASSERT_EQ(log.size() % 2, 0u);
    for (size_t i = 0; i < log.size(); i += 2) {
        EXPECT_EQ(log[i].window, 1);
        EXPECT_EQ(log[i + 1].window, 2);
        EXPECT_EQ(log[i].buffer, log[i + 1].buffer);
        EXPECT_EQ(log[i].count, log[i + 1].count);
        EXPECT_LE(log[i].count, 256);
    }
    frame.port.ClearSecondOwner();
    const size_t secondHad = second.bytes.size();
    simulator.Advance(1000);
    ASSERT_TRUE(PumpUntil(simulator, [&] { return owner.bytes.size() >= simulator.Sent().size(); }));
    EXPECT_EQ(second.bytes.size(), secondHad);
}

TEST_F(SerialPort, ClosingWhileTheUiThreadIsBusyStopsAtOnce) {
    for (int i = 0; i < 10; ++i) simulator.EmitEpoch();
    ASSERT_TRUE(PumpUntil(simulator, [&] { return !owner.bytes.empty(); }));
    // The UI thread now stays away from its messages; give the reader time to block in its hand-over.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto start = std::chrono::steady_clock::now();
    frame.port.Close();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, kPromptClose);
    EXPECT_FALSE(frame.port.IsOpen());
    const size_t had = log.size();
    while (PumpPendingMessages()) {
    }
    EXPECT_EQ(log.size(), had);
}

TEST_F(SerialPort, ClosingFromInsideTheDataHandlerDoesNotDeadlock) {
    frame.port.SetSecondOwner(second.hwnd, WM_SERIAL_DATA);
    owner.onData = [&] { frame.port.Close(); };
    simulator.EmitEpoch();
    ASSERT_TRUE(PumpUntil(simulator, [&] { return !owner.bytes.empty(); }));
    EXPECT_FALSE(frame.port.IsOpen());
    // The chunk the owner was handling goes nowhere else once the port is closed.
    PumpUntil(
        simulator, [] { return false; }, 300);
    EXPECT_TRUE(second.bytes.empty());
    frame.port.ClearSecondOwner();
    owner.onData = nullptr;
    ASSERT_EQ(frame.port.OpenPort(kPort, 57600), TRUE);
    const size_t had = owner.bytes.size();
    simulator.EmitEpoch();
    ASSERT_TRUE(PumpUntil(simulator, [&] { return owner.bytes.size() > had; }));
}

TEST_F(SerialPort, AnUnpluggedDeviceIsReportedOnceAndItsSuccessorAtTheSamePathIsReopenedQuietly) {
    // The port reaches the receiver through a stable name, as a USB adapter's is.
    const std::string name = "/tmp/qz-gps-" + std::to_string(getpid());
    ASSERT_EQ(symlink(simulator.DevicePath().c_str(), name.c_str()), 0);
    SetSerialDevicePath(kPort, name);
    frame.port.Close();
    ASSERT_EQ(frame.port.OpenPort(kPort, 57600), TRUE);
    simulator.EmitEpoch();
    ASSERT_TRUE(PumpUntil(simulator, [&] { return !owner.bytes.empty(); }));

    simulator.HangUp();
    unlink(name.c_str());
    ASSERT_TRUE(PumpUntil(simulator, [&] { return !owner.hangups.empty(); }));
    EXPECT_FALSE(frame.port.IsOpen());
    // Gone for good: no further reports and no reading (no CPU spent on the dead device).
    const double before = ProcessCpuMs();
    PumpUntil(
        simulator, [] { return false; }, 300);
    EXPECT_LT(ProcessCpuMs() - before, 40.0);
    EXPECT_EQ(owner.hangups, std::vector<int>{kPort});
    CMessageBoxScript boxes;
    EXPECT_EQ(frame.port.OpenPort(kPort, 57600), FALSE);

    // A new device appears at the same name; the owner retries every 100 ms, as the frame's watch does.
    sim::CReceiverSimulator successor;
    ASSERT_TRUE(successor.Open());
    ASSERT_EQ(symlink(successor.DevicePath().c_str(), name.c_str()), 0);
    const auto appeared = std::chrono::steady_clock::now();
    const size_t had = owner.bytes.size();
    bool reopened = false;
    const bool flowing = PumpUntil(successor, [&] {
        if (!reopened && std::chrono::steady_clock::now() - appeared >= std::chrono::milliseconds(100)) {
            reopened = frame.port.OpenPort(kPort, 57600) == TRUE;
            if (reopened) successor.EmitEpoch();
        }
        return owner.bytes.find("GGA", had) != std::string::npos;
    });
    unlink(name.c_str());
    ASSERT_TRUE(flowing);
    EXPECT_LT(std::chrono::steady_clock::now() - appeared, std::chrono::seconds(2));
    EXPECT_TRUE(frame.port.IsOpen());
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(SerialPort, OpenFailuresSayWhyAndLeaveThePortClosed) {
    CMessageBoxScript boxes;
    CSerialPort other;
    PortOpenFailure busy, missing, badSpeed;
    EXPECT_EQ(other.OpenPort(kPort, 57600, &busy), FALSE);
    EXPECT_FALSE(other.IsOpen());
    SetSerialDevicePath(7, "/nonexistent/tty");
    EXPECT_EQ(other.OpenPort(7, 57600, &missing), FALSE);
    frame.port.Close();
    EXPECT_EQ(other.OpenPort(kPort, 12345, &badSpeed), FALSE);
    EXPECT_EQ(other.GetPortNumber(), 1);
    EXPECT_EQ(PortOpenFailureText(busy), L"无法打开端口！请检查是否已被占用。");
    EXPECT_EQ(missing, PortOpenFailure::kBusy);
    EXPECT_EQ(PortOpenFailureText(badSpeed), L"无法按当前参数配置端口，请检查参数！");
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(other.OpenPort(kPort, 9600), TRUE);
    EXPECT_EQ(other.GetPortNumber(), kPort);
    SetSerialDevicePath(7, "");
}

TEST_F(SerialPort, StoppedReaderLeavesThePortWritable) {
    EXPECT_EQ(frame.port.StopReadThread(), 1);
    EXPECT_EQ(frame.port.StopReadThread(), 0);
    EXPECT_FALSE(frame.port.IsOpen());
    EXPECT_EQ(frame.port.EscapeCommFunction(SETDTR), 0);
    EXPECT_TRUE(frame.port.SendLine(L"log,versiona,once"));
    EXPECT_EQ(Written(), "log,versiona,once\r\n");
    EXPECT_EQ(frame.port.StartReadThread(), 1);
    EXPECT_EQ(frame.port.EscapeCommFunction(SETRTS), TRUE);
    frame.port.Close();
    EXPECT_EQ(frame.port.Write("x", 1), 0u);
    EXPECT_FALSE(frame.port.SendLine(L"x"));
    EXPECT_EQ(frame.port.SendBinaryCommand(BinaryCommand::kVersionQuery, L""), 0u);
}

TEST_F(SerialPort, ABluetoothLinkWithNoReceiverToReachIsRefused) {
    CMessageBoxScript boxes;
    CSerialPort other;
    SetSerialDevicePath(7, kBluezLink);
    ASSERT_TRUE(LoadBluetoothAddress().IsEmpty());
    PortOpenFailure failure;
    EXPECT_EQ(other.OpenPort(7, 9600, &failure), FALSE);
    EXPECT_FALSE(other.IsOpen());
    SetSerialDevicePath(7, "");
    EXPECT_EQ(PortOpenFailureText(failure), L"蓝牙连接失败,请确认主机已开机并已配对!");
    EXPECT_TRUE(boxes.Texts().empty());
}
