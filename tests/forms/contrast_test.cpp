// Every text, caption, line and glyph of every window against what is actually behind it, under
// a light and under a dark desktop palette: WCAG AA asks for a contrast of 4.5:1 at least.
#include "widgettest.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &ink, const QList<QColor> &behind)
{
    double lowest = behind.isEmpty() ? 0 : 21;
    for (const QColor &colour : behind) {
        const auto [dark, light] = std::minmax(luminance(ink), luminance(colour));
        lowest = std::min(lowest, (light + 0.05) / (dark + 0.05));
    }
    return lowest;
}

// Adwaita's dark colours, as a desktop's dark theme hands them to Qt.
QPalette darkDesktop()
{
    QPalette dark(QColor(0xee, 0xee, 0xec), QColor(0x35, 0x35, 0x35), QColor(0x4a, 0x4a, 0x4a),
                  QColor(0x1c, 0x1c, 0x1c), QColor(0x28, 0x28, 0x28), QColor(0xff, 0xff, 0xff),
                  QColor(0xff, 0xff, 0xff), QColor(0x2d, 0x2d, 0x2d), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xec));
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    return dark;
}

// The pixels of `area` (in `widget`) of the picture under it, drawn without the controls on it.
QList<QColor> pictureUnder(QWidget *picture, const QWidget *widget, const QRect &area)
{
    QImage drawn(picture->size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    picture->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
    const QRect under = QRect(widget->mapTo(picture, area.topLeft()), area.size()) & drawn.rect();
    QList<QColor> colours;
    for (int y = under.top(); y <= under.bottom(); ++y)
        for (int x = under.left(); x <= under.right(); ++x)
            colours << drawn.pixelColor(x, y);
    return colours;
}

// What is behind `area` of a widget: its own background if it fills it, else that of the first
// ancestor that does (a window always does), or the picture it sits on.
QList<QColor> behind(QWidget *widget, const QRect &area)
{
    for (QWidget *under = widget; under; under = under->parentWidget()) {
        if (under->inherits("toolkit::PictureBox") && under != widget)
            return pictureUnder(under, widget, area);
        if (under->autoFillBackground() || under->isWindow())
            return {under->palette().color(under->backgroundRole())};
    }
    return {};
}

// The colour most pixels of a glyph picture are drawn in.
QColor glyphInk(QWidget *picture)
{
    QHash<QRgb, int> counts;
    for (const QColor &colour : pictureUnder(picture, picture, picture->rect()))
        counts[colour.rgba()] += colour.alpha() == 255 ? 1 : 0;
    return QColor::fromRgba(
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first);
}

// The lowest contrast of each visible text, caption, box, list, button, line and named glyph.
QList<std::pair<double, QString>> readings(QWidget *window, const QStringList &glyphs)
{
    QList<std::pair<double, QString>> result;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QPalette &colours = control->palette();
        const QString name
            = control->objectName().isEmpty() ? control->metaObject()->className() : control->objectName();
        const auto read = [&](const QColor &ink, const QList<QColor> &under) {
            result.append({contrast(ink, under), name});
        };
        if (!control->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
            const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect text = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
            read(colours.color(label->foregroundRole()), behind(label, text & label->contentsRect()));
        } else if (auto *frame = qobject_cast<QGroupBox *>(control); frame && !frame->title().isEmpty()) {
            read(colours.color(QPalette::WindowText),
                 behind(frame, QRect(0, 0, frame->width(), frame->fontMetrics().height())));
        } else if (qobject_cast<QLineEdit *>(control)) {
            read(colours.color(QPalette::Text), {colours.color(QPalette::Base)});
        } else if (auto *area = qobject_cast<QAbstractScrollArea *>(control)) {
            const QWidget *view = area->viewport();
            read(view->palette().color(QPalette::Text), {view->palette().color(view->backgroundRole())});
        } else if (auto *button = qobject_cast<QToolButton *>(control); button && button->autoRaise()) {
            read(colours.color(QPalette::ButtonText), behind(button->parentWidget(), button->geometry()));
        } else if (qobject_cast<QAbstractButton *>(control)) {
            read(colours.color(QPalette::ButtonText), {colours.color(QPalette::Button)});
        } else if (auto *line = qobject_cast<toolkit::Line *>(control)) {
            read(line->grab().toImage().pixelColor(line->line().center() - line->pos()),
                 behind(line, line->rect()));
        } else if (glyphs.contains(name)) {
            read(glyphInk(control), behind(control->parentWidget(), control->geometry()));
        }
    }
    return result;
}

} // namespace

class ContrastTest : public QObject
{
    Q_OBJECT

private slots:
    void every_text_line_and_glyph_reads_on_what_is_behind_it_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QStringList>("glyphs"); // pictures of a sign, which must read like text
        for (const QString window : {"Form1", "Form0", "Form2", "Form4", "Form5", "Form6"}) {
            const QStringList glyphs = window == "Form2" ? QStringList {"Image1", "Image2"} : QStringList();
            QTest::addRow("%s light", qPrintable(window)) << window << false << glyphs;
            QTest::addRow("%s dark", qPrintable(window)) << window << true << glyphs;
        }
    }

    void every_text_line_and_glyph_reads_on_what_is_behind_it()
    {
        QFETCH(QString, window);
        QFETCH(bool, dark);
        QFETCH(QStringList, glyphs);
        QApplication::setPalette(dark ? darkDesktop() : QApplication::style()->standardPalette());
        const std::unique_ptr<QWidget> shown(newWindow(window));
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

        const auto all = readings(shown.get(), glyphs);
        QVERIFY(all.size() >= 2 + glyphs.size());
        QStringList unreadable;
        for (const auto &[ratio, name] : all)
            unreadable << (ratio < 4.5 ? QStringLiteral("%1 %2:1").arg(name).arg(ratio, 0, 'f', 2)
                                       : QString());
        unreadable.removeAll(QString());
        const auto lowest = *std::min_element(all.begin(), all.end());
        qInfo("%s: lowest %.2f:1 (%s)", QTest::currentDataTag(), lowest.first, qPrintable(lowest.second));
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
