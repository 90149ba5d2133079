#pragma once
// Symbolic links under the device root that lead out of it are never followed (platform/files):
// the user is told which by its device path, once each in a run.
class CWnd;

inline constexpr const wchar_t* kRefusedLinkText = L"链接 %s 指向设备目录之外,已拒绝使用!";

// One message for each link refused since the last call.
void TellRefusedLinks(CWnd* parent);
