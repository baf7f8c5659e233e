#include "PeakMemory.h"

#include <fstream>
#include <malloc.h>
#include <string>

namespace {

long residentAtStart = 0;

// A "VmRSS:" or "VmHWM:" figure of /proc/self/status, in KiB.
long StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string name;
  long value = 0;
  while (status >> name) {
    if (name == field) {
      status >> value;
      return value;
    }
    status.ignore(1 << 10, '\n');
  }
  return 0;
}

}  // namespace

void StartPeakMeasure() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";  // resets VmHWM to VmRSS
  residentAtStart = StatusKiB("VmRSS:");
}

double PeakGrowthMegabytes() { return static_cast<double>(StatusKiB("VmHWM:") - residentAtStart) * 1024 / 1e6; }
