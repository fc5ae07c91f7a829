// The converter window as a user drives it: keys, clicks, menus, toolbar and messages.
#include "command.h"
#include "widgettest.h"

#include <QMessageBox>

#include <memory>
#include <string_view>
#include <vector>

namespace {

QStringList allBoxes()
{
    QStringList names;
    for (const convert::UnitInfo &unit : convert::kUnits)
        names << toolkit::text(unit.boxName);
    return names;
}

// A shown window whose messages are captured, each with the amount and unit as they stood.
class Harness
{
public:
    Harness()
        : form(std::make_unique<Form1>())
    {
        form->setMessageSink([this](const QString &prompt) {
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
    QStringList results() const
    {
        QStringList texts;
        for (const QString &name : allBoxes())
            texts << text(name);
        return texts;
    }
    // The boxes whose first character is out of sight, so a long number reads as a smaller one.
    QStringList boxesHidingTheirStart(const QStringList &boxes) const
    {
        QStringList names;
        for (const QString &name : boxes) {
            const QLineEdit *box = edit(name);
            if (box->cursorPosition() != 0
                || box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() > box->contentsRect().left())
                names << name;
        }
        return names;
    }

    std::unique_ptr<Form1> form;
    QStringList messages;
};

const QStringList kNothingConverted(convert::kUnitCount, QString());

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The button, Return and the keypad's Enter in the entry box give the same texts and messages.
    void calculate_and_enter_agree()
    {
        using namespace convert;
        struct Row
        {
            QString amount, unit;
            std::vector<std::string_view> prompts;
        };
        const QList<Row> rows = {{"1", "Cup", {}},
                                 {"1e3", "Milliliters", {}},
                                 {"-1", "Gallons", {}},
                                 {"", "Liters", {kEmptyAmountPrompt}},
                                 {"12abc", "Cup", {kInvalidAmountPrompt}},
                                 {" ", "Pints", {kInvalidAmountPrompt}},
                                 {"5", "", {kEmptyUnitPrompt}},
                                 {"", "", {kEmptyAmountPrompt, kEmptyUnitPrompt}},
                                 {"5", "cups", {}},
                                 {"1E+306", "Liters", {kTooLargePrompt}},
                                 {"1000", "Liters", {}}};
        for (const auto &[amount, unit, prompts] : rows) {
            Harness byButton, byReturn, byEnter;
            byButton.enter(amount, unit);
            QTest::mouseClick(byButton.calculate(), Qt::LeftButton);
            QStringList expected, said;
            for (const std::string_view prompt : prompts)
                expected << toolkit::text(prompt);
            for (const QString &message : byButton.messages)
                said << message.section(QStringLiteral(" | "), 0, 0);
            QCOMPARE(said, expected);
            for (auto [harness, key] :
                 {std::pair(&byReturn, Qt::Key_Return), std::pair(&byEnter, Qt::Key_Enter)}) {
                harness->enter(amount, unit);
                QTest::keyClick(harness->edit("txtenter"), key,
                                key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                QCOMPARE(harness->results(), byButton.results());
                QCOMPARE(harness->messages, byButton.messages);
                QCOMPARE(harness->text("txtenter") + '|' + harness->combo()->currentText(),
                         byButton.text("txtenter") + '|' + byButton.combo()->currentText());
            }
            const bool repaired = byButton.text("txtenter") != amount; // then rewritten like a result
            QTRY_COMPARE(byButton.boxesHidingTheirStart(
                             allBoxes() + (repaired ? QStringList("txtenter") : QStringList())),
                         QStringList());
            if (amount == QLatin1String("1") && unit == QLatin1String("Cup"))
                QCOMPARE(byButton.results().join(' '),
                         QStringLiteral("48.00 16.00 8.00 1.00 0.50 0.25 0.06 236.56 23.66 2.37 0.24"));
        }
    }

    void keyboard_converts_only_from_the_entry_box_and_results_refuse_typing()
    {
        Harness h;
        QCOMPARE(h.text("txtenter") + '|' + h.combo()->currentText(),
                 "0|" + toolkit::text(convert::kUnits[0].text));
        QCOMPARE(QApplication::focusWidget(), h.calculate());
        h.enter("3", "Cup");
        QTest::keyClick(h.combo(), Qt::Key_Return); // Enter outside the entry box converts nothing
        QTest::mouseClick(h.edit("txtml"), Qt::LeftButton);
        QTest::keyClick(h.edit("txtml"), Qt::Key_Return);
        QCOMPARE(h.results(), kNothingConverted);
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

    // The toolbar dispatches by key, case-sensitively; captions and tooltips do not count.
    void toolbar_dispatches_by_key()
    {
        Harness h;
        h.find<QAction>("mnuhelphow")->trigger();
        FakeCalculator calculator;
        auto *toolbar = h.find<toolkit::KeyedToolBar>("Toolbar1");
        for (const QString key : {"help", "CALCULATOR", "Fractions", "How To?", "", "Help", "Calculator"}) {
            QAction button(key);
            button.setData(key);
            emit toolbar->buttonClick(&button);
        }
        QTRY_COMPARE(calculator.starts(), 1);
        QCOMPARE(h.messages.size(), 2);
        QCOMPARE(h.messages.last(), h.messages.first());
    }

    // Shortcuts win over the entry box's own keys: Ctrl+C starts the calculator, copies nothing.
    void shortcuts_beat_the_entry_box_and_start_the_calculator()
    {
        Harness h;
        QLineEdit *entry = h.edit("txtenter");
        entry->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keySequence(entry, QKeySequence("Ctrl+H"));
        QTest::mouseClick(h.find("Label6"), Qt::LeftButton);
        {
            FakeCalculator calculator;
            QTest::keySequence(entry, QKeySequence("Ctrl+C"));
            h.find<QAction>("mnutoolscalc")->trigger();
            QTRY_COMPARE(calculator.starts(), 2); // one more calculator each time
        }
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        QCOMPARE(h.messages.size(), 2);
        FakeCalculator none(FakeCalculator::Missing);
        h.find<QAction>("mnutoolscalc")->trigger();
        QCOMPARE(QSet<QString>(h.messages.begin(), h.messages.end()).size(), 3); // each says something else
        QCOMPARE(h.results(), kNothingConverted);
    }

    void comma_locale_reads_and_shows_commas()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Harness h;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        for (const auto &[amount, unit, box, shown] :
             {std::tuple("0,5", "Cup", "txtml", "118,28"), {"128000", "Liters", "txtml", "128.000.000,00"}}) {
            h.enter(amount, unit);
            QTest::mouseClick(h.calculate(), Qt::LeftButton);
            QCOMPARE(h.text(box), QString(shown));
        }
        QTRY_COMPARE(h.boxesHidingTheirStart(allBoxes()), QStringList());
    }

    // Goes through a real message box, closed as a user would close it.
    void messages_use_a_plain_ok_box()
    {
        Form1 form;
        form.show();
        QStringList seen;
        QTimer::singleShot(0, &form, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box && box->icon() == QMessageBox::NoIcon && box->standardButtons() == QMessageBox::Ok);
            seen << box->windowTitle() << box->text();
            box->button(QMessageBox::Ok)->click();
        });
        child<QAction>(&form, "mnuhelphow")->trigger();
        QCOMPARE(seen.value(0), toolkit::kApplicationTitle);
        QVERIFY(seen.value(1).startsWith("To use this program"));
    }

    // Modal reference windows; the main window comes back unchanged however they close.
    void reference_windows_open_and_the_main_window_returns()
    {
        Harness h;
        h.enter("1", "Cup");
        QTest::mouseClick(h.calculate(), Qt::LeftButton);
        const QStringList before = h.results();
        enum Route { Menu, Toolbar, Key };
        struct Row
        {
            Route route;
            const char *what;
            const char *window;
            bool mainStaysVisible;
            const char *closeButton; // "" closes it by its frame
        };
        const QList<Row> rows = {{Menu, "mnufileabout", "Form0", false, "Exit"},
                                 {Toolbar, "AboutScreen", "Form0", false, ""},
                                 {Key, "Ctrl+A", "Form0", false, "Exit"},
                                 {Key, "Ctrl+F", "Form2", false, "Exit"},
                                 {Toolbar, "Formulas", "Form2", false, ""},
                                 {Key, "Ctrl+W", "Form5", false, "command1"},
                                 {Menu, "mnuregwarrant", "Form5", false, ""},
                                 {Toolbar, "Decimals", "Form6", true, ""},
                                 {Key, "Ctrl+D", "Form6", true, ""}};
        for (const Row &row : rows) {
            bool shownAsExpected = false;
            whenShown(row.window, [&](QWidget *opened) {
                shownAsExpected = h.form->isVisible() == row.mainStaysVisible
                    && QApplication::activeModalWidget() == opened;
                *row.closeButton ? child<QPushButton>(opened, row.closeButton)->click()
                                 : void(opened->close());
            });
            QVERIFY(showActive(h.form.get()));
            if (row.route == Menu)
                h.find<QAction>(row.what)->trigger();
            else if (row.route == Key)
                QTest::keySequence(h.edit("txtenter"), QKeySequence(row.what));
            else {
                auto *toolbar = h.find<toolkit::KeyedToolBar>("Toolbar1");
                QTest::mouseClick(toolbar->widgetForAction(toolbar->button(row.what)), Qt::LeftButton);
            }
            QVERIFY2(shownAsExpected && h.form->isVisible(), row.what);
            QCOMPARE(h.results(), before);
            QCOMPARE(h.text("txtenter") + h.combo()->currentText(), QStringLiteral("1Cup"));
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
