#pragma once

#include <string>

#include <sys/types.h>

namespace files {

// Opens `path` with `flags` (O_WRONLY | O_CREAT | O_TRUNC, say) without
// waiting for anything: a named pipe that nobody reads fails at once with
// ENXIO instead of blocking open() until a reader comes, and a terminal never
// waits for its carrier nor becomes the program's controlling terminal. The
// descriptor is then made blocking again, so that writing waits for a slow
// reader instead of failing. Returns the descriptor (close-on-exec), or -1
// with errno set.
int openWithoutWaiting(const std::string &path, int flags, mode_t mode = 0666);

// What the symbolic link `path` points to, as it is written in the link
// (readlink); empty when `path` is no link or cannot be read.
std::string linkTarget(const std::string &path);

} // namespace files
