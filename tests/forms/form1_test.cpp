// The converter window as a user drives it: keys, clicks, menus, toolbar and messages. The
// fuzz target converter_window drives it at random and checks which keys convert, every
// conversion against the engine, and what each result box shows and says.
#include "language.h"
#include "widgettest.h"

#include <QAccessible>
#include <QToolButton>

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

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

    // Shortcuts win over the entry box's own keys: Ctrl+C starts the calculator, one more each time,
    // and copies nothing. The toolbar dispatches by key, case-sensitively; captions do not count.
    void commands_reach_their_handlers_by_shortcut_menu_and_toolbar_key()
    {
        Harness h;
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
        QCOMPARE(h.text("txtenter") + h.combo()->currentText(), "0Teaspoon"); // as the window opens
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
};

SPOONWISE_WIDGET_TEST_MAIN(Form1Test)
#include "form1_test.moc"
