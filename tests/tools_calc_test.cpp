// The ekrano-calc program as the demo uses it: a port link, a capture, a clean stop.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "calclink.h"
#include "calcsimulator.h"
#include "linkerror.h"
#include "packet.h"
#include "tempfolder.h"
#include "graytransport.h"

using namespace calclink;
namespace fs = std::filesystem;

namespace {

const std::string kProgram = EKRANO_BINARY_DIR "/ekrano-calc";

// ekrano-calc running with `args`, its standard output readable.
class Program {
public:
    // `errors`: a file for its standard error, if given.
    explicit Program(std::vector<std::string> args, const std::string &errors = {})
    {
        int out[2];
        if (::pipe(out) < 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            if (!errors.empty())
                ::dup2(::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char *> argv{const_cast<char *>(kProgram.c_str())};
            for (auto &arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execv(kProgram.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        out_ = out[0];
    }
    ~Program()
    {
        if (pid_ > 0 && status_ < 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0)
            ::close(out_);
    }
    // The first line of output, waiting at most ten seconds for it.
    std::string firstLine()
    {
        std::string line;
        char c;
        while (line.size() < 256) {
            pollfd p{out_, POLLIN, 0};
            if (::poll(&p, 1, 10000) <= 0 || ::read(out_, &c, 1) != 1 || c == '\n')
                break;
            line += c;
        }
        return line;
    }
    // The exit status after `signal` (0: none sent), or -1 if it did not end
    // within ten seconds (it takes milliseconds, but a loaded machine may be slow).
    int finish(int signal = 0)
    {
        if (signal)
            ::kill(pid_, signal);
        for (int i = 0; i < 1000; ++i) {
            int status;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                return status_;
            }
            ::usleep(10000);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int status_ = -1;
};

} // namespace

TEST(EkranoCalc, ServesThroughItsPortLinkAndRemovesItOnSignal)
{
    const TempFolder folder;
    const fs::path &config = folder.path();
    ASSERT_FALSE(config.empty());
    const fs::path link = config / "Ekrano/ports/COM1";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    for (int signal : {SIGTERM, SIGINT}) {
        Program program({"--link", link.string()});
        const std::string path = program.firstLine();
        ASSERT_EQ(path.rfind("/dev/pts/", 0), 0u) << "printed: " << path;
        ASSERT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(fs::read_symlink(link), path);

        CalcScreen screen;
        screen.Configure(26);
        CalcLink calcLink;
        calcLink.Connect(kCableGray, "COM1");
        calcLink.GetScreen(screen);
        EXPECT_EQ(*screen.bitmap(), builtinScreen());

        EXPECT_EQ(program.finish(signal), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << "the link outlived the simulator";
    }
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(EkranoCalc, SaysWhenTheHostNeverAcknowledgesTheScreen)
{
    const TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const fs::path errors = folder.path() / "errors";
    Program program({}, errors.string());
    const std::string path = program.firstLine();
    {
        // The request, the calculator's ACK and DATA, and then no final ACK.
        const std::unique_ptr<Transport> port = openGray("COM1", path);
        const std::vector<uint8_t> request = encodePacket(kHostId, kCmdScr);
        port->send(request.data(), request.size());
        EXPECT_EQ(readPacket(*port, Millis(2000), Millis(1000), kBitmapSize).command, kCmdAck);
        EXPECT_EQ(readPacket(*port, Millis(2000), Millis(1000), kBitmapSize).command, kCmdData);
    }
    EXPECT_EQ(program.finish(SIGTERM), 0);
    std::string said;
    std::getline(std::ifstream(errors), said);
    EXPECT_NE(said.find("did not acknowledge the screen"), std::string::npos) << said;
}

TEST(EkranoCalc, RefusesToReplaceAFileAndRejectsBadOptions)
{
    const TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const fs::path file = folder.path() / "COM1";
    std::ofstream(file) << "keep me";

    Program replacing({"--link", file.string()});
    EXPECT_NE(replacing.finish(), 0);
    EXPECT_FALSE(fs::is_symlink(file));
    std::ifstream kept(file);
    std::string content;
    std::getline(kept, content);
    EXPECT_EQ(content, "keep me");

    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"--late"}, {"--late", "soon"}, {"--late", " 5"}, {"--late", "5 "}, {"--late", "+5"},
             {"--bad-checksum", "sometimes"}, {"--silent", "--skip"}, {"--frobnicate"}}) {
        Program bad(args);
        EXPECT_EQ(bad.finish(), 2) << args.front() << " " << args.back();
    }
    Program help({"--help"});
    EXPECT_NE(help.firstLine().find("Usage"), std::string::npos);
    EXPECT_EQ(help.finish(), 0);
}

TEST(EkranoCalc, AScreenFileThatCannotBeServedSaysWhy)
{
    const TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const auto refusal = [](const fs::path &file) {
        std::string error;
        EXPECT_FALSE(loadScreen(file.string(), error)) << file;
        return error;
    };
    EXPECT_NE(refusal(folder.path() / "missing.png").find("No such file or directory"), std::string::npos);
    EXPECT_NE(refusal(folder.path()).find("a folder"), std::string::npos);
    // Its header says how large a picture is, before it would be loaded.
    std::ofstream(folder.path() / "huge.pbm") << "P4\n30000 30000\n";
    EXPECT_NE(refusal(folder.path() / "huge.pbm").find("30000 x 30000 pixels"), std::string::npos);
    std::ofstream(folder.path() / "text.png") << "no picture";
    EXPECT_NE(refusal(folder.path() / "text.png").find("not a picture that can be read"), std::string::npos);
}
