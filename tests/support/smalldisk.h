#pragma once

// A nearly full disk for the tests of saving: a 64 KiB tmpfs mounted over a
// folder for as long as it lives, where the system allows mounting (root).

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

class SmallDisk {
public:
    explicit SmallDisk(std::string folder) : folder_(std::move(folder))
    {
        mounted_ = ::mount("ekrano-test", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0755") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return mounted_; }

    // Fills the disk with the file "filler" until not one block is left,
    // then gives `blocks` of them back. False when that did not work out.
    bool fillLeaving(int blocks)
    {
        const std::string filler = folder_ + "/filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        static const char zeros[4096] = {};
        off_t size = 0;
        for (;;) {
            const ssize_t n = ::write(fd, zeros, sizeof zeros);
            if (n <= 0)
                break;
            size += n;
        }
        const bool full = errno == ENOSPC;
        struct statvfs disk;
        const bool measured = ::statvfs(folder_.c_str(), &disk) == 0;
        const off_t back = off_t(blocks) * off_t(measured ? disk.f_bsize : 4096);
        const bool given = back <= size && ::ftruncate(fd, size - back) == 0;
        ::close(fd);
        return full && measured && given && ::statvfs(folder_.c_str(), &disk) == 0 &&
               disk.f_bavail == fsblkcnt_t(blocks);
    }

private:
    std::string folder_;
    bool mounted_ = false;
};
