#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// Calls on regular files below this folder are the only ones that count and fail.
void zel_fault_scope(const char* folder);

// Arms the calls named in op (comma-separated: write, fsync, fdatasync, rename, renameat, renameat2, linkat),
// which share one count: the next afterCalls of them succeed, then they fail with errno err. A failing write
// first writes shortBytes bytes when that is fewer than asked and returns the short count; the next one fails.
// Returns -1 for an unknown call name.
int zel_fault_arm(const char* op, int afterCalls, int err, int shortBytes);

void zel_fault_disarm(void);

// How many calls failed (or were cut short) since the last arm.
int zel_fault_fired(void);

#ifdef __cplusplus
}
#endif
