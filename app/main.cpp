// Start-up: the language is chosen and loaded before the first window, the title window;
// nothing else is read or prepared.
#include "form4.h"
#include "language.h"
#include "toolkit.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    language::install(&app, QLocale::system().uiLanguages());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Spoonwise"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/spoonwise.svg")));

    Form4 *title = toolkit::instance<Form4>();
    toolkit::centre(title);
    title->show();
    return QApplication::exec();
}
