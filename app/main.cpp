// Start-up: nothing is read or prepared before the first window, the title window.
#include "form4.h"
#include "toolkit.h"
#include "wayland.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    toolkit::WaylandWindows::install();
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Spoonwise"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/spoonwise.svg")));

    Form4 *title = toolkit::instance<Form4>();
    toolkit::centre(title);
    title->show();
    return QApplication::exec();
}
