// Every window as a user meets it, in each of the program's languages and under a light and a
// dark desktop palette: at its English size, each text inside its box and in the program's faces,
// each text, line and glyph readable on what is drawn behind it, its keys unique and unchanged,
// and every control named for screen readers. Which catalog the desktop's settings choose, and
// units that convert by their name in the language or in English only.
#include "command.h"
#include "language.h"
#include "widgettest.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QFontInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {

// The contrast ratio of two colours, by WCAG 2.
double contrast(const QColor &a, const QColor &b)
{
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const auto luminance = [&](const QColor &c) {
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)}); // values, not references
    return (light + 0.05) / (dark + 0.05);
}

// The lowest contrast of `ink` against what is drawn behind `area` of a control: the window and
// each widget that holds the control, and the control itself with its own text, line or glyph
// made invisible; not its siblings.
double lowestContrast(QWidget *control, const QColor &ink, const QRect &area)
{
    const QPalette kept = control->palette();
    QPalette hidden = kept;
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        hidden.setColor(role, Qt::transparent);
    control->setPalette(hidden);
    QImage drawn(area.size(), QImage::Format_ARGB32);
    QWidgetList layers = {control};
    while (!layers.first()->isWindow())
        layers.prepend(layers.first()->parentWidget());
    for (QWidget *layer : layers) {
        const auto flags = layer->isWindow() ? QWidget::DrawWindowBackground
            : layer == control               ? QWidget::DrawChildren
                                             : QWidget::RenderFlags();
        if (layer != control || !control->objectName().startsWith("Image")) // a glyph is left out whole
            layer->render(&drawn, QPoint(),
                          QRegion(QRect(control->mapTo(layer, area.topLeft()), area.size())), flags);
    }
    control->setPalette(kept);
    double lowest = 21;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            lowest = std::min(lowest, contrast(ink, drawn.pixelColor(x, y)));
    return lowest;
}

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
    QStringList
        faults; // unreadable, unnamed or cut controls, faces that did not resolve, menus off the bar's row
    QList<QString> keys; // the access keys of each scope: the window's own, then each menu's
    QHash<QString, QString> tips; // each control's tooltip, by its place
};

// The roles of the controls a screen reader reads out by name: buttons, boxes, frames, pictures.
const QSet<QAccessible::Role> kNamedRoles
    = {QAccessible::PushButton, QAccessible::ButtonMenu, QAccessible::ComboBox, QAccessible::EditableText,
       QAccessible::List,       QAccessible::Grouping,   QAccessible::Border,   QAccessible::Graphic};

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
        const auto fit = [&](QString text, int room, int item = 0, int padding = 0) {
            if (text.isEmpty())
                return;
            const QString face = widget->font().families().value(0);
            const int needed = widget->fontMetrics().horizontalAdvance(text.remove('&')) + padding;
            if (QFontInfo(widget->font()).family() != face || needed <= padding)
                seen.faults << QStringLiteral("\"%1\" not drawn in %2").arg(text, face);
            else if (needed > room)
                seen.excess.insert(QStringLiteral("%1 %2").arg(place).arg(item), {needed - room, text});
        };
        // Every control a screen reader reads by name has one, hidden ones too; pictures are
        // graphics; a result box goes by its frame's caption.
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
        const QString name = reader->text(QAccessible::Name);
        const auto *frame = qobject_cast<QGroupBox *>(widget->parent());
        if ((kNamedRoles.contains(reader->role()) && name.trimmed().isEmpty())
            || (widget->inherits("toolkit::PictureBox") && reader->role() != QAccessible::Graphic))
            seen.faults << QStringLiteral("a %1 %2 has no name")
                               .arg(widget->metaObject()->className(), widget->objectName());
        if (const auto *box = qobject_cast<QLineEdit *>(widget);
            frame && box && box->isReadOnly() && name != frame->title())
            seen.faults << QStringLiteral("%1 is named %2 in the frame %3")
                               .arg(widget->objectName(), name, frame->title());
        seen.tips.insert(QString::number(place), widget->toolTip());
        const auto *edit = qobject_cast<QLineEdit *>(widget); // a box typed into is named by its label
        if ((qobject_cast<QComboBox *>(widget)
             || (edit && !edit->isReadOnly() && !edit->parent()->inherits("QComboBox")))
            && reader->relations(QAccessible::Label).isEmpty())
            seen.faults << widget->objectName() + " has no label";
        if (!widget->isVisibleTo(window))
            continue;
        // Where each text, line or glyph (the pictures of a sign, named "Image...") is drawn, and in what.
        const QPalette &colours = widget->palette();
        const QFontMetrics metrics = widget->fontMetrics();
        QColor ink = colours.color(QPalette::Text);
        QRect area;
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            const QRect room = label->contentsRect();
            const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect drawn = metrics.boundingRect(room, flags, label->text());
            ink = colours.color(label->foregroundRole());
            area = drawn & room;
            if (!label->wordWrap())
                fit(label->text(), room.width());
            // Every line whole, a descender too, and a wrapped label broken only where a run of
            // blanks breaks it.
            const qsizetype lines = label->text().split(QRegularExpression("  +")).size();
            if (drawn.height() > room.height())
                seen.faults << QStringLiteral("\"%1\" cut off by %2 px")
                                   .arg(label->text())
                                   .arg(drawn.height() - room.height());
            else if (label->wordWrap()
                     && (drawn.height() + metrics.leading()) / metrics.lineSpacing() != lines)
                seen.faults
                    << QStringLiteral("\"%1\" not on %2 lines").arg(label->text().simplified()).arg(lines);
        } else if (auto *frame = qobject_cast<QGroupBox *>(widget); frame && !frame->title().isEmpty()) {
            fit(frame->title(), frame->width(), 0, 2 * metrics.averageCharWidth());
            ink = colours.color(QPalette::WindowText);
            area = QRect(0, 0, metrics.horizontalAdvance(frame->title()) + 8, metrics.height());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            fit(button->text(), button->contentsRect().width(), 0, 4);
            seen.keys[0] += key(button->text());
            ink = colours.color(QPalette::ButtonText);
            area = metrics.boundingRect(QString(button->text()).remove('&'));
            area.moveCenter(button->rect().center());
            if (auto *tool = qobject_cast<QToolButton *>(button);
                tool && tool->autoRaise()) // text under a picture
                area = QRect(0, button->height() - metrics.height(), button->width(), metrics.height());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                fit(combo->itemText(i), combo->lineEdit()->width(), i);
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
            area = box->viewport()->geometry();
        } else if (auto *list = qobject_cast<QListWidget *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                fit(list->item(i)->text(), list->viewport()->width(), i, 4);
            area = list->viewport()->geometry();
        } else if (qobject_cast<QLineEdit *>(widget)) {
            area = widget->rect().adjusted(3, 3, -3, -3); // inside its frame
        } else if (widget->inherits("toolkit::Line")) {
            ink = colours.color(QPalette::WindowText);
            area = QRect(widget->rect().center(), QSize(1, 1));
        } else if (widget->objectName().startsWith("Image")) {
            ink = colours.color(widget->foregroundRole()); // a sign's ink, drawn like text
            area = widget->rect();
        }
        if (const double ratio = area.isEmpty() ? 21 : lowestContrast(widget, ink, area);
            ratio < 4.5) // WCAG AA
            seen.faults << QStringLiteral("%1 reads at %2:1").arg(widget->objectName()).arg(ratio, 0, 'f', 2);
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
    return seen;
}

} // namespace

class WindowsTest : public QObject
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

    // A text that names no unit converts nothing and says so, once, in the language: the empty
    // unit text first replaced by a substitute that names no unit either.
    void units_convert_by_their_name_in_the_language_or_in_english_only()
    {
        QVERIFY(languages().size() > 1);
        for (const QString &catalog : languages()) {
            QObject speaking;
            QCOMPARE(language::install(&speaking, {catalog}), catalog);
            Harness h;
            QStringList items, english;
            for (const convert::UnitInfo &unit : convert::kUnits)
                items << h.combo()->itemText(int(convert::indexOf(unit.unit))), english << unit.text.data();
            // What a conversion of 1 from the unit typed as `typed` leaves in that unit's box, and
            // the messages it showed.
            const auto convert = [&h](const QString &typed, qsizetype unit) {
                for (QLineEdit *box : h.find("Frame1")->findChildren<QLineEdit *>())
                    box->clear();
                h.prompts.clear();
                h.enter("1", typed);
                QTest::mouseClick(h.calculate(), Qt::LeftButton);
                return h.text(convert::kUnits[unit].boxName.data()) + h.prompts.join('|');
            };
            const QString noUnit = QCoreApplication::translate("Prompts", convert::kEmptyUnitPrompt.data());
            QCOMPARE(catalog.isEmpty(), noUnit == convert::kEmptyUnitPrompt.data());
            // Each unit by its name in the language and in English: two units of one name would
            // give one of them the other's result.
            for (qsizetype unit = 0; unit < items.size(); ++unit) {
                QCOMPARE(convert(items[unit], unit) + convert(english[unit], unit), "1.001.00");
                QCOMPARE(convert(items[unit].toUpper(), unit) + convert(items[unit] + ' ', unit),
                         noUnit + noUnit);
            }
            QCOMPARE(convert("", 0), noUnit);
            const QString substitute = h.combo()->currentText();
            QVERIFY(!substitute.isEmpty() && !items.contains(substitute) && !english.contains(substitute));
            QCOMPARE(convert(substitute, 0), noUnit);
            QCOMPARE(catalog.isEmpty(), substitute == convert::kUnitSubstitute.data());
        }
    }

    void every_window_in_every_language_and_palette_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("dark");
        for (const auto &[window, make] : kWindows)
            for (const bool dark : {false, true})
                QTest::addRow("%s %s", qPrintable(window), dark ? "dark" : "light") << window << dark;
    }

    // A text may overrun its box only where the English one overruns it as far (the stand-in
    // faces are wider than those the layout was drawn for); access keys may be shared only where
    // the English shares them (on purpose).
    void every_window_in_every_language_and_palette()
    {
        QFETCH(QString, window);
        QFETCH(bool, dark);
        // From a dark button colour Qt derives a dark palette, as a desktop's dark theme gives.
        QApplication::setPalette(dark ? QPalette(QColor(0x35, 0x35, 0x35))
                                      : QApplication::style()->standardPalette());
        const auto look = [&window] {
            const std::unique_ptr<QWidget> shown(open(window));
            if (QWidget *focused = shown->focusWidget())
                focused->clearFocus(); // a caret is no part of what is behind the text
            return see(shown.get());
        };
        const Seen english = look();
        QStringList faults; // every language's, in one run
        for (const QString &catalog : languages()) {
            QObject speaking;
            QCOMPARE(language::install(&speaking, {catalog}), catalog);
            const Seen seen = look();
            QStringList found = seen.faults;
            for (auto [place, excess] : seen.excess.asKeyValueRange())
                if (excess.first > english.excess.value(place).first)
                    found << QStringLiteral("\"%1\" by %2 px").arg(excess.second).arg(excess.first);
            // A tooltip the catalog translates shows translated.
            for (auto [place, tip] : english.tips.asKeyValueRange())
                if (const QString own = QCoreApplication::translate(qPrintable(window), qPrintable(tip));
                    own != tip && seen.tips.value(place) != own)
                    found << QStringLiteral("tooltip \"%1\" for \"%2\"").arg(seen.tips.value(place), own);
            if (seen.size != english.size || seen.keys.size() != english.keys.size())
                found << QStringLiteral("%1x%2 with %3 key scopes")
                             .arg(seen.size.width())
                             .arg(seen.size.height())
                             .arg(seen.keys.size());
            for (qsizetype scope = 0; scope < std::min(seen.keys.size(), english.keys.size()); ++scope) {
                const QString &keys = seen.keys[scope], &englishKeys = english.keys[scope];
                bool clash = keys.size() != englishKeys.size();
                for (qsizetype a = 0; a < keys.size() && !clash; ++a)
                    for (qsizetype b = a + 1; b < keys.size() && !clash; ++b)
                        clash = keys[a] == keys[b] && englishKeys[a] != englishKeys[b];
                if (clash)
                    found << "access keys " + keys;
            }
            for (const QString &fault : found)
                faults << QStringLiteral("%1: %2").arg(catalog.isEmpty() ? "en" : catalog, fault);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }
};

SPOONWISE_WIDGET_TEST_MAIN(WindowsTest)
#include "windows_test.moc"
