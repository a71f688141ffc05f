#include "experiments/absorption/UnitPLomb.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "experiments/absorption/absorption_constants.h"
#include "experiments/absorption/lead_plot.h"
#include "experiments/absorption/lead_texts.h"
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

constexpr int kResultDecimals = 5;
constexpr int kNoteStripHeight = 24;  // [px] the fit's heading and results over the plot
constexpr double kLowestHeight = -2.5, kHighestHeight = 0.5;  // the fixed vertical axis

constexpr SlotControls kSlots[] = {
    {"Button0", "0mm (3mm Al)", "Edit0", "Edit13"}, {"Button9", "5mm", "Edit1", "Edit22"},
    {"Button10", "10mm", "Edit2", "Edit23"},        {"Button11", "15mm", "Edit11", "Edit24"},
    {"Button12", "20mm", "Edit12", "Edit25"},
};

const SlotScreenLayout kLayout{
    .objectName = "TForm5",
    .experiment = kLeadExperiment,
    .controls = kSlots,
    .left = 150,
    .width = 108,
    .pitch = 128,
    .buttonTop = 98,
    .meanTop = 127,
    .deviationTop = 152,
    .meanDecimals = 1,
    .deviationDecimals = 2,
    .emptyFirstMean = "",
    .measurements = {kMinMeasurements, kMaxMeasurements, 1, kDefaultMeasurements},
    .countingTime = {lead::kMinCountingTimeMs, lead::kMaxCountingTimeMs, lead::kCountingTimeStepMs,
                     lead::kDefaultCountingTimeMs},
};

QLineEdit* BorderlessEdit(QWidget* parent, const char* name, int x, int y) {
  QLineEdit* edit = platform::MakeEdit(parent, name, x, y, 90);
  edit->setFrame(false);
  // The chart shows through: no white patch over its grid, its zero line or a point.
  edit->setStyleSheet("QLineEdit { background: transparent; }");
  return edit;
}

}  // namespace

TForm5::TForm5(QWidget* parent, PoissonDraw draw)
    : SlotScreen(parent, kLayout, draw ? draw : &kernel::PoissonTableDraw) {
  setWindowTitle("Absorption par le Plomb");
  setBackgroundPicture(":/pictures/absorption_landscape.svg");

  BitBtn2 = platform::MakePictureButton(this, "BitBtn2", ":/pictures/glyph_back.svg", "Menu", 0, 0, 90, 40,
                                        "Retour au menu précédent");
  Label14 = addCaption("Label14", "Absorption par le Plomb", 110, 4, 24, true);
  Nb_de_mesures = addCaption("Nb_de_mesures", "Nb de mesures", 110, 42);
  SpinEdit1->setGeometry(110, 59, 90, 24);
  SpinEdit1->setToolTip("entre 2 et 10 000");
  Label1 = addCaption("Label1", "Duree_Comptage ms", 260, 42);
  SpinEdit2->setGeometry(260, 59, 90, 24);
  SpinEdit2->setToolTip("entre 500 et 1000 000");
  Label6 = addCaption("Label6", "La distance source-compteur est de 3cm", 370, 63);
  BitBtn5 = platform::MakeButton(this, "BitBtn5", QString::fromUtf8("γ"), 660, 44, 45, 36, "Trace");
  QFont greek = BitBtn5->font();
  greek.setPixelSize(18);
  BitBtn5->setFont(greek);
  BitBtn3 = platform::MakePictureButton(this, "BitBtn3", ":/pictures/glyph_print.svg", "Page", 712, 44, 84,
                                        36, "Impression");

  // The thickness row's label wraps within the room left of the buttons: Italian and Spanish say
  // there what the others say above the row.
  Label5 = new QLabel("Epaisseur", this);
  Label5->setObjectName("Label5");
  Label5->setWordWrap(true);
  Label5->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  Label5->setGeometry(10, 86, 128, 36);
  Label5->setStyleSheet("color: yellow;");
  Label13 = addCaption("Label13", "Moyenne", 10, 129);
  Label8 = addCaption("Label8", "EcartType", 10, 154);
  // The French hints stay where a language names no box.
  for (int k = 0; k < table().size(); ++k)
    meanBox(k)->setToolTip("DoubleCliquer sur la valeur de la moyenne pour supprimer la mesure");
  slotButton(0)->setToolTip(QString::fromUtf8("Il faut éliminer les rayons béta avec 3mm d'aluminium"));

  Chart1 = new platform::Chart(this, "Chart1", {5, 182, 790, 413});
  Chart1->setTitleLine(
      0, QString::fromUtf8("Ln(Nombre de désintégrations pour différentes épaisseurs de plomb / N0)"));
  Series1 = Chart1->addPoints("Series1", "Mesures", QCPScatterStyle::ssCircle, 8, Qt::red, Qt::red);
  Series2 = Chart1->addLine("Series2", QString::fromUtf8("régression"), Qt::black, 3);
  constexpr const char* kBarTitles[] = {"Erreur pt0", "Erreur 5mm", "Erreur 10mm", "Erreur 15mm",
                                        "Erreur 20mm"};
  for (std::size_t k = 0; k < errorSeries_.size(); ++k)
    errorSeries_[k] = Chart1->addLine(QString("Series%1").arg(k + 3), kBarTitles[k], QColor(0, 0, 160), 3);
  Chart1->setLegendVisible(false);
  Chart1->setFixedRange(Chart1->yAxis, kLowestHeight, kHighestHeight);
  Chart1->setAxisTitles("mm", "ln(N/N0)");  // the thickness axis has always read "mm"
  Chart1->hide();

  // The fit's heading and results stand in the chart at its upper left, in a strip between its
  // title and its plot.
  const QPoint notes =
      Chart1->reserveNoteStrip(Qt::TopEdge, kNoteStripHeight).translated(Chart1->pos()).topLeft();
  const int y = notes.y() + 4;
  Label11 =
      platform::MakeLabel(this, "Label11", QString::fromUtf8("Ajustement linéaire y=ax"), notes.x() + 40, y);
  Label9 = platform::MakeLabel(this, "Label9", "pente", notes.x() + 235, y);
  Edit6 = BorderlessEdit(this, "Edit6", notes.x() + 305, y - 3);
  Label10 = platform::MakeLabel(this, "Label10", "d", notes.x() + 410, y);
  Edit7 = BorderlessEdit(this, "Edit7", notes.x() + 425, y - 3);

  Memo1 = MakeNoteBox(
      this, "Memo1",
      QString::fromUtf8("\nLa mesure \navec 3mm\nd'Aluminium \ndoit être \nfaite en \npremier\net il "
                        "faut au \nmoins 2 points"),
      {620, 230, 130, 150}, true);

  lockDuringSeries({BitBtn5, BitBtn3});
  connect(BitBtn2, &QPushButton::clicked, this, &TForm5::closeScreen);
  connect(BitBtn5, &QPushButton::clicked, this, &TForm5::Button14TraceClick);
  connect(BitBtn3, &QPushButton::clicked, this, &TForm5::ImpressionClick);

  Init();
}

void TForm5::Init() {
  platform::ApplyLanguage(this, kLeadTexts, platform::LanguageCode());
  resetSlots();
  Edit6->clear();
  Edit7->clear();
  Chart1->show();
  clearSeries();
  Chart1->redraw();
}

void TForm5::clearSeries() {
  platform::Chart::clear(Series1);
  platform::Chart::clear(Series2);
  for (QCPGraph* bar : errorSeries_) platform::Chart::clear(bar);
}

void TForm5::Button14TraceClick() {
  if (isRunning()) return;
  platform::Guarded(this, [&] {
    const LeadPlot plot = PlotLead(table());
    clearSeries();
    if (plot.refused) {
      Memo1->show();
      Edit6->clear();
      Edit7->clear();
      Chart1->redraw();
      return;
    }
    // Regression, then the points, the line from the origin and the bars.
    Edit6->setText(platform::FixedText(plot.slope, kResultDecimals));
    // Every mean equal to N0 leaves d as 0/0: a dash says there is no measure.
    Edit7->setText(plot.fit ? platform::FixedText(*plot.fit, kResultDecimals) : QString("-"));
    for (std::size_t k = 0; k < plot.points.size(); ++k) {
      const CurvePoint& p = plot.points[k];
      platform::Chart::addPoint(Series1, static_cast<double>(p.x), static_cast<double>(p.height));
      platform::Chart::addPoint(Series2, static_cast<double>(p.x), static_cast<double>(plot.slope * p.x));
      AddErrorBar(errorSeries_.at(k), p.x, p.height, p.halfBar);
    }
    Memo1->hide();
    Chart1->redraw();
  });
}

void TForm5::ImpressionClick() {
  printUnlessRunning();
}
