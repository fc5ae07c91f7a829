// Start-up as the program runs it: the desktop's language loaded, the title window centred on
// the screen and an event loop that runs until the program is closed or exited. Each window, as its command
// opens it, is a window to a screen reader, named by its title or heading, and placed over the converter.
#include "startup.h"
#include "widgettest.h"

#include <QAccessible>
#include <QMessageBox>
#include <QToolButton>

namespace {

const QString kSourceDir = QStringLiteral(QT_TESTCASE_SOURCEDIR);

// What a screen reader hears of a window, its kind and its name, and what the window system
// knows of it: a window or a dialog kept over its owner, its title, its picture. A message box
// is an alert, which screen readers read out whole as it opens; it has an OK button only and no
// icon.
QString heard(QWidget *window)
{
    const auto *box = qobject_cast<QMessageBox *>(window);
    if (!window || (box && (box->icon() != QMessageBox::NoIcon || box->standardButtons() != QMessageBox::Ok)))
        return QStringLiteral("no plain window");
    const QMap<QAccessible::Role, QString> kinds = {{QAccessible::Window, "window"},
                                                    {QAccessible::Dialog, "window"},
                                                    {QAccessible::AlertMessage, "alert"}};
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(window);
    const bool ownIcon = window->windowIcon().pixmap(48).toImage()
        == QIcon(QStringLiteral(SPOONWISE_ICON)).pixmap(48).toImage();
    return kinds.value(reader->role(), QString::number(reader->role())) + ' '
        + reader->text(QAccessible::Name)
        + (window->windowHandle()->type() == Qt::Dialog ? " | dialog" : " | window") + " \""
        + window->windowTitle() + (ownIcon ? "\"" : "\" without the program's icon");
}

// Whether a window's frame is centred over another or the screen. A frame not yet drawn has no
// known width, which may put a window off by half of it.
bool centredOver(QWidget *window, const QWidget *over)
{
    const QRect area = over ? over->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    return window && QTest::qWaitForWindowExposed(window)
        && (window->frameGeometry().center() - area.center()).manhattanLength() <= 4;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    // The title window opens centred on the screen, and OK leads into the converter. Reference windows closed
    // while the converter is hidden do not end the program; Exit closes the converter and does. The
    // converter comes back unchanged.
    void every_window_opens_by_its_command_named_by_its_title_or_heading()
    {
        // a toolbar key, menu command or shortcut, whether the converter stays visible, the button
        // that closes the window ("" closes it by its frame), what a screen reader hears
        // clang-format off
        const QList<std::tuple<QString, bool, QString, QString>> rows = {{"AboutScreen", false, "", "window ABOUT | dialog \" \""},
            {"Ctrl+A", false, "Exit", "window ABOUT | dialog \" \""}, {"Ctrl+F", false, "Exit", "window Conversion Formulas | dialog \" \""},
            {"Formulas", false, "", "window Conversion Formulas | dialog \" \""},
            {"Ctrl+W", false, "command1", "window Warranty Information | dialog \"Warranty Information\""},
            {"mnuregwarrant", false, "", "window Warranty Information | dialog \"Warranty Information\""},
            {"Decimals", true, "", "window Fraction Decimal | dialog \" \""}, {"Ctrl+D", true, "", "window Fraction Decimal | dialog \" \""},
            {"mnuhelphow", true, "", "alert Spoonwise II | dialog \"Spoonwise II\""}};
        // clang-format on
        QStringList seen,
            expected
            = {"window Spoonwise II \u00AE | window \" \"", "window Spoonwise II | window \"Spoonwise II\""};
        const int code = runProgram([&] {
            seen << (centredOver(shownWindow("Form4"), nullptr) ? heard(shownWindow("Form4")) : "misplaced");
            QTest::keyClick(shownWindow("Form4")->focusWidget(), Qt::Key_Return); // the focus starts on OK
            QWidget *main = shownWindow("Form1");
            seen << (centredOver(main, nullptr) ? heard(main) : "misplaced");
            main->move(main->pos() + QPoint(-120, 60));
            QTest::mouseClick(child(main, "Command1"), Qt::LeftButton);
            const QString before = child<QLineEdit>(main, "txtml")->text();
            for (const auto &[how, mainStaysVisible, closeButton, name] : rows) {
                QVERIFY(showActive(main)); // shortcuts go to the active window
                whenModal([&](QWidget *opened) {
                    const bool placed = main->isVisible() == mainStaysVisible && centredOver(opened, main)
                        && opened->windowHandle()->transientParent() == main->windowHandle();
                    seen << (placed ? heard(opened) : "misplaced");
                    auto *button = closeButton.isEmpty() ? nullptr : child<QPushButton>(opened, closeButton);
                    button ? button->click() : void(opened->close());
                });
                if (auto *button = child<QToolButton>(main, how))
                    QTest::mouseClick(button, Qt::LeftButton);
                else if (auto *command = child<QAction>(main, how))
                    command->trigger();
                else
                    QTest::keySequence(child(main, "txtenter"), QKeySequence(how));
                expected << name;
            }
            seen << QStringLiteral("%1 %2")
                        .arg(main->isVisible())
                        .arg(child<QLineEdit>(main, "txtml")->text() == before);
            QVERIFY(showActive(main));
            QTest::keySequence(child(main, "txtenter"), QKeySequence("Ctrl+E"));
            seen << (main->isVisible() ? "still shown" : "closed");
        });
        QCOMPARE(code, 0);
        expected += QStringList {"1 1", "closed"};
        QCOMPARE(seen, expected);
        // The desktop finds the program's entry by the name the windows give it.
        QVERIFY(QFile::exists(kSourceDir + "/../../packaging/" + QGuiApplication::desktopFileName()
                              + ".desktop"));
    }

    // Last, as what start-up installs stays installed: on a Swiss German desktop the title
    // window is built in German, with Qt's own texts, and numbers keep the desktop's format.
    // Closing the title window ends the program.
    void start_up_loads_the_desktops_language_and_qts_own_texts()
    {
#ifdef Q_OS_WIN
        // Windows' display language is set before the program starts: CTest runs this function
        // once more under a Swiss German system (Wine takes it from LC_ALL).
        if (QLocale::system().language() != QLocale::German)
            QSKIP("not a German Windows");
#else
        qputenv("LANGUAGE", "de_CH");
#endif
        QString tooltip, cancel;
        QCOMPARE(runProgram([&] {
                     tooltip = child(shownWindow("Form4"), "Command1")->toolTip();
                     cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
                     shownWindow("Form4")->close();
                 }),
                 0);
        QVERIFY(!tooltip.isEmpty() && !tooltip.startsWith("Click") && cancel != "Cancel");
        QCOMPARE(QLocale(), QLocale::system());
    }
};

SPOONWISE_WIDGET_TEST_MAIN(StartupTest)
#include "startup_test.moc"
