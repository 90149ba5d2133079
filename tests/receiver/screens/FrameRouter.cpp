#include "tests/receiver/screens/FrameRouter.h"

#include "platform/text/CodePage.h"
#include "platform/ui/WindowMessages.h"
#include "receiver/ReceiverMessages.h"

namespace {
constexpr size_t kMaxLineBuffer = 1000;
constexpr double kDegreesPerRadian = 57.29577951308232;
}  // namespace

CFrameRouter::CFrameRouter(ReceiverHostDouble& frame) : frame_(frame), hwnd_(RegisterMessageTarget(this)) {
    frame_.frameWindow = hwnd_;
    frame_.port.SetOwner(hwnd_, WM_SERIAL_DATA);
    wgs84_.SetEllipsoid(6378137.0, 298.257223563);
    SetTimer(hwnd_, kTickTimer, kTickMs);
}

CFrameRouter::~CFrameRouter() {
    frame_.port.SetOwner(HWND(), WM_SERIAL_DATA);
    UnregisterMessageTarget(hwnd_);
}

LRESULT CFrameRouter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SERIAL_DATA)
        OnBytes(reinterpret_cast<const uint8_t*>(wParam), static_cast<uint32_t>(lParam));
    else if (message == WM_TIMER && wParam == kTickTimer)
        frame_.moduleQueue.OnTick(frame_.settings.dataLink);
    else if (message == WM_COMMAND)
        commands_.push_back(LOWORD(wParam));
    return 0;
}

void CFrameRouter::OnBytes(const uint8_t* bytes, uint32_t count) {
    bytes_ += count;
    CModuleCommandQueue& queue = frame_.moduleQueue;
    if (queue.Mode() == ModuleMode::kRadioDialog) {
        queue.OnReply(bytes, count, frame_.settings.dataLink);
        return;
    }
    lineBuffer_.append(reinterpret_cast<const char*>(bytes), count);
    size_t end;
    while ((end = lineBuffer_.find("\r\n")) != std::string::npos) {
        const std::string line = lineBuffer_.substr(0, end);
        lineBuffer_.erase(0, end + 2);
        OnLine(FromGbk(line));
    }
    if (lineBuffer_.size() > kMaxLineBuffer) lineBuffer_.clear();
}

void CFrameRouter::OnLine(const CString& line) {
    int type = 0;
    frame_.TellParserTheBoard();
    if (!frame_.parser.Parse(line, frame_.state, type)) return;
    if (type == kLineBestPos) OnPosition(4);
    if (type == kLineRefStation) {
        CGpsState& s = frame_.state;
        double b = 0, l = 0, h = 0;
        wgs84_.XyzToBlh(s.baseX, s.baseY, s.baseZ, b, l, h);
        s.baseLat = b * kDegreesPerRadian;
        s.baseLon = l * kDegreesPerRadian;
        s.baseHeight = h;
    }
}

void CFrameRouter::OnPosition(LPARAM kind) {
    CGpsState& s = frame_.state;
    s.fixFlag = 1;
    CCoordTransform& t = frame_.firstTransform;
    t.GeodeticToPlane(frame_.jobParams.projection.nTouYin, s.latitude, s.longitude, s.projX, s.projY);
    s.projH = s.height;
    t.Wgs84ToLocalPlane(s.latitude, s.longitude, s.height, s.gridX, s.gridY, s.gridH);
    ++positions_;
    SendMessage(frame_.positionWindow, WM_GPS_POSITION, reinterpret_cast<WPARAM>(&s), kind);
    if (frame_.verificationFlag)
        SendMessage(frame_.auxWindow, WM_GPS_POSITION_VERIFY, reinterpret_cast<WPARAM>(&s), 0);
}
