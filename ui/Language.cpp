#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace language {

namespace {

constexpr const char* Folder = ":/translations";
constexpr const char* Prefix = "ostrand-chess_";

// "de_AT.UTF-8", "de-AT" and "de@euro" all name German.
QString CodeOf(const QString& name) {
    return name.section(QRegularExpression("[_.@-]"), 0, 0).toLower();
}

}  // namespace

QStringList Translated() {
    QStringList codes;
    for (const QString& file : QDir(Folder).entryList({QString(Prefix) + "*.qm"}, QDir::Files))
        codes << file.mid(static_cast<int>(qstrlen(Prefix))).section('.', 0, 0);
    return codes;
}

Environment SystemEnvironment() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

QString Choose(const QString& option, const QString& setting, const Environment& environment) {
    QStringList wanted;
    if (!option.isEmpty()) {
        wanted << option;
    } else if (!setting.isEmpty()) {
        wanted << setting;
    } else {
        QString locale = environment.lcAll;
        if (locale.isEmpty()) locale = environment.lcMessages;
        if (locale.isEmpty()) locale = environment.lang;
        // As with gettext, the C locale means the program's own texts, whatever LANGUAGE says.
        const QString code = CodeOf(locale);
        if (code == "c" || code == "posix") return {};
        wanted = environment.language.split(':', Qt::SkipEmptyParts);
        wanted << locale;
    }
    const QStringList translated = Translated();
    for (const QString& name : wanted) {
        const QString code = CodeOf(name);
        if (code == "en") break;
        if (translated.contains(code)) return code;
    }
    return {};
}

void Install(QCoreApplication& app, const QString& language) {
    if (language.isEmpty()) return;
    QLocale::setDefault(QLocale(language));
    auto* own = new QTranslator(&app);
    if (own->load(QString(Prefix) + language, Folder)) app.installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
}

QString NativeName(const QString& language) {
    if (CodeOf(language) == "en") return "English";
    QString name = QLocale(language).nativeLanguageName();
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

}  // namespace language
