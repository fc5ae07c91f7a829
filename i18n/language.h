// The program's language: the catalog that the desktop's language settings choose, loaded with
// Qt's own catalog for the same language before the first window is built. The number format
// does not follow it; the windows read that from QLocale() (LC_NUMERIC).
#ifndef SPOONWISE_I18N_LANGUAGE_H
#define SPOONWISE_I18N_LANGUAGE_H

#include <QString>
#include <QStringList>

class QObject;

namespace language {

// The catalog for the first of `uiLanguages` (most wanted first, as QLocale::uiLanguages()
// gives them: "de-AT", "pt_BR.UTF-8", "en-US") that the program can show, among `catalogs`
// ("de", "pt_BR"): a catalog without a territory serves every territory of its language
// ("de-AT" gets "de"), one with a territory only that territory ("pt-PT" does not get
// "pt_BR"; plain "pt" does, Brazil being the territory Portuguese implies). English, "C" and
// "POSIX" stop the search: the empty name, the program's own English. A language without a
// catalog passes on to the next; no match at all is English too.
QString chooseCatalog(const QStringList &uiLanguages, const QStringList &catalogs);

// The catalogs compiled into the program ("de", "es", ...).
QStringList compiledCatalogs();

// Chooses from `uiLanguages` and installs the program's catalog and Qt's own (message box
// buttons, text box menus) into the application, until `owner` is deleted. Returns the
// catalog's name, empty for English.
QString install(QObject *owner, const QStringList &uiLanguages);

} // namespace language

#endif // SPOONWISE_I18N_LANGUAGE_H
