#pragma once
// Which host device stands behind each of the handheld's COM port numbers.
//
// Defaults: COM5 (the cable) is /dev/ttyUSB0, COM3 (the Bluetooth card) /dev/rfcomm0, COM2 (the built-in
// Bluetooth module) "bluez" (the host's adapter plays the module, and the port is an RFCOMM link to the
// address it keeps), and any other COMn is /dev/ttyS<n-1>. The environment variable
// QZ_SERIAL_PORTS overrides entries: "5=/dev/pts/7,3=/dev/rfcomm2" (comma- or semicolon-separated
// number=path pairs; an optional "COM" before the number is accepted).
#include <string>

inline constexpr const char* kBluezLink = "bluez";

// The host path of COM port `portNumber`; empty for numbers below 1.
std::string SerialDevicePath(int portNumber);

// The port number of a device port name such as "COM5:" or "com12"; 0 when the name is none.
int SerialPortNumberFromName(const std::wstring& name);

// Replaces (or with an empty path, forgets) the program's own entry for one port; it wins over the
// environment and the defaults. Used by the command line and by tests.
void SetSerialDevicePath(int portNumber, const std::string& path);
