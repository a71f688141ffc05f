#include "experiments/population/UnitReseau.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

#include "experiments/population/isotope_list.h"
#include "experiments/population/population_export.h"
#include "experiments/population/population_state.h"
#include "experiments/population/population_texts.h"
#include "experiments/population/string_grid.h"
#include "kernel/error.h"
#include "platform/chart.h"
#include "platform/edge_points.h"
#include "platform/error_boundary.h"
#include "platform/focus_leave.h"
#include "platform/language.h"
#include "platform/radio_group.h"
#include "platform/results_file_save.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "platform/spin_edit.h"
#include "platform/widgets.h"

using namespace noyalis;
using namespace noyalis::population;

namespace {

constexpr QColor kDecayedGreen{0, 255, 128};
constexpr QColor kLightCyan{204, 255, 255};
constexpr int kAtomGridRows = 50;
constexpr int kUnitGridRows = kUnitCount + 1;
constexpr int kGridRowHeight = 18;     // [px]
constexpr double kCurvePointSize = 2;  // [px]
constexpr double kSemiLogFloor = 0.5;  // the log axis needs a positive lower end
constexpr int kNoteStripHeight = 24;   // [px] the isotope and the count over their charts

QString& InstalledListOverride() {
  static QString path;
  return path;
}

// The working directory's list first, so a teacher can bring one; then the installed copy.
std::vector<std::string> IsotopeListCandidates() {
  std::vector<std::string> candidates = {kIsotopeListName};
  if (!InstalledListOverride().isEmpty()) {
    candidates.push_back(InstalledListOverride().toStdString());
    return candidates;
  }
  const QString beside = QCoreApplication::applicationDirPath() + "/../share/noyalis/" + kIsotopeListName;
  candidates.push_back(QDir::cleanPath(beside).toStdString());
  candidates.push_back((QString(NOYALIS_DATA_DIR) + '/' + kIsotopeListName).toStdString());
  return candidates;
}

// The list file's 8-bit Western text.
QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

int LatticePointSize(std::int32_t side) {
  return side <= 40 ? 3 : 1;
}

// A lattice point: a disc of point size [px] (its radius beyond the centre pixel, 2 × size + 1
// across) drawn once into a pixmap, so that a redraw of 20 000 points copies pixels instead of
// stroking 20 000 ellipses.
QCPScatterStyle LatticeDisc(int size, QColor colour) {
  const int across = 2 * size + 1;
  QPixmap disc(across, across);
  disc.fill(Qt::transparent);
  QPainter painter(&disc);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(QRectF(0, 0, across, across));
  painter.end();
  return QCPScatterStyle(disc);
}

platform::Chart* CurveChart(QWidget* parent, const char* name, QRect geometry) {
  auto* chart = new platform::Chart(parent, name, geometry);
  chart->setTitleLine(0, QString::fromUtf8("Nombre de noyaux radioactifs en fonction du temps"));
  chart->setLegendVisible(false);
  platform::Chart::setWholeNumberTicks(chart->xAxis);
  return chart;
}

}  // namespace

void TForm8::setInstalledIsotopeList(const QString& path) {
  InstalledListOverride() = path;
}

TForm8::TForm8(QWidget* parent) : ScreenBase(parent, "TForm8") {
  setWindowTitle("Population de noyaux radioactifs");
  setBackgroundPicture(":/pictures/population_background.svg");

  Label12 = addCaption("Label12", "Radioactivité : Désintégrations", 230, 6, 24, true);
  BitBtn2 = platform::MakePictureButton(this, "BitBtn2", ":/pictures/glyph_back.svg", {}, 0, 0, 45, 40,
                                        "Retour au menu précédent");

  Chart1 = new platform::Chart(this, "Chart1", {8, 44, 384, 344});
  Chart1->setTitleLine(0, "Position des noyaux radioactifs");
  Chart1->setToolTip(QString::fromUtf8(
      "Au départ tous les noyaux rouge sont radioactifs, aprés désintégration, ils sont verts"));
  Chart1->setLegendVisible(false);
  Chart1->xAxis->setVisible(false);
  Chart1->yAxis->setVisible(false);
  Series1 = Chart1->addPoints("Series1", {}, QCPScatterStyle::ssDisc, 3, Qt::red, Qt::red);
  Series2 = Chart1->addPoints("Series2", {}, QCPScatterStyle::ssDisc, 3, kDecayedGreen, kDecayedGreen);
  // The isotope's name stands in a strip over the lattice, clear of its top row.
  const QRect isotopeStrip = Chart1->reserveNoteStrip(Qt::TopEdge, kNoteStripHeight);
  Edit12 = platform::MakeEdit(Chart1, "Edit12", isotopeStrip.right() - 84, isotopeStrip.y() + 1, 78,
                              QString(kCaesiumLabel));

  Chart2 = CurveChart(this, "Chart2", {400, 44, 392, 344});
  Series3 =
      platform::AddEdgePoints(Chart2, "Series3", QCPScatterStyle::ssDisc, kCurvePointSize, Qt::red, Qt::red);
  // The time unit reads in the curves' axis title; its captions keep the name, out of sight.
  Label15 = platform::MakeLabel(Chart2, "Label15", {}, 300, 296);
  Label15->hide();
  // Edit3 lies on the screen over the linear curve's count strip; the semi-log chart, when shown,
  // covers it with its own.
  const QRect countStrip = Chart2->reserveNoteStrip(Qt::TopEdge, kNoteStripHeight).translated(Chart2->pos());
  Edit3 = platform::MakeEdit(this, "Edit3", countStrip.right() - 80, countStrip.y() + 1, 74);
  Edit3->setToolTip(QString::fromUtf8("nb de noyaux présents"));
  Chart3 = CurveChart(this, "Chart3", {400, 44, 392, 344});
  Series4 =
      platform::AddEdgePoints(Chart3, "Series4", QCPScatterStyle::ssDisc, kCurvePointSize, Qt::red, Qt::red);
  Chart3->setLogarithmic(Chart3->yAxis, true);
  Label14 = platform::MakeLabel(Chart3, "Label14", {}, 300, 296);
  Label14->hide();
  const QRect semiLogStrip = Chart3->reserveNoteStrip(Qt::TopEdge, kNoteStripHeight);
  Edit11 = platform::MakeEdit(Chart3, "Edit11", semiLogStrip.right() - 80, semiLogStrip.y() + 1, 74);
  Edit11->setToolTip(QString::fromUtf8("nb de noyaux présents"));
  Chart3->hide();

  StringGrid2 = new StringGrid(this, "StringGrid2", {112}, kUnitGridRows, kGridRowHeight, {8, 394, 116, 202},
                               QString::fromUtf8("Choisissez une unité de temps"));
  StringGrid1 =
      new StringGrid(this, "StringGrid1", {49, 49, 95}, kAtomGridRows, kGridRowHeight, {132, 394, 213, 202},
                     QString::fromUtf8("Sélectionnez un atome dans la 1ère colonne"));
  Edit7 = new QLineEdit(StringGrid1);
  Edit7->setObjectName("Edit7");
  Edit7->setToolTip(QString::fromUtf8("Valeur à saisir au clavier, avec une virgule en séparateur décimal"));
  setLambdaRefused(std::nullopt);
  platform::WatchFocusLeave(Edit7, platform::FocusLeave::AnyLoss, [this] { Edit7Exit(); });
  Edit7->hide();

  Taille = addCaption("Taille", "Taille du réseau", 356, 398);
  SpinEdit3 = new platform::SpinEdit(this, "SpinEdit3", kMinSide, kMaxSide, 1, kDefaultSide);
  SpinEdit3->setGeometry(356, 416, 70, 24);
  SpinEdit3->setToolTip("entre 5 et 100");
  Label2 = addCaption("Label2", "t", 356, 450, 16, true);
  Label3 = addCaption("Label3", "Durée totale", 356, 496);
  SpinEdit2 = new platform::SpinEdit(this, "SpinEdit2", kMinDuration, kMaxDuration, 1, kDefaultDuration);
  SpinEdit2->setGeometry(356, 514, 70, 24);
  SpinEdit2->setToolTip("entre 10 et 1000");
  Label11 = addCaption("Label11", "année", 432, 518);

  RadioGroup2 = new platform::RadioGroup(this, "RadioGroup2", "son", {"oui", "non"}, 2, 1);
  RadioGroup2->setGeometry(540, 394, 116, 46);
  RadioGroup2->setToolTip("son possible pour les tailles < 11");
  RadioGroup1 = new platform::RadioGroup(this, "RadioGroup1", QString::fromUtf8("Tracé"),
                                         {QString::fromUtf8("Linéaire"), "Semi-log"}, 1, 0);
  RadioGroup1->setGeometry(540, 448, 116, 66);
  for (QWidget* group : std::initializer_list<QWidget*>{RadioGroup1, RadioGroup2})
    group->setStyleSheet("QGroupBox, QRadioButton { color: yellow; }");
  BitBtn1 = platform::MakePictureButton(
      this, "BitBtn1", ":/pictures/glyph_start.svg", {}, 666, 394, 124, 42,
      QString::fromUtf8("Départ de la simulation, (ESC pour arret, Pause pour pause)"));
  BitBtn3 = platform::MakePictureButton(this, "BitBtn3", ":/pictures/glyph_print.svg", "Page", 666, 446, 80,
                                        36, "Impression");
  BitBtn7 = platform::MakePictureButton(this, "BitBtn7", ":/pictures/glyph_export.svg", {}, 752, 446, 38, 36,
                                        "Exporte  fichier texte");

  // No default button: Enter confirms the value it was typed into and starts nothing.
  for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, BitBtn7}) button->setAutoDefault(false);

  connect(BitBtn1, &QPushButton::clicked, this, &TForm8::Button1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm8::FinClick);
  connect(BitBtn3, &QPushButton::clicked, this, &TForm8::ImpressionClick);
  connect(BitBtn7, &QPushButton::clicked, this, &TForm8::BitBtn7Click);
  connect(StringGrid1, &StringGrid::mouseUp, this, &TForm8::StringGrid1MouseUp);
  connect(StringGrid2, &StringGrid::mouseUp, this, &TForm8::StringGrid2MouseUp);
  connect(RadioGroup1, &platform::RadioGroup::itemIndexChanged, this, &TForm8::RadioGroup1Click);
  connect(SpinEdit3, &QSpinBox::textChanged, this, &TForm8::SpinEdit3Change);
  connect(SpinEdit3, &QAbstractSpinBox::editingFinished, this, &TForm8::SpinEdit3Exit);
  connect(Edit7, &QLineEdit::returnPressed, this, [this] { BitBtn1->setFocus(); });
  // A new value is not yet refused.
  connect(Edit7, &QLineEdit::textEdited, this, [this] { setLambdaRefused(std::nullopt); });
  for (platform::Chart* chart : {Chart2, Chart3})
    connect(chart, &platform::Chart::seriesPointClicked, this,
            [this](QCPAbstractPlottable* series, int, double x, double y, Qt::MouseButton button) {
              Chart2ClickSeries(series, x, y, button);
            });

  init0();
}

void TForm8::init0() {
  platform::ApplyLanguage(this, kTexts, platform::LanguageCode());
  init();
}

void TForm8::init() {
  PopulationState& state = Population();
  state.selectedAtom = 1;
  Edit7->clear();
  state.side = SpinEdit3->Value();
  state.alive = state.side * state.side;
  fillUnitGrid();
  state.selectedUnit = 1;
  fillAtomGrid();
  maj();
  readIsotopeList();
  state.lambdaInUse = static_cast<double>(state.atoms[state.selectedAtom].lambda);
  BitBtn1->setFocus();
  setCurveRanges(SpinEdit2->Value(), state.alive);
  platform::Chart::clear(Series3);
  platform::Chart::addPoint(Series3, 0, state.alive);
  Edit12->setText(kCaesiumLabel);
  for (std::int32_t i = 1; i <= state.side; ++i)
    for (std::int32_t j = 1; j <= state.side; ++j) state.cell(i, j) = 1;
  drawFullLattice(state.side);
  Chart1->replot();
  Chart2->replot();
}

void TForm8::fillUnitGrid() {
  const QString code = platform::LanguageCode();
  StringGrid2->setCellText(0, 0, UnitHeader(code));
  const QStringList names = UnitNames(code);
  for (int u = 1; u <= kUnitCount; ++u) StringGrid2->setCellText(u, 0, names[u - 1]);
  showUnit(names[0]);
}

void TForm8::fillAtomGrid() {
  PopulationState& state = Population();
  ResetAtomTable(state);
  const QStringList headers = AtomHeaders(platform::LanguageCode());
  for (int c = 0; c < 3; ++c) StringGrid1->setCellText(0, c, headers[c]);
  StringGrid1->clearRows();
  const char separator = platform::DecimalSeparator();
  StringGrid1->setCellText(1, 0, kCaesiumSymbol);
  StringGrid1->setCellText(1, 1, QString::number(kCaesiumMass));
  StringGrid1->setCellText(1, 2, QString::fromStdString(LambdaGridText(kCaesiumLambda, separator)));
  // Row 1 is taken back from what the grid shows, so caesium's λ is the four-digit 7.285E-10.
  const std::optional<long double> lambda = ParseLambdaEntry(StringGrid1->cellText(1, 2).toStdString());
  state.atoms[1] = {StringGrid1->cellText(1, 0).toStdString(), StringGrid1->cellText(1, 1).toInt(),
                    lambda.value_or(kCaesiumLambda)};
}

void TForm8::readIsotopeList() {
  PopulationState& state = Population();
  const bool read = platform::Guarded(this, [&] {
    try {
      const std::vector<std::string> candidates = IsotopeListCandidates();
      const std::optional<std::string> path = FindIsotopeList(candidates);
      if (!path) {
        std::string where;
        for (const std::string& c : candidates) where += "\n" + c;
        throw IsotopeListError(IsotopeListProblem::NotFound, kIsotopeListName, 0, where);
      }
      SetIsotopeList(state, ReadIsotopeList(*path));
    } catch (const IsotopeListError& e) {  // told in the screen's language
      throw kernel::Error(IsotopeListMessage(e, platform::LanguageCode().toStdString()));
    }
  });
  if (!read) ResetAtomTable(state);  // caesium-137 alone
  const char separator = platform::DecimalSeparator();
  for (std::int32_t row = 2; row < state.NewAtomRow && row < kAtomGridRows; ++row) {
    const AtomRow& atom = state.atoms[row];
    StringGrid1->setCellText(row, 0, Latin1(atom.symbol));
    StringGrid1->setCellText(row, 1, QString::number(atom.mass));
    StringGrid1->setCellText(row, 2, QString::fromStdString(LambdaGridText(atom.lambda, separator)));
  }
  // The λ entry sits over the third cell of NewAtomRow; below the grid's rows it cannot be shown.
  if (state.NewAtomRow < kAtomGridRows) {
    // The grid shows its cell widgets whenever it scrolls them into view; the entry's own
    // visibility, inside a bare holder, stays the screen's choice.
    auto* holder = new QWidget;
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Edit7);
    StringGrid1->setCellWidgetAt(state.NewAtomRow, 2, holder);
    Edit7->hide();
  }
}

void TForm8::drawFullLattice(std::int32_t side) {
  Chart1->setFixedRange(Chart1->xAxis, 0, side + 1);
  Chart1->setFixedRange(Chart1->yAxis, 0, side + 1);
  const int size = LatticePointSize(side);
  Series1->setScatterStyle(LatticeDisc(size, Qt::red));
  Series2->setScatterStyle(LatticeDisc(size, kDecayedGreen));
  for (QCPGraph* series : {Series1, Series2}) platform::Chart::clear(series);
  std::vector<double> x, y;
  x.reserve(static_cast<std::size_t>(side * side));
  y.reserve(x.capacity());
  for (std::int32_t i = 1; i <= side; ++i)
    for (std::int32_t j = 1; j <= side; ++j) {
      x.push_back(i);
      y.push_back(j);
    }
  platform::Chart::setData(Series1, x, y);
}

QString TForm8::unitName() const {
  return StringGrid2->cellText(Population().selectedUnit, 0);
}

void TForm8::maj() {
  UpdateStepProbability(Population());
  showUnit(unitName());
}

void TForm8::showUnit(const QString& name) {
  for (QLabel* label : {Label11, Label15, Label14}) label->setText(name);
  for (platform::Chart* chart : {Chart2, Chart3}) {
    chart->setAxisTitles(QString("t (%1)").arg(name), "N");
    chart->replot();
  }
}

void TForm8::setCurveRanges(std::int32_t duration, double n0) {
  Chart2->setFixedRange(Chart2->xAxis, 0, duration);
  Chart2->setFixedRange(Chart2->yAxis, 0, n0);
  Chart3->setFixedRange(Chart3->xAxis, 0, duration);
  Chart3->setFixedRange(Chart3->yAxis, kSemiLogFloor, n0);
}

void TForm8::setCountFields(const QString& text) {
  Edit3->setText(text);
  Edit11->setText(text);
}

void TForm8::RadioGroup1Click() {
  if (isRunning()) return;  // the plot choice is hidden during a run
  resetCurves();
}

// Both curves back to (0, N²) for the size in the box, the one the plot choice names shown.
void TForm8::resetCurves() {
  PopulationState& state = Population();
  state.side = SpinEdit3->Value();
  state.alive = state.side * state.side;
  platform::Chart::clear(Series3);
  platform::Chart::clear(Series4);
  setCurveRanges(SpinEdit2->Value(), state.alive);
  const bool semiLog = RadioGroup1->ItemIndex() == 1;
  Chart3->setVisible(semiLog);
  Chart2->setVisible(!semiLog);
  setCountFields({});
  platform::Chart::addPoint(Series3, 0, state.alive);
  platform::Chart::addPoint(Series4, 0, state.alive);
  Chart2->replot();
  Chart3->replot();
}

void TForm8::SpinEdit3Change() {
  RadioGroup2->setVisible(SpinEdit3->Value() <= kMaxSideWithSound);
}

void TForm8::SpinEdit3Exit() {
  if (isRunning()) return;
  PopulationState& state = Population();
  state.side = SpinEdit3->Value();
  state.alive = state.side * state.side;
}

// What a run reads at its start stays as it was until the run ends; a second start is ignored.
void TForm8::Button1Click() {
  const RunLocks locks{
      .disabled = {SpinEdit2, SpinEdit3, StringGrid1, StringGrid2, RadioGroup2, BitBtn3, BitBtn7},
      .hidden = {RadioGroup1}};
  runExclusive(locks, [&] {
    resetCurves();
    maj();
    showLambdaInUse();
    const RunInputs inputs{SpinEdit3->Value(), SpinEdit2->Value(), RadioGroup2->ItemIndex() == 0,
                           unitName().toStdString(), Edit12->text().toStdString()};
    RunDecay(Population(), inputs, *this, pump(), seams_);
  });
}

void TForm8::runStarted(std::int32_t side, std::int32_t duration) {
  const double n0 = static_cast<double>(side) * side;
  drawFullLattice(side);
  setCurveRanges(duration, n0);
  for (QCPGraph* series : {Series3, Series4}) {
    platform::Chart::clear(series);
    platform::Chart::addPoint(series, 0, n0);
  }
  setCountFields(QString::number(side * side));
  Label2->setText("t");
  for (platform::Chart* chart : {Chart1, Chart2, Chart3}) chart->replot();
  pump().yieldStage();
}

void TForm8::nucleusDecayed(std::int32_t i, std::int32_t j) {
  // The lattice grows by the decayed nuclei drawn over the red ones; it is never rebuilt.
  Series2->addData(i, j);
}

void TForm8::stepDone(std::int32_t t, std::int32_t alive) {
  Label2->setText("t =    " + QString::number(t));
  setCountFields(QString::number(alive));
  Series3->addData(t, alive);
  if (alive > 0) Series4->addData(t, alive);  // the log scale has no place for 0
  // Drawn when the event loop next runs, once for all that changed in the step; the hidden curve
  // is drawn when the plot choice shows it.
  for (platform::Chart* chart : {Chart1, Chart2, Chart3})
    if (chart->isVisible()) chart->replot(QCustomPlot::rpQueuedReplot);
}

void TForm8::click() {
  platform::MakeSound(kClickFrequencyHz, kClickDurationMs, kClickVolume, kClickTwoPi);
}

void TForm8::StringGrid1MouseUp(int row) {
  if (isRunning() || row < 0) return;
  PopulationState& state = Population();
  state.selectedAtom = row < 1 ? 1 : row;
  Edit7->setVisible(state.selectedAtom == state.NewAtomRow);
  Edit12->setText(Latin1(IsotopeLabel(state, state.selectedAtom)));
}

void TForm8::Edit7Exit() {
  if (isRunning()) return;
  PopulationState& state = Population();
  if (state.selectedAtom == state.NewAtomRow) {
    const QString text = Edit7->text();
    const std::optional<long double> lambda = ParseLambdaEntry(text.toStdString());
    if (!lambda) {
      // λ and the step probability stay as they were, and the entry shows that its value is not
      // in use. The refusal is told once: not again each time the entry is left unchanged, nor
      // when the message box itself takes the focus from the entry.
      if (refusedText_ == text) return;
      setLambdaRefused(text);
      platform::Messages().error(this, QString::fromStdString(LambdaEntryError(text.toStdString())));
      return;
    }
    state.atoms[state.NewAtomRow].lambda = *lambda;
    setLambdaRefused(std::nullopt);
  } else {
    Edit7->hide();
  }
  maj();
}

void TForm8::setLambdaRefused(const std::optional<QString>& text) {
  refusedText_ = text;
  QFont font = Edit7->font();
  font.setStrikeOut(text.has_value());
  Edit7->setFont(font);
  Edit7->setStyleSheet(
      QString("background-color: %1;%2").arg(kLightCyan.name(), text ? " color: #a00000;" : ""));
}

// After a refusal, or with nothing typed, the entry shows the λ a run of its row uses.
void TForm8::showLambdaInUse() {
  const PopulationState& state = Population();
  if (state.selectedAtom != state.NewAtomRow || (!refusedText_ && !Edit7->text().trimmed().isEmpty())) return;
  QString shown = QString::number(state.lambdaInUse, 'g', QLocale::FloatingPointShortest);
  Edit7->setText(shown.replace(u'.', QChar(platform::DecimalSeparator())));
  setLambdaRefused(std::nullopt);
}

void TForm8::StringGrid2MouseUp(int row) {
  if (isRunning() || row < 0) return;
  Population().selectedUnit = row < 1 ? 1 : row;
  maj();
  BitBtn1->setFocus();
}

void TForm8::Chart2ClickSeries(QCPAbstractPlottable* series, double t, double n, Qt::MouseButton button) {
  if (button != Qt::RightButton) return;
  const PopulationState& state = Population();
  // No is the curve's own first point, N² of the run it shows, whatever the size box says now.
  const QCPPlottableInterface1D* points = series->interface1D();
  const long double n0 = points && points->dataCount() > 0 ? points->dataMainValue(0) : 0;
  platform::Messages().information(this, QString::fromStdString(CurvePointMessage(
                                             t, unitName().toStdString(), state.selectedUnit, n, n0)));
}

void TForm8::BitBtn7Click() {
  if (isRunning()) return;
  const ExportHeader idle{unitName().toStdString(), Edit12->text().toStdString(), Population().alive};
  platform::SaveResultsFile(this, PopulationExportFileName(platform::Clock().localNow()),
                            [&](const std::string& path) { SavePopulationExport(path, Population(), idle); });
}

void TForm8::ImpressionClick() {
  printUnlessRunning();
}

void TForm8::FinClick() {
  closeScreen();
}

bool TForm8::FormKeyDown(int key, Qt::KeyboardModifiers) {
  switch (key) {
    case Qt::Key_Pause:
      QApplication::beep();
      platform::Messages().information(this, "Pause utilisateur");
      return true;
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      QApplication::beep();
      stopRun();
      platform::Messages().information(this, "Arret utilisateur");
      return key == Qt::Key_Escape;  // Delete still reaches the control that has the focus
    default:
      return false;
  }
}
