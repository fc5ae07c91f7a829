// The program's own pictures, named by their SVG files under the resources. Where Qt SVG is
// built, they are drawn from the SVG; where it is not (the Windows build), the build has
// rendered each picture, and each layer of a sign, to PNG at 1, 1.5 and 2 times its size:
// "name.png", "name@1.5x.png", "name@2x.png", "name.ink@2x.png".
#ifndef SPOONWISE_TOOLKIT_PICTURE_H
#define SPOONWISE_TOOLKIT_PICTURE_H

#include <QIcon>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;

namespace toolkit {

class Picture
{
public:
    explicit Picture(const QString &svgPath);
    ~Picture();
    Q_DISABLE_COPY_MOVE(Picture)

    QSize size() const;
    bool hasLayer(const QString &layer) const;
    // Draws the whole picture, or one of its layers where it lies in the whole, at the
    // painter's origin and at the picture's own size.
    void render(QPainter *painter, const QString &layer = QString()) const;

private:
    struct Source;
    std::unique_ptr<Source> m_source;
};

// An icon of one of the program's pictures, sharp at every scale the build offers.
QIcon icon(const QString &svgPath);

} // namespace toolkit

#endif // SPOONWISE_TOOLKIT_PICTURE_H
