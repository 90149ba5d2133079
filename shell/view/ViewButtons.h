#pragma once
// The ten icon buttons of the main view: id, icon, and the look they share.
#include <array>

#include "foundation/screens/CIconButton.h"
#include "resources/MainViewForm.h"
#include "resources/ViewIcons.h"

struct ViewButtonEntry {
    UINT id;
    UINT icon;
};

inline constexpr std::array<ViewButtonEntry, 10> kViewButtons{{
    {mainview::kZoomIn, viewicons::kZoomIn},
    {mainview::kZoomOut, viewicons::kZoomOut},
    {mainview::kFollow, viewicons::kFollow},
    {mainview::kFitAll, viewicons::kFitAll},
    {mainview::kStorePoint, viewicons::kStorePoint},
    {mainview::kStoreSettings, viewicons::kStoreSettings},
    {mainview::kReceiverInfo, viewicons::kReceiverInfo},
    {mainview::kParamView, viewicons::kParamView},
    {mainview::kConnect, viewicons::kConnect},
    {mainview::kExit, viewicons::kExit},
}};

// The button's face: the system button face lifted by 0x1E per channel (saturating).
COLORREF ViewButtonFace();
// Subclasses the view's button and gives it its icon, colours, alignment and the view's font.
void SetUpViewButton(CIconButton& button, CWnd& view, const ViewButtonEntry& entry);
