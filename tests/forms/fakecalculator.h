// Puts a stand-in desktop calculator (or none at all) first on PATH for one test, and
// counts how often it was started.
#ifndef SPOONWISE_TESTS_FAKECALCULATOR_H
#define SPOONWISE_TESTS_FAKECALCULATOR_H

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

class FakeCalculator
{
public:
    enum Presence { Installed, Missing };

    explicit FakeCalculator(Presence presence = Installed)
        : m_oldPath(qgetenv("PATH"))
    {
        if (presence == Installed) {
            QFile script(m_dir.filePath(QStringLiteral("xcalc")));
            script.open(QIODevice::WriteOnly);
            QTextStream(&script) << "#!/bin/sh\necho started >> '" << logPath() << "'\n";
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", m_dir.path().toLocal8Bit());
    }

    ~FakeCalculator() { qputenv("PATH", m_oldPath); }

    FakeCalculator(const FakeCalculator &) = delete;
    FakeCalculator &operator=(const FakeCalculator &) = delete;

    int starts() const
    {
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly))
            return 0;
        return static_cast<int>(log.readAll().count('\n'));
    }

private:
    QString logPath() const { return m_dir.filePath(QStringLiteral("starts.log")); }

    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

#endif // SPOONWISE_TESTS_FAKECALCULATOR_H
