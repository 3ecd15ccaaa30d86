// ekrano-screenshot: the window as a person sees it after a capture, saved as
// a PNG, and, when a second file is named, Ekrano Live's window as it follows
// the calculator drawing a graph at the Gray cable's pace. The windows run on
// Qt's offscreen platform with settings of their own, the simulated
// calculator answers on a pseudo-terminal linked as COM1, and the captures go
// through the real button, the real reader and the real Gray cable code.
//
// With a third file, Ekrano Live's grid of a class's calculators: four
// simulated calculators linked as COM1 to COM4, three of them named, one of
// them silent.
//
// Usage: ekrano-screenshot WINDOW.png [LIVE.png [CLASS.png]]

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include "calcsimulator.h"
#include "classwindow.h"
#include "comports.h"
#include "form1.h"
#include "livereader.h"
#include "livewindow.h"
#include "portlink.h"

namespace {

// The stored settings of a person who uses the Gray cable on COM1, likes the
// frame and draws the screen in dark blue.
void storeSettings()
{
    QSettings settings("Ekrano", "Ekrano");
    settings.beginGroup("settings");
    settings.setValue("port", "1");
    settings.setValue("cable", "1");
    settings.setValue("border", "1");
    settings.setValue("scrollbar", "30");
    settings.setValue("forecolor", QString::number(0x18 + 256 * 0x28 + 65536 * 0x70)); // red + 256 green + 65536 blue
    settings.setValue("backcolor", QString::number(0xFFFFFF));
    settings.sync();
}

int fail(const char *message)
{
    std::fprintf(stderr, "ekrano-screenshot: %s\n", message);
    return 1;
}

// The grid of four calculators, COM1 the one given, once the screens a second have settled.
int classPicture(CalcSimulator &first, const QString &output)
{
    CalcSimulator second(animatedScreen(kAnimationFrames - 1)), third(animatedScreen(kAnimationFrames / 4)), fourth;
    second.setFault(Fault::Late, std::chrono::milliseconds(819));
    third.setFault(Fault::Late, std::chrono::milliseconds(819));
    fourth.setFault(Fault::Silent);
    std::vector<calclink::LinkChoice> calculators;
    CalcSimulator *const simulators[] = {&first, &second, &third, &fourth};
    for (int port = 1; port <= 4; ++port) {
        CalcSimulator &simulator = *simulators[port - 1];
        if (port > 1)
            simulator.start();
        std::string error;
        if (!makeLink(calclink::portLinkPath(port), simulator.path(), error))
            return fail(("cannot link a simulated calculator: " + error).c_str());
        calculators.push_back({calclink::LinkChoice::Gray, port, {}});
    }
    TileNames names;
    for (const auto &[place, name] : {std::pair("COM1", "Ana"), {"COM2", "Ben"}, {"COM3", "Table 3"}})
        if (const QString why = names.name(place, name); !why.isEmpty())
            return fail(why.toLocal8Bit());

    ClassWindow window(settingsfile::read(), ScreenMetrics{15, 15}, [calculators] { return calculators; });
    window.resize(820, 520);
    window.show();
    QEventLoop settle;
    QTimer::singleShot(LiveReader::kRateSpan + std::chrono::seconds(1), &settle, &QEventLoop::quit);
    settle.exec();
    if (!window.status().startsWith("Calculators read: 3 of 4"))
        return fail(("the grid did not follow the simulated calculators: " + window.status()).toLocal8Bit());
    if (!window.grab().save(output, "PNG"))
        return fail("cannot write the grid's picture");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "Usage: ekrano-screenshot WINDOW.png [LIVE.png [CLASS.png]]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir config;
    if (!config.isValid())
        return fail("cannot make a temporary settings folder");
    setenv("XDG_CONFIG_HOME", qPrintable(config.path()), 1);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Ekrano");
    QApplication::setOrganizationName("Ekrano");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    storeSettings();

    CalcSimulator simulator;
    simulator.start();
    std::string error;
    if (!makeLink(calclink::portLinkPath(1), simulator.path(), error))
        return fail(("cannot link the simulated calculator as COM1: " + error).c_str());

    Form1 form(ScreenMetrics{15, 15});
    form.show();
    form.Form_Activate();

    // Colors, Background, Gradient with two colours picked: pale green at
    // the left to pale blue at the right.
    form.mnuSolid->setChecked(false);
    form.mnuGradient->setChecked(true);
    form.gradStartRed = 0xE4, form.gradStartGreen = 0xF4, form.gradStartBlue = 0xD8;
    form.gradEndRed = 0xD0, form.gradEndGreen = 0xE0, form.gradEndBlue = 0xF8;

    form.Command1->click();
    if (form.Command1->text() != "&Screenshot to Clipboard" || simulator.requestsServed() != 1)
        return fail("the capture from the simulated calculator failed");
    QApplication::processEvents();

    // The whole window below its title bar: the menu bar and the client area.
    if (!form.grab().save(output, "PNG"))
        return fail("cannot write the picture");
    if (argc == 2)
        return 0;

    // Ekrano Live halfway through the graph, a screen about every 0.82 s as
    // on the Gray cable, once the screens a second have settled.
    simulator.setScreen(animatedScreen(kAnimationFrames / 2));
    simulator.setFault(Fault::Late, std::chrono::milliseconds(819));
    LiveWindow live(settingsfile::read(), ScreenMetrics{15, 15});
    live.resize(640, 460);
    live.show();
    QEventLoop settle;
    QTimer::singleShot(LiveReader::kRateSpan + std::chrono::seconds(1), &settle, &QEventLoop::quit);
    settle.exec();
    if (!live.status().endsWith("Reading") || live.picture().isNull())
        return fail(("the live window did not follow the simulated calculator: " + live.status()).toLocal8Bit());
    if (!live.grab().save(QString::fromLocal8Bit(argv[2]), "PNG"))
        return fail("cannot write the live window's picture");
    live.close();
    if (argc == 3)
        return 0;
    return classPicture(simulator, QString::fromLocal8Bit(argv[3]));
}
