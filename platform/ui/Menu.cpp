#include "platform/ui/Menu.h"

#include <unordered_map>

namespace {
std::unordered_map<UINT, const MenuTemplate*>& Templates() {
    static std::unordered_map<UINT, const MenuTemplate*> templates;
    return templates;
}

void Fill(CMenu& menu, std::span<const MenuItemTemplate> items) {
    for (const MenuItemTemplate& item : items) {
        if (!item.text) {
            menu.AppendMenu(MF_SEPARATOR);
        } else if (!item.popup.empty()) {
            auto popup = std::make_unique<CMenu>();
            popup->CreatePopupMenu();
            Fill(*popup, item.popup);
            menu.AppendMenu(MF_POPUP | item.flags, std::move(popup), item.text);
        } else {
            menu.AppendMenu(MF_STRING | item.flags, item.id, item.text);
        }
    }
}
}  // namespace

void RegisterMenuTemplate(const MenuTemplate& menuTemplate) {
    Templates()[menuTemplate.id] = &menuTemplate;
}

const MenuTemplate* FindMenuTemplate(UINT id) {
    auto it = Templates().find(id);
    return it == Templates().end() ? nullptr : it->second;
}

CString MenuDisplayText(const CString& text) {
    CString shown;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.GetLength() && text[i + 1] == L'&') shown += L'&';
            if (i + 1 < text.GetLength() && text[i + 1] == L'&') ++i;
            continue;
        }
        shown += text[i];
    }
    return shown;
}

BOOL CMenu::LoadMenu(UINT id) {
    const MenuTemplate* t = FindMenuTemplate(id);
    return t ? LoadMenuIndirect(*t) : FALSE;
}

BOOL CMenu::LoadMenuIndirect(const MenuTemplate& menuTemplate) {
    DestroyMenu();
    CreateMenu();
    Fill(*this, menuTemplate.items);
    return TRUE;
}

BOOL CMenu::CreateMenu() {
    items_.clear();
    created_ = true;
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    const bool was = created_;
    items_.clear();
    created_ = false;
    return was ? TRUE : FALSE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const wchar_t* text) {
    Item item;
    item.text = text ? text : L"";
    item.id = (flags & MF_SEPARATOR) ? 0 : static_cast<UINT>(id);
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR);
    items_.push_back(std::move(item));
    created_ = true;
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, std::unique_ptr<CMenu> popup, const wchar_t* text) {
    Item item;
    item.text = text ? text : L"";
    item.state = (flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED)) | MF_POPUP;
    item.popup = std::move(popup);
    items_.push_back(std::move(item));
    created_ = true;
    return TRUE;
}

UINT CMenu::GetMenuItemID(int position) const {
    if (position < 0 || position >= static_cast<int>(items_.size())) return kMenuError;
    const Item& item = items_[static_cast<size_t>(position)];
    return item.popup ? kMenuError : item.id;
}

CMenu* CMenu::GetSubMenu(int position) const {
    if (position < 0 || position >= static_cast<int>(items_.size())) return nullptr;
    return items_[static_cast<size_t>(position)].popup.get();
}

CMenu::Item* CMenu::FindItem(UINT item, UINT flags) {
    return const_cast<Item*>(static_cast<const CMenu*>(this)->FindItem(item, flags));
}

const CMenu::Item* CMenu::FindItem(UINT item, UINT flags) const {
    if (flags & MF_BYPOSITION) return item < items_.size() ? &items_[item] : nullptr;
    for (const Item& i : items_) {
        if (!i.popup && !(i.state & MF_SEPARATOR) && i.id == item) return &i;
        if (i.popup)
            if (const Item* found = i.popup->FindItem(item, flags)) return found;
    }
    return nullptr;
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
    const Item* found = FindItem(item, flags);
    text = found ? found->text : CString();
    return text.GetLength();
}

BOOL CMenu::SetMenuString(UINT item, const wchar_t* text, UINT flags) {
    Item* found = FindItem(item, flags);
    if (!found || (found->state & MF_SEPARATOR)) return FALSE;
    found->text = text ? text : L"";
    return TRUE;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    const Item* found = FindItem(item, flags);
    return found ? found->state : kMenuError;
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable) {
    Item* found = FindItem(item, enable & MF_BYPOSITION);
    if (!found) return kMenuError;
    const UINT previous = found->state & (MF_GRAYED | MF_DISABLED);
    found->state = (found->state & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

UINT CMenu::CheckMenuItem(UINT item, UINT check) {
    Item* found = FindItem(item, check & MF_BYPOSITION);
    if (!found) return kMenuError;
    const UINT previous = found->state & MF_CHECKED;
    found->state = (found->state & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}
