// The about, formulas, warranty and fractions windows: content, focus, keys, closing.
#include "widgettest.h"

#include <QHash>
#include <QRegularExpression>
#include <QScrollBar>

namespace {

QPointer<QWidget> open(const QString &name)
{
    static const QHash<QString, std::function<QWidget *()>> windows = {{"Form0", toolkit::instance<Form0>},
                                                                       {"Form2", toolkit::instance<Form2>},
                                                                       {"Form5", toolkit::instance<Form5>},
                                                                       {"Form6", toolkit::instance<Form6>}};
    QWidget *window = windows.value(name)();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("window did not become active");
    return window;
}

QString focusName()
{
    return QApplication::focusWidget()->objectName();
}

QString designTable()
{
    return Form6::designTable().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class ReferenceWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    // Focus starts on the lowest tab index and Tab cycles; each key goes to that first control.
    void focus_and_keys()
    {
        // clang-format off
        const QList<std::tuple<QString, QStringList, QList<int>>> windows = {
            {"Form0", {"Exit", "mypic", "Picture1"}, {Qt::Key_Return, Qt::Key_Space}},
            {"Form2", {"Exit", "Measure", "Weight"}, {Qt::Key_Return, Qt::Key_Space}},
            {"Form5", {"text1", "command1"}, {}}, {"Form6", {"Text1"}, {}}};
        // clang-format on
        for (const auto &[name, chain, closingKeys] : windows) {
            QPointer<QWidget> window = open(name);
            for (int i = 0; i <= chain.size(); ++i) {
                QCOMPARE(focusName(), chain.at(i % chain.size()));
                if (i < chain.size())
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Space)}) {
                window = window ? window : open(name);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
                if (closingKeys.contains(key))
                    QTRY_VERIFY2(window.isNull(), qPrintable(name));
                else
                    QVERIFY2(window && window->isVisible(), qPrintable(name));
            }
            delete window;
        }
    }

    void about_shows_name_version_credit_and_photo()
    {
        Form0 about;
        QCOMPARE(child(&about, "Label3")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(about.size(), QSize(310, 236));
        // The photograph is drawn unscaled from its top-left corner.
        const QImage shown = child(&about, "mypic")->grab().toImage();
        const QImage photo(QStringLiteral(":/pictures/photo.jpg"));
        QCOMPARE(shown.size(), QSize(105, 113));
        for (const QPoint point : {QPoint(0, 0), QPoint(50, 40), QPoint(104, 112)})
            QCOMPARE(shown.pixelColor(point), photo.pixelColor(point));
        // On a screen scaled to 200 % it is drawn pixel for pixel from its sharper rendering.
        QImage twice(shown.size() * 2, QImage::Format_RGB32);
        twice.setDevicePixelRatio(2);
        child(&about, "mypic")->render(&twice);
        const QImage sharp(QStringLiteral(":/pictures/photo@2x.jpg"));
        for (const QPoint point : {QPoint(1, 1), QPoint(101, 81), QPoint(209, 225)})
            QCOMPARE(twice.pixelColor(point), sharp.pixelColor(point));
        // Labels draw their text at the top of their box, however tall the box.
        for (const char *name : {"Label2", "Label4"}) {
            const QImage text = child(&about, name)->grab().toImage();
            const auto blank = [&](int y) {
                for (int x = 0; x < text.width(); ++x)
                    if (text.pixel(x, y) != text.pixel(0, 0))
                        return false;
                return true;
            };
            int top = 0;
            while (top < text.height() && blank(top))
                ++top;
            QVERIFY2(top < text.height() / 4, name);
        }
        // Line1 .. Line8 in twips.
        const QList<QLine> lines
            = {{120, 600, 240, 600},    {120, 1200, 120, 600},   {4440, 1200, 4440, 1080},
               {240, 1080, 4560, 1080}, {120, 1200, 4440, 1200}, {240, 1080, 240, 480},
               {240, 480, 4560, 480},   {4560, 1080, 4560, 480}};
        for (int i = 0; i < lines.size(); ++i) {
            const QLine twips = lines.at(i);
            QCOMPARE(child<toolkit::Line>(&about, QStringLiteral("Line%1").arg(i + 1))->line(),
                     QLine(twips.p1() / 15, twips.p2() / 15));
        }
    }

    // Each list: a heading item, an empty item, then "amount unit" lines in rising order.
    void formulas_list_their_rules_unsorted()
    {
        Form2 formulas;
        const QRegularExpression rule(QStringLiteral("^(\\d+)(ml|g|kg| l \\(1000ml\\)) \\S.*[a-z]$"));
        for (const auto &[name, count] : {std::pair("Measure", 12), std::pair("Weight", 7)}) {
            const auto *list = child<QListWidget>(&formulas, name);
            QCOMPARE(list->count(), count);
            QCOMPARE(list->item(0)->text() + '|' + list->item(1)->text(), QString(name).toLower() + '|');
            for (int i = 2; i < count; ++i)
                QVERIFY2(rule.match(list->item(i)->text()).hasMatch(), qPrintable(list->item(i)->text()));
            QVERIFY(!list->isSortingEnabled());
        }
        QVERIFY(!child<QListWidget>(&formulas, "Measure")
                     ->findItems("125ml 1/2 cup plus", Qt::MatchStartsWith)
                     .isEmpty());
        const QString banner = child<QLabel>(&formulas, "Label1")->text();
        QCOMPARE(banner.size(), 69);
        QCOMPARE(banner.simplified(), QStringLiteral("Conversion Formulas"));
    }

    void warranty_text_is_read_only_and_structured()
    {
        QPointer<QWidget> warranty = open("Form5");
        QCOMPARE(warranty->windowTitle(), QStringLiteral("Warranty Information"));
        const auto *heading = child<QLabel>(warranty, "Label1"); // a whole line: no descender cut off
        QVERIFY(heading->height() >= heading->fontMetrics().height());
        auto *text = child<QPlainTextEdit>(warranty, "text1");
        const QString before = text->toPlainText();
        QCOMPARE(text->textCursor().position(), 0);
        QTest::keyClicks(text, QStringLiteral("xyz"));
        for (const auto key : {Qt::Key_Delete, Qt::Key_End, Qt::Key_Backspace})
            QTest::keyClick(text, key);
        QTest::keySequence(text, QKeySequence::Paste);
        QCOMPARE(text->toPlainText(), before);
        QVERIFY(text->textCursor().position() > 0); // the caret moved
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        delete warranty;

        // One letter per line: D disclaimer, e empty, C capitals ending in a blank, S a capitals
        // line of one or two words, I the invitation, b blanks, W write-to, t indented, E e-mail.
        QString shape;
        const QStringList lines = before.split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const bool capitals = line == line.toUpper() && !line.trimmed().isEmpty();
            const int words = line.split(' ', Qt::SkipEmptyParts).size();
            shape += line.isEmpty()              ? 'e'
                : line.trimmed().isEmpty()       ? 'b'
                : line.startsWith('\t')          ? 't'
                : line.startsWith("DISCLAIMER:") ? 'D'
                : line.startsWith("Write to:")   ? 'W'
                : line.startsWith("E-Mail:")     ? 'E'
                : !capitals                      ? 'I'
                : words <= 2                     ? 'S'
                : line.endsWith(' ')             ? 'C'
                                                 : '?';
        }
        QCOMPARE(shape, QStringLiteral("DeCCCSCCCCCCCSIbbWttbEe"));
        QCOMPARE(lines.first(),
                 "DISCLAIMER:This software is provided \"AS IS\" without warranty of any kind.");
        QVERIFY(lines.at(2).startsWith("LIMITATION OF LIABILITY:") && lines.at(5).endsWith(' ')
                && !lines.at(13).endsWith(' '));
        QVERIFY(lines.at(14).contains("\"Pinchpot Software\"") && lines.at(14).endsWith("   "));
        QCOMPARE(lines.at(17) + '|' + lines.at(21),
                 "Write to: Pinchpot Software|E-Mail: pinchpot@example.com");
    }

    // The 88-character table; only the "Done" key and "&Hide" close it; nothing edited survives.
    void fractions_table_closing_and_reopening()
    {
        const QString table = Form6::designTable();
        QCOMPARE(table.size(), 88);
        QCOMPARE(table.count(QStringLiteral("\r\n")), 8);
        QVERIFY(table.startsWith("Fraction\tDecimal\t\r\n1/8\t.125\r\n")
                && table.endsWith("3/4\t.750\r\n1\"\t1.00\r\n"));

        QPointer<QWidget> fractions = open("Form6");
        auto *text = child<QPlainTextEdit>(fractions, "Text1");
        QCOMPARE(text->toPlainText(), designTable());
        const QImage shown = text->viewport()->grab().toImage(); // in its own back colour
        QCOMPARE(shown.pixelColor(shown.width() - 2, shown.height() - 2),
                 text->palette().color(text->backgroundRole()));
        QTest::keyClicks(text, QStringLiteral("edited"));
        QTest::keyClick(text, Qt::Key_Return); // a line break, not a close
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("edited\n")));
        for (const QString key : {"done", "Done ", "DONE", ""}) {
            QAction other(key);
            other.setData(key);
            qobject_cast<Form6 *>(fractions)->Toolbar1_ButtonClick(&other);
        }
        QCoreApplication::processEvents();
        QVERIFY(fractions);
        auto *toolbar = child<toolkit::KeyedToolBar>(fractions, "Toolbar1");
        QTest::mouseClick(toolbar->widgetForAction(toolbar->button("Done")), Qt::LeftButton);
        QTRY_VERIFY(fractions.isNull());

        fractions = open("Form6");
        QCOMPARE(child<QPlainTextEdit>(fractions, "Text1")->toPlainText(), designTable());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier); // the "&Hide" command
        QTRY_VERIFY(fractions.isNull());
    }

    void reopened_formulas_start_unselected_at_the_top()
    {
        QPointer<QWidget> formulas = open("Form2");
        child<QListWidget>(formulas, "Measure")->setCurrentRow(11);
        QVERIFY(child<QListWidget>(formulas, "Measure")->verticalScrollBar()->value() > 0);
        formulas->close();
        QTRY_VERIFY(formulas.isNull());
        formulas = open("Form2");
        QCOMPARE(child<QListWidget>(formulas, "Measure")->selectedItems().size(), 0);
        QCOMPARE(child<QListWidget>(formulas, "Measure")->verticalScrollBar()->value(), 0);
        delete formulas;
    }
};

QTEST_MAIN(ReferenceWindowsTest)
#include "reference_windows_test.moc"
