// ekrano-live: the calculator's screen mirrored on the computer, read over
// and over with Ekrano's stored link settings and colours, which it never
// changes.

#include <QApplication>
#include <QCommandLineParser>

#include <csignal>
#include <cstdio>

#include "choiceoptions.h"
#include "language.h"
#include "livewindow.h"
#include "settingsfile.h"
#include "terminationsignals.h"

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
    // and the like) are known only to the QApplication, which takes them out.
    constexpr int kOptions = choiceoptions::Link | choiceoptions::Colours;
    QCommandLineParser parser;
    settingsfile::Choices choices;
    const auto wrongChoice = [&] {
        const std::optional<QString> wrong = choiceoptions::apply(parser, kOptions, choices);
        if (wrong)
            std::fprintf(
                stderr, "ekrano-live: %s\n",
                qPrintable(QCoreApplication::translate("ekrano-live", "%1; see ekrano-live --help").arg(*wrong)));
        return wrong.has_value();
    };
    bool read;
    {
        QCoreApplication withoutDisplay(argc, argv);
        translations.install();
        parser.setApplicationDescription(QCoreApplication::translate(
            "ekrano-live", "Shows the calculator's screen as it changes, read over and over with Ekrano's link "
                           "settings and colours. The options change the stored settings for this run only."));
        parser.addHelpOption();
        parser.addVersionOption();
        choiceoptions::add(parser, kOptions);
        read = parser.parse(QCoreApplication::arguments());
        if (read && (parser.isSet("help") || parser.isSet("version")))
            parser.process(withoutDisplay); // shows them and exits
        choices = settingsfile::choices(settingsfile::read());
        if (read && wrongChoice())
            return 2;
    }

    QApplication app(argc, argv);
    translations.install();
    if (!read) {
        parser.process(app); // exits if an option is still unknown
        if (wrongChoice())
            return 2;
    }
    // The menu entry's name: the desktop matches the window to it (Wayland's application id).
    QGuiApplication::setDesktopFileName(EKRANO_APP_ID ".Live");
    LiveWindow window(choices, ScreenMetrics::of(QGuiApplication::primaryScreen()));
    // The session ending, SIGTERM, SIGHUP and Ctrl-C close the window, which
    // cancels a capture under way and gives the port back as it was.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, &LiveWindow::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.close(); });
    window.show();
    return app.exec();
}
