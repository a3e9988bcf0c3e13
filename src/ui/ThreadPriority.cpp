#include "ui/ThreadPriority.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace tolvane::ui {

void LowerThisThreadsPriority() {
#if defined(_WIN32)
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
#elif defined(__linux__)
  // On Linux the nice value belongs to each thread (and new threads inherit it).
  setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
#endif
}

}  // namespace tolvane::ui
