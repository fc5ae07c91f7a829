// What a screen reader hears: every control named after its caption, label, frame or heading.
#include "widgettest.h"

#include <QAccessible>
#include <QRegularExpression>

#include <memory>
#include <vector>

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    // Every control a user reads or operates, and every window, has a name; a tooltip becomes
    // the description; pictures are graphics.
    void every_control_is_named_and_described()
    {
        std::vector<std::unique_ptr<QWidget>> windows;
        for (const QString name : {"Form1", "Form0", "Form2", "Form4", "Form5", "Form6"})
            windows.emplace_back(newWindow(name));
        for (const auto &window : windows) {
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(window.get());
            QVERIFY(!reader->text(QAccessible::Name).isEmpty() && reader->role() == QAccessible::Window);
            // What its title bar shows: Qt's platform windows put the program's file name in place of an
            // empty title.
            const QString titleBar = window->windowTitle().isEmpty() ? QCoreApplication::applicationName()
                                                                     : window->windowTitle();
            QVERIFY2(!titleBar.contains(QCoreApplication::applicationName()), qPrintable(titleBar));
            for (QWidget *control : window->findChildren<QWidget *>(QRegularExpression("^(?!qt_).+"))) {
                if (control->inherits("toolkit::Line") || control->inherits("QGroupBox")
                    || control->inherits("QToolBar"))
                    continue; // decoration and containers
                QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(!reader->text(QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(control->objectName()));
                QCOMPARE(reader->text(QAccessible::Description), control->toolTip());
                QVERIFY(!control->inherits("toolkit::PictureBox") || reader->role() == QAccessible::Graphic);
            }
        }
        // Named after what the user sees: result boxes after their frames, the entry box after its label.
        Form1 &form = static_cast<Form1 &>(*windows.front());
        for (QLineEdit *box : form.findChildren<QLineEdit *>(QRegularExpression("^txt(?!enter)")))
            QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name),
                     qobject_cast<QGroupBox *>(box->parentWidget())->title());
        QCOMPARE(QAccessible::queryAccessibleInterface(child(&form, "txtenter"))->text(QAccessible::Name),
                 child<QLabel>(&form, "Label4")->text().trimmed());
        QCOMPARE(QAccessible::queryAccessibleInterface(windows.at(1).get())->text(QAccessible::Name),
                 child<QLabel>(windows.at(1).get(), "Label1")->text());
    }

    // On Linux a combo box's name is its text; its label comes as a relation.
    void unit_box_is_labelled_by_its_label()
    {
        Form1 form;
        QAccessibleInterface *unitBox = QAccessible::queryAccessibleInterface(child(&form, "Combo1"));
        const auto labels
            = QAccessible::queryAccessibleInterface(child(&form, "Label5"))->relations(QAccessible::Labelled);
        QVERIFY(!labels.isEmpty());
        QCOMPARE(labels.first().first, unitBox);
    }

    // The maker's label never takes the focus, so screen readers get a press action for it.
    void maker_label_can_be_pressed_without_a_mouse()
    {
        Form1 form;
        QStringList messages;
        form.setMessageSink([&](const QString &prompt) { messages << prompt; });
        QAccessibleInterface *label = QAccessible::queryAccessibleInterface(child(&form, "Label6"));
        QVERIFY(label->actionInterface());
        label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::mouseClick(child(&form, "Label6"), Qt::LeftButton);
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages.first(), messages.last());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
