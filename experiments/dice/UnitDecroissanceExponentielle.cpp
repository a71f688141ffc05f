#include "experiments/dice/UnitDecroissanceExponentielle.h"

#include <QHeaderView>
#include <QLabel>
#include <QLinearGradient>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "experiments/dice/dice_constants.h"
#include "experiments/dice/dice_curves.h"
#include "experiments/dice/dice_figures.h"
#include "experiments/dice/dice_run.h"
#include "experiments/dice/dice_texts.h"
#include "experiments/dice/narrowing_cell_delegate.h"
#include "platform/chart.h"
#include "platform/edge_points.h"
#include "platform/focus_leave.h"
#include "platform/language.h"
#include "platform/radio_group.h"
#include "platform/services.h"
#include "platform/spin_edit.h"
#include "platform/wait_cursor.h"
#include "platform/widgets.h"

using namespace noyalis;
using namespace noyalis::dice;

namespace {

constexpr QColor kLightCyan{204, 255, 255};
constexpr QColor kLightYellow{255, 255, 204};
constexpr QColor kBrown{128, 64, 0};
constexpr QColor kGreen{0, 160, 0};
constexpr int kCellWidth = 70;     // [px]
constexpr int kCellHeight = 20;    // [px]
constexpr int kGridLineWidth = 2;  // [px]
constexpr QColor kGridColour{128, 128, 128};
constexpr int kTableFontPx = 14;  // [px]
constexpr int kChartLabelPx = platform::kChartTextPixelSize;
constexpr int kNoteLine = 16;             // [px] a line of notes over a graph
constexpr int kTopNotes = 2 * kNoteLine;  // [px] the notes between a graph's title and its plot
constexpr int kBottomNotes = kNoteLine;   // [px] the notes under a graph's axis

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

struct NoteStrips {
  QRect top, bottom;  // in the graph's coordinates
};

// A decay graph: its plot shaded towards a colour, its axes titled (the throw number, a whole
// number, and what is left), no legend, and strips over and under its plot for its notes.
NoteStrips DecayGraph(platform::Chart* chart, QPointF from, QPointF to, QColor towards, QColor titleColour,
                      const char* left) {
  QLinearGradient shade(from, to);
  shade.setCoordinateMode(QGradient::ObjectMode);
  shade.setColorAt(0, Qt::white);
  shade.setColorAt(1, towards);
  chart->axisRect()->setBackground(QBrush(shade));
  chart->setLegendVisible(false);
  chart->setTitleColour(titleColour);
  chart->setAxisTitles(QString::fromUtf8("numéro du tirage"), QString::fromUtf8(left));
  platform::Chart::setWholeNumberTicks(chart->xAxis);
  chart->reserveNoteStrip(Qt::BottomEdge, kBottomNotes);
  const QRect top = chart->reserveNoteStrip(Qt::TopEdge, kTopNotes);
  // The bottom strip as it lies once the top one is in.
  return {top, chart->plotLayout()->element(chart->plotLayout()->rowCount() - 1, 0)->outerRect()};
}

}  // namespace

Tform100::Tform100(QWidget* parent) : ScreenBase(parent, "Tform100", platform::kLightGreen) {
  setWindowTitle(QString::fromUtf8("Décroissance exponentielle"));
  setBackgroundPicture(":/pictures/dice_background.svg");

  BitBtn4 = platform::MakePictureButton(this, "BitBtn4", ":/pictures/glyph_back.svg", {}, 0, 0, 45, 40,
                                        QString::fromUtf8("Retour au menu précédent"));
  Label1 = platform::MakeLabel(this, "Label1", QString::fromUtf8("Nb de Dés"), 58, 2);
  SpinEdit1 = new platform::SpinEdit(this, "SpinEdit1", kMinDice, kMaxDice, 1, kDefaultDice);
  SpinEdit1->setGeometry(58, 18, 100, 24);
  SpinEdit1->setToolTip(QString::fromUtf8("2 à 1 000 000"));
  Label11 = platform::MakeLabel(this, "Label11", "Nb de faces ", 170, 2);
  SpinEdit3 = new platform::SpinEdit(this, "SpinEdit3", kMinFaces, kMaxFaces, 1, kDefaultFaces);
  SpinEdit3->setGeometry(170, 18, 70, 24);
  SpinEdit3->setToolTip(QString::fromUtf8("2 à 500"));
  Label2 = platform::MakeLabel(this, "Label2", "Nb de jets ", 255, 2);
  Label7nbj = platform::MakeLabel(this, "Label7nbj", "", 255, 22, Qt::blue, 0, true);
  Label7nbj->setMinimumWidth(60);  // room for any throw count before the label refits
  Label36 = platform::MakeLabel(this, "Label36", "moyenne des tirs", 430, 2);
  Label37 = platform::MakeLabel(this, "Label37", QString::fromUtf8("Nb de dés utilisés"), 430, 22);
  BitBtn3 = platform::MakePictureButton(this, "BitBtn3", ":/pictures/glyph_print.svg", "Page", 705, 4, 85, 36,
                                        "Impression");

  Label29 = platform::MakeLabel(this, "Label29", "Graine", 8, 50);
  SpinEdit8 = new platform::SpinEdit(this, "SpinEdit8", static_cast<int>(kMinSeed),
                                     static_cast<int>(kMaxSeed), 1, static_cast<int>(kDefaultSeed));
  SpinEdit8->setGeometry(8, 66, 110, 24);
  SpinEdit8->setToolTip(QString::fromUtf8("Pour mélanger les Dés "));
  RadioGroup2 =
      new platform::RadioGroup(this, "RadioGroup2", QString::fromUtf8("Générateur de nombres aléatoires"),
                               {"manuel", "automatique"}, 2, static_cast<int>(SeedMode::Automatic));
  RadioGroup2->setGeometry(128, 48, 250, 46);
  Label38 = platform::MakeLabel(this, "Label38", "Calcul en cours", 392, 62, platform::kTitleRed, 0, true);
  BitBtn1 = platform::MakePictureButton(this, "BitBtn1", ":/pictures/dice_glyph.svg", "Tout", 540, 54, 76, 36,
                                        QString::fromUtf8("Lancer de dés"));
  BitBtn6 = platform::MakeButton(this, "BitBtn6", "r.a.z.", 622, 54, 76, 36);
  // "C'est fini" lies behind "1 jet": it is seen only while "1 jet" is hidden.
  Label5 = platform::MakeLabel(this, "Label5", "C'est fini", 712, 64, platform::kTitleRed, 0, true);
  BitBtn5 = platform::MakePictureButton(this, "BitBtn5", ":/pictures/dice_glyph.svg", "1 jet", 704, 54, 86,
                                        36, QString::fromUtf8("Lancer de dés"));

  StringGrid1 = new QTableWidget(2, kTableColumns, this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setGeometry(40, 100, 10 * (kCellWidth + kGridLineWidth) + 22, 150);
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->verticalHeader()->hide();
  StringGrid1->horizontalHeader()->setDefaultSectionSize(kCellWidth + kGridLineWidth);
  StringGrid1->verticalHeader()->setDefaultSectionSize(kCellHeight + kGridLineWidth);
  QFont tableFont = StringGrid1->font();
  tableFont.setPixelSize(kTableFontPx);
  StringGrid1->setFont(tableFont);
  StringGrid1->setShowGrid(false);  // the cells draw their own, two pixels wide
  StringGrid1->setItemDelegate(new NarrowingCellDelegate(StringGrid1, kGridLineWidth, kGridColour));

  Chart1 = new platform::Chart(this, "Chart1", {4, 256, 394, 340});
  Series4 = Chart1->addLine("Series4", "Series4", Qt::yellow, 3);
  Series5 = Chart1->addLine("Series5", "Series5", kBrown, 1);
  Series1 = platform::AddEdgePoints(Chart1, "Series1", QCPScatterStyle::ssCircle, 5, Qt::red, Qt::red);
  Chart1->setTitleLine(0, QString::fromUtf8("Nb de dés restants après le n ième tirage"));
  Chart1->setToolTip(QString::fromUtf8("Sélectionnez avec la souris une portion du graphe pour zoomer"));
  platform::Chart::setWholeNumberTicks(Chart1->yAxis);
  // Dragging a rectangle zooms into it; a double click fits the axes to the data again.
  Chart1->setSelectionRectMode(QCP::srmZoom);
  connect(Chart1, &QCustomPlot::mouseDoubleClick, this, [this] { Chart1->redraw(); });
  // Over the plot the two hand-made legend entries (a bar above its text) and the seed; under it
  // the time constant.
  const NoteStrips notes1 =
      DecayGraph(Chart1, {1, 0}, {0, 0}, kLightCyan, platform::kTitleRed, "Nb de dés restants");
  const QRect &top1 = notes1.top, &bottom1 = notes1.bottom;
  ExponentialKey = platform::MakeShape(Chart1, "ExponentialKey", kGreen, top1.x() + 40, top1.y() + 4, 40, 5);
  ExponentialKey->setStyleSheet("QFrame { background-color: rgb(0, 160, 0); border: 1px solid yellow; }");
  StaticText1 =
      platform::MakeLabel(Chart1, "StaticText1", "y = Nb dés exp(-t/6)",
                          {top1.x() + 40, top1.y() + kNoteLine, 150, kNoteLine}, Qt::black, kChartLabelPx);
  StaticText1->setToolTip(QString::fromUtf8("Tracé de la courbe exponentielle"));
  BinomialKey = platform::MakeShape(Chart1, "BinomialKey", kBrown, top1.x() + 200, top1.y() + 6, 40, 2);
  BinomialKey->setFrameStyle(QFrame::NoFrame);
  Label45 =
      platform::MakeLabel(Chart1, "Label45", "Loi binomiale",
                          {top1.x() + 200, top1.y() + kNoteLine, 100, kNoteLine}, Qt::black, kChartLabelPx);
  Label6 = platform::MakeLabel(Chart1, "Label6", "", {top1.right() - 90, top1.y(), 84, kNoteLine}, Qt::black,
                               kChartLabelPx, Qt::AlignRight | Qt::AlignVCenter);
  Label40 = platform::MakeLabel(Chart1, "Label40", "", {bottom1.x() + 6, bottom1.y(), 160, kNoteLine},
                                Qt::blue, kChartLabelPx);
  Label40->setToolTip(QString::fromUtf8("Valeur de tau issue de la régression linéaire"));

  Chart2 = new platform::Chart(this, "Chart2", {402, 256, 394, 340});
  Series6 = platform::AddEdgePoints(Chart2, "Series6", QCPScatterStyle::ssCircle, 5, kBrown, Qt::transparent);
  Series2 = platform::AddEdgePoints(Chart2, "Series2", QCPScatterStyle::ssSquare, 3, Qt::blue, Qt::blue);
  Chart2->setTitleLine(0, QString::fromUtf8("ln(Nb de dés restants après le n ième tirage)"));
  Chart2->setToolTip(
      QString::fromUtf8("En bleu : les résultas \"expérimentaux\", en marron : les valeurs "
                        "théoriques de la loi binomiale"));
  Chart2->setFixedRange(Chart2->yAxis, 0, 10);
  // Over the plot the fitted line and its correlation.
  const QRect top2 = DecayGraph(Chart2, {0, 1}, {0, 0}, kLightYellow, Qt::black, "ln(Nb de dés restants)")
                         .top.adjusted(0, 0, -6, 0);
  Label24 = platform::MakeLabel(Chart2, "Label24", "Régression linéaire y = a x + b",
                                {top2.x(), top2.y(), top2.width(), kNoteLine}, Qt::black, kChartLabelPx,
                                Qt::AlignRight | Qt::AlignVCenter);
  Label9 = platform::MakeLabel(
      Chart2, "Label9", "Coeff. de corrélation = ", {top2.x(), top2.y() + kNoteLine, top2.width(), kNoteLine},
      Qt::black, kChartLabelPx, Qt::AlignRight | Qt::AlignVCenter);

  connect(BitBtn1, &QPushButton::clicked, this, &Tform100::BitBtn1Click);
  connect(BitBtn5, &QPushButton::clicked, this, &Tform100::BitBtn5Click);
  connect(BitBtn6, &QPushButton::clicked, this, &Tform100::BitBtn6Click);
  connect(BitBtn3, &QPushButton::clicked, this, &Tform100::BitBtn3Click);
  connect(BitBtn4, &QPushButton::clicked, this, &Tform100::BitBtn4Click);
  // Every click on the choice counts, also on the item already chosen.
  for (QRadioButton* item : RadioGroup2->findChildren<QRadioButton*>())
    connect(item, &QRadioButton::clicked, this, &Tform100::RadioGroup2Exit);
  // Leaving the dice-count or faces box resets the sequence (nothing resets during a run).
  for (QWidget* box : {SpinEdit1, SpinEdit3})
    platform::WatchFocusLeave(box, platform::FocusLeave::ToAnotherControl, [this] { BitBtn6Click(); });

  BitBtn6->hide();
  Label5->hide();
  Label38->hide();
  Init0();
}

void Tform100::Init0() {
  Init();
}

void Tform100::Init() {
  platform::ApplyLanguage(this, kTexts, platform::LanguageCode());
  setSeedBoxVisible();
  BitBtn1->setFocus();
}

void Tform100::setSeedBoxVisible() {
  const bool manual = sequence_.mode() == SeedMode::Manual;
  Label29->setVisible(manual);
  SpinEdit8->setVisible(manual);
}

void Tform100::readSeed() {
  sequence_.setSeed(SpinEdit8->Value());
}

void Tform100::showSeed() {
  SpinEdit8->setValueClamped(static_cast<int>(sequence_.seed()));
}

// One run at a time. A failure is shown and leaves the screen idle with its run buttons; a stop
// (Esc, the return button) abandons the run and the screen closes.
void Tform100::runGuarded(const std::function<void()>& run) {
  const RunLocks locks{.disabled = {SpinEdit1, SpinEdit3, SpinEdit8, RadioGroup2, BitBtn3},
                       .shown = {Label38}};
  if (runExclusive(locks, run) != RunOutcome::Failed) return;
  BitBtn1->show();
  BitBtn5->setVisible(!sequence_.finished());
  BitBtn6->setVisible(sequence_.finished());
}

void Tform100::BitBtn1Click() {
  runGuarded([this] { Tout(); });
}

void Tform100::BitBtn5Click() {
  runGuarded([this] { UnJet(); });
}

void Tform100::Tout() {
  readSeed();
  const std::uint32_t seed = sequence_.startFullRun();
  BitBtn1->hide();
  BitBtn5->hide();
  BitBtn6->hide();
  Label5->hide();
  setSeedBoxVisible();
  platform::WaitCursor hourglass;
  startDisplay();
  showSeed();
  if (!throwAndShow(seed, kAllThrows)) return;
  sequence_.endFullRun();
  showSeed();
  BitBtn1->show();
  BitBtn5->show();
  Label5->show();
  Label7nbj->setText(QString::number(LastDiceRun().LastThrow + 1));
}

void Tform100::UnJet() {
  readSeed();
  setSeedBoxVisible();
  const std::uint32_t seed = sequence_.startStepRun();
  const std::int32_t throws = sequence_.replayThrows();
  showSeed();
  BitBtn5->hide();
  BitBtn6->hide();
  Label5->hide();
  BitBtn1->hide();
  {
    platform::WaitCursor hourglass;
    startDisplay();
    if (!throwAndShow(seed, throws)) return;
  }
  const bool allGone = LastDiceRun().DiceRemaining[static_cast<std::size_t>(throws)] == 0;
  sequence_.endStepRun(allGone);
  Label7nbj->setText(QString::number(throws));
  BitBtn1->show();
  if (allGone) {
    // Finished: "r.a.z." (or "Tout", or leaving a box) starts a new sequence.
    BitBtn6->show();
    Label5->show();
    BitBtn6->setFocus();
  } else {
    BitBtn5->show();
    BitBtn5->setFocus();
  }
}

void Tform100::BitBtn6Click() {
  if (isRunning()) return;
  readSeed();
  sequence_.reset();
  showSeed();
  setSeedBoxVisible();
  BitBtn5->show();
  BitBtn1->show();
  BitBtn6->hide();
}

void Tform100::RadioGroup2Exit() {
  if (isRunning()) return;
  sequence_.chooseMode(static_cast<SeedMode>(RadioGroup2->ItemIndex()));
  setSeedBoxVisible();
}

// The displays of a run about to start: old table, figures and graphs cleared.
void Tform100::startDisplay() {
  StringGrid1->clearContents();
  Label36->clear();
  Label37->clear();
  Label40->clear();
  Label9->clear();
  Label24->setText(Text(RegressionPlaceholder()));
  Button4Click();
  StaticText1->setText(Text(ExponentialLegend(SpinEdit3->Value())));
  pump().yieldStage();
}

// Throws, then shows the figures, the table and the graphs. False when the run was abandoned.
bool Tform100::throwAndShow(std::uint32_t seed, std::int32_t throws) {
  const std::int32_t n0 = SpinEdit1->Value();
  Label6->setText(QString::number(seed));
  DiceRunData& run = LastDiceRun();
  ThrowDice(run, n0, SpinEdit3->Value(), seed, throws, pump());
  if (!run.completed || pump().stopRequested()) return false;
  const char separator = platform::DecimalSeparator();
  Label36->setText(Text(MeanFaceText(MeanFace(run), separator)));
  Label37->setText(Text(DiceThrownText(run.diceThrown)));
  tableau();
  if (pump().stopRequested()) return false;
  if (run.diceLeft() < n0) Button4GraphClick();
  return !pump().stopRequested();
}

void Tform100::Button4Click() {
  for (QCPGraph* series : {Series1, Series4, Series5, Series2, Series6}) platform::Chart::clear(series);
  Chart1->redraw();
  Chart2->redraw();
}

void Tform100::tableau() {
  const DiceRunData& run = LastDiceRun();
  const std::int32_t start = TableStart(1);
  const std::int32_t rows = TableRows(run.LastThrow);
  StringGrid1->clearContents();
  StringGrid1->setColumnCount(kTableColumns);
  StringGrid1->setRowCount(rows);
  for (std::int32_t k = start; k <= run.LastThrow; ++k) {
    const std::int32_t cell = k - start;
    StringGrid1->setItem(
        cell / kTableColumns, cell % kTableColumns,
        new QTableWidgetItem(Text(TableEntry(k, run.DiceRemaining[static_cast<std::size_t>(k)]))));
    pump().yieldItem();
    if (pump().stopRequested()) return;
  }
  // The cells after the last entry are blanked, as far as the table reaches.
  for (std::int32_t cell = run.LastThrow + 1 - start;
       cell <= run.LastThrow + kTableBlankCells - start && cell / kTableColumns < rows; ++cell)
    if (QTableWidgetItem* item = StringGrid1->item(cell / kTableColumns, cell % kTableColumns))
      item->setText({});
  StringGrid1->setFocus();
  StringGrid1->scrollToTop();
  StringGrid1->setCurrentCell(0, 0);
}

void Tform100::Button4GraphClick() {
  const DecayCurves c = MakeDecayCurves(LastDiceRun());
  Chart1->setAutoAxes(true, true);
  platform::Chart::setData(Series1, c.t, c.dice);
  platform::Chart::setData(Series4, c.t, c.exponential);
  platform::Chart::setData(Series5, c.t, c.binomial);
  Chart2->setFixedRange(Chart2->yAxis, 0, static_cast<double>(c.logAxisMax));
  platform::Chart::setData(Series2, c.t, c.lnDice);
  platform::Chart::setData(Series6, c.t, c.lnBinomial);
  // A pass of the event loop between the two drawings keeps the keys answering.
  Chart1->redraw();
  pump().yieldStage();
  Chart2->redraw();
  const char separator = platform::DecimalSeparator();
  if (c.fit) {
    Label40->setText(Text(TauText(c.fit->slope, separator)));
    Label24->setText(Text(RegressionText(c.fit->slope, c.fit->intercept, separator)));
    Label9->setText(Text(CorrelationText(c.fit->r, separator)));
  } else {
    Label24->setText(Text(NoRegressionText()));
  }
  pump().yieldStage();
}

void Tform100::BitBtn3Click() {
  printUnlessRunning();
}

void Tform100::BitBtn4Click() {
  closeScreen();
}

bool Tform100::FormKeyDown(int key, Qt::KeyboardModifiers) {
  if (key != Qt::Key_Escape) return false;
  stopRun();
  platform::Messages().information(this, "Arret utilisateur");
  closeScreen();
  return true;
}
