#pragma once
// Several notices told in one box: a notice a line, in the order they came.
#include <vector>

#include "platform/text/CString.h"

inline CString NoticeLines(const std::vector<CString>& notices) {
    CString text;
    for (size_t i = 0; i < notices.size(); ++i) {
        if (i > 0) text += L"\n";
        text += notices[i];
    }
    return text;
}
