#pragma once
// The receiver side of the frame: the port, the parser and the live state it fills, the data-link
// module queue, the LED and tone device, the network report record, the receiver's identification
// values from its version reply, and the housekeeping of the routing with its private counters.
#include "foundation/AntennaRecord.h"
#include "foundation/CGpsState.h"
#include "receiver/CDeviceIo.h"
#include "receiver/CGpsParser.h"
#include "receiver/CModuleCommandQueue.h"
#include "receiver/CSerialPort.h"
#include "receiver/GgaRecord.h"
#include "shell/ReceiverLines.h"

class IFrameServices;

// What the version reply tells of the receiver (CGpsParser::ParseVersion).
struct ReceiverIdentity {
    int l1Option = 0;
    int workMode = 0;
    double antennaFactor = 0.014;     // first antenna constant
    double instrumentHeight = 0.106;  // second antenna constant
    int receiverKind = 0;             // module kind, valid 0 to 4
    int linkKind = 0;
    int serialForm = 0;
    double instrumentRadius = 0.0;  // third antenna constant
    int language = 0;
};

class ReceiverLink {
public:
    explicit ReceiverLink(IFrameServices& frame) : parser(frame), modules(frame) {}

    // ---- Housekeeping of the routing: the board is kept logging what the program needs.
    // After a position log: the talker once, the version query until the receiver is known, the
    // base log and, while no differential fix comes (a rover only), the input format again, each
    // every thirty logs.
    void KeepPositionLogBoard(int radioFormat);
    // After a GGA line of the binary board family: true every thirty lines until a base solution
    // was seen, when the application file is due again.
    bool AppFileDue();
    // The board logs its reference station itself; no more base-log requests.
    void StopBaseLogRequests() { baseLogStop_ = 1; }
    void NoteBaseSolution() { baseSolutionSeen_ = 1; }
    // A fix went to the listeners: the silent watch restarts and the state waits for the next fix.
    void FixForwarded();

    CSerialPort port;
    CGpsState state;
    CGpsParser parser;
    CModuleCommandQueue modules;
    CDeviceIo device;
    GgaRecord gga;
    ReceiverLines lines;
    // The text the module replies are searched in.
    CString moduleReplyText;

    ReceiverIdentity ident;
    int baseFlag = 0;           // 1 while the receiver works as a base
    int moduleNetworkType = 0;  // the network module: 0 CDMA, 1 GPRS
    int moduleConfigured = 0;   // a module reply was understood or an external link reported
    int rereadRadio = 0;
    int watchdog = 0;  // silent ticks
    int tickCount = 0;
    int hasData = 0;  // a fix was forwarded since the last reset of the state
    AntennaRecord antenna;
    int antennaKnown = 0;
    int antennaReadFailed = 0;  // the antenna table could not be read on this connection

private:
    // Counters and flags of the routing; each starts at 0 with the frame.
    int talkerSent_ = 0;
    int noFix_ = 0;
    int baseLog_ = 0;
    int baseLogStop_ = 0;
    int baseSolutionSeen_ = 0;
    int appFile_ = 0;
};
