// Ekrano Live against the simulated calculator on a pseudo-terminal: it
// follows the screens, copies what the Ekrano window draws, shows a silent
// or an unplugged calculator and recovers, and lets go of the port at once
// when closed; and a calculator on its own USB port, through the simulated
// USB device. Its grid of a class's calculators: the layout, the keys, the
// names kept per place and a calculator unplugged and plugged in again.

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QInputDialog>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <set>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include "calcsimulator.h"
#include "capture.h"
#include "classwindow.h"
#include "directdevice.h"
#include "everycalculator.h"
#include "livecalculator.h"
#include "livegrid.h"
#include "liverecorder.h"
#include "livetile.h"
#include "livewindow.h"
#include "tilelayout.h"
#include "portlinks.h"
#include "render.h"
#include "windowtest.h"

using namespace std::chrono_literals;

class LiveTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        simulator.start();
        linkPort(1, simulator.path());
        // COM1, Gray, zoom 2.5, the frame, dark blue on white.
        store({{"port", "1"}, {"cable", "1"}, {"scrollbar", "25"}, {"border", "1"}, {"forecolor", "7340032"},
               {"backcolor", "16777215"}});
    }

    LiveWindow &liveWindow(std::optional<calclink::LinkTimeouts> timeouts = std::nullopt)
    {
        live = std::make_unique<LiveWindow>(settingsfile::read(), ScreenMetrics{15, 15},
                                            timeouts);
        live->show();
        return *live;
    }
    bool statusSays(const QString &words)
    {
        return waitUntil([&] { return live->status().contains(words); });
    }

    // The program itself, started as a shell starts it, tracing to `trace`,
    // its standard output into `out` when given.
    std::unique_ptr<QProcess> liveProgram(const QString &trace, int out = -1)
    {
        auto program = std::make_unique<QProcess>();
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.insert("EKRANO_TRACE", trace);
        program->setProcessEnvironment(variables);
        program->setChildProcessModifier([out] {
            ::signal(SIGPIPE, SIG_DFL); // whatever the test's own setting
            if (out >= 0)
                ::dup2(out, STDOUT_FILENO);
        });
        program->start(EKRANO_BINARY_DIR "/ekrano-live");
        EXPECT_TRUE(program->waitForStarted());
        return program;
    }
    // SIGTERM, as the session sends it: the program ends by itself, at once.
    static bool endsOnSigterm(QProcess &program)
    {
        ::kill(pid_t(program.processId()), SIGTERM);
        return program.waitForFinished(5000) && program.exitStatus() == QProcess::NormalExit &&
               program.exitCode() == 0;
    }
    // The terminal's speed set to 38400 baud, for the port's settings to be found again after.
    int terminalAt38400()
    {
        const int terminal = ::open(simulator.path().c_str(), O_RDWR | O_NOCTTY);
        termios before;
        ::tcgetattr(terminal, &before);
        ::cfsetospeed(&before, B38400);
        ::tcsetattr(terminal, TCSANOW, &before);
        return terminal;
    }
    static speed_t speedOf(int terminal)
    {
        termios now;
        ::tcgetattr(terminal, &now);
        return ::cfgetospeed(&now);
    }

    // The Pictures folder, in the test's own configuration folder.
    void usePictures()
    {
        QFile dirs(configPath() + "/user-dirs.dirs");
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_PICTURES_DIR=\"" + pictures().toUtf8() + "\"\n");
    }
    QString pictures() const { return configPath() + "/Pictures"; }

    CalcSimulator simulator;
    std::unique_ptr<LiveWindow> live;
};

TEST_F(LiveTest, TheWindowFollowsTheScreens)
{
    simulator.setAnimated(true);
    std::vector<QImage> frames;
    for (int frame = 0; frame < kAnimationFrames; ++frame)
        frames.push_back(display::render(display::screenImage(animatedScreen(frame)),
                                         display::solidLook(2.5, 15, 15, 7340032, 0xFFFFFF, true)));
    LiveWindow &window = liveWindow();
    std::set<long> shown;
    ASSERT_TRUE(waitUntil([&] {
        const QImage picture = window.picture();
        if (!picture.isNull())
            shown.insert(std::find(frames.begin(), frames.end(), picture) - frames.begin());
        return shown.size() >= 4;
    })) << "the window did not follow the calculator";
    EXPECT_FALSE(shown.count(kAnimationFrames)) << "the window showed a screen the calculator never sent";
    EXPECT_TRUE(window.status().startsWith("COM1, Gray cable · ")) << window.status().toStdString();
    EXPECT_TRUE(window.status().endsWith(" screens/s · Reading")) << window.status().toStdString();
}

TEST_F(LiveTest, MirrorsACalculatorOnItsOwnUsbPort)
{
    auto plug = std::make_shared<DirectPlug>();
    plug->calculator.behaviour().screen = builtinScreen();
    calclink::setUsbOpener(directOpener(plug));
    struct Unset {
        ~Unset() { calclink::setUsbOpener({}); }
    } unset;
    settingsfile::Choices choices = settingsfile::read();
    choices.link.cable = calclink::LinkChoice::Usb;
    live = std::make_unique<LiveWindow>(choices, ScreenMetrics{15, 15});
    live->show();
    const QImage expected = display::render(display::screenImage(builtinScreen()),
                                            display::solidLook(2.5, 15, 15, 7340032, 0xFFFFFF, true));
    EXPECT_TRUE(waitUntil([&] { return live->picture() == expected; })) << live->status().toStdString();
    EXPECT_TRUE(statusSays("USB cable · ")) << live->status().toStdString();
    live.reset();
    std::lock_guard lock(plug->mutex);
    EXPECT_TRUE(plug->calculator.hostFaults().empty()) << plug->calculator.hostFaults().front();
}

TEST_F(LiveTest, EveryCalculatorPixelIsTheSameSquareCentredInTheWindow)
{
    LiveWindow &window = liveWindow();
    window.resize(520, 400);
    ASSERT_TRUE(waitUntil([&] { return !window.picture().isNull(); }));
    const QImage shown = window.centralWidget()->grab().toImage();
    const int scale = std::min(shown.width() / 96, shown.height() / 64);
    const QPoint corner((shown.width() - 96 * scale) / 2, (shown.height() - 64 * scale) / 2);
    ASSERT_GE(scale, 2);
    const calclink::Bitmap screen = builtinScreen();
    for (int y = 0; y < 64 * scale; ++y)
        for (int x = 0; x < 96 * scale; ++x)
            ASSERT_EQ(shown.pixel(corner + QPoint(x, y)),
                      calclink::isDark(screen, x / scale, y / scale) ? qRgb(0, 0, 0x70) : qRgb(255, 255, 255))
                << "at " << x << "," << y << " of squares of " << scale;
    EXPECT_EQ(shown.pixel(corner - QPoint(1, 1)), qRgb(255, 255, 255)) << "the background around";
}

TEST_F(LiveTest, TheStatusCountsTheScreensASecond)
{
    // No faster than a calculator that takes 100 ms to answer allows, however fast the machine.
    simulator.setFault(Fault::Late, 100ms);
    LiveWindow &window = liveWindow();
    ASSERT_TRUE(waitUntil([&] { return simulator.requestsServed() >= 5; }));
    QThread::msleep(50);
    QCoreApplication::processEvents();
    const double rate = window.status().section(" · ", 1, 1).section(' ', 0, 0).toDouble();
    EXPECT_GT(rate, 0) << window.status().toStdString();
    EXPECT_LE(rate, 10.5) << window.status().toStdString();
}

TEST_F(LiveTest, TheProgramTakesTheLinkAndColourOptionsAndRefusesOthers)
{
    const auto run = [](const QStringList &arguments) {
        QProcess program;
        program.start(EKRANO_BINARY_DIR "/ekrano-live", arguments);
        program.waitForFinished(20000);
        return std::pair(program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError()));
    };
    const auto [status, said] = run({"--cable", "purple"});
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(said.endsWith("ekrano-live: --cable takes black, gray or usb, not 'purple'; see ekrano-live --help\n"))
        << said.toStdString();
    EXPECT_EQ(run({"--background", "#12345"}).first, 2);
    EXPECT_NE(run({"--zoom", "2"}).first, 0) << "the zoom is the window's, not the live window's";

    // Help, version and a wrong option need no display; Qt's own options are no wrong ones.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("QT_QPA_PLATFORM");
    for (const char *option : {"--help", "--version"})
        EXPECT_EQ(run({option}).first, 0) << option;
    const auto [unknown, told] = run({"-platform", "offscreen", "--shiny"});
    EXPECT_EQ(unknown, 2);
    EXPECT_TRUE(told.endsWith("ekrano-live: Unknown option 'shiny'; see ekrano-live --help\n")) << told.toStdString();
    qputenv("QT_QPA_PLATFORM", platform);
}

TEST_F(LiveTest, SpacePausesAndResumesReading)
{
    LiveWindow &window = liveWindow();
    ASSERT_TRUE(waitUntil([&] { return simulator.requestsServed() > 0; }));
    window.togglePause();
    EXPECT_TRUE(window.status().endsWith(" · Paused")) << window.status().toStdString();
    QThread::msleep(100); // a capture under way ends
    const int served = simulator.requestsServed();
    QThread::msleep(200);
    EXPECT_EQ(simulator.requestsServed(), served) << "a request went out while paused";
    window.togglePause();
    EXPECT_TRUE(waitUntil([&] { return simulator.requestsServed() > served; }));
    EXPECT_TRUE(statusSays("Reading"));

    // A capture that ends after Space is shown, but not counted.
    simulator.setFault(Fault::Late, 300ms);
    const int before = simulator.requestsServed();
    ASSERT_TRUE(waitUntil([&] { return simulator.requestsServed() > before; }));
    QThread::msleep(100); // the next request's answer is on its way
    window.togglePause();
    simulator.setFault(Fault::None);
    QThread::msleep(400);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.status().endsWith(" · 0.0 screens/s · Paused")) << window.status().toStdString();
}

TEST_F(LiveTest, CtrlCAndCtrlSGiveThePictureTheEkranoWindowDraws)
{
    LiveWindow &window = liveWindow();
    ASSERT_TRUE(waitUntil([&] { return !window.picture().isNull(); }));
    window.copyPicture();
    const QImage copied = clipboardImage().convertToFormat(QImage::Format_RGB32);
    const QString saved = configPath() + "/saved.png";
    {
        ModalHand hand;
        hand.then([&](QWidget *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            ASSERT_NE(files, nullptr) << "expected the file dialog";
            files->selectFile(saved);
            qobject_cast<QDialog *>(files)->accept();
        });
        window.savePicture();
    }
    EXPECT_EQ(QImage(saved).convertToFormat(QImage::Format_RGB32), copied);
    live.reset(); // the port, free for the window

    Form1 &form = startedWindow();
    {
        ModalHand hand;
        form.Command1->click();
        EXPECT_EQ(hand.unexpected(), 0);
    }
    EXPECT_EQ(copied, form.Picture1->Image());
}

TEST_F(LiveTest, ASilentOrUnpluggedCalculatorShowsItsStateAndReadingGoesOn)
{
    calclink::LinkTimeouts quick;
    quick.reply = quick.byte = 100ms;
    simulator.setFault(Fault::Silent);
    LiveWindow &window = liveWindow(quick);
    EXPECT_TRUE(statusSays("Waiting for the calculator")) << window.status().toStdString();
    simulator.setFault(Fault::None);
    EXPECT_TRUE(statusSays("Reading")) << window.status().toStdString();
    EXPECT_FALSE(window.picture().isNull());

    // The adapter unplugged: its port link leads nowhere, and the reason is
    // the capture's. Plugged in again, reading goes on by itself.
    live.reset();
    linkPort(1, config_.path().toStdString() + "/unplugged-adapter");
    liveWindow(quick);
    EXPECT_TRUE(statusSays("which is not there: is the cable or adapter plugged in?")) << live->status().toStdString();
    linkPort(1, simulator.path());
    EXPECT_TRUE(statusSays("Reading")) << live->status().toStdString();
}

TEST_F(LiveTest, AWrongAnswerIsToldAndAskedAgainOnlyAfterAPause)
{
    for (const Fault fault : {Fault::Skip, Fault::BadChecksumAlways, Fault::WrongMachineId}) {
        simulator.setFault(fault);
        LiveWindow &window = liveWindow();
        ASSERT_TRUE(statusSays("The calculator answered wrongly: ")) << int(fault) << window.status().toStdString();
        const int served = simulator.requestsServed();
        QThread::msleep(400);
        EXPECT_LE(simulator.requestsServed() - served, 1) << int(fault) << ": asked again without a pause";
        live.reset();
    }
}

TEST_F(LiveTest, ATraceThatCannotBeWrittenNeverHoldsTheProgram)
{
    // A named pipe whose reader never reads: it is full after a few screens.
    const QString fifo = configPath() + "/trace";
    ASSERT_EQ(::mkfifo(qPrintable(fifo), 0644), 0);
    const int reader = ::open(qPrintable(fifo), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const std::unique_ptr<QProcess> program = liveProgram(fifo);
    EXPECT_TRUE(waitUntil([&] { return simulator.requestsServed() >= 60; }, 20000))
        << "reading stopped at " << simulator.requestsServed() << " screens";
    EXPECT_TRUE(endsOnSigterm(*program));
    EXPECT_EQ(program->readAllStandardError().count("incomplete"), 1);
    ::close(reader);
}

TEST_F(LiveTest, AClosedStandardOutputNeitherEndsTheProgramNorLeavesThePortRaw)
{
    const int terminal = terminalAt38400();
    ASSERT_GE(terminal, 0);
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const std::unique_ptr<QProcess> program = liveProgram("/dev/stdout", out[1]);
    ::close(out[1]);
    char some[100];
    ASSERT_GT(::read(out[0], some, sizeof some), 0) << "nothing traced";
    ::close(out[0]); // as `| head -c 100` does
    const int served = simulator.requestsServed();
    EXPECT_TRUE(waitUntil([&] { return simulator.requestsServed() >= served + 10; }));
    EXPECT_EQ(program->state(), QProcess::Running) << "ended by SIGPIPE";
    EXPECT_TRUE(endsOnSigterm(*program));
    EXPECT_EQ(speedOf(terminal), B38400) << "the port's speed put back";
    ::close(terminal);
}

TEST_F(LiveTest, ClosingDuringACaptureEndsItAtOnceAndPutsThePortBack)
{
    const int terminal = terminalAt38400();
    ASSERT_GE(terminal, 0);

    simulator.setFault(Fault::Trickle, 500ms); // a reply that takes minutes
    LiveWindow &window = liveWindow();
    ASSERT_TRUE(waitUntil([&] { return simulator.requestsServed() == 1; }));
    QThread::msleep(100);
    const auto start = std::chrono::steady_clock::now();
    window.close();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);

    EXPECT_EQ(speedOf(terminal), B38400) << "the port's speed put back";
    ::close(terminal);
}

// Recording: the screens of the animation, saved whole as a GIF.
class LiveRecordingTest : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        usePictures();
        simulator.setAnimated(true);
        simulator.setFault(Fault::Late, 20ms);
    }

    void recordSomeScreens(LiveWindow &window)
    {
        window.toggleRecording();
        EXPECT_TRUE(window.status().endsWith(" · Recording 0:00 · 0 screens")) << window.status().toStdString();
        const int served = simulator.requestsServed();
        ASSERT_TRUE(waitUntil([&] { return simulator.requestsServed() >= served + 4; }));
        static const QRegularExpression counted("Recording \\d:\\d\\d · ([2-9]|\\d\\d+) screens$");
        ASSERT_TRUE(waitUntil([&] { return counted.match(window.status()).hasMatch(); })) << window.status().toStdString();
    }

    // Every frame is a screen of the animation at the stored zoom rounded (2.5: 3), colours and frame.
    void expectAnimationFrames(const QString &file)
    {
        QImageReader reader(file, "gif");
        std::vector<QImage> animation;
        for (int frame = 0; frame < kAnimationFrames; ++frame)
            animation.push_back(display::render(display::screenImage(animatedScreen(frame)),
                                                display::solidLook(3, 15, 15, 7340032, 0xFFFFFF, true)));
        int frames = 0;
        for (QImage image; reader.read(&image); ++frames)
            EXPECT_NE(std::find(animation.begin(), animation.end(), image.convertToFormat(QImage::Format_RGB32)),
                      animation.end())
                << "frame " << frames << " of " << file.toStdString();
        EXPECT_GE(frames, 2) << file.toStdString();
    }
};

TEST_F(LiveRecordingTest, ClosingWhileRecordingSavesItUnderTheOfferedNameWithoutAsking)
{
    LiveWindow &window = liveWindow();
    recordSomeScreens(window);
    {
        ModalHand hand; // no dialog opens
        window.close();
        EXPECT_EQ(hand.unexpected(), 0);
    }
    const QStringList saved = QDir(pictures()).entryList({"*.gif"});
    ASSERT_EQ(saved.size(), 1) << "in " << pictures().toStdString();
    EXPECT_TRUE(QRegularExpression("^ekrano-\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.gif$").match(saved[0]).hasMatch())
        << saved[0].toStdString();
    expectAnimationFrames(pictures() + "/" + saved[0]);
}

TEST_F(LiveRecordingTest, CtrlRAsksWhereAndAPlaceThatCannotBeWrittenKeepsTheRecording)
{
    LiveWindow &window = liveWindow();
    recordSomeScreens(window);
    // A folder that goes once chosen: the file cannot be written there.
    const QString gone = QDir(configPath()).absoluteFilePath("gone");
    ASSERT_TRUE(QDir().mkpath(gone));
    const QString nowhere = gone + "/recording.gif";
    const QString chosen = configPath() + "/recording.gif";
    ModalHand::Box failed;
    {
        ModalHand hand;
        const auto choose = [&hand](const QString &file, QString *offered, bool removeFolder) {
            hand.then([file, offered, removeFolder](QWidget *dialog) {
                auto *files = qobject_cast<QFileDialog *>(dialog);
                ASSERT_NE(files, nullptr) << "expected the file dialog";
                if (offered)
                    *offered = files->selectedFiles().value(0);
                files->selectFile(file);
                if (removeFolder)
                    QDir(QFileInfo(file).path()).removeRecursively();
                qobject_cast<QDialog *>(files)->accept();
            });
        };
        QString offered;
        // Escape on the file dialog, then Return on the question: the recording is kept.
        hand.then([](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); });
        QString keep;
        hand.then([&keep](QWidget *dialog) {
            auto *question = qobject_cast<QMessageBox *>(dialog);
            ASSERT_NE(question, nullptr) << "expected the question";
            ASSERT_NE(question->defaultButton(), nullptr);
            keep = question->defaultButton()->text();
            question->defaultButton()->click();
        });
        choose(nowhere, &offered, true);
        hand.pressOk(&failed);
        choose(chosen, nullptr, false);
        window.toggleRecording();
        // Written on a thread of its own, while the window goes on.
        EXPECT_TRUE(window.status().endsWith(" · Saving…")) << window.status().toStdString();
        EXPECT_TRUE(waitUntil([&] { return !window.status().contains(QRegularExpression("Record|Saving")); }))
            << window.status().toStdString();
        EXPECT_EQ(keep, "Save it");
        EXPECT_TRUE(QRegularExpression("/Pictures/ekrano-\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.gif$").match(offered).hasMatch())
            << offered.toStdString();
    }
    EXPECT_TRUE(failed.text.startsWith("The recording could not be saved to " + nowhere + ": "))
        << failed.text.toStdString();
    EXPECT_TRUE(failed.text.endsWith("It is kept: choose another place.")) << failed.text.toStdString();
    expectAnimationFrames(chosen);
    window.close();
    EXPECT_TRUE(QDir(pictures()).entryList({"*.gif"}).isEmpty()) << "saved once";
}

TEST_F(LiveRecordingTest, ClosingSavesInTheFirstFolderThatTakesItAndNeverOverAnotherFile)
{
    // Names already taken, as by another window that started in the same second.
    const auto takeTheNames = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        for (int back = 0; back <= 3; ++back) {
            QFile other(pictures() + "/ekrano-" + now.addSecs(-back).toString("yyyy-MM-dd-HHmmss") + ".gif");
            EXPECT_TRUE(other.open(QIODevice::WriteOnly) && other.write("another's") == 9);
        }
    };
    ASSERT_TRUE(QDir().mkpath(pictures()));
    LiveWindow &window = liveWindow();
    recordSomeScreens(window);
    takeTheNames();
    window.close();
    const QStringList saved = QDir(pictures()).entryList({"*-2.gif"});
    ASSERT_EQ(saved.size(), 1) << QDir(pictures()).entryList().join(" ").toStdString();
    expectAnimationFrames(pictures() + "/" + saved[0]);
    for (const QString &other : QDir(pictures()).entryList({"*.gif"})) {
        if (other != saved[0]) {
            EXPECT_EQ(QFileInfo(pictures() + "/" + other).size(), 9) << other.toStdString() << " was replaced";
        }
    }

    // Neither the Pictures folder nor the home folder can be made: the working folder.
    const QByteArray home = qgetenv("HOME"), temporary = qgetenv("TMPDIR");
    const QString workingBefore = QDir::currentPath();
    qputenv("HOME", "/proc/ekrano-nowhere");
    QFile dirs(configPath() + "/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_PICTURES_DIR=\"/proc/ekrano-nowhere/Pictures\"\n");
    dirs.close();
    const QString working = configPath() + "/working";
    ASSERT_TRUE(QDir().mkpath(working) && QDir::setCurrent(working));
    liveWindow();
    recordSomeScreens(*live);
    live->close();
    EXPECT_EQ(QDir(working).entryList({"ekrano-*.gif"}).size(), 1);

    // Nor the working folder, nor the temporary one: the recording is lost, and the program says so.
    ASSERT_TRUE(QDir::setCurrent("/proc"));
    qputenv("TMPDIR", "/proc/ekrano-nowhere");
    liveWindow();
    recordSomeScreens(*live);
    live->close();
    EXPECT_TRUE(live->recordingLost());
    QDir::setCurrent(workingBefore);
    qputenv("HOME", home);
    qputenv("TMPDIR", temporary);
}

// The grid: as many columns as make the screens largest, each screen at the
// largest whole scale its tile allows, at least 1.
TEST(TileLayoutTest, TheScreensAreAsLargeAsTheWindowAllows)
{
    constexpr int kText = 34;
    const struct {
        QSize area;
        int count;
        double ratio;
        int columns, rows, scale;
    } cases[] = {
        {{600, 400}, 1, 1, 1, 1, 5},
        {{300, 200}, 1, 2, 1, 1, 4},     // in device pixels
        {{50, 50}, 1, 1, 1, 1, 1},       // smaller than the smallest
        {{1000, 700}, 3, 1, 2, 2, 4},    // a row of three would be smaller
        {{1000, 700}, 4, 1, 2, 2, 4},
        {{1600, 300}, 4, 1, 4, 1, 3},    // a wide window: one row
        {{300, 1400}, 4, 1, 1, 4, 3},    // a tall one: one column
        {{1920, 1080}, 30, 1, 6, 5, 2},
        {{1280, 720}, 30, 1, 8, 4, 1},
        {TileLayout::smallest(40, kText), 40, 1, 7, 6, 1},
    };
    for (const auto &c : cases) {
        const TileLayout layout = TileLayout::of(c.area, c.count, kText, c.ratio);
        const std::string which = std::to_string(c.count) + " in " + std::to_string(c.area.width()) + "x" +
                                  std::to_string(c.area.height());
        EXPECT_EQ(layout.columns, c.columns) << which;
        EXPECT_EQ(layout.rows, c.rows) << which;
        EXPECT_EQ(layout.scale, c.scale) << which;
        if (c.area.width() < TileLayout::smallest(c.count, kText).width())
            continue;
        // Every tile in the window, every screen in its tile.
        EXPECT_TRUE(QRect(QPoint(), c.area).contains(layout.tileRect(c.count - 1))) << which;
        const QRect screen = TileLayout::screenArea(layout.tile, kText);
        EXPECT_LE(96 * layout.scale, screen.width() * c.ratio) << which;
        EXPECT_LE(64 * layout.scale, screen.height() * c.ratio) << which;
    }
}

// The smallest window: in a shape that fits the screen when one does, else
// that goes least beyond it; a square when there is no screen to fit.
TEST(TileLayoutTest, TheSmallestGridTakesTheScreensShape)
{
    constexpr int kText = 34; // tiles of 108 x 110
    const struct {
        int count;
        QSize room, smallest;
    } cases[] = {
        {30, {}, {648, 550}},
        {30, {1880, 960}, {648, 550}},    // the square fits
        {48, {}, {756, 770}},
        {48, {1326, 648}, {1080, 550}},   // a square is too tall for the screen
        {64, {1326, 648}, {1188, 660}},   // nothing fits: the least beyond
    };
    for (const auto &c : cases)
        EXPECT_EQ(TileLayout::smallest(c.count, kText, c.room), c.smallest)
            << c.count << " in " << c.room.width() << "x" << c.room.height();
}

TEST(TileLayoutTest, TabGoesRoundAndTheArrowsStopAtTheGridsEdges)
{
    // Ten tiles in four columns: 0-3, 4-7, 8-9.
    TileLayout layout;
    layout.columns = 4;
    using Move = TileLayout::Move;
    const struct {
        int from;
        Move move;
        int to;
    } cases[] = {
        {0, Move::Next, 1},  {9, Move::Next, 0},  {0, Move::Previous, 9}, {5, Move::Previous, 4},
        {4, Move::Left, 4},  {5, Move::Left, 4},  {3, Move::Right, 3},    {8, Move::Right, 9},
        {9, Move::Right, 9}, {1, Move::Up, 1},    {5, Move::Up, 1},       {1, Move::Down, 5},
        {5, Move::Down, 9},  {6, Move::Down, 9},  {9, Move::Down, 9},     {3, Move::Down, 7},
    };
    for (const auto &c : cases)
        EXPECT_EQ(layout.moved(c.from, 10, c.move), c.to) << "from " << c.from << ", move " << int(c.move);
}

// The grid over the calculators a test plugs in and out, COM1 to COM3 simulated.
class ClassTest : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        second.start();
        linkPort(2, second.path());
        third.start();
        linkPort(3, third.path());
    }

    struct Plugged {
        std::mutex mutex;
        std::vector<calclink::LinkChoice> calculators;
    };
    void plug(std::vector<calclink::LinkChoice> calculators)
    {
        std::lock_guard lock(plugged->mutex);
        plugged->calculators = std::move(calculators);
    }
    static calclink::LinkChoice com(int port) { return {calclink::LinkChoice::Gray, port, {}}; }

    ClassWindow &classWindow(std::optional<calclink::LinkTimeouts> timeouts = std::nullopt)
    {
        grid = std::make_unique<ClassWindow>(settingsfile::read(), ScreenMetrics{15, 15},
                                             [plugged = plugged] {
                                                 std::lock_guard lock(plugged->mutex);
                                                 return plugged->calculators;
                                             },
                                             timeouts);
        grid->show();
        return *grid;
    }
    LiveTile &tile(int index) { return *grid->grid().tile(index); }
    bool tileSays(int index, const QString &state)
    {
        return waitUntil([&] { return grid->grid().count() > index && tile(index).state() == state; });
    }

    CalcSimulator second{animatedScreen(3)}, third;
    std::shared_ptr<Plugged> plugged = std::make_shared<Plugged>();
    std::unique_ptr<ClassWindow> grid;
};

TEST_F(ClassTest, EachCalculatorIsReadOnItsOwnAndTheKeysActOnTheSelectedOne)
{
    // COM3's reply takes minutes: the others are read meanwhile.
    third.setFault(Fault::Trickle, 500ms);
    plug({com(1), com(2), com(3)});
    ClassWindow &window = classWindow();
    ASSERT_TRUE(tileSays(0, "Reading") && tileSays(1, "Reading")) << window.status().toStdString();
    const int served = simulator.requestsServed() + second.requestsServed();
    ASSERT_TRUE(waitUntil([&] { return simulator.requestsServed() + second.requestsServed() >= served + 6; }));
    EXPECT_EQ(third.requestsServed(), 1);
    EXPECT_TRUE(waitUntil([&] { return window.status().startsWith("Calculators read: 2 of 3 · "); }))
        << window.status().toStdString();

    // Tab, Shift+Tab and the arrows move the selection; Ctrl+C copies the selected screen.
    LiveGrid &grid = window.grid();
    EXPECT_EQ(grid.selected(), 0);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.selected(), 1);
    QTest::keyClick(&grid, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid.selected(), 2);
    QTest::keyClick(&grid, grid.layout().columns == 3 ? Qt::Key_Left : Qt::Key_Up);
    EXPECT_EQ(grid.selected(), grid.layout().columns == 3 ? 1 : 0);
    grid.select(1);
    window.copyPicture();
    EXPECT_EQ(clipboardImage().convertToFormat(QImage::Format_RGB32),
              tile(1).calculator()->picture().convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(tile(1).calculator()->picture(), tile(0).calculator()->picture());

    // A double click shows it alone, with its own status line; Escape goes back, and Enter shows it again.
    grid.select(0);
    QTest::mouseDClick(&tile(1), Qt::LeftButton);
    EXPECT_EQ(grid.selected(), 1);
    EXPECT_TRUE(window.alone());
    EXPECT_TRUE(window.status().startsWith("COM2, Gray cable · ")) << window.status().toStdString();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.alone());
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_TRUE(window.alone());
    window.goBack();

    // Space pauses every reader.
    window.togglePause();
    EXPECT_TRUE(tileSays(0, "Paused") && tileSays(1, "Paused") && tileSays(2, "Paused"));
    EXPECT_TRUE(window.status().endsWith(" · Paused")) << window.status().toStdString();
}

TEST_F(ClassTest, AnUnpluggedCalculatorKeepsItsTileAndReadsAgainAtTheSamePlace)
{
    plug({com(1), com(2)});
    ClassWindow &window = classWindow();
    ASSERT_TRUE(tileSays(0, "Reading") && tileSays(1, "Reading"));
    plug({com(2), com(3)});
    EXPECT_TRUE(tileSays(0, "Unplugged"));
    EXPECT_TRUE(tileSays(2, "Reading")) << "the new one, after the others";
    const int served = simulator.requestsServed();
    plug({com(3), com(1), com(2)});
    EXPECT_TRUE(tileSays(0, "Reading"));
    // A new reader says Reading before its first request is out.
    EXPECT_TRUE(waitUntil([&] { return simulator.requestsServed() > served; }));
    EXPECT_EQ(window.grid().count(), 3);
    EXPECT_EQ(tile(0).place(), "COM1");
    EXPECT_EQ(tile(2).place(), "COM3");

    // Past the most it reads, the others get no tile, and the status line says so.
    std::vector<calclink::LinkChoice> many;
    for (int number = 0; number < ClassWindow::kMostCalculators; ++number)
        many.push_back({calclink::LinkChoice::Usb, 1, {number, {}}});
    plug(many);
    EXPECT_TRUE(waitUntil([&] { return window.status().contains(QString("3 more not read: Ekrano Live reads at most %1").arg(ClassWindow::kMostCalculators)); }))
        << window.status().toStdString();
    EXPECT_EQ(window.grid().count(), ClassWindow::kMostCalculators);
}

// Calculators on their own USB port, found as ekrano-live --all finds them:
// each by where it is plugged in, so that one plugged in again at its place
// reads in its own tile, though the others were numbered anew meanwhile.
TEST_F(ClassTest, AUsbCalculatorPluggedInAgainAtItsPlaceReadsInItsOwnTile)
{
    auto bus = std::make_shared<DirectBus>();
    const auto plugAt = [&](const std::string &portPath) {
        std::lock_guard lock(bus->mutex);
        bus->plugs.emplace_back(portPath, std::make_shared<DirectPlug>());
        return bus->plugs.back().second;
    };
    const auto pullOut = [&](const std::string &portPath) {
        std::lock_guard lock(bus->mutex);
        for (auto at = bus->plugs.begin(); at != bus->plugs.end(); ++at) {
            if (at->first == portPath) {
                std::lock_guard plugLock(at->second->mutex);
                at->second->readsBeforeUnplug = 0;
                bus->plugs.erase(at);
                return;
            }
        }
    };
    plugAt("1-1.2");
    plugAt("1-1.3");
    calclink::setUsbOpener(directOpener(bus), directLister(bus));
    struct Unset {
        ~Unset() { calclink::setUsbOpener({}); }
    } unset;
    grid = std::make_unique<ClassWindow>(settingsfile::read(), ScreenMetrics{15, 15},
                                         [] { return calclink::everyCalculator(calclink::LinkChoice::Gray); });
    grid->show();
    const auto says = [&](const QString &place, const QString &state) {
        return waitUntil([&] {
            const LiveTile *tile = grid->grid().tileOf(place);
            return tile && tile->state() == state;
        });
    };
    ASSERT_TRUE(says("USB-1-1.2", "Reading") && says("USB-1-1.3", "Reading")) << grid->status().toStdString();
    const int count = grid->grid().count();
    const LiveTile *third = grid->grid().tileOf("USB-1-1.3");

    pullOut("1-1.2");
    pullOut("1-1.3");
    EXPECT_TRUE(says("USB-1-1.2", "Unplugged") && says("USB-1-1.3", "Unplugged"));
    // Now the first USB device plugged in.
    const std::shared_ptr<DirectPlug> again = plugAt("1-1.3");
    EXPECT_TRUE(says("USB-1-1.3", "Reading"));
    EXPECT_TRUE(waitUntil([&] {
        std::lock_guard lock(again->mutex);
        return !again->screens.empty();
    }));
    EXPECT_EQ(grid->grid().tileOf("USB-1-1.3"), third);
    EXPECT_EQ(grid->grid().tileOf("USB-1-1.2")->state(), "Unplugged");
    EXPECT_EQ(grid->grid().count(), count);
    grid.reset();
}

TEST_F(ClassTest, NamesAreKeptPerPlaceAndADamagedFileIsNeverWrittenOver)
{
    plug({com(1), com(2)});
    const auto name = [this](int index, const QString &name) {
        grid->grid().select(index);
        ModalHand hand;
        hand.then([name](QWidget *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            ASSERT_NE(input, nullptr) << "expected the name's dialog";
            input->setTextValue(name);
            input->accept();
        });
        grid->nameSelected();
    };
    classWindow();
    ASSERT_TRUE(waitUntil([&] { return grid->grid().count() == 2; }));
    EXPECT_EQ(tile(1).title(), "COM2") << "no name: its place";
    name(1, "  Table\t3 ");
    EXPECT_EQ(tile(1).title(), "Table 3");
    name(0, "Åsa = 1");

    // Another run, COM2 elsewhere in the grid.
    plug({com(2), com(1)});
    classWindow();
    ASSERT_TRUE(waitUntil([&] { return grid->grid().count() == 2; }));
    EXPECT_EQ(tile(0).title(), "Table 3");
    EXPECT_EQ(tile(1).title(), "Åsa = 1");
    name(1, "");
    EXPECT_EQ(tile(1).title(), "COM1") << "no name again: its place";

    // A damaged file: said at start, its good names used, and left as it is.
    QFile file(configPath() + "/Ekrano/names.conf");
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("COM1=Ana\nnot a name\n");
    file.close();
    const QByteArray damaged = [&] {
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    file.close();
    ModalHand::Box told, refused;
    {
        ModalHand hand;
        hand.pressOk(&told);
        classWindow();
        EXPECT_TRUE(waitUntil([&] { return !told.text.isEmpty(); }));
    }
    EXPECT_TRUE(told.text.contains("/Ekrano/names.conf: line 4 is not a place")) << told.text.toStdString();
    ASSERT_TRUE(waitUntil([&] { return grid->grid().count() == 2; }));
    EXPECT_EQ(tile(1).title(), "Ana");
    {
        ModalHand hand;
        hand.then([](QWidget *dialog) {
            qobject_cast<QInputDialog *>(dialog)->setTextValue("Ben");
            qobject_cast<QInputDialog *>(dialog)->accept();
        });
        hand.pressOk(&refused);
        grid->grid().select(1);
        grid->nameSelected();
    }
    EXPECT_EQ(tile(1).title(), "Ben") << "for this run";
    EXPECT_TRUE(refused.text.contains("could not be saved")) << refused.text.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
}

TEST_F(ClassTest, ClosingSavesEveryCalculatorsRecording)
{
    usePictures();
    plug({com(1), com(2)});
    ClassWindow &window = classWindow();
    ASSERT_TRUE(tileSays(0, "Reading") && tileSays(1, "Reading"));
    window.toggleRecording();
    window.grid().select(1);
    window.toggleRecording();
    static const QRegularExpression counted("^Reading · Recording \\d:\\d\\d · ([2-9]|\\d\\d+) screens$");
    EXPECT_TRUE(waitUntil([&] {
        window.grid().tile(0)->calculator()->takeNews();
        return counted.match(tile(0).state()).hasMatch() && counted.match(tile(1).state()).hasMatch();
    })) << tile(0).state().toStdString();
    window.close();
    EXPECT_EQ(QDir(pictures()).entryList({"*.gif"}).size(), 2);
}
