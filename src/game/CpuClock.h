// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Processor time, which a busy machine does not inflate the way wall time is.
#include <ctime>

namespace ruvo {

struct CpuClock {
    // Seconds of processor time used by the whole process.
    static double process() { return read(CLOCK_PROCESS_CPUTIME_ID); }
    // Seconds of processor time used by the calling thread.
    static double thread() { return read(CLOCK_THREAD_CPUTIME_ID); }

private:
    static double read(clockid_t clock) {
        timespec now{};
        clock_gettime(clock, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    }
};

} // namespace ruvo
