#pragma once
// A folder of the device shown as a tree: the root folder as the single top item, its
// sub-folders (filled when expanded, emptied when collapsed) and, when asked, the files that
// match the filters. It can expand itself along a path below its root and select it.
#include <vector>

#include "platform/ui/ImageList.h"
#include "platform/ui/TreeCtrl.h"

class CFolderTreeCtrl : public CTreeCtrl {
public:
    static constexpr int kFileImage = 0;
    static constexpr int kFolderImage = 1;

    // The first pattern replaces the "*.*" the tree starts with.
    void AddFilter(const CString& pattern);
    // Shows rootPath (a "\" is added when missing) as the top item; FALSE without images.
    BOOL DisplayTree(const CString& rootPath, BOOL showFiles);
    // Expands the tree down to the path and selects it; FALSE for a missing path or one outside
    // the root, which selects nothing.
    BOOL SelectPath(const CString& path);
    // The item's text and those of its ancestors joined with "\".
    CString GetItemPath(HTREEITEM item) const;
    BOOL AttachSystemImageList();
    static BOOL IsFolder(const CString& path);
    // The child of `parent` named `name` (case-blind); the top-level items when the name is
    // empty or holds a "\".
    HTREEITEM FindChildItem(HTREEITEM parent, const CString& name) const;

    const CString& ErrorText() const { return errorText_; }
    const std::vector<CString>& Filters() const { return filters_; }

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void FillChildren(HTREEITEM item);
    void DeleteChildren(HTREEITEM item);
    void InsertPlaceholder(HTREEITEM item);

    BOOL showFiles_ = FALSE;
    CString errorText_;
    CImageList imageList_;
    CString rootPath_;
    std::vector<CString> filters_{L"*.*"};
};
