#pragma once
// The real sound device: Qt's audio sink on the default output, pulling the tone stream.
#include <QAudioSink>
#include <memory>

#include "platform/audio_back_end.h"

namespace noyalis::platform {

class SinkBackEnd final : public AudioBackEnd {
 public:
  // The server is asked first, with a bounded wait: one that does not answer would hold the audio
  // library for half a minute or for ever. A server that answers again later is used again.
  bool open(QIODevice& stream) override;
  std::int64_t playedBytes() override;
  bool failed() override;
  void close() override;

 private:
  std::unique_ptr<QAudioSink> sink_;
};

}  // namespace noyalis::platform
