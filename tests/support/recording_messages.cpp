#include "support/recording_messages.h"

#include <QStringList>

namespace noyalis::test {

QStringList RecordingMessages::texts(Kind kind) const {
  QStringList result;
  for (const Message& m : messages_)
    if (m.kind == kind) result << m.text;
  return result;
}

int RecordingMessages::question(QWidget* parent, const QString& text, const QStringList& answers) {
  record(Kind::Question, parent, text, answers);
  return answer_;
}

void RecordingMessages::record(Kind kind, QWidget* parent, const QString& text, const QStringList& answers) {
  messages_.push_back({kind, text, parent, answers});
  if (onShow_) onShow_(messages_.back());
}

}  // namespace noyalis::test
