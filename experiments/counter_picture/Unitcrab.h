#pragma once
// The counter picture: the school counting instrument with its three captions.
#include "platform/screen_base.h"

class QLabel;
class QPushButton;

class Tform200 : public noyalis::platform::ScreenBase {
  Q_OBJECT
 public:
  explicit Tform200(QWidget* parent = nullptr);

  // Applies the text table of the current language.
  void FormActivate();
  void BitBtn4Click();

 private:
  QLabel* Label36;  // over the Geiger–Müller tube
  QLabel* Label37;  // over the source
  QLabel* Label1;   // over the absorber screens
  QPushButton* BitBtn4;
};
