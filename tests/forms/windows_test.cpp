// Every control of every window read against what is actually drawn behind it, under a light
// and under a dark desktop palette.
#include "widgettest.h"

#include <QAbstractScrollArea>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The contrast ratio of two colours, by WCAG 2.
double contrast(const QColor &a, const QColor &b)
{
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const auto luminance = [&](const QColor &c) {
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)}); // values, not references
    return (light + 0.05) / (dark + 0.05);
}

// The lowest contrast of `ink` against what is drawn behind `area` of a control: the window and
// each widget that holds the control, and the control itself with its own text, line or glyph
// made invisible; not its siblings.
double lowestContrast(QWidget *control, const QColor &ink, const QRect &area)
{
    const QPalette kept = control->palette();
    QPalette hidden = kept;
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        hidden.setColor(role, Qt::transparent);
    control->setPalette(hidden);
    QImage drawn(area.size(), QImage::Format_ARGB32);
    QWidgetList layers = {control};
    while (!layers.first()->isWindow())
        layers.prepend(layers.first()->parentWidget());
    for (QWidget *layer : layers) {
        const auto flags = layer->isWindow() ? QWidget::DrawWindowBackground
            : layer == control               ? QWidget::DrawChildren
                                             : QWidget::RenderFlags();
        if (layer != control || !control->objectName().startsWith("Image")) // a glyph is left out whole
            layer->render(&drawn, QPoint(),
                          QRegion(QRect(control->mapTo(layer, area.topLeft()), area.size())), flags);
    }
    control->setPalette(kept);
    double lowest = 21;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            lowest = std::min(lowest, contrast(ink, drawn.pixelColor(x, y)));
    return lowest;
}

// Each visible text, caption, box, list, button, line and glyph (the pictures of a sign, named
// "Image...", which must read like text) whose contrast against what is behind it is too low.
QStringList unreadable(QWidget *window)
{
    QStringList result;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QPalette &colours = control->palette();
        const QFontMetrics metrics = control->fontMetrics();
        QColor ink;
        QRect area;
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
            const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
            ink = colours.color(label->foregroundRole());
            area = metrics.boundingRect(label->contentsRect(), flags, label->text()) & label->contentsRect();
        } else if (auto *frame = qobject_cast<QGroupBox *>(control); frame && !frame->title().isEmpty()) {
            ink = colours.color(QPalette::WindowText);
            area = QRect(0, 0, metrics.horizontalAdvance(frame->title()) + 8, metrics.height());
        } else if (auto *box = qobject_cast<QAbstractScrollArea *>(control)) {
            ink = colours.color(QPalette::Text);
            area = box->viewport()->geometry();
        } else if (qobject_cast<QLineEdit *>(control)) {
            ink = colours.color(QPalette::Text);
            area = control->rect().adjusted(3, 3, -3, -3); // inside its frame
        } else if (auto *button = qobject_cast<QToolButton *>(control); button && button->autoRaise()) {
            ink = colours.color(QPalette::ButtonText);
            area = QRect(0, button->height() - metrics.height(), button->width(), metrics.height());
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            ink = colours.color(QPalette::ButtonText);
            area = metrics.boundingRect(QString(button->text()).remove('&'));
            area.moveCenter(button->rect().center());
        } else if (control->inherits("toolkit::Line")) {
            ink = colours.color(QPalette::WindowText);
            area = QRect(control->rect().center(), QSize(1, 1));
        } else if (control->objectName().startsWith("Image")) {
            ink = colours.color(control->foregroundRole()); // a sign's ink, drawn like text
            area = control->rect();
        } else {
            continue;
        }
        if (const double ratio = lowestContrast(control, ink, area); ratio < 4.5) // WCAG AA
            result << QStringLiteral("%1 %2:1").arg(control->objectName()).arg(ratio, 0, 'f', 2);
    }
    return result;
}

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installAccessibleFactory(); }

    void every_text_line_and_glyph_reads_on_what_is_behind_it_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("dark");
        for (const auto &[window, make] : kWindows) {
            QTest::addRow("%s light", qPrintable(window)) << window << false;
            QTest::addRow("%s dark", qPrintable(window)) << window << true;
        }
    }

    void every_text_line_and_glyph_reads_on_what_is_behind_it()
    {
        QFETCH(QString, window);
        QFETCH(bool, dark);
        // From a dark button colour Qt derives a dark palette, as a desktop's dark theme gives.
        QApplication::setPalette(dark ? QPalette(QColor(0x35, 0x35, 0x35))
                                      : QApplication::style()->standardPalette());
        const std::unique_ptr<QWidget> shown(open(window));
        if (QWidget *focused = shown->focusWidget())
            focused->clearFocus(); // a caret is no part of what is behind the text
        const QStringList found = unreadable(shown.get());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
