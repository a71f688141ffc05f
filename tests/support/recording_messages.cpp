#include "support/recording_messages.h"

#include <QStringList>

namespace noyalis::test {

QStringList RecordingMessages::texts(Kind kind) const {
  QStringList result;
  for (const Message& m : messages_)
    if (m.kind == kind) result << m.text;
  return result;
}

void RecordingMessages::record(Kind kind, QWidget* parent, const QString& text) {
  messages_.push_back({kind, text, parent});
  if (onShow_) onShow_(messages_.back());
}

}  // namespace noyalis::test
