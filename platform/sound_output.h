#pragma once
// The process's one audio output as the interface thread uses it: a tone is handed to the audio
// thread and waited for with the event loop running, for at most the tone's length and a small
// margin. An output that stops answering (a stalled or lost sound server) costs such waits for a
// few seconds; then the tones are dropped at once, one at a time is offered to the output, and the
// first that plays brings the waits back.
#include <QByteArray>
#include <memory>

#include "platform/audio_back_end.h"

namespace noyalis::platform {

class AudioThread;
struct ToneRequest;

class SoundOutput {
 public:
  // How much longer than its tone a wait may last [ms]: the output's latency with room to spare.
  static constexpr int kWaitMarginMs = 500;
  // How long the audio thread is given to end when the output is closed [ms].
  static constexpr int kEndWaitMs = 500;

  explicit SoundOutput(AudioBackEndFactory factory);
  // Ends the audio thread; one held in the device is left to itself.
  ~SoundOutput();
  SoundOutput(const SoundOutput&) = delete;
  SoundOutput& operator=(const SoundOutput&) = delete;

  // Plays samples (8-bit unsigned mono at 11 025 Hz) and returns once they are heard, running the
  // event loop meanwhile, user input included; returns after their length and kWaitMarginMs at the
  // latest (clock service time). True when the tone was heard.
  bool play(const QByteArray& samples);

 private:
  std::shared_ptr<ToneRequest> post(const QByteArray& samples);

  AudioThread* thread_;
  bool waiting_ = false;
  // The tone offered while the output does not answer; nullptr while it answers.
  std::shared_ptr<ToneRequest> trial_;
};

// The output of the real sound device, made on first use and closed with the application.
SoundOutput& ProcessSoundOutput();

}  // namespace noyalis::platform
