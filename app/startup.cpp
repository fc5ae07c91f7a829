#include "startup.h"

#include "controls.h"
#include "form4.h"
#include "toolkit.h"
#include "wayland.h"

#include <QApplication>
#include <QIcon>

namespace startup {

int run()
{
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Spoonwise"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/spoonwise.svg")));
    toolkit::installAccessibleFactory();
    toolkit::WaylandWindows::install();

    // Nothing is read or prepared before the first window, the title window.
    auto *title = new Form4;
    title->setAttribute(Qt::WA_DeleteOnClose);
    toolkit::centre(title);
    title->show();
    return QApplication::exec();
}

} // namespace startup
