// Keeps a fuzz target's writes inside one folder. While the guard is on, every open of a file
// for writing (open, open64, openat, openat64, creat) whose path lies outside the folder fails
// with EACCES, as an unwritable file does, so a pad's writeFile("/x") touches nothing of the
// machine's. The functions are interposed over the C library's in the fuzz executable; the
// guard is off outside the runs, so the fuzzer's own files are written as usual.
#pragma once

#include <cstdint>
#include <string>

namespace WriteGuard {

// The folder that writes may reach (an absolute path); starts the guard.
void allowOnly(const std::string& folder);
void setOn(bool on);
// The writes allowed inside the folder since the last reset, and those refused.
int64_t allowedWrites();
int64_t refusedWrites();
void resetCounts();

}  // namespace WriteGuard
