#pragma once
// The modal 800 × 600 experiment screen: centred, no frame buttons, key preview, no default
// button, a background colour that printing can change and restore, and what every screen needs
// around its runs: one run at a time with its controls locked, the event pump the run yields to,
// one answer to leaving during a run, printing unless a run is in progress, and the captions.
#include <QColor>
#include <QDialog>
#include <QPointer>
#include <functional>
#include <vector>

#include "platform/event_pump.h"

class QCustomPlot;
class QLabel;

namespace noyalis::platform {

inline constexpr QColor kSilver{192, 192, 192};
inline constexpr QColor kLightGreen{203, 255, 204};

class ScreenBase : public QDialog {
  Q_OBJECT
 public:
  // objectName is the screen's system name (e.g. "Tform11"); normalBackground is silver for every
  // screen but the dice screen (light green).
  ScreenBase(QWidget* parent, const QString& objectName, QColor normalBackground = kSilver);
  ~ScreenBase() override;

  // Shows the screen modally, centred on the screen; returns when it is closed.
  int exec() override;

  // A picture stretched over the whole client area (an SVG resource path), below every control.
  QLabel* setBackgroundPicture(const QString& resource);

  QColor normalBackground() const { return normalBackground_; }
  void setBackgroundColor(QColor colour);

  // Closes the screen (the return buttons). During a run it asks the run to stop after its
  // current step, emits closeRequestedDuringRun(), and the screen closes when the run returns.
  void closeScreen();
  bool isRunning() const { return running_; }

  // What a run locks for its length; runExclusive() puts each list back afterwards.
  struct RunLocks {
    std::vector<QWidget*> disabled{};  // greyed out: what the run reads at its start, Page, save
    std::vector<QWidget*> hidden{};    // hidden: the start buttons
    std::vector<QWidget*> shown{};     // shown only while the run lasts ("Calcul en cours")
  };
  enum class RunOutcome {
    Ignored,  // a run was already in progress
    Failed,   // the body raised an error, shown in the standard error box
    Ended,    // the body returned, at its end or after a stop
  };

 signals:
  // The user asked the screen to close while a run was in progress.
  void closeRequestedDuringRun();

 protected:
  // One run at a time: ignored while one is in progress. Clears the stop request, locks the
  // controls, runs body inside the error boundary, unlocks them and ends the run, which closes
  // the screen when that was asked meanwhile.
  RunOutcome runExclusive(const RunLocks& locks, const std::function<void()>& body);
  // The run's host: it lets the event loop run and carries the stop request.
  EventPump& pump() { return pump_; }
  // Asks the run in progress to stop after its current step; the next run starts afresh.
  void stopRun() { pump_.requestStop(); }

  // Prints the screen, or one chart of it, unless a run is in progress.
  void printUnlessRunning();
  void printUnlessRunning(QCustomPlot* chart);

  // A caption in the screens' yellow at (x, y), sized to its text.
  QLabel* addCaption(const QString& name, const QString& text, int x, int y, int pixelSize = 0,
                     bool bold = false);

  // Key preview: every key pressed in the screen or one of its controls comes here first, once per
  // press: a held Escape, Pause, Delete or Space acts once, its repeats are dropped; outside a run,
  // Delete and Backspace typed into an editable box edit the box and are not previewed. Return
  // true to consume the key; Escape is consumed by default so that it never closes the screen.
  virtual bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void reject() override;  // Escape and the window manager never close a screen by themselves
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Enter and Return confirm the value typed into a box and nothing else: they never press a
  // button nor close the screen.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  static void lock(const RunLocks& locks, bool locked);
  // Runs FormKeyDown for a press seen first at receiver; true when the press is consumed.
  bool previewKeyPress(QWidget* receiver, const QKeyEvent* key);
  // A window over the screen that the screen opened (a message box).
  bool ownsWindow(const QWidget* window) const;
  void clearDefaultButtons();

  QColor normalBackground_;
  EventPump pump_;
  bool running_ = false;
  bool closePending_ = false;
  // The key press last previewed and its first receiver: a press a control ignores climbs to its
  // parents, and the screen must see it once.
  const QEvent* previewedEvent_ = nullptr;
  QPointer<QWidget> previewedReceiver_;
  // Key handlers running now: a release that arrives while one runs (in the message box it opened)
  // does not end the press being handled, which still climbs to the screen after it.
  int handlersRunning_ = 0;
};

}  // namespace noyalis::platform
