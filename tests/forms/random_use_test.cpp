// Thousands of random keystrokes, pastes, clicks and commands on the main window and the
// windows it opens. Reproducible: SPOONWISE_SEED picks the sequence.
#include "numbers.h"
#include "widgettest.h"

#include <QRegularExpression>
#include <QScopeGuard>

#include <array>
#include <random>

class RandomUseTest : public QObject
{
    Q_OBJECT

private slots:
    void random_use_keeps_every_box_sound_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("english") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("german") << QLocale(QLocale::German, QLocale::Germany);
    }

    void random_use_keeps_every_box_sound()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        const auto restoreLocale = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        const auto seed = static_cast<unsigned>(qEnvironmentVariableIntValue("SPOONWISE_SEED") + 20261206);
        std::mt19937 random(seed);
        const auto pick = [&](int n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        const convert::NumberFormat format = toolkit::numberFormatOf(locale);
        const QString d = QRegularExpression::escape(locale.decimalPoint());
        const QString g = QRegularExpression::escape(locale.groupSeparator());
        const QRegularExpression shown(
            QStringLiteral("^(-?\\d{1,3}(%1\\d{3})*%2(\\d{2}|\\d{4}))?$").arg(g, d));

        FakeCalculator calculator;
        Form1 form;
        form.setMessageSink([](const QString &) {});
        QVERIFY(showActive(&form));
        QTimer closer; // a user who pokes at each reference window, then closes it
        connect(&closer, &QTimer::timeout, &form, [&] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                QTest::keyClicks(window->focusWidget(), QStringLiteral("x\t\r"));
                window->close();
            }
        });
        closer.start(1);

        const QString keys = QStringLiteral("0123456789.,-+eE abc\u00E9\u20AC\u202F'\r\b\t");
        const QList<QWidget *> targets
            = {child(&form, "txtenter"), child<QComboBox>(&form, "Combo1")->lineEdit(), child(&form, "txtml"),
               child(&form, "Command1")};
        QList<QAction *> commands = form.findChildren<QAction *>();
        commands.removeIf(
            [](QAction *a) { return a->objectName() == "mnufileexit" || a->data() == "ExitProgram"; });
        for (int step = 0; step < 1500; ++step) {
            QWidget *target = targets.at(pick(targets.size()));
            switch (pick(6)) {
            case 0:
            case 1:
                // A key of any layout: the text it delivers is what counts.
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_A, keys.at(pick(keys.size())),
                                    Qt::NoModifier);
                QTest::keyClick(
                    target,
                    std::array {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Left}[pick(4)]);
                break;
            case 2: { // a paste: long, foreign or control characters
                QString text;
                for (int n = pick(3) == 0 ? 5000 : pick(12); n > 0; --n)
                    text += QChar(
                        char16_t(pick(4) == 0 ? 1 + pick(0x2FFF) : keys.at(pick(keys.size())).unicode()));
                QApplication::clipboard()->setText(text);
                QTest::keySequence(target, QKeySequence::Paste);
                break;
            }
            case 3:
                child<QComboBox>(&form, "Combo1")->setCurrentIndex(pick(11));
                break;
            case 4:
                commands.at(pick(commands.size()))->trigger();
                break;
            default:
                QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
                const QString entry = child<QLineEdit>(&form, "txtenter")->text();
                QVERIFY2(convert::isNumeric(entry.toStdString(), format), qPrintable(entry));
            }
            for (const QLineEdit *box : form.findChildren<QLineEdit *>(QRegularExpression("^txt(?!enter)")))
                QVERIFY2(shown.match(box->text()).hasMatch(),
                         qPrintable(box->objectName() + ": " + box->text()));
        }
        QVERIFY(form.isVisible());
    }
};

QTEST_MAIN(RandomUseTest)
#include "random_use_test.moc"
