#pragma once
// Whether the sound server answers at all. Qt's audio output waits some thirty seconds or for ever
// for a server that accepts connections but never answers (a stopped or hung server): the audio
// thread asks here, with a bounded wait, before it opens an output.
#include <QString>

namespace noyalis::platform {

enum class SoundServerState {
  NotFound,  // no server socket to ask: the audio output finds no device by itself, at once
  Answers,   // the server replied (or refused) within the bound
  Silent,    // connected, and nothing came back within the bound
};

// Asks the server at socketPath (a Unix socket of the PulseAudio native protocol, which PipeWire
// also speaks) with an authentication request and waits at most boundMs [ms] for any reply.
SoundServerState ProbeSoundServer(const QString& socketPath, int boundMs);

// Where the audio output will look for its server: PULSE_SERVER (a "unix:" path or a plain path),
// else the runtime folder's native socket (PULSE_RUNTIME_PATH, XDG_RUNTIME_DIR/pulse, or without
// XDG_RUNTIME_DIR the folder ~/.config/pulse/<machine id>-runtime points to). Empty when the server
// is not a local socket.
QString SoundServerSocket();

}  // namespace noyalis::platform
