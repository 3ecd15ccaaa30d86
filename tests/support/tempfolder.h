#pragma once

// Folders a test makes for itself and leaves nothing of.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

// A fresh folder under /tmp, removed with all it holds however the test
// ends; path() is empty when it could not be made.
class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/ekrano-test-XXXXXX";
        if (::mkdtemp(pattern))
            path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A test whose configuration folder (XDG_CONFIG_HOME), and so its port
// links, is a fresh folder of its own.
class PrivateConfig : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder_.path().empty()) << "no temporary folder";
        ::setenv("XDG_CONFIG_HOME", folder_.path().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

    const std::filesystem::path &config() const { return folder_.path(); }

private:
    TempFolder folder_;
};
