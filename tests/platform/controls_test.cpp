// The small controls of the screens: spin boxes, radio groups, labels, edits, pictures, number
// texts and the process-wide language code.
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "kernel/error.h"
#include "platform/language.h"
#include "platform/picture.h"
#include "platform/radio_group.h"
#include "platform/spin_edit.h"
#include "platform/widgets.h"
#include "platform/window_placement.h"
#include "support/isolated_suite.h"
#include "support/widget_helpers.h"

using namespace noyalis;
using platform::RadioGroup;
using platform::SpinEdit;

class ControlsTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void languageCodeStartsFrenchAndIsProcessWide();

  void spinEditCorrectsTypedTextWhenFocusLeaves_data();
  void spinEditCorrectsTypedTextWhenFocusLeaves();
  void spinEditValidatorLetsOutOfRangeNumbersBeTyped_data();
  void spinEditValidatorLetsOutOfRangeNumbersBeTyped();
  void spinEditTextThatIsNotAWholeNumberReadsAsMinimum();
  void spinEditArrowsStepFromWhatIsShown();
  void spinEditSetValueClamped();
  void spinEditReadsTheDigitsItShows_data();
  void spinEditReadsTheDigitsItShows();

  void radioGroupNamesAndLaysOutItemsColumnByColumn();
  void radioGroupSignalsUserChangesOnly();
  void radioGroupItemsReplaceTextsOfTheSameCount();

  void labelFitsItsTextWhenTheTextChanges();
  void editAndButtonFactories();
  void fixedTextUsesTheLocaleSeparator_data();
  void fixedTextUsesTheLocaleSeparator();

  void pictureRendersTheSvgAndClicksOnLeftReleaseInside();
  void renderSvgOfAMissingPictureIsTransparent();

  void windowOpensBesideWhatItExplains_data();
  void windowOpensBesideWhatItExplains();
};

void ControlsTest::languageCodeStartsFrenchAndIsProcessWide() {
  QCOMPARE(platform::LanguageCode(), QString("FR"));
  platform::SetLanguageCode("DE");
  QCOMPARE(platform::LanguageCode(), QString("DE"));
  platform::SetLanguageCode("FR");
}

void ControlsTest::spinEditCorrectsTypedTextWhenFocusLeaves_data() {
  QTest::addColumn<int>("minimum");
  QTest::addColumn<int>("maximum");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("value");                 // Value() before and after the focus leaves
  QTest::addColumn<QString>("shownWhileTyping");  // the box keeps what the user typed

  QTest::newRow("above the maximum") << 2 << 1000 << "1500" << 1000 << "1500";
  QTest::newRow("below the minimum") << 2 << 1000 << "1" << 2 << "1";
  QTest::newRow("in range") << 2 << 1000 << "250" << 250 << "250";
  QTest::newRow("negative") << 2 << 1000 << "-5" << 2 << "-5";
  QTest::newRow("letters are refused") << 2 << 1000 << "abc" << 2 << "";
  QTest::newRow("digits among letters") << 25 << 100000 << "4x0" << 40 << "40";
  QTest::newRow("too long for any integer")
      << 2 << 1000 << "123456789012345678901234" << 1000 << "123456789012345678901234";
  QTest::newRow("large range") << 2 << 1000000 << "999999" << 999999 << "999999";
}

void ControlsTest::spinEditCorrectsTypedTextWhenFocusLeaves() {
  QFETCH(int, minimum);
  QFETCH(int, maximum);
  QFETCH(QString, typed);
  QFETCH(QString, shownWhileTyping);
  QFETCH(int, value);

  QWidget screen;
  auto* box = new SpinEdit(&screen, "SpinEdit1", minimum, maximum, 1, 100);
  screen.show();
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", typed);
  QCOMPARE(box->text(), shownWhileTyping);
  QCOMPARE(box->Value(), value);

  test::LeaveFocus(box);
  QCOMPARE(box->value(), value);
  QCOMPARE(box->text(), QString::number(value));
  QCOMPARE(box->Value(), value);
}

void ControlsTest::spinEditValidatorLetsOutOfRangeNumbersBeTyped_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("state");
  QTest::newRow("in range") << "500" << int(QValidator::Acceptable);
  QTest::newRow("the maximum") << "1000" << int(QValidator::Acceptable);
  QTest::newRow("above") << "1500" << int(QValidator::Intermediate);
  QTest::newRow("below") << "1" << int(QValidator::Intermediate);
  QTest::newRow("empty") << "" << int(QValidator::Intermediate);
  QTest::newRow("sign only") << "-" << int(QValidator::Intermediate);
  QTest::newRow("plus sign") << "+20" << int(QValidator::Acceptable);
  QTest::newRow("letters") << "12a" << int(QValidator::Invalid);
  QTest::newRow("decimal") << "12.5" << int(QValidator::Invalid);
  QTest::newRow("inner sign") << "1-2" << int(QValidator::Invalid);
}

void ControlsTest::spinEditValidatorLetsOutOfRangeNumbersBeTyped() {
  QFETCH(QString, text);
  QFETCH(int, state);
  SpinEdit box(nullptr, "SpinEdit1", 2, 1000, 1, 100);
  auto* edit = box.findChild<QLineEdit*>();
  QVERIFY(edit && edit->validator());
  int pos = 0;
  QCOMPARE(int(edit->validator()->validate(text, pos)), state);
}

void ControlsTest::spinEditTextThatIsNotAWholeNumberReadsAsMinimum() {
  SpinEdit box(nullptr, "SpinEdit2", 25, 100000, 25, 50);
  auto* edit = box.findChild<QLineEdit*>();
  for (const char* text : {"12.5", "abc", "", " ", "1e3"}) {
    edit->setText(text);  // set by program, past the validator
    QCOMPARE(box.Value(), 25);
  }
  edit->setText("abc");
  test::LeaveFocus(&box);
  QCOMPARE(box.value(), 25);
  QCOMPARE(box.text(), QString("25"));
}

void ControlsTest::spinEditArrowsStepFromWhatIsShown() {
  QWidget screen;
  auto* box = new SpinEdit(&screen, "SpinEdit2", 25, 100000, 25, 50);
  screen.show();
  QTest::keyClick(box, Qt::Key_Up);
  QCOMPARE(box->value(), 75);
  QTest::keyClick(box, Qt::Key_Down);
  QTest::keyClick(box, Qt::Key_Down);
  QCOMPARE(box->value(), 25);
  QTest::keyClick(box, Qt::Key_Down);
  QCOMPARE(box->value(), 25);  // the minimum holds

  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "1500");
  QTest::keyClick(box, Qt::Key_Up);
  QCOMPARE(box->value(), 1525);
  QCOMPARE(box->text(), QString("1525"));
}

void ControlsTest::spinEditSetValueClamped() {
  SpinEdit box(nullptr, "SpinEdit1", 2, 1000, 1, 100);
  box.setValueClamped(5000);
  QCOMPARE(box.value(), 1000);
  QCOMPARE(box.text(), QString("1000"));
  box.setValueClamped(-7);
  QCOMPARE(box.Value(), 2);
  QCOMPARE(box.singleStep(), 1);
}

void ControlsTest::spinEditReadsTheDigitsItShows_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<QString>("zeroDigit");  // how the locale shows 0
  QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << "0";
  QTest::newRow("Arabic, Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt) << QString(QChar(0x0660));
  QTest::newRow("Persian, Iran") << QLocale(QLocale::Persian, QLocale::Iran) << QString(QChar(0x06F0));
}

void ControlsTest::spinEditReadsTheDigitsItShows() {
  QFETCH(QLocale, locale);
  QFETCH(QString, zeroDigit);
  QLocale::setDefault(locale);
  QWidget screen;
  auto* box = new SpinEdit(&screen, "SpinEdit2", 50, 100000, 25, 1000);
  auto* other = new SpinEdit(&screen, "SpinEdit1", 2, 1000000, 1, 100);
  QLocale::setDefault(QLocale::c());
  screen.show();
  QVERIFY2(box->text().contains(zeroDigit), qPrintable(box->text()));  // the locale's digits
  QCOMPARE(box->Value(), 1000);
  QCOMPARE(other->Value(), 100);

  // Typed in the locale's digits, or in ASCII digits: the number shown is the value.
  for (const QString& typed : {locale.toString(250), QString("775")}) {
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", typed);
    const int expected = typed == "775" ? 775 : 250;
    QCOMPARE(box->Value(), expected);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->value(), expected);
    test::LeaveFocus(box);
    QCOMPARE(box->value(), expected);
    QCOMPARE(box->Value(), expected);
    QCOMPARE(box->text(), locale.toString(expected));
  }
  // A step from a number in the locale's digits steps from that number.
  QTest::keyClick(box, Qt::Key_Up);
  QCOMPARE(box->Value(), 800);
}

void ControlsTest::radioGroupNamesAndLaysOutItemsColumnByColumn() {
  QWidget screen;
  auto* row = new RadioGroup(&screen, "RadioGroup1", "Distance en cm", {"3", "4.25", "6", "8.5", "12"}, 5, 0);
  auto* twoColumns = new RadioGroup(&screen, "RadioGroup3", "", {"a", "b", "c", "d", "e"}, 2, 4);
  auto* column = new RadioGroup(&screen, "RadioGroup2", "Tracé ", {"Temps réel", "Simulation"}, 1, 1);
  screen.resize(800, 600);
  row->setGeometry(0, 0, 289, 43);
  twoColumns->setGeometry(0, 100, 200, 120);
  column->setGeometry(300, 100, 123, 72);
  screen.show();

  QCOMPARE(row->title(), QString("Distance en cm"));
  QCOMPARE(row->ItemIndex(), 0);
  QCOMPARE(column->ItemIndex(), 1);
  QCOMPARE(twoColumns->ItemIndex(), 4);
  REQUIRE_CHILD(first, QRadioButton, row, "RadioGroup1_item0");
  REQUIRE_CHILD(last, QRadioButton, row, "RadioGroup1_item4");
  QCOMPARE(last->text(), QString("12"));
  QVERIFY(first->isChecked());
  QCOMPARE(last->y(), first->y());  // five columns: one row
  QVERIFY(last->x() > first->x());

  REQUIRE_CHILD(top, QRadioButton, column, "RadioGroup2_item0");
  REQUIRE_CHILD(bottom, QRadioButton, column, "RadioGroup2_item1");
  QCOMPARE(bottom->x(), top->x());  // one column: one item under the other
  QVERIFY(bottom->y() > top->y());

  // Five items in two columns: three in the first, then two.
  REQUIRE_CHILD(a, QRadioButton, twoColumns, "RadioGroup3_item0");
  REQUIRE_CHILD(c, QRadioButton, twoColumns, "RadioGroup3_item2");
  REQUIRE_CHILD(d, QRadioButton, twoColumns, "RadioGroup3_item3");
  QCOMPARE(c->x(), a->x());
  QVERIFY(c->y() > a->y());
  QCOMPARE(d->y(), a->y());
  QVERIFY(d->x() > a->x());
}

void ControlsTest::radioGroupSignalsUserChangesOnly() {
  QWidget screen;
  auto* group =
      new RadioGroup(&screen, "RadioGroup1", "Distance en cm", {"3", "4.25", "6", "8.5", "12"}, 5, 0);
  group->setGeometry(0, 0, 289, 43);
  screen.show();
  QSignalSpy changed(group, &RadioGroup::itemIndexChanged);

  group->setItemIndex(3);
  QCOMPARE(group->ItemIndex(), 3);
  QCOMPARE(changed.count(), 0);

  REQUIRE_CHILD(item1, QRadioButton, group, "RadioGroup1_item1");
  QTest::mouseClick(item1, Qt::LeftButton);
  QCOMPARE(group->ItemIndex(), 1);
  QCOMPARE(changed.count(), 1);
  QCOMPARE(changed.at(0).at(0).toInt(), 1);

  group->setItemIndex(-1);
  QCOMPARE(group->ItemIndex(), -1);
  QCOMPARE(changed.count(), 1);
}

void ControlsTest::radioGroupItemsReplaceTextsOfTheSameCount() {
  RadioGroup group(nullptr, "RadioGroup2", "Tracé ", {"Temps réel", "Simulation"}, 1, 1);
  group.setItems({"yes", "no"});
  QCOMPARE(group.items(), QStringList({"yes", "no"}));
  QCOMPARE(group.ItemIndex(), 1);
  QVERIFY_THROWS_EXCEPTION(kernel::RangeError, group.setItems({"ja", "nein", "vielleicht"}));
  QCOMPARE(group.items(), QStringList({"yes", "no"}));
}

void ControlsTest::labelFitsItsTextWhenTheTextChanges() {
  QWidget screen;
  screen.resize(800, 600);
  QLabel* label = platform::MakeLabel(&screen, "Label6", "Durée", 266, 122, Qt::yellow, 14, true);
  QCOMPARE(label->objectName(), QString("Label6"));
  QCOMPARE(label->pos(), QPoint(266, 122));
  QCOMPARE(label->size(), label->sizeHint());
  QVERIFY(!label->autoFillBackground());
  QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::yellow));
  QCOMPARE(label->font().pixelSize(), 14);
  QVERIFY(label->font().bold());
  screen.show();

  const int shortWidth = label->width();
  label->setText("Durée totale > 277.78h");
  QTRY_COMPARE(label->size(), label->sizeHint());
  QVERIFY(label->width() > shortWidth);

  // A label changed while hidden fits its text when it is shown again.
  label->hide();
  label->setText("Mesure en cours, encore plus longue");
  label->show();
  QTRY_COMPARE(label->size(), label->sizeHint());
  QCOMPARE(label->pos(), QPoint(266, 122));
}

void ControlsTest::editAndButtonFactories() {
  QWidget screen;
  QLineEdit* edit = platform::MakeEdit(&screen, "Edit2M", 148, 67, 105, "27.20");
  QCOMPARE(edit->objectName(), QString("Edit2M"));
  QCOMPARE(edit->geometry(), QRect(148, 67, 105, 21));
  QVERIFY(edit->isReadOnly());
  QCOMPARE(edit->text(), QString("27.20"));

  QPushButton* button = platform::MakeButton(&screen, "Button2", "Histo./Valeurs", 146, 106, 110, 28, "hint");
  QCOMPARE(button->geometry(), QRect(146, 106, 110, 28));
  QCOMPARE(button->text(), QString("Histo./Valeurs"));
  QCOMPARE(button->toolTip(), QString("hint"));

  writeFile(
      "glyph.svg",
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><rect width="10" height="10" fill="blue"/></svg>)");
  QPushButton* picture =
      platform::MakePictureButton(&screen, "BitBtn11", "glyph.svg", "Page", 635, 98, 85, 36, "Impression");
  QCOMPARE(picture->text(), QString("Page"));
  QCOMPARE(picture->toolTip(), QString("Impression"));
  QVERIFY(!picture->icon().isNull());
  const QImage icon = picture->icon().pixmap(picture->iconSize()).toImage();
  QCOMPARE(QColor(icon.pixel(icon.width() / 2, icon.height() / 2)), QColor(Qt::blue));

  QFrame* shape = platform::MakeShape(&screen, "Shape1", QColor(255, 255, 204), 96, 144, 600, 36, "strip");
  QCOMPARE(shape->geometry(), QRect(96, 144, 600, 36));
  QVERIFY(shape->autoFillBackground());
  QCOMPARE(shape->palette().color(QPalette::Window), QColor(255, 255, 204));
  QCOMPARE(shape->toolTip(), QString("strip"));
}

void ControlsTest::fixedTextUsesTheLocaleSeparator_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<double>("value");
  QTest::addColumn<int>("decimals");
  QTest::addColumn<QString>("text");
  QTest::newRow("C, two decimals") << QLocale::c() << 27.2 << 2 << "27.20";
  QTest::newRow("C, none") << QLocale::c() << 13600.0 << 0 << "13600";
  QTest::newRow("C, no grouping") << QLocale::c() << 1234567.125 << 3 << "1234567.125";
  QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << 117.0 << 3 << "117,000";
  QTest::newRow("German, negative") << QLocale(QLocale::German, QLocale::Germany) << -0.25 << 2 << "-0,25";
}

void ControlsTest::fixedTextUsesTheLocaleSeparator() {
  QFETCH(QLocale, locale);
  QFETCH(double, value);
  QFETCH(int, decimals);
  QFETCH(QString, text);
  QLocale::setDefault(locale);
  const QString shown = platform::FixedText(value, decimals);
  const char separator = platform::DecimalSeparator();
  QLocale::setDefault(QLocale::c());
  QCOMPARE(shown, text);
  QCOMPARE(QChar(separator), locale.decimalPoint().at(0));
}

void ControlsTest::pictureRendersTheSvgAndClicksOnLeftReleaseInside() {
  // Left half red, right half green: the picture is stretched to the control's size.
  const QString path = "picture.svg";
  writeFile(
      path,
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10" viewBox="0 0 20 10">)"
      R"(<rect width="10" height="10" fill="red"/><rect x="10" width="10" height="10" fill="lime"/></svg>)");

  QWidget screen;
  auto* picture = new platform::Picture(&screen, "Image2", path, QRect(10, 20, 160, 40), "Activité");
  screen.resize(300, 100);
  screen.show();
  QCOMPARE(picture->geometry(), QRect(10, 20, 160, 40));
  QCOMPARE(picture->toolTip(), QString("Activité"));
  const QImage image = picture->pixmap().toImage();
  QCOMPARE(image.size() / picture->pixmap().devicePixelRatio(), QSize(160, 40));
  QCOMPARE(QColor(image.pixel(image.width() / 4, image.height() / 2)), QColor(Qt::red));
  QCOMPARE(QColor(image.pixel(3 * image.width() / 4, image.height() / 2)), QColor(Qt::green));

  QSignalSpy clicked(picture, &platform::Picture::clicked);
  QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(80, 20));
  QCOMPARE(clicked.count(), 0);
  QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(80, 20));
  QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(200, 20));  // dragged out before releasing
  QCOMPARE(clicked.count(), 0);
  QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(80, 20));
  QCOMPARE(clicked.count(), 1);
}

void ControlsTest::renderSvgOfAMissingPictureIsTransparent() {
  QTest::ignoreMessage(QtWarningMsg, QRegularExpression("RenderSvg: cannot read the picture.*"));
  QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*Cannot open file.*"));
  const QPixmap pixmap = platform::RenderSvg(":/no/such/picture.svg", QSize(30, 20));
  QCOMPARE(pixmap.size() / pixmap.devicePixelRatio(), QSize(30, 20));
  QCOMPARE(pixmap.toImage().pixelColor(5, 5).alpha(), 0);
}

// A 300 × 200 window beside a chart: right, else left, below or above (8 px apart), else
// where it covers the least of the chart.
void ControlsTest::windowOpensBesideWhatItExplains_data() {
  QTest::addColumn<QRect>("desktop");
  QTest::addColumn<QRect>("chart");
  QTest::addColumn<QPoint>("at");
  QTest::newRow("room on the right") << QRect(0, 0, 1920, 1080) << QRect(660, 370, 600, 330)
                                     << QPoint(1268, 370);
  QTest::newRow("left only") << QRect(0, 0, 1280, 800) << QRect(620, 100, 600, 330) << QPoint(312, 100);
  QTest::newRow("below, kept inside")
      << QRect(0, 0, 800, 800) << QRect(100, 100, 600, 330) << QPoint(100, 438);
  QTest::newRow("no room: a band at the top")
      << QRect(0, 0, 1024, 768) << QRect(210, 190, 600, 400) << QPoint(210, 0);
}

void ControlsTest::windowOpensBesideWhatItExplains() {
  QFETCH(QRect, desktop);
  QFETCH(QRect, chart);
  QFETCH(QPoint, at);
  QCOMPARE(platform::PlaceBeside({300, 200}, chart, desktop), at);
}

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
