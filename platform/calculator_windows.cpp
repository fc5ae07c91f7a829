#include "calculator.h"

#include <QProcess>
#include <QString>

namespace platform {

bool startCalculator()
{
    return QProcess::startDetached(QStringLiteral("C:\\windows\\calc.EXE"), {});
}

} // namespace platform
