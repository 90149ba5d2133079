#include "stakeout/screens/ShowCountExchange.h"

#include "stakeout/StakeFiles.h"

void DDX_ShowCount(CDataExchange* pDX, int id, int& count) {
    CString text = ShowCountText(count);
    DDX_CBString(pDX, id, text);
    if (pDX->m_bSaveAndValidate) count = ParseShowCount(text);
}
