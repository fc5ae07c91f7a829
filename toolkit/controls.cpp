#include "controls.h"

#include "picture.h"
#include "toolkit.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

namespace {

// The width of an empty gap between toolbar buttons, in pixels.
constexpr int kSeparatorWidth = 8;

// The layers of a sign picture: drawn in the text colour, and as drawn under it.
const QString kInk = QStringLiteral("ink");
const QString kShadow = QStringLiteral("shadow");

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

QAccessibleInterface *toolkitAccessible(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->windowType() == Qt::Window
        && className == QLatin1String(widget->metaObject()->className())
        && widget->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new ClickableLabelAccessible(static_cast<ClickableLabel *>(object));
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (className == QLatin1String(Line::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Separator);
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    QAccessible::installFactory(toolkitAccessible);
}

Dialog::Dialog(QWidget *parent)
    : QDialog(parent)
{
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    // QDialog's own keys: Escape rejects, Enter presses the default button.
    QWidget::keyPressEvent(event);
}

PictureBox::PictureBox(const QString &path, QWidget *parent)
    : QWidget(parent)
{
    if (path.endsWith(QLatin1String(".svg"))) {
        m_picture = std::make_unique<Picture>(path);
        m_size = m_picture->size();
    } else {
        m_bitmap = QPixmap(path);
        m_size = m_bitmap.deviceIndependentSize().toSize();
        // A rendering at twice the size, "name@2x.ext", keeps the picture sharp on scaled screens.
        const QFileInfo file(path);
        m_bitmap2x
            = QPixmap(QStringLiteral("%1/%2@2x.%3").arg(file.path(), file.completeBaseName(), file.suffix()));
        m_bitmap2x.setDevicePixelRatio(2);
    }
}

PictureBox::~PictureBox() = default;

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture) {
        const qreal scale = painter.deviceTransform().m11(); // device pixels per pixel, wherever painted
        const QPixmap &best = scale > 1 && !m_bitmap2x.isNull() ? m_bitmap2x : m_bitmap;
        painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != best.devicePixelRatio());
        painter.drawPixmap(0, 0, best);
        return;
    }
    if (!m_picture->hasLayer(kInk)) {
        m_picture->render(&painter);
        return;
    }
    m_picture->render(&painter, kShadow);
    // The ink alone, then coloured where it covers, keeping its smoothed edges.
    QImage ink(size() * devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    ink.setDevicePixelRatio(devicePixelRatio());
    ink.fill(Qt::transparent);
    QPainter inkPainter(&ink);
    m_picture->render(&inkPainter, kInk);
    inkPainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    inkPainter.fillRect(rect(), palette().color(foregroundRole()));
    inkPainter.end();
    painter.drawImage(0, 0, ink);
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
    painter.setPen(QPen(palette().color(QPalette::WindowText), m_width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(m_line);
}

void ImageList::add(const QString &svgPath)
{
    m_icons.append(toolkit::icon(svgPath));
}

QIcon ImageList::icon(int index) const
{
    return index >= 1 && index <= count() ? m_icons.at(index - 1) : QIcon();
}

KeyedToolBar::KeyedToolBar(const ImageList &images, std::span<const ToolbarEntry> entries, QSize buttonSize,
                           const char *context, QWidget *parent)
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
        QAction *button
            = addAction(images.icon(entry.image), QCoreApplication::translate(context, entry.caption));
        button->setData(QString::fromUtf8(entry.key));
        button->setObjectName(button->data().toString());
        button->setToolTip(QCoreApplication::translate(context, entry.tooltip));
        widgetForAction(button)->setObjectName(button->objectName());
        widgetForAction(button)->setFixedSize(buttonSize);
    }
    connect(this, &QToolBar::actionTriggered, this, &KeyedToolBar::buttonClick);
    nameOverflowButton(this);
}

QString KeyedToolBar::key(const QAction *button)
{
    return button ? button->data().toString() : QString();
}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setAlignment(kLabelAlignment);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void nameOverflowButton(QWidget *bar)
{
    for (QWidget *button : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (button->objectName() == QLatin1String("qt_toolbar_ext_button")
            || button->objectName() == QLatin1String("qt_menubar_ext_button"))
            //: What a screen reader calls the button of a toolbar or menu bar that shows the
            //: entries that do not fit.
            button->setAccessibleName(QCoreApplication::translate("toolkit", "More"));
    }
}

void giveShortcutsPriority(QWidget *window)
{
    auto *filter = new ShortcutPriority(window);
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->installEventFilter(filter);
}

} // namespace toolkit
