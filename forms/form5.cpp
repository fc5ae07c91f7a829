#include "form5.h"

#include "maker.h"
#include "toolkit.h"

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
    const QStringList lines = {
        QStringLiteral("DISCLAIMER:This software is provided \"AS IS\" without warranty of any kind."),
        QString(),
        QStringLiteral("LIMITATION OF LIABILITY: %1 MAKES NO ").arg(shouted),
        QStringLiteral("WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING ANY "),
        QStringLiteral("WARRANTY OF MERCHANTABILITY OR OF FITNESS FOR ANY "),
        QStringLiteral("PARTICULAR PURPOSE. "),
        QStringLiteral("%1 DOES NOT WARRANT, GUARANTEE OR MAKE ANY ").arg(shouted),
        QStringLiteral("REPRESENTATIONS REGARDING THE USE, OR THE RESULTS OF THE "),
        QStringLiteral("USE, OF THE SOFTWARE IN TERMS OF ITS CORRECTNESS, "),
        QStringLiteral("ACCURACY, RELIABILITY, CURRENTNESS OR OTHERWISE. NEITHER "),
        QStringLiteral("%1 NOR ITS VENDORS SHALL BE LIABLE FOR ANY ").arg(shouted),
        QStringLiteral("LOSS OF PROFITS, LOSS OF USE OR INTERRUPTION OF BUSINESS, "),
        QStringLiteral("NOR FOR INDIRECT, SPECIAL, INCIDENTAL OR CONSEQUENTIAL "),
        QStringLiteral("DAMAGES WHATSOEVER."),
        QStringLiteral("For information on other \"%1\" products:").arg(maker)
            + QString(40, QLatin1Char(' ')),
        QString(60, QLatin1Char(' ')),
        QString(60, QLatin1Char(' ')),
        QStringLiteral("Write to: %1").arg(maker),
        QStringLiteral("\t%1").arg(QString::fromUtf8(maker::kStreet)),
        QStringLiteral("\t%1").arg(QString::fromUtf8(maker::kTown)),
        QString(30, QLatin1Char(' ')),
        QStringLiteral("E-Mail: %1").arg(QString::fromUtf8(maker::kEmail)),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

Form5::Form5(QWidget *parent)
    : toolkit::Dialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Warranty Information"));
    toolkit::setTitleBar(this, toolkit::TitleBar::Standard);
    toolkit::setFixedClientArea(this, 6615, 5940);
    setFont(toolkit::font(Face::MsSansSerif, 8.25));

    Label1 = toolkit::addLabel(this, "Label1", QStringLiteral("Warranty Information"), 840, 240, 5055, 495);
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

    command1 = toolkit::addButton(this, "command1", QStringLiteral("OK"), QString(), 5160, 5400, 1095, 375);
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
