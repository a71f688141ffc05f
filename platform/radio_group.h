#pragma once
// A captioned group of radio buttons laid out in columns, with one selected item.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace noyalis::platform {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(QWidget* parent, const QString& objectName, const QString& caption, const QStringList& items,
             int columns, int itemIndex);

  int ItemIndex() const;
  void setItemIndex(int index);
  // Replaces the item texts (same number of items; the text tables use it).
  void setItems(const QStringList& items);
  QStringList items() const;
  // A group on a coloured fill: its caption and item texts in their colours, while each item's
  // circle keeps the style's dark check mark, so that the chosen item still shows.
  void setColours(QColor fill, QColor caption, QColor items);

 signals:
  void itemIndexChanged(int index);

 private:
  QButtonGroup* buttons_;
};

}  // namespace noyalis::platform
