#include "support/fake_audio_device.h"

#include <QIODevice>

namespace noyalis::test {

class FakeAudioOutput final : public platform::AudioBackEnd {
 public:
  explicit FakeAudioOutput(FakeAudioDevice& device) : device_(device) {}

  bool open(QIODevice& stream) override {
    if (device_.held_) device_.gate_.acquire();
    QMutexLocker lock(&device_.mutex_);
    ++device_.opens_;
    pull_ = std::make_unique<QTimer>();
    QObject::connect(pull_.get(), &QTimer::timeout, [this, &stream] {
      const QByteArray chunk = stream.read(kChunk);
      QMutexLocker lock(&device_.mutex_);
      device_.played_ += chunk;
      played_ += chunk.size();
    });
    pull_->start(1);
    return true;
  }
  std::int64_t playedBytes() override { return played_; }
  bool failed() override { return false; }
  void close() override { pull_.reset(); }

 private:
  static constexpr int kChunk = 1102;
  FakeAudioDevice& device_;
  std::unique_ptr<QTimer> pull_;
  std::int64_t played_ = 0;
};

platform::AudioBackEndFactory FakeAudioDevice::factory() {
  return [this] { return std::make_unique<FakeAudioOutput>(*this); };
}

int FakeAudioDevice::opens() const {
  QMutexLocker lock(&mutex_);
  return opens_;
}

QByteArray FakeAudioDevice::played() const {
  QMutexLocker lock(&mutex_);
  return played_;
}

}  // namespace noyalis::test
