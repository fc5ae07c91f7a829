// Every control of every window: read against what is actually behind it, under a light and
// under a dark desktop palette, and named for screen readers.
#include "widgettest.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QHash>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <memory>

namespace {

const std::array kWindows = {"Form1", "Form0", "Form2", "Form4", "Form5", "Form6"};

// The colour most opaque pixels of a glyph picture are drawn in.
QColor glyphInk(QWidget *picture)
{
    QImage drawn(picture->size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    picture->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags()); // without the background
    QHash<QRgb, int> counts;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            counts[drawn.pixel(x, y)] += qAlpha(drawn.pixel(x, y)) == 255 ? 1 : 0;
    return QColor::fromRgba(
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first);
}

// Each visible text, caption, box, list, button, line and glyph (the pictures of a sign, named
// "Image...", which must read like text) whose contrast against what is behind it is too low.
QStringList unreadable(QWidget *window)
{
    QStringList result;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QPalette &colours = control->palette();
        const QString name
            = control->objectName().isEmpty() ? control->metaObject()->className() : control->objectName();
        const auto check = [&](double ratio) {
            if (ratio < 4.5) // WCAG AA
                result << QStringLiteral("%1 %2:1").arg(name).arg(ratio, 0, 'f', 2);
        };
        const auto read = [&](const QColor &ink, QWidget *widget, const QRect &area) {
            check(toolkit::contrastBehind(ink, widget, area));
        };
        if (!control->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
            const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect text = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
            read(colours.color(label->foregroundRole()), label, text & label->contentsRect());
        } else if (auto *frame = qobject_cast<QGroupBox *>(control); frame && !frame->title().isEmpty()) {
            read(colours.color(QPalette::WindowText), frame,
                 QRect(0, 0, frame->width(), frame->fontMetrics().height()));
        } else if (qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractScrollArea *>(control)) {
            read(colours.color(QPalette::Text), control, control->rect());
        } else if (auto *button = qobject_cast<QToolButton *>(control); button && button->autoRaise()) {
            read(colours.color(QPalette::ButtonText), button->parentWidget(), button->geometry());
        } else if (qobject_cast<QAbstractButton *>(control)) {
            check(toolkit::contrast(colours.color(QPalette::ButtonText), colours.color(QPalette::Button)));
        } else if (auto *line = qobject_cast<toolkit::Line *>(control)) {
            read(line->grab().toImage().pixelColor(line->line().center() - line->pos()), line, line->rect());
        } else if (name.startsWith("Image")) {
            read(glyphInk(control), control->parentWidget(), control->geometry());
        }
    }
    return result;
}

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void every_text_line_and_glyph_reads_on_what_is_behind_it_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("dark");
        for (const char *window : kWindows) {
            QTest::addRow("%s light", window) << QString(window) << false;
            QTest::addRow("%s dark", window) << QString(window) << true;
        }
    }

    void every_text_line_and_glyph_reads_on_what_is_behind_it()
    {
        QFETCH(QString, window);
        QFETCH(bool, dark);
        // From a dark button colour Qt derives a dark palette, as a desktop's dark theme gives.
        QApplication::setPalette(dark ? QPalette(QColor(0x35, 0x35, 0x35))
                                      : QApplication::style()->standardPalette());
        const std::unique_ptr<QWidget> shown(newWindow(window));
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QStringList found = unreadable(shown.get());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(", "))));
    }

    // Every control a user reads or operates, and every window, has a name; a tooltip becomes
    // the description; pictures are graphics.
    void every_control_is_named_and_described()
    {
        for (const char *name : kWindows) {
            const std::unique_ptr<QWidget> window(newWindow(name));
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(window.get());
            QVERIFY(!reader->text(QAccessible::Name).isEmpty() && reader->role() == QAccessible::Window);
            // Qt's platform windows show the program's file name in place of an empty title.
            const QString title = window->windowTitle();
            QVERIFY2(!title.isEmpty() && !title.contains(QCoreApplication::applicationName()), name);
            for (QWidget *control : window->findChildren<QWidget *>(QRegularExpression("^(?!qt_).+"))) {
                if (control->inherits("toolkit::Line") || control->inherits("QGroupBox")
                    || control->inherits("QToolBar"))
                    continue; // decoration and containers
                QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(control);
                const QString heard = reader->text(QAccessible::Name);
                QVERIFY2(!heard.trimmed().isEmpty(), qPrintable(control->objectName()));
                QCOMPARE(reader->text(QAccessible::Description), control->toolTip());
                QVERIFY(!control->inherits("toolkit::PictureBox") || reader->role() == QAccessible::Graphic);
                // Named after what the user sees: a box after the frame around it or its label. On
                // Linux a combo box's name is its text; its label comes as a relation.
                if (auto *frame = qobject_cast<QGroupBox *>(control->parentWidget());
                    frame && !frame->title().isEmpty() && control->inherits("QLineEdit"))
                    QCOMPARE(heard, frame->title());
                if (auto *label = qobject_cast<QLabel *>(control); label && label->buddy()) {
                    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(label->buddy());
                    QVERIFY(reader->relations(QAccessible::Labelled).value(0).first == box);
                    QVERIFY(label->buddy()->inherits("QComboBox")
                            || box->text(QAccessible::Name) == label->text().trimmed());
                }
            }
        }
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
