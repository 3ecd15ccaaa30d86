// ekrano-capture: the window's capture from the command line. It reads the
// calculator's screen once with the stored link settings, draws it with the
// stored look, writes it as a PNG and exits; with --record it reads the
// screen over and over and writes the recording as an animated GIF; with
// --all it reads every calculator plugged in at once, each into a PNG of its
// own. It needs no display, and it never writes the settings.

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>

#include <atomic>
#include <climits>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <langinfo.h>
#include <poll.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include "capture.h"
#include "choiceoptions.h"
#include "everycalculator.h"
#include "fileopen.h"
#include "gifwriter.h"
#include "language.h"
#include "linkerror.h"
#include "portcheck.h"
#include "recordscreens.h"
#include "render.h"
#include "screenreader.h"
#include "settingsfile.h"
#include "stopsignals.h"
#include "trace.h"
#include "transportfactory.h"
#include "wholefile.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadOption = 2;
constexpr int kChoiceOptions = choiceoptions::Link | choiceoptions::Picture | choiceoptions::Colours;

// The program's own texts, in the user's language.
struct CaptureCommand {
    Q_DECLARE_TR_FUNCTIONS(CaptureCommand)
};

// The standard descriptors that the program was started without.
bool closedAtStart[3] = {};

// What one run captures and how it draws it: the stored choices, then the
// options over them.
struct Request {
    settingsfile::Choices look; // the stored choices as the window applies them at start
    bool raw = false;
    QString file;
    bool recording = false; // --record: the screens as they change, as a GIF
    bool every = false;     // --all: every calculator, each a PNG in the folder `file`
    RecordLimits limits;
    int scale = 4;
};

// The whole number from 1 to `largest` given to option `name` into `value`,
// if the option was given; a sentence that says why not, or nothing.
std::optional<QString> wholeNumber(const QCommandLineParser &parser, const QString &name, int largest, int &value)
{
    if (!parser.isSet(name))
        return std::nullopt;
    static const QRegularExpression digits(QRegularExpression::anchoredPattern("[0-9]{1,9}"));
    const QString text = parser.value(name);
    if (!digits.match(text).hasMatch() || text.toInt() < 1 || text.toInt() > largest)
        return CaptureCommand::tr("--%1 takes a whole number from 1 to %2, not '%3'")
            .arg(name, QString::number(largest), text);
    value = text.toInt();
    return std::nullopt;
}

// The options of a recording, which only a recording takes.
std::optional<QString> parseRecording(const QCommandLineParser &parser, Request &request)
{
    request.recording = parser.isSet("record");
    for (const char *name : {"seconds", "screens", "scale"})
        if (parser.isSet(name) && !request.recording)
            return CaptureCommand::tr("--%1 is for a recording: give --record too").arg(name);
    if (!request.recording)
        return std::nullopt;
    for (const char *name : {"raw", "zoom"})
        if (parser.isSet(name))
            return CaptureCommand::tr("--%1 is for a PNG: a recording is drawn at --scale").arg(name);
    int seconds = 0;
    constexpr int kHour = int(std::chrono::duration_cast<std::chrono::seconds>(record::Recording::kLongest).count());
    if (auto wrong = wholeNumber(parser, "seconds", kHour, seconds))
        return wrong;
    request.limits.seconds = std::chrono::seconds(seconds);
    if (auto wrong = wholeNumber(parser, "screens", 999'999'999, request.limits.screens))
        return wrong;
    return wholeNumber(parser, "scale", record::kLargestScale, request.scale);
}

// The options of --all, which reads every calculator into FOLDER: no FILE,
// and nothing that names one calculator or records.
std::optional<QString> parseAll(const QCommandLineParser &parser, Request &request)
{
    request.every = true;
    request.file = parser.value("all");
    if (request.file.isEmpty())
        return CaptureCommand::tr("FOLDER is empty: say which folder --all writes the pictures into");
    if (!parser.positionalArguments().isEmpty())
        return CaptureCommand::tr("--all writes each picture into FOLDER: give no FILE");
    if (parser.isSet("list"))
        return CaptureCommand::tr("--list and --all exclude each other");
    for (const char *name : {"port", "trace", "record", "seconds", "screens", "scale"})
        if (parser.isSet(name))
            return CaptureCommand::tr("--%1 is for one calculator, not for --all").arg(name);
    if (const std::optional<QString> wrong = choiceoptions::apply(parser, kChoiceOptions, request.look))
        return wrong;
    if (parser.isSet("cable") && request.look.link.cable == calclink::LinkChoice::Usb)
        return CaptureCommand::tr("--all reads every USB device anyway: --cable takes black or gray with it, for the "
                                  "COM ports");
    request.raw = parser.isSet("raw");
    return std::nullopt;
}

// Fills `request` from the command line over the stored choices; a
// sentence that says which option is wrong and why, or nothing.
std::optional<QString> parse(const QCommandLineParser &parser, Request &request)
{
    if (parser.isSet("all"))
        return parseAll(parser, request);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return files.isEmpty() ? CaptureCommand::tr("say which FILE to write the picture to (- for standard output)")
                               : CaptureCommand::tr("give one FILE, not %1").arg(files.size());
    request.file = files.first();
    if (request.file.isEmpty())
        return CaptureCommand::tr("FILE is empty: say which file to write the picture to (- for standard output)");

    if (const std::optional<QString> wrong = choiceoptions::apply(parser, kChoiceOptions, request.look))
        return wrong;
    request.raw = parser.isSet("raw");
    return parseRecording(parser, request);
}

// The picture: the screen drawn as the window draws it on a screen of 96
// dots per inch, or bare, one pixel a calculator pixel, black on white.
QImage pictureOf(const calclink::Bitmap &bitmap, const Request &request)
{
    const QImage screen = display::screenImage(bitmap);
    if (request.raw)
        return screen;
    return display::render(screen, display::solidLook(settingsfile::zoomFactorOf(request.look.scrollbar), 15, 15,
                                                      request.look.forecolor, request.look.backcolor,
                                                      request.look.border == 1));
}

// The words the window's message box would show, on one line, with the
// number and what the link library found.
QString failureLine(const calclink::CaptureResult &result)
{
    const calclink::CaptureMessage message = calclink::captureMessage(result.number, result.description);
    QString line = QString::fromStdString(message.text).replace("\r\n", " ");
    const QString number = QString::fromStdString(calclink::hexadecimal(result.number));
    if (!line.startsWith(number))
        line += " (" + number + ")";
    if (!result.detail.empty())
        line += ": " + QString::fromStdString(result.detail);
    return line;
}

// The program's own open descriptor that FILE names, if it names one: "-",
// /dev/stdout, /dev/stderr, /dev/fd/N or /proc/self/fd/N. Opened anew by
// its name, a file there would be emptied or replaced instead of written
// where the shell's redirection points (after what is already there).
std::optional<int> descriptorNamed(const QString &file)
{
    if (file == "-" || file == "/dev/stdout")
        return STDOUT_FILENO;
    if (file == "/dev/stderr")
        return STDERR_FILENO;
    static const QRegularExpression form(QRegularExpression::anchoredPattern("/(?:dev|proc/self)/fd/([0-9]{1,9})"));
    if (const QRegularExpressionMatch match = form.match(file); match.hasMatch())
        return match.captured(1).toInt();
    return std::nullopt;
}

// Whether `fd` is a pipe or a socket whose reader has gone, so that
// whatever is written there would be lost.
bool readerGone(int fd)
{
    struct stat info;
    if (::fstat(fd, &info) != 0 || !(S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)))
        return false;
    pollfd ready{fd, POLLOUT, 0};
    return ::poll(&ready, 1, 0) == 1 && (ready.revents & (POLLERR | POLLHUP));
}

// Why a file could not be made under the name `file`, which the file's own
// folder would say only once it is written: a name longer than that folder
// takes, or a path longer than the system's. 0 when the name is fine.
int nameError(const QString &file)
{
    const QFileInfo info(file);
    const QByteArray path = QFile::encodeName(info.absoluteFilePath());
    const long longest = ::pathconf(QFile::encodeName(info.absolutePath()).constData(), _PC_NAME_MAX);
    if (path.size() >= PATH_MAX || QFile::encodeName(info.fileName()).size() > (longest > 0 ? longest : NAME_MAX))
        return ENAMETOOLONG;
    return 0;
}

// Where the picture goes, opened unbuffered so that every failed write is
// seen. A file, new or old, is replaced whole through a temporary file
// beside it, so that a half-written picture never appears under its name.
// A descriptor of the program's, and anything else that is not a file (a
// device, a named pipe), is written into as it is and never replaced.
// Nothing here waits: a named pipe that nobody reads is refused at once.
std::unique_ptr<QFileDevice> openOutput(const QString &file, QString &failure)
{
    constexpr QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    std::unique_ptr<QFileDevice> output;
    bool opened;
    if (const std::optional<int> descriptor = descriptorNamed(file)) {
        if (*descriptor <= STDERR_FILENO && closedAtStart[*descriptor]) {
            failure = CaptureCommand::tr("it was closed when ekrano-capture started");
            return nullptr;
        }
        if (::fcntl(*descriptor, F_GETFL) < 0) {
            failure = QString::fromLocal8Bit(std::strerror(errno));
            return nullptr;
        }
        if (readerGone(*descriptor)) {
            failure = QString::fromLocal8Bit(std::strerror(EPIPE));
            return nullptr;
        }
        auto out = std::make_unique<QFile>();
        opened = out->open(*descriptor, mode, QFileDevice::DontCloseHandle);
        output = std::move(out);
    } else {
        const QByteArray name = QFile::encodeName(file);
        struct stat info;
        if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
            const int fd = files::openWithoutWaiting(name.toStdString(), O_WRONLY);
            if (fd < 0) {
                const int err = errno;
                failure = err == ENXIO && S_ISFIFO(info.st_mode)
                              ? CaptureCommand::tr("nothing reads from the named pipe")
                              : QString::fromLocal8Bit(std::strerror(err));
                return nullptr;
            }
            auto out = std::make_unique<QFile>();
            opened = out->open(fd, mode, QFileDevice::AutoCloseHandle);
            output = std::move(out);
        } else {
            if (const int error = nameError(file)) {
                failure = QString::fromLocal8Bit(std::strerror(error));
                return nullptr;
            }
            output = std::make_unique<QSaveFile>(file);
            opened = output->open(mode);
        }
    }
    if (!opened) {
        failure = output->errorString();
        output.reset();
    }
    return output;
}

// Writes the picture whole, or not at all: the empty text, or why not.
QString finish(QFileDevice &output, const QByteArray &png)
{
    auto *const whole = qobject_cast<QSaveFile *>(&output);
    if (const QString reason = wholefile::writeAll(output, png); !reason.isEmpty()) {
        if (whole)
            whole->cancelWriting();
        return reason;
    }
    return whole ? wholefile::commit(*whole) : QString();
}

// What `file` names, a descriptor of the program's or a path, into `info`: whether it is there.
bool statOf(const QString &file, struct stat &info)
{
    const std::optional<int> descriptor = descriptorNamed(file);
    return (descriptor ? ::fstat(*descriptor, &info) : ::stat(QFile::encodeName(file).constData(), &info)) == 0;
}

// Whether the trace TFILE would be written where the picture FILE goes, so
// that one would destroy the other: the same name, or the same file or pipe
// under another. A device (/dev/null for both, say) takes both.
bool sameFile(const QString &trace, const QString &picture)
{
    if (trace == "-")
        return false; // standard error
    const QString pictured = QDir::cleanPath(QFileInfo(picture).absoluteFilePath());
    if (QDir::cleanPath(QFileInfo(trace).absoluteFilePath()) == pictured)
        return true;
    // A link that leads nowhere yet would be made into the picture's file.
    if (const QFileInfo link(trace);
        link.isSymLink() && !link.exists() && QDir::cleanPath(link.symLinkTarget()) == pictured)
        return true;
    struct stat traced, found;
    if (::stat(QFile::encodeName(trace).constData(), &traced) != 0 || S_ISCHR(traced.st_mode))
        return false;
    return statOf(picture, found) && traced.st_dev == found.st_dev && traced.st_ino == found.st_ino;
}

// Whether writing `file` would write onto the port that `choice` opens,
// sending the picture or the trace down the cable: the port link itself
// (even one that leads nowhere now), or the device it leads to.
bool isThePort(const QString &file, const calclink::LinkChoice &choice)
{
    const std::optional<std::string> path = calclink::serialDevicePath(choice);
    if (!path)
        return false; // USB, or a port that the capture will say why it cannot open
    if (!descriptorNamed(file) && QDir::cleanPath(QFileInfo(file).absoluteFilePath()) ==
                                      QDir::cleanPath(QString::fromStdString(*path)))
        return true;
    struct stat port, found;
    if (::stat(path->c_str(), &port) != 0 || !statOf(file, found))
        return false;
    return (port.st_dev == found.st_dev && port.st_ino == found.st_ino) ||
           (S_ISCHR(port.st_mode) && S_ISCHR(found.st_mode) && port.st_rdev == found.st_rdev);
}

// Qt wants a UTF-8 character set and, in a locale without one (C, as cron
// runs programs), switches to C.UTF-8 and says so on standard error on every
// run. The same switch made here first keeps a script's log clean: LC_CTYPE
// C.UTF-8, everything else as the locale says.
void useUtf8Quietly()
{
    if (!std::setlocale(LC_ALL, ""))
        return;
    const char *charset = ::nl_langinfo(CODESET);
    if (::strcasecmp(charset, "UTF-8") == 0 || ::strcasecmp(charset, "utf8") == 0)
        return;
    if (const char *all = std::getenv("LC_ALL"); all && *all) {
        // LC_ALL would override LC_CTYPE: every category but that one gets its value through LANG.
        ::setenv("LANG", all, 1);
        for (const char *category : {"LC_ALL", "LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME",
                                     "LC_ADDRESS", "LC_IDENTIFICATION", "LC_MEASUREMENT", "LC_NAME", "LC_PAPER",
                                     "LC_TELEPHONE"})
            ::unsetenv(category);
    }
    ::setenv("LC_CTYPE", "C.UTF-8", 1);
}

QString nameOf(const QString &file)
{
    return descriptorNamed(file) == STDOUT_FILENO ? CaptureCommand::tr("standard output") : file;
}

// What the signals cancel: the capture, or, before it, the whole run.
calclink::Stop stop;

void onSignal(int)
{
    stop.cancel();
}

int fail(const QString &why, int status = kFailed)
{
    std::fprintf(stderr, "ekrano-capture: %s\n", calclink::printable(why.toLocal8Bit().toStdString()).c_str());
    return status;
}

// While the GIF is written, the signals no longer end the program: the first
// says that the recording is being written, the next abandons it. What was
// lost is said then. Their lines are made before. Written into a pipe or a
// device, which may wait for its reader for ever, it ends at once; a file of
// its own is left off at the next frame, and its temporary file goes.
std::atomic<int> writingSignals{0};
std::atomic<bool> abandoned{false};
bool abandonAtOnce = false;
std::string writingLine, lostLine;

void onSignalWhileWriting(int)
{
    if (writingSignals.fetch_add(1) == 0) {
        [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, writingLine.data(), writingLine.size());
        return;
    }
    abandoned = true;
    if (abandonAtOnce) {
        [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, lostLine.data(), lostLine.size());
        ::_exit(kFailed);
    }
}

// The signals' handlers swapped for `handler` with none of them lost between.
void handleSignalsWith(std::optional<session::StopSignals> &handlers, void (*handler)(int), int flags)
{
    sigset_t ending, before;
    sigemptyset(&ending);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&ending, signal);
    ::sigprocmask(SIG_BLOCK, &ending, &before);
    handlers.reset();
    handlers.emplace(handler, flags);
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
}

// Records until a signal, a limit, the hour or a failed capture ends it,
// then writes what was read into `output` as the GIF.
int recordInto(QFileDevice &output, const Request &request, const calclink::Trace &trace,
               std::optional<session::StopSignals> &handlers)
{
    record::Recording recording;
    const std::optional<calclink::CaptureResult> failed =
        recordScreens(recording, request.look.link, stop, request.limits, trace);
    if (recording.frames().empty()) {
        handlers.reset();
        if (failed)
            return fail(failureLine(*failed));
        return fail(stop.cancelled() ? CaptureCommand::tr("cancelled before the first screen: no screen was recorded")
                                     : CaptureCommand::tr("no screen was recorded"));
    }
    const bool file = qobject_cast<QSaveFile *>(&output) != nullptr;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(recording.elapsed()).count();
    const QString length = QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
    const QString lost =
        file ? CaptureCommand::tr("abandoned while it was written: the recording of %1 and %2 screens is lost")
                   .arg(length)
                   .arg(recording.screens())
             : CaptureCommand::tr("abandoned while it was written: the recording of %1 and %2 screens is lost, and "
                                  "what went to %3 is incomplete")
                   .arg(length)
                   .arg(recording.screens())
                   .arg(nameOf(request.file));
    lostLine = "ekrano-capture: " + lost.toLocal8Bit().toStdString() + "\n";
    writingLine = "ekrano-capture: " + CaptureCommand::tr("Writing the recording…").toLocal8Bit().toStdString() + "\n";
    abandonAtOnce = !file;
    // SA_RESTART: a write into a pipe that a signal interrupts goes on.
    handleSignalsWith(handlers, onSignalWhileWriting, SA_RESTART);
    if (failed)
        fail(failureLine(*failed)); // told first; what was read is written all the same
    else if (recording.full())
        fail(CaptureCommand::tr("the recording stopped at one hour"));

    QByteArray gif;
    const record::GifLook look{request.scale, request.look.forecolor, request.look.backcolor, request.look.border == 1};
    const QString reason = record::writeGif(recording, look, gif, false, &abandoned);
    if (abandoned) {
        std::fputs(lostLine.c_str(), stderr);
        return kFailed;
    }
    if (!reason.isEmpty())
        return fail(CaptureCommand::tr("cannot make the picture: %1").arg(reason));
    if (const QString reason = finish(output, gif); !reason.isEmpty())
        return fail(CaptureCommand::tr("cannot write %1: %2").arg(nameOf(request.file), reason));
    return failed ? kFailed : 0;
}

// The folder of --all, made if it is not there yet (its parent must be):
// the empty text, or why it cannot take the pictures.
QString makeFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0777) != 0 && errno != EEXIST)
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return S_ISDIR(info.st_mode) ? QString() : QString::fromLocal8Bit(std::strerror(ENOTDIR));
}

// --all: every calculator plugged in, all read at the same time, each
// written to FOLDER/PLACE.png as soon as its own capture ends, the way one
// capture writes its picture. One line on standard output for each, as it
// ends: its place and its file, or its place and why not. 1 when any failed.
int captureAll(const Request &request)
{
    if (const QString why = makeFolder(request.file); !why.isEmpty())
        return fail(CaptureCommand::tr("cannot write into %1: %2").arg(request.file, why));
    const std::vector<calclink::LinkChoice> every = calclink::everyCalculator(request.look.link.cable);
    if (every.empty())
        return fail(CaptureCommand::tr("no calculator to read: no COM port has a port link, and no link cable or "
                                       "calculator is plugged in by USB"));
    if (every.size() > calclink::kMostCalculators)
        return fail(CaptureCommand::tr("%1 calculators are plugged in, and ekrano-capture --all reads at most %2")
                        .arg(every.size())
                        .arg(calclink::kMostCalculators));

    std::mutex printing;
    bool failed = false;
    const auto tell = [&](const calclink::LinkChoice &choice, const QString &what, bool ok) {
        const std::string line = calclink::printable((QString::fromStdString(choice.place()) + ": " + what).toStdString());
        std::lock_guard lock(printing);
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        failed = failed || !ok;
    };

    // Each file is opened before any capture, as one capture's is.
    std::vector<calclink::LinkChoice> read;
    std::vector<QString> files;
    std::vector<std::unique_ptr<QFileDevice>> outputs;
    for (const calclink::LinkChoice &choice : every) {
        const QString file = QDir(request.file).filePath(QString::fromStdString(choice.place()) + ".png");
        QString failure;
        for (const calclink::LinkChoice &other : every)
            if (failure.isEmpty() && isThePort(file, other))
                failure = CaptureCommand::tr("it is %1, the port a capture reads")
                              .arg(QString::fromStdString(other.place()));
        std::unique_ptr<QFileDevice> output = failure.isEmpty() ? openOutput(file, failure) : nullptr;
        if (!output) {
            tell(choice, CaptureCommand::tr("cannot write %1: %2").arg(file, failure), false);
            continue;
        }
        read.push_back(choice);
        files.push_back(file);
        outputs.push_back(std::move(output));
    }

    try {
        calclink::captureEach(read, stop, [&](size_t i, const calclink::CaptureResult &result) {
            if (!result.screen) {
                tell(read[i], result.cancelled() ? CaptureCommand::tr("cancelled") : failureLine(result), false);
                return;
            }
            QBuffer png;
            png.open(QIODevice::WriteOnly);
            QImageWriter writer(&png, "png");
            QString reason;
            if (!writer.write(pictureOf(*result.screen, request)))
                reason = CaptureCommand::tr("cannot make the picture: %1").arg(writer.errorString());
            else if (const QString why = finish(*outputs[i], png.data()); !why.isEmpty())
                reason = CaptureCommand::tr("cannot write %1: %2").arg(files[i], why);
            tell(read[i], reason.isEmpty() ? files[i] : reason, reason.isEmpty());
        });
    } catch (const std::system_error &error) {
        // No thread for one more calculator: those started have ended, each told.
        return fail(CaptureCommand::tr("cannot read every calculator at once: %1")
                        .arg(QString::fromLocal8Bit(error.what())));
    }
    return failed ? kFailed : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Before anything that could wait: until the capture has ended, the
    // signals cancel the run, which then says so and ends with status 1.
    std::optional<session::StopSignals> handlers(std::in_place, onSignal, 0);
    // A closed standard output is an error to report, not a signal that ends the program.
    std::signal(SIGPIPE, SIG_IGN);
    // A standard descriptor the program was started without gets /dev/null
    // before Qt opens anything, which would otherwise take its number: "-"
    // would write the picture into Qt's own descriptor.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
            closedAtStart[fd] = true;
            ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY); // the lowest free number: fd
        }
    }

    useUtf8Quietly();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("ekrano-capture");
    QCoreApplication::setApplicationVersion(EKRANO_VERSION);
    const language::Translations translations;
    translations.install();

    QCommandLineParser parser;
    parser.setApplicationDescription(CaptureCommand::tr(
        "Reads the calculator's screen once with Ekrano's link settings, draws it with Ekrano's look and writes it "
        "to FILE as a PNG; with --record, reads it over and over until Ctrl-C, SIGTERM, --seconds or --screens and "
        "writes what it read to FILE as an animated GIF; with --all FOLDER, reads every calculator plugged in at the "
        "same time, each into a PNG of its own in FOLDER. The options change the stored settings for this run "
        "only."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(CaptureCommand::tr("FILE"), CaptureCommand::tr("The PNG (or with --record the GIF) "
                                                                                "to write; - for standard output."));
    choiceoptions::add(parser, kChoiceOptions);
    parser.addOptions({
        {"raw", CaptureCommand::tr("The bare 96 x 64 screen, one pixel a calculator pixel, black on white.")},
        {"trace", CaptureCommand::tr("Write what the capture does, for a bug report, to TFILE (- for standard error)."),
         CaptureCommand::tr("TFILE")},
        {"list", CaptureCommand::tr("Show where COM1 to COM4 lead, the USB devices (USB0, USB1 ...: link cables and "
                                    "calculators on their own USB port) and whether each can be opened now, then "
                                    "exit.")},
        {"all",
         CaptureCommand::tr("Capture every calculator plugged in, all at the same time, each into FOLDER/PLACE.png "
                            "(COM1.png, USB-1-1.3.png ...), and say on standard output how each went: the COM ports "
                            "with a port link, on the cable --cable gives (black or gray; else the stored one, or "
                            "gray), and every USB device. FOLDER is made if it is not there."),
         CaptureCommand::tr("FOLDER")},
        {"record",
         CaptureCommand::tr("Record the screen as it changes, for at most an hour, and write it as an animated GIF.")},
        {"seconds", CaptureCommand::tr("With --record: stop after N seconds."), "N"},
        {"screens", CaptureCommand::tr("With --record: stop after N screens."), "N"},
        {"scale",
         CaptureCommand::tr("With --record: draw each calculator pixel as a square of N pixels (1 to 32; 4 if not "
                            "given)."),
         "N"},
    });
    // "WRONG; see ekrano-capture --help"
    const auto seeHelp = [](const QString &wrong) {
        return CaptureCommand::tr("%1; see ekrano-capture --help").arg(wrong);
    };
    if (!parser.parse(QCoreApplication::arguments())) {
        QString why = parser.errorText();
        if (why.endsWith('.'))
            why.chop(1); // the sentence goes on
        return fail(seeHelp(why), kBadOption);
    }
    if (parser.isSet("help"))
        parser.showHelp(); // exits
    if (parser.isSet("version"))
        parser.showVersion(); // exits

    if (parser.isSet("list") && !parser.isSet("all")) {
        for (const std::string &line : calclink::checkPorts())
            std::printf("%s\n", line.c_str());
        return 0;
    }

    Request request;
    request.look = settingsfile::read();
    if (const std::optional<QString> wrong = parse(parser, request))
        return fail(seeHelp(*wrong), kBadOption);
    if (request.every) {
        const int status = captureAll(request);
        handlers.reset();
        return status;
    }
    const QString traceName = parser.value("trace");
    if (!traceName.isEmpty() && sameFile(traceName, request.file))
        return fail(seeHelp(CaptureCommand::tr("--trace names the picture's own file, which would replace the trace")),
                    kBadOption);
    // Written onto the port, the picture or the trace would go down the cable.
    const QString port = QString::fromStdString(request.look.link.place());
    if (isThePort(request.file, request.look.link))
        return fail(seeHelp(CaptureCommand::tr("FILE is %1, the port the capture reads").arg(port)), kBadOption);
    if (!traceName.isEmpty() && traceName != "-" && isThePort(traceName, request.look.link))
        return fail(seeHelp(CaptureCommand::tr("--trace names %1, the port the capture reads").arg(port)), kBadOption);

    // The file is opened before the capture, so that a folder that cannot
    // take it fails at once; its temporary file goes if anything fails.
    QString failure;
    const std::unique_ptr<QFileDevice> output = openOutput(request.file, failure);
    if (!output)
        return fail(CaptureCommand::tr("cannot write %1: %2").arg(nameOf(request.file), failure));

    std::optional<calclink::Trace> trace;
    if (traceName == "-") {
        trace.emplace(stderr);
    } else if (!traceName.isEmpty()) {
        std::string error;
        // Kept within the same bound as every trace: a long recording's fills no disk.
        trace.emplace(QFile::encodeName(traceName).constData(), false, error, calclink::kTraceLimit);
        if (!error.empty())
            return fail(QString::fromLocal8Bit(error.c_str()));
    }
    if (trace)
        trace->event("ekrano-capture " EKRANO_VERSION);

    if (stop.cancelled())
        return fail(CaptureCommand::tr("cancelled"));
    // The picture or the recording stays written when only the trace is wanting.
    const auto traceLost = [&] {
        const std::string lost = trace ? trace->lost() : std::string();
        if (lost.empty())
            return 0;
        return fail(CaptureCommand::tr("the trace %1 is incomplete: %2")
                        .arg(traceName == "-" ? CaptureCommand::tr("standard error") : traceName,
                             QString::fromLocal8Bit(lost.c_str())));
    };
    if (request.recording) {
        const int status =
            recordInto(*output, request, trace ? *trace : calclink::Trace::off(), handlers);
        return status != 0 ? status : traceLost();
    }

    calclink::CaptureResult result;
    calclink::ScreenReader(
        request.look.link,
        [&result](const calclink::ScreenReader::Reading &reading) {
            result = reading.result;
            return calclink::ScreenReader::Next::done();
        },
        stop, std::nullopt, trace ? *trace : calclink::Trace::off())
        .wait();
    // From here on the signals do what they did when the program started
    // (end it, as a rule).
    handlers.reset();
    if (!result.screen)
        return fail(result.cancelled() ? CaptureCommand::tr("cancelled") : failureLine(result));

    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    if (!writer.write(pictureOf(*result.screen, request)))
        return fail(CaptureCommand::tr("cannot make the picture: %1").arg(writer.errorString()));
    if (const QString reason = finish(*output, png.data()); !reason.isEmpty())
        return fail(CaptureCommand::tr("cannot write %1: %2").arg(nameOf(request.file), reason));
    return traceLost();
}
