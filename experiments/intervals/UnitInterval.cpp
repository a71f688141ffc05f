#include "experiments/intervals/UnitInterval.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cfenv>

#include "experiments/intervals/interval_constants.h"
#include "experiments/intervals/interval_results_file.h"
#include "experiments/intervals/interval_texts.h"
#include "platform/chart.h"
#include "platform/language.h"
#include "platform/radio_group.h"
#include "platform/results_file_save.h"
#include "platform/services.h"
#include "platform/spin_edit.h"
#include "platform/widgets.h"

using namespace noyalis;
using namespace noyalis::intervals;
using platform::FixedText;

namespace {

constexpr QColor kOnChartColour{0, 0, 128};
const QString kPerSecond = QString::fromUtf8("s⁻¹");
// The two charts side by side are narrower than the one below: their titles use the smallest
// type read from the back of a classroom, regular.
constexpr int kHalfChartTitlePx = 11;
constexpr int kUnitGap = 6;           // [px] between a box and its unit
constexpr int kNoteStripHeight = 26;  // [px] the slope and r² over the plot of ln P

void SetTitlePixelSize(platform::Chart* chart, int pixelSize) {
  if (auto* title = qobject_cast<QCPTextElement*>(chart->plotLayout()->element(0, 0))) {
    QFont font = title->font();
    font.setPixelSize(pixelSize);
    font.setBold(false);
    title->setFont(font);
  }
}

// A one-line title wider than its chart is drawn broken at the blank nearest its middle; the title
// line keeps its exact text.
void DrawTitleWithin(platform::Chart* chart) {
  auto* title = qobject_cast<QCPTextElement*>(chart->plotLayout()->element(0, 0));
  const QString line = chart->titleLine(0);
  if (!title || !chart->titleLine(1).isEmpty() ||
      QFontMetrics(title->font()).horizontalAdvance(line) <= chart->width())
    return;
  const qsizetype middle = line.size() / 2;
  qsizetype at = -1;
  for (qsizetype i = 0; i < line.size(); ++i)
    if (line[i] == u' ' && (at < 0 || std::abs(i - middle) < std::abs(at - middle))) at = i;
  if (at > 0) title->setText(line.left(at) + u'\n' + line.mid(at + 1));
}

void SetPointSize(QCPGraph* series, int size) {
  QCPScatterStyle style = series->scatterStyle();
  style.setSize(size);
  series->setScatterStyle(style);
}

}  // namespace

TForm2::TForm2(QWidget* parent) : ScreenBase(parent, "TForm2") {
  setWindowTitle(QString::fromUtf8("Intervalles de temps entre deux désintégrations"));
  setBackgroundPicture(":/pictures/lab_background.svg");
  buildCharts();
  buildTopRows();

  connect(BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm2::FinClick);
  connect(BitBtn4, &QPushButton::clicked, this, &TForm2::Sauve);
  connect(BitBtn11, &QPushButton::clicked, this, &TForm2::BitBtn11Click);

  Init();
}

void TForm2::buildTopRows() {
  // Top row: back, law, distance, "Calcul" (with "Calcul en cours" under it), "Page", save.
  BitBtn2 = platform::MakePictureButton(this, "BitBtn2", ":/pictures/glyph_back.svg", {}, 2, 4, 45, 40,
                                        QString::fromUtf8("Retour au menu précédent"));
  RadioGroup2 = new platform::RadioGroup(
      this, "RadioGroup2", "Choix de la distribution",
      {QString::fromUtf8("Distribution théorique"), "Compteur Geiger (delta T mini=0.1ms)"}, 1, 0);
  RadioGroup2->setGeometry(50, 0, 290, 62);
  RadioGroup2->setToolTip("Le compteur Geiger a un temps mort de 0,1ms");
  QStringList distances;
  for (const char* d : kDistanceLabels) distances << d;
  RadioGroup1 = new platform::RadioGroup(this, "RadioGroup1", "Distance en cm", distances, 5, 0);
  RadioGroup1->setGeometry(344, 0, 250, 46);
  RadioGroup1->setToolTip("choix de la distance");
  for (platform::RadioGroup* group : {RadioGroup1, RadioGroup2})
    group->setColours(QColor(0, 0, 128), Qt::yellow, Qt::white);
  Label31 = addCaption("Label31", "Calcul en cours", 598, 18);
  BitBtn1 = platform::MakePictureButton(this, "BitBtn1", ":/pictures/glyph_start.svg", "Calcul", 598, 6, 72,
                                        36, "Calcul");
  BitBtn11 = platform::MakePictureButton(this, "BitBtn11", ":/pictures/glyph_print.svg", "Page", 674, 6, 70,
                                         36, "Impression");
  BitBtn4 = platform::MakePictureButton(this, "BitBtn4", ":/pictures/glyph_save.svg", {}, 748, 6, 44, 36,
                                        QString::fromUtf8("Sauvegarde des résultats"));

  // A unit stands right of its box, clear of it.
  const auto unitAfter = [this](const char* name, const QString& unit, QWidget* box) {
    return addCaption(name, unit, box->geometry().right() + kUnitGap, box->y() + 2);
  };

  // Second row: N, the total duration, and the four results with their units.
  Nb_de_mesures = addCaption("Nb_de_mesures", "Nb de mesures", 8, 66);
  SpinEdit1 = new platform::SpinEdit(this, "SpinEdit1", kMinIntervals, kMaxIntervals, kIntervalsStep,
                                     kDefaultIntervals);
  SpinEdit1->setGeometry(8, 84, 90, 24);
  SpinEdit1->setToolTip("entre 100 et 100 000");
  Label25 = addCaption("Label25", "----", 106, 88);
  MoyenneI = addCaption("MoyenneI", "Moyenne ", 270, 66);
  Edit9 = platform::MakeEdit(this, "Edit9", 270, 86, 80);
  unitAfter("Label5", "µs", Edit9);
  // The mean's caption has room up to "min" for the longest ("Average per microseconde").
  mini = addCaption("mini", "min", 460, 66);
  Edit1min = platform::MakeEdit(this, "Edit1min", 460, 86, 56);
  unitAfter("Label6", "µs", Edit1min);
  Recapitulation = addCaption("Recapitulation", "max", 544, 66);
  EditRecap = platform::MakeEdit(this, "EditRecap", 544, 86, 56);
  unitAfter("Label7", "µs", EditRecap);
  addCaption("Label8", "1/Moyenne", 628, 66);
  Edit4 = platform::MakeEdit(this, "Edit4", 628, 86, 80);
  unitAfter("Label9", kPerSecond, Edit4);

  // Third row: the class width and the number of classes.
  Label3 = addCaption("Label3", "Largeur des classes de l'histogramme ", 8, 118);
  SpinEdit3 = new platform::SpinEdit(this, "SpinEdit3", kMinClassWidthUs, kMaxClassWidthUs, kClassWidthStepUs,
                                     kDefaultClassWidthUs);
  SpinEdit3->setGeometry(380, 114, 80, 24);
  SpinEdit3->setToolTip("entre 25 et 1000");
  unitAfter("Label10", "µs", SpinEdit3);
  addCaption("Label12", "nombre de classes", 520, 118);
  Edit12 = platform::MakeEdit(this, "Edit12", 660, 116, 80);

  // What marks the horizontal axes of the two middle charts is their axis titles, drawn by the
  // charts themselves: the captions keep their texts, out of sight.
  Label11 = addCaption("Label11", "N° des mesures", 160, 342);
  Label24 = addCaption("Label24", "ms", 590, 342);
  Label11->hide();
  Label24->hide();
  // The slope and r² of ln P, in a strip between the chart's title and its plot.
  const QRect notes = Chart3->reserveNoteStrip(Qt::TopEdge, kNoteStripHeight).translated(Chart3->pos());
  const int y = notes.y() + 2;
  Label4 = platform::MakeLabel(this, "Label4", "pente", notes.x() + 60, y + 2, kOnChartColour);
  Edit1 = platform::MakeEdit(this, "Edit1", notes.x() + 140, y, 80);
  platform::MakeLabel(this, "Label13", kPerSecond, Edit1->geometry().right() + kUnitGap, y + 2,
                      kOnChartColour);
  platform::MakeLabel(this, "Label14", "d", Edit1->geometry().right() + 40, y + 2, kOnChartColour);
  Edit3 = platform::MakeEdit(this, "Edit3", Edit1->geometry().right() + 56, y, 80);
}

void TForm2::buildCharts() {
  Chart2 = new platform::Chart(this, "Chart2", {0, 142, 400, 200});
  Chart2->setTitleLine(
      0, QString::fromUtf8("Liste des intervalles de temps (ms) entre 2 désintégrations successives"));
  Chart2->setAxisTitles(QString::fromUtf8("N° des mesures"), "intervalle (ms)");
  platform::Chart::setWholeNumberTicks(Chart2->xAxis);
  Series1 = Chart2->addPoints("Series1", {}, QCPScatterStyle::ssDisc, 1, Qt::blue, Qt::blue);

  Chart1 = new platform::Chart(this, "Chart1", {400, 142, 400, 200});
  Chart1->setTitleLine(
      0, QString::fromUtf8("Histogramme des intervalles de temps(ms) entre 2 désintégrations successives"));
  Chart1->setAxisTitles("ms", "nombre d'intervalles");
  platform::Chart::setWholeNumberTicks(Chart1->yAxis);
  Series2 = Chart1->addBars("Series2", {}, QPen(Qt::red), QBrush(QColor(255, 160, 160)));

  Chart3 = new platform::Chart(this, "Chart3", {0, 360, 800, 240});
  Chart3->setTitleLine(0, QString::fromUtf8("Ln (Probabilité de non-désintégration)"));
  Chart3->setToolTip(QString::fromUtf8(
      "On trace entre les instants t=0 et t=2*moyenne des intervalles de temps entre 2 désintégrations "
      "successives"));
  Chart3->setAxisTitles("ms", "ln P");
  Series3 = Chart3->addPoints("Series3", {}, QCPScatterStyle::ssCircle, 5, Qt::blue, Qt::white);
  Series4 = Chart3->addLine("Series4", {}, Qt::red, 1);
  QPen dashDotDot = Series4->pen();
  dashDotDot.setStyle(Qt::DashDotDotLine);
  Series4->setPen(dashDotDot);

  SetTitlePixelSize(Chart1, kHalfChartTitlePx);
  SetTitlePixelSize(Chart2, kHalfChartTitlePx);
  for (platform::Chart* chart : {Chart1, Chart2, Chart3}) chart->setLegendVisible(false);
}

void TForm2::Init() {
  platform::ApplyLanguage(this, kTexts, platform::LanguageCode());
  for (platform::Chart* chart : {Chart1, Chart2}) DrawTitleWithin(chart);
  // Every rounding of the run goes to the nearest integer, ties to even.
  std::fesetround(FE_TONEAREST);
  Label31->hide();
  BitBtn1->setFocus();
}

// Nothing may save or print while the run lets the event loop run; the return button stops it.
void TForm2::BitBtn1Click() {
  const RunOutcome outcome = runExclusive(
      {.disabled = {BitBtn4, BitBtn11}, .hidden = {BitBtn1}, .shown = {Label31}}, [&] { Calcul(); });
  // Hidden during the run, "Calcul" lost the focus to the number box: it takes it back, so that
  // Space runs again and a typed digit does not replace N.
  if (outcome != RunOutcome::Ignored) BitBtn1->setFocus();
}

void TForm2::clearResults() {
  for (QCPAbstractPlottable* series :
       std::initializer_list<QCPAbstractPlottable*>{Series1, Series2, Series3, Series4})
    platform::Chart::clear(series);
  for (QLineEdit* edit : {Edit1, Edit3, Edit4, Edit1min, EditRecap}) edit->clear();
  for (platform::Chart* chart : {Chart1, Chart2, Chart3}) chart->replot();
}

void TForm2::showNumbers(const IntervalRunData& data) {
  Edit1min->setText(QString::number(data.min));
  Edit9->setText(FixedText(data.mean, 1));
  EditRecap->setText(QString::number(data.max));
  Edit4->setText(FixedText(1'000'000 / data.mean, 2));
  Label25->setText(QString::fromStdString(DurationLabel(DurationMs(data), platform::DecimalSeparator())));
}

void TForm2::Calcul() {
  const IntervalParameters p{SpinEdit1->Value(), SpinEdit3->Value(), RadioGroup1->ItemIndex(),
                             RadioGroup2->ItemIndex() == 1 ? Law::Geiger : Law::Theoretical};
  SetPointSize(Series1, ListPointSize(p.measurements));
  clearResults();
  IntervalRunData& data = LastIntervalRun();
  DrawAndBin(data, p);
  showNumbers(data);
  if (!stageDone()) return;

  NonDecayFractions(data);
  ListPoints(data, charts_.list);
  platform::Chart::setData(Series1, charts_.list.x, charts_.list.y);
  Chart2->redraw();
  if (!stageDone()) return;

  HistogramBars(data, charts_.bars);
  Series2->setWidth(p.classWidthUs / 1000.0);  // one class wide [ms]
  platform::Chart::setData(Series2, charts_.bars.x, charts_.bars.y);
  Chart1->redraw();
  LogPoints(data, charts_.logPoints);
  platform::Chart::setData(Series3, charts_.logPoints.x, charts_.logPoints.y);
  Chart3->redraw();
  if (!stageDone()) return;

  drawFit(data);
  Edit12->setText(QString::number(data.classesDrawn - 2));
  if (!stageDone()) return;

  TimeSlices(data);
}

bool TForm2::stageDone() {
  pump().yieldStage();
  if (!pump().stopRequested()) return true;
  ClearIntervalRun(LastIntervalRun());
  return false;
}

void TForm2::drawFit(const IntervalRunData& data) {
  charts_.fit = FitNonDecay(data, charts_.logPoints, charts_.line);
  if (!charts_.fit) return;  // no point left to fit: the boxes stay empty and no line is drawn
  Edit1->setText(FixedText(charts_.fit->slope * 1000, 1));
  Edit3->setText(FixedText(charts_.fit->r2, 5));
  platform::Chart::setData(Series4, charts_.line.x, charts_.line.y);
  Chart3->redraw();
}

void TForm2::BitBtn11Click() {
  printUnlessRunning(Chart2);
}

void TForm2::Sauve() {
  if (isRunning()) return;
  platform::SaveResultsFile(
      this, IntervalResultsFileName(platform::Clock().localNow()), [&](const std::string& path) {
        SaveIntervalResults(path, SpinEdit1->Value(), SpinEdit3->Value(), LastIntervalRun());
      });
}

void TForm2::FinClick() {
  closeScreen();
}
