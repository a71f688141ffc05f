#include "experiments/counter_picture/Unitcrab.h"

#include <QLabel>
#include <QPushButton>

#include "experiments/counter_picture/counter_picture_texts.h"
#include "platform/language.h"
#include "platform/widgets.h"

using namespace noyalis;

namespace {
constexpr int kCaptionPx = 16;
}  // namespace

Tform200::Tform200(QWidget* parent) : ScreenBase(parent, "Tform200", platform::kLightGreen) {
  setWindowTitle("CRAB");
  setBackgroundPicture(":/pictures/counter_instrument.svg");
  Label36 = addCaption("Label36", "Compteur GEIGER MULLER", 70, 60, kCaptionPx, true);
  Label37 = addCaption("Label37", "Source radioactive", 330, 60, kCaptionPx, true);
  Label1 = addCaption("Label1", "Ecrans", 600, 60, kCaptionPx, true);
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
