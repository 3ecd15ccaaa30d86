#pragma once

// A simulated calculator made COMn of the test's configuration folder, the
// way ekrano-calc --link and a user's port link do it.

#include <gtest/gtest.h>

#include <string>

#include "devicenames.h"
#include "portlink.h"

inline void linkPort(int port, const std::string &terminal)
{
    std::string error;
    ASSERT_TRUE(makeLink(calclink::portLinkPath(port), terminal, error)) << error;
}
