// ekrano-capture against the simulated calculator: the same picture as the
// window's, its failures and their statuses, and no file left half-made.

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <unistd.h>

#include "calcsimulator.h"
#include "language.h"
#include "portlinks.h"
#include "render.h"
#include "smalldisk.h"
#include "windowtest.h"

using namespace std::chrono_literals;

namespace {

const QString kProgram = EKRANO_BINARY_DIR "/ekrano-capture";

struct Outcome {
    int status = -1;
    QByteArray output, errors;
};

} // namespace

class CaptureCommand : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        simulator.start();
        linkPort(1, simulator.path());
        store({{"port", "1"}, {"cable", "1"}});
    }

    // The program as a script runs it: no display of any kind.
    Outcome run(const QStringList &arguments, const QStringList &variables = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        for (const QString &variable : variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        process.setProcessEnvironment(environment);
        process.start(kProgram, arguments);
        Outcome result;
        if (!process.waitForFinished(20000))
            return result;
        result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.output = process.readAllStandardOutput();
        result.errors = process.readAllStandardError();
        return result;
    }

    QString file(const char *name) const { return configPath() + "/" + name; }
    QStringList filesBeside(const QString &path) const
    {
        return QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden);
    }

    void TearDown() override { expectEveryAckDelivered(simulator); }

    CalcSimulator simulator;
};

TEST_F(CaptureCommand, ThePictureIsTheWindowsClipboardPicture)
{
    store({{"border", "1"}, {"scrollbar", "25"}, {"forecolor", "8388608"}, {"backcolor", "65535"}});
    Form1 &form = startedWindow(15);
    form.Command1->click();
    const QImage clipboard = clipboardImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(clipboard.size(), QSize(241, 161)) << "zoom 2.5, as the window draws it";

    const Outcome shot = run({file("shot.png")});
    ASSERT_EQ(shot.status, 0) << shot.errors.toStdString();
    EXPECT_EQ(QImage(file("shot.png")).convertToFormat(QImage::Format_RGB32), clipboard);

    // To standard output; the options over the stored settings; the bare screen.
    const Outcome piped = run({"--zoom", "1", "--no-border", "--background", "#123456", "-"});
    ASSERT_EQ(piped.status, 0) << piped.errors.toStdString();
    const QImage small = QImage::fromData(piped.output, "PNG");
    EXPECT_EQ(small.size(), QSize(94, 62));
    EXPECT_EQ(small.pixel(0, 0), qRgb(0x12, 0x34, 0x56)) << "no frame, the background given";
    const Outcome raw = run({"--raw", file("raw.png")});
    ASSERT_EQ(raw.status, 0) << raw.errors.toStdString();
    const QImage bare(file("raw.png"));
    ASSERT_EQ(bare.size(), QSize(96, 64));
    const calclink::Bitmap screen = builtinScreen();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            ASSERT_EQ(bare.pixel(x, y), calclink::isDark(screen, x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    EXPECT_EQ(stored("scrollbar"), "25") << "the settings are never written";

    // Nothing on standard error in the C locale either, where cron runs it.
    EXPECT_EQ(run({file("c.png")}, {"LC_ALL=C"}).errors, "");
}

TEST_F(CaptureCommand, EachMisbehaviourIsToldWithItsNumberAndLeavesNoFile)
{
    QFile old(file("kept.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an earlier screen");
    old.close();
    for (Fault fault : {Fault::BadChecksumAlways, Fault::WrongLength, Fault::Skip, Fault::WrongMachineId}) {
        simulator.setFault(fault);
        const Outcome failed = run({file("new.png")});
        EXPECT_EQ(failed.status, 1) << int(fault);
        EXPECT_TRUE(failed.errors.startsWith(
            "ekrano-capture: Error... Check calculator, connection, & 'Link Settings' (80004005): "))
            << failed.errors.toStdString();
        EXPECT_FALSE(QFile::exists(file("new.png")));
        const Outcome over = run({file("kept.png")});
        EXPECT_EQ(over.status, 1);
    }
    EXPECT_EQ(filesBeside(file("new.png")), QStringList({"kept.png"})) << "no temporary file either";
    QFile kept(file("kept.png"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "an earlier screen");

    simulator.setFault(Fault::HangUp);
    const Outcome unplugged = run({file("new.png")});
    EXPECT_EQ(unplugged.status, 1);
    EXPECT_TRUE(unplugged.errors.startsWith("ekrano-capture: 80070005 Reading from COM1")) << unplugged.errors.toStdString();
}

TEST_F(CaptureCommand, CtrlCCancelsTheCaptureAtOnceAndLeavesNoFile)
{
    simulator.setFault(Fault::Trickle, 500ms);
    QProcess process;
    process.start(kProgram, {file("shot.png")});
    ASSERT_TRUE(process.waitForStarted());
    QTest::qWait(700);
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(2000)) << "not the minutes the trickle would take";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError(), "ekrano-capture: cancelled\n");
    EXPECT_TRUE(filesBeside(file("shot.png")).filter(".png").isEmpty()) << filesBeside(file("shot.png")).join(" ").toStdString();
}

TEST_F(CaptureCommand, AFileThatCannotBeWrittenFailsBeforeTheCapture)
{
    const Outcome nowhere = run({configPath() + "/no/such/folder/shot.png"});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_TRUE(nowhere.errors.startsWith("ekrano-capture: cannot write " + (configPath() + "/no/such/folder/shot.png").toUtf8()))
        << nowhere.errors.toStdString();
    EXPECT_EQ(simulator.requestsServed(), 0);
}

TEST_F(CaptureCommand, AFullDiskFailsAndKeepsTheEarlierPicture)
{
    const QString folder = file("disk");
    QDir().mkpath(folder);
    SmallDisk disk(folder.toStdString());
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    const QString picture = folder + "/shot.png";
    QFile old(picture);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("an earlier screen") == 17);
    old.close();
    ASSERT_TRUE(disk.fillLeaving(0));
    const Outcome full = run({"--zoom", "5", picture});
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.errors, "ekrano-capture: cannot write " + picture.toUtf8() + ": No space left on device\n");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "an earlier screen");
    EXPECT_EQ(filesBeside(picture), QStringList({"filler", "shot.png"}));
}

TEST_F(CaptureCommand, ADeviceOrAPipeIsWrittenIntoAndNeverReplaced)
{
    // A named pipe, its reader already there: the picture fits in its buffer.
    const QString pipe = file("pipe");
    ASSERT_EQ(::mkfifo(qPrintable(pipe), 0644), 0);
    QFile reader;
    ASSERT_TRUE(reader.open(::open(qPrintable(pipe), O_RDONLY | O_NONBLOCK | O_CLOEXEC), QIODevice::ReadOnly,
                            QFileDevice::AutoCloseHandle));
    const Outcome intoPipe = run({pipe});
    const QByteArray piped = reader.readAll();
    EXPECT_EQ(intoPipe.status, 0) << intoPipe.errors.toStdString();
    EXPECT_EQ(QImage::fromData(piped, "PNG").size(), QSize(290, 194));

    // Standard output by its name, appended to a file by the shell.
    const QString log = file("log");
    QFile earlier(log);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier\n") == 8);
    earlier.close();
    QProcess appending;
    appending.setStandardOutputFile(log, QIODevice::Append);
    appending.start(kProgram, {"/dev/stdout"});
    ASSERT_TRUE(appending.waitForFinished(20000));
    EXPECT_EQ(appending.exitCode(), 0);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArray logged = earlier.readAll();
    EXPECT_TRUE(logged.startsWith("earlier\n")) << "replaced, not written into";
    EXPECT_EQ(QImage::fromData(logged.mid(8), "PNG").size(), QSize(290, 194));

    // A device of the test's own (only root may make one), the null device's twin.
    const QString device = file("null");
    const bool made = ::mknod(qPrintable(device), S_IFCHR | 0666, makedev(1, 3)) == 0;
    if (made) {
        EXPECT_EQ(run({device}).status, 0);
    }
    for (const QString &kept : made ? QStringList{pipe, device} : QStringList{pipe}) {
        struct stat info;
        ASSERT_EQ(::stat(qPrintable(kept), &info), 0);
        EXPECT_FALSE(S_ISREG(info.st_mode)) << kept.toStdString() << " was replaced by a file";
    }
}

TEST_F(CaptureCommand, NothingBeforeTheCaptureWaitsOrWritesAstray)
{
    // A named pipe that nobody reads would block open() for ever.
    const QString lone = file("lone");
    ASSERT_EQ(::mkfifo(qPrintable(lone), 0644), 0);
    const Outcome unread = run({lone});
    EXPECT_EQ(unread.status, 1);
    EXPECT_EQ(unread.errors, "ekrano-capture: cannot write " + lone.toUtf8() + ": nothing reads from the named pipe\n");

    // Closed, standard output's number would go to a descriptor Qt opens.
    QProcess closed;
    closed.start("/bin/sh", {"-c", "exec \"$0\" - >&-", kProgram});
    ASSERT_TRUE(closed.waitForFinished(20000));
    EXPECT_EQ(closed.exitCode(), 1);
    EXPECT_EQ(closed.readAllStandardError(),
              "ekrano-capture: cannot write standard output: it was closed when ekrano-capture started\n");

    // A pipe whose reader has gone, and a name longer than the folder takes, would fail only once written.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    QProcess gone;
    gone.setChildProcessModifier([&ends] { ::dup2(ends[1], STDOUT_FILENO); });
    gone.start(kProgram, {"--record", "-"});
    ASSERT_TRUE(gone.waitForFinished(20000));
    ::close(ends[1]);
    EXPECT_EQ(gone.exitCode(), 1);
    EXPECT_EQ(gone.readAllStandardError(), "ekrano-capture: cannot write standard output: Broken pipe\n");
    const QString longName = file("") + QString(256, 'a') + ".gif";
    const Outcome tooLong = run({"--record", longName});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_EQ(tooLong.errors, "ekrano-capture: cannot write " + longName.toUtf8() + ": File name too long\n");
    EXPECT_EQ(simulator.requestsServed(), 0);
}

TEST_F(CaptureCommand, TheTraceTellsEachStepOnALineWithItsTime)
{
    const Outcome traced = run({"--trace", file("trace.txt"), file("shot.png")});
    ASSERT_EQ(traced.status, 0) << traced.errors.toStdString();
    QFile trace(file("trace.txt"));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QStringList lines = QString(trace.readAll()).split('\n', Qt::SkipEmptyParts);
    static const QRegularExpression form("^ *[0-9]+\\.[0-9]{3} ms  \\S");
    const QString link = QString::fromStdString(calclink::portLinkPath(1));
    const QString data = "received 73 15 00 03" + QString(" ..").repeated(770) + " DATA, checksum right";
    // Each of these in this order, among the others.
    const QStringList steps = {"capture: COM1, cable code 1 (Gray)", "limits: reply 2000 ms, byte 1000 ms",
                               "device: COM1 is " + link + " -> " + QString::fromStdString(simulator.path()),
                               "port: set 9600 baud, 8 data bits, no parity, 1 stop bit", "sent 23 6D 00 00 SCR",
                               "received 73 56 00 00 ACK", data, "sent 23 56 00 00 ACK",
                               "port: input discarded", "result: the screen"};
    qsizetype at = 0;
    for (const QString &step : steps) {
        const QString pattern = QRegularExpression::escape(step).replace("\\.\\.", "[0-9A-F]{2}");
        const QRegularExpression wanted("^ *[0-9.]+ ms  " + pattern);
        for (; at < lines.size() && !wanted.match(lines[at]).hasMatch(); ++at)
            EXPECT_TRUE(form.match(lines[at]).hasMatch()) << lines[at].toStdString();
        EXPECT_LT(at++, lines.size()) << "no line " << step.toStdString();
    }
}

TEST_F(CaptureCommand, ATraceThatCannotBeWrittenFailsButNeverWaitsAndKeepsThePicture)
{
    // A named pipe already full, whose reader never reads, and a full device.
    const QString fifo = file("trace");
    ASSERT_EQ(::mkfifo(qPrintable(fifo), 0644), 0);
    const int reader = ::open(qPrintable(fifo), O_RDONLY | O_NONBLOCK);
    const int writer = ::open(qPrintable(fifo), O_WRONLY | O_NONBLOCK);
    while (::write(writer, "trace", 5) > 0) {
    }
    for (const auto &[trace, why] : {std::pair<QString, QByteArray>{"/dev/full", "No space left on device"},
                                     {fifo, "its reader fell behind"}}) {
        QFile::remove(file("shot.png"));
        const Outcome traced = run({"--trace", trace, file("shot.png")});
        EXPECT_EQ(traced.status, 1) << why.data();
        EXPECT_EQ(traced.errors, "ekrano-capture: the trace " + trace.toUtf8() + " is incomplete: " + why + "\n");
        EXPECT_EQ(QImage(file("shot.png")).size(), QSize(290, 194)) << why.data();
    }
    ::close(writer);
    ::close(reader);
}

TEST_F(CaptureCommand, ABadOptionSaysWhichAndWhyWithStatus2)
{
    const QString dangling = file("dangling"), port = QString::fromStdString(calclink::portLinkPath(1));
    ASSERT_TRUE(QFile::link(file("x.png"), dangling));
    const struct {
        QStringList arguments;
        const char *says;
    } cases[] = {
        {{"--zoom", "7", "x.png"}, "--zoom takes 0.1 to 5 in steps of 0.1, not '7'"},
        {{"--zoom", "2.55", "x.png"}, "--zoom takes 0.1 to 5 in steps of 0.1, not '2.55'"},
        {{"--cable", "purple", "x.png"}, "--cable takes black, gray or usb, not 'purple'"},
        {{"--port", "COM5", "x.png"}, "--port takes COM1, COM2, COM3 or COM4, or with the USB cable USB0, USB1 ... or "
                                      "where the device is plugged in, as USB-1-1.3, not 'COM5'"},
        {{"--port", "USB100", "--cable", "usb", "x.png"}, "--port takes USB0 to USB99 for a USB device, not 'USB100'"},
        {{"--port", "usb1", "--cable", "gray", "x.png"}, "--port usb1 is a USB device, for the USB cable (--cable usb)"},
        {{"--foreground", "red", "x.png"}, "--foreground takes a colour as #rrggbb, not 'red'"},
        {{"--border", "--no-border", "x.png"}, "--border and --no-border exclude each other"},
        {{"--shiny", "x.png"}, "Unknown option 'shiny'"},
        {{"--background", "#ff0000\n", "x.png"}, "--background takes a colour as #rrggbb, not '#ff0000\\x0A'"},
        {{"--zoom", "5\n", "x.png"}, "--zoom takes 0.1 to 5"},
        {{}, "say which FILE"},
        {{""}, "FILE is empty"},
        {{"a.png", "b.png"}, "give one FILE, not 2"},
        {{"--trace", "x.png", "x.png"}, "--trace names the picture's own file"},
        {{"--trace", "./x.png", "x.png"}, "--trace names the picture's own file"},
        {{"--trace", dangling, file("x.png")}, "--trace names the picture's own file"},
        {{port}, "FILE is COM1, the port the capture reads"},
        {{QString::fromStdString(simulator.path())}, "FILE is COM1, the port the capture reads"},
        {{"--trace", port, "x.png"}, "--trace names COM1, the port the capture reads"},
        {{"--seconds", "5", "x.png"}, "--seconds is for a recording: give --record too"},
        {{"--record", "--zoom", "2", "x.gif"}, "--zoom is for a PNG: a recording is drawn at --scale"},
        {{"--record", "--scale", "33", "x.gif"}, "--scale takes a whole number from 1 to 32, not '33'"},
        {{"--record", "--seconds", "3601", "x.gif"}, "--seconds takes a whole number from 1 to 3600"},
        {{"--record", "--screens", "-1", "x.gif"}, "--screens takes a whole number from 1 to 999999999"},
        {{"--all", "class", "x.png"}, "--all writes each picture into FOLDER: give no FILE"},
        {{"--all", "class", "--port", "COM1"}, "--port is for one calculator, not for --all"},
        {{"--all", "class", "--record"}, "--record is for one calculator, not for --all"},
        {{"--all", "class", "--list"}, "--list and --all exclude each other"},
        {{"--all", "class", "--cable", "usb"}, "--all reads every USB device anyway"},
        {{"--all", ""}, "FOLDER is empty"},
    };
    for (const auto &c : cases) {
        const Outcome bad = run(c.arguments);
        EXPECT_EQ(bad.status, 2) << c.says;
        EXPECT_TRUE(bad.errors.contains(c.says)) << bad.errors.toStdString();
    }
    EXPECT_EQ(simulator.requestsServed(), 0);
    EXPECT_FALSE(QFile::exists("x.png"));
    EXPECT_FALSE(QFile::exists("class"));
}

TEST_F(CaptureCommand, AllReadsEveryCalculatorAtOnceAndTheOthersAreWrittenWhenSomeFail)
{
    // COM1 never answers, COM2 hangs up halfway, COM3 leads nowhere, COM4 answers.
    simulator.setFault(Fault::Silent);
    CalcSimulator hangsUp, answers;
    hangsUp.setFault(Fault::HangUp);
    for (CalcSimulator *other : {&hangsUp, &answers})
        other->start();
    linkPort(2, hangsUp.path());
    linkPort(3, file("nowhere").toStdString());
    linkPort(4, answers.path());
    const QString folder = file("class");
    const Outcome all = run({"--all", folder, "--zoom", "1", "--no-border"});
    EXPECT_EQ(all.status, 1) << all.errors.toStdString();
    EXPECT_EQ(all.errors, "");
    const QStringList lines = QString::fromUtf8(all.output).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << all.output.toStdString();
    EXPECT_TRUE(lines.last().startsWith("COM1: ")) << "the silent one held up no other: " << all.output.toStdString();
    EXPECT_TRUE(lines.contains("COM4: " + folder + "/COM4.png")) << all.output.toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression("^COM[23]: 8007")).size(), 2) << all.output.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"COM4.png"})) << "no half-made file";
    EXPECT_EQ(QImage(folder + "/COM4.png").size(), QSize(94, 62));
    expectEveryAckDelivered(answers);
}

// The language is the session's, as the C library reads it: LANGUAGE's list
// first (its first language that Ekrano has), a region's language for the
// region, and the English as written for a language Ekrano lacks and for the
// C locale, whatever LANGUAGE says (LC_ALL=C in a script).
TEST_F(CaptureCommand, ItSpeaksTheSessionsLanguageAndEnglishInTheCLocale)
{
    const struct {
        QStringList session;
        const char *language;
    } cases[] = {
        {{"LANG=fr_FR.UTF-8"}, "fr"},
        {{"LANG=nl_BE.UTF-8"}, "nl"},
        {{"LANGUAGE=de", "LANG=fr_FR.UTF-8"}, "de"},
        {{"LANGUAGE=it:sv:es", "LANG=it_IT.UTF-8"}, "sv"},
        {{"LANGUAGE=en:fr", "LANG=fr_FR.UTF-8"}, "en"},
        {{"LANG=it_IT.UTF-8"}, "en"},
        {{"LC_ALL=C", "LANGUAGE=fr"}, "en"},
        {{"LC_MESSAGES=POSIX", "LANG=es_ES.UTF-8", "LANGUAGE=es"}, "en"},
    };
    for (const auto &c : cases) {
        const language::Translations expected({c.language});
        expected.install();
        const QString says = QCoreApplication::translate("CaptureCommand", "%1; see ekrano-capture --help")
                                 .arg(QCoreApplication::translate("choiceoptions", "--zoom takes 0.1 to 5 in steps of "
                                                                                   "0.1, not '%1'")
                                          .arg("9"));
        QStringList session = c.session;
        for (const char *unset : {"LC_ALL=", "LC_MESSAGES=", "LANG=", "LANGUAGE="})
            if (!session.join(' ').contains(unset))
                session << unset;
        const Outcome bad = run({"--zoom", "9", "x.png"}, session);
        EXPECT_EQ(QString::fromUtf8(bad.errors).section('\n', -2, -2), "ekrano-capture: " + says)
            << c.session.join(' ').toStdString();
    }
    EXPECT_EQ(QCoreApplication::translate("choiceoptions", "--border and --no-border exclude each other"),
              "--border and --no-border exclude each other")
        << "no translation is left behind";
}

namespace {

// The frames of a GIF as Qt's own reader shows them.
std::vector<QImage> framesOf(const QByteArray &gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    for (QImage image; reader.read(&image);)
        frames.push_back(image.convertToFormat(QImage::Format_RGB32));
    return frames;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(CaptureCommand, RecordWritesEachScreenAsTheWindowDrawsItAtAWholeScale)
{
    simulator.setAnimated(true);
    simulator.setFault(Fault::Late, 30ms); // each screen stands long enough for a frame of its own
    store({{"border", "1"}, {"forecolor", "8388608"}, {"backcolor", "65535"}});
    const Outcome recorded = run({"--record", "--screens", "5", "--scale", "2", "-"});
    ASSERT_EQ(recorded.status, 0) << recorded.errors.toStdString();
    const std::vector<QImage> frames = framesOf(recorded.output);
    ASSERT_EQ(frames.size(), 5u);
    const display::Look look = display::solidLook(2, 15, 15, 8388608, 65535, true);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(frames[size_t(i)], display::render(display::screenImage(animatedScreen(i)), look))
            << "frame " << i;
}

TEST_F(CaptureCommand, AFailedCapturePartwayEndsTheRecordingWithWhatWasReadWritten)
{
    simulator.setAnimated(true);
    simulator.setFault(Fault::Late, 30ms);
    QProcess process;
    process.start(kProgram, {"--record", file("failed.gif")});
    ASSERT_TRUE(waitUntil([&] { return simulator.requestsServed() >= 3; }));
    simulator.setFault(Fault::Skip);
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().startsWith(
        "ekrano-capture: Error... Check calculator, connection, & 'Link Settings' (80004005): "));
    EXPECT_GE(framesOf(contentsOf(file("failed.gif"))).size(), 3u);
    EXPECT_EQ(filesBeside(file("failed.gif")).filter(".gif"), QStringList({"failed.gif"}));

    // Failing at once, there is nothing to write, and no file.
    const Outcome none = run({"--record", file("none.gif")});
    EXPECT_EQ(none.status, 1);
    EXPECT_FALSE(QFile::exists(file("none.gif")));

    // Time up before the first screen: the capture under way says why there is none.
    simulator.setFault(Fault::Silent);
    const Outcome silent = run({"--record", "--seconds", "1", file("none.gif")});
    EXPECT_EQ(silent.status, 1);
    EXPECT_TRUE(silent.errors.startsWith("ekrano-capture: Error... Check calculator, connection, & 'Link Settings' "
                                         "(80004005): "))
        << silent.errors.toStdString();
    EXPECT_FALSE(QFile::exists(file("none.gif")));
}

TEST_F(CaptureCommand, SigtermOrSecondsEndTheRecordingAndItIsWritten)
{
    // Three screens, then a capture that waits for a reply that never comes.
    simulator.setAnimated(true);
    simulator.setFault(Fault::Late, 30ms);
    const auto recordAndEnd = [&](const QStringList &arguments, bool terminate) {
        const int before = simulator.requestsServed();
        QProcess process;
        process.start(kProgram, arguments);
        EXPECT_TRUE(waitUntil([&] { return simulator.requestsServed() >= before + 3; }));
        simulator.setFault(Fault::Silent);
        const int served = simulator.requestsServed();
        EXPECT_TRUE(waitUntil([&] { return simulator.requestsServed() > served; }));
        if (terminate)
            ::kill(pid_t(process.processId()), SIGTERM);
        // Ended on time, not by the reply's time limit (a failure, status 1).
        EXPECT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        simulator.setFault(Fault::Late, 30ms);
    };
    recordAndEnd({"--record", file("ended.gif")}, true);
    EXPECT_EQ(framesOf(contentsOf(file("ended.gif"))).size(), 3u);
    recordAndEnd({"--record", "--seconds", "1", file("timed.gif")}, false);
    EXPECT_EQ(framesOf(contentsOf(file("timed.gif"))).size(), 3u);
}

TEST_F(CaptureCommand, ASignalWhileTheGifIsWrittenLetsItFinishAndTheNextAbandonsIt)
{
    // Into a named pipe that the test reads only once the signals are sent:
    // the program waits there, the GIF being larger than the pipe holds.
    simulator.setAnimated(true);
    const QString fifo = file("gif");
    ASSERT_EQ(::mkfifo(qPrintable(fifo), 0644), 0);
    const auto writeWithSignals = [&](int more, QByteArray &gif, QByteArray &errors) {
        const int reader = ::open(qPrintable(fifo), O_RDONLY | O_NONBLOCK);
        QProcess process;
        process.start(kProgram, {"--record", "--scale", "32", fifo});
        const int before = simulator.requestsServed();
        EXPECT_TRUE(waitUntil([&] { return simulator.requestsServed() >= before + 300; }));
        QTest::qWait(1500); // frames of 20 ms
        // Ended while the capture under way waits for an answer, so that none is cut off before its last ACK.
        simulator.setFault(Fault::Silent);
        const int served = simulator.requestsServed();
        EXPECT_TRUE(waitUntil([&] { return simulator.requestsServed() > served; }));
        ::kill(pid_t(process.processId()), SIGINT); // ends the recording
        simulator.setFault(Fault::None);
        pollfd written{reader, POLLIN, 0};
        EXPECT_EQ(::poll(&written, 1, 20000), 1) << "nothing written";
        for (int i = 0; i < more; ++i) {
            QTest::qWait(100);
            ::kill(pid_t(process.processId()), i == 0 ? SIGINT : SIGTERM);
        }
        gif.clear();
        char buffer[65536];
        for (;;) {
            pollfd ready{reader, POLLIN, 0};
            if (::poll(&ready, 1, 20000) != 1)
                break;
            const ssize_t n = ::read(reader, buffer, sizeof buffer);
            if (n <= 0)
                break;
            gif.append(buffer, n);
        }
        ::close(reader);
        EXPECT_TRUE(process.waitForFinished(20000));
        errors = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    };
    QByteArray gif, errors;
    EXPECT_EQ(writeWithSignals(1, gif, errors), 0) << errors.toStdString();
    EXPECT_EQ(errors, "ekrano-capture: Writing the recording…\n");
    EXPECT_GT(gif.size(), 65536) << "the GIF fitted in the pipe: no signal came while it was written";
    EXPECT_TRUE(gif.endsWith(';')) << "the GIF's end";
    EXPECT_GE(framesOf(gif).size(), 2u);

    EXPECT_EQ(writeWithSignals(2, gif, errors), 1);
    EXPECT_TRUE(errors.contains("ekrano-capture: abandoned while it was written: the recording of 0:0"))
        << errors.toStdString();
    EXPECT_TRUE(errors.endsWith("screens is lost, and what went to " + fifo.toUtf8() + " is incomplete\n"))
        << errors.toStdString();
}
