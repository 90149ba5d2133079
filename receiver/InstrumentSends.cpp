#include "receiver/InstrumentSends.h"

#include <cmath>

#include "platform/text/Format.h"
#include "platform/time/Clock.h"
#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverPort.h"

namespace {
constexpr int kModeSettleMs = 1000;
constexpr int kDataLinkRepeats = 4;

int Tenths(double value) {
    return static_cast<int>(value * 10);
}
}  // namespace

void SendBaseTransmitParams(IReceiverPort& port, const BaseTransmitParams& p) {
    port.SendBinaryCommand(
        BinaryCommand::kBaseParams,
        Format(L"C%d C%d C%d C%d ", p.nDiffFormat + 1, p.nSendInterval, Tenths(p.dPdopLimit), p.nElevMask));
}

void SendWorkMode(IReceiverHost& frame, int workMode) {
    IReceiverPort& port = frame.Port();
    const int reported = frame.VersionInfo().workMode;
    const bool already =
        (workMode == kWorkBase && reported == 1) || (workMode == kWorkRover && reported == 0);
    if (!already) {
        port.SendBinaryCommand(BinaryCommand::kWorkMode, Format(L"C%d", workMode + 1));
        if (workMode == kWorkKinematic) port.SendBinaryCommand(BinaryCommand::kMotion, L"C1");
        if (workMode == kWorkStatic) port.SendBinaryCommand(BinaryCommand::kMotion, L"C4");
    }
    Sleep(kModeSettleMs);
    if (workMode == kWorkBase) {
        port.SendLine(L"fix,none\r\n");
        port.SendLine(L"fix,none\r\n");
    }
}

void SendDataLink(IReceiverHost& frame, int linkType) {
    for (int i = 0; i < kDataLinkRepeats; ++i)
        frame.Port().SendBinaryCommand(BinaryCommand::kDataLink, Format(L"C%d", linkType + 3));
    if (linkType == kLinkRadio) frame.SetRadioLink(1);
}

bool SendBaseAutoStart(IReceiverHost& frame, const BaseTransmitParams& params) {
    GeneralSettingsBlock settings = frame.Settings();
    settings.connection.nRadioFormat = params.nDiffFormat;
    const bool written = frame.SaveSettings(settings);
    SendBaseTransmitParams(frame.Port(), params);
    return written;
}

CString StaticModeTokens(const StaticModeParams& p) {
    CString tokens;
    for (int i = 0; i < p.szPointName.GetLength(); ++i) tokens += Format(L"a%c ", p.szPointName[i]);
    // Millimetres rounded: 1.001 m is 1001 mm, not the 1000 a truncation gives.
    const long millimetres = std::lround(p.dAntHeight * 1000.0);
    tokens += Format(L"i%d c%d c%d c%d", static_cast<int>(millimetres), p.nSendInterval, p.nElevMask,
                     Tenths(p.dPdopLimit));
    return tokens;
}

void SendStaticMode(IReceiverPort& port, const StaticModeParams& params) {
    port.SendBinaryCommand(BinaryCommand::kStaticParams, StaticModeTokens(params));
    port.SendBinaryCommand(BinaryCommand::kMotion, L"C4");
}

bool IsStaticPointName(const CString& name) {
    if (name.GetLength() < 1 || name.GetLength() > 16) return false;
    for (int i = 0; i < name.GetLength(); ++i)
        if (name[i] <= L' ' || name[i] > L'~') return false;
    return true;
}
