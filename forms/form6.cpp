#include "form6.h"

#include "toolkit.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <array>

using toolkit::Face;
using toolkit::px;

namespace {

constexpr auto kDone = "Done"; // the button's key

constexpr std::array<toolkit::ToolbarEntry, 1> kToolbarEntries = {{
    //: The caption (about 35 pixels) and tooltip of the fractions window's button that closes it.
    {toolkit::ToolbarEntry::Style::Button, QT_TRANSLATE_NOOP("Form6", "Done"), kDone,
     QT_TRANSLATE_NOOP("Form6", "Done/ Close"), 1},
}};

// Tab stops every eight average characters, so the two columns fit the narrow box.
constexpr int kTabStopCharacters = 8;

// The table as it opens: columns split by TAB, lines ended by CR LF, each decimal with the
// decimal sign the results are written with (LC_NUMERIC), whichever the catalog wrote.
QString fractionTable()
{
    static const QRegularExpression kDecimalSign(QStringLiteral("(\\t\\d*)[.,](\\d)"));
    //: The fractions table, about 115 pixels wide: a heading line, then a fraction and its
    //: decimal on each line, split by a tab. Write the decimals as your language does, with a
    //: leading zero (0,125); the program puts in the decimal sign of the user's number format.
    //: 1" is one whole.
    return QCoreApplication::translate("Form6",
                                       "Fraction\tDecimal\t\n"
                                       "1/8\t.125\n"
                                       "1/4\t.250\n"
                                       "1/3\t.333\n"
                                       "1/2\t.500\n"
                                       "2/3\t.667\n"
                                       "3/4\t.750\n"
                                       "1\"\t1.00\n")
        .replace(kDecimalSign, QStringLiteral("\\1") + QLocale().decimalPoint() + QStringLiteral("\\2"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

Form6::Form6(QWidget *parent)
    : toolkit::Dialog(parent)
    , ImageList1(QSize(32, 32))
{
    setObjectName(QStringLiteral("Form6"));
    toolkit::setTitleBar(this, toolkit::TitleBar::Standard);
    toolkit::setNoTitle(this);

    // The menu bar above the client area, the window as large as both.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(QMargins());
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *menuBar = new QMenuBar(this);
    toolkit::nameOverflowButton(menuBar);
    layout->setMenuBar(menuBar);
    //: The fractions window's only menu title: closes the window.
    mnuhide = menuBar->addAction(tr("&Hide"));
    mnuhide->setObjectName(QStringLiteral("mnuhide"));
    connect(mnuhide, &QAction::triggered, this, &Form6::mnuhide_Click);

    auto *client = new QWidget(this);
    client->setFixedSize(px(2145), px(3555));
    toolkit::setBackground(client,
                           toolkit::systemColour(client, toolkit::SystemColour::InactiveTitleBarText));
    layout->addWidget(client);

    ImageList1.add(QStringLiteral(":/pictures/wastebin.svg"));
    Toolbar1
        = new toolkit::KeyedToolBar(ImageList1, kToolbarEntries, QSize(px(585), px(780)), "Form6", client);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    toolkit::place(Toolbar1, 0, 0, 2145, 870);
    Toolbar1->setFont(toolkit::font(Face::MsSansSerif, 8.25));
    toolkit::setBackground(Toolbar1, toolkit::systemColour(Toolbar1, toolkit::SystemColour::ButtonFace));
    connect(Toolbar1, &toolkit::KeyedToolBar::buttonClick, this, &Form6::Toolbar1_ButtonClick);

    Text1 = new QPlainTextEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    toolkit::place(Text1, 120, 1080, 1815, 2175);
    Text1->setFont(toolkit::font(Face::MsSansSerif, 9.75));
    Text1->setTabStopDistance(Text1->fontMetrics().averageCharWidth() * kTabStopCharacters);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setPlainText(fractionTable());
    // The untitled window and its table go by the table's heading line.
    const QString heading = fractionTable().section(QLatin1Char('\r'), 0, 0).simplified();
    setAccessibleName(heading);
    Text1->setAccessibleName(heading);
    toolkit::setBackground(Text1, toolkit::systemColour(Text1, toolkit::SystemColour::InactiveBorder));

    Text1->setFocus();
}

Form6::~Form6() = default;

void Form6::mnuhide_Click()
{
    close();
}

void Form6::Toolbar1_ButtonClick(QAction *Button)
{
    if (toolkit::KeyedToolBar::key(Button) == QLatin1String(kDone))
        mnuhide_Click();
}
