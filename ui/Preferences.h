// Where the window keeps the player's preferences, one place for every part of it.
#pragma once

#include <QSettings>

inline QSettings Preferences() {
    return QSettings("ostrand-chess", "ostrand-chess");
}
