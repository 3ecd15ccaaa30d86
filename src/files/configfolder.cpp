#include "configfolder.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace files {

static std::string homeFolder()
{
    if (const char *home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd *entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

std::string ekranoFolder()
{
    if (const char *config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        return std::string(config) + "/Ekrano";
    return homeFolder() + "/.config/Ekrano";
}

} // namespace files
