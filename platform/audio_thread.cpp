#include "platform/audio_thread.h"

#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "platform/tone_stream.h"

namespace noyalis::platform {

namespace {

constexpr int kPollMs = 10;
// The output stays open this long after its last tone, so that tones in quick succession share it
// and nothing is cut; then it closes, and the device may sleep.
constexpr auto kIdleClose = std::chrono::seconds(10);

std::atomic<int> runningThreads{0};

void EndIfAudioIsHeld(int status, void*) {
  if (runningThreads.load() == 0) return;
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace

// The output and its stream, on the audio thread: opened for a tone when closed, polled while open
// to tell the tones how far the device has played, closed when lost or idle.
class AudioWorker final : public QObject {
 public:
  AudioWorker(const AudioBackEndFactory& factory, std::atomic<AudioThread::Clock::rep>& lastLife)
      : factory_(factory), lastLife_(lastLife) {
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &AudioWorker::poll);
  }
  ~AudioWorker() override { close(); }

  void accept(std::shared_ptr<ToneRequest> tone) {
    if (!output_ && !open()) {
      tone->state = ToneRequest::State::Dropped;
      return;
    }
    stream_->append(std::move(tone));
    lastBusy_ = ToneStream::Clock::now();
  }

 private:
  bool open() {
    stream_ = std::make_unique<ToneStream>();
    output_ = factory_();
    if (!output_ || !output_->open(*stream_)) {
      output_.reset();
      stream_.reset();
      return false;
    }
    played_ = 0;
    showsLife(ToneStream::Clock::now());
    poll_.start();
    return true;
  }

  void close() {
    poll_.stop();
    if (output_) output_->close();
    output_.reset();
    if (stream_) stream_->dropAll();
    stream_.reset();
  }

  void poll() {
    if (output_->failed()) return close();
    const ToneStream::Clock::time_point now = ToneStream::Clock::now();
    const std::int64_t played = output_->playedBytes();
    if (played > played_) showsLife(now);
    played_ = played;
    if (stream_->settle(played, now))
      lastBusy_ = now;
    else if (now - lastBusy_ > kIdleClose)
      close();
  }

  void showsLife(ToneStream::Clock::time_point now) { lastLife_ = now.time_since_epoch().count(); }

  const AudioBackEndFactory& factory_;
  std::atomic<AudioThread::Clock::rep>& lastLife_;
  std::int64_t played_ = 0;  // [bytes]
  std::unique_ptr<ToneStream> stream_;
  std::unique_ptr<AudioBackEnd> output_;  // reads stream_, so goes first
  QTimer poll_;
  ToneStream::Clock::time_point lastBusy_;
};

AudioThread::AudioThread(AudioBackEndFactory factory) : factory_(std::move(factory)) {
  setObjectName("audio");
}

void AudioThread::begin() {
  start();
  ready_.acquire();
}

void AudioThread::post(std::shared_ptr<ToneRequest> tone) {
  QMutexLocker lock(&mutex_);
  if (!worker_) {
    tone->state = ToneRequest::State::Dropped;
    return;
  }
  QMetaObject::invokeMethod(
      worker_, [worker = worker_, tone = std::move(tone)] { worker->accept(tone); }, Qt::QueuedConnection);
}

bool AudioThread::end(int waitMs) {
  quit();
  return wait(QDeadlineTimer(waitMs));
}

int AudioThread::running() {
  return runningThreads.load();
}

void AudioThread::run() {
  ++runningThreads;
  {
    AudioWorker worker(factory_, lastLife_);
    {
      QMutexLocker lock(&mutex_);
      worker_ = &worker;
    }
    ready_.release();
    exec();
    QMutexLocker lock(&mutex_);
    worker_ = nullptr;
  }
  --runningThreads;
}

void EndProcessAtExitIfAudioIsHeld() {
  ::on_exit(&EndIfAudioIsHeld, nullptr);
}

}  // namespace noyalis::platform
