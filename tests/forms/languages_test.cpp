// The program in each of its languages: which catalog the desktop's settings choose, units that
// convert by their name in the language or in English only, and every window at its English size
// with each text inside its box, in the program's faces, its keys unique and unchanged, and
// every control named for screen readers.
#include "command.h"
#include "language.h"
#include "widgettest.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextLayout>
#include <QTranslator>

#include <memory>

namespace {

// The program's catalog and Qt's own for one language while it lives; none for English.
struct Speaking
{
    explicit Speaking(const QString &catalog)
        : loaded(catalog.isEmpty()
                 || (own.load("spoonwise_" + catalog, ":/i18n")
                     && qt.load("qtbase_" + catalog, QLibraryInfo::path(QLibraryInfo::TranslationsPath))))
    {
        QCoreApplication::installTranslator(&own), QCoreApplication::installTranslator(&qt);
    }
    ~Speaking() { QCoreApplication::removeTranslator(&own), QCoreApplication::removeTranslator(&qt); }
    Q_DISABLE_COPY_MOVE(Speaking)
    QTranslator own, qt;
    bool loaded;
};

// English, then every language compiled in (the resources are there only once main() runs).
QStringList languages()
{
    return QStringList {QString()} + language::compiledCatalogs();
}

// What a user meets of a window's texts and keys.
struct Seen
{
    QSize size;
    QHash<QString, std::pair<int, QString>> excess; // beyond its box: pixels, or a text box's lines
    QStringList faults; // texts in faces that did not resolve, menus off the bar's row, unnamed controls
    QList<QString> keys; // the access keys of each scope: the window's own, then each menu's
    QHash<QString, QKeySequence> shortcuts;
};

Seen see(QWidget *window)
{
    Seen seen {window->size(), {}, {}, {QString()}, {}};
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    const auto key = [](const QString &caption) {
        const qsizetype at = QString(caption).replace("&&", "__").indexOf('&');
        return at >= 0 && at + 1 < caption.size() ? QString(caption.at(at + 1).toUpper()) : QString();
    };
    for (qsizetype place = 0; place < widgets.size(); ++place) {
        QWidget *widget = widgets[place];
        const auto check = [&](QString text, int room, int item = 0, int padding = 0) {
            if (text.isEmpty())
                return;
            const QString face = widget->font().families().value(0);
            const int needed = widget->fontMetrics().horizontalAdvance(text.remove('&')) + padding;
            if (QFontInfo(widget->font()).family() != face || needed <= padding)
                seen.faults << QStringLiteral("\"%1\" not drawn in %2").arg(text, face);
            else if (needed > room)
                seen.excess.insert(QStringLiteral("%1 %2").arg(place).arg(item), {needed - room, text});
        };
        // Every control a user reads or operates has a name; pictures are graphics.
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
        if ((!widget->objectName().contains(QRegularExpression("^(qt_|Line|Frame|Toolbar|$)"))
             && reader->text(QAccessible::Name).trimmed().isEmpty())
            || (widget->inherits("toolkit::PictureBox") && reader->role() != QAccessible::Graphic))
            seen.faults << widget->objectName() + " has no name";
        const auto *edit = qobject_cast<QLineEdit *>(widget); // a box typed into is named by its label
        if ((qobject_cast<QComboBox *>(widget)
             || (edit && !edit->isReadOnly() && !edit->parent()->inherits("QComboBox")))
            && reader->relations(QAccessible::Label).isEmpty())
            seen.faults << widget->objectName() + " has no label";
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->wordWrap()) {
            const QRect room = label->contentsRect();
            const int high
                = label->fontMetrics().boundingRect(room, Qt::TextWordWrap, label->text()).height();
            if (high > room.height())
                seen.excess.insert(QString::number(place), {high - room.height(), label->text()});
        } else if (label && !label->text().isEmpty()) {
            check(label->text(), label->contentsRect().width());
        } else if (auto *frame = qobject_cast<QGroupBox *>(widget); frame && !frame->title().isEmpty()) {
            check(frame->title(), frame->width(), 0, 2 * frame->fontMetrics().averageCharWidth());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget);
                   button && !button->text().isEmpty()) {
            check(button->text(), button->contentsRect().width(), 0, 4);
            seen.keys[0] += key(button->text());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                check(combo->itemText(i), combo->lineEdit()->width(), i);
        } else if (auto *box = qobject_cast<QPlainTextEdit *>(widget)) {
            int lines = 0; // as the box lays out each paragraph at its width
            for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
                box->document()->documentLayout()->blockBoundingRect(block);
                const int wrapped = block.layout()->lineCount();
                lines += wrapped;
                if (wrapped > 1)
                    seen.excess.insert(QStringLiteral("%1 %2").arg(place).arg(block.blockNumber()),
                                       {wrapped - 1, block.text()});
            }
            const int room = box->viewport()->height() / box->fontMetrics().lineSpacing();
            if (lines > room)
                seen.excess.insert(QString::number(place), {lines - room, box->toPlainText().left(40)});
        } else if (auto *list = qobject_cast<QListWidget *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                check(list->item(i)->text(), list->viewport()->width(), i, 4);
        }
    }
    if (const auto *bar = window->findChild<QMenuBar *>()) {
        for (QAction *title : bar->actions()) {
            const QRect room = bar->actionGeometry(title);
            if (room.isEmpty() || room.top() != bar->actionGeometry(bar->actions().first()).top()
                || room.right() >= bar->width())
                seen.faults << QStringLiteral("menu %1 off the menu bar's row").arg(title->text());
            seen.keys[0] += key(title->text());
            seen.keys << QString();
            for (QAction *item : title->menu() ? title->menu()->actions() : QList<QAction *>())
                seen.keys.last() += key(item->text());
        }
    }
    for (QAction *action : window->findChildren<QAction *>())
        seen.shortcuts.insert(action->objectName(), action->shortcut());
    return seen;
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installAccessibleFactory(); }

    void the_desktops_languages_choose_the_catalog()
    {
        // the desktop's languages, most wanted first, as Qt gives them; the catalog chosen
        // clang-format off
        const QList<std::pair<QStringList, QString>> rows = {
            {{"en-US", "en", "de", "de-DE"}, ""}, {{"de", "de-Latn-DE", "de-DE"}, "de"}, {{"de-AT"}, "de"},
            {{"pt-BR"}, "pt_BR"}, {{"pt"}, "pt_BR"}, {{"pt-PT", "pt-Latn-PT"}, ""}, {{"pt-PT", "fr-CA"}, "fr"},
            {{"C"}, ""}, {{"POSIX", "it"}, ""}, {{"xx-YY", "xx", "nl_NL.UTF-8"}, "nl"}, {{"xx"}, ""},
            {{"es_ES@euro"}, "es"}, {{}, ""}};
        // clang-format on
        for (const auto &[uiLanguages, catalog] : rows)
            QCOMPARE(language::chooseCatalog(uiLanguages, {"de", "es", "fr", "it", "nl", "pt_BR"}), catalog);
    }

    void units_convert_by_their_name_in_the_language_or_in_english_only()
    {
        QVERIFY(languages().size() > 1);
        for (const QString &catalog : languages()) {
            const Speaking speaking(catalog);
            QVERIFY(speaking.loaded);
            Harness h;
            QStringList items, english;
            for (const convert::UnitInfo &unit : convert::kUnits)
                items << h.combo()->itemText(int(convert::indexOf(unit.unit))), english << unit.text.data();
            QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
            // What a conversion of 1 from the unit typed as `typed` leaves in that unit's box.
            const auto convert = [&h](const QString &typed, qsizetype unit) {
                for (QLineEdit *box : h.find("Frame1")->findChildren<QLineEdit *>())
                    box->clear();
                h.enter("1", typed);
                QTest::mouseClick(h.calculate(), Qt::LeftButton);
                return h.text(convert::kUnits[unit].boxName.data());
            };
            for (qsizetype unit = 0; unit < items.size(); ++unit) {
                for (qsizetype other = 0; other < english.size(); ++other)
                    QVERIFY2(other == unit || items[unit] != english[other], qPrintable(items[unit]));
                QCOMPARE(convert(items[unit], unit) + convert(english[unit], unit), "1.001.00");
                QCOMPARE(convert(items[unit].toUpper(), unit) + convert(items[unit] + ' ', unit), "");
            }
            // The substitute for an empty unit text is in the language and names no unit either.
            QCOMPARE(convert("", 0), "");
            const QString substitute = h.combo()->currentText();
            QVERIFY(!substitute.isEmpty() && !items.contains(substitute) && !english.contains(substitute));
            QCOMPARE(convert(substitute, 0), "");
            QCOMPARE(h.prompts.size(), 1);
            QCOMPARE(catalog.isEmpty(), h.prompts.first() == convert::kEmptyUnitPrompt.data());
            QCOMPARE(catalog.isEmpty(), substitute == convert::kUnitSubstitute.data());
        }
    }

    // A text may overrun its box only where the English one overruns it as far (the stand-in
    // faces are wider than those the layout was drawn for); access keys may be shared only where
    // the English shares them (on purpose).
    void every_window_keeps_its_size_keys_and_shortcuts_and_its_texts_fit()
    {
        for (const auto &[name, make] : kWindows) {
            const auto open = [make = make] {
                const std::unique_ptr<QWidget> window(make());
                window->show();
                return QTest::qWaitForWindowExposed(window.get()) ? see(window.get()) : Seen();
            };
            const Seen english = open();
            for (const QString &catalog : languages()) {
                const Speaking speaking(catalog);
                const Seen seen = open();
                const QString where = QStringLiteral("%1 %2: ").arg(name, catalog);
                QStringList faults = seen.faults;
                for (auto [place, excess] : seen.excess.asKeyValueRange())
                    if (excess.first > english.excess.value(place).first)
                        faults << QStringLiteral("\"%1\" by %2 px").arg(excess.second).arg(excess.first);
                QVERIFY2(speaking.loaded && faults.isEmpty(), qPrintable(where + faults.join("; ")));
                QCOMPARE(seen.size, english.size);
                QCOMPARE(seen.shortcuts, english.shortcuts);
                QCOMPARE(seen.keys.size(), english.keys.size());
                for (qsizetype scope = 0; scope < seen.keys.size(); ++scope) {
                    const QString &keys = seen.keys[scope], &englishKeys = english.keys[scope];
                    QCOMPARE(keys.size(), englishKeys.size());
                    for (qsizetype a = 0; a < keys.size(); ++a)
                        for (qsizetype b = a + 1; b < keys.size(); ++b)
                            QVERIFY2(keys[a] != keys[b] || englishKeys[a] == englishKeys[b],
                                     qPrintable(where + keys));
                }
            }
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
