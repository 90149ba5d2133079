#include "export/screens/CExportDlg.h"

#include <vector>

#include "export/ExportFile.h"
#include "foundation/JobOwnFiles.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "resources/ExportDlgs.h"

namespace {
using namespace exportdlg;
constexpr const wchar_t* kCaption = L"提示";

constexpr size_t kNamesTold = 5;  // a longer list would not fit the message box

CString FileNameOf(const CString& path) {
    return path.Mid(path.ReverseFind(L'\\') + 1);
}

// "K1、K2" or, for many, the first few and the count: "K1、K2、K3、K4、K5等12个".
CString NameList(const std::vector<CString>& names) {
    CString list;
    for (size_t i = 0; i < names.size() && i < kNamesTold; ++i) list += (i ? L"、" : L"") + names[i];
    if (names.size() > kNamesTold) list += Format(L"等%d个", static_cast<int>(names.size()));
    return list;
}
}  // namespace

CExportDlg::CExportDlg(UINT templateId, const IExportHost& host, CWnd* parent)
    : CDialog(templateId, parent), host_(host) {}

BOOL CExportDlg::OnInitDialog() {
    fileName_ = DefaultName();
    CDialog::OnInitDialog();
    SetDlgItemText(kSource, FileNameOf(SourcePath()));
    return TRUE;
}

void CExportDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, kFirstStyle, style_);
    DDX_Text(pDX, kFileName, fileName_);
}

bool CExportDlg::CheckName() {
    fileName_.Trim();
    const wchar_t* refusal = nullptr;
    switch (CheckExportName(fileName_)) {
        case ExportNameCheck::kOk:
            return true;
        case ExportNameCheck::kEmpty:
            refusal = L"请输入文件名!";
            break;
        case ExportNameCheck::kBadCharacter:
            refusal = L"文件名不能含有\\ / : * ? \" < > |等字符!";
            break;
        case ExportNameCheck::kJobFileKind:
            refusal = kJobOwnFileRefusal;
            break;
        case ExportNameCheck::kLeadingDot:
            refusal = L"文件名不能以\".\"开头!";
            break;
        case ExportNameCheck::kOutsideCodePage:
            refusal = L"文件名含有不能保存的字符!";
            break;
        case ExportNameCheck::kTooLong:
            refusal = L"文件名太长!";
            break;
    }
    MessageBox(refusal, kCaption, MB_OK | MB_ICONINFORMATION);
    GotoDlgCtrl(GetDlgItem(kFileName));
    return false;
}

void CExportDlg::OnOK() {
    if (!UpdateData(TRUE) || !CheckName()) return;
    std::string source;
    if (!FileExists(SourcePath()) || !ReadWholeFile(SourcePath(), source)) {
        MessageBox(L"当前没有数据!", kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    const ExportText text = Build(FromGbk(source), style_);
    const CString leftOut = text.leftOut.empty() ? CString() : LeftOutNotice(NameList(text.leftOut));
    if (text.points == 0) {
        MessageBox(leftOut.IsEmpty() ? CString(L"文件中没有可输出的点!") : leftOut, kCaption,
                   MB_OK | MB_ICONINFORMATION);
        return;
    }
    const CString path = host_.ResultFolder() + fileName_;
    if (FileExists(path) &&
        MessageBox(L"文件已存在,是否覆盖?", kCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        GotoDlgCtrl(GetDlgItem(kFileName));
        return;
    }
    if (!WriteExportFile(path, text.bytes)) {
        MessageBox(L"文件写入失败,原有文件未改动!", kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    CString done = Format(L"已输出%d个点到%s", text.points, fileName_);
    if (!leftOut.IsEmpty()) done += L"\n" + leftOut;
    MessageBox(done, kCaption, MB_OK | MB_ICONINFORMATION);
    EndDialog(IDOK);
}
