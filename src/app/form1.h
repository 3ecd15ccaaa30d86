#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>

#include "screenmetrics.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QMessageBox;
class QPushButton;
class QScrollBar;
class CommonDialog;
class Surface;
namespace calclink {
class Stop;
struct CaptureResult;
}

// The program's one window. Its controls and menu items are public, named as
// the user meets them, and every piece of work is one handler below, run on
// the window's event thread. The handlers read the controls, hand the work
// to the link library (the capture) or the display library (the picture),
// and show the result.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // `metrics` are the screen's twips per pixel (tests choose them).
    explicit Form1(ScreenMetrics metrics, QWidget *parent = nullptr);
    ~Form1() override;

    // Shows the window and lets the event loop run the Activate handler once.
    void start();

    // The window's outer width, frame included, in twips.
    float Width() const;

    // Controls, in the order the window creates them.
    QCheckBox *Check1;
    CommonDialog *CommonDialog1;
    QImage Picture2; // the capture surface: the last screen captured, one pixel per calculator pixel
    Surface *Picture1;
    QScrollBar *HScroll1;
    QPushButton *Command1;
    QLabel *Label2;
    QLabel *Label1;

    // Menus. The port items are numbered 1 to 4, the cable items 0 to 2;
    // each group keeps exactly one item ticked.
    QMenu *mnuFil;
    QAction *mnuNew;
    QAction *mnuExit;
    QMenu *mnuComm;
    QActionGroup *mnuport;
    QAction *mnuCable;
    QActionGroup *mnuCableType;
    QMenu *mnuColors;
    QAction *mnuForeground;
    QMenu *mnuBackground;
    QAction *mnuSolid;
    QAction *mnuGradient;
    QAction *mnuHorizontal;

    // The window's own variables.
    QString linkDevice;
    double zoomFactor = 0;
    double gradStartRed = 0, gradStartGreen = 0, gradStartBlue = 0;
    double gradEndRed = 0, gradEndGreen = 0, gradEndBlue = 0;

    // The handlers, under the file that defines them.

    // form1.cpp: the window's making.
    void Form_Load();

    // startexit.cpp: the stored settings applied at start, saved at the end.
    void Form_Activate();
    void mnuExit_Click();
    // The system or the desktop session ending the program (SIGTERM, SIGHUP,
    // SIGINT, the session manager): saves as File, Exit does but tells a
    // failure on stderr only, and closes the box of one File, Exit is showing.
    void endSession();

    // linksettings.cpp: the Link Settings menu.
    void mnuport_Click(int index);
    void mnuCableType_Click(int index);

    // capturebutton.cpp: the capture.
    void Command1_Click();

    // picture.cpp: the picture, on the display and the clipboard.
    void Redraw();
    // Whether the desktop takes the clipboard only from the window with the
    // keyboard focus and drops any other offer unseen, as Wayland's do.
    bool clipboardNeedsFocus = false;
    void Check1_Click();
    void mnuNew_Click();

    // zoom.cpp: the zoom.
    void HScroll1_Change();
    void HScroll1_Scroll();

    // colours.cpp: the Colors menu.
    void mnuForeground_Click();
    void mnuSolid_Click();
    void mnuGradient_Click();
    void mnuHorizontal_Click();

protected:
    // Closing the window any other way than File, Exit: the Unload handler.
    void closeEvent(QCloseEvent *event) override;
    // The window getting the focus, and the pointer coming in: a picture the
    // desktop dropped is offered again.
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    void createControls();
    void createMenus();
    void wireEvents();
    void place(QWidget *control, int left, int top, int width, int height) const;
    void sizeDisplay(); // Picture1 as large as the display at zoomFactor
    void applyZoom(bool centre);
    void offerPicture();
    calclink::CaptureResult captureOffThread(int cableCode);
    void reportCaptureFailure(const calclink::CaptureResult &result);

    // What the window is doing. A close that comes while it starts, captures
    // or reports is kept and carried out once it is Ready again; Ready, a
    // close saves the settings through File, Exit.
    enum class State {
        Starting,  // shown; the stored settings not applied yet
        Ready,     // waiting for the user
        Capturing, // a capture runs on its own thread; the user's input waits
        Reporting, // a failed capture's message box is open
        Ending,    // File, Exit saves the settings, or tells why it could not
        Ended,     // the program is ending; nothing is saved again
    };
    // The one place where the state changes. Back to Ready, a close kept
    // meanwhile closes the window.
    void enter(State next);

    ScreenMetrics screen_;
    State state_ = State::Starting;
    bool closePending_ = false;         // a close came while Starting, Capturing or Reporting
    bool unattended_ = false;           // the session or a signal ends the program: nobody answers a box
    calclink::Stop *capture_ = nullptr; // while Capturing
    QMessageBox *box_ = nullptr;        // while Reporting, or Ending with a failure to tell
    QString settingsRefused_;           // why the stored settings could not be read at start, if so
    int dragStartValue_ = 0;            // HScroll1's value when the user took hold of the thumb
    // The picture's way to a clipboard that only the focused window may set:
    // offered in the background and dropped, offered again on getting the
    // focus, and once more when the pointer first comes in.
    enum class Offer { Taken, Dropped, MadeOnFocus };
    Offer offer_ = Offer::Taken;
};
