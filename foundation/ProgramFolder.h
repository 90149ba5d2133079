#pragma once
// The device folder that holds the program's files and its "Jobs" folder.
inline constexpr const wchar_t* kProgramFolder = L"\\Program Files";
