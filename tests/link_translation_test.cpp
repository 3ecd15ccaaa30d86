// The link library's sentences in another language: the translator's text,
// with the device, the path, the number and the system's reason kept.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "capture.h"
#include "linkerror.h"
#include "translation.h"

using namespace calclink;

namespace {

// A language whose sentences name their parts the other way round.
std::string backwards(const char *, const char *english)
{
    if (std::string(english) == "Opening %1 failed: %2.")
        return "%2 -- %1 (opening)";
    if (std::string(english) == "Gray")
        return "Grey";
    return english;
}

} // namespace

TEST(LinkTranslation, ASentenceKeepsItsPartsInTheTranslationsOrder)
{
    EXPECT_EQ(fill("%2 then %1, %3 stays", {"a", "b"}), "b then a, %3 stays");
    EXPECT_EQ(fill("%1: %2", {"/dev/%2-%1", "100%"}), "/dev/%2-%1: 100%") << "a part is never read as a sentence";

    setTranslator(&backwards);
    const LinkError refused = systemError(EACCES, "COM1", "/home/a%1b/COM1", Doing::Opening);
    EXPECT_EQ(refused.number(), kSystemErrorBase + EACCES);
    EXPECT_EQ(refused.description(), std::string(std::strerror(EACCES)) + " -- COM1 (/home/a%1b/COM1) (opening)");
    EXPECT_EQ(cableName(kMenuGray), "Grey");
    setTranslator(nullptr);
    EXPECT_EQ(systemError(EACCES, "COM1", "/dev/ttyS0", Doing::Opening).description(),
              std::string("Opening COM1 (/dev/ttyS0) failed: ") + std::strerror(EACCES) + ".");
    EXPECT_EQ(cableName(kMenuGray), "Gray");
}
