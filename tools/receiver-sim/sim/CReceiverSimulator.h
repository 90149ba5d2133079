#pragma once
// A GNSS receiver played on a pseudo-terminal: the program opens the terminal's device path as its
// serial port. The simulator sends NMEA sentences and board logs of a scripted walk at its epoch rate,
// answers the version query and the data-link module requests, records everything it receives, and
// injects faults on request. Its clock is driven by the caller (tests advance it; the program follows
// real time).
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tools/receiver-sim/sim/SimBluetoothModule.h"
#include "tools/receiver-sim/sim/SimModem.h"
#include "tools/receiver-sim/sim/SimSentences.h"
#include "tools/receiver-sim/sim/SimWalk.h"

namespace sim {

struct SimOptions {
    WalkScript script = WalkScript::Default();
    std::string serial = "QZ8120382345678";
    std::string board = "OEM-V";
    std::string workMode = "ROVER";
    std::string firmware = "3.000A19";
    int radioChannel = 3;
    std::string dataLink = "RADIO";  // the link the version reply names: GPRS for a network modem
    bool nmea = true;                // GGA, GSA, GSV (GPS and GLONASS), GST, ZDA
    bool boardLogs = true;           // BESTPOSA every epoch, REFSTATIONA every refStationSeconds
    int refStationSeconds = 10;
    uint32_t seed = 1;
    int floatSecondsAfterReset = 3;  // "rtkcommand reset" drops a fixed solution to float this long
};

// A receiver of a model with a network modem beside its radio (the QZ-R9, receiver kind 2), its
// version reply naming GPRS as the link: the program reaches the modem by the "C2" port switch.
void PlayModemReceiver(SimOptions& options);

struct SimFaults {
    int badChecksumEvery = 0;  // every n-th sentence or log carries a wrong check; 0 never
    int maxPiece = 0;          // above 0: output is written in pieces of 1 to maxPiece bytes
    int pieceGapUs = 0;        // real-time pause between pieces (the stand-alone program only)
};

class CReceiverSimulator {
public:
    explicit CReceiverSimulator(SimOptions options = {});
    ~CReceiverSimulator();
    CReceiverSimulator(const CReceiverSimulator&) = delete;
    CReceiverSimulator& operator=(const CReceiverSimulator&) = delete;

    // Creates the pseudo-terminal (raw, no echo); false when the system has none to give.
    bool Open();
    const std::string& DevicePath() const { return devicePath_; }
    int InputFd() const { return master_; }

    // Moves the simulated clock on and sends every epoch that falls due; the bytes written.
    size_t Advance(int ms);
    // Sends one epoch now (call it several times for a burst).
    size_t EmitEpoch();
    // Sends what the caller gives, through the fault stage.
    size_t WriteRaw(const std::string& bytes);
    // Reads what the program wrote and answers it; the number of lines and frames received.
    int ServiceInput();

    void SetFaults(const SimFaults& faults) { faults_ = faults; }
    // Plays the built-in Bluetooth module in front of the receiver: until it is linked the terminal
    // carries only the module's AT dialogue.
    CBluetoothModuleSim& PlayBluetoothModule();
    // No output for the next `ms` of simulated time.
    void SilenceFor(int64_t ms) { silentUntilMs_ = nowMs_ + ms; }
    // Requests (text lines, binary frames or radio requests) that begin with these bytes get no answer.
    void StayQuiet(const std::string& requestPrefix) { quiet_.push_back(requestPrefix); }
    // Closes the terminal: the program's port sees its device vanish.
    void HangUp();

    int64_t NowMs() const { return nowMs_; }
    size_t EpochsSent() const { return epochs_; }
    Epoch CurrentEpoch() const;
    // Every byte that went onto the terminal (bytes that found its queue full are lost, as on a line).
    const std::string& Sent() const { return sent_; }
    const std::string& Received() const { return received_; }
    // Text lines received (without CR LF), and binary frames (module frames and radio requests).
    const std::vector<std::string>& ReceivedLines() const { return lines_; }
    const std::vector<std::string>& ReceivedFrames() const { return frames_; }
    // Hex packets of the binary board family (02 00 64 ... 03), whole.
    const std::vector<std::string>& ReceivedPackets() const { return packets_; }
    bool ModuleLinkOpen() const { return moduleOpen_; }

private:
    size_t Send(std::string bytes);
    std::string MaybeCorrupt(std::string sentence);
    void HandleFrame(const std::string& frame);
    void HandleRadioFrame(const std::string& frame);
    void HandleLine(const std::string& line);
    bool Quiet(const std::string& request) const;
    // Until a scan links the built-in module, nothing reaches the receiver behind it: the module
    // answers its AT commands and drops everything else.
    bool BehindUnlinkedModule() const;

    SimOptions options_;
    SimFaults faults_;
    std::mt19937 random_;
    int master_ = -1;
    int slaveKeeper_ = -1;
    std::string devicePath_;
    int64_t nowMs_ = 0;
    int64_t nextEpochMs_ = 0;
    int64_t silentUntilMs_ = 0;
    int64_t nextRefStationMs_ = 0;
    size_t epochs_ = 0;
    size_t sentences_ = 0;
    std::string sent_;
    std::string received_;
    std::string pending_;
    std::vector<std::string> lines_;
    std::vector<std::string> frames_;
    std::vector<std::string> packets_;
    bool moduleOpen_ = false;
    int channel_ = 0;
    SimModem modem_;
    std::vector<std::string> quiet_;
    int64_t floatUntilMs_ = 0;
    std::unique_ptr<CBluetoothModuleSim> bluetooth_;
};

}  // namespace sim
