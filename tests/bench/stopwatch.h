// The benchmark's clock: milliseconds of the performance counter.
#pragma once

#include <windows.h>

namespace bench {

inline double Now() {
  static const double perMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart / 1000.0;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return counter.QuadPart / perMs;
}

}  // namespace bench
