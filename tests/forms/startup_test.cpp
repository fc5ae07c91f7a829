// Start-up: the title window, the way into the converter, and what ends the program.
#include "form1.h"
#include "form4.h"
#include "toolkit.h"
#include "windowtest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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
        QCOMPARE(child<QLabel>(&title, "Label3")->text(), QStringLiteral("Spoonwise II   \u00AE"));
        QCOMPARE(child<QLabel>(&title, "Label3")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(child<QLabel>(&title, "Label1")->text(), QStringLiteral("Version 2.0"));
        QVERIFY(!child(&title, "Label1")->autoFillBackground()); // the logo shows through
        auto *ok = child<QPushButton>(&title, "Command1");
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QCOMPARE(ok->toolTip(), QStringLiteral("Click to goto Spoonwise II"));
        // Line7 is the top edge of the name box and Line3 the shadow's right stub, in twips / 15.
        QCOMPARE(child<toolkit::Line>(&title, "Line7")->line(), QLine(16, 24, 304, 24));
        QCOMPARE(child<toolkit::Line>(&title, "Line3")->line(), QLine(296, 72, 296, 64));
    }

    // Runs inside the application's own event loop, where closing the last window ends it.
    void ok_leads_into_the_converter_and_only_the_main_window_ends_the_program()
    {
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QPointer<Form4> title = toolkit::instance<Form4>();
        QPointer<Form1> main;
        bool designState = false, backAfterAbout = false;
        int closedBeforeMain = -1;
        QTimer::singleShot(0, title, [&] {
            QApplication::setActiveWindow(title);
            QVERIFY(QTest::qWaitForWindowActive(title));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            main = toolkit::instance<Form1>();
            designState = main->isVisible()
                && child<QLineEdit>(main, "txtenter")->text() == QLatin1String("0")
                && child<QComboBox>(main, "Combo1")->currentText() == QLatin1String("Teaspoon")
                && child<QLineEdit>(main, "txtml")->text().isEmpty();
            // A reference window closed by its frame while the main window is hidden.
            whenShown("Form0", [](QWidget *about) { about->close(); });
            main->mnufileabout_Click();
            backAfterAbout = main->isVisible();
            closedBeforeMain = lastClosed.count();
            main->close(); // by its frame: the end of the program
        });
        title->show();
        QTimer timeout;
        connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        timeout.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(title.isNull());
        QVERIFY(designState);
        QVERIFY(backAfterAbout);
        QCOMPARE(closedBeforeMain, 0);
        QCOMPARE(lastClosed.count(), 1);
        QTRY_VERIFY(main.isNull());
    }

    void closing_the_title_window_ends_the_program()
    {
        QPointer<Form4> title = toolkit::instance<Form4>();
        title->show();
        QTimer::singleShot(0, title, [&] { title->close(); });
        QTimer timeout;
        connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        timeout.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QTRY_VERIFY(title.isNull());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
