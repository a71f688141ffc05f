#pragma once
// What a long run needs from whoever runs it: a chance to let the event loop run,
// the stop request, and a pacing sleep. Screens pass one backed by the event loop;
// tests pass a no-op or a scripted host.

namespace noyalis::kernel {

class RunHost {
 public:
  virtual ~RunHost() = default;
  // Called once per item of a long loop; the host decides how often it really pumps (~every 10 ms).
  virtual void yieldItem() = 0;
  // Called at a stage point (a new number to show, a chart drawn): always pumps.
  virtual void yieldStage() = 0;
  // True once the user asked the run to stop.
  virtual bool stopRequested() const = 0;
  // Waits [ms] while keeping keys live; returns early when a stop is requested.
  virtual void sleepMs(int ms) = 0;
};

// A host that never pumps, never stops and never sleeps.
class NullRunHost final : public RunHost {
 public:
  void yieldItem() override {}
  void yieldStage() override {}
  bool stopRequested() const override { return false; }
  void sleepMs(int) override {}
};

}  // namespace noyalis::kernel
