#include "startup.h"

#include "controls.h"
#include "form4.h"
#include "language.h"
#include "picture.h"
#include "toolkit.h"
#include "wayland.h"

#include <QApplication>
#include <QLocale>

namespace startup {

int run()
{
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Spoonwise"));
    QGuiApplication::setWindowIcon(toolkit::icon(QStringLiteral(":/icons/spoonwise.svg")));
    toolkit::installAccessibleFactory();
    platform::installWindowWatch();
    toolkit::addStandInFaces(QCoreApplication::applicationDirPath() + QLatin1String("/fonts"));

    // The language is chosen and loaded before the first window, the title window; nothing
    // else is read or prepared.
    language::install(qApp, QLocale::system().uiLanguages());
    auto *title = new Form4;
    title->setAttribute(Qt::WA_DeleteOnClose);
    toolkit::centre(title);
    title->show();
    return QApplication::exec();
}

} // namespace startup
