// Renders the program's icon drawing (an SVG file) to a square PNG of a given size. Used by the build to
// make the icon theme's fixed sizes from the one drawing.
//
//   render-icon INPUT.svg SIZE OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-icon INPUT.svg SIZE OUTPUT.png\n");
        return 2;
    }
    int size = 0;
    const char *sizeText = argv[2];
    const auto parsed = std::from_chars(sizeText, sizeText + std::strlen(sizeText), size);
    if (parsed.ec != std::errc{} || size < 1 || size > 4096) {
        std::fprintf(stderr, "render-icon: bad size '%s'\n", sizeText);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render-icon: cannot read '%s'\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "render-icon: cannot write '%s'\n", argv[3]);
        return 1;
    }
    return 0;
}
