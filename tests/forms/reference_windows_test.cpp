// The about, formulas, warranty and fractions windows: content, focus, keys, closing.
#include "widgettest.h"

#include <QScrollBar>

namespace {

// A window as the main window opens it: deleted on close, built afresh on the next opening.
QPointer<QWidget> open(const QString &name)
{
    QWidget *window = newWindow(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!showActive(window))
        qWarning("window did not become active");
    return window;
}

QString focusName()
{
    return QApplication::focusWidget()->objectName();
}

} // namespace

class ReferenceWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    // Focus starts on the lowest tab index and Tab cycles; each key goes to that first control.
    void focus_and_keys()
    {
        struct Row
        {
            QString window;
            QStringList chain;
            QList<int> closingKeys;
        };
        const QList<Row> rows = {{"Form0", {"Exit", "mypic", "Picture1"}, {Qt::Key_Return, Qt::Key_Space}},
                                 {"Form2", {"Exit", "Measure", "Weight"}, {Qt::Key_Return, Qt::Key_Space}},
                                 {"Form5", {"text1", "command1"}, {}},
                                 {"Form6", {"Text1"}, {}}};
        for (const auto &[name, chain, closingKeys] : rows) {
            QPointer<QWidget> window = open(name);
            for (int i = 0; i <= chain.size(); ++i) {
                QCOMPARE(focusName(), chain.at(i % chain.size()));
                if (i < chain.size())
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Space)}) {
                window = window ? window : open(name);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
                if (closingKeys.contains(key))
                    QTRY_VERIFY2(window.isNull(), qPrintable(name));
                else
                    QVERIFY2(window && window->isVisible(), qPrintable(name));
            }
            delete window;
        }
    }

    // The photograph is drawn unscaled from its top-left corner, pixel for pixel from its sharper
    // rendering on a screen scaled to 200 %; labels draw their text at the top of their box.
    void pictures_show_unscaled_and_labels_from_the_top()
    {
        Form0 about;
        QWidget *photo = child(&about, "mypic");
        for (const auto &[ratio, file] :
             {std::pair(1, ":/pictures/photo.jpg"), {2, ":/pictures/photo@2x.jpg"}}) {
            QImage shown(photo->size() * ratio, QImage::Format_RGB32);
            shown.setDevicePixelRatio(ratio);
            photo->render(&shown);
            const QImage original(file);
            for (const QPoint point : {QPoint(1, 1), QPoint(50, 40), QPoint(104, 112)})
                QCOMPARE(shown.pixelColor(point * ratio), original.pixelColor(point * ratio));
        }
        for (const char *name : {"Label2", "Label4"}) {
            const QImage text = child(&about, name)->grab().toImage();
            int top = 0;
            while (top < text.height()
                   && text.copy(0, top, text.width(), 1) == text.copy(0, 0, text.width(), 1))
                ++top;
            QVERIFY2(top < text.height() / 4, name);
        }
    }

    void warranty_text_is_read_only()
    {
        QPointer<QWidget> warranty = open("Form5");
        const auto *heading = child<QLabel>(warranty, "Label1"); // a whole line: no descender cut off
        QVERIFY(heading->height() >= heading->fontMetrics().height());
        auto *text = child<QPlainTextEdit>(warranty, "text1");
        const QString before = text->toPlainText();
        QCOMPARE(text->textCursor().position(), 0);
        QTest::keyClicks(text, QStringLiteral("xyz"));
        for (const auto key : {Qt::Key_Delete, Qt::Key_End, Qt::Key_Backspace})
            QTest::keyClick(text, key);
        QTest::keySequence(text, QKeySequence::Paste);
        QCOMPARE(text->toPlainText(), before);
        QVERIFY(text->textCursor().position() > 0); // the caret moved
        delete warranty;
    }

    // Editable; only the "Done" key and "&Hide" close it; nothing edited survives.
    void fractions_table_closing_and_reopening()
    {
        QPointer<QWidget> fractions = open("Form6");
        auto *text = child<QPlainTextEdit>(fractions, "Text1");
        const QString table = text->toPlainText();
        const QImage shown = text->viewport()->grab().toImage(); // in its own back colour
        QCOMPARE(shown.pixelColor(shown.width() - 2, shown.height() - 2),
                 text->palette().color(text->backgroundRole()));
        QTest::keyClicks(text, QStringLiteral("edited"));
        QTest::keyClick(text, Qt::Key_Return); // a line break, not a close
        QCOMPARE(text->toPlainText(), "edited\n" + table);
        auto *toolbar = child<toolkit::KeyedToolBar>(fractions, "Toolbar1");
        for (const QString key : {"done", "Done ", "DONE", ""}) {
            QAction other(key);
            other.setData(key);
            emit toolbar->buttonClick(&other);
        }
        QCoreApplication::processEvents();
        QVERIFY(fractions);
        QTest::mouseClick(toolbar->widgetForAction(toolbar->button("Done")), Qt::LeftButton);
        QTRY_VERIFY(fractions.isNull());

        fractions = open("Form6");
        QCOMPARE(child<QPlainTextEdit>(fractions, "Text1")->toPlainText(), table);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier); // the "&Hide" command
        QTRY_VERIFY(fractions.isNull());
    }

    void reopened_formulas_start_unselected_at_the_top()
    {
        QPointer<QWidget> formulas = open("Form2");
        child<QListWidget>(formulas, "Measure")->setCurrentRow(11);
        QVERIFY(child<QListWidget>(formulas, "Measure")->verticalScrollBar()->value() > 0);
        formulas->close();
        QTRY_VERIFY(formulas.isNull());
        formulas = open("Form2");
        QCOMPARE(child<QListWidget>(formulas, "Measure")->selectedItems().size(), 0);
        QCOMPARE(child<QListWidget>(formulas, "Measure")->verticalScrollBar()->value(), 0);
        delete formulas;
    }
};

QTEST_MAIN(ReferenceWindowsTest)
#include "reference_windows_test.moc"
