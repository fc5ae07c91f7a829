// Start-up: the title window, the way into the converter, and what ends the program.
#include "widgettest.h"

#include <QSignalSpy>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void title_window_shows_logo_name_and_version()
    {
        Form4 title;
        QVERIFY(!(title.windowFlags() & Qt::WindowTitleHint));
        QCOMPARE(title.size(), QSize(305, 237));
        QCOMPARE(child(&title, "Picture1")->geometry(), QRect(-8, 0, 320, 240));
        QCOMPARE(texts(&title, "Label3,Label1,Command1"), "Spoonwise II   \u00AE|Version 2.0|&OK");
        QCOMPARE(child(&title, "Label3")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(!child(&title, "Label1")->autoFillBackground()); // the logo shows through
        QCOMPARE(child<toolkit::Line>(&title, "Line7")->line(),
                 QLine(16, 24, 304, 24)); // top of the name box
    }

    void ok_leads_into_the_converter_and_only_the_main_window_ends_the_program()
    {
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QPointer<Form4> title = toolkit::instance<Form4>();
        QPointer<Form1> main;
        QString seen;
        QTimer::singleShot(0, title, [&] {
            title->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(title));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the focus starts on OK
            main = toolkit::instance<Form1>();
            seen = texts(main, "txtenter,Combo1,txtml") + (main->isVisible() ? "|shown" : "");
            // A reference window closed by its frame while the main window is hidden.
            whenShown("Form0", [](QWidget *about) { about->close(); });
            main->mnufileabout_Click();
            seen += QStringLiteral("|%1|%2").arg(main->isVisible()).arg(lastClosed.count());
            main->close(); // by its frame: the end of the program
        });
        title->show();
        QCOMPARE(runUntilTheProgramEnds(), 0);
        QCOMPARE(seen, QStringLiteral("0|Teaspoon||shown|1|0"));
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
