#include "experiments/thickness_series/UnitAbsorption123.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "experiments/thickness_series/class_duration.h"
#include "experiments/thickness_series/thickness_series_constants.h"
#include "experiments/thickness_series/thickness_series_texts.h"
#include "kernel/number_format.h"
#include "platform/language.h"
#include "platform/picture.h"
#include "platform/services.h"
#include "platform/spin_edit.h"
#include "platform/widgets.h"

using namespace noyalis;
using namespace noyalis::thickness_series;

namespace {

// The order table, top to bottom: left label, count box, proportion box, right label, and the
// French texts of the two labels (thicknesses from the smallest mean, then from the largest).
struct OrderRowLayout {
  const char *left, *count, *share, *right;
  const char *leftText, *rightText;
};
constexpr OrderRowLayout kOrderRowLayout[kOrderRows] = {
    {"Label12", "Edit33", "Edit41", "Label19", "3 mm  2mm   1mm", "1       2       3"},      // c < b < a
    {"Label15", "Edit36", "Edit44", "Label21", "2        3        1", "1       3       2"},  // b < c < a
    {"Label13", "Edit34", "Edit42", "Label20", "3        1        2", "2       1       3"},  // c < a < b
    {"Label14", "Edit35", "Edit43", "Label22", "2        1        3", "3       1       2"},  // b < a < c
    {"Label17", "Edit38", "Edit46", "Label24", "1        3        2", "2       3       1"},  // a < c < b
    {"Label16", "Edit37", "Edit45", "Label23", "1        2        3", "3       2       1"},  // a < b < c
};

// The order boxes are rewritten at most this often during a tally [ms]; the last values are
// always written.
constexpr std::int64_t kRowRefreshMs = 10;
constexpr std::uint32_t kCountsPerClockCheck = 64;

QString General(long double v) {
  return QString::fromStdString(kernel::FormatGeneral(v, platform::DecimalSeparator()));
}

}  // namespace

TForm7::TForm7(QWidget* parent)
    : ScreenBase(parent, "TForm7"), countDraw_(PoissonTableCounts), data_(std::make_unique<SeriesRunData>()) {
  setWindowTitle("Absorption Aluminium");
  setBackgroundPicture(":/pictures/lab_background.svg");

  BitBtn2 = platform::MakePictureButton(this, "BitBtn2", ":/pictures/glyph_back.svg", {}, 0, 0, 45, 40,
                                        "Retour au menu précédent");
  Label7 = addCaption("Label7", "Absorption des rayons béta par l'aluminium, fluctuations des rayons gamma",
                      56, 10, 15, true);
  Image3 =
      new platform::Picture(this, "Image3", ":/pictures/thickness_series_setup.svg", {604, 40, 186, 150});

  Nb_de_mesures = addCaption("Nb_de_mesures", "Nb de mesures", 12, 48);
  SpinEdit1 =
      new platform::SpinEdit(this, "SpinEdit1", kMinMeasurements, kMaxMeasurements, 1, kDefaultMeasurements);
  SpinEdit1->setGeometry(12, 66, 90, 24);
  Label1 = addCaption("Label1", "Durée Comptage ms", 160, 48);
  SpinEdit2 = new platform::SpinEdit(this, "SpinEdit2", kMinCountingTimeMs, kMaxCountingTimeMs,
                                     kCountingTimeStepMs, kDefaultCountingTimeMs);
  SpinEdit2->setGeometry(160, 66, 110, 24);
  Label26 = addCaption("Label26", "Nb de séries de mesures := Nb d'étudiants", 300, 48);
  SpinEdit3 = new platform::SpinEdit(this, "SpinEdit3", kMinSeries, kMaxSeries, 1, kDefaultSeries);
  SpinEdit3->setGeometry(300, 66, 100, 24);
  SpinEdit1->setToolTip("entre 2 et 10000");
  SpinEdit2->setToolTip("entre 500 et 1000 000");
  SpinEdit3->setToolTip("entre 1 et 100 000");

  Edit5 = platform::MakeEdit(this, "Edit5", 12, 100, 330);
  Edit5->setFrame(false);
  BitBtn1 = platform::MakePictureButton(this, "BitBtn1", ":/pictures/glyph_start.svg", {}, 420, 62, 72, 36,
                                        "Départ de la mesure");

  // The thickness headings and, under them, the mean count behind each screen: neither can be
  // clicked, typed into nor reached with Tab, and both read as clearly as any result.
  const std::array<const char*, 3> headings = {"1mm", "2mm", "3mm"};
  const std::array<const char*, 3> headingNames = {"Button10", "Button11", "Button12"};
  const std::array<const char*, 3> meanNames = {"Edit10", "Edit11", "Edit12"};
  std::array<QPushButton*, 3> headingButtons{};
  std::array<QLineEdit*, 3> meanEdits{};
  for (int t = 0; t < 3; ++t) {
    headingButtons[t] = platform::MakeButton(this, headingNames[t], headings[t], 250 + 100 * t, 136, 80, 26);
    headingButtons[t]->setEnabled(false);
    platform::KeepLegibleWhenDisabled(headingButtons[t]);
    meanEdits[t] = platform::MakeResultBox(this, meanNames[t], 250 + 100 * t, 166, 80);
  }
  Button10 = headingButtons[0], Button11 = headingButtons[1], Button12 = headingButtons[2];
  Edit10 = meanEdits[0], Edit11 = meanEdits[1], Edit12 = meanEdits[2];

  // The real duration of the class experiment, in five units.
  Label4 = addCaption("Label4", "Durée manip réelle", 12, 136);
  const std::array<QLineEdit**, 5> durationEdits = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit6};
  const std::array<const char*, 5> durationNames = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit6"};
  for (int u = 0; u < 5; ++u)
    *durationEdits[u] = platform::MakeEdit(this, durationNames[u], 12, 156 + 28 * u, 170);

  // The order table.
  Label11 = addCaption("Label11", "min    moy    max", 226, 236);
  Label18 = addCaption("Label18", "max   moy    min", 616, 236);
  for (int r = 0; r < kOrderRows; ++r) {
    const OrderRowLayout& l = kOrderRowLayout[r];
    const int y = 262 + 34 * r;
    rows_[r] = {addCaption(l.left, l.leftText, 226, y + 2), platform::MakeEdit(this, l.count, 380, y, 90),
                platform::MakeEdit(this, l.share, 482, y, 120), addCaption(l.right, l.rightText, 616, y + 2)};
  }

  Label6 = addCaption("Label6", "La distance est de 3cm", 12, 566);

  connect(BitBtn1, &QPushButton::clicked, this, &TForm7::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm7::BitBtn2Click);

  Init();
}

void TForm7::Init() {
  platform::ApplyLanguage(this, kTexts, platform::LanguageCode());
  BitBtn2->setFocus();
  for (QLineEdit* edit : {Edit10, Edit11, Edit12}) edit->clear();
}

void TForm7::clearResults() {
  for (const OrderRowControls& row : rows_) {
    row.count->clear();
    row.share->clear();
  }
  for (QLineEdit* edit : {Edit10, Edit11, Edit12}) edit->clear();
}

void TForm7::BitBtn1Click() {
  runExclusive({.disabled = {SpinEdit1, SpinEdit2, SpinEdit3}}, [&] { Depart(); });
}

void TForm7::Depart() {
  clearResults();
  pump().yieldStage();
  if (pump().stopRequested()) return;

  const char separator = platform::DecimalSeparator();
  const std::int32_t n = SpinEdit1->Value();
  const std::int32_t t = SpinEdit2->Value();
  Edit5->setText(QString::fromStdString(SeriesDurationText(n, t, separator)));
  const std::int32_t s = CapSeries(n, SpinEdit3->Value());
  SpinEdit3->setValueClamped(s);
  const std::array<std::string, 5> durations = ClassDurationTexts(n, s, t, separator);
  const std::array<QLineEdit*, 5> durationEdits = {Edit1, Edit2, Edit3, Edit4, Edit6};  // s, min, h, j, an
  for (std::size_t u = 0; u < durationEdits.size(); ++u)
    durationEdits[u]->setText(QString::fromStdString(durations[u]));

  const RunShape shape{n, s, t};
  for (int thickness = 0; thickness < 3; ++thickness)
    if (!MeasureThickness(*data_, thickness, shape, pump(), countDraw_)) return;

  // Every increment would rewrite its row; the boxes follow the tally at most every few
  // milliseconds instead, and show its final values at the end.
  std::uint32_t increments = 0;
  std::int64_t lastShownMs = platform::Clock().nowMs();
  const std::optional<OrderTally> tally = TallyOrders(*data_, s, pump(), [&](const OrderTally& running) {
    if (++increments % kCountsPerClockCheck != 0) return;
    const std::int64_t now = platform::Clock().nowMs();
    if (now - lastShownMs < kRowRefreshMs) return;
    showRows(running);
    lastShownMs = now;
  });
  if (!tally) return;
  showRows(*tally);

  const std::array<QLineEdit*, 3> meanEdits = {Edit10, Edit11, Edit12};
  for (int thickness = 0; thickness < 3; ++thickness)
    meanEdits[thickness]->setText(platform::FixedText(MeanOfSeriesMeans(*data_, thickness, s), 3));
  pump().yieldStage();
}

void TForm7::showRows(const OrderTally& tally) {
  for (int r = 0; r < kOrderRows; ++r) {
    const std::int64_t count = tally.count(r + 1);
    if (count == 0) continue;  // a row never counted stays empty
    rows_[r].count->setText(General(static_cast<long double>(count)));
    rows_[r].share->setText(General(tally.proportion(r + 1)));
  }
}

void TForm7::BitBtn2Click() {
  closeScreen();
}
