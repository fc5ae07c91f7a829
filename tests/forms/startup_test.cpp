// Start-up: the title window, the way into the converter, and what ends the program.
#include "widgettest.h"

#include <QSignalSpy>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    // The title and main windows open centred on the screen, every other window centred over the
    // main window, wherever it was moved to, hidden or not, and kept over it as its transient.
    void windows_open_centred_and_stay_over_the_main_window()
    {
        // A frame not yet drawn has no known width: it may put a window off by half of it.
        const auto centredOn = [](const QWidget *window, QPoint centre) {
            return (window->frameGeometry().center() - centre).manhattanLength() <= 4;
        };
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QPointer<Form4> title = toolkit::instance<Form4>();
        toolkit::centre(title); // as the program starts
        title->show();
        QVERIFY(QTest::qWaitForWindowExposed(title) && centredOn(title, screenCentre));
        child<QPushButton>(title, "Command1")->click();
        QPointer<Form1> main = toolkit::instance<Form1>();
        QVERIFY(QTest::qWaitForWindowExposed(main) && centredOn(main, screenCentre));
        main->move(main->pos() + QPoint(-120, 60));
        for (const auto &[command, window] : {std::pair("mnufileabout", "Form0"),
                                              {"mnutoolsformula", "Form2"},
                                              {"mnutoolsdecimals", "Form6"},
                                              {"mnuregwarrant", "Form5"}}) {
            bool placed = false;
            whenShown(window, [&](QWidget *opened) {
                placed = QTest::qWaitForWindowExposed(opened)
                    && centredOn(opened, main->frameGeometry().center())
                    && opened->windowHandle()->transientParent() == main->windowHandle();
                opened->close();
            });
            child<QAction>(main, command)->trigger();
            QVERIFY2(placed && main->isVisible(), window);
        }
        delete main;
    }

    // A thin border of its own around the client area, whatever frames the desktop gives.
    void title_window_draws_its_own_border()
    {
        Form4 title;
        QVERIFY(!(title.windowFlags() & Qt::WindowTitleHint));
        const QImage shown = title.grab().toImage();
        const QPoint last(shown.width() - 1, shown.height() - 1);
        for (const QPoint edge :
             {QPoint(0, 0), QPoint(last.x(), last.y() / 2), QPoint(last.x() / 2, last.y())})
            QCOMPARE(shown.pixelColor(edge), title.palette().color(QPalette::WindowText));
        QVERIFY(shown.pixelColor(1, 1) != title.palette().color(QPalette::WindowText));
    }

    void ok_leads_into_the_converter_and_only_the_main_window_ends_the_program()
    {
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QPointer<Form4> title = toolkit::instance<Form4>();
        QPointer<Form1> main;
        QString seen;
        QTimer::singleShot(0, title, [&] {
            QVERIFY(showActive(title));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the focus starts on OK
            main = toolkit::instance<Form1>();
            seen = child<QLineEdit>(main, "txtml")->text() + (main->isVisible() ? "shown" : "");
            // A reference window closed by its frame while the main window is hidden.
            whenShown("Form0", [](QWidget *about) { about->close(); });
            child<QAction>(main, "mnufileabout")->trigger();
            seen += QStringLiteral("|%1|%2").arg(main->isVisible()).arg(lastClosed.count());
            main->close(); // by its frame: the end of the program
        });
        title->show();
        QCOMPARE(runUntilTheProgramEnds(), 0);
        QCOMPARE(seen, QStringLiteral("shown|1|0"));
        QCOMPARE(lastClosed.count(), 1);
        QVERIFY(title.isNull());
        QTRY_VERIFY(main.isNull());
    }

    void closing_the_title_window_ends_the_program()
    {
        QPointer<Form4> title = toolkit::instance<Form4>();
        title->show();
        QTimer::singleShot(0, title, [&] { title->close(); });
        QCOMPARE(runUntilTheProgramEnds(), 0);
        QTRY_VERIFY(title.isNull());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
