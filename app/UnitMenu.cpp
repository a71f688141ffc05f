#include "app/UnitMenu.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "app/menu_accessibility.h"
#include "app/menu_layout.h"
#include "kernel/date_time.h"
#include "platform/error_boundary.h"
#include "platform/event_pump.h"
#include "platform/language.h"
#include "platform/picture.h"
#include "platform/widgets.h"

using namespace noyalis;
using platform::Picture;

namespace {

constexpr QColor kTeal{0, 128, 128};
constexpr QColor kAqua{0, 255, 255};

// "Noyalis - yy.mm.dd.hh.mm - kzt" from the program file's last modification.
QString CaptionFromProgramFile() {
  const QDateTime written = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
  const QDate d = written.date();
  const QTime t = written.time();
  const kernel::LocalDateTime when{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
  return "Noyalis - " + QString::fromStdString(kernel::FormatDateTime("yy.mm.dd.hh.mm", when)) + " - kzt";
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent) {
  setObjectName("TForm3");
  setFixedSize(800, 600);
  QPalette p = palette();
  p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
  p.setColor(QPalette::WindowText, kTeal);
  setPalette(p);
  setAutoFillBackground(true);
  QFont f = font();
  f.setPixelSize(32);
  setFont(f);

  Image14 = new Picture(this, "Image14", ":/pictures/menu_background.svg", {-6, -6, 800, 600});

  Label19 = platform::MakeLabel(this, "Label19", "Noyalis", 48, 8, kAqua, 32);
  QFont title = Label19->font();
  title.setFamily("Arial");
  Label19->setFont(title);
  Label19->adjustSize();

  for (const menu::MenuEntry& e : menu::kEntries) {
    auto* picture = new Picture(this, e.picture, e.resource, e.geometry, QString::fromUtf8(e.formHint));
    if (e.number == 8) picture->setScaledContents(true);
    platform::MakeLabel(this, e.label, QString::number(e.number), e.geometry.x() + 4, e.geometry.y(), kTeal,
                        32);
    connect(picture, &Picture::clicked, this, e.handler);
  }
  for (const menu::Flag& flag : menu::kFlags) {
    auto* picture = new Picture(this, flag.picture, flag.resource, flag.geometry);
    connect(picture, &Picture::clicked, this,
            [this, &flag] { platform::Guarded(this, [&] { (this->*flag.handler)(); }); });
  }

  menu::NameFlags(this);  // before the texts, so that the flags are keyboard controls too
  Image13 = new Picture(this, "Image13", ":/pictures/quit.svg", {6, 460, 105, 105}, "Quitter");
  connect(Image13, &Picture::clicked, this, &TForm3::FinClick);
  // A picture whose box reaches with its empty part over a neighbour's drawing goes under it, so
  // that a click on what the neighbour shows opens the neighbour: the dice picture is drawn in the
  // upper part of its stretched box (over the top of the distance picture), the quit door in the
  // lower part of its box (over the corner of the gamma picture).
  const std::pair<const char*, const char*> kUnderNeighbour[] = {{"Image6", "Image10"},
                                                                 {"Image13", "Image12"}};
  for (const auto& [under, neighbour] : kUnderNeighbour)
    findChild<Picture*>(under)->stackUnder(findChild<Picture*>(neighbour));
  Button5 =
      platform::MakeButton(this, "Button5", "Quitter", 642, 478, 91, 40, "Pour quitter le programme...");
  QFont buttonFont = Button5->font();
  buttonFont.setPixelSize(16);  // the menu's 32 px digits would not fit the button
  Button5->setFont(buttonFont);
  connect(Button5, &QPushButton::clicked, this, &TForm3::FinClick);

  StaticText2 = new QLabel("FR", this);
  StaticText2->setObjectName("StaticText2");
  StaticText2->hide();

  Init();
}

void TForm3::Init() {
  FR();
  setWindowTitle(CaptionFromProgramFile());
  platform::PumpEvents();
}

void TForm3::setLanguageCode(const QString& code) {
  platform::SetLanguageCode(code);
  StaticText2->setText(code);
}

void TForm3::FR() {
  setLanguageCode("FR");
  platform::ApplyTextTable(this, menu::texts::FR);
}

void TForm3::UK() {
  setLanguageCode("UK");
  platform::ApplyTextTable(this, menu::texts::UK);
}

void TForm3::AL() {
  setLanguageCode("DE");
}
void TForm3::IT() {
  setLanguageCode("IT");
}
void TForm3::ES() {
  setLanguageCode("ES");
}

bool TForm3::openEntry(int number) {
  for (const menu::MenuEntry& e : menu::kEntries) {
    if (e.number != number) continue;
    if (!e.open) return false;
    platform::Guarded(this, [&] { e.open(this); });
    Init();  // back from the screen: French again
    return true;
  }
  return false;
}

void TForm3::Image15Click() {
  openEntry(1);
}
void TForm3::ActiviteClick() {
  openEntry(2);
}
void TForm3::Activite8Click() {
  openEntry(3);
}
void TForm3::ButtonAbsClick() {
  openEntry(4);
}
void TForm3::Button123Click() {
  openEntry(5);
}
void TForm3::ButtonGammaClick() {
  openEntry(6);
}
void TForm3::Button2DistanceClick() {
  openEntry(7);
}
void TForm3::Button13Click() {
  openEntry(8);
}
void TForm3::Button1intervallesClick() {
  openEntry(9);
}
void TForm3::ResultatsClasseClick() {
  openEntry(10);
}

void TForm3::FinClick() {
  close();
}
