// The converter window as a user drives it: keys, clicks, menus, toolbar and messages.
#include "widgettest.h"

#include <QMessageBox>

#include <memory>

namespace {

const QStringList kResultBoxes
    = QStringLiteral("txttsp txttbl txtfluid txtcup txtpint txtquart txtgallon txtml txtcl txtdl txtliter")
          .split(' ');
const QStringList kNothingConverted(11, QString());
const QString kHowTo = QStringLiteral("To use this program simply Enter a number in the 'Enter Number Here' "
                                      "text box and make a selection in the "
                                      "'Make Selection Here' text Box. Then Click the Calculate Button to "
                                      "see the results in the surrounding Windows");

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
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
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
        for (const QString &name : kResultBoxes)
            texts << text(name);
        return texts;
    }
    // The boxes whose first character is out of sight, so a long number reads as a smaller one.
    QStringList boxesHidingTheirStart(const QStringList &boxes = kResultBoxes) const
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

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void opens_in_its_design_state()
    {
        Harness h;
        QCOMPARE(h.form->windowTitle(), QStringLiteral("Spoonwise II"));
        QCOMPARE(h.text("txtenter"), QStringLiteral("0"));
        QCOMPARE(h.combo()->currentText(), QStringLiteral("Teaspoon"));
        QCOMPARE(h.results(), kNothingConverted);
        QCOMPARE(QApplication::focusWidget(), h.calculate());
        QStringList items;
        for (int i = 0; i < h.combo()->count(); ++i)
            items << h.combo()->itemText(i);
        QCOMPARE(items.join('|'),
                 "Teaspoon|Tablespoon|Fluid "
                 "Ounce|Cup|Pints|Quarts|Gallons|Milliliters|Centiliters|Deciliters|Liters");
        QCOMPARE(h.form->centralWidget()->size(), QSize(417, 370));
        QCOMPARE(h.form->minimumSize(), h.form->maximumSize());
        QVERIFY(!(h.form->windowFlags() & Qt::WindowMaximizeButtonHint));

        // Each box sits in its unit's frame (the accessibility test reads the captions), read-only and
        // out of the tab chain; American units in a red, metric ones in a blue, on the window's grey.
        for (const QString &name : kResultBoxes) {
            QLineEdit *box = h.edit(name);
            const bool metric = QStringList({"txtml", "txtcl", "txtdl", "txtliter"}).contains(name);
            QVERIFY(qobject_cast<QGroupBox *>(box->parentWidget()) && box->isReadOnly());
            QCOMPARE(box->focusPolicy(), Qt::ClickFocus);
            QCOMPARE(box->palette().color(QPalette::Text).hslHue(), metric ? 240 : 0);
            QCOMPARE(box->palette().color(QPalette::Base), QColor(192, 192, 192));
        }
    }

    // The button, Return and the keypad's Enter in the entry box give the same texts and messages.
    void calculate_and_enter_agree()
    {
        const QList<QPair<QString, QString>> inputs
            = {{"1", "Cup"},     {"1e3", "Milliliters"}, {"-1", "Gallons"}, {"", "Liters"},
               {"12abc", "Cup"}, {" ", "Pints"},         {"5", ""},         {"", ""},
               {"5", "cups"},    {"1E+306", "Liters"},   {"1000", "Liters"}};
        for (const auto &[amount, unit] : inputs) {
            Harness byButton, byReturn, byEnter;
            byButton.enter(amount, unit);
            QTest::mouseClick(byButton.calculate(), Qt::LeftButton);
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
            QTRY_COMPARE(byButton.boxesHidingTheirStart(repaired ? kResultBoxes + QStringList {"txtenter"}
                                                                 : kResultBoxes),
                         QStringList());
            if (amount == QLatin1String("1") && unit == QLatin1String("Cup"))
                QCOMPARE(byButton.results().join(' '),
                         QStringLiteral("48.00 16.00 8.00 1.00 0.50 0.25 0.06 236.56 23.66 2.37 0.24"));
        }
    }

    void keyboard_behaves_like_the_design()
    {
        Harness h;
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
        for (QWidget *next : {static_cast<QWidget *>(entry), static_cast<QWidget *>(h.combo()),
                              static_cast<QWidget *>(h.calculate())}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() == next
                    || QApplication::focusWidget()->parentWidget() == next);
        }

        h.combo()->lineEdit()->selectAll(); // a typed unit text stays as typed; the list stays as it is
        QTest::keyClicks(h.combo(), QStringLiteral("teaspoon"));
        QTest::keyClick(h.combo(), Qt::Key_Return);
        QCOMPARE(h.combo()->currentText(), QStringLiteral("teaspoon"));
        QCOMPARE(h.combo()->count(), 11);
        QVERIFY(h.messages.isEmpty());
    }

    // The toolbar dispatches by key, case-sensitively; captions and tooltips do not count.
    void toolbar_dispatches_by_key()
    {
        Harness h;
        FakeCalculator calculator;
        for (const QString key : {"help", "CALCULATOR", "Fractions", "How To?", "", "Help", "Calculator"}) {
            QAction button(key);
            button.setData(key);
            h.form->Toolbar1_ButtonClick(&button);
        }
        QCOMPARE(h.messages, QStringList {kHowTo + " | 0 | Teaspoon"});
        QTRY_COMPARE(calculator.starts(), 1);
        auto *toolbar = h.find<toolkit::KeyedToolBar>("Toolbar1");
        QCOMPARE(toolbar->buttons().size(), 6); // none leads to the warranty
        QCOMPARE(toolbar->widgetForAction(toolbar->button("Decimals"))->size(), QSize(54, 36));
        QCOMPARE(toolbar->button("Decimals")->text() + '|' + toolbar->button("Help")->toolTip(),
                 "Fractions|How To?");
    }

    // Shortcuts win over the entry box's own keys: Ctrl+C starts the calculator, copies nothing.
    void messages_and_the_calculator()
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
        FakeCalculator none(FakeCalculator::Missing);
        h.find<QAction>("mnutoolscalc")->trigger();
        QCOMPARE(h.messages,
                 QStringList({kHowTo + " | 0 | Teaspoon",
                              "I hate 4-letter Words, Cook, Iron, Wash, and Dust | 0 | Teaspoon",
                              "The calculator could not be started | 0 | Teaspoon"}));
        QCOMPARE(h.results(), kNothingConverted);
    }

    void comma_locale_reads_and_shows_commas()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Harness h;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        h.enter("0,5", "Cup");
        h.form->Command1_Click();
        QCOMPARE(h.text("txtpint"), QStringLiteral("0,25"));
        QCOMPARE(h.text("txtml"), QStringLiteral("118,28"));
        h.enter("128000", "Liters");
        h.form->Command1_Click();
        QCOMPARE(h.text("txtml"), QStringLiteral("128.000.000,00"));
        QTRY_COMPARE(h.boxesHidingTheirStart(), QStringList());
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
        form.mnuhelphow_Click();
        QCOMPARE(seen, QStringList({"Spoonwise II", kHowTo}));
    }

    // Modal reference windows; the main window comes back unchanged however they close.
    void reference_windows_open_and_the_main_window_returns()
    {
        Harness h;
        h.enter("1", "Cup");
        h.form->Command1_Click();
        const QStringList before = h.results();
        // route | window | main window stays visible | button that closes it ("" closes by the frame)
        // clang-format off
        const QStringList rows = {"menu:mnufileabout|Form0|0|Exit", "toolbar:AboutScreen|Form0|0|", "key:Ctrl+A|Form0|0|Exit",
            "key:Ctrl+F|Form2|0|Exit", "toolbar:Formulas|Form2|0|", "key:Ctrl+W|Form5|0|command1", "menu:mnuregwarrant|Form5|0|",
            "toolbar:Decimals|Form6|1|", "key:Ctrl+D|Form6|1|"};
        // clang-format on
        for (const QString &row : rows) {
            const QStringList cell = row.split('|');
            bool shownAsDesigned = false;
            whenShown(cell[1], [&](QWidget *opened) {
                shownAsDesigned
                    = h.form->isVisible() == (cell[2] == "1") && QApplication::activeModalWidget() == opened;
                cell[3].isEmpty() ? void(opened->close()) : child<QPushButton>(opened, cell[3])->click();
            });
            h.form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
            const QString how = cell[0].section(':', 0, 0), what = cell[0].section(':', 1);
            if (how == "menu")
                h.find<QAction>(what)->trigger();
            else if (how == "key")
                QTest::keySequence(h.edit("txtenter"), QKeySequence(what));
            else
                h.find<toolkit::KeyedToolBar>("Toolbar1")->button(what)->trigger();
            QVERIFY2(shownAsDesigned && h.form->isVisible(), qPrintable(row));
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
