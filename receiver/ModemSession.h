#pragma once
// The modem dialog's step engine: runs a list of steps one at a time, each sent again on every even
// second of its countdown and given up when the countdown passes below zero (the run goes on, and
// at its end the status names the steps given up instead of its final text, in as few words as the
// status line needs to hold it whole); cuts the received text
// into lines, completes a step on its awaited reply, copies what the modem confirmed from the pending
// settings into the kept ones, reads the settings back, and collects a caster's source table.
#include <deque>
#include <string_view>
#include <vector>

#include "foundation/GeneralSettingsBlock.h"
#include "receiver/CommandItem.h"

class IModemSessionView {
public:
    virtual ~IModemSessionView() = default;
    virtual void SendLine(const CString& command) = 0;
    // Never called with an empty text: the status line keeps what it showed.
    virtual void ShowStatus(const CString& text) = 0;
    // Whether the status line shows `text` whole.
    virtual bool StatusFits(const CString& text) = 0;
    virtual void EnableButtons() = 0;
    virtual void ShowKept() = 0;
    virtual void ClearMountPoints() = 0;
    virtual void AddMountPoint(const CString& entry) = 0;
    // The source table has ended: the first entry becomes the mount-point text.
    virtual void ChooseFirstMountPoint() = 0;
};

class CModemSession {
public:
    static constexpr int kMaxReceivedChars = 1500;

    explicit CModemSession(IModemSessionView& view);

    // Empties the step list and starts `steps`; `finalText` is shown when they have all been answered.
    void Start(std::vector<CommandItem> steps, const CString& finalText);
    // List mode: source-table lines are taken until the table ends.
    void StartList(std::vector<CommandItem> steps, const CString& finalText);
    // The one-second tick.
    void OnTick();
    void OnReceived(const CString& text);
    // A received chunk in the device code page. The port switch's binary answers share the stream, and
    // converted with the text a frame's last byte could swallow the reply's first letter: they go first.
    void OnReceivedBytes(std::string_view bytes);
    void Reset();
    bool Running() const { return !current_.commandText.IsEmpty() || !queue_.empty(); }

    NetModuleSettings kept;
    NetModuleSettings pending;

private:
    void NextStep();
    void Send();
    void OnLine(const CString& line);
    void OnSourceTableLine(const CString& line);
    // The status at the end of a run.
    CString EndText();

    IModemSessionView& view_;
    CommandItem current_;
    std::deque<CommandItem> queue_;
    CString finalText_;
    std::vector<CString> timedOut_;  // the time-out texts of this run's steps that were never answered
    size_t runSteps_ = 0;
    CString received_;
    bool listMode_ = false;
    bool inTable_ = false;
};
