#pragma once

#include <QString>
#include <QTranslator>

namespace app {

// The program's texts in the user's language, and Qt's own texts (its standard dialogs, key
// names) in the same language. The language is the first of QLocale::uiLanguages (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG) for which the program has a translation in `folder`
// (quenvalor_<language>.qm); with none, everything stays in English, Qt's texts included.
// The core's texts (its messages, the preview's placards) come from the same translations.
// Needs a QCoreApplication; the translations last as long as this object.
class Translations {
public:
    Translations() = default;
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Loads and installs the translations; returns the language taken ("de", "pt_BR"), empty
    // for English.
    QString Install(const QString& folder);

    // The folder of the program's translations beside its data.
    static QString FolderBeside(const QString& dataFolder);

private:
    QTranslator program_;
    QTranslator qt_;
    bool installed_ = false;
};

}  // namespace app
