#include "platform/threads/ThreadPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

void GiveWayToOtherThreads() {
    // The lowest priority of the ordinary ones: it still runs on a busy machine, only later.
    // Lowering one's own needs no privilege; a refusal leaves the thread as it was.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
}
