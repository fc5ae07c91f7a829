// Build-time tool: renders one of the program's SVG pictures to PNG, so that no external
// renderer is needed. Either the icon into a square of the icon theme's fixed sizes, or a
// picture at a multiple of its own size for a build without Qt SVG, whole or one layer of it
// where the layer lies in the whole.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QTransform>

#include <cstdio>

namespace {

constexpr int kLargestSize = 1024;
constexpr double kLargestScale = 4;

int fail(const char *what, const char *detail)
{
    std::fprintf(stderr, "render-icon: %s: %s\n", what, detail);
    return 1;
}

// Where a layer lies in a picture drawn into `box`.
QRectF layerBounds(const QSvgRenderer &renderer, const QString &layer, const QSizeF &box)
{
    const QRectF view = renderer.viewBoxF();
    QTransform toBox = QTransform::fromTranslate(-view.left(), -view.top());
    toBox *= QTransform::fromScale(box.width() / view.width(), box.height() / view.height());
    const QTransform placed = renderer.transformForElement(layer) * toBox;
    return placed.mapRect(renderer.boundsOnElement(layer));
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
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return fail("cannot read the SVG picture", argv[1]);

    QString sizeArgument = QString::fromLocal8Bit(argv[2]);
    const bool scaled = sizeArgument.endsWith(QLatin1Char('x'));
    QSizeF box;
    bool isNumber = false;
    if (scaled) {
        sizeArgument.chop(1);
        const double scale = sizeArgument.toDouble(&isNumber);
        if (!isNumber || scale <= 0 || scale > kLargestScale)
            return fail("not a scale above 0 and up to 4", argv[2]);
        box = QSizeF(renderer.defaultSize()) * scale;
    } else {
        const int size = sizeArgument.toInt(&isNumber);
        if (!isNumber || size < 1 || size > kLargestSize)
            return fail("not a size from 1 to 1024", argv[2]);
        box = QSizeF(size, size);
    }
    const QString layer = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (!layer.isEmpty() && !renderer.elementExists(layer))
        return fail("no such layer", argv[4]);

    QImage image(qRound(box.width()), qRound(box.height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (layer.isEmpty())
        renderer.render(&painter, QRectF(QPointF(0, 0), box));
    else
        renderer.render(&painter, layer, layerBounds(renderer, layer, box));
    painter.end();

    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG"))
        return fail("cannot write the PNG file", argv[3]);
    return 0;
}
