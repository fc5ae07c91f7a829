// The converter window driven offscreen as a user might, one step an input line:
//   l<a-g>  the language and number format, before the first other step
//   t<text> type into the entry box          p<text>  paste into the entry box
//   e<text> type over all of the entry box
//   u<text> type into the unit box           i<a-k>   pick a unit from the list
//   k<a-i>  a key on the focused control     r        Return in the entry box
//   c       click Calculate                  w<a-h>   a window command
//   x<a-k>  click a result box               f<a-e>   the result boxes' point size
// A key converts exactly when it is Return, keypad Enter or Ctrl+M in the entry box, or Return
// or Enter on the focused Calculate button; its step starts from empty result boxes, so that
// every conversion shows.
// Fails on a crash, a sanitizer report, or a window that disagrees with a fresh conversion of
// what its boxes showed before the step. A result box shows the start of its value, and a value
// it cuts off is its tooltip and description; a substitute amount is selected, to be typed over.
#include "controls.h"
#include "engine_support.h"
#include "enginetexts.h"
#include "form1.h"
#include "language.h"
#include "memory_form.h"
#include "toolkit.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

using convert::kUnits;

struct Setting
{
    const char *catalog;
    const char *locale;
};
constexpr std::array<Setting, 7> kSettings = {{{"", "en_US"},
                                               {"de", "de_DE"},
                                               {"fr", "fr_FR"},
                                               {"", "de_CH"},
                                               {"pt_BR", "pt_BR"},
                                               {"nl", "en_US"},
                                               {"es", "es_MX"}}};

// Keys with the text a desktop delivers with them: Ctrl+M a carriage return, as Return does.
struct Key
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *text;
};
const std::array<Key, 9> kKeys = {{
    {Qt::Key_Return, Qt::NoModifier, "\r"},
    {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
    {Qt::Key_Tab, Qt::NoModifier, "\t"},
    {Qt::Key_Backspace, Qt::NoModifier, "\b"},
    {Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {Qt::Key_Home, Qt::NoModifier, ""},
    {Qt::Key_A, Qt::ControlModifier, "\x01"},
    {Qt::Key_M, Qt::ControlModifier, "\r"},
    {Qt::Key_Down, Qt::NoModifier, ""},
}};

// The window commands but Exit, by object name: menu items, a toolbar button, the maker's label.
constexpr std::array<const char *, 8> kCommands
    = {"mnufileabout", "mnutoolsformula", "mnutoolsdecimals", "mnuregwarrant",
       "mnuhelphow",   "mnutoolscalc",    "Formulas",         "Label6"};

// Types each printable character as its own key press, any script (QTest's key clicks take
// ASCII only). Control characters are keys of their own (k): a carriage return converts.
void type(QWidget *box, const QString &text)
{
    for (const QChar character : text) {
        if (!character.isPrint())
            continue;
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(box, &key);
        }
    }
}

std::size_t pick(std::string_view arg, std::size_t count)
{
    return arg.empty() ? 0 : static_cast<unsigned char>(arg[0] - 'a') % count;
}

// The rightmost column of a text box's drawing that differs from its base, inside its frame.
int lastInk(QWidget *box)
{
    const QImage drawn = box->grab().toImage();
    const QRgb base = box->palette().color(QPalette::Base).rgb();
    for (int x = drawn.width() - 4; x >= 3; --x)
        for (int y = 3; y < drawn.height() - 3; ++y)
            if (drawn.pixel(x, y) != base)
                return x;
    return 0;
}

// Whether a text box draws its whole text: its ink against that of the same box made wide
// enough for any text, as the pixels show it.
bool drawnWhole(QLineEdit *box)
{
    QLineEdit wide(box->text());
    wide.setFont(box->font());
    wide.setPalette(box->palette());
    wide.setAutoFillBackground(box->autoFillBackground());
    wide.setReadOnly(box->isReadOnly());
    wide.resize(box->width() * 4, box->height());
    wide.setCursorPosition(0);
    return lastInk(&wide) <= lastInk(box);
}

// What the window shows of the command's texts.
struct Shown
{
    convert::ResultTexts results;
    std::string entry;
    QString unit;
};

class Driver
{
public:
    explicit Driver(const Setting &setting)
    {
        language::install(&m_speaking, {QString::fromLatin1(setting.catalog)});
        QLocale::setDefault(QLocale(QString::fromLatin1(setting.locale)));
        m_format = toolkit::numberFormatOf(QLocale());
        m_form = std::make_unique<Form1>();
        m_form->setMessageSink([this](const QString &prompt) { m_prompts << prompt; });
        m_form->show();
    }

    void step(char kind, std::string_view arg)
    {
        if (kind == 'k') {
            for (const convert::UnitInfo &unit : kUnits)
                box(unit.boxName.data())->clear();
        }
        const Shown before = shown();
        m_prompts.clear();
        const QString text = QString::fromUtf8(arg.data(), static_cast<qsizetype>(arg.size()));
        switch (kind) {
        case 'e':
            box("txtenter")->selectAll();
            [[fallthrough]];
        case 't':
            type(box("txtenter"), text);
            break;
        case 'p':
            QApplication::clipboard()->setText(text);
            QTest::keySequence(box("txtenter"), QKeySequence::Paste);
            break;
        case 'u':
            type(combo()->lineEdit(), text);
            break;
        case 'i':
            combo()->setCurrentIndex(static_cast<int>(pick(arg, kUnits.size())));
            break;
        case 'k':
            return key(kKeys[pick(arg, kKeys.size())], before);
        case 'x':
            QTest::mouseClick(box(kUnits[pick(arg, kUnits.size())].boxName.data()), Qt::LeftButton);
            break;
        case 'r':
            QTest::keyClick(box("txtenter"), Qt::Key_Return);
            break;
        case 'c':
            QTest::mouseClick(m_form->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            break;
        case 'w':
            return command(kCommands[pick(arg, kCommands.size())], before);
        case 'f':
            for (const convert::UnitInfo &unit : kUnits) {
                QFont face = box(unit.boxName.data())->font();
                face.setPointSizeF(7.5 + 0.25 * static_cast<double>(pick(arg, 5)));
                box(unit.boxName.data())->setFont(face);
            }
            return;
        default:
            return;
        }
        check(before);
    }

private:
    QLineEdit *box(const char *name) const { return m_form->findChild<QLineEdit *>(QLatin1String(name)); }
    QComboBox *combo() const { return m_form->findChild<QComboBox *>(QStringLiteral("Combo1")); }

    Shown shown() const
    {
        Shown now;
        for (const convert::UnitInfo &unit : kUnits)
            now.results[convert::indexOf(unit.unit)] = box(unit.boxName.data())->text().toStdString();
        now.entry = box("txtenter")->text().toStdString();
        now.unit = combo()->currentText();
        return now;
    }

    // A step that changed a result or showed a message ran the conversion: it must agree with
    // a fresh one of the boxes as they were.
    void check(const Shown &before) const
    {
        const Shown after = shown();
        if (after.results == before.results && m_prompts.isEmpty())
            return;
        convert::MemoryForm fresh;
        fresh.entry = before.entry;
        fresh.unit = enginetexts::unitIdentity(before.unit);
        fresh.results = before.results;
        convert::runConversionCommand(fresh, m_format);
        FUZZ_CHECK(after.results == fresh.results);
        FUZZ_CHECK(after.entry == fresh.entry);
        FUZZ_CHECK(enginetexts::unitIdentity(after.unit) == fresh.unit
                   || after.unit == enginetexts::shownUnitText(fresh.unit));
        FUZZ_CHECK(m_prompts.size() == static_cast<qsizetype>(fresh.messages.size()));
        for (qsizetype i = 0; i < m_prompts.size(); ++i)
            FUZZ_CHECK(m_prompts[i] == enginetexts::prompt(fresh.messages[static_cast<std::size_t>(i)]));
        FUZZ_CHECK(after.entry == before.entry || box("txtenter")->selectedText() == box("txtenter")->text());
        for (const convert::UnitInfo &unit : kUnits) {
            QLineEdit *result = box(unit.boxName.data());
            const QString heard
                = QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description);
            FUZZ_CHECK(result->cursorPosition() == 0); // "1,000,000.00" cut at the start reads ",000.00"
            FUZZ_CHECK(heard == result->toolTip() && (heard.isEmpty() || heard == result->text()));
            FUZZ_CHECK(!heard.isEmpty() || drawnWhole(result));
        }
    }

    void key(const Key &pressed, const Shown &before)
    {
        QWidget *focused = m_form->focusWidget();
        const bool enter = pressed.key == Qt::Key_Return || pressed.key == Qt::Key_Enter;
        const bool converts = (focused == box("txtenter") && std::string_view(pressed.text) == "\r")
            || (focused->objectName() == QLatin1String("Command1") && enter);
        QTest::sendKeyEvent(QTest::Click, focused, pressed.key, QString::fromLatin1(pressed.text),
                            pressed.modifiers);
        FUZZ_CHECK(converts == (shown().results != before.results || !m_prompts.isEmpty()));
        FUZZ_CHECK(combo()->count() == static_cast<int>(kUnits.size())); // a typed unit joins no list
        check(before);
    }

    // Runs a command, closing the window it opens from inside its modal loop; the converter's
    // boxes stay as they were.
    void command(const char *name, const Shown &before)
    {
        QTimer::singleShot(0, m_form.get(), [] {
            if (QWidget *opened = QApplication::activeModalWidget())
                opened->close();
        });
        if (auto *action = m_form->findChild<QAction *>(QLatin1String(name)))
            action->trigger();
        else if (QWidget *label = m_form->findChild<QWidget *>(QLatin1String(name)))
            QTest::mouseClick(label, Qt::LeftButton);
        const Shown after = shown();
        FUZZ_CHECK(after.results == before.results && after.entry == before.entry
                   && after.unit == before.unit);
    }

    QObject m_speaking;
    convert::NumberFormat m_format;
    std::unique_ptr<Form1> m_form;
    QStringList m_prompts;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // No calculator is found, so none is started: an empty folder is the whole search path.
    static QTemporaryDir nowhere;
    qputenv("PATH", nowhere.path().toLocal8Bit());
    new QApplication(*argc, *argv); // kept to the end: Qt's own statics go before it otherwise
    toolkit::installAccessibleFactory(); // as start-up does
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr int kMaxSteps = 24;
    std::string_view input(reinterpret_cast<const char *>(data), size);
    std::unique_ptr<Driver> driver;
    for (int steps = 0; !input.empty() && steps < kMaxSteps; ++steps) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end, input.size() - 1) + 1);
        if (line.empty())
            continue;
        if (!driver)
            driver = std::make_unique<Driver>(
                kSettings[line[0] == 'l' ? pick(line.substr(1), kSettings.size()) : 0]);
        driver->step(line[0], line.substr(1));
    }
    return 0;
}
