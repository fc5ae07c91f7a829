// Start-up: nothing is read or prepared before the first window.
#include "form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("spoonwise"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/spoonwise.svg")));

    Form1 form;
    toolkit::centre(&form);
    form.show();
    return QApplication::exec();
}
