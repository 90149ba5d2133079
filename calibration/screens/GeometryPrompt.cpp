#include "calibration/screens/GeometryPrompt.h"

#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/ui/Wnd.h"

CString GeometryQuestion(const GeometryEstimate& estimate) {
    if (estimate.degenerate) return L"公共点重合或共线,参数无法确定。确定应用吗?";
    CString figures;
    if (estimate.plane > kPlaneGeometryLimit)
        figures += Format(L"平面%.3f米(限差%.2f米)", estimate.plane, kPlaneGeometryLimit);
    if (estimate.height > kHeightGeometryLimit) {
        if (!figures.IsEmpty()) figures += L",";
        figures += Format(L"高程%.3f米(限差%.2f米)", estimate.height, kHeightGeometryLimit);
    }
    return L"公共点分布太弱:按1厘米测量误差估算,测区内误差可达" + figures + L"。确定应用吗?";
}

bool AcceptGeometry(CWnd* parent, const GeometryEstimate& estimate) {
    if (estimate.WithinLimits()) return true;
    return MessageBox(parent ? parent->m_hWnd : HWND(), GeometryQuestion(estimate), L"提示",
                      MB_YESNO | MB_ICONQUESTION) == IDYES;
}
