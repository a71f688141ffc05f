#include "platform/sink_back_end.h"

#include <QAudioFormat>
#include <QMediaDevices>

#include "kernel/wave_image.h"
#include "platform/sound_server_probe.h"

namespace noyalis::platform {

namespace {
constexpr int kProbeBoundMs = 1000;  // a live server answers in milliseconds
// What the output holds ahead of the speaker [bytes]: some 120 ms once the server has adjusted,
// enough to ride over a busy moment, short enough for a tone to start at once.
constexpr qsizetype kBufferBytes = kernel::kSampleRate / 5;
}  // namespace

bool SinkBackEnd::open(QIODevice& stream) {
  if (ProbeSoundServer(SoundServerSocket(), kProbeBoundMs) == SoundServerState::Silent) return false;
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return false;
  QAudioFormat format;
  format.setSampleRate(kernel::kSampleRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::UInt8);
  if (!device.isFormatSupported(format)) return false;
  sink_ = std::make_unique<QAudioSink>(device, format);
  sink_->setBufferSize(kBufferBytes);
  sink_->start(&stream);
  return !failed();
}

std::int64_t SinkBackEnd::playedBytes() {
  return sink_->processedUSecs() * kernel::kSampleRate / 1'000'000;
}

bool SinkBackEnd::failed() {
  const QAudio::Error error = sink_->error();
  return sink_->state() == QAudio::StoppedState ||
         (error != QAudio::NoError && error != QAudio::UnderrunError);
}

void SinkBackEnd::close() {
  if (sink_) sink_->stop();
  sink_.reset();
}

}  // namespace noyalis::platform
