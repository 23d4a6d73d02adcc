// How much memory the process holds, for the soak's before-and-after lines.
#pragma once

// Both in KiB. ResidentKib is the resident set now: /proc/self/statm where
// there is one, else the peak from getrusage (which can only grow, so a
// flat reading still means flat). PeakResidentKib is the most ever held
// (the kernel's high-water mark, else getrusage's).
// Both give 0 when the system tells nothing.
long ResidentKib();
long PeakResidentKib();
