#pragma once

#include <QString>

// The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config. With HOME unset, the home
// folder comes from the user database, not from the root of the file system.
QString userConfigFolder();
