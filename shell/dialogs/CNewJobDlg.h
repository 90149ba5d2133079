#pragma once
// 15138 "新建作业": a name for the new job under the root folder, and whether its parameters come
// from the set-up wizard (0) or an existing job (1). A name that cannot be a folder is refused
// and the dialog stays open.
#include "platform/ui/Dialog.h"
#include "resources/NewJobDlg.h"

struct NewJobValues {
    CString name;
    CString rootPath;  // the storage root's "Jobs" folder, with its final "\"
    int mode = 0;      // 0 the set-up wizard, 1 an existing job
};

class CNewJobDlg : public CDialog {
public:
    static constexpr UINT IDD = newjob::IDD;
    // `storageRoot` is "\Program Files"; the jobs lie in its "Jobs" folder.
    CNewJobDlg(const CString& storageRoot, CWnd* parent = nullptr);

    NewJobValues values;
    // After OK: root path + name + "\" + name + ".qzs".
    const CString& JobFile() const { return jobFile_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnChangeName();

    // The edits are filled before their changes count.
    bool shown_ = false;
    CString jobFile_;
};
