#pragma once

#include <QtGlobal>

// Resident memory of this process, from /proc/self/status (Linux).
namespace residentMemory {

qint64 CurrentKiB(); // VmRSS
qint64 PeakKiB();    // VmHWM: the highest VmRSS since start or since the last reset
// Starts a new peak from the current resident size ("5" to /proc/self/clear_refs).
// False where the kernel does not offer it; the peak then runs on from the start.
bool ResetPeak();

} // namespace residentMemory
