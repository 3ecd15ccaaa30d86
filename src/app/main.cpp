#include <QApplication>
#include <QSessionManager>

#include "form1.h"
#include "language.h"
#include "terminationsignals.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const language::Translations translations;
    translations.install();
    QApplication::setApplicationName("Ekrano");
    QApplication::setOrganizationName("Ekrano");
    // The menu entry's name: the desktop matches the window to it (Wayland's application id).
    QGuiApplication::setDesktopFileName(EKRANO_APP_ID);
    // Closing the window ends the program through its own exit path, and
    // nothing else may quit it on the way.
    QApplication::setQuitOnLastWindowClosed(false);

    Form1 form(ScreenMetrics::of(QGuiApplication::primaryScreen()));

    // The desktop session ending, SIGTERM, SIGHUP and Ctrl-C all close the
    // window, which saves the settings once and ends the program (status 1
    // when they could not be saved).
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &form, &Form1::endSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { form.endSession(); });

    form.start();
    return app.exec();
}
