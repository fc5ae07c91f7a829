// Focus and keys in every window that takes them; the title window's border, and the about,
// formulas, warranty and fractions windows: content, keys, closing.
#include "language.h"
#include "widgettest.h"

#include <QTextBlock>
#include <QTextLayout>

class OtherWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installAccessibleFactory(); }

    // Focus starts on the lowest tab index and Tab cycles; each key goes to that first control.
    void focus_and_keys()
    {
        // the window, its tab chain, the keys that close it
        // clang-format off
        const QList<std::tuple<QString, QStringList, QStringList>> rows = {
            {"Form1", {"Command1", "txtenter", "Combo1"}, {}}, {"Form0", {"Exit", "mypic", "Picture1"}, {"Return", "Space", "Alt+O"}},
            {"Form2", {"Exit", "Measure", "Weight"}, {"Return", "Space", "Alt+D"}},
            {"Form5", {"text1", "command1"}, {}}, {"Form6", {"Text1"}, {"Alt+H"}}};
        // clang-format on
        for (const auto &[name, chain, closingKeys] : rows) {
            QPointer<QWidget> window = open(name);
            for (int i = 0; i <= chain.size(); ++i) {
                QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(i % chain.size()));
                if (i < chain.size())
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            for (const QString key : {"Escape", "Return", "Space", "Alt+O", "Alt+D", "Alt+H"}) {
                window = window ? window : open(name);
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
                QTRY_COMPARE(window.isNull(), closingKeys.contains(key));
            }
            delete window;
        }
    }

    // The entry box and the fractions table take every key as typed, a pasted text too; result
    // boxes and the warranty take none, though the caret moves through them.
    void typing_changes_only_the_boxes_meant_for_it()
    {
        QApplication::clipboard()->setText(QStringLiteral("+ e"));
        // the window, a box in it, whether it takes typing
        // clang-format off
        const QList<std::tuple<QString, QString, bool>> rows = {
            {"Form1", "txtenter", true}, {"Form1", "txtml", false}, {"Form5", "text1", false}, {"Form6", "Text1", true}};
        // clang-format on
        for (const auto &[name, box, editable] : rows) {
            const std::unique_ptr<QWidget> window(open(name));
            QWidget *text = child(window.get(), box);
            const char *contents = qobject_cast<QLineEdit *>(text) ? "text" : "plainText";
            const QString before = text->property(contents).toString();
            QTest::keyClicks(text, QStringLiteral("12abc,.-5"));
            for (const auto key : {Qt::Key_Backspace, Qt::Key_Escape})
                QTest::keyClick(text, key);
            QTest::keySequence(text, QKeySequence::Paste);
            const QString after = text->property(contents).toString();
            QVERIFY2(editable ? after.contains("12abc,.-+ e") : after == before, qPrintable(box));
            QTest::keyClick(text, Qt::Key_End);
            QVERIFY(after.isEmpty() || text->inputMethodQuery(Qt::ImCursorPosition).toInt() > 0);
        }
    }

    // In every language and number format, each decimal is its fraction rounded to three places,
    // with the format's decimal sign (English without a leading zero), in a column of its own;
    // editable; only the "Done" key closes it; nothing edited survives.
    void fractions_table_in_every_language_closing_and_reopening()
    {
        QStringList faults;
        for (const QString &catalog : QStringList {QString()} + language::compiledCatalogs()) {
            QObject speaking;
            language::install(&speaking, {catalog});
            for (const char *numbers : {"en_US", "de_DE", "de_CH"}) {
                QLocale::setDefault(QLocale(numbers));
                const std::unique_ptr<QWidget> fractions(open("Form6"));
                auto *text = child<QPlainTextEdit>(fractions.get(), "Text1");
                const QStringList lines = text->toPlainText().split('\n', Qt::SkipEmptyParts).mid(1);
                QSet<qreal> columns; // where each line's decimal starts
                for (const QString &line : lines) {
                    const QStringList fraction = line.section('\t', 0, 0).remove('"').split('/');
                    const double value = fraction.first().toDouble() / fraction.value(1, "1").toDouble();
                    QString decimal = QString::number(value, 'f', value < 1 ? 3 : 2);
                    decimal = (catalog.isEmpty() && value < 1 ? decimal.mid(1) : decimal)
                                  .replace('.', QLocale().decimalPoint());
                    if (line.section('\t', 1, 1) != decimal)
                        faults << QStringLiteral("%1 %2: %3").arg(catalog, numbers, line);
                    const QTextBlock block
                        = text->document()->findBlockByLineNumber(int(lines.indexOf(line)) + 1);
                    columns << block.layout()->lineAt(0).cursorToX(int(line.indexOf('\t')) + 1);
                }
                if (lines.size() != 7 || columns.size() != 1)
                    faults << QStringLiteral("%1 %2: %3 lines in %4 columns")
                                  .arg(catalog, numbers)
                                  .arg(lines.size())
                                  .arg(columns.size());
            }
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

        QPointer<QWidget> fractions = open("Form6");
        auto *text = child<QPlainTextEdit>(fractions, "Text1");
        const QString table = text->toPlainText();
        QTest::keyClicks(text, QStringLiteral("edited"));
        QAction other(QStringLiteral("done")); // the key, in other case
        other.setData(other.text());
        emit child<toolkit::KeyedToolBar>(fractions, "Toolbar1")->buttonClick(&other);
        QVERIFY(fractions->isVisible());
        QTest::mouseClick(child(fractions, "Done"), Qt::LeftButton);
        QTRY_VERIFY(fractions.isNull());
        fractions = open("Form6");
        QCOMPARE(child<QPlainTextEdit>(fractions, "Text1")->toPlainText(), table);
        delete fractions;
    }

    // The title window's thin border of its own, whatever frames the desktop gives; the product
    // name's shadow lines outside its box.
    void title_border_and_shadows_outside_the_box()
    {
        Form4 title;
        const QImage shown = title.grab().toImage();
        const QColor ink = title.palette().color(QPalette::WindowText);
        for (const QPoint edge :
             {QPoint(0, 0), QPoint(shown.width() - 1, 99), QPoint(99, shown.height() - 1)})
            QCOMPARE(shown.pixelColor(edge), ink);
        QVERIFY(shown.pixelColor(1, 1) != ink);
        for (const QString name : {"Form0", "Form4"}) {
            const std::unique_ptr<QWidget> window(kWindows.at(name)());
            QWidget *parent = child(window.get(), "Line4")->parentWidget();
            QRect box;
            for (const char *side : {"Line4", "Line6", "Line7", "Line8"})
                box |= child(window.get(), side)->geometry();
            const auto drawn = [&](bool shadows) {
                for (const char *shadow : {"Line1", "Line2", "Line3", "Line5"})
                    child(window.get(), shadow)->setVisible(shadows);
                return parent->grab().toImage();
            };
            const QImage without = drawn(false), with = drawn(true);
            QCOMPARE(with.copy(box.adjusted(3, 3, -3, -3)), without.copy(box.adjusted(3, 3, -3, -3)));
            QVERIFY2(with != without, qPrintable(name)); // the shadow shows, outside
        }
    }
};

SPOONWISE_WIDGET_TEST_MAIN(OtherWindowsTest)
#include "other_windows_test.moc"
