// The windows under the compositor with-compositor starts for each test: maximized as Qt's own
// title bar does it (weston, which ends the connection, and so the program, of a window that
// keeps another size), and the converter drawn again when it comes back (sway with Qt's own
// title bars, pictured with grim).
#include "../forms/widgettest.h"
#include "wayland.h"

#include <QProcess>
#include <QWindow>

class CompositorTest : public QObject
{
    Q_OBJECT

    QPointer<Form1> m_converter;

    // Runs `act` on the window that a command of the converter opens (the converter for
    // none), then closes it.
    void whileOpen(const QString &command, const std::function<void(QWidget *)> &act) const
    {
        if (command.isEmpty())
            return act(m_converter.data());
        whenModal([act](QWidget *window) {
            act(window);
            window->close();
        });
        if (auto *item = child<QAction>(m_converter.data(), command))
            item->trigger();
        else
            QTest::mouseClick(child(m_converter.data(), command), Qt::LeftButton);
    }

    // How many pixels of the window as Qt draws it, and of the screen as the compositor shows
    // it, have the colour of the window's body.
    static std::pair<qsizetype, qsizetype> bodyPixels(QWidget *window, const QString &screenFile)
    {
        const QImage drawn = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage shown = QImage(screenFile).convertToFormat(QImage::Format_RGB32);
        const QRgb body = drawn.pixel(drawn.width() / 2, drawn.height() - 2);
        const auto count = [body](const QImage &picture) {
            const auto *pixels = reinterpret_cast<const QRgb *>(picture.constBits());
            return std::count(pixels, pixels + picture.sizeInBytes() / 4, body);
        };
        return {count(drawn), count(shown)};
    }

private slots:
    void initTestCase() { toolkit::WaylandWindows::install(); } // as the program does at start-up

    void init()
    {
        m_converter = new Form1;
        m_converter->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_converter.data()));
    }

    void cleanup() { delete m_converter; }

    void maximizing_a_window_keeps_the_program_running_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command :
             {"", "mnufileabout", "mnutoolsformula", "mnutoolsdecimals", "mnuregwarrant", "Label6"})
            QTest::newRow(*command ? command : "converter") << QString(command); // Label6: a message box
    }

    void maximizing_a_window_keeps_the_program_running()
    {
        QFETCH(QString, command);
        bool grew = false;
        bool back = false;
        whileOpen(command, [&](QWidget *window) {
            const QSize normal = window->size();
            window->windowHandle()->setWindowStates(Qt::WindowMaximized); // as the title bar's button does
            grew = QTest::qWaitFor([&] { return window->width() > normal.width(); }, 5000);
            QTest::keyClick(window, Qt::Key_Tab); // the focus moves and is drawn
            window->windowHandle()->setWindowStates(Qt::WindowNoState);
            back = QTest::qWaitFor([&] { return window->size() == normal; }, 5000)
                && window->windowHandle()->minimumSize() == normal
                && window->windowHandle()->maximumSize() == normal;
        });
        QVERIFY(grew && back); // back at its size, and fixed to it again
    }

    void converter_is_drawn_whole_after_each_window_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command : {"mnufileabout", "mnutoolsformula", "mnuregwarrant"})
            QTest::newRow(command) << QString(command);
    }

    void converter_is_drawn_whole_after_each_window()
    {
        QFETCH(QString, command);
        whileOpen(command, [](QWidget *window) { QVERIFY(window); });
        QTemporaryDir dir;
        const QString screen = dir.filePath(QStringLiteral("screen.png"));
        std::pair<qsizetype, qsizetype> pixels;
        const bool whole = QTest::qWaitFor(
            [&] {
                QFile::remove(screen);
                QProcess::execute(QStringLiteral("grim"), {screen}); // no picture: nothing shown
                pixels = bodyPixels(m_converter.data(), screen);
                return pixels.second >= pixels.first;
            },
            10000);
        QVERIFY2(whole, qPrintable(QStringLiteral("%1 of %2 pixels").arg(pixels.second).arg(pixels.first)));
    }
};

QTEST_MAIN(CompositorTest)
#include "compositor_test.moc"
