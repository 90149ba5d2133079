#pragma once
// The program's own Open and Save dialogs: the device's folders and the matching files in a
// folder tree rooted at a given folder. Callers set filters and folders, run the dialog and, on
// OK, read the chosen full path.
#include <utility>
#include <vector>

#include "foundation/screens/CFolderTreeCtrl.h"
#include "platform/ui/Dialog.h"
#include "resources/FileDialogs.h"

// The save dialog's refusal of a job's own file: its extension is the filter's, so only the name
// can change.
inline constexpr const wchar_t* kJobOwnNameRefusal = L"该文件是工程自身的文件,请换一个文件名!";

// What both file dialogs share: the tree, the folders it opens at, and the result.
class CFolderTreeDlg : public CDialog {
public:
    // The path selected when the dialog opens; the program folder unless set. Folders are
    // taken with or without their final "\".
    void SetStartFolder(const CString& path) { startFolder_ = WithoutFinalSlash(path); }
    // The folder shown as the tree's top item; the program folder unless set.
    void SetRootFolder(const CString& path) { rootFolder_ = WithoutFinalSlash(path); }
    CString GetPathName() const { return pathName_; }

protected:
    CFolderTreeDlg(UINT templateId, CWnd* parent);
    // Maximised, with the tree of the root folder showing the files the filters match, at the
    // start folder, or at the top item when the start folder cannot be selected; the tree has the
    // focus (OnInitDialog answers FALSE).
    void ShowTree(UINT treeId, const std::vector<CString>& filters);
    CString SelectedPath(NMHDR* selectionChange) const;

    CFolderTreeCtrl tree_;
    CString pathName_;

private:
    static CString WithoutFinalSlash(const CString& folder);

    CString startFolder_;
    CString rootFolder_;
};

class COpenFileDlg : public CFolderTreeDlg {
public:
    static constexpr UINT IDD = openfile::IDD;
    explicit COpenFileDlg(CWnd* parent = nullptr);

    // The first pattern replaces "*.*"; e.g. "*.rnb".
    void AddFilter(const CString& pattern);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Accepts only a path naming an existing file.
    void OnOK() override;

private:
    void OnSelChanged(NMHDR* header, LRESULT* result);

    std::vector<CString> filters_{L"*.*"};
};

class CFileSaveDlg : public CFolderTreeDlg {
public:
    static constexpr UINT IDD = savefile::IDD;
    explicit CFileSaveDlg(CWnd* parent = nullptr);

    // The one filter, e.g. "*.xyh"; its part from the first "." is the saved name's extension.
    void SetFilter(const CString& pattern) { filter_ = pattern; }
    // The job's own files (JobOwnFiles.h): a name that would replace one is refused, before the
    // question about replacing an existing file.
    void KeepOff(std::vector<CString> jobFiles) { keptOff_ = std::move(jobFiles); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Refuses an empty name, one with a path separator or reserved character and one of the files
    // kept off, and asks before overwriting.
    void OnOK() override;

private:
    void OnSelChanged(NMHDR* header, LRESULT* result);
    void OnNameChanged();

    CString pathText_;
    CString fileName_;
    CString filter_{L"*.*"};
    std::vector<CString> keptOff_;
};

// The file dialogs as one call: the files matching `pattern` in the tree below `root`, opening at
// `start`; the chosen full path, or empty when the user cancels.
CString ChooseFileToOpen(CWnd* parent, const CString& pattern, const CString& root, const CString& start);
CString ChooseFileToSave(CWnd* parent, const CString& pattern, const CString& root, const CString& start);
