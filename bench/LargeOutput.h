// The large Gaussian output the benchmarks read: a shared sample's
// optimisation steps repeated until the file reaches 30 MB.
#pragma once

#include <string>

// The shared sample output whose steps are repeated (an opt+freq job).
std::string SampleOutputPath();

// Writes the large output to `path`; false (with a message on stderr) when
// the sample is missing or the file cannot be written.
bool WriteLargeOutput(const std::string& path);

// A temporary copy of the large output, written on the first call and
// removed when the program ends; empty when it could not be written.
const std::string& LargeOutputPath();

double FileMegabytes(const std::string& path);
