// Build-time tool: renders one of the program's SVG pictures to PNG, so that no external
// renderer is needed. Either the icon into a square of the icon theme's fixed sizes, or a
// picture at a multiple of its own size for a build without Qt SVG, whole or one layer of it
// where the layer lies in the whole.
#include "picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>

namespace {

constexpr int kLargestSize = 1024;
constexpr double kLargestScale = 4;

int fail(const char *what, const char *detail)
{
    std::fprintf(stderr, "render-icon: %s: %s\n", what, detail);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr,
                     "usage: render-icon <input.svg> <size in pixels> <output.png>\n"
                     "       render-icon <input.svg> <scale>x <output.png> [<layer>]\n");
        return 2;
    }
    // Text in a picture needs the fonts, which need an application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const toolkit::Picture picture(QString::fromLocal8Bit(argv[1]));
    if (picture.size().isEmpty())
        return fail("cannot read the SVG picture", argv[1]);

    QString sizeArgument = QString::fromLocal8Bit(argv[2]);
    QSizeF box;
    bool isNumber = false;
    if (sizeArgument.endsWith(QLatin1Char('x'))) {
        sizeArgument.chop(1);
        const double scale = sizeArgument.toDouble(&isNumber);
        if (!isNumber || scale <= 0 || scale > kLargestScale)
            return fail("not a scale above 0 and up to 4", argv[2]);
        box = QSizeF(picture.size()) * scale;
    } else {
        const int size = sizeArgument.toInt(&isNumber);
        if (!isNumber || size < 1 || size > kLargestSize)
            return fail("not a size from 1 to 1024", argv[2]);
        box = QSizeF(size, size);
    }
    const QString layer = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (!layer.isEmpty() && !picture.hasLayer(layer))
        return fail("no such layer", argv[4]);

    QImage image(qRound(box.width()), qRound(box.height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(box.width() / picture.size().width(), box.height() / picture.size().height());
    picture.render(&painter, layer);
    painter.end();

    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG"))
        return fail("cannot write the PNG file", argv[3]);
    return 0;
}
