#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <variant>

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
struct LinkChoice;
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
    calclink::CaptureResult captureOffThread(const calclink::LinkChoice &choice, calclink::Stop &stop);
    void reportCaptureFailure(const calclink::CaptureResult &result);
    bool saveSettings();

    // What the window is doing, each state with what it holds meanwhile.
    struct Starting {};                              // shown; the stored settings not applied yet
    struct Ready {};                                 // waiting for the user
    struct Capturing { calclink::Stop *capture; };   // a capture runs on its own thread; the user's input waits
    struct Reporting { QPointer<QMessageBox> box; }; // a failed capture's message box is open
    struct Ending { QPointer<QMessageBox> box; };    // the settings are saved; the box tells why they could not be
    struct Ended {};                                 // the program is ending; nothing is saved again
    using State = std::variant<Starting, Ready, Capturing, Reporting, Ending, Ended>;

    // The one place where the state changes, and where the window reacts to
    // the change (form1.cpp has the table of moves). Entering Ending saves
    // the settings and ends the program. Asked while the window starts,
    // captures or reports, Ending waits: the capture is cancelled, its box
    // closed, and the window ends once it is Ready again. Any move that the
    // table does not allow is refused and changes nothing. Returns whether
    // the window moved at once.
    bool enter(State next);
    template <class S> bool in() const { return std::holds_alternative<S>(state_); }

    ScreenMetrics screen_;
    State state_ = Starting{};
    // Who asked the program to end while it could not yet, or as it does.
    // The session (or a signal) ending it leaves nobody to answer a box.
    enum class EndAsked { No, ByUser, BySession };
    EndAsked endAsked_ = EndAsked::No;
    QString settingsRefused_; // why the stored settings could not be read at start, if so
    int dragStartValue_ = 0;  // HScroll1's value when the user took hold of the thumb
    // The picture's way to a clipboard that only the focused window may set:
    // offered in the background and dropped, offered again on getting the
    // focus, and once more when the pointer first comes in.
    enum class Offer { Taken, Dropped, MadeOnFocus };
    Offer offer_ = Offer::Taken;
};
