// What a screen reader hears: every control named after its caption, label, frame or heading.
#include "widgettest.h"

#include <QAccessible>

#include <memory>

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void controls_are_named_and_described()
    {
        const std::vector<std::shared_ptr<QWidget>> windows
            = {std::make_shared<Form1>(), std::make_shared<Form0>(), std::make_shared<Form2>(),
               std::make_shared<Form4>(), std::make_shared<Form5>(), std::make_shared<Form6>()};
        // window / control / name / description ("" is not checked)
        // clang-format off
        const QStringList rows = {
            "Form1|txtenter|Enter Number Here|Enter the Ammount you want converted here.",
            "Form1|Command1|Calculate|Click here to calculate your Conversions.",
            "Form1|txtfluid|Fluid Ounce|", "Form1|txttbl|Tablespoons|", "Form1|txttsp|Teaspoons|", "Form1|txtcup|Cups|",
            "Form1|txtml|Milliliters|", "Form1|txtpint|Pints|", "Form1|txtcl|Centiliters|", "Form1|txtquart|Quarts|",
            "Form1|txtdl|Deciliters|", "Form1|txtgallon|Gallons|", "Form1|txtliter|Liters|",
            "Form1|Label6|\u00A9 1998-99 Pinchpot Software|pinchpot@example.com",
            "Form0|Form0|ABOUT|", "Form0|Exit|OK|Done with this screen", "Form0|mypic|Programmer|", "Form0|Picture1|Information|",
            "Form2|Form2|Conversion Formulas|", "Form2|Exit|Done|Click to close this screen.", "Form2|Measure|measure|",
            "Form2|Weight|weight|", "Form2|Image1|Multiplication sign|", "Form2|Image2|Division sign|",
            "Form4|Form4|Spoonwise II \u00AE|", "Form4|Command1|OK|Click to goto Spoonwise II", "Form4|Picture1|Pinchpot Software logo|",
            "Form5|Form5|Warranty Information|", "Form5|text1|Warranty Information|", "Form5|command1|OK|",
            "Form6|Form6|Fraction Decimal|", "Form6|Text1|Fraction Decimal|",
        };
        // clang-format on
        for (const QString &row : rows) {
            const QStringList cell = row.split('|');
            const auto window = std::find_if(windows.begin(), windows.end(),
                                             [&](const auto &w) { return w->objectName() == cell[0]; });
            QWidget *control = cell[1] == cell[0] ? window->get() : child(window->get(), cell[1]);
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(reader, qPrintable(row));
            QCOMPARE(reader->text(QAccessible::Name), cell[2]);
            QVERIFY(!control->inherits("toolkit::PictureBox") || reader->role() == QAccessible::Graphic);
            if (!cell[3].isEmpty())
                QCOMPARE(reader->text(QAccessible::Description), cell[3]);
        }
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
        QCOMPARE(unitBox->text(QAccessible::Description),
                 QStringLiteral("Click Here to Select Measurement to Convert."));
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
        QCOMPARE(messages, QStringList {"I hate 4-letter Words, Cook, Iron, Wash, and Dust"});
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
