#pragma once
// 142 "点存储类型设置": the store mode, the smoothing length, when automatic storing stores (the
// lowest solution, by time or by distance), what the map's labels show, how many stored points it
// shows and how the code is kept. Only the fields of the chosen mode are enabled and checked.
#include "foundation/GeneralSettingsBlock.h"
#include "platform/ui/Dialog.h"
#include "resources/PointStoreTypeDlg.h"

struct StoreTypeValues {
    int mode = 0;
    int smoothSeconds = 0;
    int condition = 0;
    int byDistance = 0;
    int interval = 0;
    double distance = 0.0;
    int label = 0;
    CString pointCount;  // "全部" or a number
    int codeType = 0;
};

StoreTypeValues StoreTypeValuesOf(const GeneralSettingsBlock& settings);
// The settings with the values in their [DataSave Par] keys.
void ApplyStoreTypeValues(const StoreTypeValues& values, GeneralSettingsBlock& settings);

class CPointStoreTypeDlg : public CDialog {
public:
    static constexpr UINT IDD = storetype::IDD;
    explicit CPointStoreTypeDlg(CWnd* parent = nullptr);

    StoreTypeValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnModeNormal();
    void OnModeOffset();
    void OnModeSmooth();
    void OnModeAuto();
    void OnByTime();
    void OnByDistance();
    void ShowMode(int mode, int byDistance);
    bool Refuse(UINT id, const wchar_t* text);
};
