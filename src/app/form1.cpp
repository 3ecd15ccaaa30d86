#include "form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "commondialog.h"
#include "surface.h"

// The client area, in twips.
static constexpr int kClientWidth = 7980;
static constexpr int kClientHeight = 5820;

static const char kCredits[] =
    "Ekrano version 2\n\n"
    "Connect the calculator, pick its port and cable under Link Settings, "
    "and press the button: its screen lands on the clipboard.";

static raster::Colour colourOf(QPalette::ColorRole role)
{
    const QColor c = QApplication::palette().color(role);
    return raster::rgb(c.red(), c.green(), c.blue());
}

// A font by name, falling back quietly to the desktop's own where it is missing.
static QFont namedFont(const QString &family, double points, bool bold)
{
    QFont font = QApplication::font();
    font.setFamilies({family, font.family()});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

Form1::Form1(ScreenMetrics metrics, QWidget *parent) : QMainWindow(parent), screen_(metrics)
{
    setWindowTitle("Ekrano ver 2.0");
    setWindowIcon(QIcon(":/ekrano/ekrano.xpm"));
    // Fixed single border: the window has no maximise button and cannot be resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    createControls();
    createMenus();
    wireEvents();
    Form_Load();
    // The menu bar sits above the client area; the window is as large as both.
    setFixedSize(sizeHint());
}

Form1::~Form1() = default;

void Form1::place(QWidget *control, int left, int top, int width, int height) const
{
    control->setGeometry(raster::pixelsFromTwips(left, screen_.twipsPerPixelX),
                         raster::pixelsFromTwips(top, screen_.twipsPerPixelY),
                         raster::pixelsFromTwips(width, screen_.twipsPerPixelX),
                         raster::pixelsFromTwips(height, screen_.twipsPerPixelY));
}

void Form1::createControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(raster::pixelsFromTwips(kClientWidth, screen_.twipsPerPixelX),
                         raster::pixelsFromTwips(kClientHeight, screen_.twipsPerPixelY));
    setCentralWidget(client);
    const int tx = screen_.twipsPerPixelX, ty = screen_.twipsPerPixelY;

    Check1 = new QCheckBox("Border", client);
    place(Check1, 570, 105, 810, 195);
    // The layout's width was made for a narrower font; the caption must show whole.
    Check1->resize(std::max(Check1->width(), Check1->sizeHint().width()), Check1->height());

    CommonDialog1 = new CommonDialog(this);

    Picture2 = new Surface(tx, ty, Surface::Border::None, client);
    Picture2->setBackColor(colourOf(QPalette::Base));
    Picture2->setForeColor(colourOf(QPalette::Text));
    Picture2->setLeft(6180);
    Picture2->setTop(975);
    Picture2->setWidth(1440);
    Picture2->setHeight(1170);
    Picture2->Cls();
    Picture2->hide();

    Picture1 = new Surface(tx, ty, Surface::Border::Sunken, client);
    Picture1->setBackColor(raster::kWhite);
    Picture1->setForeColor(colourOf(QPalette::WindowText));
    Picture1->setLeft(75);
    Picture1->setTop(765);
    Picture1->setWidth(2310);
    Picture1->setHeight(1545);
    Picture1->Cls();
    Picture1->setFocusPolicy(Qt::TabFocus);

    HScroll1 = new QScrollBar(Qt::Horizontal, client);
    place(HScroll1, 90, 465, 7500, 240);
    HScroll1->setRange(0, 50);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(5);
    HScroll1->setValue(30);
    HScroll1->setFocusPolicy(Qt::StrongFocus);

    Command1 = new QPushButton("&Screenshot to Clipboard", client);
    place(Command1, 2910, 15, 2190, 375);

    Label2 = new QLabel(kCredits, client);
    place(Label2, 2235, 690, 3705, 2640);
    Label2->setFont(namedFont("Comic Sans MS", 14.25, false));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(true);

    Label1 = new QLabel("3", client);
    place(Label1, 7020, 135, 795, 255);
    Label1->setFont(namedFont("MS Sans Serif", 9.75, true));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Labels lie beneath the other controls, as the window's own drawing does.
    Label2->lower();
    Label1->lower();

    setTabOrder(Command1, HScroll1);
    setTabOrder(HScroll1, Picture1);
    setTabOrder(Picture1, Check1);
    Command1->setFocus();
}

void Form1::createMenus()
{
    mnuFil = menuBar()->addMenu("&File");
    mnuNew = mnuFil->addAction("&New");
    mnuExit = mnuFil->addAction("E&xit");

    mnuComm = menuBar()->addMenu("&Link Settings");
    for (const char *port : {"COM1", "COM2", "COM3", "COM4"}) {
        QAction *item = mnuComm->addAction(port);
        item->setCheckable(true);
        mnuport.add(item);
    }
    mnuCable = mnuComm->addSeparator();
    for (const char *cable : {"Black", "Gray", "USB"}) {
        QAction *item = mnuComm->addAction(cable);
        item->setCheckable(true);
        mnuCableType.add(item);
    }
    mnuport[1]->setChecked(true);
    mnuCableType[0]->setChecked(true);

    mnuColors = menuBar()->addMenu("&Colors");
    mnuForeground = mnuColors->addAction("&Foreground");
    mnuBackground = mnuColors->addMenu("&Background");
    mnuSolid = mnuBackground->addAction("Solid");
    mnuGradient = mnuBackground->addAction("Gradient");
    mnuHorizontal = mnuBackground->addAction("Horizontal");
    for (QAction *item : {mnuSolid, mnuGradient, mnuHorizontal})
        item->setCheckable(true);
}

void Form1::wireEvents()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

    // Check1's Click comes with every change of its value, by the user or by
    // the program; a greyed box that the user clicks becomes two-state again.
    connect(Check1, &QCheckBox::stateChanged, this, [this](int state) {
        if (state != Qt::PartiallyChecked)
            Check1->setTristate(false);
        Check1_Click();
    });

    // HScroll1's two events from one Qt scroll bar:
    // - Scroll: every change of value while the user drags the thumb;
    // - Change: every other change of value (arrows, trough, keyboard, the
    //   program), and once when a drag ends on a value other than the one it
    //   started from.
    connect(HScroll1, &QScrollBar::sliderPressed, this, [this] { dragStartValue_ = HScroll1->value(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] {
        if (HScroll1->isSliderDown())
            HScroll1_Scroll();
        else
            HScroll1_Change();
    });
    connect(HScroll1, &QScrollBar::sliderReleased, this, [this] {
        if (HScroll1->value() != dragStartValue_)
            HScroll1_Change();
    });

    onClick(mnuNew, [this] { mnuNew_Click(); });
    onClick(mnuExit, [this] { mnuExit_Click(); });
    mnuport.onClick([this](int index) { mnuport_Click(index); });
    mnuCableType.onClick([this](int index) { mnuCableType_Click(index); });
    onClick(mnuForeground, [this] { mnuForeground_Click(); });
    onClick(mnuSolid, [this] { mnuSolid_Click(); });
    onClick(mnuGradient, [this] { mnuGradient_Click(); });
    onClick(mnuHorizontal, [this] { mnuHorizontal_Click(); });
}

void Form1::start()
{
    show();
    // The window becomes active once, at start-up: the event loop runs the
    // handler as soon as it takes over, whether or not a window manager ever
    // gives the window focus, and never again when the user comes back to it.
    QTimer::singleShot(0, this, &Form1::Form_Activate);
}

float Form1::Width() const { return float(frameGeometry().width() * screen_.twipsPerPixelX); }

void Form1::Form_Load()
{
    linkDevice = "COM1";
    const int tx = screen_.twipsPerPixelX;
    const int ty = screen_.twipsPerPixelY;
    Picture2->setWidth(float(96 * tx));
    Picture2->setHeight(float(64 * ty));
    Picture2->setScaleHeight(64);
    Picture2->setScaleWidth(96);
    zoomFactor = 3;
    const float w2 = Picture2->Width();
    Picture1->setWidth(float(zoomFactor) * (w2 + 2 * float(tx)));
    const float w1 = Picture1->Width();
    Picture1->setHeight((66.0f / 98.0f) * w1);
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!ended_)
        mnuExit_Click();
    event->accept();
}
