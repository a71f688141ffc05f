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

 signals:
  void itemIndexChanged(int index);

 private:
  QButtonGroup* buttons_;
};

}  // namespace noyalis::platform
