// Many presses of the capture button against the simulated calculator, with a
// fault drawn at random for each: every press must end in the calculator's
// screen or in the message box its fault calls for, within its time limit,
// and the program must hold no more descriptors and barely more memory at
// the end than once it had settled.
//
// EKRANO_SOAK_CAPTURES sets the number of presses (100 unless said; make
// soak runs 1000), EKRANO_SOAK_SEED the random draw, to repeat a run: make
// test always gives the same one, and without it every run draws its own.

#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>

#include "calcsimulator.h"
#include "pictures.h"
#include "portlinks.h"
#include "windowtest.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kCaptureLimit = 5s;
// Growth of the resident memory allowed between the end of the first deck and the end.
constexpr long kMemoryBoundKiB = 2048;

long environmentNumber(const char *name, long fallback)
{
    const char *text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

// The open descriptors and what each is. Qt's pool of worker threads, which
// converts images, starts and ends threads as it likes, each with an eventfd
// of its own; those are Qt's, not the program's, and are not counted.
std::map<int, std::string> openDescriptors()
{
    std::map<int, std::string> open;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        if (target != "anon_inode:[eventfd]")
            open[std::stoi(entry.path().filename().string())] = target;
    }
    return open;
}

std::string listed(const std::map<int, std::string> &descriptors)
{
    std::string text;
    for (const auto &[fd, target] : descriptors)
        text += "\n  " + std::to_string(fd) + " -> " + target;
    return text;
}

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

enum class Ending { Picture, CheckCalculator, Unplugged };

// One press: what the calculator does and what the user must then see.
struct Draw {
    const char *name;
    Fault fault;
    std::chrono::milliseconds lateBy;
    Ending ending;
};

// A deck of presses, shuffled for every round, so that each fault comes up
// in every 50 presses while the slow ones (silent, or late past the 2 s
// limit, about 2 s each) stay rare enough for a thousand presses to take
// minutes, not an hour.
std::vector<Draw> deck()
{
    const struct {
        Draw draw;
        int copies;
    } kinds[] = {
        {{"none", Fault::None, 0ms, Ending::Picture}, 16},
        {{"bad checksum once", Fault::BadChecksumOnce, 0ms, Ending::Picture}, 6},
        {{"late within the limit", Fault::Late, 0ms, Ending::Picture}, 2}, // the delay is drawn per press
        {{"late past the limit", Fault::Late, 2500ms, Ending::CheckCalculator}, 1},
        {{"silent", Fault::Silent, 0ms, Ending::CheckCalculator}, 1},
        {{"bad checksum always", Fault::BadChecksumAlways, 0ms, Ending::CheckCalculator}, 5},
        {{"wrong length", Fault::WrongLength, 0ms, Ending::CheckCalculator}, 5},
        {{"skip", Fault::Skip, 0ms, Ending::CheckCalculator}, 5},
        {{"wrong machine id", Fault::WrongMachineId, 0ms, Ending::CheckCalculator}, 5},
        {{"hang-up", Fault::HangUp, 0ms, Ending::Unplugged}, 4},
    };
    std::vector<Draw> cards;
    for (const auto &kind : kinds)
        cards.insert(cards.end(), size_t(kind.copies), kind.draw);
    return cards;
}

} // namespace

class Soak : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        simulator.start();
        linkPort(1, simulator.path());
        form = &startedWindow(15);
        form->mnuCableType_Click(1); // Gray
    }

    // The box a failed press must show.
    QString expectedText(Ending ending) const
    {
        if (ending == Ending::CheckCalculator)
            return kCheckCalculator;
        return QString("80070005\r\nReading from COM1 (%1) failed: %2. The cable or adapter may have been unplugged.")
            .arg(QString::fromStdString(calclink::portLinkPath(1)), QString::fromLocal8Bit(std::strerror(EIO)));
    }

    void TearDown() override { expectEveryAckDelivered(simulator); }

    CalcSimulator simulator;
    Form1 *form = nullptr;
};

TEST_F(Soak, EveryPressEndsInTheScreenOrTheRightBoxWithoutLeaks)
{
    const long captures = environmentNumber("EKRANO_SOAK_CAPTURES", 100);
    const auto seed = unsigned(environmentNumber("EKRANO_SOAK_SEED", long(std::random_device{}() & 0x7FFFFFFF)));
    std::mt19937 random(seed);
    std::cout << "soak: " << captures << " presses, EKRANO_SOAK_SEED=" << seed << std::endl;

    const std::vector<Draw> cards = deck();
    std::vector<Draw> round;
    calclink::Bitmap shown{}; // Picture2 starts blank: every pixel light
    std::map<std::string, int> drawn;
    auto slowest = Clock::duration::zero();
    const auto descriptorsAtStart = openDescriptors();
    std::map<int, std::string> descriptorsSettled;
    bool settled = false;
    long memorySettled = 0;
    const auto started = Clock::now();

    for (long press = 0; press < captures; ++press) {
        if (round.empty()) {
            round = cards;
            std::shuffle(round.begin(), round.end(), random);
        }
        Draw draw = round.back();
        round.pop_back();
        if (draw.fault == Fault::Late && draw.ending == Ending::Picture)
            draw.lateBy = std::chrono::milliseconds(std::uniform_int_distribution(100, 1200)(random));
        ++drawn[draw.name];
        SCOPED_TRACE(testing::Message() << "press " << press << ": " << draw.name << ", seed " << seed);

        calclink::Bitmap screen;
        for (auto &byte : screen)
            byte = uint8_t(random());
        simulator.setScreen(screen);
        simulator.setFault(draw.fault, draw.lateBy);

        ModalHand::Box box;
        const auto before = Clock::now();
        {
            ModalHand hand;
            if (draw.ending != Ending::Picture)
                hand.pressOk(&box);
            form->Command1->click();
            EXPECT_EQ(hand.unexpected(), 0) << "a box opened after a good capture";
        }
        const auto took = Clock::now() - before;
        slowest = std::max(slowest, took);
        EXPECT_LT(took, kCaptureLimit);

        if (draw.ending == Ending::Picture) {
            shown = screen;
            EXPECT_EQ(form->Command1->text().toStdString(), "&Screenshot to Clipboard");
            EXPECT_EQ(clipboardImage().convertToFormat(QImage::Format_RGB32), form->Picture1->Image());
        } else {
            EXPECT_EQ(box.title.toStdString(), draw.ending == Ending::Unplugged ? "Ekrano" : "Ekrano Error");
            EXPECT_EQ(box.text.toStdString(), expectedText(draw.ending).toStdString());
            EXPECT_EQ(form->Command1->text().toStdString(), "&Screenshot");
        }
        EXPECT_TRUE(holdsScreen(form->Picture2, shown)) << "Picture2 must hold the last screen read";

        // A hang-up closed the calculator's terminal: a fresh one, and the
        // port link pointed at it. A late answer past the limit is still on
        // its way; the calculator is reset so that it cannot reach the next press.
        if (draw.fault == Fault::HangUp) {
            simulator.start();
            linkPort(1, simulator.path());
        } else if (draw.ending == Ending::CheckCalculator && draw.fault == Fault::Late) {
            simulator.stop();
            simulator.start();
        }
        if (HasFailure())
            break;
        if (press + 1 == long(cards.size())) {
            descriptorsSettled = openDescriptors();
            memorySettled = residentKiB();
            settled = true;
        }
    }

    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    const auto descriptorsAtEnd = openDescriptors();
    const long memoryAtEnd = residentKiB();
    std::cout << "soak: " << captures << " presses in " << seconds << " s, slowest "
              << std::chrono::duration<double>(slowest).count() << " s; descriptors " << descriptorsAtStart.size()
              << " at the start, " << descriptorsAtEnd.size() << " at the end; resident memory " << memorySettled
              << " KiB after the first " << cards.size() << " presses, " << memoryAtEnd << " KiB at the end\n";
    for (const auto &[name, count] : drawn)
        std::cout << "soak:   " << count << " x " << name << "\n";
    RecordProperty("seconds", std::to_string(seconds));
    RecordProperty("memory_growth_kib", std::to_string(memoryAtEnd - memorySettled));

    // The same number open; a terminal that was replaced may have another name.
    EXPECT_EQ(descriptorsAtEnd.size(), descriptorsAtStart.size())
        << "at the start:" << listed(descriptorsAtStart) << "\nat the end:" << listed(descriptorsAtEnd);
    if (settled) {
        EXPECT_EQ(descriptorsAtEnd.size(), descriptorsSettled.size())
            << "after the first deck:" << listed(descriptorsSettled) << "\nat the end:" << listed(descriptorsAtEnd);
        EXPECT_LE(memoryAtEnd - memorySettled, kMemoryBoundKiB) << "resident memory grew";
    }
}
