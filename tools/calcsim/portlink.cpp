#include "portlink.h"

#include <unistd.h>

#include "translation.h"

namespace fs = std::filesystem;

bool makeLink(const fs::path &link, const std::string &target, std::string &error)
{
    std::error_code ec;
    if (link.has_parent_path())
        fs::create_directories(link.parent_path(), ec);
    if (ec) {
        error = calclink::fill(calclink::translate("ekrano-calc", "cannot make the folder %1: %2"),
                               {link.parent_path().string(), ec.message()});
        return false;
    }
    const fs::file_status status = fs::symlink_status(link, ec);
    if (fs::exists(status) && !fs::is_symlink(status)) {
        error = calclink::fill(
            calclink::translate("ekrano-calc", "%1 exists and is not a symbolic link; not replacing it"),
            {link.string()});
        return false;
    }
    const fs::path temporary = link.string() + ".ekrano-calc-" + std::to_string(::getpid());
    fs::remove(temporary, ec);
    fs::create_symlink(target, temporary, ec);
    if (!ec)
        fs::rename(temporary, link, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        error = calclink::fill(calclink::translate("ekrano-calc", "cannot make the link %1: %2"),
                               {link.string(), ec.message()});
        return false;
    }
    return true;
}

void removeLink(const fs::path &link, const std::string &target)
{
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(link, ec)) && fs::read_symlink(link, ec) == target)
        fs::remove(link, ec);
}
