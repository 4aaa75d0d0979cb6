#pragma once

#include <QtGlobal>

// Memory this process holds, in KiB, for tests that check a flood of input
// leaves nothing behind: the resident set, or under AddressSanitizer (whose
// quarantine keeps freed blocks resident) the heap still allocated.
qint64 memoryInUseKiB();
