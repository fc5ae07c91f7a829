// The converter window as a user drives it: keys, clicks, menus, toolbar and messages.
#include "command.h"
#include "numbers.h"
#include "widgettest.h"

#include <QAccessible>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>

#include <array>
#include <memory>
#include <random>

namespace {

// A shown window whose messages are captured, each with the amount and unit as they stood.
class Harness
{
public:
    Harness()
        : form(std::make_unique<Form1>())
    {
        form->setMessageSink([this](const QString &prompt) {
            prompts << prompt;
            messages << QStringLiteral("%1 | %2 | %3").arg(prompt, text("txtenter"), combo()->currentText());
        });
        QVERIFY(showActive(form.get()));
    }

    template<typename T = QWidget> T *find(const QString &name) const { return child<T>(form.get(), name); }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QString text(const QString &name) const { return edit(name)->text(); }
    QComboBox *combo() const { return find<QComboBox>("Combo1"); }
    QPushButton *calculate() const { return find<QPushButton>("Command1"); }
    void enter(const QString &amount, const QString &unit)
    {
        edit("txtenter")->setText(amount);
        combo()->setEditText(unit);
    }
    // What the window shows: every result box, then the amount and the unit.
    QStringList shown() const
    {
        QStringList texts;
        for (const convert::UnitInfo &unit : convert::kUnits)
            texts << text(toolkit::text(unit.boxName));
        return texts << text("txtenter") << combo()->currentText();
    }

    std::unique_ptr<Form1> form;
    QStringList prompts;
    QStringList messages;
};

// Whether a box shows the start of its text; a long number without its first digits reads as a
// smaller one.
bool showsItsStart(const QLineEdit *box)
{
    return box->cursorPosition() == 0
        && box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <= box->contentsRect().left();
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(kEnglish); }

    // The button, Return and the keypad's Enter in the entry box give the same texts and messages,
    // under the locale the window opened with.
    void calculate_and_enter_agree()
    {
        using namespace convert;
        using toolkit::text;
        // locale, amount, unit, the messages, a box and what it shows
        const QList<std::tuple<QLocale, QString, QString, QStringList, QString, QString>> rows
            = {{kEnglish, "1", "Cup", {}, "txtml", "236.56"},
               {kEnglish, "12abc", "Cup", {text(kInvalidAmountPrompt)}, "txtenter", "0.0"},
               {kEnglish, "5", "", {text(kEmptyUnitPrompt)}, "txtcup", ""},
               {kEnglish, "", "", {text(kEmptyAmountPrompt), text(kEmptyUnitPrompt)}, "txtenter", "0.0"},
               {kEnglish, "1E+306", "Liters", {text(kTooLargePrompt)}, "txtliter", ""},
               {kEnglish, "1000", "Liters", {}, "txtml", "1,000,000.00"},
               {kGerman, "0,5", "Cup", {}, "txtml", "118,28"},
               {kGerman, "128000", "Liters", {}, "txtml", "128.000.000,00"}};
        for (const auto &[locale, amount, unit, prompts, box, shown] : rows) {
            QLocale::setDefault(locale);
            Harness byButton, byReturn, byEnter;
            QLocale::setDefault(kEnglish);
            byButton.enter(amount, unit);
            QTest::mouseClick(byButton.calculate(), Qt::LeftButton);
            QCOMPARE(byButton.prompts, prompts);
            QCOMPARE(byButton.text(box), shown);
            QTRY_VERIFY(showsItsStart(byButton.edit(box)));
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
        QCOMPARE(h.text("txtenter") + h.combo()->currentText(), "0" + toolkit::text(convert::kUnits[0].text));
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
        h.edit("txtml")->selectAll();
        h.edit("txtml")->copy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1,419.38"));

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
        QVERIFY(h.messages.size() == 2 && h.messages.first() == h.messages.last());
        QTest::mouseClick(h.find("Label6"), Qt::LeftButton);
        // The maker's label never takes the focus, so screen readers get a press action for it.
        QAccessible::queryAccessibleInterface(h.find("Label6"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        FakeCalculator none(FakeCalculator::Missing);
        h.find<QAction>("mnutoolscalc")->trigger();
        QCOMPARE(h.messages.at(3), h.messages.at(2));
        QCOMPARE(QSet<QString>(h.messages.begin(), h.messages.end()).size(), 3); // each says something else
        QCOMPARE(h.shown(), untouched);
    }

    // Goes through a real message box, closed as a user would close it.
    void messages_use_a_plain_ok_box()
    {
        Form1 form;
        QStringList seen;
        whenModal([&](QWidget *opened) {
            auto *box = qobject_cast<QMessageBox *>(opened);
            QVERIFY(box && box->icon() == QMessageBox::NoIcon && box->standardButtons() == QMessageBox::Ok);
            seen << box->windowTitle() << box->text();
            box->button(QMessageBox::Ok)->click();
        });
        child<QAction>(&form, "mnuhelphow")->trigger();
        QVERIFY(seen.value(0) == toolkit::kApplicationTitle
                && seen.value(1).startsWith("To use this program"));
    }

    // Modal reference windows, centred over the main window wherever it was moved to and kept over
    // it as its transient; the main window comes back unchanged however they close.
    void reference_windows_open_and_the_main_window_returns()
    {
        Harness h;
        h.enter("1", "Cup");
        QTest::mouseClick(h.calculate(), Qt::LeftButton);
        toolkit::centre(h.form.get());
        h.form->move(h.form->pos() + QPoint(-120, 60));
        const QStringList before = h.shown();
        // a menu command, toolbar key or shortcut that opens it, the window, whether the main window
        // stays visible, the button that closes it ("" closes it by its frame)
        const QList<std::tuple<const char *, const char *, bool, const char *>> rows
            = {{"AboutScreen", "Form0", false, ""},    {"Ctrl+A", "Form0", false, "Exit"},
               {"Ctrl+F", "Form2", false, "Exit"},     {"Formulas", "Form2", false, ""},
               {"Ctrl+W", "Form5", false, "command1"}, {"mnuregwarrant", "Form5", false, ""},
               {"Decimals", "Form6", true, ""},        {"Ctrl+D", "Form6", true, ""}};
        auto *toolbar = h.find<toolkit::KeyedToolBar>("Toolbar1");
        for (const auto &[how, window, mainStaysVisible, closeButton] : rows) {
            QVERIFY(showActive(h.form.get()));
            bool shownAsExpected = false;
            whenModal([&](QWidget *opened) {
                QVERIFY(opened);
                shownAsExpected = opened->objectName() == window && QTest::qWaitForWindowExposed(opened)
                    && h.form->isVisible() == mainStaysVisible
                    && centredOn(opened, h.form->frameGeometry().center())
                    && opened->windowHandle()->transientParent() == h.form->windowHandle();
                *closeButton ? child<QPushButton>(opened, closeButton)->click() : void(opened->close());
            });
            if (auto *command = h.find<QAction>(how))
                command->trigger();
            else if (QAction *button = toolbar->button(how))
                QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
            else
                QTest::keySequence(h.edit("txtenter"), QKeySequence(how));
            QVERIFY2(shownAsExpected && h.form->isVisible(), how);
            QCOMPARE(h.shown(), before);
        }
    }

    // Thousands of random keystrokes, pastes, clicks and commands on the window and the windows it
    // opens leave every box well formed. Reproducible: SPOONWISE_SEED picks the sequence.
    void random_use_keeps_every_box_sound()
    {
        const auto restoreLocale = qScopeGuard([] { QLocale::setDefault(kEnglish); });
        std::mt19937 random(static_cast<unsigned>(qEnvironmentVariableIntValue("SPOONWISE_SEED") + 20261206));
        const auto pick = [&](qsizetype n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        const QString keys = QStringLiteral("0123456789.,-+eE abc\u00E9\u20AC\u202F'\r\b\t");
        FakeCalculator calculator;
        QTimer closer; // a user who pokes at each reference window, then closes it
        connect(&closer, &QTimer::timeout, &closer, [] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                QTest::keyClicks(window->focusWidget(), QStringLiteral("x\t\r"));
                window->close();
            }
        });
        closer.start(1);
        for (const QLocale &locale : {kEnglish, kGerman}) {
            QLocale::setDefault(locale);
            Harness h;
            const QRegularExpression wellFormed(QStringLiteral("^(-?\\d{1,3}(%1\\d{3})*%2(\\d{2}|\\d{4}))?$")
                                                    .arg(QRegularExpression::escape(locale.groupSeparator()),
                                                         QRegularExpression::escape(locale.decimalPoint())));
            const QList<QWidget *> targets
                = {h.edit("txtenter"), h.combo()->lineEdit(), h.edit("txtml"), h.calculate()};
            QList<QAction *> commands = h.form->findChildren<QAction *>();
            commands.removeIf(
                [](QAction *a) { return a->objectName() == "mnufileexit" || a->data() == "ExitProgram"; });
            for (int step = 0; step < 1500; ++step) {
                QWidget *target = targets.at(pick(targets.size()));
                switch (pick(6)) {
                case 0:
                case 1: // a key of any layout: the text it delivers is what counts
                    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_A, keys.at(pick(keys.size())),
                                        Qt::NoModifier);
                    QTest::keyClick(
                        target,
                        std::array {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Left}[pick(4)]);
                    break;
                case 2: { // a paste: long, foreign or control characters
                    QString text;
                    for (int n = pick(3) == 0 ? 5000 : pick(12); n > 0; --n)
                        text += QChar(
                            char16_t(pick(4) == 0 ? 1 + pick(0x2FFF) : keys.at(pick(keys.size())).unicode()));
                    QApplication::clipboard()->setText(text);
                    QTest::keySequence(target, QKeySequence::Paste);
                    break;
                }
                case 3:
                    h.combo()->setCurrentIndex(pick(h.combo()->count()));
                    break;
                case 4:
                    commands.at(pick(commands.size()))->trigger();
                    break;
                default:
                    QTest::mouseClick(h.calculate(), Qt::LeftButton);
                    QVERIFY2(
                        convert::isNumeric(h.text("txtenter").toStdString(), toolkit::numberFormatOf(locale)),
                        qPrintable(h.text("txtenter")));
                }
                for (const QString &box : h.shown().first(convert::kUnitCount))
                    QVERIFY2(wellFormed.match(box).hasMatch(), qPrintable(box));
            }
            QVERIFY(h.form->isVisible());
        }
    }

    // Last: ends the application's event loop.
    void exit_closes_the_window_and_ends_the_program()
    {
        Harness h;
        QTimer::singleShot(0, h.form.get(),
                           [&] { QTest::keySequence(h.edit("txtenter"), QKeySequence("Ctrl+E")); });
        QCOMPARE(runUntilTheProgramEnds(), 0);
        QVERIFY(!h.form->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
