#include "form2.h"

#include "controls.h"
#include "maker.h"
#include "toolkit.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <span>

using toolkit::Face;

namespace {

// Lines of the lists, about 200 pixels wide: a metric amount and its US measure (cup, pint and
// quart as in the unit list; a decimal amount with your decimal sign). The empty line stays.
constexpr std::array<const char *, 12> kMeasureItems = {
    //: The heading line of the volume list.
    QT_TRANSLATE_NOOP("Form2", "measure"),
    "",
    QT_TRANSLATE_NOOP("Form2", "1ml slightly less than 1/4 teaspoon"),
    QT_TRANSLATE_NOOP("Form2", "2ml slighely less than 1/2 teaspoon"),
    QT_TRANSLATE_NOOP("Form2", "5ml 1 teaspoon"),
    QT_TRANSLATE_NOOP("Form2", "15ml 1 tablespoon"),
    QT_TRANSLATE_NOOP("Form2", "25ml 1 tablespoon plus 2 teaspoons"),
    QT_TRANSLATE_NOOP("Form2", "50ml 1/4 cup minus 2 teaspoons"),
    QT_TRANSLATE_NOOP("Form2", "125ml 1/2 cup plus 1 1/2 teaspoons"),
    QT_TRANSLATE_NOOP("Form2", "250ml 1 cup plus 1 tablespoon"),
    QT_TRANSLATE_NOOP("Form2", "500ml 1 pint plus 2 tablespoons"),
    QT_TRANSLATE_NOOP("Form2", "1 l (1000ml) 1 quart plus 1/4 cup"),
};

constexpr std::array<const char *, 7> kWeightItems = {
    //: The heading line of the weight list; ounces and pounds here are US weights.
    QT_TRANSLATE_NOOP("Form2", "weight"),
    "",
    QT_TRANSLATE_NOOP("Form2", "30g 1 ounce plus a large pinch"),
    QT_TRANSLATE_NOOP("Form2", "125g 1/4 pound plus 1/4 ounce"),
    QT_TRANSLATE_NOOP("Form2", "250g 1/2 pound plus less than an ounce"),
    QT_TRANSLATE_NOOP("Form2", "500g 1 pound plus 1 2/3 ounces"),
    QT_TRANSLATE_NOOP("Form2", "1kg 2 pounds plus about 3 1/2 ounces"),
};

// The blanks push the second word onto the banner's second line.
QString banner()
{
    //: The banner's first line, in a large condensed face, 225 pixels at most.
    return QCoreApplication::translate("Form2", "Conversion")
        + QString(51, QLatin1Char(' '))
        //: The banner's second line, in a large condensed face, 225 pixels at most.
        + QCoreApplication::translate("Form2", "Formulas");
}

QListWidget *addList(QWidget *parent, const char *name, std::span<const char *const> items, int top)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    toolkit::place(list, 240, top, 3135, 870);
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const char *item : items)
        list->addItem(*item ? QCoreApplication::translate("Form2", item) : QString());
    list->setAccessibleName(list->item(0)->text()); // its heading item
    return list;
}

} // namespace

Form2::Form2(QWidget *parent)
    : toolkit::Dialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    toolkit::setTitleBar(this, toolkit::TitleBar::Standard);
    toolkit::setNoTitle(this);
    toolkit::setFixedClientArea(this, 3870, 5025);
    setFont(toolkit::font(Face::MsSansSerif, 8.25));

    Label1 = toolkit::addLabel(this, "Label1", banner(), 960, 0, 3375, 855);
    Label1->setWordWrap(true);
    setAccessibleName(Label1->text().simplified()); // the untitled window goes by its banner
    Label1->setFont(toolkit::font(Face::Impact, 18));
    toolkit::setInk(Label1, toolkit::kRed);

    Image1 = new toolkit::PictureBox(QStringLiteral(":/pictures/times.svg"), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    toolkit::place(Image1, 240, 120, 480, 480);
    Image2 = new toolkit::PictureBox(QStringLiteral(":/pictures/divide.svg"), this);
    Image2->setObjectName(QStringLiteral("Image2"));
    //: What a screen reader calls the picture of a multiplication sign.
    Image1->setAccessibleName(tr("Multiplication sign"));
    //: What a screen reader calls the picture of a division sign.
    Image2->setAccessibleName(tr("Division sign"));
    toolkit::place(Image2, 720, 600, 480, 480);

    //: The caption of the frame around both lists.
    Frame1 = new QGroupBox(tr("Other Formulas"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    toolkit::place(Frame1, 120, 1080, 3615, 3375);
    Frame1->setFont(toolkit::font(Face::MsSansSerif, 8.25, true));
    Measure = addList(Frame1, "Measure", kMeasureItems, 480);
    Weight = addList(Frame1, "Weight", kWeightItems, 2040);
    for (QListWidget *list : {Measure, Weight})
        list->setFont(font()); // the window's font, not the frame's bold caption

    //: The button that closes the window (81 pixels, bold), and its tooltip.
    Exit = toolkit::addButton(this, "Exit", tr("&Done"), tr("Click to close this screen."), 2520, 4560, 1215,
                              375);
    Exit->setFont(toolkit::font(Face::MsSansSerif, 8.25, true));
    connect(Exit, &QPushButton::clicked, this, &Form2::Exit_Click);

    Label6 = toolkit::addLabel(this, "Label6", QString::fromUtf8(maker::kNoticeLine), 120, 4680, 2535, 255);

    toolkit::setTabOrder({Exit, Measure, Weight});
    Exit->setFocus();
}

Form2::~Form2() = default;

void Form2::Exit_Click()
{
    close();
}
