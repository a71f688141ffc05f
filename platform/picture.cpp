#include "platform/picture.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QtDebug>

namespace noyalis::platform {

Picture::Picture(QWidget* parent, const QString& objectName, const QString& resource, QRect geometry,
                 const QString& hint)
    : QLabel(parent) {
  setObjectName(objectName);
  setGeometry(geometry);
  setPixmap(RenderSvg(resource, geometry.size()));
  setToolTip(hint);
}

void Picture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    event->accept();
  else
    QLabel::mousePressEvent(event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    event->accept();
    emit clicked();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

QPixmap RenderSvg(const QString& resource, QSize size) {
  // Drawn at the screen's pixel density so that the picture stays sharp on fine screens.
  const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(resource);
  if (!renderer.isValid()) {
    qWarning() << "RenderSvg: cannot read the picture" << resource;
    return pixmap;
  }
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

}  // namespace noyalis::platform
