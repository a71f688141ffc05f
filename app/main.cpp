// Noyalis: a simulated school radioactivity laboratory.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/UnitMenu.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Noyalis");
  QGuiApplication::setDesktopFileName("noyalis");

  TForm3 menu;
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    menu.move(screen->availableGeometry().center() - menu.rect().center());
  menu.show();
  return QApplication::exec();
}
