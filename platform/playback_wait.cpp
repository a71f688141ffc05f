#include "platform/playback_wait.h"

#include <QEventLoop>
#include <QTimer>
#include <cstdint>

#include "platform/services.h"

namespace noyalis::platform {

namespace {
constexpr int kPollMs = 5;
}  // namespace

bool WaitUntil(const std::function<bool()>& done, int boundMs) {
  const std::int64_t start = Clock().nowMs();
  bool held = done();
  if (held) return true;
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(kPollMs);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    held = done();
    if (held || Clock().nowMs() - start >= boundMs) loop.quit();
  });
  poll.start();
  loop.exec();
  return held;
}

}  // namespace noyalis::platform
