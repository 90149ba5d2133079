#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/serial/SerialPortMap.h"
#include "platform/text/CodePage.h"
#include "receiver/BluezBluetoothModule.h"
#include "receiver/screens/CConnectDlg.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

namespace {
using namespace connectdlg;

// Starts a program quietly; with `out`, its standard output is on a pipe. Its pid, or -1. The
// program dies with the test and holds none of its files, so a test killed midway leaves no daemon
// holding a lock or a pipe of whoever ran it.
pid_t Spawn(const std::vector<std::string>& argv, int* out) {
    int fds[2] = {-1, -1};
    if (out && ::pipe(fds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(out ? fds[1] : null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::close_range(3, ~0U, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    if (out) {
        ::close(fds[1]);
        *out = fds[0];
    }
    return pid;
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}

// A private bus with the BlueZ mock on it, standing in for the system bus.
class ConnectDialogBluez : public ReceiverScreenTest {
protected:
    void SetUp() override {
        if (!std::filesystem::exists("/usr/bin/dbus-daemon") ||
            std::system("/usr/bin/python3 -c 'import dbusmock' 2>/dev/null") != 0)
            GTEST_SKIP() << "dbus-daemon or python3-dbusmock is missing";
        ReceiverScreenTest::SetUp();
        int out = -1;
        daemon_ = Spawn({"/usr/bin/dbus-daemon", "--session", "--nofork", "--print-address=1"}, &out);
        ASSERT_GT(daemon_, 0);
        std::string address;
        char c;
        while (::read(out, &c, 1) == 1 && c != '\n') address += c;
        ::close(out);
        ASSERT_FALSE(address.empty());
        ::setenv("DBUS_SYSTEM_BUS_ADDRESS", address.c_str(), 1);
        mock_ = Spawn({"/usr/bin/python3", "-m", "dbusmock", "--template", "bluez5"}, nullptr);
        ASSERT_GT(mock_, 0);
        ASSERT_GE(sd_bus_open_system(&bus_), 0);
        ASSERT_TRUE(WaitFor([&] {
            sd_bus_error error = SD_BUS_ERROR_NULL;
            sd_bus_message* reply = nullptr;
            int has = 0;
            if (sd_bus_call_method(bus_, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                   "org.freedesktop.DBus", "NameHasOwner", &error, &reply, "s",
                                   "org.bluez") >= 0)
                sd_bus_message_read(reply, "b", &has);
            sd_bus_message_unref(reply);
            sd_bus_error_free(&error);
            return has != 0;
        }));
    }
    void TearDown() override {
        sd_bus_flush_close_unref(bus_);
        Stop(mock_);
        Stop(daemon_);
        ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
        if (router) ReceiverScreenTest::TearDown();
    }
    static bool WaitFor(const std::function<bool()>& done) {
        for (int i = 0; i < 200; ++i) {
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    void Mock(const char* method, const char* types, const char* a, const char* b, const char* c = nullptr) {
        sd_bus_error error = SD_BUS_ERROR_NULL;
        const int r = c ? sd_bus_call_method(bus_, "org.bluez", "/", "org.bluez.Mock", method, &error,
                                             nullptr, types, a, b, c)
                        : sd_bus_call_method(bus_, "org.bluez", "/", "org.bluez.Mock", method, &error,
                                             nullptr, types, a, b);
        EXPECT_GE(r, 0) << method << ": " << (error.message ? error.message : "");
        sd_bus_error_free(&error);
    }
    bool Discovering() {
        int value = 0;
        sd_bus_error error = SD_BUS_ERROR_NULL;
        sd_bus_get_property_trivial(bus_, "org.bluez", "/org/bluez/hci0", "org.bluez.Adapter1", "Discovering",
                                    &error, 'b', &value);
        sd_bus_error_free(&error);
        return value != 0;
    }
    int ListCount(CDialog& d) { return static_cast<int>(d.SendDlgItemMessage(kDevices, LB_GETCOUNT)); }

    pid_t daemon_ = -1;
    pid_t mock_ = -1;
    sd_bus* bus_ = nullptr;
};

}  // namespace

TEST_F(ConnectDialogBluez, NoAdapterEndsTheScan) {
    // COM2 on the host's adapter: the dialog plays the module with it.
    SetSerialDevicePath(2, kBluezLink);
    CConnectDlg dlg(frame);
    SetSerialDevicePath(2, "");
    dlg.nMethod = 2;
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.Click(d, kScan);
        EXPECT_EQ(ui.GetText(d, kStatus), L"没有检测到内置蓝牙!");
        EXPECT_TRUE(d.GetDlgItem(kScan)->IsWindowEnabled());
        EXPECT_FALSE(d.GetDlgItem(kStop)->IsWindowEnabled());
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ConnectDialogBluez, KnownAndDiscoveredDevicesAreListedForThirtySeconds) {
    Mock("AddAdapter", "ss", "hci0", "handheld");
    Mock("AddDevice", "sss", "hci0", "00:16:A4:00:00:01", "基站");
    CConnectDlg dlg(frame, std::make_unique<CBluezBluetoothModule>());
    dlg.nMethod = 2;
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.Click(d, kScan);
        EXPECT_EQ(ui.GetText(d, kStatus), L"开始搜索蓝牙...");
        EXPECT_TRUE(Discovering());
        EXPECT_EQ(ListCount(d), 1);
        Mock("AddDevice", "sss", "hci0", "00:16:A4:00:00:02", "QZ-Rover");
        int ticks = 0;
        // The signal crosses two other processes: give it a moment before each tick.
        while (ListCount(d) < 2 && ticks < CBluezBluetoothModule::kInquiryTicks - 1) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ui.Advance(CConnectDlg::kTimerMs);
            ++ticks;
        }
        EXPECT_EQ(ListCount(d), 2);
        EXPECT_TRUE(d.GetDlgItem(kStop)->IsWindowEnabled());
        while (++ticks < CBluezBluetoothModule::kInquiryTicks) ui.Advance(CConnectDlg::kTimerMs);
        EXPECT_TRUE(Discovering());
        ui.Advance(CConnectDlg::kTimerMs);
        EXPECT_EQ(ui.GetText(d, kStatus), L"搜索蓝牙成功!");
        EXPECT_FALSE(Discovering());
        EXPECT_TRUE(d.GetDlgItem(kScan)->IsWindowEnabled());
        ui.ChooseItem(d, kDevices, 1);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(LoadBluetoothList(kBluetoothListPath).size(), 2u);
    EXPECT_EQ(LoadBluetoothAddress(), L"00:16:A4:00:00:02");
}
