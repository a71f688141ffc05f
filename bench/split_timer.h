#pragma once
// Wall-clock and thread CPU time of the pieces one benchmark iteration times in turn: the machine
// may be shared, and the wall clock then also counts the time other processes ran.
#include <chrono>
#include <ctime>

namespace noyalis::bench {

struct Seconds {
  double wall = 0, cpu = 0;
};

// CPU time of this thread [s].
inline double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Adds the wall-clock and CPU time of f to total.
template <class F>
void Time(Seconds& total, F&& f) {
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = ThreadCpuSeconds();
  f();
  total.cpu += ThreadCpuSeconds() - cpuStart;
  total.wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace noyalis::bench
