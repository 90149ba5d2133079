#include "survey/DoublePress.h"

bool DoublePress::Press(int32_t minute, int32_t second) {
    if (minute == minute_ && second - second_ < 3) {
        // No minute matches -1, so a single press at the start of an hour is never a pair.
        minute_ = -1;
        second_ = -1;
        return true;
    }
    minute_ = minute;
    second_ = second;
    return false;
}
