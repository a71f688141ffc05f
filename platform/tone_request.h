#pragma once
// One tone on its way from the interface thread to the audio thread: its samples, how late it may
// still start, and how far it got. The interface thread waits on the state; the audio thread sets it.
#include <QByteArray>
#include <atomic>
#include <chrono>

namespace noyalis::platform {

struct ToneRequest {
  enum class State { Queued, Started, Played, Dropped };

  ToneRequest(QByteArray toneSamples, std::chrono::steady_clock::time_point latest)
      : samples(std::move(toneSamples)), latestStart(latest) {}

  State current() const { return state.load(); }
  bool started() const { return current() == State::Started || current() == State::Played; }
  bool finished() const { return current() == State::Played || current() == State::Dropped; }

  const QByteArray samples;  // 8-bit unsigned mono at 11 025 Hz
  // A tone that could not start by then comes too late to mean anything and is dropped.
  const std::chrono::steady_clock::time_point latestStart;
  std::atomic<State> state{State::Queued};
};

}  // namespace noyalis::platform
