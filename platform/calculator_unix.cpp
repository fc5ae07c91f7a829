#include "calculator.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <array>

namespace platform {

bool startCalculator()
{
    static constexpr std::array<const char *, 7> kDesktopCalculators = {
        "gnome-calculator", "kcalc", "qalculate-qt", "qalculate-gtk", "galculator", "mate-calc", "xcalc",
    };
    // An empty or relative PATH entry would mean the current folder, whose files are never run.
    QStringList folders = qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    folders.removeIf([](const QString &folder) { return QDir::isRelativePath(folder); });
    if (folders.isEmpty())
        return false; // findExecutable() would fall back to PATH itself
    for (const char *name : kDesktopCalculators) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name), folders);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return true;
    }
    return false;
}

} // namespace platform
