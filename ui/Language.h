// The language of the window's texts: the one asked for on the command line, else the one
// chosen in the View menu, else the system's; English where no translation exists.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace language {

// The languages the program carries a translation for, as codes ("de", "es", "fr").
QStringList Translated();

// The variables that name the system's language, in the order a program reads them.
struct Environment {
    QString language;    // LANGUAGE: a list of languages, by preference, separated by colons
    QString lcAll;       // LC_ALL
    QString lcMessages;  // LC_MESSAGES
    QString lang;        // LANG
};
Environment SystemEnvironment();

// The language to show, a code of Translated() or empty for English. option (--lang) comes
// before setting (the View menu's; empty for the system's), which comes before environment.
// Codes may carry a territory and an encoding ("de_AT.UTF-8").
QString Choose(const QString& option, const QString& setting, const Environment& environment);

// Installs the program's translation of language into app, and Qt's own for its dialogs and
// standard buttons. Empty installs nothing: the texts stay as written.
void Install(QCoreApplication& app, const QString& language);

// The language's name in itself ("Deutsch", "Français"), as the menu offers it.
QString NativeName(const QString& language);

}  // namespace language
