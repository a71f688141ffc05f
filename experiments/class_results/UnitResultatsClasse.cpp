#include "experiments/class_results/UnitResultatsClasse.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>

#include "experiments/class_results/class_file_chooser.h"
#include "experiments/class_results/class_results_constants.h"
#include "experiments/class_results/class_results_file.h"
#include "experiments/class_results/class_results_sentences.h"
#include "experiments/class_results/class_results_texts.h"
#include "experiments/class_results/class_table.h"
#include "experiments/counting_statistics/gauss_or_poisson_sentences.h"
#include "platform/accessibility.h"
#include "platform/chart.h"
#include "platform/error_boundary.h"
#include "platform/language.h"
#include "platform/radio_group.h"
#include "platform/results_file_save.h"
#include "platform/services.h"
#include "platform/spin_edit.h"
#include "platform/widgets.h"

using namespace noyalis;
using namespace noyalis::class_results;
using platform::FixedText;

namespace {

constexpr QColor kPaleNote{255, 255, 204};
constexpr QColor kNavy{0, 0, 128};
constexpr QColor kIntervalBarFill{255, 160, 160};
constexpr int kSmallCaptionPx = 11;
constexpr int kDefaultClassWidthUs = 100;
constexpr int kClassWidthStepUs = 10;
// The four result boxes under the chart, and their captions above them [px].
constexpr int kResultX[4] = {405, 502, 599, 696};
constexpr int kResultWidth = 92;
constexpr long double kSmallestPValueShown = 0.0001L;
constexpr int kPValueDecimals = 4;
const QString kNone = QStringLiteral("—");

// A sentence in a pale box, black on pale yellow, wrapped to its width.
QLabel* MakeNote(QWidget* parent, const char* name, QRect box) {
  QLabel* note = platform::MakeLabel(parent, name, {}, box, Qt::black, kSmallCaptionPx + 1,
                                     Qt::AlignLeft | Qt::AlignVCenter);
  note->setWordWrap(true);
  note->setAutoFillBackground(true);
  QPalette palette = note->palette();
  palette.setColor(QPalette::Window, kPaleNote);
  note->setPalette(palette);
  note->setMargin(3);
  return note;
}

QString Integer(std::int64_t v) {
  return QString::number(v);
}

QString PValueText(long double p) {
  if (p < kSmallestPValueShown) return "< " + FixedText(kSmallestPValueShown, kPValueDecimals);
  return FixedText(p, kPValueDecimals);
}

QString NameOf(const ResultsFile& file) {
  return QFile::decodeName(QByteArray::fromStdString(file.name));
}

// A button's caption without its ellipsis: the title of the dialog it opens.
QString DialogTitle(const QPushButton* button) {
  QString title = button->text();
  if (title.endsWith(u'…')) title.chop(1);
  return title;
}

QStringList Titles(const char* const (&titles)[kTableColumns]) {
  QStringList list;
  for (const char* t : titles) list << QString::fromUtf8(t);
  return list;
}

std::string Code() {
  return platform::LanguageCode().toStdString();
}

// The law's verdict on the pooled counts, with its p-value when it could be tested.
QString Verdict(counting_statistics::CountLaw law, const counting_statistics::LawFit& fit,
                std::int64_t measurements) {
  QString text =
      QString::fromStdString(counting_statistics::LawSentence(law, fit.outcome, measurements, Code()));
  if (fit.testable())
    text += (fit.pValue < kSmallestPValueShown ? "  p " : "  p = ") + PValueText(fit.pValue);
  return text;
}

// The local files of a drag: the folders and files dropped on the screen.
QStringList LocalPaths(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  return paths;
}

}  // namespace

TForm10::TForm10(QWidget* parent) : ScreenBase(parent, "TForm10") {
  setWindowTitle(QString::fromUtf8("Résultats de la classe"));
  setBackgroundPicture(":/pictures/lab_background.svg");
  setAcceptDrops(true);

  // Top row: return, the two ways of choosing files, an empty list, the kind pooled, Page, save.
  BitBtn2 = platform::MakePictureButton(this, "BitBtn2", ":/pictures/glyph_back.svg", {}, 0, 0, 45, 40,
                                        QString::fromUtf8("Retour au menu précédent"));
  Button1 = platform::MakeButton(this, "Button1", QString::fromUtf8("Ouvrir un dossier…"), 52, 5, 140, 30);
  Button3 =
      platform::MakeButton(this, "Button3", QString::fromUtf8("Choisir des fichiers…"), 196, 5, 140, 30);
  Button4 = platform::MakeButton(this, "Button4", "Vider la liste", 340, 5, 100, 30);
  RadioGroup1 = new platform::RadioGroup(this, "RadioGroup1", "Regroupement",
                                         {QString::fromUtf8("Activité"), "Intervalles"}, 2, 0);
  RadioGroup1->setGeometry(444, 0, 216, 44);
  RadioGroup1->setColours(kNavy, Qt::yellow, Qt::white);
  BitBtn11 = platform::MakePictureButton(this, "BitBtn11", ":/pictures/glyph_print.svg", "Page", 664, 4, 80,
                                         36, "Impression");
  BitBtn7 = platform::MakePictureButton(this, "BitBtn7", ":/pictures/glyph_save.svg", {}, 750, 4, 45, 36,
                                        QString::fromUtf8("Enregistrer les résultats de la classe"));
  buildLeftColumn();
  buildRightColumn();

  connect(BitBtn2, &QPushButton::clicked, this, &TForm10::FinClick);
  connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
  connect(Button3, &QPushButton::clicked, this, &TForm10::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm10::Button4Click);
  connect(BitBtn11, &QPushButton::clicked, this, &TForm10::BitBtn11Click);
  connect(BitBtn7, &QPushButton::clicked, this, &TForm10::Sauve);
  connect(RadioGroup1, &platform::RadioGroup::itemIndexChanged, this, &TForm10::RadioGroup1Click);
  connect(SpinEdit1, &QSpinBox::valueChanged, this, &TForm10::SpinEdit1Change);
  connect(StringGrid1, &ClassTable::tickChanged, this, [this](std::size_t file, bool ticked) {
    results_.setTicked(file, ticked);
    platform::Guarded(this, [&] { Trace(); });
  });

  Init();
}

void TForm10::buildLeftColumn() {
  // The class table, the test of one common mean under it, and the files left out.
  Label1 = addCaption("Label1", "Fichiers de la classe : cocher ceux à regrouper", 8, 46);
  StringGrid1 = new ClassTable(this, "StringGrid1", {5, 64, 390, 248});
  addCaption("Label2", QString::fromUtf8("χ² moyenne commune"), 8, 316, kSmallCaptionPx);
  Edit1 = platform::MakeEdit(this, "Edit1", 5, 331, 125);
  addCaption("Label3", QString::fromUtf8("Degrés de liberté"), 140, 316, kSmallCaptionPx);
  Edit2 = platform::MakeEdit(this, "Edit2", 140, 331, 105);
  addCaption("Label4", QString::fromUtf8("Probabilité p"), 260, 316, kSmallCaptionPx);
  Edit3 = platform::MakeEdit(this, "Edit3", 260, 331, 135);
  Label5 = MakeNote(this, "Label5", {5, 356, 390, 38});
  Label6 = addCaption("Label6", QString::fromUtf8("Fichiers écartés"), 8, 398);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(5, 416, 390, 152);
  ListBox1->setWordWrap(true);
  Label7 = addCaption("Label7", "Lecture en cours", 8, 574);
  Label7->hide();
}

void TForm10::buildRightColumn() {
  Chart1 = new platform::Chart(this, "Chart1", {400, 46, 395, 318});
  Chart1->setTitleLine(0, QString::fromUtf8("Histogramme regroupé de la classe"));
  const platform::Chart::CountHistogram histogram = Chart1->addCountHistogram();
  Series1 = histogram.measured, Series2 = histogram.poisson, Series3 = histogram.gauss;
  Series4 = Chart1->addBars("Series4", "Intervalles", QPen(Qt::red), QBrush(kIntervalBarFill));
  Series5 = Chart1->addLine("Series5", QString::fromUtf8("Loi exponentielle ajustée"), Qt::blue, 2);
  Chart1->placeLegendBesidePlot();

  // The pool's figures: four boxes with captions of each kind.
  const char* activityCaptions[][2] = {
      {"Label8", "Mesures"}, {"Label9", "Moyenne"}, {"Label10", "Ecart type"}, {"Label11", "√Moyenne"}};
  const char* intervalCaptions[][2] = {{"Label12", "Intervalles"},
                                       {"Label13", "Moyenne (µs)"},
                                       {"Label14", "1/Moyenne (s⁻¹)"},
                                       {"Label15", "Taux ajusté (s⁻¹)"}};
  QLineEdit** boxes[] = {&Edit4, &Edit5, &Edit6, &Edit7};
  for (int i = 0; i < 4; ++i) {
    activityOnly_.push_back(addCaption(activityCaptions[i][0], QString::fromUtf8(activityCaptions[i][1]),
                                       kResultX[i], 368, kSmallCaptionPx));
    intervalsOnly_.push_back(addCaption(intervalCaptions[i][0], QString::fromUtf8(intervalCaptions[i][1]),
                                        kResultX[i], 368, kSmallCaptionPx));
    *boxes[i] = platform::MakeEdit(this, QString("Edit%1").arg(4 + i), kResultX[i], 383, kResultWidth);
  }

  // Activity: the answer to "Gauss ou Poisson ?" on the pooled counts, and what p means.
  Label16 = MakeNote(this, "Label16", {405, 410, 390, 40});
  Label17 = MakeNote(this, "Label17", {405, 454, 390, 40});
  Label18 = MakeNote(this, "Label18", {405, 498, 390, 56});
  activityOnly_.insert(activityOnly_.end(), {Label16, Label17, Label18});

  // Intervals: the fit's r² and the class width of the pooled histogram.
  intervalsOnly_.push_back(
      addCaption("Label19", QString::fromUtf8("r² de l'ajustement"), kResultX[0], 410, kSmallCaptionPx));
  Edit8 = platform::MakeEdit(this, "Edit8", kResultX[0], 425, kResultWidth);
  intervalsOnly_.push_back(Edit8);
  intervalsOnly_.push_back(addCaption("Label20", QString::fromUtf8("Largeur des classes (µs)"), kResultX[2],
                                      410, kSmallCaptionPx));
  SpinEdit1 = new platform::SpinEdit(this, "SpinEdit1", kMinClassWidthUs, kMaxClassWidthUs, kClassWidthStepUs,
                                     kDefaultClassWidthUs);
  SpinEdit1->setGeometry(kResultX[2], 425, kResultWidth, 24);
  SpinEdit1->setKeyboardTracking(false);  // a width typed in counts once confirmed
  SpinEdit1->setToolTip("entre 10 et 1000 µs");
  intervalsOnly_.push_back(SpinEdit1);
}

void TForm10::Init() {
  platform::ApplyLanguage(this, kTexts, platform::LanguageCode());
  showKind();
  platform::Guarded(this, [&] { Trace(); });
}

void TForm10::showKind() {
  const bool activity = results_.pooledKind() == ResultsKind::Activity;
  for (QWidget* w : activityOnly_) w->setVisible(activity);
  for (QWidget* w : intervalsOnly_) w->setVisible(!activity);
  for (QCPAbstractPlottable* s : std::initializer_list<QCPAbstractPlottable*>{Series1, Series2, Series3}) {
    s->setVisible(activity);
    activity ? s->addToLegend() : s->removeFromLegend();
  }
  for (QCPAbstractPlottable* s : std::initializer_list<QCPAbstractPlottable*>{Series4, Series5}) {
    s->setVisible(!activity);
    activity ? s->removeFromLegend() : s->addToLegend();
  }
  const ScreenWords& words = WordsFor(platform::LanguageCode());
  const auto& axes = activity ? words.activityAxes : words.intervalAxes;
  Chart1->xAxis->setLabel(QString::fromUtf8(axes[0]));
  Chart1->yAxis->setLabel(QString::fromUtf8(axes[1]));
  StringGrid1->setTitles(Titles(activity ? words.activityColumns : words.intervalColumns),
                         QString::fromUtf8(words.markHint));
  // The boxes under the chart are named after the captions of the kind on show.
  const std::vector<QWidget*>& captions = activity ? activityOnly_ : intervalsOnly_;
  QLineEdit* boxes[] = {Edit4, Edit5, Edit6, Edit7};
  for (int i = 0; i < 4; ++i) boxes[i]->setAccessibleName(static_cast<QLabel*>(captions[i])->text());
  platform::MakeAccessible(this);
}

void TForm10::Trace() {
  if (results_.pooledKind() == ResultsKind::Activity)
    traceActivity();
  else
    traceIntervals();
  traceLeftOut();
  Chart1->redraw();
}

void TForm10::traceActivity() {
  const ActivityClass c = results_.activityClass();
  std::vector<ClassTableRow> rows;
  for (const ActivityRow& r : c.rows)
    rows.push_back(tableRow(r, FixedText(r.mean, 2), FixedText(r.deviation, 3)));
  const bool pooled = c.measurements > 0;
  traceClass(
      rows, c.test, pooled,
      {Integer(c.measurements), FixedText(c.mean, 2), FixedText(c.deviation, 3), FixedText(c.sqrtMean, 3)});
  platform::Chart::setData(Series1, c.chart.barX, c.chart.barY);
  platform::Chart::setData(Series2, c.chart.referenceX, c.chart.poisson);
  platform::Chart::setData(Series3, c.chart.referenceX, c.chart.gauss);
  using counting_statistics::CountLaw;
  Label16->setText(pooled ? Verdict(CountLaw::Poisson, c.answer.poisson, c.measurements) : QString());
  Label17->setText(pooled ? Verdict(CountLaw::Gauss, c.answer.gauss, c.measurements) : QString());
  Label18->setText(pooled ? QString::fromStdString(counting_statistics::PValueNote(Code())) : QString());
}

void TForm10::traceIntervals() {
  const IntervalClass c = results_.intervalClass();
  std::vector<ClassTableRow> rows;
  for (const IntervalRow& r : c.rows)
    rows.push_back(tableRow(r, FixedText(r.meanUs, 1), FixedText(r.ratePerSecond, 2)));
  const bool pooled = c.measurements > 0;
  traceClass(rows, c.test, pooled,
             {Integer(c.measurements), FixedText(c.meanUs, 1), FixedText(c.ratePerSecond, 2),
              c.fittedRate ? FixedText(*c.fittedRate, 2) : kNone});
  Edit8->setText(!pooled ? QString() : c.fittedRate ? FixedText(c.fit->r2, 5) : kNone);
  Series4->setWidth(c.classWidthUs / 1000.0);  // one class wide [ms]
  platform::Chart::setData(Series4, c.bars.x, c.bars.y);
  platform::Chart::setData(Series5, c.curve.x, c.curve.y);
}

ClassTableRow TForm10::tableRow(const ClassRow& row, const QString& first, const QString& second) const {
  return {row.file,
          NameOf(results_.files()[row.file]),
          row.pooled,
          Integer(row.measurements),
          first,
          second,
          row.standardErrors ? FixedText(*row.standardErrors, 2) : QString(),
          row.marked};
}

void TForm10::traceClass(const std::vector<ClassTableRow>& rows, const CommonMeanTest& test, bool pooled,
                         const std::array<QString, 4>& figures) {
  StringGrid1->showRows(rows);
  traceTest(test);
  QLineEdit* boxes[] = {Edit4, Edit5, Edit6, Edit7};
  for (std::size_t i = 0; i < figures.size(); ++i) boxes[i]->setText(pooled ? figures[i] : QString());
}

void TForm10::traceTest(const CommonMeanTest& test) {
  const bool tested = test.outcome != counting_statistics::TestOutcome::NotTestable;
  Edit1->setText(tested ? FixedText(test.chiSquare, 2) : kNone);
  Edit2->setText(tested ? Integer(test.degreesOfFreedom) : kNone);
  Edit3->setText(tested ? PValueText(test.pValue) : kNone);
  Label5->setText(QString::fromStdString(CommonMeanSentence(test.outcome, Code())));
}

void TForm10::traceLeftOut() {
  ListBox1->clear();
  for (const ResultsFile& file : results_.files()) {
    std::string reason;
    if (const FileProblem* problem = ProblemOf(file))
      reason = ProblemSentence(*problem, Code());
    else if (const auto kind = KindOf(file); kind && *kind != results_.pooledKind())
      reason = OtherKindSentence(*kind, Code());
    else
      continue;
    ListBox1->addItem(NameOf(file) + QString::fromUtf8(" — ") + QString::fromStdString(reason));
  }
}

void TForm10::ReadFiles(const QStringList& chosen) {
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(QFile::encodeName(path).toStdString());
  runExclusive(
      {.disabled = {Button1, Button3, Button4, RadioGroup1, SpinEdit1, StringGrid1, BitBtn7, BitBtn11},
       .shown = {Label7}},
      [&] {
        pump().yieldStage();  // "Lecture en cours" shows before the first file
        const bool widthKnown = results_.classWidthUs() > 0;
        results_.add(PathsToRead(paths), &pump());
        if (!widthKnown && results_.classWidthUs() > 0) {
          const QSignalBlocker quiet(SpinEdit1);  // the width the first interval file states
          SpinEdit1->setValueClamped(results_.classWidthUs());
        }
        Trace();
      });
}

void TForm10::RadioGroup1Click() {
  results_.setPooledKind(RadioGroup1->ItemIndex() == 0 ? ResultsKind::Activity : ResultsKind::Intervals);
  showKind();
  platform::Guarded(this, [&] { Trace(); });
}

void TForm10::SpinEdit1Change() {
  platform::Guarded(this, [&] {
    results_.setClassWidthUs(SpinEdit1->Value());
    Trace();
  });
}

void TForm10::Button1Click() {
  const QStringList chosen = ClassFiles().chooseFolder(this, DialogTitle(Button1), QDir::currentPath());
  if (!chosen.isEmpty()) ReadFiles(chosen);
}

void TForm10::Button3Click() {
  const QStringList chosen = ClassFiles().chooseFiles(this, DialogTitle(Button3), QDir::currentPath());
  if (!chosen.isEmpty()) ReadFiles(chosen);
}

void TForm10::Button4Click() {
  results_.clear();
  platform::Guarded(this, [&] { Trace(); });
}

void TForm10::BitBtn11Click() {
  printUnlessRunning();
}

void TForm10::Sauve() {
  const std::string written =
      platform::SaveResultsFile(this, ClassResultsFileName(platform::Clock().localNow()),
                                [&](const std::string& path) { SaveClassResults(path, results_); });
  if (!written.empty())
    platform::Messages().information(
        this,
        QString::fromUtf8(WordsFor(platform::LanguageCode()).saved).arg(QString::fromStdString(written)));
}

void TForm10::FinClick() {
  closeScreen();
}

bool TForm10::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_Escape) stopRun();  // stops reading after the current file
  return ScreenBase::FormKeyDown(key, modifiers);
}

void TForm10::dragEnterEvent(QDragEnterEvent* event) {
  if (!isRunning() && !LocalPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm10::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalPaths(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  // Read once the drop has returned, so that the program the files come from is not kept waiting.
  QMetaObject::invokeMethod(
      this, [this, paths] { ReadFiles(paths); }, Qt::QueuedConnection);
}
