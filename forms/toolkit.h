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
#include <QSize>
#include <QToolBar>

#include <functional>
#include <initializer_list>
#include <span>

class QAction;
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

QColor systemColour(SystemColour colour);

// The design's light grey, used as window colour and as the image mask colour.
inline const QColor kLightGrey(192, 192, 192);

void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);

// A modal box with the prompt, an OK button, no icon and the application title. Returns
// when the user has closed it.
void showMessageBox(QWidget *parent, const QString &prompt);

using MessageSink = std::function<void(const QString &prompt)>;

// Shows a top-level window application-modal and returns once it has been closed. The
// window is deleted on close, so the next opening builds it afresh from its design; its
// closing never ends the program by itself.
void runModal(QWidget *window);

// Centres a top-level window on the screen of `anchor` (or the primary screen).
void centre(QWidget *window, const QWidget *anchor = nullptr);

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

// A label that reports a click.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// Lets a window's shortcuts win over the keys that its text boxes claim for themselves
// (a line edit takes Ctrl+A, Ctrl+C, Ctrl+E, ... for editing).
void giveShortcutsPriority(QWidget *window);

// Starts the desktop's calculator as a separate process, one more per call: the fixed
// Windows path where it exists, otherwise the first known calculator on PATH. False when
// none could be started.
bool startCalculator();

// The character code a key press delivers, as the design's key handlers see it (13 for
// Enter and Return); 0 for a key that delivers no character.
int keyAscii(const QKeyEvent *event);

} // namespace toolkit

#endif // SPOONWISE_FORMS_TOOLKIT_H
