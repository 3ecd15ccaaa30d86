#pragma once

#include <string>

namespace settingsfile {

// The per-user configuration folder, where the settings file and the port
// links both live: $XDG_CONFIG_HOME, or ~/.config when the variable is
// unset, empty or relative (the XDG rules make a relative one invalid).
std::string configFolder();

} // namespace settingsfile
