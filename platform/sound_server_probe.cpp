#include "platform/sound_server_probe.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSysInfo>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace noyalis::platform {

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// One packet of the native protocol: the AUTH command with an empty cookie. Any server answers
// it, with a reply, an error or by closing the connection.
std::vector<std::uint8_t> AuthPacket() {
  constexpr std::uint32_t kCommandAuth = 8, kTag = 1, kProtocolVersion = 32, kCookieSize = 256;
  constexpr std::uint8_t kTagU32 = 'L', kTagArbitrary = 'x';
  std::vector<std::uint8_t> payload;
  for (std::uint32_t v : {kCommandAuth, kTag, kProtocolVersion}) {
    payload.push_back(kTagU32);
    PutU32(payload, v);
  }
  payload.push_back(kTagArbitrary);
  PutU32(payload, kCookieSize);
  payload.insert(payload.end(), kCookieSize, 0);
  std::vector<std::uint8_t> packet;
  PutU32(packet, static_cast<std::uint32_t>(payload.size()));  // length
  PutU32(packet, 0xFFFFFFFFu);                                 // the control channel
  PutU32(packet, 0);                                           // offset, high and low
  PutU32(packet, 0);
  PutU32(packet, 0);  // flags
  packet.insert(packet.end(), payload.begin(), payload.end());
  return packet;
}

// Waits for fd to become readable (or closed) until the deadline.
bool AnswerBefore(int fd, const QElapsedTimer& since, int boundMs) {
  for (;;) {
    const int left = boundMs - static_cast<int>(since.elapsed());
    if (left <= 0) return false;
    pollfd p{fd, POLLIN, 0};
    const int ready = ::poll(&p, 1, left);
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return true;  // an error is an answer of sorts: no wait
  }
}

}  // namespace

SoundServerState ProbeSoundServer(const QString& socketPath, int boundMs) {
  const QByteArray path = QFile::encodeName(socketPath);
  sockaddr_un address{};
  if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path))
    return SoundServerState::NotFound;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return SoundServerState::NotFound;
  QElapsedTimer since;
  since.start();
  SoundServerState state = SoundServerState::NotFound;
  // A Unix socket connects at once or fails at once (nobody listening, no such file).
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
    const std::vector<std::uint8_t> packet = AuthPacket();
    const ssize_t sent = ::send(fd, packet.data(), packet.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    const bool answered = sent < 0 || AnswerBefore(fd, since, boundMs);
    state = answered ? SoundServerState::Answers : SoundServerState::Silent;
  }
  ::close(fd);
  return state;
}

QString SoundServerSocket() {
  QString server = qEnvironmentVariable("PULSE_SERVER").trimmed();
  if (!server.isEmpty()) {
    server = server.section(' ', 0, 0);                                   // the first of a list
    if (server.startsWith('{')) server = server.section('}', 1);          // "{machine}unix:/path"
    if (server.startsWith(QLatin1String("unix:"))) return server.mid(5);  // "unix:/path"
    return server.startsWith('/') ? server : QString();                   // tcp: and the like
  }
  const QString runtime = qEnvironmentVariable("PULSE_RUNTIME_PATH");
  if (!runtime.isEmpty()) return QDir(runtime).filePath("native");
  const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!xdg.isEmpty()) return QDir(xdg).filePath("pulse/native");
  const QString machineId = QString::fromLatin1(QSysInfo::machineUniqueId());
  const QString legacy = QDir::home().filePath(".config/pulse/" + machineId + "-runtime");
  if (!machineId.isEmpty() && QFileInfo::exists(legacy)) return QDir(legacy).filePath("native");
  return QStringLiteral("/run/user/%1/pulse/native").arg(::getuid());
}

}  // namespace noyalis::platform
