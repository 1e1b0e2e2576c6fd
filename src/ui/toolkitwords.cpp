#include "ui/toolkitwords.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>
#include <cstring>

namespace norvel {

namespace {

struct Word {
    const char *context;
    const char *source;
    const char *key; // in the language file's "Boites-Qt" section
};

constexpr Word kWords[] = {
    {"QAbstractFileIconProvider", "Drive", "Lecteur"},
    {"QAbstractFileIconProvider", "Folder", "Dossier"},
    {"QPrintSettingsOutput", "Double Sided Printing", "RectoVerso"},
    {"QPrintSettingsOutput", "Off", "RectoSeul"},
    {"QPrintSettingsOutput", "Long side binding", "ReliureLongue"},
    {"QPrintSettingsOutput", "Short side binding", "ReliureCourte"},
    {"QPrintSettingsOutput", "Pages", "Pages"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
     "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "PagesAide"},
};

class LanguageFileWords : public QTranslator {
public:
    explicit LanguageFileWords(QObject *parent) : QTranslator(parent) {}
    void setLanguage(const Language &language) { language_ = language; }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!context || !source)
            return {};
        for (const Word &word : kWords)
            if (std::strcmp(word.context, context) == 0 && std::strcmp(word.source, source) == 0)
                return language_.text(QStringLiteral("Boites-Qt"), QLatin1String(word.key));
        return {};
    }

private:
    Language language_;
};

} // namespace

void supplyToolkitWords(const Language &language)
{
    static QPointer<LanguageFileWords> words;
    if (!words) {
        QCoreApplication *application = QCoreApplication::instance();
        if (!application)
            return;
        words = new LanguageFileWords(application);
        QCoreApplication::installTranslator(words);
    }
    words->setLanguage(language);
}

} // namespace norvel
