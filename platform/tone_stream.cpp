#include "platform/tone_stream.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "kernel/wave_image.h"

namespace noyalis::platform {

namespace {
constexpr char kSilence = 127;  // the tones' own middle value: no step where one begins or ends
// Silence between tones that were queued together, so that two clicks stay two clicks [bytes].
constexpr std::int64_t kGapBytes = kernel::kSampleRate / 50;  // 20 ms
}  // namespace

ToneStream::ToneStream() {
  // Unbuffered: a buffered device would take many seconds of stream ahead of the output.
  open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void ToneStream::append(std::shared_ptr<ToneRequest> tone) {
  queued_.push_back(std::move(tone));
}

qint64 ToneStream::bytesAvailable() const {
  return std::numeric_limits<int>::max();  // silence never runs out
}

std::shared_ptr<ToneRequest> ToneStream::nextTone(Clock::time_point now) {
  while (!queued_.empty()) {
    std::shared_ptr<ToneRequest> tone = std::move(queued_.front());
    queued_.pop_front();
    if (now <= tone->latestStart) {
      tone->state = ToneRequest::State::Started;
      return tone;
    }
    tone->state = ToneRequest::State::Dropped;
  }
  return nullptr;
}

qint64 ToneStream::readData(char* data, qint64 maxSize) {
  qint64 filled = 0;
  while (filled < maxSize) {
    if (!current_) {
      const std::int64_t quiet = quietUntil_ - (handed_ + filled);
      if (quiet > 0) {  // the gap after the last tone first
        const qint64 n = std::min<qint64>(maxSize - filled, quiet);
        std::memset(data + filled, kSilence, static_cast<std::size_t>(n));
        filled += n;
        continue;
      }
      current_ = nextTone(Clock::now());
      currentOffset_ = 0;
      if (!current_) break;
    }
    const qint64 n = std::min<qint64>(maxSize - filled, current_->samples.size() - currentOffset_);
    std::memcpy(data + filled, current_->samples.constData() + currentOffset_, static_cast<std::size_t>(n));
    filled += n;
    currentOffset_ += n;
    if (currentOffset_ == current_->samples.size()) {
      quietUntil_ = handed_ + filled + kGapBytes;
      placed_.push_back({std::move(current_), handed_ + filled});
      current_.reset();
    }
  }
  std::memset(data + filled, kSilence, static_cast<std::size_t>(maxSize - filled));
  handed_ += maxSize;
  return maxSize;
}

bool ToneStream::settle(std::int64_t playedBytes, Clock::time_point now) {
  while (!placed_.empty() && placed_.front().end <= playedBytes) {
    placed_.front().tone->state = ToneRequest::State::Played;
    placed_.pop_front();
  }
  std::erase_if(queued_, [now](const std::shared_ptr<ToneRequest>& tone) {
    if (now <= tone->latestStart) return false;
    tone->state = ToneRequest::State::Dropped;
    return true;
  });
  return current_ || !queued_.empty() || !placed_.empty();
}

void ToneStream::dropAll() {
  for (const std::shared_ptr<ToneRequest>& tone : queued_) tone->state = ToneRequest::State::Dropped;
  for (const Placed& placed : placed_) placed.tone->state = ToneRequest::State::Dropped;
  if (current_) current_->state = ToneRequest::State::Dropped;
  queued_.clear();
  placed_.clear();
  current_.reset();
}

}  // namespace noyalis::platform
