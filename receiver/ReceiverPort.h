#pragma once
// What the receiver screens, the command sets and the module dialogs do with the receiver's port: send
// lines, framed commands and raw bytes, and borrow the port for a data-link module (hear its data too,
// reopen it at the module's speed, set its modem lines) and give it back. Opening it for the receiver,
// its reader and its owner window stay with the receiver link that owns it.
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"
#include "receiver/ReceiverProtocol.h"

enum class PortOpenFailure;

class IReceiverPort {
public:
    virtual DWORD Write(const void* bytes, DWORD count) = 0;
    virtual BOOL SendLine(CString text) = 0;
    // A token text over the limits sends nothing and answers 0.
    virtual DWORD SendBinaryCommand(BinaryCommand command, CString tokens) = 0;
    // False once the device has hung up or the port was closed.
    virtual BOOL IsOpen() const = 0;

    // ---- Borrowing the port for a module.
    // `owner` hears every received chunk as `messageId` as well, until ClearSecondOwner.
    virtual void SetSecondOwner(HWND owner, UINT messageId) = 0;
    virtual void ClearSecondOwner() = 0;
    // Reopens the port on another device or speed; the reason of a failure goes to `failure`.
    virtual BOOL OpenPort(int portNumber, DWORD baudRate, PortOpenFailure* failure = nullptr) = 0;
    virtual int Close() = 0;
    virtual int GetPortNumber() const = 0;
    // SETDTR, CLRDTR, SETRTS or CLRRTS.
    virtual BOOL EscapeCommFunction(DWORD function) = 0;

protected:
    ~IReceiverPort() = default;
};
