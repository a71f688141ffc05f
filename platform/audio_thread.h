#pragma once
// The thread that owns the process's one audio output. A sound server that stalls holds this
// thread inside the audio library, never the interface thread: the interface only hands tones
// over and watches how far they got.
#include <QMutex>
#include <QSemaphore>
#include <QThread>
#include <atomic>
#include <chrono>
#include <memory>

#include "platform/audio_back_end.h"
#include "platform/tone_request.h"

namespace noyalis::platform {

class AudioWorker;

class AudioThread final : public QThread {
 public:
  using Clock = std::chrono::steady_clock;

  explicit AudioThread(AudioBackEndFactory factory);

  // Starts the thread; returns once it takes tones.
  void begin();
  // Hands a tone over (from any thread); the thread opens the output when it has none.
  void post(std::shared_ptr<ToneRequest> tone);
  // Ends the thread and waits at most waitMs [ms] for it; false when it is held in the device and
  // still runs (the object must then outlive it: it is never deleted).
  bool end(int waitMs);
  // When the device last showed it plays: an output opened, or its played part grew. The epoch
  // when it never did.
  Clock::time_point lastSignOfLife() const { return Clock::time_point(Clock::duration(lastLife_.load())); }

  // Audio threads of the process still running.
  static int running();

 protected:
  void run() override;

 private:
  AudioBackEndFactory factory_;
  QMutex mutex_;
  AudioWorker* worker_ = nullptr;  // lives on the thread while it runs
  QSemaphore ready_;
  std::atomic<Clock::rep> lastLife_{0};
};

// At process exit, an audio thread still held in the audio library would be torn down under the
// library's feet, which aborts or waits for ever: the process then ends at once, with its exit
// status, before the library's own clean-up. Called when a held thread is left behind, after the
// library registered its clean-up, so that this check runs first.
void EndProcessAtExitIfAudioIsHeld();

}  // namespace noyalis::platform
