#include "calculator.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <windows.h>

namespace platform {

namespace {

// Where Windows kept its calculator up to Windows 98; Windows 10 and 11 keep it in the system
// folder only.
const QString kClassicCalculator = QStringLiteral("C:\\windows\\calc.EXE");

QString systemFolder()
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? QString::fromWCharArray(folder, static_cast<int>(length))
                                           : QString();
}

// Full paths only, so that neither the current folder nor PATH is searched.
bool start(const QString &path)
{
    return QFileInfo(path).isFile() && QProcess::startDetached(path, {});
}

} // namespace

bool startCalculator()
{
    if (start(kClassicCalculator))
        return true;
    const QString folder = systemFolder();
    return !folder.isEmpty()
        && start(QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("calc.exe"))));
}

} // namespace platform
