#pragma once
// One legend entry for several series drawn as one thing (the error bars of a chart, one series per
// bar): a bar in the pen of the first series and a title of its own.
#include <qcustomplot.h>

#include <vector>

namespace noyalis::platform {

class LegendGroup : public QCPAbstractLegendItem {
  Q_OBJECT
 public:
  // A group named name (objectName, for the text tables) with its legend title.
  LegendGroup(QCPLegend* legend, const QString& name, const QString& title,
              std::vector<QCPAbstractPlottable*> members);

  void setTitle(const QString& title) { title_ = title; }
  QString title() const { return title_; }
  const std::vector<QCPAbstractPlottable*>& members() const { return members_; }
  bool holds(const QCPAbstractPlottable* series) const;
  // True when a member is visible and has points.
  bool drawn() const;

 protected:
  void draw(QCPPainter* painter) override;
  QSize minimumOuterSizeHint() const override;

 private:
  QString title_;
  std::vector<QCPAbstractPlottable*> members_;
};

}  // namespace noyalis::platform
