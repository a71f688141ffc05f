#pragma once
// The picture menu: one picture per experiment, the five language flags and the quit picture.
#include <QWidget>

class QLabel;
class QPushButton;

namespace noyalis::platform {
class Picture;
}

class TForm3 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

  // Runs at start-up and each time a screen closes and the menu is back: French texts,
  // LanguageCode "FR", the caption from the program file's modification time, then one pass of
  // the event loop. It does not run when the window is merely re-activated (switching to another
  // program and back), so that a flag chosen just before opening a screen holds.
  void Init();

  // The flag handlers: each sets LanguageCode; France and the United Kingdom also apply the
  // menu's own table, the others show only in the screens opened afterwards.
  void FR();
  void UK();
  void IT();
  void ES();
  void AL();

  // Opens the screen of menu entry number (1 … 10) modally; returns false when no screen is
  // built for it yet.
  bool openEntry(int number);

 public slots:
  // The pictures' handlers, one per menu entry; each opens its screen modally.
  void Image15Click();             // 1: counter picture
  void ActiviteClick();            // 2: activity
  void Activite8Click();           // 3: population of nuclei
  void ButtonAbsClick();           // 4: beta absorption
  void Button123Click();           // 5: 1/2/3 mm series
  void ButtonGammaClick();         // 6: gamma absorption
  void Button2DistanceClick();     // 7: distance
  void Button13Click();            // 8: dice
  void Button1intervallesClick();  // 9: time intervals
  void ResultatsClasseClick();     // 10: the class's results pooled
  // The quit picture and button: closes the menu, which ends the program.
  void FinClick();

 private:
  void setLanguageCode(const QString& code);

  QLabel* Image14;      // background
  QLabel* Label19;      // title
  QLabel* StaticText2;  // hidden: the current language code
  QPushButton* Button5;
  noyalis::platform::Picture* Image13;  // quit
};
