#pragma once
// The built-in Bluetooth module's side of the connection dialog: its AT commands, the inquiry result
// lines, and the device list file "\SystemCF\BluetoothList" (GBK, one "name,address" line with CR LF
// per receiver found) that keeps the last scan for the next opening of the dialog.
#include <vector>

#include "platform/text/CString.h"
#include "receiver/CommandItem.h"

struct BtDeviceEntry {
    CString address;
    CString name;
};

inline constexpr const wchar_t* kBluetoothListPath = L"\\SystemCF\\BluetoothList";
// The address the host's adapter is to connect to (GBK text): what the module itself keeps on the handheld.
inline constexpr const wchar_t* kBluetoothAddressPath = L"\\SystemCF\\BluetoothAddress";
// Loading stops after this many lines.
inline constexpr int kBluetoothListMaxLines = 201;

// The module's commands: the text, "OK" awaited, the time-out in timer ticks, and the progress (as
// the name), success and time-out texts.
CommandItem BtCheckCommand();
CommandItem BtMasterRoleCommand();
CommandItem BtInquiryCommand();
CommandItem BtCancelCommand();
CommandItem BtConnectCommand(const CString& address);

// "+INQRESU:" address "," name (the rest of the line): the entry; false for any other line.
bool ParseInquiryResult(const CString& line, BtDeviceEntry* entry);

// The devices of the list file, in its order; none when it is missing or empty.
std::vector<BtDeviceEntry> LoadBluetoothList(const CString& path);
// The first device of a scan replaces the file, later ones are appended. A comma in the name is
// kept as a blank, so that the line reads back as the same name and address.
bool SaveBluetoothEntry(const CString& path, const BtDeviceEntry& entry, bool first);

// Replaces the kept address; false (the old one kept) when it cannot be written.
bool SaveBluetoothAddress(const CString& address);
// The kept address; empty when none was kept.
CString LoadBluetoothAddress();
