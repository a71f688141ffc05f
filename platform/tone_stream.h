#pragma once
// What the one audio output plays: the tones handed to it, one after the other, and silence
// between them, so that the output runs without a gap while it is open and a tone starts as soon
// as the device asks for more. It knows where each tone lies in the stream and so when the device
// has played it.
#include <QIODevice>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>

#include "platform/tone_request.h"

namespace noyalis::platform {

class ToneStream final : public QIODevice {
 public:
  using Clock = std::chrono::steady_clock;

  ToneStream();

  // Queues a tone behind those already queued.
  void append(std::shared_ptr<ToneRequest> tone);
  // The device has played playedBytes [bytes] of the stream: tones that ended there are played,
  // queued tones past their latest start are dropped. True while a tone waits or plays.
  bool settle(std::int64_t playedBytes, Clock::time_point now);
  // The device was lost: every tone not yet played is dropped.
  void dropAll();

  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  struct Placed {
    std::shared_ptr<ToneRequest> tone;
    std::int64_t end;  // where it ends in the stream [bytes]
  };
  // The next queued tone that may still start, marked started; nullptr when none.
  std::shared_ptr<ToneRequest> nextTone(Clock::time_point now);

  std::deque<std::shared_ptr<ToneRequest>> queued_;
  std::shared_ptr<ToneRequest> current_;  // being handed to the device
  qsizetype currentOffset_ = 0;
  std::deque<Placed> placed_;    // handed whole, not yet played
  std::int64_t handed_ = 0;      // [bytes]
  std::int64_t quietUntil_ = 0;  // no tone starts before [bytes]
};

}  // namespace noyalis::platform
