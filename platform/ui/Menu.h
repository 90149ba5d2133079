#pragma once
// Menus: templates as C++ tables, the CMenu tree with enabled and checked states, and popups
// shown by the command bar. Choosing a command posts WM_COMMAND (id, code 0) to the owner.
#include <memory>
#include <span>
#include <vector>

#include "platform/text/CString.h"
#include "platform/ui/Wnd.h"

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT kMenuError = 0xFFFFFFFF;

struct MenuItemTemplate {
    const wchar_t* text;  // null for a separator
    UINT id;              // 0 for a popup or a separator
    UINT flags = 0;       // MF_GRAYED, MF_CHECKED
    std::span<const MenuItemTemplate> popup = {};
};

struct MenuTemplate {
    UINT id;
    std::span<const MenuItemTemplate> items;
};

void RegisterMenuTemplate(const MenuTemplate& menuTemplate);
const MenuTemplate* FindMenuTemplate(UINT id);
struct MenuTemplateRegistration {
    explicit MenuTemplateRegistration(const MenuTemplate& t) { RegisterMenuTemplate(t); }
};

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL LoadMenu(UINT id);
    BOOL LoadMenuIndirect(const MenuTemplate& menuTemplate);
    BOOL CreateMenu();
    BOOL CreatePopupMenu() { return CreateMenu(); }
    BOOL DestroyMenu();
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const wchar_t* text = nullptr);
    // Appends a popup that the menu takes over.
    BOOL AppendMenu(UINT flags, std::unique_ptr<CMenu> popup, const wchar_t* text);

    UINT GetMenuItemCount() const { return static_cast<UINT>(items_.size()); }
    // The command id at a position; -1 for a popup, 0 for a separator.
    UINT GetMenuItemID(int position) const;
    CMenu* GetSubMenu(int position) const;
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    // Replaces an item's text and keeps its id and state; FALSE when there is no such item.
    BOOL SetMenuString(UINT item, const wchar_t* text, UINT flags);
    UINT GetMenuState(UINT item, UINT flags) const;
    // Both return the previous state of the item, or kMenuError when there is none.
    UINT EnableMenuItem(UINT item, UINT enable);
    UINT CheckMenuItem(UINT item, UINT check);

    struct Item {
        CString text;
        UINT id = 0;
        UINT state = 0;  // MF_GRAYED, MF_CHECKED, MF_SEPARATOR
        std::unique_ptr<CMenu> popup;
    };
    const std::vector<Item>& Items() const { return items_; }

private:
    // The item by position, or by command id anywhere in the tree.
    Item* FindItem(UINT item, UINT flags);
    const Item* FindItem(UINT item, UINT flags) const;

    std::vector<Item> items_;
    bool created_ = false;
};

// A menu's text as shown: "&" marks the mnemonic and is not drawn ("&&" is one "&").
CString MenuDisplayText(const CString& text);
