#include "survey/AntennaHeight.h"

CString AntennaHeightFault(int type, double measured, const AntennaConstants& antenna) {
    if (measured < 0.0) return L"天线高不能小于0!";
    if (type == kSlantHeight && measured <= antenna.radius) return L"斜高不能小于天线半径!";
    return CString();
}
