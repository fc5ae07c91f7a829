#include "form1.h"

#include "calculator.h"
#include "command.h"
#include "enginetexts.h"
#include "form0.h"
#include "form2.h"
#include "form5.h"
#include "form6.h"
#include "maker.h"
#include "picture.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <string_view>

using toolkit::Face;
using toolkit::px;

namespace {

constexpr int kCarriageReturn = 13;

// The client area, in twips; the toolbar runs across its whole width.
constexpr int kClientWidth = 6255;
constexpr int kClientHeight = 5550;

constexpr toolkit::ToolbarEntry kSeparator {};

// Captions and tooltips in the context "Form1"; the keys are identities, never shown.
constexpr std::array<toolkit::ToolbarEntry, 10> kToolbarEntries = {{
    kSeparator,
    //: A toolbar caption under its picture, at most about 50 pixels wide. Opens the about window.
    {toolkit::ToolbarEntry::Style::Button, QT_TRANSLATE_NOOP("Form1", "About"), "AboutScreen",
     QT_TRANSLATE_NOOP("Form1", "About Screen"), 1},
    kSeparator,
    //: A toolbar caption and its tooltip (about 50 pixels): the window of conversion rules of thumb.
    {toolkit::ToolbarEntry::Style::Button, QT_TRANSLATE_NOOP("Form1", "Formulas"), "Formulas",
     QT_TRANSLATE_NOOP("Form1", "Formulas"), 4},
    //: A toolbar caption and tooltip (about 50 pixels): starts the desktop's calculator.
    {toolkit::ToolbarEntry::Style::Button, QT_TRANSLATE_NOOP("Form1", "Calculator"), "Calculator",
     QT_TRANSLATE_NOOP("Form1", "Calculator"), 2},
    //: A toolbar caption (about 50 pixels); its tooltip says Decimals: the fractions table.
    {toolkit::ToolbarEntry::Style::Button, QT_TRANSLATE_NOOP("Form1", "Fractions"), "Decimals",
     QT_TRANSLATE_NOOP("Form1", "Decimals"), 5},
    //: A toolbar caption (about 50 pixels) and its tooltip: shows how to use the program.
    {toolkit::ToolbarEntry::Style::Button, QT_TRANSLATE_NOOP("Form1", "Help"), "Help",
     QT_TRANSLATE_NOOP("Form1", "How To?"), 6},
    kSeparator,
    kSeparator,
    //: A toolbar caption (about 50 pixels) and its tooltip: ends the program.
    {toolkit::ToolbarEntry::Style::Button, QT_TRANSLATE_NOOP("Form1", "Exit"), "ExitProgram",
     QT_TRANSLATE_NOOP("Form1", "Exit Program"), 3},
}};

} // namespace

// What each toolbar key runs, compared in this order, character for character.
struct Form1::ToolbarCommand
{
    const char *key;
    void (Form1::*handler)();
};

std::span<const Form1::ToolbarCommand> Form1::toolbarCommands()
{
    static constexpr std::array<ToolbarCommand, 6> kCommands = {{
        {"AboutScreen", &Form1::mnufileabout_Click},
        {"ExitProgram", &Form1::mnufileexit_Click},
        {"Formulas", &Form1::mnutoolsformula_Click},
        {"Calculator", &Form1::mnutoolscalc_Click},
        {"Decimals", &Form1::mnutoolsdecimals_Click},
        {"Help", &Form1::mnuhelphow_Click},
    }};
    // Every button's key has its command: a mistyped key would leave the button dead.
    static_assert(std::ranges::all_of(kToolbarEntries, [](const toolkit::ToolbarEntry &entry) {
        return entry.style == toolkit::ToolbarEntry::Style::Separator
            || std::ranges::any_of(kCommands, [&entry](const ToolbarCommand &command) {
                   return std::string_view(command.key) == entry.key;
               });
    }));
    return kCommands;
}

namespace {

// ImageList1, in image-number order.
constexpr std::array<const char *, 6> kToolbarImages = {
    ":/toolbar/about.svg",    ":/toolbar/calculator.svg", ":/toolbar/exit.svg",
    ":/toolbar/formulas.svg", ":/toolbar/fractions.svg",  ":/toolbar/help.svg",
};

// The character code a key press delivers, as the entry box's key handler sees it (13 for
// Enter and Return); 0 for a key that delivers no character.
int keyAscii(const QKeyEvent *event)
{
    const QString typed = event->text();
    return typed.isEmpty() ? 0 : typed.at(0).unicode();
}

} // namespace

// The engine's view of the window: the boxes by name, and the window's message sink.
class Form1::ConverterBridge final : public convert::ConverterForm
{
public:
    explicit ConverterBridge(Form1 &form)
        : m_form(form)
    {
    }

    std::string entryText() const override { return m_form.txtenter->text().toStdString(); }
    // The engine writes the amount only to replace it with a substitute, which the next
    // keystroke in the box replaces in turn; typed after it, "7" would make "70.0".
    void setEntryText(std::string_view value) override
    {
        write(m_form.txtenter, value);
        m_form.txtenter->selectAll();
        m_form.m_selectEntryOnFocus = true;
    }
    // The engine knows the units by their English texts; the box shows them translated.
    std::string unitText() const override { return enginetexts::unitIdentity(m_form.Combo1->currentText()); }
    void setUnitText(std::string_view value) override
    {
        write(m_form.Combo1->lineEdit(), enginetexts::shownUnitText(value));
    }
    std::string resultText(convert::Unit box) const override { return resultBox(box)->text().toStdString(); }
    void setResultText(convert::Unit box, std::string_view value) override
    {
        QLineEdit *shown = resultBox(box);
        write(shown, value);
        // A value cut off at the box's edge is given whole where a pointer or a screen reader asks.
        shown->setToolTip(toolkit::fitsIn(shown) ? QString() : shown->text());
    }
    void showMessage(std::string_view prompt) override { m_form.message(enginetexts::prompt(prompt)); }

private:
    QLineEdit *resultBox(convert::Unit box) const { return m_form.m_resultBoxes[convert::indexOf(box)]; }
    // A box too narrow for its text shows the start of it, where a long number begins; left at
    // the end, "1,000,000.00" would read ",000,000.00".
    static void write(QLineEdit *box, std::string_view value) { write(box, QString::fromUtf8(value)); }
    static void write(QLineEdit *box, const QString &value)
    {
        box->setText(value);
        box->setCursorPosition(0);
    }

    Form1 &m_form;
};

struct Form1::MenuItem
{
    QAction *Form1::*action;
    const char *name;
    const char *caption;
    const char *shortcut;
    void (Form1::*handler)();
};

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
    , ImageList1(QSize(16, 16))
    , m_numberFormat(toolkit::numberFormatOf(QLocale()))
    , m_messageSink([this](const QString &prompt) { toolkit::showMessageBox(this, prompt); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(maker::kProduct));
    setWindowIcon(toolkit::icon(QStringLiteral(":/icons/spoonwise.svg")));
    toolkit::setTitleBar(this, toolkit::TitleBar::Standard, true); // a fixed layout that can be minimized
    auto *client = new QWidget(this);
    client->setFont(toolkit::font(Face::MsSansSerif, 12)); // the menus keep the desktop's font
    client->setFixedSize(px(kClientWidth), px(kClientHeight));
    // Drawn on fixed light grey, the converter keeps the classic system colours that go with
    // it; the menu bar keeps the desktop's.
    client->setPalette(toolkit::classicPalette());
    toolkit::setBackground(client, toolkit::kLightGrey);
    setCentralWidget(client);

    buildConverter(client);
    buildToolbar(client); // after Frame1, so that the toolbar covers its top edge
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    toolkit::setTabOrder({Command1, txtenter, Combo1});
    Command1->setFocus();
    toolkit::giveShortcutsPriority(this);
    txtenter->installEventFilter(this);
    connect(txtenter, &QLineEdit::textEdited, this, [this] { m_selectEntryOnFocus = false; });
}

Form1::~Form1() = default;

void Form1::setMessageSink(toolkit::MessageSink sink)
{
    m_messageSink = std::move(sink);
}

void Form1::buildToolbar(QWidget *client)
{
    for (const char *path : kToolbarImages)
        ImageList1.add(QString::fromLatin1(path));
    Toolbar1
        = new toolkit::KeyedToolBar(ImageList1, kToolbarEntries, QSize(px(810), px(540)), "Form1", client);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    toolkit::place(Toolbar1, 0, 0, kClientWidth, 630);
    toolkit::setBackground(Toolbar1, toolkit::systemColour(Toolbar1, toolkit::SystemColour::ButtonFace));
    Toolbar1->setFont(toolkit::font(Face::MsSansSerif, 8.25)); // the toolbar's own default, not the window's
    connect(Toolbar1, &toolkit::KeyedToolBar::buttonClick, this, &Form1::Toolbar1_ButtonClick);
}

void Form1::buildConverter(QWidget *client)
{
    Frame1 = new QGroupBox(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    toolkit::place(Frame1, 120, 600, 6015, 4575);
    toolkit::setBackground(Frame1, toolkit::kLightGrey);
    toolkit::setForeground(Frame1, toolkit::kLightGrey);
    //: What a screen reader calls the area of the result boxes, the amount and the Calculate button.
    Frame1->setAccessibleName(tr("Converter"));

    buildResultFrames();
    buildEntryFrame();

    //: The button that converts (about 120 pixels, large bold face); Alt plus the & letter.
    Command1 = toolkit::addButton(Frame1, "Command1", tr("&Calculate"),
                                  //: The tooltip of the Calculate button.
                                  tr("Click here to calculate your Conversions."), 2040, 3480, 1935, 495);
    Command1->setFont(toolkit::font(Face::MsSansSerif, 12, true));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

    Label6 = new toolkit::ClickableLabel(QString::fromUtf8(maker::kNoticeLine), client);
    Label6->setObjectName(QStringLiteral("Label6"));
    toolkit::place(Label6, 120, 5280, 2535, 255);
    Label6->setFont(toolkit::font(Face::MsSansSerif, 8.25));
    Label6->setToolTip(QString::fromUtf8(maker::kEmail));
    toolkit::setBackground(Label6, toolkit::systemColour(Label6, toolkit::SystemColour::ButtonFace));
    toolkit::setForeground(Label6, toolkit::systemColour(Label6, toolkit::SystemColour::ButtonText));
    connect(Label6, &toolkit::ClickableLabel::clicked, this, &Form1::Label6_Click);
}

void Form1::buildEntryFrame()
{
    const QFont boxFont = toolkit::font(Face::MsSansSerif, 8.25, true);
    Frame2 = new QGroupBox(Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    toolkit::place(Frame2, 1800, 1320, 2415, 1695);
    toolkit::setBackground(Frame2, toolkit::systemColour(Frame2, toolkit::SystemColour::ButtonFace));
    toolkit::setForeground(Frame2, toolkit::systemColour(Frame2, toolkit::SystemColour::ButtonText));
    Frame2->setFont(boxFont);
    //: What a screen reader calls the frame around the amount box and the unit box.
    Frame2->setAccessibleName(tr("Amount and unit"));

    //: The label over the amount box, about 125 pixels; the how-to message names it.
    Label4 = toolkit::addLabel(Frame2, "Label4", tr("   Enter Number Here"), 240, 240, 1935, 255);

    txtenter = new QLineEdit(QStringLiteral("0"), Frame2);
    txtenter->setObjectName(QStringLiteral("txtenter"));
    toolkit::place(txtenter, 240, 480, 1935, 285);
    //: The tooltip of the amount box.
    txtenter->setToolTip(tr("Enter the Ammount you want converted here."));
    Label4->setBuddy(txtenter);
    txtenter->setAccessibleName(Label4->text().trimmed());

    //: The label over the unit box, about 120 pixels; the how-to message names it.
    Label5 = toolkit::addLabel(Frame2, "Label5", tr("Make Selection Here"), 360, 960, 1935, 255);

    Combo1 = new QComboBox(Frame2);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    toolkit::place(Combo1, 240, 1200, 1935, 315);
    Combo1->setEditable(true);
    // The list is fixed, and a typed text stays exactly as typed: no insertion, no completion.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    for (const convert::UnitInfo &unit : convert::kUnits)
        Combo1->addItem(enginetexts::unitItem(unit.unit));
    Combo1->setCurrentIndex(0);
    //: The tooltip of the unit box.
    Combo1->setToolTip(tr("Click Here to Select Measurement to Convert."));
    Label5->setBuddy(Combo1);
    toolkit::setAccessibleNames(Combo1, Label5->text());
}

void Form1::buildResultFrames()
{
    // Where each unit's frame stands; its caption and box come from the unit table.
    struct ResultFrame
    {
        QGroupBox *Form1::*frame;
        QLineEdit *Form1::*box;
        const char *frameName;
        int left;
        int top;
        convert::Unit unit;
    };
    using enum convert::Unit;
    static constexpr std::array<ResultFrame, convert::kUnitCount> kResultFrames = {{
        {&Form1::Frame9, &Form1::txtfluid, "Frame9", 240, 360, FluidOunce},
        {&Form1::Frame4, &Form1::txttbl, "Frame4", 2400, 360, Tablespoon},
        {&Form1::Frame3, &Form1::txttsp, "Frame3", 4560, 360, Teaspoon},
        {&Form1::Frame5, &Form1::txtcup, "Frame5", 240, 1200, Cup},
        {&Form1::Frame10, &Form1::txtml, "Frame10", 4560, 1200, Milliliters},
        {&Form1::Frame6, &Form1::txtpint, "Frame6", 240, 2040, Pints},
        {&Form1::Frame12, &Form1::txtcl, "Frame12", 4560, 2040, Centiliters},
        {&Form1::Frame7, &Form1::txtquart, "Frame7", 240, 2880, Quarts},
        {&Form1::Frame11, &Form1::txtdl, "Frame11", 4560, 2880, Deciliters},
        {&Form1::Frame8, &Form1::txtgallon, "Frame8", 240, 3720, Gallons},
        {&Form1::Frame13, &Form1::txtliter, "Frame13", 4560, 3720, Liters},
    }};

    const QFont boxFont = toolkit::font(Face::MsSansSerif, 8.25, true);
    const QColor frameFace = toolkit::systemColour(Frame1, toolkit::SystemColour::ButtonFace);
    const QColor frameText = toolkit::systemColour(Frame1, toolkit::SystemColour::ButtonText);
    for (const ResultFrame &entry : kResultFrames) {
        const convert::UnitInfo &unit = convert::kUnits[convert::indexOf(entry.unit)];
        auto *frame = new QGroupBox(enginetexts::resultCaption(entry.unit), Frame1);
        frame->setObjectName(QString::fromLatin1(entry.frameName));
        toolkit::place(frame, entry.left, entry.top, 1215, 615);
        frame->setFont(boxFont);
        toolkit::setBackground(frame, entry.frame == &Form1::Frame9 ? toolkit::kLightGrey : frameFace);
        toolkit::setForeground(frame, frameText);
        this->*entry.frame = frame;

        auto *box = new QLineEdit(frame);
        box->setObjectName(QString::fromUtf8(unit.boxName));
        toolkit::place(box, 120, 240, 975, 285);
        box->setAccessibleName(frame->title()); // read out as the unit it shows
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus); // out of the tab order, but selectable and copyable
        toolkit::setBackground(box, toolkit::kLightGrey);
        toolkit::setInk(box, unit.system == convert::System::American ? toolkit::kRed : toolkit::kBlue);
        this->*entry.box = box;
        m_resultBoxes[convert::indexOf(entry.unit)] = box;
    }
}

void Form1::buildMenus()
{
    static constexpr std::array<MenuItem, 2> kFileItems = {{
        //: File menu items; each & letter unique within the menu. The Ctrl shortcuts stay.
        {&Form1::mnufileabout, "mnufileabout", QT_TRANSLATE_NOOP("Form1", "&About"), "Ctrl+A",
         &Form1::mnufileabout_Click},
        {&Form1::mnufileexit, "mnufileexit", QT_TRANSLATE_NOOP("Form1", "&Exit Program"), "Ctrl+E",
         &Form1::mnufileexit_Click},
    }};
    static constexpr std::array<MenuItem, 3> kToolsItems = {{
        //: Tools menu items; each & letter unique within the menu.
        {&Form1::mnutoolsformula, "mnutoolsformula", QT_TRANSLATE_NOOP("Form1", "&Formulas"), "Ctrl+F",
         &Form1::mnutoolsformula_Click},
        {&Form1::mnutoolsdecimals, "mnutoolsdecimals", QT_TRANSLATE_NOOP("Form1", "&Fractions"), "Ctrl+D",
         &Form1::mnutoolsdecimals_Click},
        {&Form1::mnutoolscalc, "mnutoolscalc", QT_TRANSLATE_NOOP("Form1", "&Calculator"), "Ctrl+C",
         &Form1::mnutoolscalc_Click},
    }};
    static constexpr std::array<MenuItem, 1> kWarrantyItems = {{
        //: The only item of the Legal menu.
        {&Form1::mnuregwarrant, "mnuregwarrant", QT_TRANSLATE_NOOP("Form1", "&Warranty"), "Ctrl+W",
         &Form1::mnuregwarrant_Click},
    }};
    static constexpr std::array<MenuItem, 1> kHelpItems = {{
        //: The only item of the Help menu: shows how to use the program.
        {&Form1::mnuhelphow, "mnuhelphow", QT_TRANSLATE_NOOP("Form1", "&How To"), "Ctrl+H",
         &Form1::mnuhelphow_Click},
    }};

    //: Menu titles: the four must fit one row of 417 pixels, with & letters unique among them and
    //: different from the & letter of the Calculate button.
    mnubar[0] = addMenu("mnubar_1", QT_TRANSLATE_NOOP("Form1", "&File"), kFileItems);
    mnubar[1] = addMenu("mnubar_2", QT_TRANSLATE_NOOP("Form1", "&Tools"), kToolsItems);
    mnubar[2] = addMenu("mnubar_3", QT_TRANSLATE_NOOP("Form1", "&Legal"), kWarrantyItems);
    mnuhelp = addMenu("mnuhelp", QT_TRANSLATE_NOOP("Form1", "&Help"), kHelpItems);
    toolkit::nameOverflowButton(menuBar());
}

QMenu *Form1::addMenu(const char *name, const char *title, std::span<const MenuItem> items)
{
    QMenu *menu = menuBar()->addMenu(tr(title));
    menu->setObjectName(QString::fromLatin1(name));
    menu->setAccessibleName(menu->title().remove(QLatin1Char('&'))); // the open menu goes by its title
    for (const MenuItem &item : items) {
        QAction *action = menu->addAction(tr(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        connect(action, &QAction::triggered, this, item.handler);
        this->*item.action = action;
    }
    return menu;
}

// The key handler sees every character, not only those of the Return and Enter keys that
// QLineEdit::returnPressed reports: Ctrl+M delivers a carriage return too. A click that brings
// the focus back to a selected substitute amount would place the caret in it, so the
// selection comes back once the click is over.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != txtenter)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        txtenter_KeyPress(keyAscii(static_cast<QKeyEvent *>(event)));
        break;
    case QEvent::FocusIn: // by keyboard or window activation the box keeps its selection
        m_selectEntryOnFocus
            = m_selectEntryOnFocus && static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
        break;
    case QEvent::MouseButtonRelease:
        if (m_selectEntryOnFocus)
            txtenter->selectAll(); // the press has placed the caret
        m_selectEntryOnFocus = false;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event); // the event goes on unchanged
}

void Form1::runConversion()
{
    ConverterBridge bridge(*this);
    convert::runConversionCommand(bridge, m_numberFormat);
}

void Form1::message(const QString &prompt)
{
    m_messageSink(prompt);
}

void Form1::Command1_Click()
{
    runConversion();
}

void Form1::txtenter_KeyPress(int KeyAscii)
{
    if (KeyAscii == kCarriageReturn)
        runConversion();
}

void Form1::Label6_Click()
{
    //: The joke the maker's label shows when clicked: chores that are four-letter words in English.
    message(tr("I hate 4-letter Words, Cook, Iron, Wash, and Dust"));
}

// A reference window, built afresh and deleted on close, modal over this window or while it
// is hidden; the main window comes back however the other one was closed.
template<typename Window> void Form1::openModal(bool hideMain)
{
    if (hideMain)
        hide();
    auto *window = new Window(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    toolkit::centre(window, this);
    window->exec();
    if (hideMain)
        show();
}

void Form1::mnufileabout_Click()
{
    openModal<Form0>(true);
}

void Form1::mnufileexit_Click()
{
    close();
    QCoreApplication::quit();
}

void Form1::mnutoolsformula_Click()
{
    openModal<Form2>(true);
}

// Over the visible main window, which takes no input meanwhile.
void Form1::mnutoolsdecimals_Click()
{
    openModal<Form6>(false);
}

void Form1::mnutoolscalc_Click()
{
    if (!platform::startCalculator())
        message(tr("The calculator could not be started"));
}

void Form1::mnuregwarrant_Click()
{
    openModal<Form5>(true);
}

void Form1::mnuhelphow_Click()
{
    //: The how-to message. Name the amount box, the unit box and the button as their labels and
    //: caption read in your language.
    message(tr("To use this program simply Enter a number in the 'Enter Number Here' text box and make "
               "a selection in the 'Make Selection Here' text Box. Then Click the Calculate Button to "
               "see the results in the surrounding Windows"));
}

void Form1::Toolbar1_ButtonClick(QAction *Button)
{
    const QString key = toolkit::KeyedToolBar::key(Button);
    for (const ToolbarCommand &command : toolbarCommands()) {
        if (key == QLatin1String(command.key)) {
            (this->*command.handler)();
            return;
        }
    }
}
