#include "resources/MainMenu.h"

#include "platform/ui/Menu.h"

// Menu 128: every function of the program, in the command bar of the main window.
namespace {
using namespace mainmenu;
constexpr MenuItemTemplate kSeparator{nullptr, 0};

const MenuItemTemplate kJob[] = {
    {L"&1新建工程", kNewJob},
    {L"&2打开工程", kOpenJob},
    {L"&3新建文件", kNewFile},
    {L"&4打开文件", kOpenFile},
    kSeparator,
    {L"&5文件输出", kResultExport},
    {L"&6BLH输出", kBlhExport},
    kSeparator,
    {L"&7关闭GPS主机", kCloseReceiver},
    kSeparator,
    {L"&8退出(&X)", kExit},
};
const MenuItemTemplate kOtherSettings[] = {
    {L"&1存储设置", kStoreSettings},
    {L"&2卫星限制", kSatelliteMask},
    {L"&3时区设置", kTimeZone},
    {L"&4移动站天线高", kRoverAntenna},
    kSeparator,
    {L"VRS模块设置", kModuleModeSwitch},
};
const MenuItemTemplate kSettings[] = {
    {L"&1坐标系统", kParamView},           kSeparator,
    {L"&2求转换参数", kSolveParams},       kSeparator,
    {L"&3其它设置", 0, 0, kOtherSettings}, kSeparator,
    {L"&4移动站设置", kRoverSettings},     {L"&5仪器设置", kInstrumentSettings},
    {L"&6电台设置", kRadioSettings},       kSeparator,
    {L"&7连接仪器", kConnectInstrument},
};
const MenuItemTemplate kSurvey[] = {
    {L"&1目标点测量", kTargetPointSurvey}, kSeparator, {L"&2点放样", kPointStakeout},
    {L"&3线放样", kLineStakeout},          kSeparator, {L"&4电力线勘测", kPowerLineSurvey},
    {L"&5塔基断面放样", kTowerSection},
};
const MenuItemTemplate kParamCalc[] = {
    {L"&1计算四参数", kCalcFourParams},
    {L"&2计算七参数", kCalcSevenParams},
};
const MenuItemTemplate kCoordCalc[] = {
    {L"&1坐标转换", kCoordConvert},         kSeparator,
    {L"&2坐标正算", kForwardCalc},          {L"&3坐标反算", kInverseCalc},
    {L"&4偏角偏距", kOffsetAngleDist},      {L"&5偏点计算", kOffsetPoint},
    {L"&6测边交会", kDistResection},        {L"&7交会计算", kIntersection},
    {L"&8交点与夹角计算", kIntersectAngle},
};
const MenuItemTemplate kOtherCalc[] = {
    {L"&1线中点计算", kLineMidpoint}, {L"&2夹角计算", kAngleCalc},       kSeparator,
    {L"&3空间距离", kSpaceDistance},  {L"&4面积计算", kAreaCalc},        kSeparator,
    {L"&5地图转换", kMapConvert},     {L"&6天线高计算", kAntennaHeight},
};
const MenuItemTemplate kTools[] = {
    {L"&1参数计算", 0, 0, kParamCalc},
    {L"&2坐标计算", 0, 0, kCoordCalc},
    {L"&3其它计算", 0, 0, kOtherCalc},
    kSeparator,
    {L"&4查看测量点", kCoordView},
    {L"&5数据验证", kDataVerify},
    kSeparator,
    {L"&6坐标管理库", kCoordLibrary},
    {L"&7经纬度库", kGeoLibrary},
    kSeparator,
    {L"&8校正向导", kCalibrationWizard},
    {L"&9数据后处理", kPostProcess},
};
const MenuItemTemplate kHelp[] = {
    {L"&3系统信息", kSystemInfo},
    {L"&4软件信息", kAbout},
};
const MenuItemTemplate kBar[] = {
    {L"工程&F", 0, 0, kJob},   {L"设置&S", 0, 0, kSettings}, {L"测量&E", 0, 0, kSurvey},
    {L"工具&T", 0, 0, kTools}, {L"关于&H", 0, 0, kHelp},
};
const MenuTemplate kMenu{IDR, kBar};
const MenuTemplateRegistration kRegistration(kMenu);
}  // namespace
