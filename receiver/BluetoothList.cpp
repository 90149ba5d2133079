#include "receiver/BluetoothList.h"

#include <string>

#include "foundation/DamagedFileCopy.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

namespace {

CommandItem AtCommand(const wchar_t* text, int ticks, const wchar_t* progress, const wchar_t* success,
                      const wchar_t* timedOut) {
    CommandItem item;
    item.commandText = text;
    item.replyText = L"OK";
    item.timeout = ticks;
    item.name = progress;
    item.successText = success;
    item.timeoutText = timedOut;
    return item;
}

CString CutAt(const CString& text, const wchar_t* stops) {
    const int end = text.FindOneOf(stops);
    return end < 0 ? text : text.Left(end);
}

}  // namespace

CommandItem BtCheckCommand() {
    return AtCommand(L"AT\r\n", 10, L"检查内置蓝牙...", L"存在内置蓝牙!", L"没有检测到内置蓝牙!");
}

CommandItem BtMasterRoleCommand() {
    return AtCommand(L"AT+ROLE=1\r\n", 5, L"设为主蓝牙模式...", L"设为主蓝牙模式成功!",
                     L"设为主蓝牙模式超时!");
}

CommandItem BtInquiryCommand() {
    return AtCommand(L"AT+INQ\r\n", 30, L"搜索附近蓝牙...", L"开始搜索蓝牙...", L"搜索蓝牙超时!");
}

CommandItem BtCancelCommand() {
    return AtCommand(L"AT+CANCEL\r\n", 10, L"", L"", L"");
}

CommandItem BtConnectCommand(const CString& address) {
    CommandItem item =
        AtCommand(L"", 15, L"设置连接蓝牙地址...", L"设置连接蓝牙地址成功", L"设置连接蓝牙地址超时");
    item.commandText = L"AT+RADDR=" + address + L"\r\n";
    return item;
}

bool ParseInquiryResult(const CString& line, BtDeviceEntry* entry) {
    static const CString kTag = L"+INQRESU:";
    const int at = line.Find(kTag);
    if (at < 0) return false;
    const CString rest = line.Mid(at + kTag.GetLength());
    const int comma = rest.Find(L',');
    entry->address = comma < 0 ? rest : rest.Left(comma);
    entry->name = comma < 0 ? CString() : CutAt(rest.Mid(comma + 1), L"\r\n");
    return true;
}

std::vector<BtDeviceEntry> LoadBluetoothList(const CString& path) {
    std::vector<BtDeviceEntry> devices;
    std::string bytes;
    if (!ReadWholeFile(path, bytes, kMaxSettingsFileBytes)) return devices;
    const CString text = FromGbk(bytes);
    int start = 0;
    for (int lines = 0; lines < kBluetoothListMaxLines; ++lines) {
        const int lf = text.Find(L'\n', start);
        if (lf < 0) break;
        // The character before each line feed (the CR) is not part of the line.
        const CString line = text.Mid(start, lf - start > 0 ? lf - start - 1 : 0);
        start = lf + 1;
        if (line.IsEmpty()) break;
        const int comma = line.Find(L',');
        BtDeviceEntry entry;
        entry.name = comma < 0 ? line : line.Left(comma);
        entry.address = comma < 0 ? CString() : CutAt(line.Mid(comma + 1), L",\r");
        devices.push_back(entry);
    }
    return devices;
}

namespace {
bool MakeFolderOf(const CString& path) {
    const int slash = path.ReverseFind(L'\\');
    return slash <= 0 || DirectoryExists(path.Left(slash)) || CreateDirectory(path.Left(slash));
}
}  // namespace

bool SaveBluetoothEntry(const CString& path, const BtDeviceEntry& entry, bool first) {
    CString name = entry.name;
    name.Replace(L',', L' ');
    const std::string line = ToGbk(name + L"," + entry.address + L"\r\n");
    MakeFolderOf(path);
    return first ? AtomicRewrite(path, line) : AppendDurably(path, line);
}

bool SaveBluetoothAddress(const CString& address) {
    MakeFolderOf(kBluetoothAddressPath);
    return AtomicRewrite(kBluetoothAddressPath, ToGbk(address));
}

CString LoadBluetoothAddress() {
    std::string bytes;
    if (!ReadWholeFile(kBluetoothAddressPath, bytes, kMaxSettingsFileBytes)) return {};
    return FromGbk(bytes);
}
