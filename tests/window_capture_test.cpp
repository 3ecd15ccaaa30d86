// The capture button against the simulated calculator, through the real
// serial code on a pseudo-terminal: the picture, the captions and the boxes.

#include <QFile>
#include <QPushButton>

#include <unistd.h>

#include "calcsimulator.h"
#include "capturemessage.h"
#include "devicenames.h"
#include "windowtest.h"

using namespace std::chrono_literals;

namespace {

const QString kCheckCalculator = "Error...\r\nCheck calculator, connection, & 'Link Settings'";

// A screen with a few dark pixels in known places, corners included.
calclink::Bitmap testScreen()
{
    calclink::Bitmap bitmap{};
    auto set = [&](int x, int y) { bitmap[size_t(y * 12 + x / 8)] |= uint8_t(0x80 >> (x % 8)); };
    set(0, 0);
    set(95, 63);
    set(10, 2);
    set(47, 31);
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

    void linkPort(int port, const std::string &target)
    {
        const std::string link = calclink::portLinkPath(port);
        QDir().mkpath(QFileInfo(QString::fromStdString(link)).path());
        ::unlink(link.c_str());
        ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
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

    bool pictureIs(const calclink::Bitmap &bitmap) const
    {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 96; ++x) {
                const bool dark = bitmap[size_t(y * 12 + x / 8)] & (0x80 >> (x % 8));
                if (form->Picture2->Point(float(x), float(y)) != (dark ? raster::kBlack : raster::kWhite))
                    return false;
            }
        return true;
    }

    CalcSimulator simulator{testScreen()};
    Form1 *form = nullptr;
};

TEST_F(CaptureTest, APressShowsTheCalculatorsScreenEnlargedAndOnTheClipboard)
{
    press(false);
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
                        Fault::WrongMachineId, Fault::Late}) {
        simulator.setFault(fault, 2500ms);
        calclink::Bitmap other{};
        other.fill(0xFF);
        simulator.setScreen(other);
        const auto started = std::chrono::steady_clock::now();
        const auto box = press(true);
        const auto took = std::chrono::steady_clock::now() - started;
        EXPECT_EQ(box->title, "Ekrano Error") << int(fault);
        EXPECT_EQ(box->text, kCheckCalculator) << int(fault);
        EXPECT_FALSE(box->hasIcon);
        EXPECT_EQ(box->buttons, 1);
        EXPECT_EQ(form->Command1->text(), "&Screenshot") << int(fault);
        EXPECT_TRUE(pictureIs(testScreen())) << "the earlier capture stays, fault " << int(fault);
        EXPECT_EQ(form->Picture1->Image(), before);
        EXPECT_LT(took, 5s) << "never a hang, fault " << int(fault);
        simulator.setScreen(testScreen());
        // A late calculator is still answering; let it finish before the next request.
        if (fault == Fault::Late)
            std::this_thread::sleep_for(1s);
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
    for (int i = 0; i <= 2; ++i)
        form->mnuCableType[i]->setChecked(false);
    const auto noCable = press(true);
    EXPECT_EQ(noCable->text, box->text);

    // No port ticked with a serial cable gives the device COM0, which the link refuses.
    form->mnuCableType_Click(1);
    for (int i = 1; i <= 4; ++i)
        form->mnuport[i]->setChecked(false);
    box = press(true);
    EXPECT_EQ(form->linkDevice, "COM0");
    EXPECT_TRUE(box->text.startsWith("80070057\r\n")) << box->text.toStdString();
    EXPECT_TRUE(box->text.contains("COM0"));
}

TEST(CaptureMessage, OnlyTheWholeWordsAutomationErrorInAnyCaseSendTheUserToTheCalculator)
{
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
