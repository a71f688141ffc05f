#include "platform/playback_wait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace noyalis::platform {

namespace {
constexpr int kPollMs = 5;
}  // namespace

bool WaitForPlayback(const PlaybackProgress& progress, int durationMs, int boundMs) {
  const std::int64_t durationUs = std::int64_t{durationMs} * 1000;
  const auto played = [&] { return progress.bytesLeft() <= 0 && progress.playedUs() >= durationUs; };
  QElapsedTimer since;
  since.start();
  bool done = played();
  if (done || progress.failed()) return done;
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(kPollMs);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    done = played();
    if (done || progress.failed() || since.elapsed() >= boundMs) loop.quit();
  });
  poll.start();
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  return done;
}

}  // namespace noyalis::platform
