// Loaded into a program with LD_PRELOAD by quizwell_startup_probe. On the pipe
// that QUIZWELL_PROBE_FD names it reports the first turn of the program's
// event loop (its first window shown; the program then ends at once), or the
// program's exit when it never starts one, with the shared libraries loaded
// by then, the processor time and the peak memory.

#include <link.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "PeakMemory.h"

namespace {

int ProbeFd() {
  const char* fd = std::getenv("QUIZWELL_PROBE_FD");
  return fd ? std::atoi(fd) : -1;
}

// Every shared object of the process with a name (the vDSO too, as ldd
// counts it), this hook left out.
int LoadedLibraries() {
  int count = 0;
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* data) {
        if (info->dlpi_name && *info->dlpi_name) ++*static_cast<int*>(data);
        return 0;
      },
      &count);
  return count - 1;
}

void Report(const char* moment) {
  static bool reported = false;
  if (reported) return;
  reported = true;
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const long cpuMicroseconds = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L +
                               usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
  ::dprintf(ProbeFd(), "%s %d %ld %ld\n", moment, LoadedLibraries(), cpuMicroseconds, PeakResidentKiB());
}

// Runs when the program makes its application object; the timer fires once
// its event loop runs, after the window it showed first.
void OnApplication() {
  QTimer::singleShot(0, [] {
    Report("window");
    std::_Exit(0);
  });
}

__attribute__((constructor)) void Attach() {
  if (ProbeFd() >= 0) qAddPreRoutine(OnApplication);
}

__attribute__((destructor)) void Detach() {
  if (ProbeFd() >= 0) Report("exit");
}

}  // namespace
