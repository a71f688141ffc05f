#include "experiments/activity/UnitActivite2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "experiments/activity/GaussOrPoissonWindow.h"
#include "experiments/activity/activity_constants.h"
#include "experiments/activity/activity_results_file.h"
#include "experiments/activity/activity_texts.h"
#include "platform/chart.h"
#include "platform/language.h"
#include "platform/radio_group.h"
#include "platform/results_file_save.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "platform/spin_edit.h"
#include "platform/widgets.h"

using namespace noyalis;
using namespace noyalis::activity;
using platform::FixedText;

namespace {

constexpr QColor kPaleStrip{255, 255, 204};

// The captions over the four result boxes stand 113 to 137 px apart: in a smaller type the
// longest ("Standard Deviation") still ends a space before the next one begins.
constexpr int kResultCaptionPx = 11;
// The question is 200 px wide, and grows to its text (up to the screen's right edge).
constexpr int kQuestionWidth = 200;
constexpr int kQuestionPadding = 12;
constexpr int kQuestionGap = 6;  // [px] between the chart and the question under it

QString Integer(long double v) {
  return FixedText(v, 0);
}

}  // namespace

Tform11::Tform11(QWidget* parent) : ScreenBase(parent, "Tform11") {
  setWindowTitle("Activité");
  setBackgroundPicture(":/pictures/lab_background.svg");

  BitBtn2 = platform::MakePictureButton(this, "BitBtn2", ":/pictures/glyph_back.svg", {}, 0, 0, 45, 40,
                                        "Retour au menu précédent");
  Nb_de_mesures = addCaption("Nb_de_mesures", "Nb de mesures", 57, 3);
  SpinEdit1 =
      new platform::SpinEdit(this, "SpinEdit1", kMinMeasurements, kMaxMeasurements, 1, kDefaultMeasurements);
  SpinEdit1->setGeometry(109, 26, 100, 24);
  QStringList distances;
  for (const char* d : kDistanceLabels) distances << d;
  RadioGroup1 =
      new platform::RadioGroup(this, "RadioGroup1", "Distance en cm", distances, 5, kDefaultDistanceIndex);
  RadioGroup1->setGeometry(286, 6, 289, 43);
  RadioGroup1->setColours(QColor(0, 0, 128), Qt::yellow, Qt::white);
  Label5 = addCaption("Label5", "Mesure en cours", 583, 24);

  Moyenne_ = addCaption("Moyenne_", "Moyenne", 164, 53, kResultCaptionPx);
  Edit2M = platform::MakeEdit(this, "Edit2M", 148, 67, 105);
  Total = addCaption("Total", "Total", 299, 53, kResultCaptionPx);
  Edit4T = platform::MakeEdit(this, "Edit4T", 278, 67, 105);
  EcartType = addCaption("EcartType", "EcartType", 411, 53, kResultCaptionPx);
  Edit3E = platform::MakeEdit(this, "Edit3E", 411, 67, 100);
  Label3 = addCaption("Label3", "EctTh", 526, 53, kResultCaptionPx);
  Edit4th = platform::MakeEdit(this, "Edit4th", 524, 67, 100);

  RadioGroup2 = new platform::RadioGroup(this, "RadioGroup2", "Tracé ", {"Temps réel", "Simulation"}, 1, 1);
  RadioGroup2->setGeometry(8, 61, 123, 72);
  RadioGroup2->setStyleSheet("QGroupBox, QRadioButton { color: yellow; }");
  Label1 = addCaption("Label1", "Duree Comptage ms", 392, 95);
  SpinEdit2 = new platform::SpinEdit(this, "SpinEdit2", kMinCountingTimeMs, kMaxCountingTimeMs,
                                     kCountingTimeStepMs, kDefaultCountingTimeMs);
  SpinEdit2->setGeometry(455, 113, 90, 24);
  Button2 = platform::MakeButton(
      this, "Button2", "Histo./Valeurs", 146, 106, 110, 28,
      "Cliquer pour passer de l'histogramme au tableau des 32 premières valeurs non nulles");
  Label6 = addCaption("Label6", "", 266, 122);
  BitBtn1 = platform::MakePictureButton(this, "BitBtn1", ":/pictures/glyph_start.svg", {}, 556, 99, 72, 36,
                                        "Départ de la mesure,ESC ou Fin =Arret, Pause=pause");
  BitBtn11 = platform::MakePictureButton(this, "BitBtn11", ":/pictures/glyph_print.svg", "Page", 635, 98, 85,
                                         36, "Impression");
  BitBtn7 = platform::MakePictureButton(this, "BitBtn7", ":/pictures/glyph_save.svg", {}, 727, 98, 45, 36,
                                        "Ouverture d'un fichier");

  Shape1 = platform::MakeShape(this, "Shape1", kPaleStrip, 96, 144, 600, 36,
                               "Liste des 10 dernieres valeurs : caractère aléatoire.");
  for (int j = 0; j < kLastCounts; ++j)
    lastCountEdits_[j] =
        platform::MakeEdit(this, QString("Edit%1").arg(8 + j), 104 + j * 528 / (kLastCounts - 1), 151, 55);

  Edit5 = platform::MakeEdit(this, "Edit5", 10, 148, 80);
  Reste_ = addCaption("Reste_", "Reste", 20, 176);
  Edit52 = platform::MakeEdit(this, "Edit52", 10, 192, 80);
  Label7 = addCaption("Label7", "N", 28, 232);
  Edit1C = platform::MakeEdit(this, "Edit1C", 10, 246, 80);

  // The histogram table lies under the chart: four columns, eight rows, read row by row.
  for (int j = 0; j < kTableSize; ++j) {
    constexpr int kColumns[] = {131, 263, 394, 526};
    tableEdits_[j] = platform::MakeEdit(this, QString("Edit%1").arg(18 + j), kColumns[j % 4],
                                        224 + (j / 4) * (435 - 224) / 7, 110);
  }

  Chart1 = new platform::Chart(this, "Chart1", {101, 190, 596, 332});
  const platform::Chart::CountHistogram histogram = Chart1->addCountHistogram();
  Series1 = histogram.measured, Series2 = histogram.poisson, Series3 = histogram.gauss;
  Chart1->setTitleLine(0, "Diagramme en batons des nombres de désintégrations par unité");
  Chart1->setTitleLine(1, " de temps de comptage");
  Chart1->setAxisTitles("coups par mesure", "nombre de mesures");
  platform::Chart::setWholeNumberTicks(Chart1->xAxis);
  platform::Chart::setWholeNumberTicks(Chart1->yAxis);
  Chart1->placeLegendBesidePlot();

  // Under the chart, right of its middle: nothing of the histogram (bars, tick labels) under it.
  Edit6 = platform::MakeEdit(this, "Edit6", 547, Chart1->geometry().bottom() + kQuestionGap, kQuestionWidth,
                             "Gauss ou Poisson ?");
  QFont question = Edit6->font();
  question.setPixelSize(19);
  Edit6->setFont(question);
  Edit6->setStyleSheet("color: red;");
  Edit6->setFixedHeight(28);
  OpenGaussOrPoissonOnClick(Edit6, Chart1);  // the answer with numbers

  connect(BitBtn1, &QPushButton::clicked, this, &Tform11::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &Tform11::FinClick);
  connect(BitBtn7, &QPushButton::clicked, this, &Tform11::BitBtn7Click);
  connect(BitBtn11, &QPushButton::clicked, this, &Tform11::BitBtn11Click);
  connect(Button2, &QPushButton::clicked, this, &Tform11::Button2Click);

  Init0();
  Label5->hide();
  setRealTimeCountersVisible(false);
}

void Tform11::Init0() {
  Init();
}

void Tform11::Init() {
  platform::ApplyLanguage(this, kTexts, platform::LanguageCode());
  fitQuestion();
  platform::PumpEvents();
  clearResultEdits();
  clearSeries();
  Edit6->hide();  // with the results it would judge
}

void Tform11::fitQuestion() {
  const int needed = Edit6->fontMetrics().horizontalAdvance(Edit6->text()) + kQuestionPadding;
  Edit6->resize(std::clamp(needed, kQuestionWidth, width() - Edit6->x()), Edit6->height());
}

void Tform11::clearResultEdits() {
  for (QLineEdit* edit : {Edit1C, Edit2M, Edit4T, Edit4th, Edit5, Edit3E, Edit52}) edit->clear();
}

void Tform11::clearSeries() {
  platform::Chart::clear(Series1);
  platform::Chart::clear(Series2);
  platform::Chart::clear(Series3);
  Chart1->redraw();
}

void Tform11::setRealTimeCountersVisible(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{Edit1C, Edit5, Edit52, Reste_, Label7})
    w->setVisible(visible);
}

// One run at a time; a failure or a stop leaves the screen idle with its buttons back.
void Tform11::BitBtn1Click() {
  const auto run = RadioGroup2->ItemIndex() == 1 ? &Tform11::ActiviteClick : &Tform11::ActiviteClickTR;
  runExclusive({.hidden = {BitBtn1, BitBtn11, BitBtn7}, .shown = {Label5}}, [&] { (this->*run)(); });
}

void Tform11::startRun() {
  Edit6->hide();
}

RunSize Tform11::applyLimits(bool realTime) {
  RunSize size = LimitTotalDuration({SpinEdit1->Value(), SpinEdit2->Value()});
  if (realTime) size = LimitRealTime(size);
  SpinEdit1->setValueClamped(size.measurements);
  SpinEdit2->setValueClamped(size.countingTimeMs);
  Label6->setText(QString::fromStdString(DurationLabel(size, platform::DecimalSeparator())));
  return size;
}

bool Tform11::drawCounts(RunSize size) {
  ClearRun(LastActivityRun());
  clearSeries();
  pump().yieldStage();
  clearResultEdits();
  const long double m = MeanCount(RadioGroup1->ItemIndex(), size.countingTimeMs);
  pump().yieldStage();
  return !pump().stopRequested() && DrawCounts(LastActivityRun(), m, size.measurements, pump());
}

void Tform11::ActiviteClick() {
  startRun();
  setRealTimeCountersVisible(false);
  const RunSize size = applyLimits(false);
  if (!drawCounts(size)) return;
  const std::optional<CountSums> sums = PassThroughCounts(LastActivityRun(), pump());
  if (sums) endOfRun(*sums);
}

void Tform11::ActiviteClickTR() {
  startRun();
  const RunSize size = applyLimits(true);
  if (!drawCounts(size)) return;
  RealTimeReveal reveal(LastActivityRun());
  setRealTimeCountersVisible(true);
  pump().yieldStage();
  for (std::int32_t k = 1; k <= size.measurements; ++k) {
    const RealTimeReveal::Step step = reveal.reveal(k);
    Edit5->setText(QString::number(step.k));
    Edit52->setText(QString::number(step.remaining));
    pump().yieldStage();
    if (pump().stopRequested()) return;
    TraceTempsReel(reveal, size.countingTimeMs);
    if (pump().stopRequested()) return;
    Edit2M->setText(FixedText(step.runningMean, 3));
    Edit4T->setText(Integer(step.runningTotal));
    Edit1C->setText(QString::number(step.value));
    pump().yieldStage();
    if (pump().stopRequested()) return;
  }
  endOfRun(reveal.sums());
}

void Tform11::TraceTempsReel(const RealTimeReveal& reveal, int countingTimeMs) {
  pump().sleepMs(countingTimeMs - kRealTimeStepOverheadMs);
  pump().yieldStage();
  if (pump().stopRequested()) return;
  std::vector<double> x, y;
  reveal.runningBars(x, y);
  platform::Chart::setData(Series1, x, y);
  Chart1->redraw();
  pump().yieldStage();
}

void Tform11::endOfRun(CountSums sums) {
  const ActivityResults r = EndOfRun(LastActivityRun(), sums);
  Edit2M->setText(FixedText(r.mean, 2));
  if (r.hasStatistics) {
    Edit3E->setText(FixedText(r.deviation, 3));
    Edit4th->setText(FixedText(r.sqrtMean, 3));
    Edit4T->setText(Integer(r.total));
    platform::MakeSound(kToneFrequencyHz, kToneDurationMs, kToneVolume, kToneTwoPi);
    platform::Chart::setData(Series2, r.referenceX, r.poisson);
    platform::Chart::setData(Series3, r.referenceX, r.gauss);
    platform::Chart::setData(Series1, r.barX, r.barY);
    Chart1->redraw();
    for (int j = 0; j < kTableSize; ++j) tableEdits_[j]->setText(QString::fromStdString(r.table[j]));
  }
  if (r.lastTen)
    for (int j = 0; j < kLastCounts; ++j) lastCountEdits_[j]->setText(QString::number((*r.lastTen)[j]));
  Edit6->show();
  BitBtn1->show();  // before the run ends, so that it can take the focus
  BitBtn1->setFocus();
}

void Tform11::Button2Click() {
  Chart1->setVisible(!Chart1->isVisible());
  platform::PumpEvents();
}

void Tform11::FinClick() {
  closeScreen();
}

void Tform11::BitBtn7Click() {
  platform::SaveResultsFile(
      this, ActivityResultsFileName(platform::Clock().localNow()),
      [&](const std::string& path) { SaveActivityResults(path, SpinEdit1->Value(), LastActivityRun()); });
}

void Tform11::BitBtn11Click() {
  printUnlessRunning();
}

bool Tform11::FormKeyDown(int key, Qt::KeyboardModifiers) {
  switch (key) {
    case Qt::Key_Pause:
      platform::Messages().information(this, "Pause utilisateur");
      return true;
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      stopRun();
      Init0();
      platform::Messages().information(this, "Arret utilisateur");
      return key == Qt::Key_Escape;  // Delete still reaches the control that has the focus
    default:
      return false;
  }
}
