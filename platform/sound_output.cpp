#include "platform/sound_output.h"

#include <QCoreApplication>

#include "kernel/wave_image.h"
#include "platform/audio_thread.h"
#include "platform/playback_wait.h"
#include "platform/sink_back_end.h"
#include "platform/tone_request.h"

namespace noyalis::platform {

namespace {

// A tone that cannot start this soon after it was asked for would be heard out of place.
constexpr auto kLatestStart = std::chrono::milliseconds(2500);
// An output that has not shown it plays for this long does not answer. Shorter would take a new
// output that starts slowly for one that stalled: a sound server that cannot rewind (a null sink
// with a recorder) first plays out the block it holds, which takes up to two seconds.
constexpr auto kSilentAfter = std::chrono::seconds(3);

SoundOutput* processOutput = nullptr;

void CloseProcessOutput() {
  delete processOutput;
  processOutput = nullptr;
}

}  // namespace

SoundOutput::SoundOutput(AudioBackEndFactory factory) : thread_(new AudioThread(std::move(factory))) {
  thread_->begin();
}

SoundOutput::~SoundOutput() {
  if (thread_->end(kEndWaitMs)) {
    delete thread_;
    return;
  }
  // The thread is held in the device: it may come back and end, and its object stays valid; if it
  // does not, the process must not wait for it at exit.
  EndProcessAtExitIfAudioIsHeld();
}

std::shared_ptr<ToneRequest> SoundOutput::post(const QByteArray& samples) {
  auto tone = std::make_shared<ToneRequest>(samples, std::chrono::steady_clock::now() + kLatestStart);
  thread_->post(tone);
  return tone;
}

bool SoundOutput::play(const QByteArray& samples) {
  if (trial_) {
    if (!trial_->started()) {
      // Still no answer: offer this tone only once the last one offered was given up.
      if (trial_->finished()) trial_ = post(samples);
      return false;
    }
    trial_.reset();  // the output plays again
  }
  if (waiting_) {  // a tone asked for while another is awaited: played after it, not awaited
    post(samples);
    return false;
  }
  const std::shared_ptr<ToneRequest> tone = post(samples);
  const int lengthMs = static_cast<int>(samples.size() * 1000 / kernel::kSampleRate);
  waiting_ = true;
  WaitUntil([&tone] { return tone->finished(); }, lengthMs + kWaitMarginMs);
  waiting_ = false;
  if (!tone->started() && AudioThread::Clock::now() - thread_->lastSignOfLife() > kSilentAfter) trial_ = tone;
  return tone->current() == ToneRequest::State::Played;
}

SoundOutput& ProcessSoundOutput() {
  if (!processOutput) {
    processOutput = new SoundOutput([] { return std::make_unique<SinkBackEnd>(); });
    qAddPostRoutine(&CloseProcessOutput);
  }
  return *processOutput;
}

}  // namespace noyalis::platform
