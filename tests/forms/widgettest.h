// What the window tests share: the windows, the Qt pieces they drive, a way into windows
// that run their own modal loop, and a stand-in desktop calculator.
#ifndef SPOONWISE_TESTS_WIDGETTEST_H
#define SPOONWISE_TESTS_WIDGETTEST_H

#include "form0.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

template<typename T = QWidget> T *child(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

// The window of the class with this object name, as the program opens it: deleted on close,
// built afresh on the next opening.
inline QWidget *newWindow(const QString &name)
{
    const QList<std::function<QWidget *()>> windows
        = {toolkit::instance<Form0>, toolkit::instance<Form1>, toolkit::instance<Form2>,
           toolkit::instance<Form4>, toolkit::instance<Form5>, toolkit::instance<Form6>};
    return windows.at(QStringList({"Form0", "Form1", "Form2", "Form4", "Form5", "Form6"}).indexOf(name))();
}

// Shows a window and waits until it has the keyboard focus; false if it never gets it.
inline bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Whether a window's frame is centred on a point. A frame not yet drawn has no known width,
// which may put a window off by half of it.
inline bool centredOn(const QWidget *window, QPoint centre)
{
    return (window->frameGeometry().center() - centre).manhattanLength() <= 4;
}

// Runs the application's own event loop, where closing the last window ends the program;
// 0 when something ended it, 1 when nothing did within ten seconds.
inline int runUntilTheProgramEnds()
{
    QTimer timeout;
    QObject::connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    timeout.start(10000);
    return QCoreApplication::exec();
}

// Runs `act` on the modal window that the next command opens, from inside its modal loop.
inline void whenModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, qApp, [act] { act(QApplication::activeModalWidget()); });
}

// A stand-in desktop calculator (or none) on PATH for one test; counts its starts. PATH also
// names the current folder (".", and an empty entry), which holds decoys that must never run:
// a file named like the Windows calculator and an executable named like a desktop one.
class FakeCalculator
{
public:
    enum Presence { Installed, Missing };
    explicit FakeCalculator(Presence presence = Installed)
        : m_oldPath(qgetenv("PATH"))
        , m_oldFolder(QDir::currentPath())
    {
        QDir(m_dir.path()).mkdir("here");
        const QString started = "echo started >> '" + m_dir.filePath("starts.log") + "'";
        for (const auto &[path, command] : {std::pair(QString("here/C:\\windows\\calc.EXE"), QString()),
                                            {"here/gnome-calculator", ""},
                                            {presence == Installed ? "xcalc" : "here/unused", started}}) {
            QFile script(m_dir.filePath(path));
            if (script.open(QIODevice::WriteOnly)) {
                script.write(("#!/bin/sh\n" + command + "\n").toLocal8Bit());
                script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
        }
        QDir::setCurrent(m_dir.filePath("here"));
        qputenv("PATH", ".::" + m_dir.path().toLocal8Bit());
    }
    ~FakeCalculator()
    {
        qputenv("PATH", m_oldPath);
        QDir::setCurrent(m_oldFolder);
    }
    Q_DISABLE_COPY_MOVE(FakeCalculator)

    int starts() const
    {
        QFile log(m_dir.filePath("starts.log"));
        return log.open(QIODevice::ReadOnly) ? static_cast<int>(log.readAll().count('\n')) : 0;
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
    QString m_oldFolder;
};

#endif // SPOONWISE_TESTS_WIDGETTEST_H
