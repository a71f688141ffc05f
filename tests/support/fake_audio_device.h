#pragma once
// A sound device for tests, driven by the audio thread like the real one. It plays at once what it
// pulls (1102 bytes a millisecond) and keeps all of it; a held device does not come back from
// opening its output until the test lets it go, as an audio library under a stalled server.
#include <QByteArray>
#include <QMutex>
#include <QSemaphore>
#include <QTimer>
#include <memory>

#include "platform/audio_back_end.h"

namespace noyalis::test {

// What the test sees of the device, shared with the audio thread.
class FakeAudioDevice {
 public:
  explicit FakeAudioDevice(bool held = false) : held_(held) {}

  // The factory the sound output calls on its audio thread.
  platform::AudioBackEndFactory factory();
  // Lets a held device come back from opening.
  void letGo() { gate_.release(); }

  int opens() const;
  QByteArray played() const;

 private:
  friend class FakeAudioOutput;
  bool held_;
  QSemaphore gate_;
  mutable QMutex mutex_;
  int opens_ = 0;
  QByteArray played_;
};

}  // namespace noyalis::test
