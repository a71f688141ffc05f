#include "platform/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <string>

#include "kernel/error.h"

namespace noyalis::platform {

RadioGroup::RadioGroup(QWidget* parent, const QString& objectName, const QString& caption,
                       const QStringList& items, int columns, int itemIndex)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
  setObjectName(objectName);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(0);
  // Items fill the first column top to bottom, then the next one.
  const int count = static_cast<int>(items.size());
  const int perColumn = std::max(1, (count + std::max(1, columns) - 1) / std::max(1, columns));
  for (int i = 0; i < count; ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(objectName + QStringLiteral("_item") + QString::number(i));
    buttons_->addButton(button, i);
    grid->addWidget(button, i % perColumn, i / perColumn);
  }
  setItemIndex(itemIndex);
  connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) emit itemIndexChanged(id);
  });
}

int RadioGroup::ItemIndex() const {
  return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
  const QSignalBlocker quiet(buttons_);
  if (QAbstractButton* button = buttons_->button(index)) {
    button->setChecked(true);
    return;
  }
  // No item selected: an exclusive group cannot uncheck its last button by itself.
  buttons_->setExclusive(false);
  for (QAbstractButton* button : buttons_->buttons()) button->setChecked(false);
  buttons_->setExclusive(true);
}

void RadioGroup::setItems(const QStringList& items) {
  const QList<QAbstractButton*> buttons = buttons_->buttons();
  if (items.size() != buttons.size())
    throw kernel::RangeError("radio group " + objectName().toStdString() + " has " +
                             std::to_string(buttons.size()) + " items, not " + std::to_string(items.size()));
  for (int i = 0; i < buttons.size(); ++i) buttons_->button(i)->setText(items[i]);
}

void RadioGroup::setColours(QColor fill, QColor caption, QColor items) {
  // A style sheet colour would also paint the check mark (white on a white circle): the items'
  // texts take their colour from the palette instead.
  setStyleSheet(
      QStringLiteral("QGroupBox { background-color: %1; color: %2; }").arg(fill.name(), caption.name()));
  for (QAbstractButton* button : buttons_->buttons()) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::WindowText, items);
    button->setPalette(palette);
  }
}

QStringList RadioGroup::items() const {
  QStringList texts;
  for (int i = 0; i < buttons_->buttons().size(); ++i) texts << buttons_->button(i)->text();
  return texts;
}

}  // namespace noyalis::platform
