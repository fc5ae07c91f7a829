// What the window tests share: the windows, the Qt pieces they drive, a converter whose
// messages are captured, a way into windows that run their own modal loop, and a stand-in
// desktop calculator.
#ifndef SPOONWISE_TESTS_WIDGETTEST_H
#define SPOONWISE_TESTS_WIDGETTEST_H

#include "form0.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "startup.h"
#include "toolkit.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

template<typename T = QWidget> T *child(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

// Every window, by its class and object name, as the program builds it.
// clang-format off
inline const std::map<QString, std::function<QWidget *()>> kWindows = {{"Form0", [] { return new Form0; }},
    {"Form1", [] { return new Form1; }}, {"Form2", [] { return new Form2; }}, {"Form4", [] { return new Form4; }},
    {"Form5", [] { return new Form5; }}, {"Form6", [] { return new Form6; }}};
// clang-format on

// The shown top-level window of that object name, or none.
inline QWidget *shownWindow(const QString &name)
{
    const auto windows = QApplication::topLevelWidgets();
    const auto found = std::ranges::find_if(
        windows, [&](QWidget *w) { return w->objectName() == name && w->isVisible(); });
    return found == windows.end() ? nullptr : *found;
}

// Runs the program as it starts, with `act` once the event loop runs; 1 when nothing ended it
// within `seconds`.
inline int runProgram(const std::function<void()> &act, int seconds = 10)
{
    QTimer::singleShot(0, qApp, act);
    QTimer::singleShot(seconds * 1000, qApp, [] { QCoreApplication::exit(1); });
    return startup::run();
}

// Shows a window and waits until it has the keyboard focus; false if it never gets it.
inline bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Opens a window as the program does, deleted on close, and waits until it has the keyboard focus.
inline QPointer<QWidget> open(const QString &name)
{
    QWidget *window = kWindows.at(name)();
    window->setAttribute(Qt::WA_DeleteOnClose);
    showActive(window); // the focus checks fail where it is not
    return window;
}

// A shown window whose messages are captured.
class Harness
{
public:
    Harness()
        : form(std::make_unique<Form1>())
    {
        form->setMessageSink([this](const QString &prompt) { prompts << prompt; });
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

    std::unique_ptr<Form1> form;
    QStringList prompts;
};

// How much redder than blue a widget's own drawing is: above 0 for a red text, below 0 for
// a blue one, on any grey.
inline double redOverBlue(QWidget *widget)
{
    QImage drawn(widget->size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    widget->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags()); // without the background
    double sum = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            sum += (qRed(drawn.pixel(x, y)) - qBlue(drawn.pixel(x, y))) * qAlpha(drawn.pixel(x, y)) / 255.0;
    return sum;
}

// Runs `act` on the modal window that the next command opens, from inside its modal loop.
inline void whenModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        QWidget *opened = QApplication::activeModalWidget();
        opened ? act(opened) : whenModal(act);
    });
}

// A stand-in calculator (or none) for one test, where the system's is looked for: on PATH, or
// in Windows' system folder. The current folder, and PATH through it, hold decoys that must
// never run: named like the Windows calculator and like a desktop one.
class FakeCalculator
{
public:
    enum Presence { Installed, Missing };
    explicit FakeCalculator(Presence presence = Installed)
        : m_oldPath(qgetenv("PATH"))
        , m_oldFolder(QDir::currentPath())
    {
        QDir(m_dir.path()).mkdir("here");
        qputenv("SPOONWISE_CALCULATOR_LOG",
                QDir::toNativeSeparators(m_dir.filePath("starts.log")).toLocal8Bit());
#ifdef Q_OS_WIN
        wchar_t folder[MAX_PATH];
        m_stub = QString::fromWCharArray(folder, int(GetSystemDirectoryW(folder, MAX_PATH))) + "\\calc.exe";
        const QString stub = QCoreApplication::applicationDirPath() + "/fake_calculator.exe";
        QFile::copy(stub, m_dir.filePath("here/calc.exe"));
        if (presence == Installed)
            QFile::copy(stub, m_stub);
        qputenv("PATH",
                ".;" + QDir::toNativeSeparators(m_dir.filePath("here")).toLocal8Bit() + ";" + m_oldPath);
#else
        // A script, as the stand-in program, writes its own name.
        const QString stub = presence == Installed ? "xcalc" : "here/unused";
        m_stub = m_dir.filePath(stub);
        for (const QString &path :
             {QString("here/C:\\windows\\calc.EXE"), QString("here/gnome-calculator"), stub}) {
            QFile script(m_dir.filePath(path));
            script.open(QIODevice::WriteOnly)
                && script.write("#!/bin/sh\necho \"$0\" >> \"$SPOONWISE_CALCULATOR_LOG\"\n")
                && script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        qputenv("PATH", ".::" + m_dir.path().toLocal8Bit());
#endif
        QDir::setCurrent(m_dir.filePath("here"));
    }
    ~FakeCalculator()
    {
        QFile::remove(m_stub);
        qputenv("PATH", m_oldPath);
        QDir::setCurrent(m_oldFolder);
    }
    Q_DISABLE_COPY_MOVE(FakeCalculator)

    // The stand-in's starts; -1 once a decoy has run.
    int starts() const
    {
        QFile log(m_dir.filePath("starts.log"));
        const QStringList started = log.open(QIODevice::ReadOnly | QIODevice::Text)
            ? QString::fromLocal8Bit(log.readAll()).split('\n', Qt::SkipEmptyParts)
            : QStringList();
        const auto isStub = [this](const QString &path) {
            return QFileInfo(path) == QFileInfo(m_stub);
        };
        return std::ranges::all_of(started, isStub) ? int(started.size()) : -1;
    }

private:
    QTemporaryDir m_dir;
    QString m_stub;
    QByteArray m_oldPath;
    QString m_oldFolder;
};

// QTEST_MAIN, with the stand-in faces loaded as start-up loads them: the Windows build carries
// them beside every program.
#define SPOONWISE_WIDGET_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        /* Qt Test on Windows reports to the debugger unless a console is attached; Wine's pipes */          \
        /* are none, and Wine hands Qt's own variables to no program. */                                     \
        qputenv("QT_FORCE_STDERR_LOGGING", "1");                                                             \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        toolkit::addStandInFaces(QCoreApplication::applicationDirPath() + QLatin1String("/fonts"));          \
        TestObject test;                                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }

#endif // SPOONWISE_TESTS_WIDGETTEST_H
