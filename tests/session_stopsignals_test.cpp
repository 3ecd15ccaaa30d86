// The stop signals that the programs install.
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>

#include "stopsignals.h"

using session::StopSignals;

// The termination signals' one installer: both programs rely on its rules.
TEST(StopSignals, TakeTheThreeSignalsLeaveAnIgnoredOneAndPutAllBack)
{
    static std::atomic<int> heard{0};
    const auto hangUp = std::signal(SIGHUP, SIG_IGN);
    const auto interrupt = std::signal(SIGINT, SIG_DFL);
    const auto terminate = std::signal(SIGTERM, SIG_DFL);
    {
        const StopSignals handlers([](int) { ++heard; }, 0);
        for (int signal : {SIGINT, SIGTERM, SIGHUP})
            std::raise(signal);
        EXPECT_EQ(heard, 2) << "SIGHUP, ignored when the program started, stays ignored";
    }
    EXPECT_EQ(std::signal(SIGINT, interrupt), SIG_DFL);
    EXPECT_EQ(std::signal(SIGTERM, terminate), SIG_DFL);
    EXPECT_EQ(std::signal(SIGHUP, hangUp), SIG_IGN);
}
