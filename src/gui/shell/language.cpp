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

const amortix::LanguageInfo* Info(amortix::Language language) {
    for (const amortix::LanguageInfo& info : amortix::kLanguages)
        if (info.id == language) return &info;
    return nullptr;
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
        for (const amortix::LanguageInfo& info : amortix::kLanguages) {
            const QString code = Text(info.fileCode);
            if (!code.isEmpty() && (*value == code || value->startsWith(code + QLatin1Char('_')) ||
                                    value->startsWith(code + QLatin1Char('.'))))
                return info.id;
        }
        return amortix::Language::English;
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
    const amortix::LanguageInfo* info = Info(language);
    if (!info || info->translation.empty()) return;
    if (installed.program.load(QStringLiteral(":/i18n/amortix_%1.qm").arg(Text(info->translation))))
        QCoreApplication::installTranslator(&installed.program);
    // Qt's own dialogs (file names, printing); without the package they stay English.
    if (installed.qt.load(QStringLiteral("qtbase_%1").arg(Text(info->fileCode)),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&installed.qt);
    installed.language = language;
}

amortix::Language InstalledLanguage() {
    return Installed().language;
}

QString InstalledLanguageCode() {
    const amortix::LanguageInfo* info = Info(Installed().language);
    return info ? Text(info->fileCode) : QStringLiteral("en");
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

QString Tr(const char* english, const char* disambiguation) {
    return QCoreApplication::translate("amortix", english, disambiguation);
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
