#pragma once
// A Poisson sampler for screen tests: every count of a block equals the mean asked for (or a
// scripted value), and a test may act while a series is drawing, as a user clicking meanwhile.
#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <vector>

namespace noyalis::test {

struct ScriptedDraw {
  // Blocks handed out in order; once they are used up, each count equals the block's mean.
  static inline std::deque<std::vector<std::int32_t>> blocks;
  static inline std::vector<std::int32_t> meansAsked;
  // Runs inside the draw, while the series is in progress.
  static inline std::function<void()> duringDraw;

  static void Reset() {
    blocks.clear();
    meansAsked.clear();
    duringDraw = nullptr;
  }

  static void Draw(std::int32_t m, std::int32_t n, std::span<std::int32_t> out) {
    meansAsked.push_back(m);
    if (duringDraw) std::exchange(duringDraw, nullptr)();
    std::vector<std::int32_t> block;
    if (!blocks.empty()) {
      block = blocks.front();
      blocks.pop_front();
    }
    for (std::int32_t i = 1; i <= n; ++i)
      out[static_cast<std::size_t>(i)] =
          block.empty() ? m : block[static_cast<std::size_t>(i - 1) % block.size()];
  }
};

}  // namespace noyalis::test
