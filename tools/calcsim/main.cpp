// ekrano-calc: a calculator on a pseudo-terminal, for trying Ekrano without one.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include <pthread.h>
#include <unistd.h>

#include "calcsimulator.h"
#include "language.h"
#include "portlink.h"
#include "translation.h"

namespace fs = std::filesystem;
using calclink::fill;
using calclink::translate;

namespace {

constexpr const char *kUsage = CALCLINK_TRANSLATE_NOOP("ekrano-calc", R"(Usage: ekrano-calc [OPTION]...
Plays a calculator with a 96 x 64 screen on a pseudo-terminal, speaking the
Gray cable's byte stream, and prints the terminal's path on one line.

  --link PATH           also make PATH a symbolic link to the terminal, for
                        example ~/.config/Ekrano/ports/COM1 (folders are made;
                        an existing symbolic link is replaced, anything else
                        is left alone); the link is removed on exit
  --animate             serve a graph being drawn, a step further at every
                        request, instead of the built-in graph
  --screen FILE         serve this 96 x 64 PNG or PBM picture instead of the
                        built-in graph (dark = below half luminance)
  --silent              never answer
  --late MS             answer only after MS milliseconds (digits, 0 to 600000)
  --bad-checksum once|always
                        send the screen with a wrong checksum the first time
                        of every request, or every time
  --wrong-length        send 769 bytes of screen instead of 768
  --skip                refuse every request
  --wrong-machine-id    send the screen from a machine id no calculator uses
  --slow-reader MS      after sending the screen, read nothing for MS
                        milliseconds, with its input backed up meanwhile
  --help                show this and exit

A host that does not acknowledge a screen within 2 s (the final ACK) is told
on standard error. Stops on Ctrl-C (SIGINT) or SIGTERM.
)");


int usageError(const std::string &message)
{
    std::cerr << "ekrano-calc: " << message << "\n" << translate("ekrano-calc", "Try 'ekrano-calc --help'.") << "\n";
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const language::Translations translations;
    std::string linkPath;
    std::string screenFile;
    Fault fault = Fault::None;
    std::chrono::milliseconds lateBy{0};
    int faults = 0;
    bool animate = false;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        // `needs`: what the option says when its value is missing, %1 the option.
        const auto value = [&](const std::string &needs) -> std::string {
            if (i + 1 >= argc) {
                usageError(fill(needs, {arg}));
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--help") {
            std::cout << translate("ekrano-calc", kUsage);
            return 0;
        } else if (arg == "--link") {
            linkPath = value(translate("ekrano-calc", "%1 needs a path"));
        } else if (arg == "--animate") {
            animate = true;
        } else if (arg == "--screen") {
            screenFile = value(translate("ekrano-calc", "%1 needs a file"));
        } else if (arg == "--silent") {
            fault = Fault::Silent, ++faults;
        } else if (arg == "--late" || arg == "--slow-reader") {
            const std::string ms = value(translate("ekrano-calc", "%1 needs a number of milliseconds"));
            // Digits only: strtol() alone would take a leading blank or sign
            // and refuse a trailing one.
            const bool digits = !ms.empty() && ms.find_first_not_of("0123456789") == std::string::npos;
            errno = 0;
            const long n = digits ? std::strtol(ms.c_str(), nullptr, 10) : -1;
            if (!digits || errno != 0 || n > 600000)
                return usageError(
                    fill(translate("ekrano-calc", "%1 takes 0 to 600000 milliseconds, not '%2'"), {arg, ms}));
            fault = arg == "--late" ? Fault::Late : Fault::SlowReader;
            lateBy = std::chrono::milliseconds(n), ++faults;
        } else if (arg == "--bad-checksum") {
            const std::string when = value(translate("ekrano-calc", "%1 needs once or always"));
            if (when == "once")
                fault = Fault::BadChecksumOnce;
            else if (when == "always")
                fault = Fault::BadChecksumAlways;
            else
                return usageError(
                    fill(translate("ekrano-calc", "--bad-checksum takes once or always, not '%1'"), {when}));
            ++faults;
        } else if (arg == "--wrong-length") {
            fault = Fault::WrongLength, ++faults;
        } else if (arg == "--skip") {
            fault = Fault::Skip, ++faults;
        } else if (arg == "--wrong-machine-id") {
            fault = Fault::WrongMachineId, ++faults;
        } else {
            return usageError(fill(translate("ekrano-calc", "unknown option '%1'"), {arg}));
        }
    }
    if (faults > 1)
        return usageError(translate("ekrano-calc", "choose one way to misbehave at a time"));

    calclink::Bitmap screen = builtinScreen();
    if (!screenFile.empty()) {
        std::string error;
        const std::optional<calclink::Bitmap> loaded = loadScreen(screenFile, error);
        if (!loaded) {
            std::cerr << "ekrano-calc: " << error << '\n';
            return 1;
        }
        screen = *loaded;
    }

    // Blocked before the serving thread exists, so that it inherits the mask
    // and only sigwait() below sees these signals.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        CalcSimulator simulator(screen);
        simulator.setFault(fault, lateBy);
        simulator.setAnimated(animate);
        simulator.setFaultReport([](const std::string &fault) { std::cerr << "ekrano-calc: " << fault << std::endl; });
        if (!linkPath.empty()) {
            std::string error;
            if (!makeLink(linkPath, simulator.path(), error)) {
                std::cerr << "ekrano-calc: " << error << '\n';
                return 1;
            }
        }
        simulator.start();
        std::cout << simulator.path() << std::endl;

        int signal = 0;
        sigwait(&stopSignals, &signal);
        simulator.stop();
        if (!linkPath.empty())
            removeLink(linkPath, simulator.path());
    } catch (const std::exception &e) {
        std::cerr << "ekrano-calc: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
