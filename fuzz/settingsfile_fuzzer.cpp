// Any Ekrano.conf, in memory: read, applied as a program applies it at start,
// saved with the choices it applied (as File, Exit saves them), and read
// again. The choices must be ones the window can show, the save must read
// back as those texts with every other key as it was (merged() reads it back
// and refuses otherwise), and the saved file must apply as the same choices. No
// window and no disk, so that it runs many thousands of files a second.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "settingsfile.h"

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "settings file: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const settingsfile::Choices first = settingsfile::parse(text);
    require(first.link.port >= 1 && first.link.port <= 4, "no port item has the applied port");
    require(first.link.cable >= 0 && first.link.cable <= 2, "no cable item has the applied cable");
    require(first.border == 0 || first.border == 1, "the border is neither off nor on");
    require(first.scrollbar >= 1 && first.scrollbar <= 50, "the zoom is outside the scroll bar");
    require(first.forecolor >= 0 && first.forecolor <= 0xFFFFFF && first.backcolor >= 0 &&
                first.backcolor <= 0xFFFFFF,
            "a colour that is no colour");
    require(first.forecolor != first.backcolor, "the foreground and the background are the same");

    const std::optional<QByteArray> saved = settingsfile::merged(text, first);
    require(saved.has_value(), "the applied choices could not be saved into the file");
    require(settingsfile::parse(*saved) == first, "the saved choices start differently");
    return 0;
}
