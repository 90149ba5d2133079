#include "receiver/BluezBluetoothModule.h"

#include <map>

#include "platform/text/CodePage.h"
#include "receiver/SdBusCalls.h"

namespace {
constexpr const char* kService = "org.bluez";
constexpr const char* kAdapterInterface = "org.bluez.Adapter1";
constexpr const char* kDeviceInterface = "org.bluez.Device1";
constexpr const char* kObjectManager = "org.freedesktop.DBus.ObjectManager";

// The properties of one interface that matter here: strings and booleans by name.
struct Properties {
    std::map<std::string, std::string> strings;
    std::map<std::string, bool> flags;
};

// Reads an a{sv} of properties.
bool ReadProperties(const SdBusCalls& sd, sd_bus_message* m, Properties& out) {
    if (sd.message_enter_container(m, 'a', "{sv}") < 0) return false;
    while (sd.message_enter_container(m, 'e', "sv") > 0) {
        const char* key = nullptr;
        if (sd.message_read(m, "s", &key) < 0) return false;
        const std::string name = key;
        if (sd.message_enter_container(m, 'v', "s") > 0) {
            const char* value = nullptr;
            if (sd.message_read(m, "s", &value) < 0) return false;
            out.strings[name] = value;
            sd.message_exit_container(m);
        } else if (sd.message_enter_container(m, 'v', "b") > 0) {
            int value = 0;
            if (sd.message_read(m, "b", &value) < 0) return false;
            out.flags[name] = value != 0;
            sd.message_exit_container(m);
        } else if (sd.message_skip(m, "v") < 0) {
            return false;
        }
        if (sd.message_exit_container(m) < 0) return false;
    }
    return sd.message_exit_container(m) >= 0;
}

// Reads an a{sa{sv}}: the object's interfaces with their properties.
bool ReadInterfaces(const SdBusCalls& sd, sd_bus_message* m, std::map<std::string, Properties>& out) {
    if (sd.message_enter_container(m, 'a', "{sa{sv}}") < 0) return false;
    while (sd.message_enter_container(m, 'e', "sa{sv}") > 0) {
        const char* name = nullptr;
        if (sd.message_read(m, "s", &name) < 0 || !ReadProperties(sd, m, out[name])) return false;
        if (sd.message_exit_container(m) < 0) return false;
    }
    return sd.message_exit_container(m) >= 0;
}

bool CallAdapter(const SdBusCalls& sd, sd_bus* bus, const std::string& adapter, const char* method) {
    sd_bus_error error = SD_BUS_ERROR_NULL;
    const int r =
        sd.call_method(bus, kService, adapter.c_str(), kAdapterInterface, method, &error, nullptr, "");
    sd.error_free(&error);
    return r >= 0;
}
}  // namespace

CBluezBluetoothModule::~CBluezBluetoothModule() {
    StopInquiry();
    if (!bus_) return;
    sd_->slot_unref(added_);
    sd_->flush_close_unref(bus_);
}

void CBluezBluetoothModule::Attach(HWND, IBluetoothEvents& events) {
    events_ = &events;
}

// Finds a powered adapter; the devices it already knows (a paired receiver is one) are reported as found.
bool CBluezBluetoothModule::FindAdapter() {
    if (!bus_) {
        sd_ = SdBus();
        if (!sd_ || sd_->open_system(&bus_) < 0) return false;
    }
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message* reply = nullptr;
    const int r =
        sd_->call_method(bus_, kService, "/", kObjectManager, "GetManagedObjects", &error, &reply, "");
    sd_->error_free(&error);
    if (r < 0) return false;
    std::map<std::string, std::map<std::string, Properties>> objects;
    bool ok = sd_->message_enter_container(reply, 'a', "{oa{sa{sv}}}") >= 0;
    while (ok && sd_->message_enter_container(reply, 'e', "oa{sa{sv}}") > 0) {
        const char* path = nullptr;
        ok = sd_->message_read(reply, "o", &path) >= 0 && ReadInterfaces(*sd_, reply, objects[path]) &&
             sd_->message_exit_container(reply) >= 0;
    }
    sd_->message_unref(reply);
    if (!ok) return false;
    adapter_.clear();
    for (auto& [path, interfaces] : objects) {
        auto adapter = interfaces.find(kAdapterInterface);
        if (adapter != interfaces.end() && adapter->second.flags["Powered"]) {
            adapter_ = path;
            break;
        }
    }
    if (adapter_.empty()) return false;
    events_->ShowStatus(L"存在内置蓝牙!");
    events_->SetProgress(20);
    events_->InquiryStarted();
    reported_.clear();
    for (auto& [path, interfaces] : objects) {
        auto device = interfaces.find(kDeviceInterface);
        if (device != interfaces.end())
            Report(path, device->second.strings["Address"], device->second.strings["Name"]);
    }
    return true;
}

bool CBluezBluetoothModule::StartScan() {
    StopInquiry();
    events_->ShowStatus(L"检查内置蓝牙...");
    if (!FindAdapter()) {
        events_->ShowStatus(L"没有检测到内置蓝牙!");
        events_->ScanIdle();
        return true;
    }
    if (!added_ && sd_->match_signal(bus_, &added_, nullptr, "/", kObjectManager, "InterfacesAdded",
                                     &CBluezBluetoothModule::OnInterfacesAdded, this) < 0) {
        events_->ShowStatus(L"搜索蓝牙超时!");
        events_->ScanIdle();
        return true;
    }
    // Receivers speak the serial-port profile, which is classic Bluetooth only.
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_->call_method(bus_, kService, adapter_.c_str(), kAdapterInterface, "SetDiscoveryFilter", &error,
                     nullptr, "a{sv}", 1, "Transport", "s", "bredr");
    sd_->error_free(&error);
    if (!CallAdapter(*sd_, bus_, adapter_, "StartDiscovery")) {
        events_->ShowStatus(L"搜索蓝牙超时!");
        events_->ScanIdle();
        return true;
    }
    inquiring_ = true;
    ticks_ = 0;
    events_->ShowStatus(L"开始搜索蓝牙...");
    return true;
}

void CBluezBluetoothModule::Report(const std::string& path, const std::string& address,
                                   const std::string& name) {
    if (path.rfind(adapter_ + "/", 0) != 0 || address.empty() || !reported_.insert(address).second) return;
    // A device that gives no name is listed by its address.
    events_->DeviceFound({FromUtf8(address), FromUtf8(name.empty() ? address : name)});
}

int CBluezBluetoothModule::OnInterfacesAdded(sd_bus_message* message, void* self, sd_bus_error*) {
    auto* module = static_cast<CBluezBluetoothModule*>(self);
    const char* path = nullptr;
    std::map<std::string, Properties> interfaces;
    if (!module->inquiring_ || module->sd_->message_read(message, "o", &path) < 0 ||
        !ReadInterfaces(*module->sd_, message, interfaces))
        return 0;
    auto device = interfaces.find(kDeviceInterface);
    if (device != interfaces.end())
        module->Report(path, device->second.strings["Address"], device->second.strings["Name"]);
    return 0;
}

void CBluezBluetoothModule::OnTick() {
    if (!bus_) return;
    while (sd_->process(bus_, nullptr) > 0) {
    }
    if (!inquiring_ || ++ticks_ < kInquiryTicks) return;
    StopInquiry();
    events_->InquiryEnded();
    events_->ShowStatus(L"搜索蓝牙成功!");
}

void CBluezBluetoothModule::Cancel() {
    StopInquiry();
    events_->ShowStatus(L"停止搜索");
}

void CBluezBluetoothModule::StopInquiry() {
    if (!inquiring_) return;
    inquiring_ = false;
    CallAdapter(*sd_, bus_, adapter_, "StopDiscovery");
}

bool CBluezBluetoothModule::SetAddress(const CString& address) {
    if (!SaveBluetoothAddress(address)) {
        events_->ShowStatus(L"创建文件失败!");
        return true;
    }
    events_->SetProgress(15);
    events_->ShowStatus(L"设置连接蓝牙地址成功");
    events_->AddressSet();
    return true;
}
