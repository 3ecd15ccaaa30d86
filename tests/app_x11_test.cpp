// The real program on a real X server, seen from outside as a user's other
// programs see it: its window, the clipboard another program reads, a click
// on the button against the simulated calculator, and the way out that the
// system takes (SIGTERM, and Ctrl-C). Needs DISPLAY, xdotool and xclip; `make test`
// starts a private Xvfb for these.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <termios.h>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "calclink.h"
#include "calcsimulator.h"
#include "portlink.h"

namespace {

const QString kBuild = EKRANO_BINARY_DIR;

// Runs a helper program and returns what it printed (empty on failure).
QByteArray run(const QString &program, const QStringList &arguments, int limitMs = 10000)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(limitMs) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// The picture on the clipboard, as another program reads it.
QImage clipboardPicture()
{
    return QImage::fromData(run("xclip", {"-selection", "clipboard", "-t", "image/png", "-o"}), "PNG");
}

// The X server as a window manager or another program sees it.
class XServer {
public:
    XServer() : connection_(xcb_connect(nullptr, nullptr))
    {
        if (!xcb_connection_has_error(connection_))
            screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    }
    ~XServer() { xcb_disconnect(connection_); }
    bool ok() const { return screen_ != nullptr; }

    // What the screen shows in a rectangle, as 32-bit pixels.
    QImage grab(QRect area)
    {
        const xcb_get_image_cookie_t cookie =
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root, int16_t(area.x()), int16_t(area.y()),
                          uint16_t(area.width()), uint16_t(area.height()), ~0u);
        xcb_get_image_reply_t *reply = xcb_get_image_reply(connection_, cookie, nullptr);
        if (!reply)
            return {};
        const QImage image(xcb_get_image_data(reply), area.width(), area.height(), QImage::Format_RGB32);
        QImage copy = image.copy();
        std::free(reply);
        return copy;
    }

    // A plain window of one colour over `area`, which the window manager leaves alone.
    uint32_t cover(QRect area, uint32_t rgb)
    {
        const uint32_t window = xcb_generate_id(connection_);
        const uint32_t values[] = {rgb, 1};
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen_->root, int16_t(area.x()),
                          int16_t(area.y()), uint16_t(area.width()), uint16_t(area.height()), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
        xcb_map_window(connection_, window);
        xcb_flush(connection_);
        return window;
    }
    void remove(uint32_t window)
    {
        xcb_destroy_window(connection_, window);
        xcb_flush(connection_);
    }

private:
    xcb_connection_t *connection_;
    xcb_screen_t *screen_ = nullptr;
};

class X11Session : public testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "no X server (make test starts one)";
        ASSERT_TRUE(config_.isValid());
        QDir().mkpath(config_.path() + "/Ekrano");
    }
    void TearDown() override
    {
        if (ekrano_.state() != QProcess::NotRunning) {
            ekrano_.kill();
            ekrano_.waitForFinished();
        }
    }

    void storeSettings(const QString &text)
    {
        QFile file(config_.path() + "/Ekrano/Ekrano.conf");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    // Starts the program and waits for its window; returns the window's id.
    QString startProgram()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config_.path());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        ekrano_.setProcessEnvironment(environment);
        ekrano_.start(kBuild + "/ekrano", {});
        EXPECT_TRUE(ekrano_.waitForStarted());
        const QByteArray found =
            run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Ekrano ver 2\\.0$"}, 20000);
        return QString::fromUtf8(found).section('\n', 0, 0).trimmed();
    }

    // Waits until the clipboard holds a picture of `size` whose pixel at `probe` is `colour`.
    // The window's place on the screen, its client area and menu bar included.
    QRect placeOf(const QString &window)
    {
        const QString geometry = QString::fromUtf8(run("xdotool", {"getwindowgeometry", window}));
        const QString position = geometry.section("Position: ", 1).section(' ', 0, 0);
        const QString size = geometry.section("Geometry: ", 1).trimmed();
        return {position.section(',', 0, 0).toInt(), position.section(',', 1, 1).toInt(),
                size.section('x', 0, 0).toInt(), size.section('x', 1, 1).toInt()};
    }

    // Clicks the capture button, as a user does.
    void pressTheButton(const QString &window)
    {
        const int menuBar = placeOf(window).height() - 388;
        run("xdotool", {"mousemove", "--window", window, "267", QString::number(menuBar + 13), "click", "1"});
    }

    // Links the simulated calculator as COM1 and chooses the Gray cable.
    void useSimulator(const CalcSimulator &calculator, const QString &settings = "[settings]\nport=1\ncable=1\n")
    {
        std::string error;
        ASSERT_TRUE(makeLink((config_.path() + "/Ekrano/ports/COM1").toStdString(), calculator.path(), error)) << error;
        storeSettings(settings);
    }

    QString storedValue(const char *key)
    {
        QSettings stored(config_.path() + "/Ekrano/Ekrano.conf", QSettings::IniFormat);
        return stored.value(QString("settings/") + key).toString();
    }

    QImage waitForClipboard(QSize size, QPoint probe, QRgb colour)
    {
        QImage picture;
        for (int i = 0; i < 100; ++i) {
            picture = clipboardPicture().convertToFormat(QImage::Format_RGB32);
            if (picture.size() == size && picture.pixel(probe) == colour)
                break;
            QThread::msleep(100);
        }
        return picture;
    }

    QTemporaryDir config_;
    QProcess ekrano_;
};

} // namespace

TEST_F(X11Session, TheWindowOpensAndTheEmptyCaptureIsOnTheClipboard)
{
    const QString window = startProgram();
    ASSERT_FALSE(window.isEmpty()) << "no window titled \"Ekrano ver 2.0\"";
    EXPECT_EQ(run("xdotool", {"getwindowname", window}).trimmed(), "Ekrano ver 2.0");
    const QString geometry = QString::fromUtf8(run("xdotool", {"getwindowgeometry", window}));
    EXPECT_TRUE(geometry.contains("Geometry: 532x")) << geometry.toStdString();

    const QImage picture = waitForClipboard({290, 194}, {0, 0}, qRgb(255, 255, 255));
    ASSERT_EQ(picture.size(), QSize(290, 194));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(picture.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

TEST_F(X11Session, APressCapturesTheSimulatedCalculatorOntoTheClipboard)
{
    CalcSimulator calculator;
    calculator.start();
    useSimulator(calculator, "[settings]\nport=1\ncable=1\nborder=1\nscrollbar=20\n");

    const QString window = startProgram();
    ASSERT_FALSE(window.isEmpty());
    // The frame of the empty capture at zoom 2 first, then the button, as a user clicks it.
    ASSERT_EQ(waitForClipboard({192, 128}, {0, 0}, qRgb(0, 0, 0)).size(), QSize(192, 128));
    const QString geometry = QString::fromUtf8(run("xdotool", {"getwindowgeometry", window}));
    const int height = geometry.section("x", -1).trimmed().toInt();
    const int menuBar = height - 388;
    ASSERT_GT(menuBar, 0) << geometry.toStdString();
    run("xdotool", {"mousemove", "--window", window, "267", QString::number(menuBar + 13), "click", "1"});

    // The built-in screen's dark pixels, each a 2 x 2 square inside the frame.
    const calclink::Bitmap screen = builtinScreen();
    QPoint dark(-1, -1);
    for (int i = 0; i < 96 * 64 && dark.x() < 0; ++i)
        if (calclink::isDark(screen, i % 96, i / 96))
            dark = QPoint(i % 96, i / 96);
    ASSERT_GE(dark.x(), 0);
    const QImage picture = waitForClipboard({192, 128}, dark * 2 + QPoint(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(calculator.requestsServed(), 1);
    for (int y = 1; y < 63; ++y)
        for (int x = 1; x < 95; ++x) {
            const bool isDark = calclink::isDark(screen, x, y);
            ASSERT_EQ(picture.pixel(2 * x + 1, 2 * y + 1), isDark ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                << "calculator pixel " << x << "," << y;
        }
}

TEST_F(X11Session, SigtermSavesTheSettingsAndEndsTheProgram)
{
    storeSettings("[settings]\nport=3\ncable=1\nborder=1\nscrollbar=45\nforecolor=255\n");
    ASSERT_FALSE(startProgram().isEmpty());
    QFile::remove(config_.path() + "/Ekrano/Ekrano.conf");
    ::kill(pid_t(ekrano_.processId()), SIGTERM);
    ASSERT_TRUE(ekrano_.waitForFinished(10000));
    EXPECT_EQ(ekrano_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ekrano_.exitCode(), 0);

    QSettings stored(config_.path() + "/Ekrano/Ekrano.conf", QSettings::IniFormat);
    stored.beginGroup("settings");
    EXPECT_EQ(stored.value("port").toString(), "3");
    EXPECT_EQ(stored.value("cable").toString(), "1");
    EXPECT_EQ(stored.value("border").toString(), "1");
    EXPECT_EQ(stored.value("scrollbar").toString(), "45");
    EXPECT_EQ(stored.value("forecolor").toString(), "255");
    EXPECT_EQ(stored.value("backcolor").toString(), "0") << "absent, and unlike the foreground";
}

// Covered by another window and uncovered again while a capture waits for a
// slow calculator, the window paints itself again at once.
TEST_F(X11Session, TheWindowRepaintsWhileACaptureWaits)
{
    XServer x;
    ASSERT_TRUE(x.ok());
    CalcSimulator calculator;
    calculator.setFault(Fault::Trickle, std::chrono::milliseconds(400));
    calculator.start();
    useSimulator(calculator);
    const QString window = startProgram();
    ASSERT_FALSE(window.isEmpty());
    waitForClipboard({290, 194}, {0, 0}, qRgb(255, 255, 255));
    pressTheButton(window);
    QThread::msleep(1000); // the link is open, the caption reads "Grabbing..."

    const QRect place = placeOf(window);
    const QImage before = x.grab(place);
    const uint32_t cover = x.cover(place, 0xFF00FF);
    QThread::msleep(200);
    EXPECT_EQ(x.grab(place).pixel(place.width() / 2, place.height() / 2), qRgb(255, 0, 255)) << "the cover is there";
    x.remove(cover);
    QThread::msleep(300);
    EXPECT_EQ(x.grab(place), before) << "the uncovered window was painted again during the capture";
    EXPECT_EQ(ekrano_.state(), QProcess::Running);
}

// SIGTERM, SIGHUP and SIGINT during a capture that would last minutes: the
// capture is cancelled, the port put back as it was, the settings saved.
TEST_F(X11Session, ASignalDuringACaptureEndsItAtOnceAndRestoresThePort)
{
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(strsignal(signal));
        CalcSimulator calculator;
        calculator.setFault(Fault::Trickle, std::chrono::milliseconds(500));
        calculator.start();
        useSimulator(calculator, "[settings]\nport=1\ncable=1\nborder=1\n");
        termios before{};
        const int terminal = ::open(calculator.path().c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(terminal, 0);
        ::tcgetattr(terminal, &before);

        const QString window = startProgram();
        ASSERT_FALSE(window.isEmpty());
        waitForClipboard({290, 194}, {0, 0}, qRgb(0, 0, 0));
        pressTheButton(window);
        QThread::msleep(800);
        QFile::remove(config_.path() + "/Ekrano/Ekrano.conf");
        const auto sent = std::chrono::steady_clock::now();
        ::kill(pid_t(ekrano_.processId()), signal);
        ASSERT_TRUE(ekrano_.waitForFinished(10000));
        const auto took = std::chrono::steady_clock::now() - sent;
        EXPECT_LT(took, std::chrono::seconds(2)) << "not the minutes the capture would have taken";
        EXPECT_EQ(ekrano_.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(storedValue("border"), "1");

        termios after{};
        ::tcgetattr(terminal, &after);
        ::close(terminal);
        EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before)) << "the port's speed was put back";
        EXPECT_EQ(after.c_lflag, before.c_lflag);
    }
}

TEST_F(X11Session, CtrlCSavesLikeSigtermAndAFailedSaveEndsWithStatus1)
{
    const QString file = config_.path() + "/Ekrano/Ekrano.conf";
    storeSettings("[settings]\nport=3\n");
    ASSERT_FALSE(startProgram().isEmpty());
    QFile::remove(file);
    ::kill(pid_t(ekrano_.processId()), SIGINT);
    ASSERT_TRUE(ekrano_.waitForFinished(10000));
    EXPECT_EQ(ekrano_.exitStatus(), QProcess::NormalExit) << "killed by the signal";
    EXPECT_EQ(ekrano_.exitCode(), 0);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("settings/port").toString(), "3");

    // Nowhere to save: said on stderr, with no message box to keep the program waiting.
    ASSERT_TRUE(QDir(config_.path() + "/Ekrano").removeRecursively());
    QFile blocker(config_.path() + "/Ekrano");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_FALSE(startProgram().isEmpty());
    ::kill(pid_t(ekrano_.processId()), SIGTERM);
    ASSERT_TRUE(ekrano_.waitForFinished(10000)) << "something kept the program from ending";
    EXPECT_EQ(ekrano_.exitCode(), 1);
    EXPECT_TRUE(ekrano_.readAllStandardError().contains("Ekrano could not save its settings to " + file.toUtf8()));
}
