#pragma once

#include <string>

namespace files {

// Ekrano's folder in the user's configuration, where the settings file and
// the port links both live: $XDG_CONFIG_HOME/Ekrano, or ~/.config/Ekrano when
// the variable is unset, empty or relative (the XDG rules make a relative one
// invalid).
std::string ekranoFolder();

} // namespace files
