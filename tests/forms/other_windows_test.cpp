// The windows besides the converter: the title window at start, with what ends the program, and
// the about, formulas, warranty and fractions windows: content, focus, keys, closing.
#include "widgettest.h"

#include <QScrollBar>
#include <QSignalSpy>

namespace {

QPointer<QWidget> open(const QString &name)
{
    QWidget *window = newWindow(name);
    showActive(window); // the focus checks fail where it is not
    return window;
}

} // namespace

class OtherWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    // Focus starts on the lowest tab index and Tab cycles; each key goes to that first control.
    void focus_and_keys()
    {
        // the window, its tab chain, the keys that close it
        const QList<std::tuple<QString, QStringList, QList<int>>> rows
            = {{"Form0", {"Exit", "mypic", "Picture1"}, {Qt::Key_Return, Qt::Key_Space}},
               {"Form2", {"Exit", "Measure", "Weight"}, {Qt::Key_Return, Qt::Key_Space}},
               {"Form5", {"text1", "command1"}, {}},
               {"Form6", {"Text1"}, {}}};
        for (const auto &[name, chain, closingKeys] : rows) {
            QPointer<QWidget> window = open(name);
            for (int i = 0; i <= chain.size(); ++i) {
                QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(i % chain.size()));
                if (i < chain.size())
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Space)}) {
                window = window ? window : open(name);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
                QTRY_COMPARE(window.isNull(), closingKeys.contains(key));
            }
            delete window;
        }
    }

    // The photograph is drawn unscaled from its top-left corner, pixel for pixel from its sharper
    // rendering on a screen scaled to 200 %. Texts start at the top of labels taller than a line.
    void about_shows_its_photo_sharp_and_its_texts_from_the_top()
    {
        Form0 about;
        for (const char *name : {"Label2", "Label4"}) {
            const QImage top = child(&about, name)->grab().toImage().copy(0, 0, 100, 6);
            QImage blank(top);
            blank.fill(top.pixel(0, 0));
            QVERIFY2(top != blank, name);
        }
        for (const auto &[ratio, file] :
             {std::pair(1, ":/pictures/photo.jpg"), {2, ":/pictures/photo@2x.jpg"}}) {
            QImage shown(child(&about, "mypic")->size() * ratio, QImage::Format_RGB32);
            shown.setDevicePixelRatio(ratio);
            child(&about, "mypic")->render(&shown);
            for (const QPoint point : {QPoint(1, 1), QPoint(104, 112) * ratio})
                QCOMPARE(shown.pixelColor(point), QImage(file).pixelColor(point));
        }
    }

    void warranty_text_is_read_only()
    {
        QPointer<QWidget> warranty = open("Form5");
        const auto *heading = child<QLabel>(warranty, "Label1"); // a whole line: no descender cut off
        QVERIFY(heading->height() >= heading->fontMetrics().height());
        auto *text = child<QPlainTextEdit>(warranty, "text1");
        const QString before = text->toPlainText();
        QTest::keyClicks(text, QStringLiteral("xyz"));
        for (const auto key : {Qt::Key_Delete, Qt::Key_End, Qt::Key_Backspace})
            QTest::keyClick(text, key);
        QTest::keySequence(text, QKeySequence::Paste);
        QCOMPARE(text->toPlainText(), before);
        QVERIFY(text->textCursor().position() > 0); // the caret moved
        delete warranty;
    }

    // Editable, in its own back colour; only the "Done" key and "&Hide" close it; nothing edited
    // survives.
    void fractions_table_closing_and_reopening()
    {
        QPointer<QWidget> fractions = open("Form6");
        auto *text = child<QPlainTextEdit>(fractions, "Text1");
        const QString table = text->toPlainText();
        const QImage shown = text->viewport()->grab().toImage();
        QCOMPARE(shown.pixelColor(shown.width() - 2, shown.height() - 2),
                 text->palette().color(text->backgroundRole()));
        QTest::keyClicks(text, QStringLiteral("edited"));
        QTest::keyClick(text, Qt::Key_Return); // a line break, not a close
        QCOMPARE(text->toPlainText(), "edited\n" + table);
        auto *toolbar = child<toolkit::KeyedToolBar>(fractions, "Toolbar1");
        QAction other(QStringLiteral("done")); // the key, in other case
        other.setData(other.text());
        emit toolbar->buttonClick(&other);
        QVERIFY(fractions->isVisible());
        QTest::mouseClick(toolbar->widgetForAction(toolbar->button("Done")), Qt::LeftButton);
        QTRY_VERIFY(fractions.isNull());
        fractions = open("Form6");
        QCOMPARE(child<QPlainTextEdit>(fractions, "Text1")->toPlainText(), table);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier); // the "&Hide" command
        QTRY_VERIFY(fractions.isNull());
    }

    void reopened_formulas_start_unselected_at_the_top()
    {
        for (const int row : {11, -1}) {
            QPointer<QWidget> formulas = open("Form2");
            auto *list = child<QListWidget>(formulas, "Measure");
            QCOMPARE(list->selectedItems().size() + list->verticalScrollBar()->value(), 0);
            list->setCurrentRow(row);
            QCOMPARE(list->verticalScrollBar()->value() > 0, row > 0);
            formulas->close();
            QTRY_VERIFY(formulas.isNull());
        }
    }

    // A thin border of its own around the client area, whatever frames the desktop gives.
    void title_window_draws_its_own_border()
    {
        Form4 title;
        QVERIFY(!(title.windowFlags() & Qt::WindowTitleHint));
        const QImage shown = title.grab().toImage();
        const QPoint last(shown.width() - 1, shown.height() - 1);
        for (const QPoint edge :
             {QPoint(0, 0), QPoint(last.x(), last.y() / 2), QPoint(last.x() / 2, last.y())})
            QCOMPARE(shown.pixelColor(edge), title.palette().color(QPalette::WindowText));
        QVERIFY(shown.pixelColor(1, 1) != title.palette().color(QPalette::WindowText));
    }

    // Both open centred on the screen; a reference window closed while the main window is hidden
    // does not end the program, closing the main window does.
    void ok_leads_into_the_converter_and_only_the_main_window_ends_the_program()
    {
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QPointer<Form4> title = toolkit::instance<Form4>();
        QPointer<Form1> main;
        QString seen;
        QTimer::singleShot(0, title, [&] {
            QVERIFY(showActive(title) && centredOn(title, screenCentre));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the focus starts on OK
            main = toolkit::instance<Form1>();
            QVERIFY(QTest::qWaitForWindowExposed(main) && centredOn(main, screenCentre));
            whenModal([](QWidget *about) {
                QVERIFY(about);
                about->close();
            });
            child<QAction>(main, "mnufileabout")->trigger();
            seen = QStringLiteral("%1|%2").arg(main->isVisible()).arg(lastClosed.count());
            main->close(); // by its frame: the end of the program
        });
        toolkit::centre(title); // as the program starts
        title->show();
        QCOMPARE(runUntilTheProgramEnds(), 0);
        QCOMPARE(seen, QStringLiteral("1|0"));
        QCOMPARE(lastClosed.count(), 1);
        QVERIFY(title.isNull());
        QTRY_VERIFY(main.isNull());
    }

    void closing_the_title_window_ends_the_program()
    {
        QPointer<Form4> title = toolkit::instance<Form4>();
        title->show();
        QTimer::singleShot(0, title, [&] { title->close(); });
        QCOMPARE(runUntilTheProgramEnds(), 0);
        QTRY_VERIFY(title.isNull());
    }
};

QTEST_MAIN(OtherWindowsTest)
#include "other_windows_test.moc"
