#include "shell/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <string>

namespace amortix::gui {
namespace {

// Translators must outlive their installation; one pair serves the process.
struct Translators {
    QTranslator program;
    QTranslator qt;
    amortix::Language language = amortix::Language::English;
};

Translators& Installed() {
    static Translators translators;
    return translators;
}

class TranslatedCatalogue final : public amortix::Catalogue {
  public:
    [[nodiscard]] std::string Text(std::string_view english) const override {
        return Tr(english).toStdString();
    }
};

}  // namespace

amortix::Language ResolveLanguage(amortix::Language choice, const QString& lcAll, const QString& lcMessages,
                                  const QString& lang) {
    if (choice != amortix::Language::Automatic) return choice;
    for (const QString* value : {&lcAll, &lcMessages, &lang}) {
        if (value->isEmpty()) continue;
        return value->startsWith(QLatin1String("fr")) ? amortix::Language::French : amortix::Language::English;
    }
    return amortix::Language::English;
}

amortix::Language ResolveLanguage(amortix::Language choice) {
    return ResolveLanguage(choice, qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                           qEnvironmentVariable("LANG"));
}

void InstallLanguage(amortix::Language language) {
    Translators& installed = Installed();
    QCoreApplication::removeTranslator(&installed.program);
    QCoreApplication::removeTranslator(&installed.qt);
    installed.language = amortix::Language::English;
    if (language != amortix::Language::French) return;
    if (installed.program.load(QStringLiteral(":/i18n/amortix_fr_CA.qm")))
        QCoreApplication::installTranslator(&installed.program);
    // Qt's own dialogs (file names, printing); without the package they stay English.
    if (installed.qt.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&installed.qt);
    installed.language = amortix::Language::French;
}

amortix::Language InstalledLanguage() {
    return Installed().language;
}

void InstallLanguageAtStart(const QString& settingsPath) {
    amortix::Language choice = amortix::Language::Automatic;
    if (const auto settings = amortix::LoadPersonalSettings(QFile::encodeName(settingsPath).toStdString()))
        choice = settings->language;
    InstallLanguage(ResolveLanguage(choice));
}

QString Tr(const char* english) {
    return QCoreApplication::translate("amortix", english);
}

QString Tr(std::string_view english) {
    // translate() wants a terminated string.
    return Tr(std::string(english).c_str());
}

QString Tr(const QString& english) {
    return Tr(english.toUtf8().constData());
}

const amortix::Catalogue& WindowCatalogue() {
    static const TranslatedCatalogue catalogue;
    return catalogue;
}

}  // namespace amortix::gui
