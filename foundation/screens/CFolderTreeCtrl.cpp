#include "foundation/screens/CFolderTreeCtrl.h"

#include "foundation/screens/FolderListing.h"
#include "platform/files/FileOps.h"
#include "resources/FoundationIcons.h"

void CFolderTreeCtrl::AddFilter(const CString& pattern) {
    AddFileFilter(filters_, pattern);
}

BOOL CFolderTreeCtrl::AttachSystemImageList() {
    if (imageList_.GetSafeHandle()) {
        SetImageList(nullptr, TVSIL_NORMAL);
        imageList_.DeleteImageList();
    }
    if (!imageList_.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0) ||
        imageList_.Add(FileIcon()) != kFileImage || imageList_.Add(FolderIcon()) != kFolderImage) {
        errorText_ = L"Cannot retrieve the Handle of SystemImageList!";
        return FALSE;
    }
    SetImageList(&imageList_, TVSIL_NORMAL);
    return TRUE;
}

BOOL CFolderTreeCtrl::DisplayTree(const CString& rootPath, BOOL showFiles) {
    ModifyStyle(TVS_EDITLABELS, 0);
    DeleteAllItems();
    if (!AttachSystemImageList()) return FALSE;
    showFiles_ = showFiles;
    rootPath_ = rootPath;
    if (rootPath_.IsEmpty() || rootPath_[rootPath_.GetLength() - 1] != L'\\') rootPath_ += L'\\';
    const HTREEITEM top = InsertItem(rootPath_.Left(rootPath_.GetLength() - 1), kFolderImage, kFolderImage);
    FillChildren(top);
    return TRUE;
}

CString CFolderTreeCtrl::GetItemPath(HTREEITEM item) const {
    CString path = GetItemText(item);
    for (HTREEITEM parent = GetParentItem(item); parent; parent = GetParentItem(parent))
        path = GetItemText(parent) + L"\\" + path;
    return path;
}

BOOL CFolderTreeCtrl::IsFolder(const CString& path) {
    const DWORD attributes = GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HTREEITEM CFolderTreeCtrl::FindChildItem(HTREEITEM parent, const CString& name) const {
    const bool topLevel = name.IsEmpty() || name.Find(L'\\') >= 0;
    CString wanted = name;
    wanted.MakeUpper();
    for (HTREEITEM item = topLevel ? GetRootItem() : GetChildItem(parent); item;
         item = GetNextSiblingItem(item)) {
        CString text = GetItemText(item);
        if (text.MakeUpper() == wanted) return item;
    }
    return nullptr;
}

void CFolderTreeCtrl::DeleteChildren(HTREEITEM item) {
    while (HTREEITEM child = GetChildItem(item)) DeleteItem(child);
}

void CFolderTreeCtrl::InsertPlaceholder(HTREEITEM item) {
    InsertItem(L"", item);
}

void CFolderTreeCtrl::FillChildren(HTREEITEM item) {
    const FolderListing listing = ListFolder(GetItemPath(item), filters_);
    SendMessage(WM_SETREDRAW, FALSE);
    for (const CString& folder : listing.folders)
        InsertPlaceholder(InsertItem(folder, kFolderImage, kFolderImage, item));
    if (showFiles_)
        for (const CString& file : listing.files) InsertItem(file, kFileImage, kFileImage, item);
    SendMessage(WM_SETREDRAW, TRUE);
}

BOOL CFolderTreeCtrl::SelectPath(const CString& path) {
    const std::optional<std::vector<CString>> below = PathBelowRoot(rootPath_, path);
    HTREEITEM item = GetRootItem();
    if (!below || !item) return FALSE;
    // Each folder on the way is filled afresh, so that files made meanwhile show.
    const auto refill = [this](HTREEITEM folder) {
        Expand(folder, TVE_COLLAPSE | TVE_COLLAPSERESET);
        DeleteChildren(folder);
        InsertPlaceholder(folder);
        Expand(folder, TVE_EXPAND);
    };
    refill(item);
    for (const CString& part : *below) {
        item = FindChildItem(item, part);
        if (!item) return FALSE;
        if (IsFolder(GetItemPath(item))) refill(item);
    }
    SelectItem(item);
    return TRUE;
}

BOOL CFolderTreeCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT*) {
    if (message != WM_NOTIFY) return FALSE;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != TVN_ITEMEXPANDED) return FALSE;
    const auto* change = reinterpret_cast<const NMTREEVIEW*>(lParam);
    const HTREEITEM item = change->itemNew.hItem;
    DeleteChildren(item);
    if (change->action & TVE_EXPAND)
        FillChildren(item);
    else
        InsertPlaceholder(item);
    return FALSE;
}
