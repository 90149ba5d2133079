#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "platform/display/x11/X11Keys.h"

namespace {
using Kind = InputEvent::Kind;
std::vector<std::pair<Kind, UINT>> Summary(const std::vector<InputEvent>& events) {
    std::vector<std::pair<Kind, UINT>> out;
    for (const InputEvent& e : events) out.emplace_back(e.kind, e.key);
    return out;
}
}  // namespace

TEST(X11Keys, LettersAndDigitsGiveTheirKeyAndTheTypedCharacter) {
    EXPECT_EQ(Summary(KeyEventsFor(XK_a, L'a', true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, 'A'}, {Kind::kChar, 'a'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_A, L'A', true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, 'A'}, {Kind::kChar, 'A'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_7, L'7', true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, '7'}, {Kind::kChar, '7'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_KP_3, L'3', true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, '3'}, {Kind::kChar, '3'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_a, L'a', false)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyUp, 'A'}}));
}

TEST(X11Keys, FunctionArrowAndEditingKeys) {
    EXPECT_EQ(Summary(KeyEventsFor(XK_F3, 0, true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_F1 + 2}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_Down, 0, true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_DOWN}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_Return, L'\r', true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_RETURN}, {Kind::kChar, '\r'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_BackSpace, 8, true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_BACK}, {Kind::kChar, 8}}));
    // The delete key types nothing; keys the handheld lacks give nothing at all.
    EXPECT_EQ(Summary(KeyEventsFor(XK_Delete, 0x7F, true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_DELETE}}));
    EXPECT_TRUE(KeyEventsFor(XK_Shift_L, 0, true).empty());
    EXPECT_TRUE(KeyEventsFor(XK_F13, 0, true).empty());
}
