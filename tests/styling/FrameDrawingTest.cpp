#include "styling/FrameDrawing.h"

#include "TestPalette.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <vector>

using namespace quorlex;
using namespace quorlex::messages;

namespace {

// What a pixel should show; Paper is left untouched.
enum class Ink { Paper, Face, Highlight, Shadow, Window, Black, Orange, Blue };

struct Sample {
    int x;
    int y;
    Ink ink;
};

enum class Kind { TextBox, Combo, Button };

constexpr QRgb kPaper = 0xFFFF00FF;

// The pictures: a text box at 10, 10, 110, 30 drawn on its parent; a combo box of 120 x 22 with a drop
// button 16 wide; a push button of 60 x 20.
constexpr PixelRect kTextBox{10, 10, 110, 30};
constexpr PixelRect kComboClient{0, 0, 120, 22};
constexpr std::int32_t kDropButtonWidth = 16;
constexpr PixelRect kButtonClient{0, 0, 60, 20};

} // namespace

using Samples = std::vector<Sample>;
Q_DECLARE_METATYPE(Samples)
Q_DECLARE_METATYPE(Kind)

class FrameDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void looks_data();
    void looks();
    void resolveColorGivesMinusOneForUnknownColours();

private:
    QColor ColorOf(Ink ink) const;

    test::TestPalette palette_;
};

void FrameDrawingTest::initTestCase() {
    palette_.Apply();
}

QColor FrameDrawingTest::ColorOf(Ink ink) const {
    switch (ink) {
    case Ink::Paper:
        return QColor::fromRgb(kPaper);
    case Ink::Face:
        return palette_.face;
    case Ink::Highlight:
        return palette_.highlight;
    case Ink::Shadow:
        return palette_.shadow;
    case Ink::Window:
        return palette_.window;
    case Ink::Black:
        return Qt::black;
    case Ink::Orange:
        return {255, 128, 0};
    case Ink::Blue:
        return {0, 0, 255};
    }
    return {};
}

void FrameDrawingTest::looks_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<Samples>("samples");

    using I = Ink;
    // The outer ring in the look's colours: left and top edges top-left, right and bottom edges
    // bottom-right; the top-right corner belongs to the bottom-right colour, the bottom-left to the top-left.
    auto textOuter = [](Ink tl, Ink br) {
        return Samples{{8, 20, tl},  {60, 8, tl}, {111, 20, br},    {60, 31, br},
                       {111, 8, br}, {8, 31, tl}, {7, 20, I::Paper}};
    };
    auto comboOuter = [](Ink tl, Ink br) {
        return Samples{{0, 10, tl},  {60, 0, tl}, {119, 10, br},    {60, 21, br},
                       {119, 0, br}, {0, 21, tl}, {2, 10, I::Paper}};
    };
    auto join = [](Samples a, const Samples &b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };

    // Text box: second ring one pixel outside the control, three highlight rings inside when raised or
    // pressed, nothing inside when flat or disabled.
    const Samples noInnerRings{
        {10, 20, I::Paper}, {11, 20, I::Paper}, {12, 20, I::Paper}, {13, 20, I::Paper}};
    const Samples innerRings{{10, 20, I::Highlight}, {11, 20, I::Highlight}, {12, 20, I::Highlight},
                             {13, 20, I::Paper},     {60, 12, I::Highlight}, {107, 20, I::Highlight}};
    QTest::newRow("text-box-flat") << Kind::TextBox << 1 << true
                                   << join(join(textOuter(I::Face, I::Face), {{9, 20, I::Face}}),
                                           noInnerRings);
    QTest::newRow("text-box-raised") << Kind::TextBox << 2 << true
                                     << join(join(textOuter(I::Highlight, I::Shadow), {{9, 20, I::Face}}),
                                             innerRings);
    QTest::newRow("text-box-pressed")
        << Kind::TextBox << 4 << true
        << join(join(textOuter(I::Highlight, I::Shadow), {{9, 20, I::Face}}), innerRings);
    QTest::newRow("text-box-disabled")
        << Kind::TextBox << 2 << false
        << join(join(textOuter(I::Highlight, I::Shadow), {{9, 20, I::Highlight}}), noInnerRings);
    QTest::newRow("text-box-unknown-style")
        << Kind::TextBox << 3 << true
        << join(join(textOuter(I::Face, I::Face), {{9, 20, I::Face}}), noInnerRings);

    // Combo box: the drop button spans x 102..117 inside the two outer rings (y 2..19).
    QTest::newRow("combo-flat") << Kind::Combo << 1 << true
                                << join(comboOuter(I::Face, I::Face), {{1, 10, I::Face},
                                                                       {102, 10, I::Window},
                                                                       {103, 10, I::Highlight},
                                                                       {110, 2, I::Highlight},
                                                                       {116, 10, I::Highlight},
                                                                       {110, 19, I::Highlight},
                                                                       {110, 3, I::Face},
                                                                       {110, 18, I::Face},
                                                                       {117, 10, I::Face}});
    QTest::newRow("combo-raised") << Kind::Combo << 2 << true
                                  << join(comboOuter(I::Highlight, I::Shadow), {{1, 10, I::Face},
                                                                                {102, 10, I::Face},
                                                                                {103, 10, I::Highlight},
                                                                                {110, 2, I::Highlight},
                                                                                {117, 10, I::Shadow},
                                                                                {110, 19, I::Shadow},
                                                                                {116, 10, I::Face},
                                                                                {110, 3, I::Face}});
    QTest::newRow("combo-pressed") << Kind::Combo << 4 << true
                                   << join(comboOuter(I::Highlight, I::Shadow), {{1, 10, I::Face},
                                                                                 {102, 10, I::Face},
                                                                                 {103, 10, I::Shadow},
                                                                                 {110, 2, I::Shadow},
                                                                                 {117, 10, I::Highlight},
                                                                                 {110, 19, I::Highlight},
                                                                                 {116, 10, I::Face},
                                                                                 {110, 3, I::Face}});
    QTest::newRow("combo-disabled") << Kind::Combo << 4 << false
                                    << join(comboOuter(I::Highlight, I::Shadow), {{1, 10, I::Highlight},
                                                                                  {102, 10, I::Face},
                                                                                  {103, 10, I::Face},
                                                                                  {110, 2, I::Face},
                                                                                  {117, 10, I::Face},
                                                                                  {116, 10, I::Face},
                                                                                  {110, 19, I::Face},
                                                                                  {101, 10, I::Paper}});
    QTest::newRow("combo-unknown-style") << Kind::Combo << 3 << true
                                         << join(comboOuter(I::Face, I::Face), {{102, 10, I::Face},
                                                                                {103, 10, I::Face},
                                                                                {116, 10, I::Face},
                                                                                {117, 10, I::Face},
                                                                                {110, 2, I::Face}});

    // Push button: the look is drawn on the second ring.
    QTest::newRow("button-flat") << Kind::Button << 1 << true
                                 << Samples{{0, 10, I::Window},  {1, 10, I::Orange}, {30, 0, I::Orange},
                                            {58, 10, I::Orange}, {59, 10, I::Face},  {30, 19, I::Orange},
                                            {2, 10, I::Paper}};
    QTest::newRow("button-raised") << Kind::Button << 2 << true
                                   << Samples{{0, 10, I::Highlight}, {1, 10, I::Black},  {30, 0, I::Black},
                                              {59, 10, I::Black},    {30, 19, I::Black}, {2, 10, I::Paper}};
    QTest::newRow("button-pressed") << Kind::Button << 4 << true
                                    << Samples{{0, 10, I::Highlight},
                                               {1, 10, I::Shadow},
                                               {30, 0, I::Shadow},
                                               {59, 10, I::Highlight},
                                               {30, 19, I::Highlight}};
    QTest::newRow("button-disabled") << Kind::Button << 2 << false
                                     << Samples{{0, 10, I::Highlight}, {1, 10, I::Blue},
                                                {30, 1, I::Blue},      {58, 10, I::Blue},
                                                {59, 10, I::Shadow},   {2, 10, I::Paper}};
}

void FrameDrawingTest::looks() {
    QFETCH(Kind, kind);
    QFETCH(int, style);
    QFETCH(bool, enabled);
    QFETCH(Samples, samples);
    // The painter's colours for each style: flat in the button face, raised and pressed light over dark.
    const bool flat = style != 2 && style != 4;
    const OleColor topLeft = SystemColor(flat ? SysColor::BtnFace : SysColor::BtnHighlight);
    const OleColor bottomRight = SystemColor(flat ? SysColor::BtnFace : SysColor::BtnShadow);

    QImage image(130, 40, QImage::Format_RGB32);
    image.fill(kPaper);
    {
        QPainter painter(&image);
        DeviceContext dc(painter);
        switch (kind) {
        case Kind::TextBox:
            PaintEditFrame(dc, kTextBox, enabled, style, topLeft, bottomRight);
            break;
        case Kind::Combo:
            PaintCombo(dc, kComboClient, enabled, kDropButtonWidth, style, topLeft, bottomRight);
            break;
        case Kind::Button:
            PaintButton(dc, kButtonClient, enabled, style, topLeft, bottomRight);
            break;
        }
    }
    for (const Sample &sample : samples) {
        const QColor actual = image.pixelColor(sample.x, sample.y);
        const QColor expected = ColorOf(sample.ink);
        QVERIFY2(actual == expected, qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                                    .arg(sample.x)
                                                    .arg(sample.y)
                                                    .arg(actual.name(), expected.name())));
    }
}

void FrameDrawingTest::resolveColorGivesMinusOneForUnknownColours() {
    QCOMPARE(ResolveColor(SystemColor(SysColor::BtnFace)),
             palette_.face.red() | (palette_.face.green() << 8) | (palette_.face.blue() << 16));
    QCOMPARE(ResolveColor(0x80000063), -1);

    // A ring in an unknown colour draws nothing.
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(kPaper);
    {
        QPainter painter(&image);
        DeviceContext dc(painter);
        DrawFrame(dc, PixelRect{1, 1, 9, 9}, 0x80000063, 0x80000063);
    }
    QCOMPARE(image.pixel(1, 5), kPaper);
    QCOMPARE(image.pixel(8, 5), kPaper);
}

QTEST_MAIN(FrameDrawingTest)
#include "FrameDrawingTest.moc"
