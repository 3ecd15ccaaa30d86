// The capture button against the simulated calculator, through the real
// serial code on a pseudo-terminal: the picture, the captions and the boxes.

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <iostream>

#include <unistd.h>

#include "calcsimulator.h"
#include "capture.h"
#include "pictures.h"
#include "portlinks.h"
#include "windowtest.h"

using namespace std::chrono_literals;

namespace {

// A screen with a few dark pixels in known places, corners included.
calclink::Bitmap testScreen()
{
    calclink::Bitmap bitmap{};
    for (auto [x, y] : {std::pair{0, 0}, {95, 63}, {10, 2}, {47, 31}})
        calclink::setDark(bitmap, x, y);
    return bitmap;
}

} // namespace

class CaptureTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        simulator.start();
        linkPort(1, simulator.path());
        form = &startedWindow(15);
        form->mnuCableType_Click(1); // Gray
    }

    // Presses the button; returns the box that opened, if any.
    std::optional<ModalHand::Box> press(bool expectBox)
    {
        ModalHand::Box box;
        {
            ModalHand hand;
            if (expectBox)
                hand.pressOk(&box);
            form->Command1->click();
            EXPECT_EQ(hand.unexpected(), 0) << "a box opened that should not have";
        }
        return expectBox ? std::optional(box) : std::nullopt;
    }

    bool pictureIs(const calclink::Bitmap &bitmap) const { return holdsScreen(form->Picture2, bitmap); }

    void TearDown() override { expectEveryAckDelivered(simulator); }

    CalcSimulator simulator{testScreen()};
    Form1 *form = nullptr;
};

TEST_F(CaptureTest, APressShowsTheCalculatorsScreenEnlargedAndOnTheClipboard)
{
    const QString trace = configPath() + "/trace.txt";
    qputenv("EKRANO_TRACE", trace.toUtf8());
    press(false);
    qunsetenv("EKRANO_TRACE");
    QFile traced(trace);
    EXPECT_TRUE(traced.open(QIODevice::ReadOnly) && traced.readAll().contains(" ms  result: the screen\n"))
        << "EKRANO_TRACE names the file the capture's trace goes to";
    EXPECT_TRUE(pictureIs(testScreen()));
    EXPECT_EQ(form->Command1->text(), "&Screenshot to Clipboard");
    const QImage &display = form->Picture1->Image();
    EXPECT_EQ(display.pixel(31, 7), qRgb(0, 0, 0)) << "calculator pixel (10, 2)";
    EXPECT_EQ(display.pixel(95 * 3 + 2, 63 * 3 + 2), qRgb(0, 0, 0)) << "calculator pixel (95, 63)";
    EXPECT_EQ(clipboardImage().convertToFormat(QImage::Format_RGB32), display);
    EXPECT_EQ(form->linkDevice, "COM1");
    EXPECT_EQ(simulator.requestsServed(), 1);
}

TEST_F(CaptureTest, ABadChecksumOnceIsReadAgainAndSucceeds)
{
    simulator.setFault(Fault::BadChecksumOnce);
    press(false);
    EXPECT_TRUE(pictureIs(testScreen()));
    EXPECT_EQ(simulator.errorsReceived(), 1);
}

TEST_F(CaptureTest, EveryCalculatorFaultSendsTheUserToTheCalculatorAndKeepsThePicture)
{
    press(false);
    const QImage before = form->Picture1->Image();
    for (Fault fault : {Fault::Silent, Fault::BadChecksumAlways, Fault::WrongLength, Fault::Skip,
                        Fault::WrongMachineId}) {
        simulator.setFault(fault, 2500ms);
        calclink::Bitmap other{};
        other.fill(0xFF);
        simulator.setScreen(other);
        const auto started = std::chrono::steady_clock::now();
        testing::internal::CaptureStderr();
        const auto box = press(true);
        const std::string said = testing::internal::GetCapturedStderr();
        const auto took = std::chrono::steady_clock::now() - started;
        // The silent calculator meets the cable's real reply limit: the one
        // place where the window is seen to capture with the cable's own
        // limits. The link's tests try every limit with short ones.
        if (fault == Fault::Silent) {
            EXPECT_NE(said.find("no reply within 2000 ms"), std::string::npos) << said;
        }
        EXPECT_EQ(box->title, "Ekrano Error") << int(fault);
        EXPECT_EQ(box->text, kCheckCalculator) << int(fault);
        EXPECT_FALSE(box->hasIcon);
        EXPECT_EQ(box->buttons, 1);
        EXPECT_EQ(form->Command1->text(), "&Screenshot") << int(fault);
        EXPECT_TRUE(pictureIs(testScreen())) << "the earlier capture stays, fault " << int(fault);
        EXPECT_EQ(form->Picture1->Image(), before);
        EXPECT_LT(took, 5s) << "never a hang, fault " << int(fault);
        simulator.setScreen(testScreen());
    }
    simulator.setFault(Fault::None);
    press(false);
    EXPECT_EQ(form->Command1->text(), "&Screenshot to Clipboard") << "a good capture after a failed one";
}

TEST_F(CaptureTest, ATerminalThatVanishesMidTransferIsADescribedDeviceFailure)
{
    simulator.setFault(Fault::HangUp);
    const auto box = press(true);
    EXPECT_EQ(box->title, "Ekrano");
    EXPECT_TRUE(box->text.startsWith("8007")) << box->text.toStdString();
    EXPECT_TRUE(box->text.contains("COM1")) << box->text.toStdString();
    EXPECT_EQ(form->Command1->text(), "&Screenshot");
}

TEST_F(CaptureTest, AMissingPortNamesTheDeviceAndThePath)
{
    linkPort(2, "/dev/ekrano-no-such-port");
    form->mnuport_Click(2);
    const auto box = press(true);
    EXPECT_EQ(box->title, "Ekrano") << "no title of its own: the program's name";
    EXPECT_TRUE(box->text.startsWith("80070002\r\n")) << box->text.toStdString();
    EXPECT_TRUE(box->text.contains("COM2"));
    EXPECT_TRUE(box->text.contains(QString::fromStdString(calclink::portLinkPath(2))));
    EXPECT_EQ(form->Command1->text(), "&Screenshot");
}

TEST_F(CaptureTest, TheTickedCableAndPortChooseTheDeviceAndTheCableCode)
{
    // USB: the USB device whatever port is ticked; on this machine no cable answers.
    form->mnuport_Click(3);
    form->mnuCableType_Click(2);
    auto box = press(true);
    EXPECT_EQ(form->linkDevice, "\\\\.\\Usb0");
    EXPECT_TRUE(box->text.startsWith("8007")) << box->text.toStdString();

    // Black on COM3: the two-wire cable needs modem lines, which a terminal like this lacks.
    linkPort(3, simulator.path());
    form->mnuCableType_Click(0);
    box = press(true);
    EXPECT_EQ(form->linkDevice, "COM3");
    EXPECT_TRUE(box->text.contains("COM3")) << box->text.toStdString();
    EXPECT_EQ(simulator.requestsServed(), 0) << "nothing went out as serial bytes";

    // No cable ticked (the menus never allow it) proceeds as Black.
    for (QAction *item : form->mnuCableType->actions())
        item->setChecked(false);
    const auto noCable = press(true);
    EXPECT_EQ(noCable->text, box->text);

    // No port ticked with a serial cable gives the device COM0, which the link refuses.
    form->mnuCableType_Click(1);
    for (QAction *item : form->mnuport->actions())
        item->setChecked(false);
    box = press(true);
    EXPECT_EQ(form->linkDevice, "COM0");
    EXPECT_TRUE(box->text.startsWith("80070057\r\n")) << box->text.toStdString();
    EXPECT_TRUE(box->text.contains("COM0"));
}

TEST_F(CaptureTest, AFailedCaptureSaysWhyOnStandardError)
{
    simulator.setFault(Fault::BadChecksumAlways);
    testing::internal::CaptureStderr();
    press(true);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Ekrano: the capture failed: 80004005: the screen's checksum was wrong three times\n"),
              std::string::npos)
        << said;
}

// While a capture waits for a slow calculator the window goes on painting,
// its caption says so, and what the user does meanwhile reaches the window
// only after the capture: here a tick of Border and a second press.
TEST_F(CaptureTest, TheWindowPaintsDuringACaptureAndHoldsItsInputUntilTheEnd)
{
    simulator.setFault(Fault::Late, 600ms);
    QStringList paintedCaptions;
    struct PaintSpy : QObject {
        QStringList *captions;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                *captions << static_cast<QPushButton *>(watched)->text();
            return false;
        }
    } spy;
    spy.captions = &paintedCaptions;
    form->Command1->installEventFilter(&spy);

    // The user's clicks come once the calculator has the request, with most
    // of its delay still to run.
    int borderDuringCapture = -1, requestsDuringCapture = -1;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, form, [&] {
        if (simulator.requestsServed() == 0 || borderDuringCapture >= 0)
            return;
        QTest::mouseClick(form->Check1, Qt::LeftButton);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCoreApplication::processEvents();
        borderDuringCapture = checkBoxValue(form->Check1);
        requestsDuringCapture = simulator.requestsServed();
    });
    user.start(5);
    form->Command1->click();
    user.stop();
    EXPECT_TRUE(paintedCaptions.contains("Grabbing...")) << paintedCaptions.join(", ").toStdString();
    EXPECT_EQ(borderDuringCapture, 0) << "the click on Border waited";
    EXPECT_EQ(requestsDuringCapture, 1);
    EXPECT_TRUE(pictureIs(testScreen()));

    // Once the capture has ended the held clicks arrive: the tick, and a second capture.
    simulator.setFault(Fault::None);
    EXPECT_TRUE(waitUntil([&] { return simulator.requestsServed() == 2 && form->Command1->text() != "Grabbing..."; }));
    EXPECT_EQ(checkBoxValue(form->Check1), 1);
    EXPECT_EQ(simulator.requestsServed(), 2);
    form->Command1->removeEventFilter(&spy);
}

// A calculator that sends a byte every half second would hold a capture
// until the packet limit ends it, seconds later: closing the window cancels
// it at once, then saves and ends.
TEST_F(CaptureTest, ClosingTheWindowDuringACaptureEndsItAtOnceAndSavesOnce)
{
    simulator.setFault(Fault::Trickle, 500ms);
    groupItem(form->mnuport, 1)->trigger();
    std::optional<std::chrono::steady_clock::time_point> closed;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, form, [&] {
        if (form->Command1->text() == "Grabbing..." && !closed) {
            closed = std::chrono::steady_clock::now();
            form->close();
        }
    });
    user.start(5);
    EXPECT_TRUE(runUntilProgramEnds([&] { form->Command1->click(); }));
    user.stop();
    ASSERT_TRUE(closed) << "the capture never showed Grabbing...";
    // Cancelling takes a twentieth of a second; the capture left to itself
    // would have run on for at least the 2 s of its DATA packet's limit.
    const auto took = std::chrono::steady_clock::now() - *closed;
    EXPECT_LT(took, 200ms) << "from the close to the end";
    std::cout << "[ measure  ] from the close to the end of the program: "
              << std::chrono::duration<double, std::milli>(took).count() << " ms\n";
    EXPECT_EQ(stored("cable"), "1");

    // The port is free again, and nothing writes the settings a second time.
    QFile::remove(settingsFile());
    form->close();
    EXPECT_FALSE(QFile::exists(settingsFile()));
    simulator.stop(); // still trickling its answer to the cancelled request
    simulator.setFault(Fault::None);
    simulator.start();
    calclink::Stop stop;
    const calclink::CaptureResult again = calclink::capture(calclink::LinkChoice::ofDevice(1, "COM1"), stop);
    EXPECT_TRUE(again.screen) << "the port was released: " << again.why();
}

TEST_F(CaptureTest, AClosingSessionClosesTheCapturesMessageBoxAndEndsTheProgram)
{
    simulator.setFault(Fault::Skip);
    ModalHand hand;
    hand.then([&](QWidget *) { form->close(); }); // as SIGTERM does
    EXPECT_TRUE(runUntilProgramEnds([&] { form->Command1->click(); }));
    EXPECT_EQ(hand.unexpected(), 0);
    EXPECT_EQ(stored("cable"), "1");
}

TEST_F(CaptureTest, ReturnAndEnterPressTheFocusedButtonAndOnlyThen)
{
    form->Command1->setFocus();
    QTest::keyClick(form->Command1, Qt::Key_Return);
    EXPECT_EQ(simulator.requestsServed(), 1) << "Return";
    QTest::keyClick(form->Command1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(simulator.requestsServed(), 2) << "Enter on the keypad";
    QTest::keyClick(form->Command1, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(simulator.requestsServed(), 2) << "Ctrl+Return is not a press";

    form->HScroll1->setFocus();
    QTest::keyClick(form->HScroll1, Qt::Key_Return);
    EXPECT_EQ(simulator.requestsServed(), 2) << "the scroll bar has the focus";

    // In the colour dialog Enter is the dialog's: it confirms the colour.
    form->Command1->setFocus();
    {
        ModalHand hand;
        hand.then([](QWidget *dialog) {
            auto *colours = qobject_cast<QColorDialog *>(dialog);
            ASSERT_NE(colours, nullptr);
            colours->setCurrentColor(QColor(0, 0, 200));
            QTest::keyClick(colours->focusWidget() ? colours->focusWidget() : colours, Qt::Key_Return);
        });
        form->mnuForeground->trigger();
    }
    EXPECT_EQ(form->Picture1->ForeColor(), raster::rgb(0, 0, 200));
    EXPECT_EQ(simulator.requestsServed(), 2);
}

TEST(CaptureMessage, OnlyTheWholeWordsAutomationErrorInAnyCaseSendTheUserToTheCalculator)
{
    struct Message {
        QString title, text;
    };
    const auto captureMessage = [](uint32_t number, const char *description) {
        const calclink::CaptureMessage message = calclink::captureMessage(number, description);
        return Message{QString::fromStdString(message.title), QString::fromStdString(message.text)};
    };
    EXPECT_EQ(captureMessage(0x80004005, "").text, kCheckCalculator);
    EXPECT_EQ(captureMessage(0x80004005, "").title, "Ekrano Error");
    EXPECT_EQ(captureMessage(1, "aUtOmAtIoN eRrOr").text, kCheckCalculator);
    EXPECT_EQ(captureMessage(0x80070057, " Automation error").text, "80070057\r\n Automation error");
    EXPECT_EQ(captureMessage(0x80070057, "Automation error ").text, "80070057\r\nAutomation error ");
    EXPECT_EQ(captureMessage(0x80070057, "Automation errors").title, "Ekrano");
    // Numbers in hexadecimal, upper-case digits, no leading zeros.
    EXPECT_EQ(captureMessage(0xABC, "x").text, "ABC\r\nx");
    EXPECT_EQ(captureMessage(0xFFFFFFFF, "x").text, "FFFFFFFF\r\nx");
}
