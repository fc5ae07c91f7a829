// Build-time tool: renders the program's SVG icon into one square PNG for the icon theme's fixed
// sizes, so that no external renderer is needed.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int kLargestSize = 1024;

int fail(const char *what, const char *detail)
{
    std::fprintf(stderr, "render-icon: %s: %s\n", what, detail);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-icon <input.svg> <size in pixels> <output.png>\n");
        return 2;
    }
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > kLargestSize)
        return fail("not a size from 1 to 1024", argv[2]);

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return fail("cannot read the SVG picture", argv[1]);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();

    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG"))
        return fail("cannot write the PNG file", argv[3]);
    return 0;
}
