// The about, formulas, warranty and fractions windows: content, focus, keys, closing.
#include "form0.h"
#include "form2.h"
#include "form5.h"
#include "form6.h"
#include "toolkit.h"
#include "windowtest.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

QWidget *open(const QString &name)
{
    QWidget *window = nullptr;
    if (name == QLatin1String("Form0"))
        window = toolkit::instance<Form0>();
    else if (name == QLatin1String("Form2"))
        window = toolkit::instance<Form2>();
    else if (name == QLatin1String("Form5"))
        window = toolkit::instance<Form5>();
    else
        window = toolkit::instance<Form6>();
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("window did not become active");
    return window;
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class ReferenceWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void focus_starts_and_tabs_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("about") << "Form0" << QStringList {"Exit", "mypic", "Picture1"};
        QTest::newRow("formulas") << "Form2" << QStringList {"Exit", "Measure", "Weight"};
        QTest::newRow("warranty") << "Form5" << QStringList {"text1", "command1"};
        QTest::newRow("fractions") << "Form6" << QStringList {"Text1"};
    }

    void focus_starts_and_tabs()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, chain);
        QPointer<QWidget> shown = open(window);
        for (int i = 0; i <= chain.size(); ++i) {
            QCOMPARE(focusName(), chain.at(i % chain.size()));
            if (chain.size() > 1)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        shown->close();
        QTRY_VERIFY(shown.isNull());
    }

    void keys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("about_enter") << "Form0" << int(Qt::Key_Return) << true;
        QTest::newRow("about_space") << "Form0" << int(Qt::Key_Space) << true;
        QTest::newRow("about_escape") << "Form0" << int(Qt::Key_Escape) << false;
        QTest::newRow("formulas_enter") << "Form2" << int(Qt::Key_Return) << true;
        QTest::newRow("formulas_space") << "Form2" << int(Qt::Key_Space) << true;
        QTest::newRow("formulas_escape") << "Form2" << int(Qt::Key_Escape) << false;
        QTest::newRow("warranty_enter") << "Form5" << int(Qt::Key_Return) << false;
        QTest::newRow("warranty_escape") << "Form5" << int(Qt::Key_Escape) << false;
        QTest::newRow("fractions_enter") << "Form6" << int(Qt::Key_Return) << false;
        QTest::newRow("fractions_escape") << "Form6" << int(Qt::Key_Escape) << false;
    }

    // Each key goes to the control that has the focus when the window opens.
    void keys()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QPointer<QWidget> shown = open(window);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        if (closes) {
            QTRY_VERIFY(shown.isNull());
            return;
        }
        QCoreApplication::processEvents();
        QVERIFY(!shown.isNull() && shown->isVisible());
        shown->close();
        QTRY_VERIFY(shown.isNull());
    }

    void about_shows_its_texts_and_photo()
    {
        Form0 about;
        QCOMPARE(child<QLabel>(&about, "Label1")->text(), QStringLiteral("ABOUT"));
        QCOMPARE(child<QLabel>(&about, "Label3")->text(), QStringLiteral("Spoonwise II   \u00AE"));
        QCOMPARE(child<QLabel>(&about, "Label2")->text(), QStringLiteral("Version 2.0 Released 3/1/99"));
        QCOMPARE(child<QLabel>(&about, "Label4")->text(), QStringLiteral("Written By: Brindlemoor"));
        QCOMPARE(child<QLabel>(&about, "Label3")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(child<QPushButton>(&about, "Exit")->text(), QStringLiteral("&OK"));
        QCOMPARE(child(&about, "mypic")->toolTip(), QStringLiteral("Programmer"));
        QCOMPARE(about.size(), QSize(310, 236));
        // The photograph is drawn unscaled from its top-left corner.
        const QImage shown = child(&about, "mypic")->grab().toImage();
        const QImage photo(QStringLiteral(":/pictures/photo.jpg"));
        QCOMPARE(shown.size(), QSize(105, 113));
        for (const QPoint point : {QPoint(0, 0), QPoint(50, 40), QPoint(104, 112)})
            QCOMPARE(shown.pixelColor(point), photo.pixelColor(point));
    }

    void about_frames_its_name_with_a_shadowed_box()
    {
        Form0 about;
        // Line1 .. Line8 in twips: x1, y1, x2, y2.
        const QList<QLine> expected
            = {{120, 600, 240, 600},    {120, 1200, 120, 600},   {4440, 1200, 4440, 1080},
               {240, 1080, 4560, 1080}, {120, 1200, 4440, 1200}, {240, 1080, 240, 480},
               {240, 480, 4560, 480},   {4560, 1080, 4560, 480}};
        for (int i = 0; i < expected.size(); ++i) {
            const QLine twips = expected.at(i);
            const QLine pixels(twips.x1() / 15, twips.y1() / 15, twips.x2() / 15, twips.y2() / 15);
            QCOMPARE(child<toolkit::Line>(&about, QStringLiteral("Line%1").arg(i + 1))->line(), pixels);
        }
    }

    void formulas_list_their_rules_unsorted()
    {
        Form2 formulas;
        const auto items = [&](const char *name) {
            QStringList texts;
            const auto *list = child<QListWidget>(&formulas, QLatin1String(name));
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
            return texts;
        };
        QCOMPARE(items("Measure"),
                 QStringList({"measure", "", "1ml slightly less than 1/4 teaspoon",
                              "2ml slighely less than 1/2 teaspoon", "5ml 1 teaspoon", "15ml 1 tablespoon",
                              "25ml 1 tablespoon plus 2 teaspoons", "50ml 1/4 cup minus 2 teaspoons",
                              "125ml 1/2 cup plus 1 1/2 teaspoons", "250ml 1 cup plus 1 tablespoon",
                              "500ml 1 pint plus 2 tablespoons", "1 l (1000ml) 1 quart plus 1/4 cup"}));
        QCOMPARE(items("Weight"),
                 QStringList({"weight", "", "30g 1 ounce plus a large pinch", "125g 1/4 pound plus 1/4 ounce",
                              "250g 1/2 pound plus less than an ounce", "500g 1 pound plus 1 2/3 ounces",
                              "1kg 2 pounds plus about 3 1/2 ounces"}));
        const QString banner = child<QLabel>(&formulas, "Label1")->text();
        QCOMPARE(banner.size(), 69);
        QCOMPARE(banner.simplified(), QStringLiteral("Conversion Formulas"));
        QCOMPARE(child<QPushButton>(&formulas, "Exit")->toolTip(),
                 QStringLiteral("Click to close this screen."));
    }

    void warranty_text_is_read_only_and_structured()
    {
        QPointer<QWidget> warranty = open("Form5");
        QCOMPARE(warranty->windowTitle(), QStringLiteral("Warranty Information"));
        auto *text = child<QPlainTextEdit>(warranty, "text1");
        const QString before = text->toPlainText();
        QCOMPARE(text->textCursor().position(), 0);
        QTest::keyClicks(text, QStringLiteral("xyz"));
        QTest::keyClick(text, Qt::Key_Delete);
        QTest::keyClick(text, Qt::Key_End);
        QTest::keyClick(text, Qt::Key_Backspace);
        text->paste();
        QCOMPARE(text->toPlainText(), before);
        QVERIFY(text->textCursor().position() > 0); // the caret moved

        const QStringList lines = before.split(QLatin1Char('\n'));
        QCOMPARE(
            lines.first(),
            QStringLiteral("DISCLAIMER:This software is provided \"AS IS\" without warranty of any kind."));
        QCOMPARE(lines.at(1), QString());
        QVERIFY(lines.at(2).startsWith(QStringLiteral("LIMITATION OF LIABILITY:")));
        const QStringList paragraph = lines.mid(2, 12);
        int shortLines = 0;
        for (int i = 0; i < paragraph.size(); ++i) {
            QCOMPARE(paragraph.at(i), paragraph.at(i).toUpper());
            QCOMPARE(paragraph.at(i).endsWith(QLatin1Char(' ')), i < paragraph.size() - 1);
            shortLines += paragraph.at(i).split(QLatin1Char(' '), Qt::SkipEmptyParts).size() <= 2 ? 1 : 0;
        }
        QCOMPARE(shortLines, 2);
        const QStringList contact = lines.mid(14);
        QVERIFY(contact.at(0).contains(QStringLiteral("\"Pinchpot Software\""))
                && contact.at(0).endsWith(QStringLiteral("   ")));
        QVERIFY(contact.at(1).trimmed().isEmpty() && contact.at(2).trimmed().isEmpty()
                && !contact.at(1).isEmpty());
        QCOMPARE(contact.at(3), QStringLiteral("Write to: Pinchpot Software"));
        QVERIFY(contact.at(4).startsWith(QLatin1Char('\t')) && contact.at(5).startsWith(QLatin1Char('\t')));
        QVERIFY(contact.at(6).trimmed().isEmpty() && !contact.at(6).isEmpty());
        QCOMPARE(contact.at(7), QStringLiteral("E-Mail: pinchpot@example.com"));
        QCOMPARE(contact.at(8), QString()); // the last line ends with a line break too
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        warranty->close();
        QTRY_VERIFY(warranty.isNull());
    }

    void fraction_table_is_the_designed_88_characters()
    {
        const QString table = Form6::designTable();
        QCOMPARE(table.size(), 88);
        QCOMPARE(table.count(QStringLiteral("\r\n")), 8);
        QVERIFY(table.startsWith(QStringLiteral("Fraction\tDecimal\t\r\n1/8\t.125\r\n")));
        QVERIFY(table.endsWith(QStringLiteral("3/4\t.750\r\n1\"\t1.00\r\n")));
        Form6 fractions;
        auto *text = child<QPlainTextEdit>(&fractions, "Text1");
        QCOMPARE(text->toPlainText(), QString(table).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    void fractions_close_by_done_key_or_hide_command_only()
    {
        QPointer<QWidget> fractions = open("Form6");
        auto *form = qobject_cast<Form6 *>(fractions.data());
        for (const QString key : {"done", "Done ", "DONE", ""}) {
            QAction other(key);
            other.setData(key);
            form->Toolbar1_ButtonClick(&other);
        }
        QCoreApplication::processEvents();
        QVERIFY(!fractions.isNull());
        auto *toolbar = child<toolkit::KeyedToolBar>(fractions, "Toolbar1");
        QTest::mouseClick(toolbar->widgetForAction(toolbar->button("Done")), Qt::LeftButton);
        QTRY_VERIFY(fractions.isNull());

        fractions = open("Form6");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier); // the "&Hide" command
        QTRY_VERIFY(fractions.isNull());
    }

    // Closing destroys the window: edits, selections and scroll positions do not survive.
    void reopened_windows_start_from_their_design()
    {
        QPointer<QWidget> fractions = open("Form6");
        auto *text = child<QPlainTextEdit>(fractions, "Text1");
        QTest::keyClicks(text, QStringLiteral("edited"));
        QTest::keyClick(text, Qt::Key_Return);
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("edited\n")));
        fractions->close();
        QTRY_VERIFY(fractions.isNull());
        fractions = open("Form6");
        QCOMPARE(child<QPlainTextEdit>(fractions, "Text1")->toPlainText(),
                 Form6::designTable().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        fractions->close();

        QPointer<QWidget> formulas = open("Form2");
        auto *list = child<QListWidget>(formulas, "Measure");
        list->setCurrentRow(0);
        list->setCurrentRow(11);
        QVERIFY(list->verticalScrollBar()->value() > 0);
        formulas->close();
        QTRY_VERIFY(formulas.isNull());
        formulas = open("Form2");
        list = child<QListWidget>(formulas, "Measure");
        QCOMPARE(list->selectedItems().size(), 0);
        QCOMPARE(list->verticalScrollBar()->value(), 0);
        formulas->close();
    }
};

QTEST_MAIN(ReferenceWindowsTest)
#include "reference_windows_test.moc"
