#include "app/quorin/AllocatorSettings.h"

#include <malloc.h>

void UseProgramAllocatorSettings() {
    // Large blocks go back to the system when freed, and so does free memory at the top of the heap;
    // left to adapt, malloc would keep both for good. Blocks a repaint takes again every time are kept
    // by their owners instead.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
}
