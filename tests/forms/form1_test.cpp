// The converter window as a user drives it: keys, clicks, menus, toolbar and messages.
#include "fakecalculator.h"
#include "form1.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

const QStringList kResultBoxes = {"txttsp",    "txttbl", "txtfluid", "txtcup", "txtpint", "txtquart",
                                  "txtgallon", "txtml",  "txtcl",    "txtdl",  "txtliter"};

constexpr auto kHowTo
    = "To use this program simply Enter a number in the 'Enter Number Here' text box and make a "
      "selection in the 'Make Selection Here' text Box. Then Click the Calculate Button to see "
      "the results in the surrounding Windows";

// A shown window with its messages captured instead of shown.
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
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    template<typename T = QWidget> T *find(const QString &name) const { return form->findChild<T *>(name); }
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

    std::unique_ptr<Form1> form;
    QStringList messages; // "prompt | entry | unit" as they stood while the message showed
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
        QCOMPARE(h.results(), QStringList(11, QString()));
        QCOMPARE(QApplication::focusWidget(), h.calculate());
        QStringList items;
        for (int i = 0; i < h.combo()->count(); ++i)
            items << h.combo()->itemText(i);
        QCOMPARE(items,
                 QStringList({"Teaspoon", "Tablespoon", "Fluid Ounce", "Cup", "Pints", "Quarts", "Gallons",
                              "Milliliters", "Centiliters", "Deciliters", "Liters"}));
        QCOMPARE(h.form->centralWidget()->size(), QSize(417, 370));
        QCOMPARE(h.form->minimumSize(), h.form->maximumSize());
        QVERIFY(!(h.form->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void result_frames_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QColor>("ink");
        const QColor red(255, 0, 0), blue(0, 0, 255);
        QTest::newRow("fluid") << "Frame9"
                               << "Fluid Ounce"
                               << "txtfluid" << QRect(16, 24, 81, 41) << red;
        QTest::newRow("tablespoons") << "Frame4"
                                     << "Tablespoons"
                                     << "txttbl" << QRect(160, 24, 81, 41) << red;
        QTest::newRow("teaspoons") << "Frame3"
                                   << "Teaspoons"
                                   << "txttsp" << QRect(304, 24, 81, 41) << red;
        QTest::newRow("cups") << "Frame5"
                              << "Cups"
                              << "txtcup" << QRect(16, 80, 81, 41) << red;
        QTest::newRow("milliliters") << "Frame10"
                                     << "Milliliters"
                                     << "txtml" << QRect(304, 80, 81, 41) << blue;
        QTest::newRow("pints") << "Frame6"
                               << "Pints"
                               << "txtpint" << QRect(16, 136, 81, 41) << red;
        QTest::newRow("centiliters") << "Frame12"
                                     << "Centiliters"
                                     << "txtcl" << QRect(304, 136, 81, 41) << blue;
        QTest::newRow("quarts") << "Frame7"
                                << "Quarts"
                                << "txtquart" << QRect(16, 192, 81, 41) << red;
        QTest::newRow("deciliters") << "Frame11"
                                    << "Deciliters"
                                    << "txtdl" << QRect(304, 192, 81, 41) << blue;
        QTest::newRow("gallons") << "Frame8"
                                 << "Gallons"
                                 << "txtgallon" << QRect(16, 248, 81, 41) << red;
        QTest::newRow("liters") << "Frame13"
                                << "Liters"
                                << "txtliter" << QRect(304, 248, 81, 41) << blue;
    }

    // Each box sits in the frame that names its unit, in its colour, read-only and out of the tab chain.
    void result_frames()
    {
        QFETCH(QString, frame);
        QFETCH(QString, caption);
        QFETCH(QString, box);
        QFETCH(QRect, geometry);
        QFETCH(QColor, ink);
        Harness h;
        auto *group = h.find<QGroupBox>(frame);
        QVERIFY(group);
        QCOMPARE(group->title(), caption);
        QCOMPARE(group->geometry(), geometry);
        QLineEdit *edit = h.edit(box);
        QCOMPARE(edit->parentWidget(), group);
        QCOMPARE(edit->geometry(), QRect(8, 16, 65, 19));
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(edit->palette().color(QPalette::Text), ink);
        QCOMPARE(edit->palette().color(QPalette::Base), QColor(192, 192, 192));
        QVERIFY(edit->font().bold());
    }

    void cup_results_land_in_their_boxes()
    {
        Harness h;
        h.enter("1", "Cup");
        QTest::mouseClick(h.calculate(), Qt::LeftButton);
        QCOMPARE(h.results(),
                 QStringList({"48.00", "16.00", "8.00", "1.00", "0.50", "0.25", "0.06", "236.56", "23.66",
                              "2.37", "0.24"}));
        QVERIFY(h.messages.isEmpty());
    }

    void calculate_and_enter_agree_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("unit");
        QTest::newRow("number") << "2.5"
                                << "Quarts";
        QTest::newRow("exponent") << "1e3"
                                  << "Milliliters";
        QTest::newRow("negative") << "-1"
                                  << "Gallons";
        QTest::newRow("empty_amount") << ""
                                      << "Liters";
        QTest::newRow("letters") << "12abc"
                                 << "Cup";
        QTest::newRow("blank") << " "
                               << "Pints";
        QTest::newRow("empty_unit") << "5"
                                    << "";
        QTest::newRow("both_empty") << ""
                                    << "";
        QTest::newRow("unknown_unit") << "5"
                                      << "cups";
        QTest::newRow("overflow") << "1E+306"
                                  << "Liters";
    }

    void calculate_and_enter_agree()
    {
        QFETCH(QString, amount);
        QFETCH(QString, unit);
        Harness byButton;
        byButton.enter(amount, unit);
        QTest::mouseClick(byButton.calculate(), Qt::LeftButton);

        Harness byKey;
        byKey.enter(amount, unit);
        byKey.edit("txtenter")->setFocus();
        QTest::keyClick(byKey.edit("txtenter"), Qt::Key_Return);

        Harness byKeypad;
        byKeypad.enter(amount, unit);
        byKeypad.edit("txtenter")->setFocus();
        QTest::keyClick(byKeypad.edit("txtenter"), Qt::Key_Enter, Qt::KeypadModifier);

        for (const Harness *other : {&byKey, &byKeypad}) {
            QCOMPARE(other->results(), byButton.results());
            QCOMPARE(other->messages, byButton.messages);
            QCOMPARE(other->text("txtenter"), byButton.text("txtenter"));
            QCOMPARE(other->combo()->currentText(), byButton.combo()->currentText());
        }
    }

    void enter_elsewhere_converts_nothing()
    {
        Harness h;
        h.enter("3", "Cup");
        h.combo()->setFocus();
        QTest::keyClick(h.combo(), Qt::Key_Return);
        h.edit("txtml")->setFocus();
        QTest::keyClick(h.edit("txtml"), Qt::Key_Return);
        QCOMPARE(h.results(), QStringList(11, QString()));
        QCOMPARE(h.combo()->count(), 11);

        h.calculate()->setFocus();
        QTest::keyClick(h.calculate(), Qt::Key_Return);
        QCOMPARE(h.text("txtcup"), QStringLiteral("3.00"));
    }

    void space_on_calculate_presses_it()
    {
        Harness h;
        h.enter("2", "Pints");
        QTest::keyClick(h.calculate(), Qt::Key_Space);
        QCOMPARE(h.text("txtpint"), QStringLiteral("2.00"));
    }

    void keystrokes_reach_the_entry_box_unchanged()
    {
        Harness h;
        QLineEdit *entry = h.edit("txtenter");
        entry->setFocus();
        entry->clear();
        QTest::keyClicks(entry, QStringLiteral("12abc,.-+ e5"));
        QCOMPARE(entry->text(), QStringLiteral("12abc,.-+ e5"));
        QTest::keyClick(entry, Qt::Key_Backspace);
        QTest::keyClick(entry, Qt::Key_Escape);
        QCOMPARE(entry->text(), QStringLiteral("12abc,.-+ e"));
        QCOMPARE(h.results(), QStringList(11, QString()));
        QVERIFY(h.messages.isEmpty());
    }

    void result_boxes_refuse_typing_but_copy()
    {
        Harness h;
        h.enter("1", "Gallons");
        h.form->Command1_Click();
        QLineEdit *box = h.edit("txtml");
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, QStringLiteral("99"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("3,785.00"));
        box->selectAll();
        box->copy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3,785.00"));
    }

    void tab_cycles_calculate_entry_unit()
    {
        Harness h;
        const QList<QWidget *> expected = {h.edit("txtenter"), h.combo(), h.calculate(), h.edit("txtenter")};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget() == next
                         || QApplication::focusWidget()->parentWidget() == next,
                     true);
        }
    }

    void unit_box_keeps_a_typed_text_and_its_list()
    {
        Harness h;
        h.combo()->setFocus();
        h.combo()->lineEdit()->selectAll();
        QTest::keyClicks(h.combo(), QStringLiteral("teaspoon"));
        QTest::keyClick(h.combo(), Qt::Key_Return);
        QCOMPARE(h.combo()->currentText(), QStringLiteral("teaspoon"));
        QCOMPARE(h.combo()->count(), 11);
        QCOMPARE(h.combo()->findText("teaspoon", Qt::MatchFixedString | Qt::MatchCaseSensitive), -1);
        QCOMPARE(h.results(), QStringList(11, QString()));
    }

    void choosing_a_unit_converts_nothing()
    {
        Harness h;
        h.combo()->setCurrentIndex(6);
        QCOMPARE(h.combo()->currentText(), QStringLiteral("Gallons"));
        QCOMPARE(h.results(), QStringList(11, QString()));
    }

    void menus_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<QString>("menu");
        QTest::newRow("about") << "mnufileabout"
                               << "&About" << QKeySequence("Ctrl+A") << "&File";
        QTest::newRow("exit") << "mnufileexit"
                              << "&Exit Program" << QKeySequence("Ctrl+E") << "&File";
        QTest::newRow("formulas") << "mnutoolsformula"
                                  << "&Formulas" << QKeySequence("Ctrl+F") << "&Tools";
        QTest::newRow("fractions") << "mnutoolsdecimals"
                                   << "&Fractions" << QKeySequence("Ctrl+D") << "&Tools";
        QTest::newRow("calculator") << "mnutoolscalc"
                                    << "&Calculator" << QKeySequence("Ctrl+C") << "&Tools";
        QTest::newRow("warranty") << "mnuregwarrant"
                                  << "&Warranty" << QKeySequence("Ctrl+W") << "&Legal";
        QTest::newRow("how_to") << "mnuhelphow"
                                << "&How To" << QKeySequence("Ctrl+H") << "&Help";
    }

    // Each shortcut runs its menu command even from inside the entry box, which would
    // otherwise use the same key for editing.
    void menus()
    {
        QFETCH(QString, action);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QString, menu);
        Harness h;
        auto *item = h.find<QAction>(action);
        QVERIFY(item);
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), shortcut);
        auto *owner = qobject_cast<QMenu *>(item->parent());
        QVERIFY(owner);
        QCOMPARE(owner->title(), menu);

        // Windows and the end of the program have tests of their own; here only the route counts.
        const bool runsCommand
            = action == QLatin1String("mnutoolscalc") || action == QLatin1String("mnuhelphow");
        if (!runsCommand)
            QObject::disconnect(item, &QAction::triggered, h.form.get(), nullptr);
        FakeCalculator calculator;
        QSignalSpy triggered(item, &QAction::triggered);
        QLineEdit *entry = h.edit("txtenter");
        entry->setFocus();
        entry->setText(QStringLiteral("42"));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keySequence(entry, shortcut);
        QCOMPARE(triggered.count(), 1);
        if (action == QLatin1String("mnutoolscalc"))
            QTRY_COMPARE(calculator.starts(), 1);
        QCOMPARE(entry->text(), QStringLiteral("42"));
        QCOMPARE(entry->selectedText(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void how_to_and_label_messages()
    {
        Harness h;
        h.edit("txtenter")->setFocus();
        QTest::keySequence(h.edit("txtenter"), QKeySequence("Ctrl+H"));
        QTest::mouseClick(h.find<QLabel>("Label6"), Qt::LeftButton);
        QCOMPARE(h.messages,
                 QStringList({QStringLiteral("%1 | 0 | Teaspoon").arg(kHowTo),
                              "I hate 4-letter Words, Cook, Iron, Wash, and Dust | 0 | Teaspoon"}));
        QCOMPARE(h.results(), QStringList(11, QString()));
    }

    void toolbar_dispatch_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("expectedMessages");
        QTest::addColumn<int>("calculatorStarts");
        const QString howTo = QStringLiteral("%1 | 0 | Teaspoon").arg(kHowTo);
        QTest::newRow("help") << "Help" << QStringList {howTo} << 0;
        QTest::newRow("calculator") << "Calculator" << QStringList {} << 1;
        QTest::newRow("lower_case_help") << "help" << QStringList {} << 0;
        QTest::newRow("upper_case_calculator") << "CALCULATOR" << QStringList {} << 0;
        QTest::newRow("caption_not_key") << "Fractions" << QStringList {} << 0;
        QTest::newRow("tooltip_not_key") << "How To?" << QStringList {} << 0;
        QTest::newRow("empty") << "" << QStringList {} << 0;
    }

    void toolbar_dispatch()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, expectedMessages);
        QFETCH(int, calculatorStarts);
        Harness h;
        FakeCalculator calculator;
        QAction button(key);
        button.setData(key);
        h.form->Toolbar1_ButtonClick(&button);
        QCOMPARE(h.messages, expectedMessages);
        QTRY_COMPARE(calculator.starts(), calculatorStarts);
    }

    void toolbar_buttons_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("about") << "About"
                               << "AboutScreen"
                               << "About Screen";
        QTest::newRow("formulas") << "Formulas"
                                  << "Formulas"
                                  << "Formulas";
        QTest::newRow("calculator") << "Calculator"
                                    << "Calculator"
                                    << "Calculator";
        QTest::newRow("fractions") << "Fractions"
                                   << "Decimals"
                                   << "Decimals";
        QTest::newRow("help") << "Help"
                              << "Help"
                              << "How To?";
        QTest::newRow("exit") << "Exit"
                              << "ExitProgram"
                              << "Exit Program";
    }

    void toolbar_buttons()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QFETCH(QString, tooltip);
        Harness h;
        auto *toolbar = h.find<toolkit::KeyedToolBar>("Toolbar1");
        QAction *button = toolbar->button(key);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tooltip);
        QVERIFY(!button->icon().isNull());
        QCOMPARE(toolbar->buttons().size(), 6); // no button leads to the warranty
        QCOMPARE(toolbar->widgetForAction(button)->size(), QSize(54, 36));
    }

    void clicking_the_help_button_shows_the_how_to()
    {
        Harness h;
        auto *toolbar = h.find<toolkit::KeyedToolBar>("Toolbar1");
        QTest::mouseClick(toolbar->widgetForAction(toolbar->button("Help")), Qt::LeftButton);
        QCOMPARE(h.messages, QStringList {QStringLiteral("%1 | 0 | Teaspoon").arg(kHowTo)});
    }

    void calculator_starts_one_more_each_time()
    {
        Harness h;
        FakeCalculator calculator;
        h.form->mnutoolscalc_Click();
        h.form->mnutoolscalc_Click();
        QTRY_COMPARE(calculator.starts(), 2);
        QVERIFY(h.messages.isEmpty());
    }

    void missing_calculator_is_reported()
    {
        Harness h;
        h.enter("1", "Cup");
        h.form->Command1_Click();
        const QStringList before = h.results();
        FakeCalculator none(FakeCalculator::Missing);
        h.form->mnutoolscalc_Click();
        QCOMPARE(h.messages, QStringList {"The calculator could not be started | 1 | Cup"});
        QCOMPARE(h.results(), before);
        QVERIFY(h.form->isVisible());
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
        h.enter("", "Cup");
        h.form->Command1_Click();
        QCOMPARE(h.text("txtenter"), QStringLiteral("0,0"));
    }

    // Goes through a real message box, closed by a timer as a user would close it.
    void messages_use_a_plain_ok_box()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString seenText, seenTitle;
        QMessageBox::Icon seenIcon = QMessageBox::Information;
        QMessageBox::StandardButtons seenButtons;
        QTimer::singleShot(0, &form, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenText = box->text();
            seenTitle = box->windowTitle();
            seenIcon = box->icon();
            seenButtons = box->standardButtons();
            box->button(QMessageBox::Ok)->click();
        });
        form.findChild<QLineEdit *>("txtenter")->clear();
        form.Command1_Click();
        QCOMPARE(seenText, QStringLiteral("Please enter a number"));
        QCOMPARE(seenTitle, QStringLiteral("Spoonwise II"));
        QCOMPARE(seenIcon, QMessageBox::NoIcon);
        QCOMPARE(seenButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void reference_windows_open_and_the_main_window_returns_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("mainStaysVisible");
        QTest::addColumn<QString>("closeButton"); // empty: closed by its frame
        QTest::newRow("about_menu") << "menu:mnufileabout"
                                    << "Form0" << false << "Exit";
        QTest::newRow("about_toolbar_frame") << "toolbar:AboutScreen"
                                             << "Form0" << false << "";
        QTest::newRow("about_key") << "key:Ctrl+A"
                                   << "Form0" << false << "Exit";
        QTest::newRow("formulas_key") << "key:Ctrl+F"
                                      << "Form2" << false << "Exit";
        QTest::newRow("formulas_toolbar_frame") << "toolbar:Formulas"
                                                << "Form2" << false << "";
        QTest::newRow("warranty_key") << "key:Ctrl+W"
                                      << "Form5" << false << "command1";
        QTest::newRow("warranty_menu_frame") << "menu:mnuregwarrant"
                                             << "Form5" << false << "";
        QTest::newRow("fractions_toolbar") << "toolbar:Decimals"
                                           << "Form6" << true << "";
        QTest::newRow("fractions_key") << "key:Ctrl+D"
                                       << "Form6" << true << "";
    }

    void reference_windows_open_and_the_main_window_returns()
    {
        QFETCH(QString, route);
        QFETCH(QString, window);
        QFETCH(bool, mainStaysVisible);
        QFETCH(QString, closeButton);
        Harness h;
        h.enter("1", "Cup");
        h.form->Command1_Click();
        const QStringList before = h.results();
        bool shown = false;
        whenShown(window, [&](QWidget *opened) {
            shown = true;
            QCOMPARE(h.form->isVisible(), mainStaysVisible);
            QCOMPARE(QApplication::activeModalWidget(), opened);
            if (closeButton.isEmpty())
                opened->close();
            else
                child<QPushButton>(opened, closeButton)->click();
        });
        const QString how = route.section(QLatin1Char(':'), 0, 0), what = route.section(QLatin1Char(':'), 1);
        if (how == QLatin1String("menu"))
            h.find<QAction>(what)->trigger();
        else if (how == QLatin1String("key"))
            QTest::keySequence(h.edit("txtenter"), QKeySequence(what));
        else
            h.find<toolkit::KeyedToolBar>("Toolbar1")->button(what)->trigger();
        QVERIFY(shown);
        QVERIFY(h.form->isVisible());
        QCOMPARE(h.results(), before);
        QCOMPARE(h.text("txtenter"), QStringLiteral("1"));
        QCOMPARE(h.combo()->currentText(), QStringLiteral("Cup"));
    }

    void exit_closes_the_window_and_ends_the_program()
    {
        Harness h;
        h.edit("txtenter")->setFocus();
        QTimer::singleShot(0, h.form.get(),
                           [&] { QTest::keySequence(h.edit("txtenter"), QKeySequence("Ctrl+E")); });
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        timeout.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0); // ended by the command, not by the timeout
        QVERIFY(!h.form->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
