#pragma once

// A simulated calculator made COMn of the test's configuration folder, the
// way ekrano-calc --link and a user's port link do it, and the check that it
// got the final ACK of every screen it sent.

#include <gtest/gtest.h>

#include <string>

#include "calcsimulator.h"
#include "comports.h"
#include "portlink.h"

inline void linkPort(int port, const std::string &terminal)
{
    std::string error;
    ASSERT_TRUE(makeLink(calclink::portLinkPath(port), terminal, error)) << error;
}

// Stops the calculator (which waits for an ACK still due) and expects no
// screen sent whole and right to have gone without its final ACK.
inline void expectEveryAckDelivered(CalcSimulator &simulator)
{
    simulator.stop();
    EXPECT_EQ(simulator.missingAcks(), 0) << "the calculator never got a good capture's final ACK";
}
