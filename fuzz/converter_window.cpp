// The converter window driven offscreen as a user might, one step an input line:
//   l<a-g>  the language and number format, before the first other step
//   t<text> type into the entry box          p<text>  paste into the entry box
//   u<text> type into the unit box           i<a-k>   pick a unit from the list
//   k<a-i>  a key on the focused control     r        Return in the entry box
//   c       click Calculate                  w<a-h>   a window command
// Fails on a crash, a sanitizer report, or a window that disagrees with a fresh conversion of
// what its boxes showed before the step.
#include "engine_support.h"
#include "enginetexts.h"
#include "form1.h"
#include "language.h"
#include "memory_form.h"
#include "toolkit.h"

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

constexpr std::array<QKeyCombination, 9> kKeys = {
    QKeyCombination(Qt::Key_Return),
    QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter),
    QKeyCombination(Qt::Key_Tab),
    QKeyCombination(Qt::Key_Backspace),
    QKeyCombination(Qt::Key_Escape),
    QKeyCombination(Qt::Key_Home),
    QKeyCombination(Qt::ControlModifier, Qt::Key_A),
    QKeyCombination(Qt::ControlModifier, Qt::Key_M),
    QKeyCombination(Qt::Key_Down),
};

// The window commands but Exit, by object name: menu items, a toolbar button, the maker's label.
constexpr std::array<const char *, 8> kCommands
    = {"mnufileabout", "mnutoolsformula", "mnutoolsdecimals", "mnuregwarrant",
       "mnuhelphow",   "mnutoolscalc",    "Formulas",         "Label6"};

// Types each character as its own key press, any character (QTest's key clicks take ASCII only).
void type(QWidget *box, const QString &text)
{
    for (const QChar character : text) {
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
        const Shown before = shown();
        m_prompts.clear();
        const QString text = QString::fromUtf8(arg.data(), static_cast<qsizetype>(arg.size()));
        switch (kind) {
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
            if (QWidget *focused = m_form->focusWidget())
                QTest::keyClick(focused, kKeys[pick(arg, kKeys.size())].key(),
                                kKeys[pick(arg, kKeys.size())].keyboardModifiers());
            break;
        case 'r':
            QTest::keyClick(box("txtenter"), Qt::Key_Return);
            break;
        case 'c':
            QTest::mouseClick(m_form->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            break;
        case 'w':
            return command(kCommands[pick(arg, kCommands.size())], before);
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
