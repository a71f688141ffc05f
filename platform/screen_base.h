#pragma once
// The modal 800 × 600 experiment screen: centred, no frame buttons, key preview, no default
// button, and a background colour that printing can change and restore.
#include <QColor>
#include <QDialog>
#include <QPointer>

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

  // Closes the screen (the return buttons). During a run the screen closes when the run returns.
  void closeScreen();
  // Marks a run in progress; while it is, closeScreen() only emits closeRequestedDuringRun() (the
  // screen stops its run) and the screen closes when setRunning(false) ends the run.
  void setRunning(bool running);
  bool isRunning() const { return running_; }

 signals:
  // The user asked the screen to close while a run was in progress.
  void closeRequestedDuringRun();

 protected:
  // Key preview: every key pressed in the screen or one of its controls comes here first.
  // Return true to consume it; Escape is consumed by default so that it never closes the screen.
  virtual bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void reject() override;  // Escape and the window manager never close a screen by themselves
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Enter and Return confirm the value typed into a box and nothing else: they never press a
  // button nor close the screen.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Runs FormKeyDown for a press seen first at receiver; true when the press is consumed.
  bool previewKeyPress(QWidget* receiver, const QKeyEvent* key);
  void clearDefaultButtons();

  QColor normalBackground_;
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
