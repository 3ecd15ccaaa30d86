// The real program on a real X server, seen from outside as a user's other
// programs see it: its window, the clipboard another program reads, a click
// on the button against the simulated calculator, and the way out that the
// system takes (SIGTERM). Needs DISPLAY, xdotool and xclip; `make test`
// starts a private Xvfb for these.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

#include "calclink.h"
#include "calcsimulator.h"

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
    QDir().mkpath(config_.path() + "/Ekrano/ports");
    ASSERT_TRUE(QFile::link(QString::fromStdString(calculator.path()), config_.path() + "/Ekrano/ports/COM1"));
    storeSettings("[settings]\nport=1\ncable=1\nborder=1\nscrollbar=20\n");

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

TEST_F(X11Session, SigkillStoresNothing)
{
    storeSettings("[settings]\nport=2\n");
    ASSERT_FALSE(startProgram().isEmpty());
    QFile::remove(config_.path() + "/Ekrano/Ekrano.conf");
    ekrano_.kill();
    ASSERT_TRUE(ekrano_.waitForFinished(10000));
    EXPECT_FALSE(QFile::exists(config_.path() + "/Ekrano/Ekrano.conf"));
}
