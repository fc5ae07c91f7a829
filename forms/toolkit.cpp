#include "toolkit.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <array>

namespace toolkit {

namespace {

// The width of an empty gap between toolbar buttons, in pixels.
constexpr int kSeparatorWidth = 8;

struct FaceInfo
{
    const char *design;
    const char *standIn;
    bool standInBold; // a regular stand-in would look far lighter than the design's face
};

constexpr std::array<FaceInfo, 3> kFaces = {{
    {"MS Sans Serif", "Liberation Sans", false},
    {"Times New Roman", "Liberation Serif", false},
    {"Impact", "Liberation Sans Narrow", true},
}};

struct ColourRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexed by SystemColour.
constexpr std::array<ColourRole, 6> kSystemColours = {{
    {QPalette::Active, QPalette::Button}, // ButtonFace
    {QPalette::Active, QPalette::ButtonText}, // ButtonText
    {QPalette::Active, QPalette::WindowText}, // WindowText
    {QPalette::Active, QPalette::Base}, // WindowBackground
    {QPalette::Inactive, QPalette::Button}, // InactiveTitleBarText
    {QPalette::Inactive, QPalette::Window}, // InactiveBorder
}};

// Whether each design face is installed, looked up once.
bool designFaceInstalled(Face face)
{
    static const std::array<bool, 3> installed = [] {
        std::array<bool, 3> result {};
        for (std::size_t i = 0; i < kFaces.size(); ++i)
            result[i] = QFontDatabase::hasFamily(QString::fromLatin1(kFaces[i].design));
        return result;
    }();
    return installed[static_cast<std::size_t>(face)];
}

class ShortcutPriority : public QObject
{
public:
    explicit ShortcutPriority(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        const auto actions = m_window->findChildren<QAction *>();
        for (const QAction *action : actions) {
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                // Left unaccepted, the key goes to the shortcut instead of the text box.
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QWidget *m_window;
};

class ClickableLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickableLabelAccessible(ClickableLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString own = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && own.isEmpty() ? static_cast<QLabel *>(widget())->text() : own;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            emit static_cast<ClickableLabel *>(widget())->clicked();
    }
};

// How screen readers see the toolkit's own widgets: pictures as graphics, the framing lines
// as separators, the clickable label as text with a press action.
QAccessibleInterface *toolkitAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new ClickableLabelAccessible(static_cast<ClickableLabel *>(object));
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (className == QLatin1String(Line::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Separator);
    return nullptr;
}

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(toolkitAccessible);
        return true;
    }();
    Q_UNUSED(installed)
}

// The window manager's frame around a window; none before it has been framed.
QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

void setTabOrder(std::initializer_list<QWidget *> widgets)
{
    const QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(const_cast<QWidget *>(previous), widget);
        previous = widget;
    }
}

QFont font(Face face, qreal pointSize, bool bold)
{
    const FaceInfo &info = kFaces[static_cast<std::size_t>(face)];
    const bool installed = designFaceInstalled(face);
    QFont result;
    result.setFamilies({QString::fromLatin1(installed ? info.design : info.standIn)});
    result.setStyleHint(face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    result.setPointSizeF(pointSize);
    result.setBold(bold || (!installed && info.standInBold));
    return result;
}

QColor systemColour(SystemColour colour)
{
    const ColourRole &entry = kSystemColours[static_cast<std::size_t>(colour)];
    return QApplication::palette().color(entry.group, entry.role);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), colour);
    widget->setPalette(palette);
}

void showMessageBox(QWidget *parent, const QString &prompt)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), prompt, QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void runModal(QWidget *window, QWidget *owner)
{
    // Still a window of its own. Qt names the owner to an X11 window manager only for a
    // dialog-type window (WM_TRANSIENT_FOR).
    if (owner)
        window->setParent(owner, (window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Closing it while the main window is hidden must not look like the program's last window closing.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec(QEventLoop::DialogExec);
}

void centre(QWidget *window, const QWidget *anchor)
{
    const QScreen *screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A main window takes its fixed size from its layout, which settles it only when shown.
    window->ensurePolished();
    if (QLayout *layout = window->layout())
        layout->activate();
    const bool anchorPlaced = anchor && anchor->testAttribute(Qt::WA_WState_Created);
    QMargins margins = frameMargins(window);
    if (margins.isNull() && anchorPlaced)
        margins = frameMargins(anchor);
    const QRect available = screen->availableGeometry();
    const QRect area = anchorPlaced ? anchor->frameGeometry() : available;
    QRect frame = QRect(QPoint(), window->size()).marginsAdded(margins);
    frame.moveCenter(area.center());
    frame.moveLeft(std::clamp(frame.left(), available.left(),
                              std::max(available.left(), available.right() - frame.width())));
    frame.moveTop(std::clamp(frame.top(), available.top(),
                             std::max(available.top(), available.bottom() - frame.height())));
    window->move(frame.topLeft()); // a window's position is its frame's
}

void setFixedClientArea(QWidget *window, int widthTwips, int heightTwips)
{
    window->setFixedSize(px(widthTwips), px(heightTwips));
}

void setTitleBar(QWidget *window, TitleBar titleBar, bool minimizeButton)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (titleBar == TitleBar::Standard)
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                 int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    place(label, left, top, width, height);
    return label;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QString &toolTip,
                       int left, int top, int width, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    place(button, left, top, width, height);
    button->setToolTip(toolTip);
    button->setAutoDefault(true);
    return button;
}

PictureBox::PictureBox(const QString &path, QWidget *parent)
    : QWidget(parent)
{
    installAccessibleFactory();
    if (path.endsWith(QLatin1String(".svg"))) {
        m_svg = new QSvgRenderer(path, this);
        m_size = m_svg->defaultSize();
    } else {
        m_bitmap = QPixmap(path);
        m_size = m_bitmap.deviceIndependentSize().toSize();
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_svg)
        m_svg->render(&painter, QRectF(QPointF(0, 0), QSizeF(m_size)));
    else
        painter.drawPixmap(0, 0, m_bitmap);
}

std::array<LineEnds, 8> shadowedBox(int left, int top, int right, int bottom)
{
    constexpr int kShadow = 120;
    return {{
        {left - kShadow, top + kShadow, left, top + kShadow, 1},
        {left - kShadow, bottom + kShadow, left - kShadow, top + kShadow, 1},
        {right - kShadow, bottom + kShadow, right - kShadow, bottom, 1},
        {left, bottom, right, bottom, 2},
        {left - kShadow, bottom + kShadow, right - kShadow, bottom + kShadow, 1},
        {left, bottom, left, top, 2},
        {left, top, right, top, 2},
        {right, bottom, right, top, 2},
    }};
}

Line::Line(const LineEnds &ends, QWidget *parent)
    : QWidget(parent)
    , m_width(ends.widthPixels)
{
    installAccessibleFactory();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint from(px(ends.x1), px(ends.y1));
    const QPoint to(px(ends.x2), px(ends.y2));
    // Room for the pen on every side of the line.
    const QRect bounds = QRect(from, to).normalized().adjusted(-m_width, -m_width, m_width, m_width);
    setGeometry(bounds);
    m_line = QLine(from - bounds.topLeft(), to - bounds.topLeft());
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(systemColour(SystemColour::WindowText), m_width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(m_line);
}

ImageList::ImageList(QSize imageSize, QColor maskColour)
    : m_imageSize(imageSize)
    , m_maskColour(maskColour)
{
}

void ImageList::add(const QString &path)
{
    if (path.endsWith(QLatin1String(".svg"))) {
        m_icons.append(QIcon(path)); // drawn on demand, crisp at any scale
        return;
    }
    QPixmap bitmap(path);
    if (!bitmap.isNull())
        bitmap.setMask(bitmap.createMaskFromColor(m_maskColour, Qt::MaskInColor));
    m_icons.append(QIcon(bitmap));
}

QIcon ImageList::icon(int index) const
{
    return index >= 1 && index <= count() ? m_icons.at(index - 1) : QIcon();
}

KeyedToolBar::KeyedToolBar(const ImageList &images, std::span<const ToolbarEntry> entries, QSize buttonSize,
                           QWidget *parent)
    : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(images.imageSize());
    for (const ToolbarEntry &entry : entries) {
        if (entry.style == ToolbarEntry::Style::Separator) {
            auto *gap = new QWidget(this);
            gap->setFixedWidth(kSeparatorWidth);
            addWidget(gap);
            continue;
        }
        QAction *button = addAction(images.icon(entry.image), QString::fromUtf8(entry.caption));
        button->setData(QString::fromUtf8(entry.key));
        button->setToolTip(QString::fromUtf8(entry.tooltip));
        widgetForAction(button)->setFixedSize(buttonSize);
    }
    connect(this, &QToolBar::actionTriggered, this, &KeyedToolBar::buttonClick);
}

QString KeyedToolBar::key(const QAction *button)
{
    return button ? button->data().toString() : QString();
}

QAction *KeyedToolBar::button(const QString &key) const
{
    const auto all = buttons();
    for (QAction *action : all) {
        if (KeyedToolBar::key(action) == key)
            return action;
    }
    return nullptr;
}

QList<QAction *> KeyedToolBar::buttons() const
{
    QList<QAction *> result;
    const auto all = actions();
    for (QAction *action : all) {
        if (action->data().isValid())
            result.append(action);
    }
    return result;
}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    installAccessibleFactory();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void giveShortcutsPriority(QWidget *window)
{
    auto *filter = new ShortcutPriority(window);
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->installEventFilter(filter);
}

int keyAscii(const QKeyEvent *event)
{
    const QString text = event->text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

} // namespace toolkit
