#include "receiver/ModuleReadAll.h"

#include "receiver/SentenceFields.h"

bool ParseModuleReadAll(const CString& line, NetModuleSettings& out) {
    const int at = line.Find(L"ALL,");
    if (at < 0) return false;
    const std::vector<CString> f = SplitFieldsUpTo(line.Mid(at + 4), L',', 12);
    auto field = [&](size_t i) { return i < f.size() ? f[i] : CString(); };
    out.baseId = field(1);
    out.basePhone = field(3);
    const CString type = field(4);
    if (type == L"MODEGSM") out.connectionType = 0;
    if (type == L"MODEGPRS") out.connectionType = 1;
    if (type == L"MODECDMA") out.connectionType = 2;
    const CString mode = field(5);
    if (mode.Find(L"MODETOVAK") >= 0)
        out.workMode = 0;
    else if (mode.Find(L"MODEVRS") >= 0)
        out.workMode = 1;
    else if (mode.Find(L"MODENTRIP") >= 0)
        out.workMode = 2;
    out.server = field(6);
    out.port = field(7);
    out.domain = field(8);
    if (f.size() <= 9) return false;
    const std::vector<CString> login = SplitFields(f[9], L':', 2);
    out.user = login[0];
    out.password = login[1];
    out.text8 = field(10);
    out.text9 = field(11).SpanExcluding(L"\r");
    return true;
}
