#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace language {

namespace {

const QString kCatalogFolder = QStringLiteral(":/i18n");
const QString kCatalogPrefix = QStringLiteral("spoonwise_");

struct Name
{
    QString language; // "de", "pt", "C"
    QString territory; // "AT", "BR", or empty
};

// "pt-BR", "pt_BR.UTF-8", "sr-Latn-RS" and "de@euro" alike: the language, then the territory
// as the last part of two letters or three digits.
Name split(const QString &uiLanguage)
{
    static const QRegularExpression kEnd(QStringLiteral("[.@].*$"));
    static const QRegularExpression kTerritory(QStringLiteral("^([A-Za-z]{2}|[0-9]{3})$"));
    const QStringList parts
        = QString(uiLanguage).remove(kEnd).split(QRegularExpression(QStringLiteral("[-_]")));
    Name name {parts.first(), QString()};
    if (parts.size() > 1 && kTerritory.match(parts.last()).hasMatch())
        name.territory = parts.last().toUpper();
    return name;
}

} // namespace

QString chooseCatalog(const QStringList &uiLanguages, const QStringList &catalogs)
{
    for (const QString &uiLanguage : uiLanguages) {
        Name wanted = split(uiLanguage);
        if (wanted.language.isEmpty())
            continue;
        if (wanted.language == QLatin1String("en") || wanted.language == QLatin1String("C")
            || wanted.language == QLatin1String("POSIX"))
            return {};
        if (wanted.territory.isEmpty()) {
            const QLocale likely(wanted.language);
            if (likely.language() != QLocale::C)
                wanted.territory = QLocale::territoryToCode(likely.territory());
        }
        for (const QString &catalog : catalogs) {
            const Name offered = split(catalog);
            if (offered.language == wanted.language
                && (offered.territory.isEmpty() || offered.territory == wanted.territory))
                return catalog;
        }
    }
    return {};
}

QStringList compiledCatalogs()
{
    QStringList catalogs = QDir(kCatalogFolder).entryList({kCatalogPrefix + QStringLiteral("*.qm")});
    for (QString &catalog : catalogs)
        catalog = catalog.mid(kCatalogPrefix.size()).chopped(3);
    return catalogs;
}

QString install(QObject *owner, const QStringList &uiLanguages)
{
    const QString catalog = chooseCatalog(uiLanguages, compiledCatalogs());
    if (catalog.isEmpty())
        return catalog;
    auto *own = new QTranslator(owner);
    if (own->load(kCatalogPrefix + catalog, kCatalogFolder))
        QCoreApplication::installTranslator(own);
    // Missing on a system without qt6-translations-l10n: Qt's own texts then stay English.
    auto *qt = new QTranslator(owner);
    if (qt->load(QStringLiteral("qtbase_") + catalog, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return catalog;
}

} // namespace language
