#include "comports.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "configfolder.h"
#include "linkerror.h"
#include "translation.h"

namespace calclink {

std::string portLinkPath(int port)
{
    return files::ekranoFolder() + "/ports/COM" + std::to_string(port);
}

std::string serialPortPath(int port, const std::string &deviceName)
{
    const std::string link = portLinkPath(port);
    struct stat info;
    if (::lstat(link.c_str(), &info) == 0)
        return link;
    if (errno == ENOENT)
        return "/dev/ttyS" + std::to_string(port - 1);
    // Only a link that is not there means the built-in port; any other
    // answer could hide a link that leads elsewhere.
    const int err = errno;
    const std::string folder = link.substr(0, link.rfind('/'));
    throw LinkError(kSystemErrorBase + uint32_t(err),
                    fill(translate("calclink", "The port link of %1 cannot be looked up in the ports folder %2: %3. "
                                               "Make it a folder you can read, or remove it to use %4."),
                         {deviceName, folder, std::strerror(err), "/dev/ttyS" + std::to_string(port - 1)}));
}

} // namespace calclink
