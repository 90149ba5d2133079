#include "receiver/ModemSession.h"

#include "receiver/ModemSteps.h"
#include "receiver/ModuleReadAll.h"

#include <string>

#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

namespace {
constexpr uint8_t kModuleSwitchId = 0x35;
constexpr size_t kModuleSwitchAnswer = 9;

// Length of the binary frame ('$', id, ~id, 16-bit length, payload, check) at `at`; 0 when none. The
// module switch answers in nine bytes whatever its length field says ("$5", 0xCA, 1, 0, 0, 0, state, check).
size_t BinaryFrameAt(std::string_view bytes, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes[at + i]); };
    if (bytes.size() - at < 6 || byte(0) != '$' || byte(2) != static_cast<uint8_t>(~byte(1))) return 0;
    const size_t total = byte(1) == kModuleSwitchId ? kModuleSwitchAnswer : 6 + (byte(3) | (byte(4) << 8));
    return total <= bytes.size() - at ? total : 0;
}
}  // namespace

CModemSession::CModemSession(IModemSessionView& view) : view_(view) {
    current_.timeout = -1;
}

void CModemSession::Reset() {
    queue_.clear();
    current_.Reset();
    current_.timeout = -1;
    listMode_ = inTable_ = false;
    received_.Empty();
    timedOut_.clear();
}

void CModemSession::Start(std::vector<CommandItem> steps, const CString& finalText) {
    queue_.assign(steps.begin(), steps.end());
    finalText_ = finalText;
    timedOut_.clear();
    runSteps_ = steps.size();
    NextStep();
}

void CModemSession::StartList(std::vector<CommandItem> steps, const CString& finalText) {
    listMode_ = true;
    inTable_ = false;
    view_.ClearMountPoints();
    Start(std::move(steps), finalText);
}

void CModemSession::NextStep() {
    current_.Reset();
    current_.timeout = -1;
    if (queue_.empty()) {
        const CString last = EndText();
        if (!last.IsEmpty()) view_.ShowStatus(last);
        view_.EnableButtons();
        return;
    }
    current_ = queue_.front();
    queue_.pop_front();
    Send();
}

CString CModemSession::EndText() {
    if (timedOut_.empty()) return finalText_;
    CString all;
    for (const CString& text : timedOut_) all += text;
    if (view_.StatusFits(all)) return all;
    const int count = static_cast<int>(timedOut_.size());
    if (timedOut_.size() == runSteps_) return Format(L"全部%d步超时,模块无应答!", count);
    // The first step given up by what it did: its time-out text without "超时!".
    CString first = timedOut_.front();
    if (first.Right(3) == L"超时!") first = first.Left(first.GetLength() - 3);
    const CString named = Format(L"%s等%d步超时!", first.c_str(), count);
    return view_.StatusFits(named) ? named : Format(L"%d步超时!", count);
}

void CModemSession::Send() {
    if (!current_.commandText.IsEmpty()) view_.SendLine(current_.commandText);
    if (!current_.name.IsEmpty()) view_.ShowStatus(current_.name);
}

void CModemSession::OnTick() {
    if (!Running()) return;
    if (current_.timeout < 0) {
        if (!current_.timeoutText.IsEmpty()) view_.ShowStatus(current_.timeoutText);
        if (!current_.timeoutText.IsEmpty()) timedOut_.push_back(current_.timeoutText);
        NextStep();
        return;
    }
    --current_.timeout;
    if (current_.timeout % 2 == 0) Send();
}

void CModemSession::OnReceivedBytes(std::string_view bytes) {
    std::string text;
    for (size_t at = 0; at < bytes.size();) {
        const size_t frame = BinaryFrameAt(bytes, at);
        if (frame == 0) text += bytes[at++];
        at += frame;
    }
    OnReceived(FromGbk(text));
}

void CModemSession::OnReceived(const CString& text) {
    received_ += text;
    int lf;
    while ((lf = received_.Find(L'\n')) >= 0) {
        const CString line = received_.Left(lf).SpanExcluding(L"\r");
        received_ = received_.Mid(lf + 1);
        if (!line.IsEmpty()) OnLine(line);
    }
    if (received_.GetLength() > kMaxReceivedChars) received_.Empty();
}

void CModemSession::OnLine(const CString& line) {
    if (!current_.commandText.IsEmpty() && !current_.replyText.IsEmpty() &&
        line.Find(current_.replyText) >= 0) {
        bool complete = true;
        if (current_.replyText.Find(L"TOVAK,ALL") >= 0) {
            complete = line.Find(L"ALL,") >= 0;
            if (complete && ParseModuleReadAll(line, kept)) view_.EnableButtons();
            if (complete) view_.ShowKept();
        } else {
            ApplyModemConfirmation(line, pending, kept);
        }
        if (complete) {
            view_.ShowStatus(current_.successText);
            NextStep();
            return;
        }
    }
    if (listMode_) OnSourceTableLine(line);
}

void CModemSession::OnSourceTableLine(const CString& line) {
    if (line.Find(L"SOURCETABLE 200 OK") >= 0) {
        inTable_ = true;
        view_.ShowStatus(L"开始读取域名列表...");
    } else if (inTable_ && line.Find(L"ENDSOURCETABLE") >= 0) {
        inTable_ = listMode_ = false;
        view_.ShowStatus(L"读取域名列表完毕!");
        view_.ChooseFirstMountPoint();
        view_.EnableButtons();
    } else if (inTable_ && line.Find(L"STR;") >= 0) {
        view_.AddMountPoint(SourceTableEntry(line));
    }
}
