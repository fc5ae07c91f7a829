#include "form4.h"

#include "controls.h"
#include "form1.h"
#include "maker.h"
#include "toolkit.h"

#include <QLabel>
#include <QPushButton>

using toolkit::Face;

Form4::Form4(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form4"));
    toolkit::setTitleBar(this, toolkit::TitleBar::None);
    toolkit::setNoTitle(this);
    QWidget *client = toolkit::addBorderedClientArea(this, 4575, 3555);
    setPalette(toolkit::classicPalette()); // its texts and lines are drawn for the light logo

    // The logo covers the window and holds every other control; it starts 8 pixels to the
    // left, so its leftmost columns are cut off.
    Picture1 = new toolkit::PictureBox(QStringLiteral(":/pictures/logo.svg"), client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    toolkit::place(Picture1, -120, 0, 4800, 3600);
    //: What a screen reader calls the maker's logo; %1 is the maker's name.
    Picture1->setAccessibleName(tr("%1 logo").arg(QString::fromUtf8(maker::kName)));

    Label6
        = toolkit::addLabel(Picture1, "Label6", QString::fromUtf8(maker::kNoticeLine), 1320, 120, 2295, 255);
    Label6->setFont(toolkit::font(Face::MsSansSerif, 8.25));
    Label3 = toolkit::addLabel(Picture1, "Label3",
                               QString::fromUtf8(maker::kProduct) + QStringLiteral("   \u00AE"), 600, 480,
                               3855, 390);
    Label3->setFont(toolkit::font(Face::TimesNewRoman, 18, true));
    toolkit::setInk(Label3, toolkit::kRed);
    setAccessibleName(Label3->text().simplified()); // the untitled window goes by the product name
    client->parentWidget()->setAccessibleName(accessibleName()); // and so does its border
    // The version stays as it is in every language.
    Label1 = toolkit::addLabel(Picture1, "Label1", QStringLiteral("Version 2.0"), 1920, 2520, 975, 255);
    Label1->setFont(toolkit::font(Face::MsSansSerif, 8.25, true));
    toolkit::addLines<Form4, 8>(this, Picture1,
                                {&Form4::Line1, &Form4::Line2, &Form4::Line3, &Form4::Line4, &Form4::Line5,
                                 &Form4::Line6, &Form4::Line7, &Form4::Line8},
                                toolkit::shadowedBox(240, 360, 4560, 960));

    //: The button (65 pixels, bold) that leads into the converter, and its tooltip.
    Command1 = toolkit::addButton(Picture1, "Command1", tr("&OK"),
                                  //: The OK button's tooltip; %1 is the program's name, kept as it is.
                                  tr("Click to goto %1").arg(QString::fromUtf8(maker::kProduct)), 1920, 3000,
                                  975, 375);
    Command1->setFont(toolkit::font(Face::MsSansSerif, 9.75, true));
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    // The picture is the window's background, so the focus starts on the button.
    Command1->setFocus();
}

Form4::~Form4() = default;

void Form4::Command1_Click()
{
    // Handing over to the main window: this close must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    close();
    auto *main = new Form1;
    main->setAttribute(Qt::WA_DeleteOnClose);
    toolkit::centre(main);
    main->show();
}
