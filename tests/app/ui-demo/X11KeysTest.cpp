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
    EXPECT_EQ(Summary(KeyEventsFor(XK_a, L"a", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, 'A'}, {Kind::kChar, 'a'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_A, L"A", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, 'A'}, {Kind::kChar, 'A'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_7, L"7", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, '7'}, {Kind::kChar, '7'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_KP_3, L"3", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, '3'}, {Kind::kChar, '3'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_a, L"a", false)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyUp, 'A'}}));
}

TEST(X11Keys, FunctionArrowAndEditingKeys) {
    EXPECT_EQ(Summary(KeyEventsFor(XK_F3, L"", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_F1 + 2}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_Down, L"", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_DOWN}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_Return, L"\r", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_RETURN}, {Kind::kChar, '\r'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_BackSpace, L"\b", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_BACK}, {Kind::kChar, 8}}));
    // The delete key types nothing; keys the handheld lacks give nothing at all.
    EXPECT_EQ(Summary(KeyEventsFor(XK_Delete, L"\x7f", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_DELETE}}));
    EXPECT_TRUE(KeyEventsFor(XK_Super_L, L"", true).empty());
    EXPECT_TRUE(KeyEventsFor(XK_F13, L"", true).empty());
    // Shift and Ctrl go down and up as keys of their own (edits select with them held), typing nothing.
    EXPECT_EQ(Summary(KeyEventsFor(XK_Shift_R, L"", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, VK_SHIFT}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_Control_L, L"", false)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyUp, VK_CONTROL}}));
    // Ctrl+A types the control character 1, which no edit takes.
    EXPECT_EQ(Summary(KeyEventsFor(XK_a, L"\x01", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, 'A'}}));
    // The handheld's Insert, "=" and "]" keys.
    EXPECT_EQ(Summary(KeyEventsFor(XK_Insert, L"", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, 45}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_equal, L"=", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, 61}, {Kind::kChar, '='}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_bracketright, L"]", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kKeyDown, 221}, {Kind::kChar, ']'}}));
}

TEST(X11Keys, AnyOtherCharacterOrComposedTextArrivesAsCharacters) {
    // The key symbol of a character outside Latin-1 (as xdotool types it), an input method's
    // committed text with no key symbol, and keys that type nothing printable.
    constexpr unsigned long kKeysymOfKong = 0x1000000 + 0x63A7;
    EXPECT_EQ(Summary(KeyEventsFor(kKeysymOfKong, L"控", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kChar, L'控'}}));
    EXPECT_TRUE(KeyEventsFor(kKeysymOfKong, L"控", false).empty());
    EXPECT_EQ(Summary(KeyEventsFor(0, L"控制点", true)),
              (std::vector<std::pair<Kind, UINT>>{
                  {Kind::kChar, L'控'}, {Kind::kChar, L'制'}, {Kind::kChar, L'点'}}));
    EXPECT_EQ(Summary(KeyEventsFor(XK_eacute, L"é", true)),
              (std::vector<std::pair<Kind, UINT>>{{Kind::kChar, 0xE9}}));
    EXPECT_TRUE(KeyEventsFor(XK_Super_L, L"\x1b\x7f", true).empty());
}
