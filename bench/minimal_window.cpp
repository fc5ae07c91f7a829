// The start-up baseline for bench/startup: a plain Qt Widgets main window with what the
// converter window shows (menu bar, toolbar, a dozen line edits), nothing else.
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    for (const auto *title : {"&File", "&Tools", "&Legal", "&Help"}) {
        QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("&First"));
        menu->addAction(QStringLiteral("&Second"));
    }

    // Text buttons: the style's icons would load every image format plugin, which the
    // program's first window does not, and so flatter the program.
    QToolBar *toolBar = window.addToolBar(QStringLiteral("Toolbar"));
    for (const auto *text : {"About", "Formulas", "Calculator", "Fractions", "Help", "Exit"})
        toolBar->addAction(QString::fromLatin1(text));

    auto *client = new QWidget(&window);
    auto *grid = new QGridLayout(client);
    constexpr int kBoxes = 12;
    for (int i = 0; i < kBoxes; ++i)
        grid->addWidget(new QLineEdit(QString::number(i), client), i / 3, i % 3);
    window.setCentralWidget(client);

    window.show();
    return QApplication::exec();
}
