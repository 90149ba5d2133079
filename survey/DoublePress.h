#pragma once
// Two presses of the same key within the same minute and less than three seconds apart (by the
// system clock) count as a double press.
#include <cstdint>

class DoublePress {
public:
    // True on the second press of a pair; the pair is then forgotten.
    bool Press(int32_t minute, int32_t second);

private:
    int32_t minute_ = -1;
    int32_t second_ = 0;
};
