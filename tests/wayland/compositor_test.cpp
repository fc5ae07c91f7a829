// The program under the compositor with-compositor starts for each test, started as it starts
// itself: each window maximized and restored as Qt's own title bar does it (weston ends the
// connection, and so the program, of a window that keeps another size; sway gives a window that
// draws its own title bar back smaller by that bar), and the converter drawn again when it comes
// back (sway, pictured with grim).
#include "../forms/widgettest.h"

#include <QProcess>
#include <QWindow>

namespace {

// Runs the program from its title window into the converter, runs `act` on it, and ends.
int runConverter(const std::function<void(Form1 *)> &act)
{
    return runProgram(
        [act] {
            QWidget *title = shownWindow(QStringLiteral("Form4"));
            if (!QTest::qWaitForWindowExposed(title))
                return QCoreApplication::exit(2);
            QTest::keyClick(title->focusWidget(), Qt::Key_Return);
            auto *converter = qobject_cast<Form1 *>(shownWindow(QStringLiteral("Form1")));
            if (!QTest::qWaitForWindowExposed(converter))
                return QCoreApplication::exit(3);
            act(converter);
            QCoreApplication::exit(0);
        },
        120);
}

// Runs `act` on the window that a command of the converter opens (the converter for none),
// then closes it.
void whileOpen(Form1 *converter, const QString &command, const std::function<void(QWidget *)> &act)
{
    if (command.isEmpty())
        return act(converter);
    whenModal([act](QWidget *window) {
        act(window);
        window->close();
    });
    if (auto *item = child<QAction>(converter, command))
        item->trigger();
    else
        QTest::mouseClick(child(converter, command), Qt::LeftButton);
}

// Whether the screen shows as many pixels of the converter's body colour as the converter
// draws, pictured with grim. Drawn each time: just after a window closes, the converter's
// drawing is not yet the one it keeps (Qt 6.8).
bool shownWhole(QWidget *converter, QString *fault)
{
    QTemporaryDir dir;
    const QString screen = dir.filePath(QStringLiteral("screen.png"));
    const auto count = [](const QImage &image, QRgb colour) {
        const QImage picture = image.convertToFormat(QImage::Format_RGB32);
        const auto *pixels = reinterpret_cast<const QRgb *>(picture.constBits());
        return std::count(pixels, pixels + picture.sizeInBytes() / 4, colour);
    };
    return QTest::qWaitFor(
        [&] {
            QFile::remove(screen);
            QProcess::execute(QStringLiteral("grim"), {screen}); // no picture: nothing shown
            const QImage own = converter->grab().toImage();
            const QRgb body = own.pixel(own.width() / 2, own.height() - 2);
            const qsizetype drawn = count(own, body), shown = count(QImage(screen), body);
            *fault = QStringLiteral("%1 of %2 pixels shown").arg(shown).arg(drawn);
            return shown >= drawn;
        },
        10000);
}

} // namespace

class CompositorTest : public QObject
{
    Q_OBJECT

private slots:
    // Every framed window, maximized and restored: never smaller than its own size, back at it
    // and fixed to it again, the program still running. Weston maximizes every window
    // (SPOONWISE_MAXIMIZE_MUST_GROW=1), sway some. Where grim pictures the screen
    // (SPOONWISE_PICTURES=1), the converter comes back drawn whole after each window over it.
    void maximizing_keeps_each_window_at_its_size()
    {
        const bool mustGrow = qEnvironmentVariableIntValue("SPOONWISE_MAXIMIZE_MUST_GROW") != 0;
        const bool pictures = qEnvironmentVariableIntValue("SPOONWISE_PICTURES") != 0;
        QStringList faults;
        const int code = runConverter([&](Form1 *converter) {
            // The converter itself, then what its commands open; Label6 opens a message box.
            for (const QString command :
                 {"", "mnufileabout", "mnutoolsformula", "mnutoolsdecimals", "mnuregwarrant", "Label6"}) {
                whileOpen(converter, command, [&](QWidget *window) {
                    const QSize normal = window->size();
                    QSize least = normal;
                    const auto watch = [&] {
                        least = least.boundedTo(window->size());
                        return window->width() > normal.width();
                    };
                    // As the title bar's button and a double click on it do.
                    window->windowHandle()->setWindowStates(Qt::WindowMaximized);
                    if (!QTest::qWaitFor(watch, mustGrow ? 5000 : 1000) && mustGrow)
                        faults << command + " did not grow";
                    QTest::keyClick(window, Qt::Key_Tab); // the focus moves and is drawn
                    window->windowHandle()->setWindowStates(Qt::WindowNoState);
                    const bool back
                        = QTest::qWaitFor([&] { return watch(), window->size() == normal; }, 5000);
                    if (!back || least != normal || window->windowHandle()->minimumSize() != normal
                        || window->windowHandle()->maximumSize() != normal)
                        QDebug(&faults.emplace_back())
                            << command << window->size() << "least" << least << normal;
                });
                if (QString fault; pictures && !shownWhole(converter, &fault))
                    faults << command + ": " + fault;
            }
        });
        QCOMPARE(code, 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

QTEST_MAIN(CompositorTest)
#include "compositor_test.moc"
