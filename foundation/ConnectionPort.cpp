#include "foundation/ConnectionPort.h"

bool GetConnectionPortBaud(int32_t kind, int32_t& port, int32_t& baud) {
    port = 1;
    baud = 9600;
    switch (kind) {
        case 0:
            port = 5;
            return true;
        case 1:
            port = 3;
            baud = 57600;
            return true;
        case 2:
            port = 2;
            return true;
        default:
            return false;
    }
}
