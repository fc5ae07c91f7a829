#include "toolkit.h"

#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
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
#include <cmath>

namespace toolkit {

namespace {

// The width of an empty gap between toolbar buttons, in pixels.
constexpr int kSeparatorWidth = 8;

// Labels draw their text from the top-left corner of their box, however tall the box.
constexpr Qt::Alignment kLabelAlignment = Qt::AlignTop | Qt::AlignLeft;

// The layers of a sign picture: drawn in the text colour, and as drawn under it.
const QString kInk = QStringLiteral("ink");
const QString kShadow = QStringLiteral("shadow");

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

// WCAG AA: the lowest contrast of a text against what is behind it.
constexpr double kReadableContrast = 4.5;

// The relative luminance of a colour, as the WCAG contrast ratio uses it (0 black, 1 white).
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

// The luminances behind a text, from the darkest to the lightest.
struct Backdrop
{
    double darkest = 1;
    double lightest = 0;

    void add(const QColor &colour)
    {
        const double value = luminance(colour);
        darkest = std::min(darkest, value);
        lightest = std::max(lightest, value);
    }
    // The contrast against the least distinct part of the backdrop.
    double contrast(const QColor &ink) const
    {
        const double value = luminance(ink);
        if (value <= darkest)
            return (darkest + 0.05) / (value + 0.05);
        if (value >= lightest)
            return (value + 0.05) / (lightest + 0.05);
        return 1;
    }
};

// The picture under `widget`, drawn without the controls on it.
void addPictureUnder(Backdrop &backdrop, QWidget *picture, const QWidget *widget)
{
    QImage drawn(picture->size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    picture->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
    const QRect under = QRect(widget->mapTo(picture, QPoint()), widget->size()) & drawn.rect();
    for (int y = under.top(); y <= under.bottom(); ++y) {
        for (int x = under.left(); x <= under.right(); ++x)
            backdrop.add(drawn.pixelColor(x, y));
    }
}

// What a widget's text is drawn on: a text box's base, else the widget's own background if it
// fills it, that of the first ancestor that does (a window always does) or the picture under it.
Backdrop backdropOf(QWidget *widget)
{
    Backdrop backdrop;
    if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractScrollArea *>(widget)) {
        backdrop.add(widget->palette().color(QPalette::Base));
        return backdrop;
    }
    for (QWidget *under = widget; under; under = under->parentWidget()) {
        if (under != widget && qobject_cast<PictureBox *>(under)) {
            addPictureUnder(backdrop, under, widget);
            break;
        }
        if (under->autoFillBackground() || under->isWindow()) {
            backdrop.add(under->palette().color(under->backgroundRole()));
            break;
        }
    }
    return backdrop;
}

// The colour of the ink's hue and saturation whose lightness is nearest to the ink's among
// those that read on the backdrop; the most readable one when none does.
QColor readableInk(const QColor &ink, const Backdrop &backdrop)
{
    if (backdrop.contrast(ink) >= kReadableContrast)
        return ink;
    constexpr int kSteps = 256;
    const float hue = std::max(ink.hslHueF(), 0.0f); // an achromatic ink has no hue (-1)
    QColor best = ink;
    float bestDistance = 2;
    double bestContrast = backdrop.contrast(ink);
    for (int step = 0; step <= kSteps; ++step) {
        const float lightness = static_cast<float>(step) / kSteps;
        const QColor candidate = QColor::fromHslF(hue, ink.hslSaturationF(), lightness, ink.alphaF());
        const double contrast = backdrop.contrast(candidate);
        const float distance = std::abs(lightness - ink.lightnessF());
        const bool readable = contrast >= kReadableContrast;
        if ((readable && distance < bestDistance)
            || (bestContrast < kReadableContrast && contrast > bestContrast)) {
            best = candidate;
            bestContrast = contrast;
            bestDistance = readable ? distance : bestDistance;
        }
    }
    return best;
}

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

// Keeps a label at least one line of its font high. A stand-in face can be taller than the
// design's, and a box of the design's height would cut its descenders off.
class LineHeight : public QObject
{
public:
    explicit LineHeight(QLabel *label)
        : QObject(label)
    {
        fit(label);
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FontChange)
            fit(static_cast<QLabel *>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    static void fit(QLabel *label)
    {
        label->resize(label->width(), std::max(label->height(), label->fontMetrics().height()));
    }
};

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

// Paints a thin border in the window's text colour along the edge of a window.
class Border : public QObject
{
public:
    explicit Border(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            QPainter painter(m_window);
            painter.setPen(m_window->palette().color(QPalette::WindowText));
            painter.drawRect(m_window->rect().adjusted(0, 0, -1, -1));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
};

// How screen readers see the toolkit's own widgets and the windows: pictures as graphics, the
// framing lines as separators, the clickable label as text with a press action, and a window
// made of a plain widget as a window rather than an anonymous panel.
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

QColor systemColour(const QWidget *widget, SystemColour colour)
{
    const ColourRole &entry = kSystemColours[static_cast<std::size_t>(colour)];
    return widget->palette().color(entry.group, entry.role);
}

QPalette classicPalette()
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor grey(128, 128, 128);
    // Window text, button face, 3-D light, 3-D shadow, mid, text, bright text, base, window.
    QPalette classic(black, kLightGrey, white, grey, QColor(160, 160, 160), black, white, white, kLightGrey);
    classic.setColor(QPalette::Midlight, QColor(223, 223, 223));
    classic.setColor(QPalette::Shadow, black);
    classic.setColor(QPalette::Highlight, QColor(0, 0, 128));
    classic.setColor(QPalette::HighlightedText, white);
    classic.setColor(QPalette::Link, QColor(0, 0, 255));
    classic.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    classic.setColor(QPalette::AlternateBase, QColor(240, 240, 240));
    classic.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    classic.setColor(QPalette::ToolTipText, black);
    classic.setColor(QPalette::PlaceholderText, grey);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        classic.setColor(QPalette::Disabled, role, grey);
    return classic;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    // A scroll area's text is drawn on its viewport, which paints its own role.
    if (const auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        palette.setColor(area->viewport()->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), colour);
    widget->setPalette(palette);
}

void setInk(QWidget *widget, const QColor &ink)
{
    setForeground(widget, readableInk(ink, backdropOf(widget)));
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
    installAccessibleFactory();
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (titleBar == TitleBar::Standard)
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    else
        flags |= Qt::FramelessWindowHint; // on Wayland, also no title bar drawn by Qt
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

QWidget *addBorderedClientArea(QWidget *window, int widthTwips, int heightTwips)
{
    constexpr int kBorder = 1;
    auto *client = new QWidget(window);
    client->setGeometry(kBorder, kBorder, px(widthTwips), px(heightTwips));
    window->setFixedSize(client->size().grownBy(QMargins(kBorder, kBorder, kBorder, kBorder)));
    new Border(window);
    return client;
}

void setNoTitle(QWidget *window)
{
    window->setWindowTitle(QStringLiteral(" "));
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                 int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(kLabelAlignment);
    place(label, left, top, width, height);
    new LineHeight(label);
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
        // A rendering at twice the size, "name@2x.ext", keeps the picture sharp on scaled screens.
        const QFileInfo file(path);
        m_bitmap2x
            = QPixmap(QStringLiteral("%1/%2@2x.%3").arg(file.path(), file.completeBaseName(), file.suffix()));
        m_bitmap2x.setDevicePixelRatio(2);
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_svg) {
        const qreal scale = painter.deviceTransform().m11(); // device pixels per pixel, wherever painted
        const QPixmap &best = scale > 1 && !m_bitmap2x.isNull() ? m_bitmap2x : m_bitmap;
        painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != best.devicePixelRatio());
        painter.drawPixmap(0, 0, best);
        return;
    }
    if (!m_svg->elementExists(kInk)) {
        m_svg->render(&painter, QRectF(QPointF(0, 0), QSizeF(m_size)));
        return;
    }
    renderLayer(&painter, kShadow);
    // The ink alone, then coloured where it covers, keeping its smoothed edges.
    QImage ink(size() * devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    ink.setDevicePixelRatio(devicePixelRatio());
    ink.fill(Qt::transparent);
    QPainter inkPainter(&ink);
    renderLayer(&inkPainter, kInk);
    inkPainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    inkPainter.fillRect(rect(), palette().color(foregroundRole()));
    inkPainter.end();
    painter.drawImage(0, 0, ink);
}

// Draws one layer of the SVG where it lies in the whole picture.
void PictureBox::renderLayer(QPainter *painter, const QString &layer) const
{
    if (!m_svg->elementExists(layer))
        return;
    const QRectF view = m_svg->viewBoxF();
    QTransform toBox = QTransform::fromTranslate(-view.left(), -view.top());
    toBox *= QTransform::fromScale(m_size.width() / view.width(), m_size.height() / view.height());
    const QTransform placed = m_svg->transformForElement(layer) * toBox;
    m_svg->render(painter, layer, placed.mapRect(m_svg->boundsOnElement(layer)));
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
    painter.setPen(QPen(palette().color(QPalette::WindowText), m_width, Qt::SolidLine, Qt::SquareCap));
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
    setAlignment(kLabelAlignment);
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
