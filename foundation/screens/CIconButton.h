#pragma once
// The owner-drawn push button with an icon and a caption that the dialogs and map screens use
// for their commands: a background colour per state, a 3-D border, the icon, the caption
// (embossed when disabled), a focus rectangle and, for flat buttons, a hover highlight. A
// check-box button keeps its own check state. Clicks reach the dialog as usual.
#include <array>

#include "foundation/screens/IconButtonLayout.h"
#include "platform/gdi/CImage.h"
#include "platform/ui/Button.h"

class CIconButton : public CButton {
public:
    enum ColorSlot {
        kBackHover = 0,  // hovered or pressed
        kTextHover = 1,
        kBackNormal = 2,
        kTextNormal = 3,
        kBackFocused = 4,
        kTextFocused = 5,  // kept, not drawn
    };

    CIconButton();
    ~CIconButton() override;

    int SetFlat(BOOL flat, BOOL repaint = TRUE);
    // 0 icon left, 1 above, 2 right of the caption; 4 (nothing changed) for other values.
    int SetAlign(int align, BOOL repaint = TRUE);
    int SetDefaultColors(BOOL repaint = TRUE);
    // 3 (nothing changed) for a slot outside 0-5.
    int SetColor(int slot, COLORREF color, BOOL repaint = TRUE);
    // Lays the main icon out at this size from then on; ignored unless both are at least 1.
    void SetIconSize(int cx, int cy);
    // Icons by resource id (0 none): the main one, the one shown while not hovered, the disabled one.
    int SetIcon(UINT mainId, int cx, int cy, UINT outId = 0, int cxOut = 0, int cyOut = 0,
                UINT disabledId = 0, int cxDisabled = 0, int cyDisabled = 0);
    int SetIconImages(const CImage& main, int cx, int cy, const CImage* out = nullptr, int cxOut = 0,
                      int cyOut = 0, const CImage* disabled = nullptr, int cxDisabled = 0,
                      int cyDisabled = 0);
    // The standard look of the pick buttons: the dialog's font, the icon at 28 x 22, a lighter face,
    // green text, icon on the right, not flat.
    void ApplyIconStyle(UINT iconId);

    BOOL IsFlat() const { return flat_; }
    int GetAlign() const { return align_; }
    COLORREF GetColor(int slot) const { return colors_[static_cast<size_t>(slot)]; }
    BOOL IsHovering() const { return hover_; }
    BOOL GetCheckState() const { return checkState_; }
    BOOL IsDefaultButton() const { return isDefault_; }
    // Where the last drawing put the icon and the caption.
    const IconButtonLayout& LastLayout() const { return lastLayout_; }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    HBRUSH CtlColor(CDC* dc, UINT ctlColor) override;

protected:
    virtual void DrawBorder(CDC& dc, const CRect& rect);
    virtual void DrawBackground(CDC& dc, const CRect& rect);

private:
    struct Icon {
        CImage image;
        int cx = 0;
        int cy = 0;
    };
    static constexpr UINT_PTR kHoverTimer = 1;

    void Repaint(BOOL repaint);
    void TrackHover(CPoint client, bool penDown);
    void EndHover();
    void CheckPointerLeft();
    const Icon* IconToDraw() const;

    BOOL flat_ = TRUE;
    BOOL hover_ = FALSE;
    BOOL pressed_ = FALSE;
    BOOL focusedLook_ = FALSE;
    BOOL disabled_ = FALSE;
    BOOL isDefault_ = FALSE;
    BOOL isCheckBox_ = FALSE;
    int align_ = kIconLeft;
    BOOL drawBorder_ = TRUE;
    BOOL drawFlatFocus_ = FALSE;
    std::array<COLORREF, 6> colors_{};
    std::array<Icon, 3> icons_;
    BOOL checkState_ = FALSE;
    int buttonType_ = 31;
    UINT_PTR hoverTimer_ = 0;
    BOOL forceIconSize_ = FALSE;
    int forcedCx_ = 0;
    int forcedCy_ = 0;
    IconButtonLayout lastLayout_;
};
