#pragma once
// A clickable picture drawn from an SVG resource at a given size (menu entries, flags, quit).
#include <QLabel>

namespace noyalis::platform {

class Picture : public QLabel {
  Q_OBJECT
 public:
  Picture(QWidget* parent, const QString& objectName, const QString& resource, QRect geometry,
          const QString& hint = {});

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;  // accepted, so that the release comes here
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The SVG resource rendered at size.
QPixmap RenderSvg(const QString& resource, QSize size);

}  // namespace noyalis::platform
