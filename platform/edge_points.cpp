#include "platform/edge_points.h"

#include <cmath>

namespace noyalis::platform {

namespace {

constexpr const char* kPointsLayer = "points over axes";

// The plot's rectangle widened by a marker's reach, so that a marker centred on an edge is whole.
class EdgePointGraph final : public QCPGraph {
 public:
  using QCPGraph::QCPGraph;

 protected:
  QRect clipRect() const override {
    const QCPScatterStyle& marker = scatterStyle();
    const double across = marker.shape() == QCPScatterStyle::ssPixmap
                              ? std::max(marker.pixmap().width(), marker.pixmap().height())
                              : marker.size() + marker.pen().widthF();
    const int reach = static_cast<int>(std::ceil(across / 2)) + 1;
    return QCPGraph::clipRect().adjusted(-reach, -reach, reach, reach);
  }

  // Only the markers centred inside the plot are drawn: a zoomed view leaves out the points beyond
  // its ranges, which the widened clip would otherwise show in part.
  void drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& scatters,
                       const QCPScatterStyle& style) const override {
    const QRectF inside = QRectF(QCPGraph::clipRect()).adjusted(-1, -1, 1, 1);
    QVector<QPointF> shown;
    shown.reserve(scatters.size());
    for (const QPointF& p : scatters)
      if (inside.contains(p)) shown.append(p);
    QCPGraph::drawScatterPlot(painter, shown, style);
  }
};

}  // namespace

QCPGraph* AddEdgePoints(Chart* chart, const QString& name, QCPScatterStyle::ScatterShape shape, double size,
                        QColor outline, QColor fill) {
  auto* graph = new EdgePointGraph(chart->xAxis, chart->yAxis);
  graph->setObjectName(name);
  graph->setLineStyle(QCPGraph::lsNone);
  graph->setPen(QPen(outline));
  graph->setScatterStyle(QCPScatterStyle(shape, QPen(outline), QBrush(fill), size));
  if (!chart->layer(kPointsLayer)) chart->addLayer(kPointsLayer, chart->layer("axes"), QCustomPlot::limAbove);
  graph->setLayer(kPointsLayer);
  // The upper end of a value range maps one pixel above the plot's rectangle.
  chart->setInteraction(QCP::iSelectPlottablesBeyondAxisRect);
  return graph;
}

}  // namespace noyalis::platform
