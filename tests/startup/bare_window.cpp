// A bare Qt window with the same kinds and number of controls as Quorlex's window, at the same places and
// the same fixed size, with Qt's own style, font and controls and no behaviour: what any Qt program of
// this shape costs to start. scripts/startup.sh measures it beside the program.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

namespace {

// A place in pixels: left, top, width, height.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

template <class Control>
Control *Put(Control *control, Place place) {
    control->setGeometry(place.left, place.top, place.width, place.height);
    return control;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(448, 292);

    Put(new QLabel(QStringLiteral("Original Units and Value"), &window), {7, 144, 149, 17});
    Put(new QLabel(QStringLiteral("Desired Units and Value"), &window), {7, 189, 149, 17});
    Put(new QLabel(QStringLiteral("0"), &window), {247, 207, 82, 21});
    Put(new QLabel(QStringLiteral("Multiplication Factor:"), &window), {6, 239, 95, 17});
    Put(new QLabel(QStringLiteral("12"), &window), {108, 239, 102, 17});
    Put(new QLabel(QStringLiteral("Decimal Places:"), &window), {223, 239, 78, 17});
    Put(new QLabel(QStringLiteral("2"), &window), {310, 239, 29, 17});
    Put(new QLabel(QStringLiteral("Credits"), &window), {5, 269, 326, 16});

    auto *group = Put(new QGroupBox(QStringLiteral("Convert "), &window), {10, 2, 433, 138});
    for (int index = 0; index < 17; ++index) {
        const int column = index < 5 ? 0 : index < 10 ? 1 : index < 15 ? 2 : index - 15;
        const int row = index < 15 ? index % 5 : 5;
        Put(new QRadioButton(QStringLiteral("Category %1").arg(index), group),
            {10 + column * 144, 27 + row * 16, 133, 13})
            ->setChecked(index == 0);
    }

    Put(new QPushButton(QStringLiteral("Compute"), &window), {340, 162, 98, 21});
    auto *source = Put(new QComboBox(&window), {7, 163, 235, 21});
    Put(new QLineEdit(QStringLiteral("1"), &window), {247, 163, 82, 21});
    Put(new QPushButton(QStringLiteral("Copy to Clipboard"), &window), {340, 206, 98, 21});
    auto *desired = Put(new QComboBox(&window), {7, 209, 235, 21});
    desired->setEditable(true);
    for (int unit = 0; unit < 6; ++unit) {
        source->addItem(QStringLiteral("%1- Unit").arg(unit));
        desired->addItem(QStringLiteral("%1- Unit").arg(unit));
    }
    Put(new QCheckBox(QStringLiteral("On Top"), &window), {366, 237, 70, 17});
    auto *places = Put(new QScrollBar(Qt::Horizontal, &window), {330, 238, 24, 16});
    places->setRange(0, 25);
    Put(new QPushButton(QStringLiteral("Exit"), &window), {340, 266, 98, 21});

    window.show();
    return QApplication::exec();
}
