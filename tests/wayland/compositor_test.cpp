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

private slots:
    void initTestCase() { platform::installWindowWatch(); } // as the program does at start-up

    void init()
    {
        m_converter = new Form1;
        m_converter->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_converter.data()));
    }

    void cleanup() { delete m_converter; }

    void maximizing_a_window_keeps_the_program_running()
    {
        // The converter itself, then what its commands open; Label6 opens a message box.
        for (const QString command :
             {"", "mnufileabout", "mnutoolsformula", "mnutoolsdecimals", "mnuregwarrant", "Label6"}) {
            bool grew = false;
            bool back = false;
            whileOpen(command, [&](QWidget *window) {
                const QSize normal = window->size();
                // As the title bar's button does.
                window->windowHandle()->setWindowStates(Qt::WindowMaximized);
                grew = QTest::qWaitFor([&] { return window->width() > normal.width(); }, 5000);
                QTest::keyClick(window, Qt::Key_Tab); // the focus moves and is drawn
                window->windowHandle()->setWindowStates(Qt::WindowNoState);
                back = QTest::qWaitFor([&] { return window->size() == normal; }, 5000)
                    && window->windowHandle()->minimumSize() == normal
                    && window->windowHandle()->maximumSize() == normal;
            });
            QVERIFY2(grew && back, qPrintable(command)); // back at its size, and fixed to it again
        }
    }

    void converter_is_drawn_whole_after_each_window()
    {
        for (const QString command : {"mnufileabout", "mnutoolsformula", "mnuregwarrant"}) {
            whileOpen(command, [](QWidget *window) { QVERIFY(window); });
            QTemporaryDir dir;
            const QString screen = dir.filePath(QStringLiteral("screen.png"));
            qsizetype shown = 0;
            qsizetype drawn = 0;
            const bool whole = QTest::qWaitFor(
                [&] {
                    QFile::remove(screen);
                    QProcess::execute(QStringLiteral("grim"), {screen}); // no picture: nothing shown
                    // The pixels of the body's colour in the converter as Qt draws it, and on the
                    // screen as the compositor shows it. Drawn each time: just after a window
                    // closes, the converter's drawing is not yet the one it keeps (Qt 6.8).
                    const QImage own = m_converter->grab().toImage().convertToFormat(QImage::Format_RGB32);
                    const QRgb body = own.pixel(own.width() / 2, own.height() - 2);
                    const auto count = [body](const QImage &image) {
                        const QImage picture = image.convertToFormat(QImage::Format_RGB32);
                        const auto *pixels = reinterpret_cast<const QRgb *>(picture.constBits());
                        return std::count(pixels, pixels + picture.sizeInBytes() / 4, body);
                    };
                    drawn = count(own);
                    return (shown = count(QImage(screen))) >= drawn;
                },
                10000);
            QVERIFY2(whole, qPrintable(command + QStringLiteral(": %1 of %2 pixels").arg(shown).arg(drawn)));
        }
    }
};

QTEST_MAIN(CompositorTest)
#include "compositor_test.moc"
