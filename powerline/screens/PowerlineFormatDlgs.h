#pragma once
// The store dialogs of the survey formats other than 道亨, and of the tower section. Each only
// adds its format's controls to the shared store dialog.
#include "powerline/screens/CPowerlineStoreDlg.h"

// 136 "电力勘测存储(思维)": code type (by its prefix), code, two attribute texts, dimensions.
class CSiweiStoreDlg : public CPowerlineStoreDlg {
public:
    CSiweiStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

protected:
    void FillLists() override;
    void ExchangeOwn(CDataExchange* pDX) override;
    std::vector<std::pair<UINT, const CString*>> OwnTexts() const override;
};

// 15282 "电力线勘测存储(海智)": code and the pole kind, kept as the remark.
class CHaizhiStoreDlg : public CPowerlineStoreDlg {
public:
    CHaizhiStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

protected:
    void FillLists() override;
    void ExchangeOwn(CDataExchange* pDX) override;
    std::vector<std::pair<UINT, const CString*>> OwnTexts() const override;

private:
    int pole_ = 0;
};

// 15287 "电力勘测存储(XLCAD)": the type names the point from series J, Z or N.
class CXlcadStoreDlg : public CPowerlineStoreDlg {
public:
    CXlcadStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void FillLists() override;
    void ExchangeOwn(CDataExchange* pDX) override;
    std::vector<std::pair<UINT, const CString*>> OwnTexts() const override;

private:
    void OnTypeChange();
};

// 15289 "电力线勘测存储(通用)": code and remark.
class CGeneralStoreDlg : public CPowerlineStoreDlg {
public:
    CGeneralStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

protected:
    void ExchangeOwn(CDataExchange* pDX) override;
    std::vector<std::pair<UINT, const CString*>> OwnTexts() const override;
};

// 15290 "电力勘测存储(斯贝达)": type, angle, code and remark.
class CSibeidaStoreDlg : public CPowerlineStoreDlg {
public:
    CSibeidaStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

protected:
    void ExchangeOwn(CDataExchange* pDX) override;
    std::vector<std::pair<UINT, const CString*>> OwnTexts() const override;
};

// 15296 "电力线勘测存储(百合新格式)": type, object kind and the point's place in it, the J and Z
// numbers, the codes by number, dimensions and the two trailing texts.
class CBaiheStoreDlg : public CPowerlineStoreDlg {
public:
    CBaiheStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

protected:
    void FillLists() override;
    void ExchangeOwn(CDataExchange* pDX) override;
    std::vector<std::pair<UINT, const CString*>> OwnTexts() const override;
};

// 15253 "塔基断面放样存储": a side stake of the section: code, offset and height difference.
class CSectionStoreDlg : public CPowerlineStoreDlg {
public:
    CSectionStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void ExchangeOwn(CDataExchange* pDX) override;
    std::vector<std::pair<UINT, const CString*>> OwnTexts() const override;
};
