// The widgets the windows are built from beyond Qt's own: the reference windows' dialog,
// pictures, framing lines, a toolbar whose buttons carry a key, its image list, a clickable
// label, menu shortcuts that win over text boxes, and how screen readers see them.
#ifndef SPOONWISE_TOOLKIT_CONTROLS_H
#define SPOONWISE_TOOLKIT_CONTROLS_H

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QLine>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QToolBar>

#include <array>
#include <cstddef>
#include <memory>
#include <span>

class QAction;
class QWidget;

namespace toolkit {

class Picture;

// Lets screen readers see pictures as graphics, the framing lines as separators, the
// clickable label as text with a press action, and a window made of a plain widget as a
// window rather than an anonymous panel. Installed once, at start-up.
void installAccessibleFactory();

// A reference window. Only its own buttons close it: Escape does not, and Enter presses a
// button only while it has the focus, never a default one.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A picture drawn unscaled from the top-left corner and clipped to the box. SVG pictures stay
// crisp. A sign with a layer "ink" is drawn like text: the ink in the widget's text
// colour, over its layer "shadow" as drawn, so that it reads on any window background.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QString &path, QWidget *parent);
    ~PictureBox() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<Picture> m_picture; // null for a bitmap
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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line; // in this widget's coordinates
    int m_width;
};

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

// Pictures of one size, numbered from 1.
class ImageList
{
public:
    explicit ImageList(QSize imageSize)
        : m_imageSize(imageSize)
    {
    }

    void add(const QString &svgPath);
    QIcon icon(int index) const; // 1-based; a null icon outside the list
    int count() const { return static_cast<int>(m_icons.size()); }
    QSize imageSize() const { return m_imageSize; }

private:
    QSize m_imageSize;
    QList<QIcon> m_icons;
};

// One toolbar entry: a button (caption, key, tooltip, image number) or an empty gap. Caption
// and tooltip are source texts (QT_TRANSLATE_NOOP), translated in the toolbar's context.
struct ToolbarEntry
{
    enum class Style { Button, Separator };
    Style style = Style::Separator;
    const char *caption = "";
    const char *key = "";
    const char *tooltip = "";
    int image = 0;
};

// A toolbar along a window's top edge. Each button is a QAction that carries its key, also as
// its and its tool button's object name; a click passes the clicked button.
class KeyedToolBar : public QToolBar
{
    Q_OBJECT

public:
    KeyedToolBar(const ImageList &images, std::span<const ToolbarEntry> entries, QSize buttonSize,
                 const char *context, QWidget *parent);

    static QString key(const QAction *button);

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

// Names the button that a toolbar or menu bar shows when its entries do not fit, for screen
// readers, which list it shown or not.
void nameOverflowButton(QWidget *bar);

// Lets a window's shortcuts win over the keys that its text boxes claim for themselves
// (a line edit takes Ctrl+A, Ctrl+C, Ctrl+E, ... for editing).
void giveShortcutsPriority(QWidget *window);

} // namespace toolkit

#endif // SPOONWISE_TOOLKIT_CONTROLS_H
