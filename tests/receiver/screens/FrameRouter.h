#pragma once
// The main frame's routing of receiver data, as the frame double's window: chunks go to the module
// queue in module mode 2 and to the line parser otherwise; a position is converted and sent to the
// position window (1912) and, while the verification flag is set, to the verification window (1750);
// the two-second tick drives the module queue; the commands sent or posted to it are recorded.
#include <string>
#include <vector>

#include "geodesy/CoordTransform.h"
#include "platform/messages/Messages.h"
#include "tests/receiver/ReceiverHostDouble.h"

class CFrameRouter final : public IMessageTarget {
public:
    static constexpr UINT_PTR kTickTimer = 999;
    static constexpr UINT kTickMs = 2000;

    explicit CFrameRouter(ReceiverHostDouble& frame);
    ~CFrameRouter() override;
    CFrameRouter(const CFrameRouter&) = delete;
    CFrameRouter& operator=(const CFrameRouter&) = delete;

    HWND Handle() const { return hwnd_; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int PositionsSent() const { return positions_; }
    size_t BytesTaken() const { return bytes_; }
    const std::vector<UINT>& Commands() const { return commands_; }

private:
    void OnBytes(const uint8_t* bytes, uint32_t count);
    void OnLine(const CString& line);
    void OnPosition(LPARAM kind);

    ReceiverHostDouble& frame_;
    HWND hwnd_;
    std::string lineBuffer_;
    CCoordTransform wgs84_;
    int positions_ = 0;
    size_t bytes_ = 0;
    std::vector<UINT> commands_;
};
