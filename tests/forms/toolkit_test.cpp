// The shared window mechanics: twips, image list masks, keyed toolbar, key codes, modal windows.
#include "toolkit.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <array>

class ToolkitTest : public QObject
{
    Q_OBJECT

private slots:
    void twips_to_pixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("one_pixel") << 15 << 1;
        QTest::newRow("below_half") << 7 << 0;
        QTest::newRow("half_rounds_up") << 8 << 1;
        QTest::newRow("client_width") << 6255 << 417;
        QTest::newRow("client_height") << 5550 << 370;
        QTest::newRow("negative") << -120 << -8;
    }

    void twips_to_pixels()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(toolkit::px(twips), pixels);
    }

    void bitmap_images_drop_their_mask_colour()
    {
        QTemporaryDir dir;
        QImage bitmap(16, 16, QImage::Format_RGB32);
        bitmap.fill(QColor(192, 192, 192));
        bitmap.setPixelColor(8, 8, Qt::black);
        const QString path = dir.filePath(QStringLiteral("dot.png"));
        QVERIFY(bitmap.save(path));

        toolkit::ImageList images(QSize(16, 16));
        images.add(path);
        images.add(QStringLiteral(":/toolbar/help.svg"));
        QCOMPARE(images.count(), 2);
        const QImage drawn = images.icon(1).pixmap(16, 16).toImage();
        QCOMPARE(qAlpha(drawn.pixel(0, 0)), 0);
        QCOMPARE(drawn.pixelColor(8, 8), QColor(Qt::black));
        QVERIFY(!images.icon(2).pixmap(16, 16).isNull());
        QVERIFY(images.icon(0).isNull());
        QVERIFY(images.icon(3).isNull());
    }

    void toolbar_buttons_carry_their_keys()
    {
        using Style = toolkit::ToolbarEntry::Style;
        static constexpr std::array<toolkit::ToolbarEntry, 4> kEntries = {{
            {},
            {Style::Button, "Done", "Done", "Done/ Close", 1},
            {},
            {Style::Button, "Other", "other", "", 2},
        }};
        toolkit::ImageList images(QSize(32, 32));
        images.add(QStringLiteral(":/pictures/wastebin.svg"));
        QWidget window;
        toolkit::KeyedToolBar toolbar(images, kEntries, QSize(39, 52), &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(toolbar.buttons().size(), 2);
        QAction *done = toolbar.button(QStringLiteral("Done"));
        QVERIFY(done);
        QCOMPARE(done->text(), QStringLiteral("Done"));
        QCOMPARE(done->toolTip(), QStringLiteral("Done/ Close"));
        QCOMPARE(toolbar.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(!toolbar.button(QStringLiteral("done")));
        QVERIFY(toolbar.button(QStringLiteral("other"))->icon().isNull());

        QSignalSpy clicks(&toolbar, &toolkit::KeyedToolBar::buttonClick);
        QTest::mouseClick(toolbar.widgetForAction(done), Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(toolkit::KeyedToolBar::key(clicks.at(0).at(0).value<QAction *>()), QStringLiteral("Done"));
        QCOMPARE(toolbar.widgetForAction(done)->size(), QSize(39, 52));
        QCOMPARE(toolbar.widgetForAction(done)->focusPolicy(), Qt::NoFocus);
    }

    void key_codes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("return") << int(Qt::Key_Return) << 0 << "\r" << 13;
        QTest::newRow("keypad_enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << 97;
        QTest::newRow("capital") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << 65;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 27;
        QTest::newRow("function_key") << int(Qt::Key_F1) << 0 << "" << 0;
    }

    void key_codes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(toolkit::keyAscii(&event), code);
    }

    void test_key_clicks_deliver_carriage_return()
    {
        // The Enter handler relies on the text the toolkit delivers with Return and Enter.
        QWidget target;
        int seen = -1;
        class Probe : public QObject
        {
        public:
            explicit Probe(int &seen)
                : m_seen(seen)
            {
            }
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::KeyPress)
                    m_seen = toolkit::keyAscii(static_cast<QKeyEvent *>(event));
                return false;
            }

        private:
            int &m_seen;
        } probe(seen);
        target.installEventFilter(&probe);
        QTest::keyClick(&target, Qt::Key_Return);
        QCOMPARE(seen, 13);
        QTest::keyClick(&target, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(seen, 13);
    }

    void design_fonts_have_stand_ins()
    {
        const QFont serif = toolkit::font(toolkit::Face::TimesNewRoman, 18, true);
        QVERIFY(QStringList({"Times New Roman", "Liberation Serif"}).contains(QFontInfo(serif).family()));
        QVERIFY(serif.bold());
        QCOMPARE(serif.pointSizeF(), 18.0);
        const QFont sans = toolkit::font(toolkit::Face::MsSansSerif, 8.25);
        QVERIFY(QStringList({"MS Sans Serif", "Liberation Sans"}).contains(QFontInfo(sans).family()));
        QVERIFY(!sans.bold());
        const QFont banner = toolkit::font(toolkit::Face::Impact, 18);
        QVERIFY(QStringList({"Impact", "Liberation Sans Narrow"}).contains(QFontInfo(banner).family()));
    }

    // A modal window closed while no other window shows must not end the program.
    void modal_window_closes_without_quitting()
    {
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QPointer<QWidget> window = new QWidget;
        auto *button = new QPushButton(QStringLiteral("OK"), window);
        QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
        QTimer::singleShot(0, window, [&] {
            QVERIFY(window->isModal());
            QVERIFY(window->isVisible());
            button->click();
        });
        toolkit::runModal(window);
        QVERIFY(window.isNull());
        QCOMPARE(lastClosed.count(), 0);
    }
};

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
