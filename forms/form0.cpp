#include "form0.h"

#include "controls.h"
#include "maker.h"
#include "toolkit.h"

#include <QLabel>
#include <QPushButton>

using toolkit::Face;

Form0::Form0(QWidget *parent)
    : toolkit::Dialog(parent)
{
    setObjectName(QStringLiteral("Form0"));
    toolkit::setTitleBar(this, toolkit::TitleBar::Standard);
    toolkit::setNoTitle(this);
    toolkit::setFixedClientArea(this, 4650, 3540);
    setPalette(toolkit::classicPalette()); // its texts and lines are drawn for the fixed grey
    toolkit::setBackground(this, toolkit::kLightGrey);
    setFont(toolkit::font(Face::MsSansSerif, 8.25));
    setAccessibleName(tr("ABOUT")); // the untitled window goes by its heading

    const QFont heading = toolkit::font(Face::TimesNewRoman, 18, true);
    //: The about window's heading, in capitals, 18 pt bold serif in a box of 121 pixels.
    Label1 = toolkit::addLabel(this, "Label1", tr("ABOUT"), 1560, 0, 1815, 375);
    Label1->setFont(heading);
    toolkit::setInk(Label1, toolkit::kRed);
    Label3
        = toolkit::addLabel(this, "Label3", QString::fromUtf8(maker::kProduct) + QStringLiteral("   \u00AE"),
                            480, 600, 3855, 390);
    Label3->setFont(heading);
    toolkit::setInk(Label3, toolkit::kBlue);
    toolkit::addLines<Form0, 8>(this, this,
                                {&Form0::Line1, &Form0::Line2, &Form0::Line3, &Form0::Line4, &Form0::Line5,
                                 &Form0::Line6, &Form0::Line7, &Form0::Line8},
                                toolkit::shadowedBox(240, 480, 4560, 1080));

    mypic = new toolkit::PictureBox(QStringLiteral(":/pictures/photo.jpg"), this);
    mypic->setObjectName(QStringLiteral("mypic"));
    toolkit::place(mypic, 240, 1320, 1575, 1695);
    //: The tooltip and screen reader name of the writer's photograph.
    mypic->setToolTip(tr("Programmer"));
    mypic->setFocusPolicy(Qt::StrongFocus);
    mypic->setAccessibleName(mypic->toolTip());

    // The version and its date stay as they are in every language.
    Label2 = toolkit::addLabel(this, "Label2", QStringLiteral("Version 2.0 Released 3/1/99"), 2160, 1560,
                               2415, 495);
    Label4
        //: The writer's name stays; 153 pixels at most.
        = toolkit::addLabel(this, "Label4", tr("Written By: Brindlemoor"), 2160, 1920, 2295, 495);

    Picture1 = new toolkit::PictureBox(QStringLiteral(":/pictures/info.svg"), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    toolkit::place(Picture1, 2280, 2400, 615, 495);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    //: What a screen reader calls the information sign.
    Picture1->setAccessibleName(tr("Information"));

    //: The button that closes the about window (73 pixels), and its tooltip.
    Exit = toolkit::addButton(this, "Exit", tr("&OK"), tr("Done with this screen"), 3120, 2520, 1095, 375);
    connect(Exit, &QPushButton::clicked, this, &Form0::Exit_Click);

    Label6 = toolkit::addLabel(this, "Label6", QString::fromUtf8(maker::kNoticeLine), 240, 3120, 2655, 255);

    toolkit::setTabOrder({Exit, mypic, Picture1});
    Exit->setFocus();
}

Form0::~Form0() = default;

void Form0::Exit_Click()
{
    close();
}
