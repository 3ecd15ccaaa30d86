// The capture: one press of Command1 reads the calculator's screen over the
// chosen cable, shows it enlarged and puts it on the clipboard.

#include <QCoreApplication>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>

#include <optional>

#include "calclink.h"
#include "capturemessage.h"
#include "form1.h"
#include "linkerror.h"
#include "surface.h"

namespace {

const char kReady[] = "&Screenshot to Clipboard";
const char kGrabbing[] = "Grabbing...";
const char kFailed[] = "&Screenshot";

QImage imageOf(const calclink::Picture &picture)
{
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != size_t(picture.width) * size_t(picture.height))
        throw calclink::LinkError(calclink::kNoAnswer, "The link library handed out no picture of the calculator's screen.");
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const raster::Colour c = raster::Colour(picture.pixels[size_t(y) * picture.width + x]);
            image.setPixel(x, y, qRgb(raster::red(c), raster::green(c), raster::blue(c)));
        }
    return image;
}

void report(QWidget *parent, uint32_t number, const QString &description)
{
    const CaptureMessage message = captureMessage(number, description);
    QMessageBox box(QMessageBox::NoIcon, message.title, message.text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

CaptureMessage captureMessage(uint32_t number, QString description)
{
    if (description.isEmpty())
        description = "Automation error";
    if (description.toUpper() == "AUTOMATION ERROR")
        return {"Ekrano Error", "Error...\r\nCheck calculator, connection, & 'Link Settings'"};
    return {QCoreApplication::applicationName(), QString::number(number, 16).toUpper() + "\r\n" + description};
}

void Form1::Command1_Click()
{
    // Both link objects live for this one capture and are released on every path.
    std::optional<calclink::CalcScreen> screen;
    std::optional<calclink::CalcLink> link;
    try {
        screen.emplace();
        screen->Configure(26);

        int cable = 0; // none ticked counts as the first
        for (int i = 0; i <= mnuCableType.Count() - 1; ++i)
            if (mnuCableType[i]->isChecked())
                cable = i;
        if (cable == 2) {
            linkDevice = "\\\\.\\Usb0";
        } else {
            int port = 0;
            for (int i = 1; i <= mnuport.Count(); ++i)
                if (mnuport[i]->isChecked())
                    port = i;
            linkDevice = "COM" + QString::number(port).right(1);
        }

        const int cableCode = cable == 1 ? 1 : cable == 2 ? 5 : 2;
        link.emplace();
        link->Connect(cableCode, linkDevice.toStdString());

        // The transfer blocks the event thread; the new caption is painted first.
        Command1->setText(kGrabbing);
        Command1->repaint();
        link->GetScreen(*screen);
        Picture2->setPicture(imageOf(screen->GetPicture()));
        Command1->setText(kReady);
        Redraw();
    } catch (const calclink::LinkError &error) {
        report(this, error.number(), QString::fromStdString(error.description()));
        Command1->setText(kFailed);
    } catch (const std::exception &error) {
        report(this, calclink::kNoAnswer, QString::fromUtf8(error.what()));
        Command1->setText(kFailed);
    }
}
