// The image list's mask colour, which no window of the program needs (all its pictures are drawn).
#include "widgettest.h"

class ToolkitTest : public QObject
{
    Q_OBJECT

private slots:
    void bitmap_images_drop_their_mask_colour()
    {
        QTemporaryDir dir;
        QImage bitmap(16, 16, QImage::Format_RGB32);
        bitmap.fill(toolkit::kLightGrey);
        bitmap.setPixelColor(8, 8, Qt::black);
        QVERIFY(bitmap.save(dir.filePath("dot.png")));
        toolkit::ImageList images(QSize(16, 16));
        images.add(dir.filePath("dot.png"));
        images.add(QStringLiteral(":/toolbar/help.svg"));
        const QImage drawn = images.icon(1).pixmap(16, 16).toImage();
        QCOMPARE(qAlpha(drawn.pixel(0, 0)), 0);
        QCOMPARE(drawn.pixelColor(8, 8), QColor(Qt::black));
        QVERIFY(!images.icon(2).pixmap(16, 16).isNull());
        QVERIFY(images.icon(0).isNull() && images.icon(3).isNull());
    }
};

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
