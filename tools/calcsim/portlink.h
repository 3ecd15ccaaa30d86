#pragma once

#include <filesystem>
#include <string>

// The port links by which the simulated calculator becomes a COM port
// (~/.config/Ekrano/ports/COMn), for ekrano-calc --link, the tests and the
// screenshot tool.

// Points `link` at `target`, making its folders, through a temporary name
// and rename(), so that a client never sees the link missing. Replaces a
// symbolic link, but nothing else: false, with `error` saying why, when
// `link` is another kind of file or cannot be made.
bool makeLink(const std::filesystem::path &link, const std::string &target, std::string &error);

// Removes the link only while it still points at `target`: another
// simulator may have taken it over.
void removeLink(const std::filesystem::path &link, const std::string &target);
