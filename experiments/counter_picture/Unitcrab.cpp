#include "experiments/counter_picture/Unitcrab.h"

#include <QLabel>
#include <QPushButton>

#include "experiments/counter_picture/counter_picture_texts.h"
#include "platform/language.h"
#include "platform/widgets.h"

using namespace noyalis;

namespace {

QLabel* Caption(QWidget* parent, const char* name, const char* text, int x, int y) {
  return platform::MakeLabel(parent, name, text, x, y, Qt::yellow, 16, true);
}

}  // namespace

Tform200::Tform200(QWidget* parent) : ScreenBase(parent, "Tform200", platform::kLightGreen) {
  setWindowTitle("CRAB");
  setBackgroundPicture(":/pictures/counter_instrument.svg");
  Label36 = Caption(this, "Label36", "Compteur GEIGER MULLER", 70, 60);
  Label37 = Caption(this, "Label37", "Source radioactive", 330, 60);
  Label1 = Caption(this, "Label1", "Ecrans", 600, 60);
  BitBtn4 = platform::MakePictureButton(this, "BitBtn4", ":/pictures/glyph_back.svg", {}, 0, 0, 40, 40,
                                        "Retour au menu précédent");
  connect(BitBtn4, &QPushButton::clicked, this, &Tform200::BitBtn4Click);
  FormActivate();
}

void Tform200::FormActivate() {
  platform::ApplyLanguage(this, counter_picture::kTexts, platform::LanguageCode());
}

void Tform200::BitBtn4Click() {
  closeScreen();
}
