// The converter window as a user drives it: keys, clicks, menus, toolbar and messages.
#include "widgettest.h"

#include <QAccessible>
#include <QToolButton>

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kFrench(QLocale::French, QLocale::France);

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
    // under the locale the window opened with. A value wider than its box is given whole as its
    // tooltip, which a screen reader reads as its description; a value that fits has none.
    void calculate_and_enter_agree()
    {
        // locale, amount, unit, the messages in their exact words, a box and what it shows
        // clang-format off
        const QList<std::tuple<QLocale, QString, QString, QStringList, QString, QString>> rows
            = {{kEnglish, "1", "Cup", {}, "txtml", "236.56"},
               {kEnglish, "12abc", "Cup", {"That is an invalid Character,You must enter a number"}, "txtenter", "0.0"},
               {kEnglish, "5", "", {"Please Make a selection in the 'Select & Enter here Combo box' pull down menu"}, "txtcup", ""},
               {kEnglish, "", "Cup", {"Please enter a number"}, "txtenter", "0.0"},
               {kGerman, "0,5", "Cup", {}, "txtml", "118,28"},
               {kFrench, "1", "Cup", {}, "txtml", "236,56"},
               {kFrench, "1000000", "Gallons", {}, "txtml", "3\u202F785\u202F000\u202F000,00"}};
        // clang-format on
        for (const auto &[locale, amount, unit, prompts, box, shown] : rows) {
            QLocale::setDefault(locale);
            Harness byButton, byReturn, byEnter;
            QLocale::setDefault(kEnglish);
            byButton.enter(amount, unit);
            QTest::mouseClick(byButton.calculate(), Qt::LeftButton);
            QCOMPARE(byButton.prompts, prompts);
            QCOMPARE(byButton.text(box), shown);
            QLineEdit *shownIn = byButton.edit(box); // a wider value is its tooltip, read as its description
            if (box != "txtenter")
                QCOMPARE(QAccessible::queryAccessibleInterface(shownIn)->text(QAccessible::Description),
                         shownIn->fontMetrics().horizontalAdvance(shown) > shownIn->contentsRect().width()
                             ? shown
                             : "");
            // A long number without its first digits would read as a smaller one.
            QTRY_VERIFY(byButton.edit(box)->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <= 0);
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

    void keyboard_converts_only_from_the_entry_box_and_results_refuse_typing()
    {
        Harness h;
        QCOMPARE(h.text("txtenter") + h.combo()->currentText(), "0Teaspoon");
        QCOMPARE(QApplication::focusWidget(), h.calculate());
        h.enter("3", "Cup");
        const QStringList untouched = h.shown();
        QTest::keyClick(h.combo(), Qt::Key_Return); // Enter outside the entry box converts nothing
        QTest::mouseClick(h.edit("txtml"), Qt::LeftButton);
        QTest::keyClick(h.edit("txtml"), Qt::Key_Return);
        QCOMPARE(h.shown(), untouched);
        QTest::keyClick(h.calculate(), Qt::Key_Return); // Enter and Space press the focused button
        QCOMPARE(h.text("txtcup"), QStringLiteral("3.00"));
        h.combo()->setEditText(QStringLiteral("Pints"));
        QTest::keyClick(h.calculate(), Qt::Key_Space);
        QCOMPARE(h.text("txtpint"), QStringLiteral("3.00"));

        QTest::keyClicks(h.edit("txtml"), QStringLiteral("99")); // result boxes refuse typing
        QTest::keyClick(h.edit("txtml"), Qt::Key_Backspace);
        QCOMPARE(h.text("txtml"), QStringLiteral("1,419.38"));

        QLineEdit *entry = h.edit("txtenter"); // every other keystroke reaches the entry box unchanged
        entry->clear();
        QTest::keyClicks(entry, QStringLiteral("12abc,.-+ e5"));
        QTest::keyClick(entry, Qt::Key_Backspace);
        QTest::keyClick(entry, Qt::Key_Escape);
        QCOMPARE(entry->text(), QStringLiteral("12abc,.-+ e"));
        QCOMPARE(h.text("txtpint"), QStringLiteral("3.00"));

        h.calculate()->setFocus(); // Tab cycles the three controls that take the focus
        for (QWidget *next : QList<QWidget *>({entry, h.combo(), h.calculate()})) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() == next
                    || QApplication::focusWidget()->parentWidget() == next);
        }

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

    // Last: ends the application's event loop.
    void exit_closes_the_window_and_ends_the_program()
    {
        Harness h;
        QTimer::singleShot(0, h.form.get(),
                           [&] { QTest::keySequence(h.edit("txtenter"), QKeySequence("Ctrl+E")); });
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); }); // nothing ended it
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!h.form->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
