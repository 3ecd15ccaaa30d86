#pragma once

#include <QMainWindow>
#include <QString>

#include "controls.h"
#include "screenmetrics.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMessageBox;
class QPushButton;
class QScrollBar;
class CommonDialog;
class Surface;

// The program's one window. Its controls and menu items are public, named as
// the user meets them, and every piece of work is one handler below, run on
// the window's event thread. The handlers are defined beside the part of the
// program they belong to: the link menus and the capture in src/link, the
// drawing, zoom and colours in src/display, start-up, shutdown and the
// stored settings in src/app.
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
    Surface *Picture2;
    Surface *Picture1;
    QScrollBar *HScroll1;
    QPushButton *Command1;
    QLabel *Label2;
    QLabel *Label1;

    // Menus.
    QMenu *mnuFil;
    QAction *mnuNew;
    QAction *mnuExit;
    QMenu *mnuComm;
    ItemGroup mnuport{1};
    QAction *mnuCable;
    ItemGroup mnuCableType{0};
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

    // Start-up and shutdown (src/app).
    void Form_Load();
    void Form_Activate();
    void mnuExit_Click();
    // The system or the desktop session ending the program (SIGTERM, SIGHUP,
    // SIGINT, the session manager): saves as File, Exit does but tells a
    // failure on stderr only, and closes the box of one File, Exit is showing.
    void endSession();

    // The link menus and the capture (src/link).
    void mnuport_Click(int index);
    void mnuCableType_Click(int index);
    void Command1_Click();

    // The picture (src/display).
    void Redraw();
    void Gradient();
    void Check1_Click();
    void mnuNew_Click();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void mnuForeground_Click();
    void mnuSolid_Click();
    void mnuGradient_Click();
    void mnuHorizontal_Click();

protected:
    // Closing the window any other way than File, Exit: the Unload handler.
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void wireEvents();
    void place(QWidget *control, int left, int top, int width, int height) const;
    void applyZoom(bool centre);

    ScreenMetrics screen_;
    bool ended_ = false;                // mnuExit_Click has saved and ended the program
    bool endingSession_ = false;        // nobody is there to answer a message box
    QMessageBox *failureBox_ = nullptr; // while it shows that the settings were not saved
    int dragStartValue_ = 0;            // HScroll1's value when the user took hold of the thumb
};
