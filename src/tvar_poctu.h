// Czech wording of a count: the form of a noun depends on how many there are.
#pragma once

#include <cstdint>

// One form for 1, one for 2 to 4, one for 5 and more. A count of 0 has no
// form: its line is left out.
inline const char* TvarPoctu(int64_t pocet, const char* jedna,
                             const char* dveAzCtyri, const char* petAVice) {
  if (pocet == 1)
    return jedna;
  if (pocet <= 4)
    return dveAzCtyri;
  return petAVice;
}
