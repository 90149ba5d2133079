#pragma once
// The combo box of how many staked points a screen draws: "全部" for all (-1) or a count.
#include "platform/ui/DataExchange.h"

// Shows `count` as its text; reads the text back as a count (text that is no number reads 0).
void DDX_ShowCount(CDataExchange* pDX, int id, int& count);
