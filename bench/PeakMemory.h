#pragma once

#include <fstream>
#include <string>

// Peak resident memory of this process so far, in KiB (VmHWM of
// /proc/self/status); -1 where the kernel does not say. Header-only, so the
// start-up hook, which links nothing of ours, shares it.
inline long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    long value = 0;
    if (key == "VmHWM:" && status >> value) return value;
    status.ignore(1 << 10, '\n');
  }
  return -1;
}
