// Helpers for driving windows that run their own modal loop.
#ifndef SPOONWISE_TESTS_WINDOWTEST_H
#define SPOONWISE_TESTS_WINDOWTEST_H

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `act` on the first visible top-level window with this object name as soon as it
// shows, from inside the modal loop that shows it.
inline void whenShown(const QString &name, std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, name, act] {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (window->objectName() == name && window->isVisible()) {
                poll->deleteLater();
                poll->stop();
                act(window);
                return;
            }
        }
    });
    poll->start();
}

template<typename T = QWidget> T *child(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

#endif // SPOONWISE_TESTS_WINDOWTEST_H
