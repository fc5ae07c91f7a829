// The converter window as a user drives it: keys, clicks, menus, toolbar and messages.
#include "language.h"
#include "widgettest.h"

#include <QAccessible>
#include <QToolButton>

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// The rightmost column of a text box's drawing that differs from its base, inside its frame.
int lastInk(QWidget *box)
{
    const QImage drawn = box->grab().toImage();
    const QRgb base = box->palette().color(QPalette::Base).rgb();
    for (int x = drawn.width() - 4; x >= 3; --x)
        for (int y = 3; y < drawn.height() - 3; ++y)
            if (drawn.pixel(x, y) != base)
                return x;
    return 0;
}

// Whether a text box draws its whole text: its ink against that of the same box made wide
// enough for any text.
bool drawnWhole(QLineEdit *box)
{
    QLineEdit wide(box->text());
    wide.setFont(box->font());
    wide.setPalette(box->palette());
    wide.setAutoFillBackground(box->autoFillBackground());
    wide.setReadOnly(box->isReadOnly());
    wide.resize(box->width() * 4, box->height());
    wide.setCursorPosition(0);
    return lastInk(&wide) <= lastInk(box);
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(kEnglish);
        toolkit::installAccessibleFactory();
    }

    // The button, Return and the keypad's Enter in the entry box give the same texts and messages,
    // under the locale the window opened with.
    void calculate_and_enter_agree()
    {
        // locale, amount, unit, the messages in their exact words, a box and what it shows
        // clang-format off
        const QList<std::tuple<QString, QString, QString, QStringList, QString, QString>> rows
            = {{"en_US", "1", "Cup", {}, "txtml", "236.56"},
               {"en_US", "12abc", "Cup", {"That is an invalid Character,You must enter a number"}, "txtenter", "0.0"},
               {"en_US", "5", "", {"Please Make a selection in the 'Select & Enter here Combo box' pull down menu"}, "txtcup", ""},
               {"en_US", "", "Cup", {"Please enter a number"}, "txtenter", "0.0"},
               {"de_DE", "0,5", "Cup", {}, "txtml", "118,28"},
               {"fr_FR", "1", "Cup", {}, "txtml", "236,56"},
               {"fr_FR", "1000000", "Gallons", {}, "txtml", "3\u202F785\u202F000\u202F000,00"}};
        // clang-format on
        for (const auto &[locale, amount, unit, prompts, box, shown] : rows) {
            QLocale::setDefault(QLocale(locale));
            Harness byButton, byReturn, byEnter;
            QLocale::setDefault(kEnglish);
            byButton.enter(amount, unit);
            QTest::mouseClick(byButton.calculate(), Qt::LeftButton);
            QCOMPARE(byButton.prompts, prompts);
            QCOMPARE(byButton.text(box), shown);
            // A long number without its first digits would read as a smaller one.
            QTRY_VERIFY(box == "txtenter"
                        || byButton.edit(box)->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <= 0);
            for (auto [harness, key] :
                 {std::pair(&byReturn, Qt::Key_Return), std::pair(&byEnter, Qt::Key_Enter)}) {
                harness->enter(amount, unit);
                QTest::keyClick(harness->edit("txtenter"), key,
                                key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                QCOMPARE(harness->shown(), byButton.shown());
                QCOMPARE(harness->messages, byButton.messages);
            }
        }
    }

    // A value the box cuts off, by a pixel or by many, is given whole as its tooltip, which a
    // screen reader reads as its description; no box keeps the tooltip of an earlier value.
    void a_cut_value_is_given_whole_where_a_pointer_or_screen_reader_asks()
    {
        QStringList faults;
        int cut = 0;
        // Every width of result around the boxes' own: number formats, amounts from the millions
        // down of either sign, and the sizes a desktop's face may come in.
        for (const auto &[locale, points] : QList<std::pair<const char *, qreal>> {{"en_US", 8.25},
                                                                                   {"fr_FR", 8.25},
                                                                                   {"de_CH", 8.25},
                                                                                   {"en_US", 7.75},
                                                                                   {"en_US", 8},
                                                                                   {"en_US", 8.5}}) {
            QLocale::setDefault(QLocale(locale));
            Harness h;
            for (const convert::UnitInfo &unit : convert::kUnits) {
                QFont face = h.edit(unit.boxName.data())->font();
                face.setPointSizeF(points);
                h.edit(unit.boxName.data())->setFont(face);
            }
            for (double amount = 7.3e6; std::abs(amount) > 1; amount /= -2.3) {
                h.enter(QLocale().toString(amount, 'f', 2), "Teaspoon");
                QTest::mouseClick(h.calculate(), Qt::LeftButton);
                for (const convert::UnitInfo &unit : convert::kUnits) {
                    QLineEdit *box = h.edit(unit.boxName.data());
                    const bool whole = drawnWhole(box);
                    cut += !whole;
                    const QString heard
                        = QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
                    if (heard != (whole ? heard : box->text()) || (!heard.isEmpty() && heard != box->text()))
                        faults << QStringLiteral("%1 \"%2\" %3, heard \"%4\"")
                                      .arg(box->objectName(), box->text(), whole ? "whole" : "cut", heard);
                }
            }
        }
        QLocale::setDefault(kEnglish);
        QVERIFY(cut > 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // A substitute amount is selected when the entry box next has the focus, however it gets
    // there, so that the next keystroke replaces it, under the language's number format; an
    // amount the user typed keeps the caret at its end.
    void a_substitute_amount_is_typed_over()
    {
        // the amount; how it is converted and the focus comes back; what typing 7 then leaves
        // clang-format off
        const QList<std::tuple<QString, QString, QString>> rows = {{"abc", "Return", "7"},
            {"", "Return, message box", "7"}, {"", "Calculate, Tab", "7"}, {"12abc", "Calculate, click", "7"},
            {"5", "Return", "57"}, {"", "Calculate, Tab, click", "70.0"}};
        // clang-format on
        for (const auto &[catalog, locale] : {std::pair("", "en_US"), std::pair("de", "de_DE")}) {
            QObject speaking;
            language::install(&speaking, {catalog});
            QLocale::setDefault(QLocale(locale));
            for (const auto &[amount, how, typed] : rows) {
                Harness h;
                QLineEdit *entry = h.edit("txtenter");
                if (how.contains("message box"))
                    h.form->setMessageSink([&h](const QString &prompt) {
                        whenModal([](QWidget *box) { box->close(); });
                        toolkit::showMessageBox(h.form.get(), prompt);
                    });
                h.enter(amount, "Cup");
                if (how.startsWith("Return")) {
                    entry->setFocus();
                    QTest::keyClick(entry, Qt::Key_Return);
                } else {
                    QTest::mouseClick(h.calculate(), Qt::LeftButton);
                    h.calculate()->setFocus();
                    if (how.contains("Tab")) // once the selection has been seen, a click places the caret
                        QTest::keyClick(h.calculate(), Qt::Key_Tab);
                    if (how.endsWith("click"))
                        QTest::mouseClick(entry, Qt::LeftButton, {}, QPoint(2, entry->height() / 2));
                }
                QVERIFY(showActive(h.form.get())); // as the desktop gives it back after a message box
                QVERIFY2(entry->hasFocus(), qPrintable(how));
                QTest::keyClicks(entry, QStringLiteral("7"));
                QVERIFY2(entry->text() == QString(typed).replace('.', QLocale().decimalPoint()),
                         qPrintable(QStringLiteral("%1, %2: %3").arg(locale, how, entry->text())));
            }
        }
        QLocale::setDefault(kEnglish);
    }

    void only_enter_in_the_entry_box_or_on_calculate_converts()
    {
        Harness h;
        QCOMPARE(h.text("txtenter") + h.combo()->currentText(), "0Teaspoon");
        h.enter("3", "Cup");
        const QStringList untouched = h.shown();
        QTest::keyClick(h.combo(), Qt::Key_Return); // Enter outside the entry box converts nothing
        QTest::mouseClick(h.edit("txtml"), Qt::LeftButton);
        QTest::keyClick(h.edit("txtml"), Qt::Key_Return);
        QCOMPARE(h.shown(), untouched);
        QTest::keyClick(h.calculate(), Qt::Key_Return); // Enter presses the focused button
        QCOMPARE(h.text("txtcup"), QStringLiteral("3.00"));

        h.combo()->lineEdit()->selectAll(); // a typed unit text stays as typed; the list stays as it is
        QTest::keyClicks(h.combo(), QStringLiteral("teaspoon"));
        QTest::keyClick(h.combo(), Qt::Key_Return);
        QCOMPARE(h.combo()->currentText(), QStringLiteral("teaspoon"));
        QCOMPARE(h.combo()->count(), int(convert::kUnitCount));
        QVERIFY(h.messages.isEmpty());
    }

    // Shortcuts win over the entry box's own keys: Ctrl+C starts the calculator, one more each time,
    // and copies nothing. The toolbar dispatches by key, case-sensitively; captions do not count.
    void commands_reach_their_handlers_by_shortcut_menu_and_toolbar_key()
    {
        Harness h;
        const QStringList untouched = h.shown();
        QLineEdit *entry = h.edit("txtenter");
        entry->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keySequence(entry, QKeySequence("Ctrl+H"));
        {
            FakeCalculator calculator;
            QTest::keySequence(entry, QKeySequence("Ctrl+C"));
            h.find<QAction>("mnutoolscalc")->trigger();
            for (const QString key :
                 {"help", "CALCULATOR", "Fractions", "How To?", "", "Help", "Calculator"}) {
                QAction button(key);
                button.setData(key);
                emit h.find<toolkit::KeyedToolBar>("Toolbar1")->buttonClick(&button);
            }
            QTRY_COMPARE(calculator.starts(), 3);
        }
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        QTest::mouseClick(h.find("Label6"), Qt::LeftButton);
        // The maker's label never takes the focus, so screen readers get a press action for it.
        QAccessible::queryAccessibleInterface(h.find("Label6"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        FakeCalculator none(FakeCalculator::Missing);
        h.find<QAction>("mnutoolscalc")->trigger();
        const QString howTo
            = "To use this program simply Enter a number in the 'Enter Number Here' text box and "
              "make a selection in the 'Make Selection Here' text Box. Then Click the Calculate "
              "Button to see the results in the surrounding Windows";
        const QString maker = "I hate 4-letter Words, Cook, Iron, Wash, and Dust";
        QCOMPARE(h.prompts, QStringList({howTo, howTo, maker, maker, "The calculator could not be started"}));
        QCOMPARE(h.shown(), untouched);
    }

    // Each frame shows its own unit: a gallon read by the captions a user sees, in kitchen measures
    // (and 3.785 41 liters), American units in red and metric ones in blue; no frame hides another.
    void every_frame_shows_its_unit_in_its_colour()
    {
        // clang-format off
        const QMap<QString, std::pair<double, bool>> perGallon = {
            {"Teaspoons", {768, false}}, {"Tablespoons", {256, false}}, {"Fluid Ounce", {128, false}}, {"Cups", {16, false}},
            {"Pints", {8, false}}, {"Quarts", {4, false}}, {"Gallons", {1, false}}, {"Milliliters", {3785.41, true}},
            {"Centiliters", {378.541, true}}, {"Deciliters", {37.8541, true}}, {"Liters", {3.78541, true}}};
        // clang-format on
        Harness h;
        h.enter("1", "Gallons");
        QTest::mouseClick(h.calculate(), Qt::LeftButton);
        QStringList captions;
        const QList<QGroupBox *> frames = h.find("Frame1")->findChildren<QGroupBox *>();
        for (QGroupBox *frame : frames) {
            for (QGroupBox *other : frames)
                QVERIFY2(frame == other || !frame->geometry().intersects(other->geometry()),
                         qPrintable(frame->title()));
            if (frame->title().isEmpty())
                continue;
            captions << frame->title();
            auto *box = frame->findChild<QLineEdit *>();
            const auto [expected, metric] = perGallon.value(frame->title());
            const double shown = kEnglish.toDouble(box->text());
            QVERIFY2(std::abs(shown - expected) <= expected * 0.002,
                     qPrintable(frame->title() + " " + box->text()));
            QVERIFY2((redOverBlue(box) < 0) == metric, qPrintable(frame->title()));
        }
        QCOMPARE(captions.size(), perGallon.size());
    }

    // Each toolbar button shows its own picture.
    void toolbar_buttons_show_their_own_pictures()
    {
        Form1 form;
        Form6 fractions;
        // clang-format off
        const QList<std::tuple<QWidget *, QString, QString>> rows = {
            {&form, "AboutScreen", "about"}, {&form, "Formulas", "formulas"}, {&form, "Calculator", "calculator"},
            {&form, "Decimals", "fractions"}, {&form, "Help", "help"}, {&form, "ExitProgram", "exit"},
            {&fractions, "Done", "../pictures/wastebin"}};
        // clang-format on
        for (const auto &[window, key, picture] : rows) {
            auto *button = child<QToolButton>(window, key);
            const QImage shown = button->icon().pixmap(button->iconSize()).toImage();
            const QImage own = QIcon(":/toolbar/" + picture + ".svg").pixmap(button->iconSize()).toImage();
            QVERIFY2(!own.isNull() && shown == own, qPrintable(key));
        }
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
