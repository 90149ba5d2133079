#pragma once
// The network modem's command set ("TOVAK," lines, each answered by the same word and ",OK") and the
// step lists of the modem dialog's five buttons. A step is a CommandItem whose name holds its progress
// text; time-outs are in seconds.
#include <vector>

#include "foundation/GeneralSettingsBlock.h"
#include "receiver/CommandItem.h"

namespace modem {
enum ConnectionType { kGsm = 0, kGprs = 1, kCdma = 2 };
enum WorkMode { kOwnServer = 0, kVrs = 1, kVrsNtrip = 2 };
}  // namespace modem

std::vector<CommandItem> ModemReadSteps();
// `identification` is the receiver's serial text; when the box "设为基站" is clear, SETGPRS carries it
// less its first four characters (empty when it is shorter).
std::vector<CommandItem> ModemSetSteps(const NetModuleSettings& pending, bool setAsBase,
                                       const CString& identification);
std::vector<CommandItem> ModemListSteps();
std::vector<CommandItem> ModemConnectSteps(int connectionType);
std::vector<CommandItem> ModemDisconnectSteps();

// The domain the set button sends: for VRS and VRS_NTRIP the mount point before its first "/", for
// the own server the kept domain.
CString DomainToSend(int workMode, const CString& mountPointText, const CString& keptDomain);

// A source-table line's entry: mount point, then "/identifier" and "/format" where not empty; empty
// when the line holds no "STR;".
CString SourceTableEntry(const CString& line);

// Copies the confirmed part of `pending` into `kept` for a confirmation line (first match wins);
// false when the line confirms nothing.
bool ApplyModemConfirmation(const CString& line, const NetModuleSettings& pending, NetModuleSettings& kept);

// Fields that would break a comma-separated command or the ":"-joined login: a comma, CR, LF or a
// character outside ASCII anywhere, a ":" in the user. The index of the first such field in the order
// address, port, domain, user, password, base id, base phone; -1 when all are clean.
int RefusedModemField(const NetModuleSettings& settings);
inline constexpr const wchar_t* kModemFieldRefusal = L"输入内容不能包含逗号、冒号或中文!";
