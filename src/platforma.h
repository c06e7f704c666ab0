// How bytes reach standard output and come from standard input on this
// platform. Each platform has one file that defines these, together with
// the colour and clearing of the console.
#pragma once

#include <cstddef>

// Writes all of `delka` bytes, or drops what the system refuses.
void ZapsatVystup(const char* text, size_t delka);

// Reads what is available, up to `kolik` bytes; 0 once input has ended or
// cannot be read.
size_t CistVstup(char* kam, size_t kolik);
