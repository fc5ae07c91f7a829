#include "wayland.h"

#include <QApplication>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace platform {

namespace {

constexpr Qt::WindowStates kCompositorSized = Qt::WindowMaximized | Qt::WindowFullScreen;
constexpr auto kWatchName = "spoonwise_wayland_watch";
// Long enough for a compositor's answers to a state request to have arrived.
constexpr int kSettleMs = 500;

// One top-level window: its own size limits, kept while the compositor decides its size, and
// the widget it shows.
class WindowWatch : public QObject
{
public:
    WindowWatch(QWindow *window, QWidget *widget)
        : QObject(window)
        , m_window(window)
        , m_widget(widget)
    {
        setObjectName(QLatin1String(kWatchName));
        // The title bar's maximize button calls setWindowStates(), which emits this before the
        // compositor's configure arrives: the limits are gone when Qt applies the new size.
        connect(window, &QWindow::windowStateChanged, this, &WindowWatch::follow);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            restoreWhenBack();
        // A widget window gets this only from the Wayland plugin, after it has put the window
        // into a new buffer with or without the title bar (Qt 6.4 QWaylandWindow::createDecoration).
        else if (event->type() == QEvent::UpdateRequest)
            redrawAll();
        return QObject::eventFilter(watched, event);
    }

private:
    void follow(Qt::WindowState state)
    {
        if (!(state & kCompositorSized))
            return settleLater();
        if (m_lifted)
            return;
        m_minimum = m_window->minimumSize();
        m_maximum = m_window->maximumSize();
        m_lifted = true;
        m_window->setMinimumSize(QSize(0, 0));
        m_window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    // Only once the compositor has given the window back a size of its own: before that, the
    // limits would make Qt answer a maximized configure with a size it has not configured. A
    // state change alone is no sign of it; Qt reports the states of older configures late. A
    // size below the limits is no maximized one: sway gives a window that draws its own title
    // bar back smaller by that bar and border.
    void restoreWhenBack()
    {
        if (!m_lifted || (m_window->windowStates() & kCompositorSized))
            return;
        const QSize size = m_window->size();
        const QSize own = size.expandedTo(m_minimum).boundedTo(m_maximum);
        if (size == own || size.width() < m_minimum.width() || size.height() < m_minimum.height())
            restore();
        else
            settleLater();
    }

    // Sway may refuse a maximize without a new size, or give a restored window the whole
    // screen and no size after it: a window still unmaximized at another size once the
    // compositor has had time to answer takes its own size again. Every answer sent by then
    // is read first; a busy program may not have read them when the time is up.
    void settleLater()
    {
        QTimer::singleShot(kSettleMs, this, [this] {
            QGuiApplication::sync();
            if (m_lifted && !(m_window->windowStates() & kCompositorSized))
                restore();
        });
    }

    void restore()
    {
        m_lifted = false;
        m_window->setMinimumSize(m_minimum);
        m_window->setMaximumSize(m_maximum);
        m_window->resize(m_window->size().expandedTo(m_minimum).boundedTo(m_maximum));
    }

    // Every widget, as each one that fills its own background would otherwise be skipped.
    void redrawAll()
    {
        if (!m_widget)
            return;
        m_widget->update();
        for (QWidget *child : m_widget->findChildren<QWidget *>()) {
            if (!child->isWindow() && child->isVisible())
                child->update();
        }
    }

    QWindow *m_window;
    QPointer<QWidget> m_widget;
    bool m_lifted = false;
    QSize m_minimum;
    QSize m_maximum;
};

// The widget a top-level window shows; none for a window of Qt's own.
QWidget *widgetOf(const QWindow *window)
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    const auto found = std::find_if(widgets.begin(), widgets.end(), [window](const QWidget *widget) {
        return widget->windowHandle() == window;
    });
    return found == widgets.end() ? nullptr : *found;
}

// Gives each top-level window its watch as its surface is created.
class WatchEveryWindow : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PlatformSurface
            && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
                == QPlatformSurfaceEvent::SurfaceCreated) {
            auto *window = qobject_cast<QWindow *>(watched);
            // A window hidden and shown again may get a new surface; it keeps its watch.
            if (window && window->isTopLevel()
                && !window->findChild<QObject *>(QLatin1String(kWatchName), Qt::FindDirectChildrenOnly))
                new WindowWatch(window, widgetOf(window));
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void installWindowWatch()
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    qApp->installEventFilter(new WatchEveryWindow(qApp));
}

} // namespace platform
