// The free functions the windows share: geometry in twips, windows and their frames, fonts
// and system colours, readable text colours, message boxes, and the label and button
// factories. The widget classes live in controls.h, which builds on this file, never the reverse.
#ifndef SPOONWISE_TOOLKIT_TOOLKIT_H
#define SPOONWISE_TOOLKIT_TOOLKIT_H

#include "numbers.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QString>

#include <functional>
#include <initializer_list>

class QLineEdit;
class QLocale;
class QPushButton;
class QWidget;

namespace toolkit {

// The decimal point and group separator the engine reads and writes under `locale`.
convert::NumberFormat numberFormatOf(const QLocale &locale);

// 15 twips are one device-independent pixel; Qt scales pixels for high-DPI screens.
constexpr int px(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

// Places a widget at a rectangle given in twips, relative to its parent.
void place(QWidget *widget, int left, int top, int width, int height);

// Gives the focus chain in tab-index order; widgets left out are not reached by Tab.
void setTabOrder(std::initializer_list<QWidget *> widgets);

enum class Face { MsSansSerif, TimesNewRoman, Impact };

// A font of one of the program's faces. Windows draws MS Sans Serif with Microsoft Sans Serif.
// Where a face is missing, a face of similar metrics stands in (Liberation Sans, Liberation
// Serif, a condensed bold sans for Impact).
QFont font(Face face, qreal pointSize, bool bold = false);

// Makes the stand-ins that the program carries in `folder` (the Windows build's "fonts", where
// the system has none) available for the faces that are missing; nothing when there is no
// such folder. Called once, before the first window.
void addStandInFaces(const QString &folder);

// The named system colours the windows are drawn in.
enum class SystemColour {
    ButtonFace,
    ButtonText,
    InactiveTitleBarText,
    InactiveBorder,
};

// A system colour as the widget's palette gives it: the desktop's, or the classic one below.
QColor systemColour(const QWidget *widget, SystemColour colour);

// The classic light system colours (black text, grey button faces, white boxes, navy
// selection). Windows drawn on fixed light colours keep them under any desktop theme, so
// that every system-coloured text there stays dark on the light colour it was drawn for.
QPalette classicPalette();

// The fixed colours: the light grey that windows and boxes are filled with, and the red and
// blue of headings and results.
inline const QColor kLightGrey(192, 192, 192);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);

void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);

// Gives a widget a fixed text colour that reads at a contrast of 4.5:1 at least on what is
// behind it: its own background (a text box's base), the first ancestor that fills its
// background, or the picture it sits on. A colour that does not reach it keeps its hue and
// takes the nearest lightness that does; pure red on light grey becomes a darker red.
void setInk(QWidget *widget, const QColor &ink);

// Whether a text box shows its whole text, within the room its frame and margins leave.
bool fitsIn(const QLineEdit *box);

// A modal box with the prompt, an OK button, no icon and the application title. Returns
// when the user has closed it.
void showMessageBox(QWidget *parent, const QString &prompt);

using MessageSink = std::function<void(const QString &prompt)>;

// Centres a top-level window, frame included, over `anchor` (where it is or was last shown),
// or on the primary screen, keeping it on the screen. A frame not yet drawn is taken to be as
// wide as the anchor's.
void centre(QWidget *window, const QWidget *anchor = nullptr);

enum class TitleBar {
    Standard, // title, close box; no sizing border, no maximize button
    None // no frame from the window manager or from Qt: see addBorderedClientArea()
};

// Gives a top-level window its fixed client area (in twips) and its kind of frame; a dialog
// stays a dialog.
void setFixedClientArea(QWidget *window, int widthTwips, int heightTwips);
void setTitleBar(QWidget *window, TitleBar titleBar, bool minimizeButton = false);

// The client area (in twips) of a window without a title bar, inside a thin border in the
// window's text colour. The window draws the border itself, so it looks the same under every
// window manager and compositor; the window takes the size of both.
QWidget *addBorderedClientArea(QWidget *window, int widthTwips, int heightTwips);

// Names a control for screen readers, and the parts of it they read out one by one (the text
// box and the list of a combo box), which otherwise go nameless.
void setAccessibleNames(QWidget *control, const QString &name);

// A window whose title bar shows no text. Qt's platform windows show the program's file name
// in place of an empty title, so the window gets a blank one.
void setNoTitle(QWidget *window);

// Labels draw their text from the top-left corner of their box, however tall the box.
inline constexpr Qt::Alignment kLabelAlignment = Qt::AlignTop | Qt::AlignLeft;

// A label with its object name at a rectangle in twips, its text at the top left.
QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                 int height);

// A command button with its object name and tooltip at a rectangle in twips. Enter presses
// it while it has the focus, as Space does; no button is a window's default.
QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QString &toolTip,
                       int left, int top, int width, int height);

} // namespace toolkit

#endif // SPOONWISE_TOOLKIT_TOOLKIT_H
