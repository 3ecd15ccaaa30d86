// ekrano-live: the calculator's screen mirrored on the computer, read over
// and over with Ekrano's stored link settings and colours, which it never
// changes.

#include <QApplication>
#include <QCommandLineParser>

#include <csignal>
#include <cstdio>
#include <string_view>

#include "choiceoptions.h"
#include "classwindow.h"
#include "everycalculator.h"
#include "language.h"
#include "livewindow.h"
#include "portcheck.h"
#include "settingsfile.h"
#include "terminationsignals.h"

namespace {

// Shows the window until it is closed. The session ending, SIGTERM, SIGHUP
// and Ctrl-C close it, which cancels the captures under way and gives the
// ports back as they were.
template <class Window> int run(QApplication &app, Window &window)
{
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, &Window::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.close(); });
    window.show();
    const int status = app.exec();
    return window.recordingLost() ? 1 : status;
}

} // namespace

int main(int argc, char *argv[])
{
    // A trace on a closed pipe (`EKRANO_TRACE=/dev/stdout ekrano-live | head`)
    // is a trace that failed, not a signal that ends the program with the
    // port still raw.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication::setApplicationName("ekrano-live");
    QCoreApplication::setApplicationVersion(EKRANO_VERSION);
    const language::Translations translations;

    // The options are read before the display is opened, so that --help,
    // --version and a wrong option need none: under an application object of
    // their own, which the translations need. Qt's own options (-platform
    // and the like) are known here too, hidden, so that they are not taken
    // for wrong ones; the QApplication then takes them out and applies them.
    constexpr int kOptions = choiceoptions::Link | choiceoptions::Colours;
    QCommandLineParser parser;
    settingsfile::Choices choices;
    bool all = false;
    {
        QCoreApplication withoutDisplay(argc, argv);
        translations.install();
        const auto wrong = [](const QString &why) {
            const QString line = QCoreApplication::translate("ekrano-live", "%1; see ekrano-live --help").arg(why);
            std::fprintf(stderr, "ekrano-live: %s\n", calclink::printable(line.toLocal8Bit().toStdString()).c_str());
            return 2;
        };
        parser.setApplicationDescription(QCoreApplication::translate(
            "ekrano-live", "Shows the calculator's screen as it changes, read over and over with Ekrano's link "
                           "settings and colours. The options change the stored settings for this run only."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // -platform, as Qt reads it
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(QCommandLineOption(
            "all", QCoreApplication::translate("ekrano-live", "Show every calculator plugged in, side by side: each USB "
                                                              "device Ekrano reads, and each COM port with a port "
                                                              "link, on the serial cable of --cable (Gray unless "
                                                              "Black is given or stored).")));
        choiceoptions::add(parser, kOptions);
        for (const char *name :
             {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
              "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger", "title", "name",
              "reverse", "widgetcount", "nograb", "dograb", "sync"}) {
            const bool flag = std::string_view(name) == "reverse" || std::string_view(name) == "widgetcount" ||
                              std::string_view(name) == "nograb" || std::string_view(name) == "dograb" ||
                              std::string_view(name) == "sync";
            QCommandLineOption qt(name, QString(), flag ? QString() : QString("value"));
            qt.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(qt);
        }
        if (!parser.parse(QCoreApplication::arguments())) {
            QString why = parser.errorText();
            if (why.endsWith('.'))
                why.chop(1); // the sentence goes on
            return wrong(why);
        }
        if (parser.isSet("help") || parser.isSet("version"))
            parser.process(withoutDisplay); // shows them and exits
        choices = settingsfile::read();
        if (const std::optional<QString> why = choiceoptions::apply(parser, kOptions, choices))
            return wrong(*why);
        all = parser.isSet("all");
        if (all && parser.isSet("port"))
            return wrong(QCoreApplication::translate("ekrano-live", "--all reads every calculator, --port names one"));
        if (all && parser.isSet("cable") && choices.link.cable == calclink::LinkChoice::Usb)
            return wrong(QCoreApplication::translate(
                "ekrano-live", "--all reads every USB device; its --cable, for the serial ports, is black or gray"));
    }

    QApplication app(argc, argv);
    translations.install();
    // The menu entry's name: the desktop matches the window to it (Wayland's application id).
    QGuiApplication::setDesktopFileName(EKRANO_APP_ID ".Live");
    const ScreenMetrics metrics = ScreenMetrics::of(QGuiApplication::primaryScreen());
    if (all) {
        const calclink::LinkChoice::Cable serial = choices.link.cable;
        ClassWindow window(choices, metrics, [serial] { return calclink::everyCalculator(serial); });
        return run(app, window);
    }
    LiveWindow window(choices, metrics);
    return run(app, window);
}
