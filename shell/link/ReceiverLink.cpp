#include "shell/link/ReceiverLink.h"

#include "platform/time/Clock.h"
#include "receiver/BoardLines.h"
#include "receiver/ReceiverStartup.h"
#include "shell/frame/JobSession.h"

namespace {
constexpr int kHousekeepingCount = 30;
constexpr int kPollTicks = 10;
constexpr int kTickCountWrap = 1000;
}  // namespace

ReceiverLink::ReceiverLink(JobSession& job, IReceiverLinkOwner& owner)
    : job_(job),
      owner_(owner),
      modules_(port_, [this](const ModuleProgress& progress) { OnModuleProgress(progress); }) {
    ::ResetReceiverState(state_, true);
    gga_.Clear();
}

int ReceiverLink::BoardType() const {
    return connectedBoard_.value_or(job_.SystemRecord().nGPSOEMType);
}

void ReceiverLink::KeepPositionLogBoard(int radioFormat) {
    if (!talkerSent_) {
        port_.SendLine(kTalkerAutoLine);
        port_.SendLine(kTalkerAutoLine);
        talkerSent_ = 1;
    }
    if (state_.ident.text[0].IsEmpty()) port_.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    if (!baseLogStop_) {
        if (baseLog_ >= kHousekeepingCount) {
            port_.SendLine(kBaseLogLine);
            baseLog_ = 0;
        } else {
            ++baseLog_;
        }
    }
    if (state_.diffAge < 1 || state_.diffAge > 8) {
        if (noFix_ < kHousekeepingCount) {
            ++noFix_;
        } else if (baseFlag_ != 1) {
            if (const wchar_t* line = InterfaceModeLine(radioFormat, true)) port_.SendLine(line);
            noFix_ = 0;
        }
    }
}

bool ReceiverLink::AppFileDue() {
    if (baseSolutionSeen_) return false;
    if (appFile_ < kHousekeepingCount) {
        ++appFile_;
        return false;
    }
    appFile_ = 0;
    return true;
}

void ReceiverLink::StampFix() {
    stamper_.Stamp(state_, ProgramTimeMs(), parser_.LineUtcMs());
}

void ReceiverLink::FixForwarded() {
    silentTicks_ = 0;
    hasData_ = 1;
    state_.fixFlag = 0;
}

void ReceiverLink::RunModuleSequencer() {
    modules_.OnTick(job_.Settings().dataLink);
    if (modules_.Mode() == ModuleMode::kLinkDetect)
        modules_.QueueFallBack(job_.Settings().dataLink.nModuleType);
}

void ReceiverLink::PollBoard() {
    ++tickCount_;
    if (BoardType() == kBoardEclipse && tickCount_ % kPollTicks == 0)
        port_.SendLine(baseFlag_ == 1 ? kEclipseBasePoll : kEclipseRoverPoll);
    if (tickCount_ > kTickCountWrap) tickCount_ = 0;
}

void ReceiverLink::ReleaseModule() {
    modules_.SetMode(ModuleMode::kIdle);
    port_.SendBinaryCommand(BinaryCommand::kPortSwitch, L"C0");
}

void ReceiverLink::RestartBoard() {
    SendStartupSet(BoardType(), {port_, job_.Settings().connection, [this] { ClearFixSignals(); }}, modules_);
}

void ReceiverLink::ResetAndNotify(const CString& text) {
    hasData_ = 0;
    ShowStatus(text);
}

void ReceiverLink::ShowStatus(const CString& text) {
    ::ResetAndNotify(state_, owner_.PositionWindow(), text);
}

void ReceiverLink::ClearFixSignals() {
    device_.AllLedsOff();
    gga_.Clear();
}

void ReceiverLink::UseConnectionSettings(const ConnectionSettings& connection) {
    ParserSettings settings = parser_.Settings();
    settings.timeZone = connection.nTimeZone;
    settings.fixLevel = connection.nFixLevel;
    parser_.UseSettings(settings);
}

void ReceiverLink::TellParserTheBoard() {
    ParserSettings settings = parser_.Settings();
    settings.boardType = BoardType();
    settings.baseFlag = baseFlag_;
    parser_.UseSettings(settings);
}

// The dialog tells what the radio did; a job file that could not take it has told its own failure.
void ReceiverLink::OnModuleProgress(const ModuleProgress& progress) {
    if (progress.radioChannel) job_.StoreDataLink({kLinkRadio, *progress.radioChannel, std::nullopt});
    ShowStatus(progress.text);
}
