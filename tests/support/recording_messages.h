#pragma once
// A message service for tests: records every message instead of showing a box, answers every
// question with a set answer (the default, as Enter would, unless told otherwise), and can run a
// check while a message is "open" (the code that showed it is still waiting for it to close).
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform/services.h"

namespace noyalis::test {

class RecordingMessages final : public platform::MessageService {
 public:
  enum class Kind { Information, Error, Question };
  struct Message {
    Kind kind;
    QString text;
    QWidget* parent;
    QStringList answers = {};  // a question's
  };

  void information(QWidget* parent, const QString& text) override { record(Kind::Information, parent, text); }
  void error(QWidget* parent, const QString& text) override { record(Kind::Error, parent, text); }
  int question(QWidget* parent, const QString& text, const QStringList& answers) override;

  // The index of the answer every question gets from now on (0: the default).
  void answerQuestionsWith(int answer) { answer_ = answer; }

  // Runs for every message, after it is recorded and before the box "closes".
  void onShow(std::function<void(const Message&)> check) { onShow_ = std::move(check); }

  const std::vector<Message>& all() const { return messages_; }
  // The texts of the messages of one kind, in order.
  QStringList texts(Kind kind) const;
  QStringList informations() const { return texts(Kind::Information); }
  QStringList errors() const { return texts(Kind::Error); }
  QStringList questions() const { return texts(Kind::Question); }
  void clear() { messages_.clear(); }

 private:
  void record(Kind kind, QWidget* parent, const QString& text, const QStringList& answers = {});

  std::vector<Message> messages_;
  std::function<void(const Message&)> onShow_;
  int answer_ = 0;
};

}  // namespace noyalis::test
