#include "shell/Language.h"

#include "shell/ProgramSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kLanguageKey = QStringLiteral("language");
// The translations go with the application object, which owns them.
const QString kProgramTexts = QStringLiteral("qelProgramTexts");
const QString kQtTexts = QStringLiteral("qelQtTexts");
constexpr char kLanguageInUse[] = "qelLanguage";

QString Code(Language language)
{
    return language == Language::Polish ? QStringLiteral("pl") : QStringLiteral("en");
}

QTranslator& TranslatorNamed(const QString& name)
{
    QCoreApplication* application = QCoreApplication::instance();
    auto* translator = application->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    if (!translator) {
        translator = new QTranslator(application);
        translator->setObjectName(name);
    }
    return *translator;
}

// An empty translator stands for the source texts.
void Install(QTranslator& translator, const QString& file, const QString& folder)
{
    QCoreApplication::removeTranslator(&translator);
    if (!file.isEmpty() && translator.load(file, folder))
        QCoreApplication::installTranslator(&translator);
}

} // namespace

Language SystemLanguage()
{
    const QStringList languages = QLocale::system().uiLanguages();
    return !languages.isEmpty() && QLocale(languages.first()).language() == QLocale::Polish ? Language::Polish
                                                                                             : Language::English;
}

Language StartLanguage()
{
    const QString stored = ProgramSettings().value(kLanguageKey).toString();
    for (const Language language : {Language::Polish, Language::English})
        if (stored == Code(language))
            return language;
    return SystemLanguage();
}

void RememberLanguage(Language language)
{
    ProgramSettings().setValue(kLanguageKey, Code(language));
}

void UseLanguage(Language language)
{
    const bool polish = language == Language::Polish;
    // The program's texts are Polish in the source; Qt's are English.
    Install(TranslatorNamed(kProgramTexts), polish ? QString() : QStringLiteral("qel3d_") + Code(language),
            QStringLiteral(":/i18n"));
    Install(TranslatorNamed(kQtTexts), polish ? QStringLiteral("qtbase_pl") : QString(),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCoreApplication::instance()->setProperty(kLanguageInUse, Code(language));
    // Numbers follow the language: "K = 180,0" in Polish, "H = 180.0" in English.
    QLocale::setDefault(polish ? QLocale(QLocale::Polish, QLocale::Poland) : QLocale(QLocale::English, QLocale::UnitedStates));
    // The windows are told by posted events; they change now, not on the next pass.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language LanguageInUse()
{
    return QCoreApplication::instance()->property(kLanguageInUse).toString() == Code(Language::English)
               ? Language::English
               : Language::Polish;
}
