// Takes the screenshots of the desktop metadata from the program itself: the menu, the activity
// screen after a run, and the answer to "Gauss ou Poisson ?" over it, drawn offscreen and saved as
// PNG files into the folder given as the only argument.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <vector>

#include "app/UnitMenu.h"
#include "experiments/activity/GaussOrPoissonWindow.h"
#include "experiments/activity/UnitActivite2.h"
#include "kernel/uniform_random.h"
#include "platform/language.h"
#include "platform/services.h"
#include "platform/spin_edit.h"

namespace {

// The end-of-run tone is not wanted while the pictures are taken.
class Silence final : public noyalis::platform::AudioService {
 public:
  void playSync(const std::vector<std::uint8_t>&) override {}
};

bool Save(const QPixmap& picture, const QDir& folder, const char* name) {
  const QString path = folder.filePath(name);
  if (picture.save(path, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

// The screen with a window drawn over its centre, as the user sees them together.
QPixmap Over(const QPixmap& screen, QWidget* window) {
  QPixmap picture = screen;
  const QPixmap top = window->grab();
  QPainter painter(&picture);
  const QPoint at((picture.width() - top.width()) / 2, (picture.height() - top.height()) / 2);
  painter.drawPixmap(at, top);
  painter.setPen(QPen(Qt::darkGray, 2));
  painter.drawRect(QRect(at, top.size()).adjusted(-1, -1, 0, 0));
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder for the PNG files>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) return 1;
  Silence silence;
  noyalis::platform::SetAudioService(&silence);
  bool ok = true;

  TForm3 menu;
  menu.show();
  ok &= Save(menu.grab(), folder, "menu.png");

  noyalis::platform::SetLanguageCode("FR");
  noyalis::kernel::UniformRandom::setState(0);  // the same counts at every take
  Tform11 activity;
  activity.show();
  activity.findChild<noyalis::platform::SpinEdit*>("SpinEdit1")->setValueClamped(10000);
  activity.BitBtn1Click();
  const QPixmap activityPicture = activity.grab();
  ok &= Save(activityPicture, folder, "activity.png");

  GaussOrPoissonWindow* answer =
      noyalis::activity::OpenGaussOrPoisson(&activity, activity.findChild<QWidget*>("Chart1"));
  if (!answer) return 1;
  answer->adjustSize();
  ok &= Save(Over(activityPicture, answer), folder, "gauss_or_poisson.png");

  noyalis::platform::SetAudioService(nullptr);
  return ok ? 0 : 1;
}
