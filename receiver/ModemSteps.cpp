#include "receiver/ModemSteps.h"

#include "platform/text/Format.h"
#include "receiver/SentenceFields.h"

namespace {
constexpr int kStepSeconds = 10;

CommandItem Step(const CString& command, const wchar_t* awaited, const CString& what,
                 int seconds = kStepSeconds) {
    CommandItem item;
    item.commandText = command;
    item.replyText = awaited;
    item.timeout = seconds;
    item.name = what + L"...";
    item.successText = what + L"成功!";
    item.timeoutText = what + L"超时!";
    return item;
}

CommandItem Close(const wchar_t* what) {
    return Step(L"TOVAK,CLOSE\r\n", L"TOVAK,CLOSE", what);
}
CommandItem IpSet(const CString& address, const CString& port, const CString& domain) {
    return Step(Format(L"TOVAK,IPSET,%s,%s,%s\r\n", address.c_str(), port.c_str(), domain.c_str()),
                L"TOVAK,IPSET,OK", L"设置IP,端口和域");
}
CommandItem ModeTovak() {
    return Step(L"TOVAK,MODETOVAK\r\n", L"TOVAK,MODETOVAK,OK", L"设置TOVAK工作方式");
}
CommandItem ModeVrs() {
    return Step(L"TOVAK,MODEVRS\r\n", L"TOVAK,MODEVRS,OK", L"设置VRS工作方式");
}
CommandItem ModeNtrip() {
    return Step(L"TOVAK,MODENTRIP\r\n", L"TOVAK,MODENTRIP,OK", L"设置VRSNTRIP工作方式");
}
CommandItem User(const NetModuleSettings& s) {
    return Step(Format(L"TOVAK,USER,%s:%s\r\n", s.user.c_str(), s.password.c_str()), L"TOVAK,USER,OK",
                L"设置用户和密码");
}

bool Clean(const CString& text, bool colonToo) {
    for (int i = 0; i < text.GetLength(); ++i) {
        const wchar_t c = text[i];
        if (c == L',' || c == L'\r' || c == L'\n' || c > 0x7E || (colonToo && c == L':')) return false;
    }
    return true;
}
}  // namespace

std::vector<CommandItem> ModemReadSteps() {
    return {Step(L"TOVAK,READALL\r\n", L"TOVAK,ALL", L"读取所有参数")};
}

std::vector<CommandItem> ModemSetSteps(const NetModuleSettings& p, bool setAsBase,
                                       const CString& identification) {
    std::vector<CommandItem> steps = {Close(L"断开连接")};
    if (p.connectionType == modem::kGprs || p.connectionType == modem::kCdma) {
        steps.push_back(Step(L"TOVAK,MODEGPRS\r\n", L"TOVAK,MODEGPRS,OK", L"设置GPRS连接方式"));
        steps.push_back(IpSet(p.server, p.port, p.domain));
        if (p.workMode == modem::kOwnServer) {
            steps.push_back(ModeTovak());
            const CString own =
                setAsBase ? p.baseId : identification.Mid(std::min(4, identification.GetLength()));
            const CString what = p.connectionType == modem::kGprs ? L"设置GPRS连接串号" : L"设置CDMA连接串号";
            steps.push_back(Step(Format(L"TOVAK,SETGPRS,%s,%s\r\n", own.c_str(), p.baseId.c_str()),
                                 L"TOVAK,SETGPRS,OK", what));
            steps.push_back(User(p));
        } else if (p.workMode == modem::kVrs) {
            steps.push_back(ModeVrs());
        } else if (p.workMode == modem::kVrsNtrip) {
            steps.push_back(ModeNtrip());
            steps.push_back(User(p));
        }
    } else if (p.connectionType == modem::kGsm) {
        steps.push_back(Step(L"TOVAK,MODEGSM\r\n", L"TOVAK,MODEGSM,OK", L"设置GSM连接方式"));
        const CString command =
            setAsBase || p.workMode == modem::kOwnServer
                ? Format(L"TOVAK,SETGSM,,%s\r\n", p.basePhone.c_str())
                : Format(L"TOVAK,SETGSM,%s,%s\r\n", p.basePhone.c_str(), p.basePhone.c_str());
        steps.push_back(Step(command, L"TOVAK,SETGSM,OK", L"设置连接电话号码"));
        if (p.workMode == modem::kOwnServer) steps.push_back(ModeTovak());
        if (p.workMode == modem::kVrs) steps.push_back(ModeVrs());
        if (p.workMode == modem::kVrsNtrip) steps.push_back(ModeNtrip());
    }
    steps.push_back(Step(L"TOVAK,SAVECONFIG,\r\n", L"TOVAK,SAVECONFIG,OK", L"保存设置"));
    return steps;
}

std::vector<CommandItem> ModemListSteps() {
    return {IpSet(L"", L"", L""), Close(L"关闭连接"),
            Step(L"TOVAK,RESET,ON\r\n", L"TOVAK,RESET,OK", L"模块重启")};
}

std::vector<CommandItem> ModemConnectSteps(int connectionType) {
    const bool gsm = connectionType == modem::kGsm;
    CommandItem open = Step(L"TOVAK,OPEN\r\n", gsm ? L"CONNECT" : L"TOVAK,OPEN", L"", gsm ? 60 : 20);
    open.name = L"进行连接...";
    open.successText = L"连接成功!";
    open.timeoutText = L"连接超时!";
    return {Close(L"断开连接"), open};
}

std::vector<CommandItem> ModemDisconnectSteps() {
    return {Close(L"断开连接")};
}

CString DomainToSend(int workMode, const CString& mountPointText, const CString& keptDomain) {
    if (workMode != modem::kVrs && workMode != modem::kVrsNtrip) return keptDomain;
    const int slash = mountPointText.Find(L'/');
    return slash < 0 ? mountPointText : mountPointText.Left(slash);
}

CString SourceTableEntry(const CString& line) {
    const int at = line.Find(L"STR;");
    if (at < 0) return {};
    const std::vector<CString> f = SplitFieldsUpTo(line.Mid(at + 4), L';', 3);
    CString entry = f[0];
    if (f.size() > 1 && !f[1].IsEmpty()) entry += L"/" + f[1];
    if (f.size() > 2 && !f[2].IsEmpty()) entry += L"/" + f[2];
    return entry;
}

bool ApplyModemConfirmation(const CString& line, const NetModuleSettings& p, NetModuleSettings& kept) {
    const auto has = [&](const wchar_t* text) { return line.Find(text) >= 0; };
    if (has(L"TOVAK,MODEGSM,OK") || has(L"TOVAK,MODEGPRS,OK")) {
        kept.connectionType = p.connectionType;
    } else if (has(L"TOVAK,MODETOVAK,OK") || has(L"TOVAK,MODEVRS,OK") || has(L"TOVAK,MODENTRIP,OK")) {
        kept.workMode = p.workMode;
    } else if (has(L"TOVAK,SETGSM,OK")) {
        kept.basePhone = p.basePhone;
    } else if (has(L"TOVAK,IPSET,OK")) {
        kept.server = p.server;
        kept.port = p.port;
        kept.domain = p.domain;
    } else if (has(L"TOVAK,SETGPRS,OK")) {
        kept.baseId = p.baseId;
    } else if (has(L"TOVAK,USER,OK")) {
        kept.user = p.user;
        kept.password = p.password;
    } else {
        return false;
    }
    return true;
}

int RefusedModemField(const NetModuleSettings& s) {
    const CString* fields[] = {&s.server, &s.port, &s.domain, &s.user, &s.password, &s.baseId, &s.basePhone};
    for (int i = 0; i < 7; ++i)
        if (!Clean(*fields[i], fields[i] == &s.user)) return i;
    return -1;
}
