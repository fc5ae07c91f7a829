#include "picture.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace toolkit {

namespace {

struct Rendering
{
    qreal scale;
    const char *suffix;
};

// In rising order: the first at least as fine as the screen is drawn.
constexpr std::array<Rendering, 3> kRenderings = {{{1.0, ""}, {1.5, "@1.5x"}, {2.0, "@2x"}}};

QString renderingPath(QString svgPath, const QString &layer, const Rendering &rendering)
{
    svgPath.chop(4); // ".svg"
    if (!layer.isEmpty())
        svgPath += QLatin1Char('.') + layer;
    return svgPath + QLatin1String(rendering.suffix) + QLatin1String(".png");
}

} // namespace

struct Picture::Source
{
    QString path;
    QSize size;
};

Picture::Picture(const QString &svgPath)
    : m_source(std::make_unique<Source>())
{
    m_source->path = svgPath;
    m_source->size = QPixmap(renderingPath(svgPath, QString(), kRenderings.front())).size();
}

Picture::~Picture() = default;

QSize Picture::size() const
{
    return m_source->size;
}

bool Picture::hasLayer(const QString &layer) const
{
    return QFile::exists(renderingPath(m_source->path, layer, kRenderings.front()));
}

void Picture::render(QPainter *painter, const QString &layer) const
{
    const qreal screenScale = painter->deviceTransform().m11();
    const Rendering *chosen = &kRenderings.back();
    for (const Rendering &rendering : kRenderings) {
        if (rendering.scale >= screenScale) {
            chosen = &rendering;
            break;
        }
    }
    QPixmap pixmap(renderingPath(m_source->path, layer, *chosen));
    pixmap.setDevicePixelRatio(chosen->scale);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, chosen->scale != screenScale);
    painter->drawPixmap(0, 0, pixmap);
}

QIcon icon(const QString &svgPath)
{
    QIcon result;
    for (const Rendering &rendering : kRenderings)
        result.addFile(renderingPath(svgPath, QString(), rendering));
    return result;
}

} // namespace toolkit
