// Resident memory of this process, from /proc, for the benchmarks' figures
// (allocations of Qt and the C library count as well as ours).
#pragma once

// Starts a measurement: returns free heap to the system and resets the
// resident high-water mark to what is resident now.
void StartPeakMeasure();
// How far the resident memory rose above its level at StartPeakMeasure, in MB.
double PeakGrowthMegabytes();
