// What the window tests share: the windows, the Qt pieces they drive, a way into windows
// that run their own modal loop, and a stand-in desktop calculator.
#ifndef SPOONWISE_TESTS_WIDGETTEST_H
#define SPOONWISE_TESTS_WIDGETTEST_H

#include "controls.h"
#include "form0.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "toolkit.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

template<typename T = QWidget> T *child(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

// A new window of the class with this object name.
inline QWidget *newWindow(const QString &name)
{
    const QList<std::function<QWidget *()>> windows = {[] { return new Form0; },
                                                       [] { return new Form1; },
                                                       [] { return new Form2; },
                                                       [] { return new Form4; },
                                                       [] { return new Form5; },
                                                       [] {
                                                           return new Form6;
                                                       }};
    const QStringList names = {"Form0", "Form1", "Form2", "Form4", "Form5", "Form6"};
    return windows.at(names.indexOf(name))();
}

// Shows a window and waits until it has the keyboard focus; false if it never gets it.
inline bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
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

// Runs `act` on the visible top-level window with this object name as soon as it shows,
// from inside the modal loop that shows it.
inline void whenShown(const QString &name, std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name, act] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == name && window->isVisible()) {
                poll->deleteLater();
                poll->stop();
                return act(window);
            }
        }
    });
    poll->start(5);
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
        if (presence == Installed)
            addScript(m_dir.filePath("xcalc"), "echo started >> '" + log().toLocal8Bit() + "'");
        QDir(m_dir.path()).mkdir("here");
        for (const QString decoy : {"C:\\windows\\calc.EXE", "gnome-calculator"})
            addScript(m_dir.filePath("here/" + decoy), "");
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
        QFile file(log());
        return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count('\n')) : 0;
    }

private:
    QString log() const { return m_dir.filePath("starts.log"); }
    static void addScript(const QString &path, const QByteArray &command)
    {
        QFile script(path);
        if (script.open(QIODevice::WriteOnly)) {
            script.write("#!/bin/sh\n" + command + "\n");
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    QTemporaryDir m_dir;
    QByteArray m_oldPath;
    QString m_oldFolder;
};

#endif // SPOONWISE_TESTS_WIDGETTEST_H
