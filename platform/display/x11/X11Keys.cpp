#include "platform/display/x11/X11Keys.h"

#include <X11/keysym.h>

namespace {
constexpr UINT VK_OEM_MINUS = 0xBD;
constexpr UINT VK_OEM_PERIOD = 0xBE;
constexpr UINT VK_OEM_COMMA = 0xBC;
constexpr UINT VK_INSERT = 0x2D;
// The handheld's "=" key and its "]" key.
constexpr UINT kEqualsKey = 61;
constexpr UINT VK_OEM_6 = 0xDD;

// The virtual key of a key symbol, 0 when the handheld has no such key.
UINT VirtualKey(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z) return static_cast<UINT>('A' + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z) return static_cast<UINT>('A' + (keysym - XK_A));
    if (keysym >= XK_0 && keysym <= XK_9) return static_cast<UINT>('0' + (keysym - XK_0));
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return static_cast<UINT>('0' + (keysym - XK_KP_0));
    if (keysym >= XK_F1 && keysym <= XK_F12) return VK_F1 + static_cast<UINT>(keysym - XK_F1);
    switch (keysym) {
        case XK_Return:
        case XK_KP_Enter:
            return VK_RETURN;
        case XK_Escape:
            return VK_ESCAPE;
        case XK_BackSpace:
            return VK_BACK;
        case XK_Tab:
            return VK_TAB;
        case XK_space:
            return VK_SPACE;
        case XK_Delete:
            return VK_DELETE;
        case XK_Left:
            return VK_LEFT;
        case XK_Right:
            return VK_RIGHT;
        case XK_Up:
            return VK_UP;
        case XK_Down:
            return VK_DOWN;
        case XK_Home:
            return VK_HOME;
        case XK_End:
            return VK_END;
        case XK_Prior:
            return VK_PRIOR;
        case XK_Next:
            return VK_NEXT;
        case XK_minus:
        case XK_KP_Subtract:
            return VK_OEM_MINUS;
        case XK_period:
        case XK_KP_Decimal:
            return VK_OEM_PERIOD;
        case XK_comma:
            return VK_OEM_COMMA;
        case XK_Insert:
        case XK_KP_Insert:
            return VK_INSERT;
        case XK_equal:
            return kEqualsKey;
        case XK_bracketright:
            return VK_OEM_6;
        case XK_Shift_L:
        case XK_Shift_R:
            return VK_SHIFT;
        case XK_Control_L:
        case XK_Control_R:
            return VK_CONTROL;
    }
    return 0;
}

// The character a key types on the handheld, 0 for keys that type none.
wchar_t TypedCharacter(UINT key, wchar_t typed) {
    switch (key) {
        case VK_RETURN:
            return L'\r';
        case VK_ESCAPE:
            return 0x1B;
        case VK_BACK:
            return 0x08;
        case VK_TAB:
            return L'\t';
        case VK_DELETE:
        case VK_INSERT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
            return 0;
    }
    if (key >= VK_F1 && key < VK_F1 + 12) return 0;
    return typed >= 0x20 ? typed : 0;
}
}  // namespace

std::vector<InputEvent> KeyEventsFor(unsigned long keysym, std::wstring_view typed, bool press) {
    const UINT key = VirtualKey(keysym);
    std::vector<InputEvent> events;
    if (!key) {
        if (press)
            for (const wchar_t ch : typed)
                if (ch >= 0x20 && ch != 0x7F)
                    events.push_back({InputEvent::Kind::kChar, 0, 0, static_cast<UINT>(ch)});
        return events;
    }
    if (!press) return {{InputEvent::Kind::kKeyUp, 0, 0, key}};
    events.push_back({InputEvent::Kind::kKeyDown, 0, 0, key});
    if (const wchar_t ch = TypedCharacter(key, typed.size() == 1 ? typed[0] : 0))
        events.push_back({InputEvent::Kind::kChar, 0, 0, static_cast<UINT>(ch)});
    return events;
}
