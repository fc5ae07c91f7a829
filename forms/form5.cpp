#include "form5.h"

#include "maker.h"
#include "toolkit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using toolkit::Face;

namespace {

// Every line ends with CR LF, the last one too. The liability paragraph keeps its hard
// line breaks.
QString disclaimer()
{
    const QString maker = QString::fromUtf8(maker::kName);
    const QString shouted = maker.toUpper();
    QStringList lines = {
        //: The warranty text's first line.
        QCoreApplication::translate("Form5",
                                    "DISCLAIMER:This software is provided \"AS IS\" without warranty of "
                                    "any kind."),
        QString(),
    };
    //: The liability paragraph, in capitals, with hard line breaks of about 60 characters each;
    //: %1 is the maker's name in capitals.
    lines += QCoreApplication::translate("Form5",
                                         "LIMITATION OF LIABILITY: %1 MAKES NO \n"
                                         "WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING ANY \n"
                                         "WARRANTY OF MERCHANTABILITY OR OF FITNESS FOR ANY \n"
                                         "PARTICULAR PURPOSE. \n"
                                         "%1 DOES NOT WARRANT, GUARANTEE OR MAKE ANY \n"
                                         "REPRESENTATIONS REGARDING THE USE, OR THE RESULTS OF THE \n"
                                         "USE, OF THE SOFTWARE IN TERMS OF ITS CORRECTNESS, \n"
                                         "ACCURACY, RELIABILITY, CURRENTNESS OR OTHERWISE. NEITHER \n"
                                         "%1 NOR ITS VENDORS SHALL BE LIABLE FOR ANY \n"
                                         "LOSS OF PROFITS, LOSS OF USE OR INTERRUPTION OF BUSINESS, \n"
                                         "NOR FOR INDIRECT, SPECIAL, INCIDENTAL OR CONSEQUENTIAL \n"
                                         "DAMAGES WHATSOEVER.")
                 .arg(shouted)
                 .split(QLatin1Char('\n'));
    lines += {
        //: %1 is the maker's name.
        QCoreApplication::translate("Form5", "For information on other \"%1\" products:").arg(maker)
            + QString(40, QLatin1Char(' ')),
        QString(60, QLatin1Char(' ')),
        QString(60, QLatin1Char(' ')),
        //: %1 is the maker's name; the postal address follows.
        QCoreApplication::translate("Form5", "Write to: %1").arg(maker),
        QStringLiteral("\t%1").arg(QString::fromUtf8(maker::kStreet)),
        QStringLiteral("\t%1").arg(QString::fromUtf8(maker::kTown)),
        QString(30, QLatin1Char(' ')),
        //: %1 is the maker's e-mail address.
        QCoreApplication::translate("Form5", "E-Mail: %1").arg(QString::fromUtf8(maker::kEmail)),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

Form5::Form5(QWidget *parent)
    : toolkit::Dialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    //: The window's title and its heading (24 pt bold, 337 pixels).
    setWindowTitle(tr("Warranty Information"));
    toolkit::setTitleBar(this, toolkit::TitleBar::Standard);
    toolkit::setFixedClientArea(this, 6615, 5940);
    setFont(toolkit::font(Face::MsSansSerif, 8.25));

    Label1 = toolkit::addLabel(this, "Label1", windowTitle(), 840, 240, 5055, 495);
    Label1->setFont(toolkit::font(Face::MsSansSerif, 24, true));
    toolkit::setInk(Label1, toolkit::kRed);

    text1 = new QPlainTextEdit(this);
    text1->setObjectName(QStringLiteral("text1"));
    toolkit::place(text1, 120, 840, 6135, 4455);
    text1->setPlainText(disclaimer());
    text1->setAccessibleName(Label1->text());
    text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Read-only, but the caret moves and selects, so text below the box is reached by keyboard.
    text1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    //: The button that closes the warranty window (73 pixels); it has no access key.
    command1 = toolkit::addButton(this, "command1", tr("OK"), QString(), 5160, 5400, 1095, 375);
    connect(command1, &QPushButton::clicked, this, &Form5::Command1_Click);

    Label2 = toolkit::addLabel(this, "Label2", QString::fromUtf8(maker::kNoticeLine), 120, 5520, 2415, 255);

    toolkit::setTabOrder({text1, command1});
    text1->setFocus();
}

Form5::~Form5() = default;

void Form5::Command1_Click()
{
    close();
}
