// The small layer over Qt Widgets that the windows share: geometry in twips, the design's
// fonts and system colours, message boxes, modal windows, a toolbar whose buttons carry a
// key, an image list, a clickable label and menu shortcuts that win over text boxes.
#ifndef SPOONWISE_FORMS_TOOLKIT_H
#define SPOONWISE_FORMS_TOOLKIT_H

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QList>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QToolBar>

#include <array>
#include <functional>
#include <initializer_list>
#include <span>

class QAction;
class QPushButton;
class QSvgRenderer;
class QKeyEvent;
class QWidget;

namespace toolkit {

// The title of every message box and of the main window.
inline constexpr auto kApplicationTitle = "Spoonwise II";

// 15 twips are one device-independent pixel; Qt scales pixels for high-DPI screens.
constexpr int px(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

// Places a widget at a design rectangle given in twips, relative to its parent.
void place(QWidget *widget, int left, int top, int width, int height);

// Gives the focus chain in tab-index order; widgets left out are not reached by Tab.
void setTabOrder(std::initializer_list<QWidget *> widgets);

enum class Face { MsSansSerif, TimesNewRoman, Impact };

// A design font. Where the design's face is missing, an installed face of similar metrics
// stands in (Liberation Sans, Liberation Serif, a condensed bold sans for Impact).
QFont font(Face face, qreal pointSize, bool bold = false);

// The design's named system colours.
enum class SystemColour {
    ButtonFace,
    ButtonText,
    WindowText,
    WindowBackground,
    InactiveTitleBarText,
    InactiveBorder,
};

// A system colour as the widget's palette gives it: the desktop's, or the classic one below.
QColor systemColour(const QWidget *widget, SystemColour colour);

// The classic light system colours (black text, grey button faces, white boxes, navy
// selection). Windows drawn on fixed light colours keep them under any desktop theme, so
// that every system-coloured text there stays dark on the light colour it was drawn for.
QPalette classicPalette();

// The design's light grey, used as window colour and as the image mask colour.
inline const QColor kLightGrey(192, 192, 192);

void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);

// Gives a widget a fixed text colour that reads at a contrast of 4.5:1 at least on what is
// behind it: its own background (a text box's base), the first ancestor that fills its
// background, or the picture it sits on. A colour that does not reach it keeps its hue and
// takes the nearest lightness that does; pure red on light grey becomes a darker red.
void setInk(QWidget *widget, const QColor &ink);

// A modal box with the prompt, an OK button, no icon and the application title. Returns
// when the user has closed it.
void showMessageBox(QWidget *parent, const QString &prompt);

using MessageSink = std::function<void(const QString &prompt)>;

// Shows a top-level window application-modal and returns once it has been closed. The
// window is deleted on close, so the next opening builds it afresh from its design; its
// closing never ends the program by itself. Given an owner, the window becomes its transient
// child: a window manager keeps it over the owner and lists the program once.
void runModal(QWidget *window, QWidget *owner = nullptr);

// Centres a top-level window, frame included, over `anchor` (where it is or was last shown),
// or on the primary screen, keeping it on the screen. A frame not yet drawn is taken to be as
// wide as the anchor's.
void centre(QWidget *window, const QWidget *anchor = nullptr);

enum class TitleBar {
    Standard, // title, close box; no sizing border, no maximize button
    None // no frame from the window manager or from Qt: see addBorderedClientArea()
};

// Gives a top-level window its fixed client area (in twips) and its kind of frame. Screen
// readers get a plain window as a window, named by its accessible name.
void setFixedClientArea(QWidget *window, int widthTwips, int heightTwips);
void setTitleBar(QWidget *window, TitleBar titleBar, bool minimizeButton = false);

// The client area (in twips) of a window without a title bar, inside a thin fixed border in
// the window's text colour. The window draws the border itself, so it looks the same under
// every window manager and compositor; the window takes the size of both.
QWidget *addBorderedClientArea(QWidget *window, int widthTwips, int heightTwips);

// A window whose title bar shows no text. Qt's platform windows show the program's file name
// in place of an empty title, so the window gets a blank one.
void setNoTitle(QWidget *window);

// The one program-wide instance of a window class, created on first use. Every window
// deletes itself when closed, so the next use builds it afresh from its design.
template<typename Window> Window *instance()
{
    static QPointer<Window> window;
    if (!window) {
        window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return window;
}

// A label with its object name at a design rectangle in twips, its text at the top left.
QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                 int height);

// A command button with its object name and tooltip at a design rectangle in twips. Enter
// presses it while it has the focus, as Space does; no button is a window's default.
QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QString &toolTip,
                       int left, int top, int width, int height);

// A picture drawn unscaled from the top-left corner and clipped to the box, as the
// design's picture boxes and image controls show them. SVG pictures stay crisp. An SVG sign
// with a layer "ink" is drawn like text: the ink in the widget's text colour, over its layer
// "shadow" as drawn, so that it reads on any window background.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QString &path, QWidget *parent);
    QSize pictureSize() const { return m_size; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void renderLayer(QPainter *painter, const QString &layer) const;

    QSvgRenderer *m_svg = nullptr;
    QPixmap m_bitmap;
    QPixmap m_bitmap2x; // for screens scaled above 100 %; null when there is none
    QSize m_size;
};

// A straight line between two points given in twips, in its palette's window-text colour.
struct LineEnds
{
    int x1;
    int y1;
    int x2;
    int y2;
    int widthPixels;
};

// Line1 .. Line8 of a box (corners in twips, 2 pixels wide) with a 1-pixel shadow
// 120 twips to its lower left, drawn only where it lies outside the box.
std::array<LineEnds, 8> shadowedBox(int left, int top, int right, int bottom);

class Line : public QWidget
{
    Q_OBJECT

public:
    Line(const LineEnds &ends, QWidget *parent);
    QLine line() const { return m_line.translated(pos()); } // in the parent, in pixels

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line; // in this widget's coordinates
    int m_width;
};

// Images of one size, numbered from 1. Pictures are drawn; bitmaps get their mask colour
// drawn transparent.
class ImageList
{
public:
    explicit ImageList(QSize imageSize, QColor maskColour = kLightGrey);

    void add(const QString &path);
    QIcon icon(int index) const; // 1-based; a null icon outside the list
    int count() const { return static_cast<int>(m_icons.size()); }
    QSize imageSize() const { return m_imageSize; }

private:
    QSize m_imageSize;
    QColor m_maskColour;
    QList<QIcon> m_icons;
};

// One toolbar entry: a button (caption, key, tooltip, image number) or an empty gap.
struct ToolbarEntry
{
    enum class Style { Button, Separator };
    Style style = Style::Separator;
    const char *caption = "";
    const char *key = "";
    const char *tooltip = "";
    int image = 0;
};

// A toolbar along a window's top edge. Each button is a QAction that carries its key; a
// click passes the clicked button.
class KeyedToolBar : public QToolBar
{
    Q_OBJECT

public:
    KeyedToolBar(const ImageList &images, std::span<const ToolbarEntry> entries, QSize buttonSize,
                 QWidget *parent);

    static QString key(const QAction *button);
    QAction *button(const QString &key) const;
    QList<QAction *> buttons() const;

signals:
    void buttonClick(QAction *button);
};

// A label that reports a click. Screen readers get a press action for it, since a label
// never takes the keyboard focus.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel(const QString &text, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// Lets a window's shortcuts win over the keys that its text boxes claim for themselves
// (a line edit takes Ctrl+A, Ctrl+C, Ctrl+E, ... for editing).
void giveShortcutsPriority(QWidget *window);

// The character code a key press delivers, as the design's key handlers see it (13 for
// Enter and Return); 0 for a key that delivers no character.
int keyAscii(const QKeyEvent *event);

} // namespace toolkit

namespace toolkit {

// Creates the window's line members (named "Line1", "Line2", ...) from their end points.
template<typename Window, std::size_t N>
void addLines(Window *window, QWidget *parent, const std::array<Line * Window::*, N> &members,
              const std::array<LineEnds, N> &ends)
{
    for (std::size_t i = 0; i < N; ++i) {
        auto *line = new Line(ends[i], parent);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        window->*members[i] = line;
    }
}

} // namespace toolkit

#endif // SPOONWISE_FORMS_TOOLKIT_H
