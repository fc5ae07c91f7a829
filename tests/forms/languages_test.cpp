// The program in each of its languages: which catalog the desktop's settings choose, units that
// convert by their name in the language or in English only, and every window at its English size
// with each text inside its box, in the program's faces, and its keys unique and unchanged.
#include "command.h"
#include "language.h"
#include "widgettest.h"

#include <QFontInfo>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QStyleOptionGroupBox>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {

// The program's catalog and Qt's own for one language while it lives; none for English.
class Speaking
{
public:
    explicit Speaking(const QString &catalog)
    {
        loaded = catalog.isEmpty()
            || (m_own.load("spoonwise_" + catalog, ":/i18n")
                && m_qt.load("qtbase_" + catalog, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        for (QTranslator *translator : {&m_own, &m_qt})
            QCoreApplication::installTranslator(translator);
    }
    ~Speaking()
    {
        for (QTranslator *translator : {&m_own, &m_qt})
            QCoreApplication::removeTranslator(translator);
    }
    Q_DISABLE_COPY_MOVE(Speaking)
    bool loaded = false;

private:
    QTranslator m_own;
    QTranslator m_qt;
};

void addLanguageRows()
{
    QTest::addColumn<QString>("catalog");
    for (const QString &catalog : QStringList {QString()} + language::compiledCatalogs())
        QTest::addRow("%s", catalog.isEmpty() ? "en" : qPrintable(catalog)) << catalog;
}

std::unique_ptr<QWidget> build(const QString &name)
{
    const QList<std::function<QWidget *()>> windows = {[] { return new Form0; },
                                                       [] { return new Form1; },
                                                       [] { return new Form2; },
                                                       [] { return new Form4; },
                                                       [] { return new Form5; },
                                                       [] {
                                                           return new Form6;
                                                       }};
    return std::unique_ptr<QWidget>(
        windows.at(QStringList({"Form0", "Form1", "Form2", "Form4", "Form5", "Form6"}).indexOf(name))());
}

QString shown(QString caption)
{
    return caption.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

// The access keys of captions, as a caption names them ("&File" gives F); `&&` is an ampersand.
QString accessKeys(const QStringList &captions)
{
    QString keys;
    for (const QString &caption : captions) {
        const qsizetype at = QString(caption).replace("&&", "__").indexOf('&');
        if (at >= 0 && at + 1 < caption.size())
            keys += caption.at(at + 1).toUpper();
    }
    return keys;
}

// The captions of a window's scope: its menu titles and its buttons, or one menu's items.
QList<QStringList> keyScopes(QWidget *window)
{
    QStringList own;
    QList<QStringList> scopes;
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        for (QAction *title : main->menuBar()->actions()) {
            own << title->text();
            if (title->menu()) {
                QStringList items;
                for (QAction *item : title->menu()->actions())
                    items << item->text();
                scopes << items;
            }
        }
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        own << button->text();
    return scopes << own;
}

// What a window's texts need beyond their boxes (wider, or taller where they wrap), in pixels, by
// the place of the widget and item; and a note for each text in a face that did not resolve.
struct Overflow
{
    QHash<QString, int> excess; // by "widget item"
    QHash<QString, QString> texts;
    QStringList faults;
};

Overflow overflowing(QWidget *window)
{
    Overflow found;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (qsizetype place = 0; place < widgets.size(); ++place) {
        QWidget *widget = widgets[place];
        const QFontMetrics metrics = widget->fontMetrics();
        const auto check = [&](const QString &text, int needed, int room, int item = 0) {
            const QString face = widget->font().families().value(0);
            if (QFontInfo(widget->font()).family() != face || needed <= 0)
                found.faults << QStringLiteral("\"%1\" not drawn in %2").arg(text, face);
            else if (needed > room) {
                const QString key = QStringLiteral("%1 %2").arg(place).arg(item);
                found.excess.insert(key, needed - room);
                found.texts.insert(key, widget->objectName() + " \"" + text + '"');
            }
        };
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            const QRect room = label->contentsRect();
            if (label->wordWrap())
                check(label->text(), metrics.boundingRect(room, Qt::TextWordWrap, label->text()).height(),
                      room.height());
            else
                check(label->text(), metrics.horizontalAdvance(shown(label->text())), room.width());
        } else if (auto *frame = qobject_cast<QGroupBox *>(widget); frame && !frame->title().isEmpty()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const int left
                = frame->style()
                      ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
                      .left();
            check(frame->title(), left + metrics.horizontalAdvance(shown(frame->title())),
                  frame->width() - left);
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget);
                   button && !button->text().isEmpty()) {
            check(button->text(), metrics.horizontalAdvance(shown(button->text())) + 4,
                  button->contentsRect().width());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                check(combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)),
                      combo->lineEdit()->width(), i);
        } else if (auto *list = qobject_cast<QListWidget *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                check(list->item(i)->text(), metrics.horizontalAdvance(list->item(i)->text()) + 4,
                      list->viewport()->width(), i);
        }
    }
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        QMenuBar *bar = main->menuBar();
        for (QAction *title : bar->actions()) { // one row, inside the window
            const QRect place = bar->actionGeometry(title);
            if (place.top() != bar->actionGeometry(bar->actions().first()).top()
                || place.right() >= bar->width())
                found.faults << QStringLiteral("menu %1 outside the menu bar's row").arg(title->text());
        }
    }
    return found;
}

QHash<QString, QKeySequence> shortcuts(QWidget *window)
{
    QHash<QString, QKeySequence> found;
    for (QAction *action : window->findChildren<QAction *>())
        found.insert(action->objectName(), action->shortcut());
    return found;
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void the_desktops_languages_choose_the_catalog_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("catalog");
        QTest::newRow("English first") << QStringList {"en-US", "en", "de", "de-DE"} << "";
        QTest::newRow("German") << QStringList {"de", "de-Latn-DE", "de-DE"} << "de";
        QTest::newRow("a territory without its own catalog") << QStringList {"de-AT"} << "de";
        QTest::newRow("Brazilian Portuguese") << QStringList {"pt-BR"} << "pt_BR";
        QTest::newRow("Portuguese implies Brazil") << QStringList {"pt"} << "pt_BR";
        QTest::newRow("European Portuguese") << QStringList {"pt-PT", "pt-Latn-PT"} << "";
        QTest::newRow("European Portuguese, then French") << QStringList {"pt-PT", "fr-CA"} << "fr";
        QTest::newRow("C") << QStringList {"C"} << "";
        QTest::newRow("POSIX with a codeset") << QStringList {"POSIX", "it"} << "";
        QTest::newRow("unknown, then Dutch") << QStringList {"xx-YY", "xx", "nl_NL.UTF-8"} << "nl";
        QTest::newRow("unknown alone") << QStringList {"xx"} << "";
        QTest::newRow("a modifier") << QStringList {"es_ES@euro"} << "es";
        QTest::newRow("none") << QStringList {} << "";
    }
    void the_desktops_languages_choose_the_catalog()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, catalog);
        QCOMPARE(language::chooseCatalog(uiLanguages, {"de", "es", "fr", "it", "nl", "pt_BR"}), catalog);
    }

    void units_convert_by_their_name_in_the_language_or_in_english_only_data() { addLanguageRows(); }
    void units_convert_by_their_name_in_the_language_or_in_english_only()
    {
        QFETCH(QString, catalog);
        const Speaking speaking(catalog);
        QVERIFY(speaking.loaded);
        Form1 form;
        QStringList prompts;
        form.setMessageSink([&prompts](const QString &prompt) { prompts << prompt; });
        auto *units = child<QComboBox>(&form, "Combo1");
        QStringList items, english;
        for (const convert::UnitInfo &unit : convert::kUnits)
            items << units->itemText(int(convert::indexOf(unit.unit))), english << toolkit::text(unit.text);
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
        // What a conversion from `unit` typed as `typed` leaves in that unit's box.
        const auto convert = [&](const QString &typed, int unit) {
            for (const convert::UnitInfo &info : convert::kUnits)
                child<QLineEdit>(&form, toolkit::text(info.boxName))->clear();
            child<QLineEdit>(&form, "txtenter")->setText("1");
            units->setEditText(typed);
            QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
            return child<QLineEdit>(&form, toolkit::text(convert::kUnits[unit].boxName))->text();
        };
        for (int unit = 0; unit < items.size(); ++unit) {
            for (int other = 0; other < english.size(); ++other)
                QVERIFY2(other == unit || items[unit] != english[other], qPrintable(items[unit]));
            QCOMPARE(convert(items[unit], unit), "1.00");
            QCOMPARE(convert(english[unit], unit), "1.00");
            QCOMPARE(convert(items[unit].toUpper(), unit), "");
            QCOMPARE(convert(items[unit] + ' ', unit), "");
        }
        // The substitute for an empty unit text, in the language, names no unit either way.
        QCOMPARE(convert("", 0), "");
        const QString substitute = units->currentText();
        QVERIFY(!substitute.isEmpty() && !items.contains(substitute) && !english.contains(substitute));
        QCOMPARE(convert(substitute, 0), "");
        QCOMPARE(prompts.size(), 1);
        QCOMPARE(catalog.isEmpty(), prompts.first() == toolkit::text(convert::kEmptyUnitPrompt));
        QCOMPARE(catalog.isEmpty(), substitute == toolkit::text(convert::kUnitSubstitute));
    }

    void every_window_keeps_its_size_keys_and_shortcuts_and_its_texts_fit_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("catalog");
        for (const char *window : {"Form1", "Form0", "Form2", "Form4", "Form5", "Form6"}) {
            for (const QString &catalog : QStringList {QString()} + language::compiledCatalogs())
                QTest::addRow("%s %s", window, catalog.isEmpty() ? "en" : qPrintable(catalog))
                    << QString(window) << catalog;
        }
    }
    void every_window_keeps_its_size_keys_and_shortcuts_and_its_texts_fit()
    {
        QFETCH(QString, window);
        QFETCH(QString, catalog);
        const std::unique_ptr<QWidget> english = build(window);
        english->show();
        const Speaking speaking(catalog);
        QVERIFY(speaking.loaded);
        const std::unique_ptr<QWidget> translated = build(window);
        translated->show();
        QVERIFY(QTest::qWaitForWindowExposed(translated.get()));
        QCOMPARE(translated->size(), english->size());
        // A text may overrun its box only where the English one overruns it as far (a stand-in face
        // is wider than the face the layout was drawn for).
        const Overflow found = overflowing(translated.get()), englishFound = overflowing(english.get());
        QStringList faults = found.faults;
        for (auto [place, excess] : found.excess.asKeyValueRange()) {
            if (excess > englishFound.excess.value(place))
                faults << QStringLiteral("%1 by %2 px").arg(found.texts[place]).arg(excess);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        QCOMPARE(shortcuts(translated.get()), shortcuts(english.get()));
        // Access keys differ within each scope, but where the English shares one (on purpose).
        const QList<QStringList> scopes = keyScopes(translated.get()),
                                 englishScopes = keyScopes(english.get());
        for (qsizetype i = 0; i < scopes.size(); ++i) {
            const QString keys = accessKeys(scopes[i]), englishKeys = accessKeys(englishScopes[i]);
            QCOMPARE(keys.size(), englishKeys.size());
            for (qsizetype a = 0; a < keys.size(); ++a)
                for (qsizetype b = a + 1; b < keys.size(); ++b)
                    QVERIFY2(keys[a] != keys[b] || englishKeys[a] == englishKeys[b],
                             qPrintable(scopes[i].join(' ')));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
