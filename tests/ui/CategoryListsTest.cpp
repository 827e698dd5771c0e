#include "WindowTest.h"
#include "engine/Catalogue.h"
#include "engine/Convert.h"
#include "engine/ConverterBase.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <numeric>

using namespace quorlex;

class CategoryListsTest : public quorlex::test::WindowTest {
    Q_OBJECT

private slots:
    void tableMatchesTheConverters();
    void listsForEveryCategory_data();
    void listsForEveryCategory();
    void everyClickRunsTheSelection_data();
    void everyClickRunsTheSelection();
    void tabEntersTheGroupOnItsSelectedButton_data();
    void tabEntersTheGroupOnItsSelectedButton();
    void earlierResultStaysAfterCategoryChange();
    void pickedUnitsAreForgottenOnCategoryChange();
    void sameFirstItemDifferentConverter();

private:
    static QStringList Items(const QComboBox &list) {
        QStringList items;
        for (int i = 0; i < list.count(); ++i) {
            items << list.itemText(i);
        }
        return items;
    }
};

void CategoryListsTest::tableMatchesTheConverters() {
    const Convert registry;
    for (int index = 0; index < kCategoryCount; ++index) {
        const auto &category = Catalogue()[static_cast<std::size_t>(index)];
        const auto converter = registry.ConverterOfCategory(index);
        QVERIFY(converter);
        QCOMPARE(std::string_view(converter->ClassName()), category.className);
        const auto *withMatrix = dynamic_cast<const ConverterBase *>(converter.get());
        QVERIFY(withMatrix);
        QCOMPARE(static_cast<int>(category.units.size()), withMatrix->Matrix().Size());
    }
}

void CategoryListsTest::listsForEveryCategory_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("Weight") << 0 << "Weight" << 6 << "0- Grams"
                            << "5- MegaGrams";
    QTest::newRow("Length") << 1 << "Length" << 9 << "0- Millimeters"
                            << "8- Miles";
    QTest::newRow("Area") << 2 << "Area" << 9 << "0- Square Centimeters"
                          << "8- Square Miles";
    QTest::newRow("BulkDensity") << 3 << "Bulk Density" << 5 << "0- Tons Per Acre Foot"
                                 << "4- Grams Per Cubic Centimeter";
    QTest::newRow("AreaIntensity") << 4 << "Area  Intensity" << 4
                                   << "0- Kilojoules Per Square Meter Per Minute"
                                   << "3- Calories Per Square Centimeter Per Second";
    QTest::newRow("HeatContent") << 5 << "Heat Content" << 3 << "0- Kilojoules Per Kilogram"
                                 << "2- Calories Per Gram";
    QTest::newRow("Speed") << 6 << "Speed" << 9 << "0- Feet Per Minute"
                           << "8- Meters Per Second";
    QTest::newRow("FireLineIntensity") << 7 << "Fireline Intensity" << 5 << "0- Joules Per Foot Per Second"
                                       << "4- Kilocalories Per Meter Per Second";
    QTest::newRow("Energy") << 8 << "Energy" << 4 << "0- Joules "
                            << "3- BTUs";
    QTest::newRow("FuelLoad") << 9 << "Fuel Load" << 5 << "0- Grams Per Square Meter"
                              << "4- Pounds Per Square Foot";
    QTest::newRow("BasalArea") << 10 << "Basal Area" << 2 << "0- Square Feet Per Acre"
                               << "1- Square Meters Per Hectare";
    QTest::newRow("Temperature") << 11 << "Temperature" << 3 << "0- Fahrenheit"
                                 << "2- Kelvin";
    QTest::newRow("Pressure") << 12 << "Pressure" << 5 << "0- Kpa"
                              << "4- Atmospheres";
    QTest::newRow("Angle") << 13 << "Angle" << 2 << "0- Degrees"
                           << "1- Radians";
    QTest::newRow("HeatUnitArea") << 14 << "Heat Per Unit Area" << 5 << "0- Joules Per Square Foot"
                                  << "4- Calories Per Square Centimeter";
    QTest::newRow("Slope") << 15 << "Slope" << 2 << "0- Degrees"
                           << "1- Percent";
    QTest::newRow("SurfaceToVolume") << 16 << "Surface/Volume Ratio" << 2 << "0- Sq. ft. per cu. ft."
                                     << "1- Sq. m. per Cu. m.";
}

void CategoryListsTest::listsForEveryCategory() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const auto &c = f.c();
    // Start from another category, with the focus elsewhere, so that the click has everything to do.
    f.ChooseCategory(index == 1 ? 2 : 1);
    c.cmdExit->setFocus();
    f.ChooseCategory(index);

    QCOMPARE(c.optType[static_cast<std::size_t>(index)]->text(), caption);
    QCOMPARE(c.cboSource->count(), count);
    QCOMPARE(Items(*c.cboDest), Items(*c.cboSource));
    QCOMPARE(c.cboSource->itemText(0), first);
    QCOMPARE(c.cboSource->itemText(count - 1), last);
    QCOMPARE(c.cboSource->currentIndex(), 0);
    QCOMPARE(c.cboDest->currentIndex(), 0);
    QCOMPARE(c.cboDest->currentText(), first);
    QCOMPARE(QApplication::focusWidget(), c.txtIn);
    for (int other = 0; other < kCategoryCount; ++other) {
        const QRadioButton *option = c.optType[static_cast<std::size_t>(other)];
        const bool selected = other == index;
        QCOMPARE(option->isChecked(), selected);
        QCOMPARE(option->palette().color(option->backgroundRole()),
                 selected ? QColor(192, 64, 0) : QApplication::palette().color(QPalette::Button));
        QCOMPARE(option->palette().color(QPalette::WindowText),
                 selected ? QColor(255, 255, 255) : QColor(0, 0, 0));
    }
    // The highlight is what the button shows.
    QRadioButton *chosen = c.optType[static_cast<std::size_t>(index)];
    const QImage look = chosen->grab().toImage();
    QCOMPARE(QColor(look.pixel(look.width() - 3, look.height() / 2)), QColor(192, 64, 0));
    // The white is the caption's alone: the mark in the middle of the white circle stays dark.
    QStyleOptionButton button;
    button.initFrom(chosen);
    const QRect circle = chosen->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &button, chosen);
    QVERIFY(qGray(look.pixel(circle.center())) < 100);
    QCOMPARE(QColor(look.pixel(circle.left() + 2, circle.center().y())), QColor(Qt::white));
}

void CategoryListsTest::everyClickRunsTheSelection_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("on");
    QTest::addColumn<Qt::Key>("key"); // Qt::Key_unknown: a mouse click
    QTest::addColumn<int>("selects");
    QTest::newRow("Weight-at-start-up-mouse") << 0 << 0 << Qt::Key_unknown << 0;
    QTest::newRow("Weight-at-start-up-Space") << 0 << 0 << Qt::Key_Space << 0;
    QTest::newRow("Length-again-mouse") << 1 << 1 << Qt::Key_unknown << 1;
    QTest::newRow("Length-again-Space") << 1 << 1 << Qt::Key_Space << 1;
    QTest::newRow("another-mouse") << 1 << 3 << Qt::Key_unknown << 3;
    QTest::newRow("another-Space") << 1 << 3 << Qt::Key_Space << 3;
    QTest::newRow("arrow-to-the-next") << 1 << 1 << Qt::Key_Down << 2;
}

void CategoryListsTest::everyClickRunsTheSelection() {
    QFETCH(int, selected);
    QFETCH(int, on);
    QFETCH(Qt::Key, key);
    QFETCH(int, selects);
    const auto &c = f.c();
    if (selected != 0) {
        f.ChooseCategory(selected);
    }
    f.ChooseUnits(2, 3);
    QRadioButton *option = c.optType[static_cast<std::size_t>(on)];
    option->setFocus();
    const int runs = f.window->Runs().categorySelection;
    if (key == Qt::Key_unknown) {
        // On the circle: an option button takes clicks on its circle and caption only.
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    } else {
        QTest::keyClick(option, key);
    }
    QCOMPARE(f.window->Runs().categorySelection, runs + 1);
    QCOMPARE(f.window->SelectedCategory(), selects);
    QCOMPARE(c.cboSource->currentIndex(), 0);
    QCOMPARE(c.cboDest->currentIndex(), 0);
    if (key == Qt::Key_Down) {
        // An arrow key leaves the focus on the buttons, so that the next arrow walks on.
        QCOMPARE(QApplication::focusWidget(), c.optType[static_cast<std::size_t>(selects)]);
        return;
    }
    QCOMPARE(QApplication::focusWidget(), c.txtIn);
    // What the user types next goes into the value box.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
    QCOMPARE(c.txtIn->text(), QStringLiteral("15"));
}

void CategoryListsTest::tabEntersTheGroupOnItsSelectedButton_data() {
    QTest::addColumn<int>("selected"); // chosen with the mouse first
    // From the value box: t Tab, b Shift+Tab, d Down, s Space; p a mouse press on Length released outside
    // it, which gives Length the focus without selecting it.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("selects");
    QTest::newRow("Tab-into-the-group") << 0 << "ttt"
                                        << "optType(0)" << 0;
    QTest::newRow("next-Tab-leaves") << 0 << "tttt"
                                     << "chkOnTop" << 0;
    QTest::newRow("Shift-Tab-into-the-group") << 0 << "bbbbbb"
                                              << "optType(0)" << 0;
    QTest::newRow("Shift-Tab-leaves") << 0 << "bbbbbbb"
                                      << "cboDest" << 0;
    QTest::newRow("all-the-way-round") << 0 << "ttttttttt"
                                       << "txtIn" << 0;
    QTest::newRow("last-button-same-place") << 16 << "ttt"
                                            << "optType(16)" << 16;
    QTest::newRow("last-button-from-behind") << 16 << "bbbbbb"
                                             << "optType(16)" << 16;
    QTest::newRow("Space-then-Tab-again") << 13 << "tttsttttb"
                                          << "optType(13)" << 13;
    QTest::newRow("arrow-then-Tab-leaves") << 0 << "tttdt"
                                           << "chkOnTop" << 1;
    QTest::newRow("arrow-then-back") << 0 << "tttdtb"
                                     << "optType(1)" << 1;
    QTest::newRow("pressed-but-not-selected") << 0 << "ptb"
                                              << "optType(0)" << 0;
    QTest::newRow("back-from-afar-after-an-arrow") << 0 << "tttdtttbbbbt"
                                                   << "optType(1)" << 1;
}

void CategoryListsTest::tabEntersTheGroupOnItsSelectedButton() {
    QFETCH(int, selected);
    QFETCH(QString, keys);
    QFETCH(QString, focus);
    QFETCH(int, selects);
    f.ChooseCategory(selected);
    QCOMPARE(QApplication::focusWidget(), f.c().txtIn);
    for (const QChar key : keys) {
        if (key == QLatin1Char('p')) {
            QRadioButton *length = f.c().optType[1];
            QTest::mousePress(length, Qt::LeftButton, {}, QPoint(6, length->height() / 2));
            QTest::mouseRelease(length, Qt::LeftButton, {}, QPoint(-20, length->height() / 2));
            QCOMPARE(QApplication::focusWidget(), length);
            continue;
        }
        const Qt::Key code = key == QLatin1Char('t')   ? Qt::Key_Tab
                             : key == QLatin1Char('b') ? Qt::Key_Backtab
                             : key == QLatin1Char('d') ? Qt::Key_Down
                                                       : Qt::Key_Space;
        QTest::keyClick(QApplication::focusWidget(), code,
                        code == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::processEvents();
    }
    const QWidget *now = QApplication::focusWidget();
    QVERIFY(now);
    QString name = now->objectName();
    if (now->property("Index").isValid()) {
        name += QStringLiteral("(%1)").arg(now->property("Index").toInt());
    }
    QCOMPARE(name, focus);
    QCOMPARE(f.window->SelectedCategory(), selects);
}

void CategoryListsTest::earlierResultStaysAfterCategoryChange() {
    f.Convert(0, 0, 1, QStringLiteral("1"));
    QCOMPARE(f.Shown(), QStringLiteral("0.03527"));
    f.ChooseCategory(6);
    QCOMPARE(f.Shown(), QStringLiteral("0.03527"));
    QCOMPARE(f.Factor(), QStringLiteral("0.03527"));
    QCOMPARE(f.c().vsDecPlaces->value(), 5);
    QCOMPARE(f.c().txtIn->text(), QStringLiteral("1"));
    QCOMPARE(f.window->ResultValue(), 0.03527);
}

void CategoryListsTest::pickedUnitsAreForgottenOnCategoryChange() {
    f.ChooseCategory(1);
    f.ChooseUnits(3, 7);
    f.ChooseCategory(2);
    QCOMPARE(f.c().cboSource->currentIndex(), 0);
    QCOMPARE(f.c().cboDest->currentIndex(), 0);
    f.ChooseCategory(1);
    QCOMPARE(f.c().cboSource->currentIndex(), 0);
    QCOMPARE(f.c().cboDest->currentIndex(), 0);
}

void CategoryListsTest::sameFirstItemDifferentConverter() {
    f.Convert(15, 0, 1, QStringLiteral("45"));
    QCOMPARE(f.c().cboSource->itemText(0), QStringLiteral("0- Degrees"));
    QCOMPARE(f.Shown(), QStringLiteral("100"));
    QCOMPARE(f.Factor(), QStringLiteral("Formula Used"));

    f.Convert(13, 0, 1, QStringLiteral("45"));
    QCOMPARE(f.c().cboSource->itemText(0), QStringLiteral("0- Degrees"));
    QVERIFY(f.Shown().startsWith(QStringLiteral("0.785")));
    QVERIFY(f.Factor() != QStringLiteral("Formula Used"));
}

QTEST_MAIN(CategoryListsTest)
#include "CategoryListsTest.moc"
