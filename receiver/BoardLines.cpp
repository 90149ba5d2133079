#include "receiver/BoardLines.h"

#include "platform/text/Format.h"
#include "receiver/ReceiverPort.h"

namespace {
constexpr int kFormats = 4;
const wchar_t* const kRepeatFormat[kFormats] = {
    L"interfacemode,com2,rtca,rtca\r\n", L"interfacemode,com2,rtcm,rtcm\r\n",
    L"interfacemode,com2,cmr,cmr\r\n", L"interfacemode,com2,rtcmv3,rtcmv3\r\n"};
const wchar_t* const kBoardProtocol[kFormats] = {
    L"interfacemode,com2,rtca,novatel\r\n", L"interfacemode,com2,rtcm,novatel\r\n",
    L"interfacemode,com2,cmr,novatel\r\n", L"interfacemode,com2,rtcmv3,novatel\r\n"};
}  // namespace

const wchar_t* InterfaceModeLine(int format, bool boardProtocol) {
    if (format < 0 || format >= kFormats) return nullptr;
    return (boardProtocol ? kBoardProtocol : kRepeatFormat)[format];
}

CString ElevationMaskLine(int maskDegrees) {
    return Format(L"ecutoff,%d\r\n", maskDegrees);
}

void SendThroughSecondPort(IReceiverPort& port, const CString& sentence) {
    port.SendLine(Format(L"send com2 \"%s\r\n\"\r\n", sentence.c_str()));
    port.SendLine(Format(L"send com2 \"%s\"\r\n", sentence.c_str()));
    port.SendLine(L"sendhex com2 2 0D0A\r\n");
}
