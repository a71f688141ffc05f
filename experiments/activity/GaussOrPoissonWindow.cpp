#include "experiments/activity/GaussOrPoissonWindow.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "experiments/activity/activity_run_data.h"
#include "experiments/activity/gauss_or_poisson_texts.h"
#include "experiments/counting_statistics/gauss_or_poisson_sentences.h"
#include "platform/error_boundary.h"
#include "platform/language.h"
#include "platform/screen_base.h"
#include "platform/widgets.h"
#include "platform/window_placement.h"

using namespace noyalis;
using namespace noyalis::activity;
using namespace noyalis::counting_statistics;

namespace {

const QString kWindowName = QStringLiteral("GaussOrPoissonWindow");
constexpr long double kSmallestPValueShown = 0.0001L;
constexpr int kPValueDecimals = 4;
constexpr int kChiSquareDecimals = 2;

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QString PValueText(long double p) {
  if (p < kSmallestPValueShown) return "< " + platform::FixedText(kSmallestPValueShown, kPValueDecimals);
  return platform::FixedText(p, kPValueDecimals);
}

}  // namespace

GaussOrPoissonWindow::GaussOrPoissonWindow(const GaussOrPoissonAnswer& answer, const QString& languageCode,
                                           QWidget* parent)
    : QDialog(parent) {
  setObjectName(kWindowName);
  setWindowTitle("Gauss ou Poisson ?");
  auto* grid = new QGridLayout(this);
  Intro = NamedLabel(this, "Intro");
  Intro->setWordWrap(true);
  grid->addWidget(Intro, 0, 0, 1, 3);
  PoissonLaw = NamedLabel(this, "PoissonLaw", "Poisson");
  GaussLaw = NamedLabel(this, "GaussLaw", "Gauss");
  grid->addWidget(PoissonLaw, 1, 1, Qt::AlignRight);
  grid->addWidget(GaussLaw, 1, 2, Qt::AlignRight);
  QLabel** rows[][3] = {{&ChiSquareCaption, &ChiSquarePoisson, &ChiSquareGauss},
                        {&ClassesCaption, &ClassesPoisson, &ClassesGauss},
                        {&FreedomCaption, &FreedomPoisson, &FreedomGauss},
                        {&PValueCaption, &PValuePoisson, &PValueGauss}};
  const char* names[][3] = {{"ChiSquareCaption", "ChiSquarePoisson", "ChiSquareGauss"},
                            {"ClassesCaption", "ClassesPoisson", "ClassesGauss"},
                            {"FreedomCaption", "FreedomPoisson", "FreedomGauss"},
                            {"PValueCaption", "PValuePoisson", "PValueGauss"}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) {
      *rows[r][c] = NamedLabel(this, names[r][c]);
      grid->addWidget(*rows[r][c], r + 2, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
  const std::string code = languageCode.toStdString();
  PoissonVerdict = NamedLabel(this, "PoissonVerdict",
                              QString::fromStdString(LawSentence(CountLaw::Poisson, answer.poisson.outcome,
                                                                 answer.measurements, code)));
  GaussVerdict = NamedLabel(
      this, "GaussVerdict",
      QString::fromStdString(LawSentence(CountLaw::Gauss, answer.gauss.outcome, answer.measurements, code)));
  PValueNote = NamedLabel(this, "PValueNote", QString::fromStdString(counting_statistics::PValueNote(code)));
  QFont bold = PoissonVerdict->font();
  bold.setBold(true);
  int row = 6;
  for (QLabel* label : {PoissonVerdict, GaussVerdict, PValueNote}) {
    label->setWordWrap(true);
    if (label != PValueNote) label->setFont(bold);
    grid->addWidget(label, row++, 0, 1, 3);
  }
  CloseButton = platform::MakeButton(this, "CloseButton", "Fermer", 0, 0, 90, 28);
  grid->addWidget(CloseButton, row, 2, Qt::AlignRight);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);

  showFit(answer.poisson, ChiSquarePoisson, ClassesPoisson, FreedomPoisson, PValuePoisson);
  showFit(answer.gauss, ChiSquareGauss, ClassesGauss, FreedomGauss, PValueGauss);
  platform::ApplyTextTable(this, kGaussOrPoissonTexts.FR);  // French stands for any other code
  platform::ApplyLanguage(this, kGaussOrPoissonTexts, languageCode);
  CloseButton->setFocus();
}

void GaussOrPoissonWindow::showFit(const LawFit& fit, QLabel* chiSquare, QLabel* classes, QLabel* freedom,
                                   QLabel* pValue) {
  classes->setText(QString::number(fit.classes.size()));
  if (!fit.testable()) {
    // Too few classes leave no degree of freedom (fewer than none with a single class): the verdict
    // says that more measurements are needed, no number does.
    for (QLabel* label : {chiSquare, freedom, pValue}) label->setText(QStringLiteral("—"));
    return;
  }
  freedom->setText(QString::number(fit.degreesOfFreedom));
  chiSquare->setText(platform::FixedText(fit.chiSquare, kChiSquareDecimals));
  pValue->setText(PValueText(fit.pValue));
}

namespace noyalis::activity {

namespace {

// Opens the answer on a left click or on Enter or Space; the question keeps what it does else.
class QuestionOpener final : public QObject {
 public:
  QuestionOpener(QLineEdit* question, const QWidget* histogram)
      : QObject(question), question_(question), histogram_(histogram) {
    question->installEventFilter(this);
    question->setCursor(Qt::PointingHandCursor);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton && question_->rect().contains(mouse->position().toPoint()))
        open();
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        open();
        return true;
      }
    }
    return false;
  }

 private:
  void open() { OpenGaussOrPoisson(question_->window(), histogram_); }
  QLineEdit* question_;
  const QWidget* histogram_;
};

}  // namespace

GaussOrPoissonWindow* OpenGaussOrPoisson(QWidget* screen, const QWidget* histogram) {
  if (auto* base = qobject_cast<platform::ScreenBase*>(screen); base && base->isRunning()) return nullptr;
  if (auto* open = screen->findChild<GaussOrPoissonWindow*>(kWindowName, Qt::FindDirectChildrenOnly)) {
    open->raise();
    open->activateWindow();
    return open;
  }
  GaussOrPoissonWindow* window = nullptr;
  platform::Guarded(screen, [&] {
    window = new GaussOrPoissonWindow(AnswerGaussOrPoisson(RunHistogram(LastActivityRun())),
                                      platform::LanguageCode(), screen);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::WindowModal);
    platform::MoveBeside(window, histogram);
    window->show();
  });
  return window;
}

void OpenGaussOrPoissonOnClick(QLineEdit* question, const QWidget* histogram) {
  new QuestionOpener(question, histogram);
}

}  // namespace noyalis::activity
