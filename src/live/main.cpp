// ekrano-live: the calculator's screen mirrored on the computer, read over
// and over with Ekrano's stored link settings and colours, which it never
// changes.

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

#include "choiceoptions.h"
#include "livewindow.h"
#include "settingsfile.h"
#include "terminationsignals.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("ekrano-live");
    QApplication::setApplicationVersion(EKRANO_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Shows the calculator's screen as it changes, read over and over with Ekrano's link settings and colours. "
        "The options change the stored settings for this run only.");
    parser.addHelpOption();
    parser.addVersionOption();
    constexpr int kOptions = choiceoptions::Link | choiceoptions::Colours;
    choiceoptions::add(parser, kOptions);
    parser.process(app);
    settingsfile::Choices choices = settingsfile::choices(settingsfile::read());
    if (const std::optional<QString> wrong = choiceoptions::apply(parser, kOptions, choices)) {
        std::fprintf(stderr, "ekrano-live: %s; see ekrano-live --help\n", qPrintable(*wrong));
        return 2;
    }

    LiveWindow window(choices, ScreenMetrics::of(QGuiApplication::primaryScreen()));
    // The session ending, SIGTERM, SIGHUP and Ctrl-C close the window, which
    // cancels a capture under way and gives the port back as it was.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, &LiveWindow::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.close(); });
    window.show();
    return app.exec();
}
