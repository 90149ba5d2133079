#pragma once
// The program's own Open and Save dialogs: the device's folders and the matching files in a
// folder tree rooted at a given folder. Callers set filters and folders, run the dialog and, on
// OK, read the chosen full path.
#include <vector>

#include "foundation/screens/CFolderTreeCtrl.h"
#include "platform/ui/Dialog.h"

class COpenFileDlg : public CDialog {
public:
    enum { IDD = 15152 };
    explicit COpenFileDlg(CWnd* parent = nullptr);

    void AddFilter(const CString& pattern);
    void SetStartFolder(const CString& path) { startFolder_ = path; }
    void SetRootFolder(const CString& path) { rootFolder_ = path; }
    CString GetPathName() const { return pathName_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Accepts only a path naming an existing file.
    void OnOK() override;

private:
    void OnSelChanged(NMHDR* header, LRESULT* result);

    CFolderTreeCtrl tree_;
    CString pathName_;
    CString startFolder_;
    std::vector<CString> filters_{L"*.*"};
    CString rootFolder_;
};

class CFileSaveDlg : public CDialog {
public:
    enum { IDD = 15151 };
    explicit CFileSaveDlg(CWnd* parent = nullptr);

    // The one filter, e.g. "*.xyh"; its part from the first "." is the saved name's extension.
    void SetFilter(const CString& pattern) { filter_ = pattern; }
    void SetStartFolder(const CString& path) { startFolder_ = path; }
    void SetRootFolder(const CString& path) { rootFolder_ = path; }
    CString GetPathName() const { return pathName_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Refuses an empty name or one with a path separator or reserved character, and asks before
    // overwriting.
    void OnOK() override;

private:
    void OnSelChanged(NMHDR* header, LRESULT* result);
    void OnNameChanged();

    CString pathName_;
    CFolderTreeCtrl tree_;
    CString pathText_;
    CString fileName_;
    CString startFolder_;
    CString filter_{L"*.*"};
    CString rootFolder_;
};
