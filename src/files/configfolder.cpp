#include "configfolder.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace settingsfile {

static std::string homeFolder()
{
    if (const char *home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd *entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

std::string configFolder()
{
    if (const char *config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        return config;
    return homeFolder() + "/.config";
}

} // namespace settingsfile
