#include "picture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

namespace toolkit {

struct Picture::Source
{
    QSvgRenderer renderer;
};

Picture::Picture(const QString &svgPath)
    : m_source(std::make_unique<Source>())
{
    m_source->renderer.load(svgPath);
}

Picture::~Picture() = default;

QSize Picture::size() const
{
    return m_source->renderer.defaultSize();
}

bool Picture::hasLayer(const QString &layer) const
{
    return m_source->renderer.elementExists(layer);
}

void Picture::render(QPainter *painter, const QString &layer) const
{
    QSvgRenderer &svg = m_source->renderer;
    if (layer.isEmpty()) {
        svg.render(painter, QRectF(QPointF(0, 0), QSizeF(size())));
        return;
    }
    if (!svg.elementExists(layer))
        return;
    const QRectF view = svg.viewBoxF();
    QTransform toBox = QTransform::fromTranslate(-view.left(), -view.top());
    toBox *= QTransform::fromScale(size().width() / view.width(), size().height() / view.height());
    const QTransform placed = svg.transformForElement(layer) * toBox;
    svg.render(painter, layer, placed.mapRect(svg.boundsOnElement(layer)));
}

QIcon icon(const QString &svgPath)
{
    return QIcon(svgPath);
}

} // namespace toolkit
