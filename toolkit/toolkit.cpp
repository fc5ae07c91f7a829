#include "toolkit.h"

#include "maker.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFrame>
#include <QImage>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>

namespace toolkit {

namespace {

struct FaceInfo
{
    Face face;
    const char *family;
    const char *systemSubstitute; // the TrueType face Windows draws for it; may be empty
    const char *standIn;
    bool standInBold; // a regular stand-in would look far lighter than the face
};

constexpr std::array<FaceInfo, 3> kFaces = {{
    {Face::MsSansSerif, "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", false},
    {Face::TimesNewRoman, "Times New Roman", "", "Liberation Serif", false},
    {Face::Impact, "Impact", "", "Liberation Sans Narrow", true},
}};

struct ColourRole
{
    SystemColour colour;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr std::array<ColourRole, 4> kSystemColours = {{
    {SystemColour::ButtonFace, QPalette::Active, QPalette::Button},
    {SystemColour::ButtonText, QPalette::Active, QPalette::ButtonText},
    {SystemColour::InactiveTitleBarText, QPalette::Inactive, QPalette::Button},
    {SystemColour::InactiveBorder, QPalette::Inactive, QPalette::Window},
}};

// Both tables are looked up by their enum's value.
template<typename Table, typename Key>
constexpr bool inEnumOrder(const Table &table, Key Table::value_type::*key)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].*key) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder(kFaces, &FaceInfo::face));
static_assert(inEnumOrder(kSystemColours, &ColourRole::colour));

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

// Adds what an ancestor that fills no background draws itself under `area` of `widget` (a
// picture), without its children; false where it draws nothing there.
bool addDrawnUnder(Backdrop &backdrop, QWidget *ancestor, const QWidget *widget, const QRect &area)
{
    // Only the part under the text is drawn: the title window asks for it while the program starts.
    const QRect under = QRect(widget->mapTo(ancestor, area.topLeft()), area.size()) & ancestor->rect();
    if (under.isEmpty())
        return false;
    QImage drawn(under.size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    ancestor->render(&drawn, QPoint(), QRegion(under), QWidget::RenderFlags());
    Backdrop found;
    bool drawnThere = false;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            found.add(drawn.pixelColor(x, y));
            drawnThere = drawnThere || drawn.pixelColor(x, y).alpha() > 0;
        }
    }
    if (drawnThere)
        backdrop = found;
    return drawnThere;
}

// What `area` of a widget is drawn on: a text box's base, else the widget's own background if
// it fills it, that of the first ancestor that does (a window always does) or the picture an
// ancestor draws under it.
Backdrop backdropOf(QWidget *widget, const QRect &area)
{
    Backdrop backdrop;
    if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractScrollArea *>(widget)) {
        backdrop.add(widget->palette().color(QPalette::Base));
        return backdrop;
    }
    for (QWidget *under = widget; under; under = under->parentWidget()) {
        if (under->autoFillBackground() || under->isWindow()) {
            backdrop.add(under->palette().color(under->backgroundRole()));
            break;
        }
        if (under != widget && addDrawnUnder(backdrop, under, widget, area))
            break;
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

// The installed family that draws a face, looked up once: the face, the system's own
// substitute for it, or else none (the stand-in draws it).
const QString &installedFamily(Face face)
{
    static const std::array<QString, 3> installed = [] {
        std::array<QString, 3> result;
        for (std::size_t i = 0; i < kFaces.size(); ++i) {
            for (const char *family : {kFaces[i].family, kFaces[i].systemSubstitute}) {
                if (*family && QFontDatabase::hasFamily(QString::fromLatin1(family))) {
                    result[i] = QString::fromLatin1(family);
                    break;
                }
            }
        }
        return result;
    }();
    return installed[static_cast<std::size_t>(face)];
}

// Keeps a label at least one line of its font high, the line's fraction of a pixel included. A
// stand-in face can be taller than the face the box was sized for, and would have its
// descenders cut off.
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
        const int line = static_cast<int>(std::ceil(QFontMetricsF(label->font(), label).height()));
        label->resize(label->width(), std::max(label->height(), line));
    }
};

// The window manager's frame around a window; none before it has been framed.
QMargins frameMargins(const QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

} // namespace

convert::NumberFormat numberFormatOf(const QLocale &locale)
{
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

void setTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void addStandInFaces(const QString &folder)
{
    const QDir files(folder);
    if (!files.exists())
        return;
    for (const FaceInfo &info : kFaces) {
        if (!installedFamily(info.face).isEmpty())
            continue;
        // A family's files are named after it without blanks: LiberationSansNarrow-Bold.ttf.
        const QString prefix = QString::fromLatin1(info.standIn).remove(QLatin1Char(' ')) + QLatin1Char('-');
        for (const QString &file : files.entryList({prefix + QLatin1String("*.ttf")}, QDir::Files))
            QFontDatabase::addApplicationFont(files.filePath(file));
    }
}

QFont font(Face face, qreal pointSize, bool bold)
{
    const FaceInfo &info = kFaces[static_cast<std::size_t>(face)];
    const QString &installed = installedFamily(face);
    const bool standIn = installed.isEmpty();
    QFont result;
    result.setFamilies({standIn ? QString::fromLatin1(info.standIn) : installed});
    result.setStyleHint(face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    result.setPointSizeF(pointSize);
    result.setBold(bold || (standIn && info.standInBold));
    // Light hinting, Debian's default, on every system: full hinting rounds each letter to whole
    // pixels and widens a text past a box drawn for it.
    result.setHintingPreference(QFont::PreferVerticalHinting);
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
    classic.setColor(QPalette::Link, kBlue);
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
    setForeground(widget, readableInk(ink, backdropOf(widget, widget->rect())));
}

bool fitsIn(const QLineEdit *box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth
        = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect room = box->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                           .marginsRemoved(box->textMargins());
    constexpr int kTextMargin = 2; // a line edit keeps this much free on each side of its text
    return box->fontMetrics().horizontalAdvance(box->text()) <= room.width() - 2 * kTextMargin;
}

void showMessageBox(QWidget *parent, const QString &prompt)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(maker::kProduct), prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
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
    // A dialog keeps its type: window managers keep it over its owner.
    Qt::WindowFlags flags
        = (window->windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
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
    auto *border = new QFrame(window);
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    const QMargins width(border->frameWidth(), border->frameWidth(), border->frameWidth(),
                         border->frameWidth());
    border->setGeometry(QRect(QPoint(), QSize(px(widthTwips), px(heightTwips)).grownBy(width)));
    window->setFixedSize(border->size());
    auto *client = new QWidget(border);
    client->setGeometry(border->contentsRect());
    return client;
}

void setAccessibleNames(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    for (QWidget *part : control->findChildren<QWidget *>())
        part->setAccessibleName(name);
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

} // namespace toolkit
