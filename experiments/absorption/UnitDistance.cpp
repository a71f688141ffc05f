#include "experiments/absorption/UnitDistance.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "experiments/absorption/absorption_constants.h"
#include "experiments/absorption/distance_plot.h"
#include "experiments/absorption/distance_texts.h"
#include "experiments/absorption/note_box.h"
#include "experiments/absorption/plot_series.h"
#include "kernel/poisson_table.h"
#include "platform/chart.h"
#include "platform/error_boundary.h"
#include "platform/language.h"
#include "platform/spin_edit.h"
#include "platform/widgets.h"

using namespace noyalis;
using namespace noyalis::absorption;

namespace {

constexpr int kFitDecimals = 3;
constexpr int kNoteStripHeight = 24;    // [px] the slope and r² over the plot
constexpr double kAxisHeadroom = 1.05;  // the axes' maxima sit 5 % above the data

// 3 cm first: the buttons keep the names they have always had.
constexpr SlotControls kSlots[] = {
    {"Button2", "3cm", "Edit6", "Edit7"},     {"Button0", "4,25cm", "Edit0", "Edit13"},
    {"Button9", "6cm", "Edit1", "Edit22"},    {"Button10", "8.5cm", "Edit2", "Edit23"},
    {"Button11", "12cm", "Edit11", "Edit24"},
};

const SlotScreenLayout kLayout{
    .objectName = "TForm6",
    .experiment = kDistanceExperiment,
    .controls = kSlots,
    .left = 10,
    .width = 92,
    .pitch = 100,
    .buttonTop = 110,
    .meanTop = 139,
    .deviationTop = 163,
    .meanDecimals = 3,
    .deviationDecimals = 3,
    .emptyFirstMean = "",
    .measurements = {kMinMeasurements, kMaxMeasurements, 1, kDefaultMeasurements},
    .countingTime = {distance::kMinCountingTimeMs, distance::kMaxCountingTimeMs,
                     distance::kCountingTimeStepMs, distance::kDefaultCountingTimeMs},
};

}  // namespace

TForm6::TForm6(QWidget* parent, PoissonDraw draw)
    : SlotScreen(parent, kLayout, draw ? draw : &kernel::PoissonTableDraw) {
  setWindowTitle("Influence de la Distance");
  setBackgroundPicture(":/pictures/absorption_landscape.svg");

  BitBtn2 = platform::MakePictureButton(this, "BitBtn2", ":/pictures/glyph_back.svg", {}, 0, 0, 45, 40,
                                        "Retour au menu précédent");
  Label9 = addCaption("Label9", "Influence de la distance source-compteur", 60, 6, 20, true);
  Nb_de_mesures = addCaption("Nb_de_mesures", "Nb de mesures", 10, 44);
  SpinEdit1->setGeometry(10, 61, 95, 24);
  SpinEdit1->setToolTip("entre 2 et 10 000");
  Label1 = addCaption("Label1", "Durée de Comptage ms", 175, 44);
  SpinEdit2->setGeometry(175, 61, 95, 24);
  SpinEdit2->setToolTip("entre 50 et 1000 000");
  Moyenne_ = addCaption("Moyenne_", "Moyenne", 335, 44);
  Edit2M = platform::MakeEdit(this, "Edit2M", 330, 62, 85);
  Total = addCaption("Total", "Total", 430, 44);
  Edit4T = platform::MakeEdit(this, "Edit4T", 425, 62, 85);
  EcartType = addCaption("EcartType", "EcartType", 525, 44);
  Edit3E = platform::MakeEdit(this, "Edit3E", 520, 62, 85);

  Label11 = addCaption("Label11", "Distance", 10, 93);
  Label5 = addCaption("Label5", "Moyenne", 512, 141);
  Label8 = addCaption("Label8", "EcartType", 512, 165);
  for (int k = 0; k < 5; ++k)
    meanBox(k)->setToolTip("DoubleClicquer sur la valeur de la moyenne pour supprimer la mesure");
  BitBtn5 = platform::MakeButton(this, "BitBtn5", QString::fromUtf8("β γ"), 520, 98, 60, 36,
                                 QString::fromUtf8("Trace Béta et Gamma"));
  QFont greek = BitBtn5->font();
  greek.setPixelSize(17);
  BitBtn5->setFont(greek);
  BitBtn8 = platform::MakePictureButton(this, "BitBtn8", ":/pictures/glyph_print.svg", "Page", 590, 98, 100,
                                        36, "Impression");
  Memo1 = MakeNoteBox(this, "Memo1", "Il faut \nau \nmoins \ndeux \npoints", {700, 44, 90, 90}, true);

  Chart1 = new platform::Chart(this, "Chart1", {5, 190, 790, 405});
  Chart1->setTitleLine(0, QString::fromUtf8("Nombre  de désintégrations en fonction de 1/(distance)^2"));
  Chart1->setAxisTitles(QString::fromUtf8("1/d² (m⁻²)"), "coups par mesure");
  platform::Chart::setWholeNumberTicks(Chart1->yAxis);
  Series1 = Chart1->addPoints("Series1", "Mesures", QCPScatterStyle::ssCircle, 8, Qt::red, Qt::red);
  Series2 = Chart1->addLine("Series2", "Ajustement", Qt::black, 1.5);
  for (std::size_t k = 0; k < errorSeries_.size(); ++k)
    errorSeries_[k] = Chart1->addLine(QString("Series%1").arg(k + 3), QString("Erreur %1").arg(k + 1),
                                      QColor(0, 0, 160), 3);
  Chart1->setLegendVisible(false);
  Chart1->setAutoAxes(false, false);
  Chart1->hide();
  // Slope and r² stand in the chart, in a strip between its title and its plot.
  const QPoint notes =
      Chart1->reserveNoteStrip(Qt::TopEdge, kNoteStripHeight).translated(Chart1->pos()).topLeft();
  Label2 = platform::MakeLabel(this, "Label2", "Pente", notes.x() + 45, notes.y() + 4);
  Label2->setToolTip(QString::fromUtf8("pente calculée par la méthode d'ajustement linéaire"));
  Edit8 = platform::MakeEdit(this, "Edit8", notes.x() + 115, notes.y() + 1, 90);
  Label6 = platform::MakeLabel(this, "Label6", "d", notes.x() + 225, notes.y() + 4);
  Edit9 = platform::MakeEdit(this, "Edit9", notes.x() + 240, notes.y() + 1, 90);

  lockDuringSeries({BitBtn5, BitBtn8});
  connect(BitBtn2, &QPushButton::clicked, this, &TForm6::closeScreen);
  connect(BitBtn5, &QPushButton::clicked, this, &TForm6::BitBtn5Click);
  connect(BitBtn8, &QPushButton::clicked, this, &TForm6::BitBtn8Click);

  Init();
}

void TForm6::Init() {
  platform::ApplyLanguage(this, kDistanceTexts, platform::LanguageCode());
  resetSlots();
  for (QLineEdit* e : {Edit2M, Edit4T, Edit3E, Edit8, Edit9}) e->clear();
  clearSeries();
  Chart1->setFixedRange(Chart1->xAxis, 0, 1);
  Chart1->setFixedRange(Chart1->yAxis, 0, 1);
  Chart1->show();
  Chart1->redraw();
}

void TForm6::clearSeries() {
  platform::Chart::clear(Series1);
  platform::Chart::clear(Series2);
  for (QCPGraph* bar : errorSeries_) platform::Chart::clear(bar);
}

void TForm6::seriesStarted() {
  for (QLineEdit* e : {Edit2M, Edit4T, Edit3E}) e->clear();
}

// After every count the running mean and total, and one pass of the event loop to show them grow.
void TForm6::seriesProgress(std::int32_t i, long double runningTotal) {
  Edit2M->setText(platform::FixedText(runningTotal / i, 1));
  Edit4T->setText(platform::FixedText(runningTotal, 0));
  pump().yieldStage();
}

void TForm6::seriesEnded(const SeriesResult& r) {
  Edit2M->setText(platform::FixedText(r.mean, 1));
  Edit4T->setText(platform::FixedText(r.total, 0));
  Edit3E->setText(platform::FixedText(r.deviation, 3));
}

void TForm6::BitBtn5Click() {
  if (isRunning()) return;
  platform::Guarded(this, [&] {
    const DistancePlot plot = PlotDistance(table());
    if (plot.refused) {
      Memo1->show();
      return;
    }
    Memo1->hide();
    clearSeries();
    Edit8->setText(platform::FixedText(plot.slope, kFitDecimals));
    // All means 0 leave r² as 0/0: a dash says there is none.
    Edit9->setText(plot.r2 ? platform::FixedText(*plot.r2, kFitDecimals) : QString("-"));
    long double right = 0, top = 0;
    for (std::size_t k = 0; k < plot.points.size(); ++k) {
      const DistancePoint& p = plot.points[k];
      const long double fitted = plot.slope * p.inverseSquare;
      platform::Chart::addPoint(Series1, static_cast<double>(p.inverseSquare), static_cast<double>(p.mean));
      platform::Chart::addPoint(Series2, static_cast<double>(p.inverseSquare), static_cast<double>(fitted));
      AddErrorBar(errorSeries_.at(k), p.inverseSquare, p.mean, p.deviation);
      right = std::max(right, p.inverseSquare);
      top = std::max({top, p.mean + p.deviation, fitted});
    }
    platform::Chart::addPoint(Series2, 0, 0);  // the line starts at the origin
    // Both axes start at 0; their maxima follow the data.
    Chart1->setFixedRange(Chart1->xAxis, 0, static_cast<double>(right) * kAxisHeadroom);
    Chart1->setFixedRange(Chart1->yAxis, 0, top > 0 ? static_cast<double>(top) * kAxisHeadroom : 1);
    Chart1->redraw();
  });
}

void TForm6::BitBtn8Click() {
  printUnlessRunning();
}
