#include "experiments/absorption/UnitAbsorption.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "experiments/absorption/absorption_constants.h"
#include "experiments/absorption/beta_plot.h"
#include "experiments/absorption/beta_texts.h"
#include "experiments/absorption/log_curve.h"
#include "experiments/absorption/note_box.h"
#include "experiments/absorption/plot_series.h"
#include "kernel/poisson_table.h"
#include "platform/chart.h"
#include "platform/edge_points.h"
#include "platform/error_boundary.h"
#include "platform/language.h"
#include "platform/spin_edit.h"
#include "platform/widgets.h"

using namespace noyalis;
using namespace noyalis::absorption;

namespace {

constexpr SlotControls kSlots[] = {
    {"Button0", "0mm", "Edit0", "Edit13"},   {"Button1", "0.1mm", "Edit1", "Edit14"},
    {"Button2", "0.2mm", "Edit2", "Edit15"}, {"Button3", "0.3mm", "Edit3", "Edit16"},
    {"Button4", "0.4mm", "Edit4", "Edit17"}, {"Button5", "0.5mm", "Edit5", "Edit18"},
    {"Button6", "0.6mm", "Edit6", "Edit19"}, {"Button7", "0.7mm", "Edit7", "Edit20"},
    {"Button8", "0.8mm", "Edit8", "Edit21"}, {"Button9", "0.9mm", "Edit9", "Edit22"},
    {"Button10", "1mm", "Edit10", "Edit23"}, {"Button11", "2mm", "Edit11", "Edit24"},
    {"Button12", "3mm", "Edit12", "Edit25"},
};

constexpr int kLegendWidth = 150;   // [px] the legend's column, and the warnings under it
constexpr int kNotePixelSize = 11;  // [px] the deletion note, four lines in its box

const SlotScreenLayout kLayout{
    .objectName = "TForm4",
    .experiment = kBetaExperiment,
    .controls = kSlots,
    .left = 10,
    .width = 58,  // two pixels apart: "5544.000" whole at 11 px
    .pitch = 60,
    .buttonTop = 112,
    .meanTop = 140,
    .deviationTop = 163,
    .meanDecimals = 3,
    .deviationDecimals = 3,
    .emptyFirstMean = "N0",
    .measurements = {kMinMeasurements, kMaxMeasurements, 1, kDefaultMeasurements},
    .countingTime = {beta::kMinCountingTimeMs, beta::kMaxCountingTimeMs, beta::kCountingTimeStepMs,
                     beta::kDefaultCountingTimeMs},
};

}  // namespace

TForm4::TForm4(QWidget* parent, PoissonDraw draw)
    : SlotScreen(parent, kLayout, draw ? draw : &kernel::PoissonTableDraw) {
  setWindowTitle("Absorption par l'Aluminium");
  setBackgroundPicture(":/pictures/absorption_landscape.svg");

  BitBtn2 = platform::MakePictureButton(this, "BitBtn2", ":/pictures/glyph_back.svg", {}, 0, 0, 45, 40,
                                        "Retour au menu précédent");
  Nb_de_mesures = addCaption("Nb_de_mesures", "Nb de mesures", 57, 3);
  SpinEdit1->setGeometry(57, 20, 90, 24);
  Label1 = addCaption("Label1", "Duree Comptage ms", 185, 3);
  SpinEdit2->setGeometry(185, 20, 90, 24);
  Label11 = addCaption("Label11", "La distance est de 4.25 cm", 300, 24);

  // The plot buttons show the Greek letters themselves.
  BitBtn5 =
      platform::MakeButton(this, "BitBtn5", QString::fromUtf8("βγ"), 520, 6, 50, 36, "Trace Béta + Gamma");
  BitBtn6 = platform::MakeButton(this, "BitBtn6", QString::fromUtf8("β"), 576, 6, 50, 36, "Trace Béta");
  BitBtn9 = platform::MakeButton(this, "BitBtn9", QString::fromUtf8("βγ β"), 632, 6, 60, 36,
                                 "Trace Béta + Gamma et Béta");
  for (QPushButton* b : {BitBtn5, BitBtn6, BitBtn9}) {
    QFont f = b->font();
    f.setPixelSize(17);
    b->setFont(f);
  }
  BitBtn8 = platform::MakePictureButton(this, "BitBtn8", ":/pictures/glyph_print.svg", "Page", 700, 6, 90, 36,
                                        "Impression");

  Label5 = addCaption("Label5", "Pour chaque épaisseur on a la Moyenne", 10, 60);
  Label8 = addCaption("Label8", "et l' EcartType", 10, 80);
  // The French layout text; the French table corrects its spelling.
  Memo3 = MakeNoteBox(
      this, "Memo3",
      QString::fromUtf8("DoubleClicquer sur\n la valeur de la \nmoyenne pour \nsupprimer la mesure"),
      {660, 46, 130, 62}, false);
  QFont small = Memo3->font();
  small.setPixelSize(kNotePixelSize);
  Memo3->setFont(small);
  meanBox(0)->setToolTip("Moyenne");
  // Thirteen boxes share the width of the screen: a smaller figure keeps "5544.000" whole.
  for (int k = 0; k < table().size(); ++k)
    for (QLineEdit* box : {meanBox(k), deviationBox(k)}) {
      QFont f = box->font();
      f.setPixelSize(11);
      box->setFont(f);
      box->setTextMargins(0, 0, 0, 0);
    }

  Chart1 = new platform::Chart(this, "Chart1", {5, 190, 790, 405});
  Chart1->setTitleLine(
      0, QString::fromUtf8("Ln(Nombre  de désintégrations pour différentes épaisseurs d'Aluminium / N0)"));
  Chart1->setAxisTitles(QString::fromUtf8("épaisseur d'aluminium (mm)"), "ln(N/N0)");
  // The 0 mm point lies on the plot's corner, (0, 0): drawn whole over the frame.
  Series1 = platform::AddEdgePoints(Chart1, "Series1", QCPScatterStyle::ssCircle, 7, Qt::red, Qt::red);
  Series1->setName("Mesures");
  for (std::size_t k = 0; k < errorSeries_.size(); ++k) {
    const QString title = QString("erreur %1").arg(QString::fromUtf8(kSlots[k].caption).chopped(2));
    errorSeries_[k] = Chart1->addLine(QString("Series%1").arg(k + 2), title, QColor(0, 0, 160), 3);
  }
  Chart1->groupInLegend("ErrorBars", "erreurs", {errorSeries_.begin(), errorSeries_.end()});
  Series15 = Chart1->addLine("Series15", "Lissage", Qt::darkGreen, 1.5);
  Series16 = Chart1->addPoints("Series16", QString::fromUtf8("Béta"), QCPScatterStyle::ssSquare, 5,
                               Qt::magenta, Qt::magenta);
  Series17 = Chart1->addLine("Series17", "Ajustement", Qt::black, 1);
  // The legend stands beside the plot, not over it, so the 3 mm point and the fitted line's end
  // stay in sight; the warnings stand under it, in its column.
  Chart1->placeLegendBesidePlot();
  Chart1->legend->setMinimumSize(kLegendWidth, 0);
  Chart1->legend->setMaximumSize(kLegendWidth, QWIDGETSIZE_MAX);
  Chart1->setAutoAxes(true, false);
  SetMinorTickCount(Chart1->xAxis, 9);
  SetMinorTickCount(Chart1->yAxis, 4);
  Chart1->hide();

  const int noteLeft = Chart1->geometry().right() - platform::kLegendColumnMargin - kLegendWidth + 1;
  Memo1 = MakeNoteBox(this, "Memo1",
                      QString::fromUtf8("La mesure \nsans \nAluminium  \népaisseur 0 \ndoit être \nfaite"),
                      {noteLeft, 325, kLegendWidth, 100}, true);
  Memo2 = MakeNoteBox(
      this, "Memo2",
      QString::fromUtf8(
          "Les mesures\nsans \nAluminium  \népaisseur 0  et\népaisseur 3mm\ndoivent être \nfaites"),
      {noteLeft, 430, kLegendWidth, 115}, true);
  // The beta plot's third refusal: without aluminium the count must exceed the 3 mm background.
  Memo4 = MakeNoteBox(this, "Memo4",
                      QString::fromUtf8("Sans \nAluminium \nle comptage \ndoit dépasser \ncelui à 3mm"),
                      {noteLeft, 430, kLegendWidth, 100}, true);

  lockDuringSeries({BitBtn5, BitBtn6, BitBtn9, BitBtn8});
  connect(BitBtn2, &QPushButton::clicked, this, &TForm4::closeScreen);
  connect(BitBtn5, &QPushButton::clicked, this, &TForm4::Button14TraceClick);
  connect(BitBtn6, &QPushButton::clicked, this, &TForm4::BitBtn6Click);
  connect(BitBtn9, &QPushButton::clicked, this, &TForm4::Button14TraceBetaClick);
  connect(BitBtn8, &QPushButton::clicked, this, &TForm4::BitBtn8Click);

  Init();
}

void TForm4::Init() {
  platform::ApplyLanguage(this, kBetaTexts, platform::LanguageCode());
  resetSlots();
  clearAllSeries();
  Chart1->show();
  redraw();
  for (QLabel* memo : {Memo1, Memo2, Memo4}) memo->hide();
}

void TForm4::clearAllSeries() {
  platform::Chart::clear(Series1);
  for (QCPGraph* bar : errorSeries_) platform::Chart::clear(bar);
  for (QCPGraph* s : {Series15, Series16, Series17}) platform::Chart::clear(s);
}

// The vertical axis ends at 0 and reaches down to the lowest value drawn.
void TForm4::redraw() {
  double lowest = 0;
  for (int i = 0; i < Chart1->plottableCount(); ++i) {
    bool found = false;
    const QCPRange range = Chart1->plottable(i)->getValueRange(found);
    if (found) lowest = std::min(lowest, range.lower);
  }
  // A curve that hardly leaves 0 (0 mm alone) still gets an axis a tenth deep.
  Chart1->setFixedRange(Chart1->yAxis, std::min(lowest * 1.05, -0.1), 0);
  Chart1->redraw();
}

void TForm4::Button14TraceClick() {
  if (isRunning()) return;
  platform::Guarded(this, [&] {
    TraceOrWarn();
    redraw();
  });
}

void TForm4::BitBtn6Click() {
  if (isRunning()) return;
  platform::Guarded(this, [&] {
    clearAllSeries();
    TraceBeta();
    redraw();
  });
}

void TForm4::Button14TraceBetaClick() {
  if (isRunning()) return;
  platform::Guarded(this, [&] {
    TraceOrWarn();
    platform::Chart::clear(Series16);
    platform::Chart::clear(Series17);
    TraceBeta();
    redraw();
  });
}

// The curve when 0 mm is measured; otherwise Memo1, and the chart stays as it was.
void TForm4::TraceOrWarn() {
  if (table().hasLogarithm(0)) {
    Trace();
    Memo1->hide();
  } else {
    Memo1->show();
  }
}

void TForm4::Trace() {
  const std::vector<CurvePoint> points = MeasuredList(table());
  clearAllSeries();
  for (std::size_t k = 0; k < points.size(); ++k) {
    const CurvePoint& p = points[k];
    platform::Chart::addPoint(Series1, static_cast<double>(p.x), static_cast<double>(p.height));
    // The k-th measured point's bar goes to the k-th error series, whatever its thickness.
    AddErrorBar(errorSeries_.at(k), p.x, p.height, p.halfBar);
  }
  AddPoints(Series15, SmoothedCurve(points));
}

void TForm4::TraceBeta() {
  const BetaPlot plot = PlotBeta(table(), BetaPoints());
  Memo2->setVisible(plot.outcome == BetaPlot::Outcome::MissingMeasurements);
  Memo4->setVisible(plot.outcome == BetaPlot::Outcome::NoBetaAtZero);
  AddPoints(Series16, plot.points);
  AddPoints(Series17, plot.line);
}

void TForm4::BitBtn8Click() {
  printUnlessRunning();
}
