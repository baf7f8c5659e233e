// Files the benchmarks write for themselves: named afresh in the temporary
// folder, so that runs side by side never share one, and removed when the
// program ends.
#pragma once

#include <string>

// A new empty file whose name ends in `suffix`; empty when none could be made.
std::string NewTemporaryFile(const std::string& suffix = "");
