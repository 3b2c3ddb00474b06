#pragma once

#include <string>

namespace Tessera {

// Folders of the program. Paths use '/' and are wide strings (see PathText.h).
// Every function reads only the environment and /proc and may be called from
// any thread.

// The folder of the running executable (from /proc/self/exe): with a trailing
// '/' (skins, language files, layouts, updates) or without one (config.xml).
// The root folder is "/" in both forms. Empty when the executable cannot be
// found.
std::wstring GetAppFolder(bool trailingSeparator = true);

// The folder part of an executable's path, in either form.
std::wstring AppFolderFromExecutable(std::wstring const& executable, bool trailingSeparator);

// Per-user data folder "<XDG data home>/<device name> Files/", with a
// trailing '/'. The XDG data home is $XDG_DATA_HOME when it is an absolute
// path, else ~/.local/share.
std::wstring GetDataFolder(std::wstring const& deviceName);

// Per-user settings folder "<XDG config home>/<device name>/" ($XDG_CONFIG_HOME
// when absolute, else ~/.config), with a trailing '/'.
std::wstring GetConfigFolder(std::wstring const& deviceName);

// Creates a folder and every missing parent (mode 0700 for new ones, the
// data is private to the user). True when the path is a folder afterwards;
// false when it cannot be created or names something that is not a folder.
bool CreateDirectoryPath(std::wstring const& path);

// $HOME, or the password database's home folder when HOME is unset.
std::wstring HomeFolder();

}
