#include "form1.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QMessageBox>
#include <QTimer>

#include "capture.h"
#include "commondialog.h"
#include "controls.h"
#include "render.h"
#include "settingsfile.h"
#include "surface.h"
#include "windowicon.h"

// The client area, in twips.
static constexpr int kClientWidth = 7980;
static constexpr int kClientHeight = 5820;

// Short enough to fit the label whole with the desktop's fallback fonts:
// the label is seen whole only at the smallest zooms, but then all of it.
static const char kCredits[] = QT_TRANSLATE_NOOP("Form1",
                                                 "Ekrano version 2\n\n"
                                                 "Pick the port and cable under Link Settings, then press the button: "
                                                 "the screen lands on the clipboard.");

static raster::Colour colourOf(QPalette::ColorRole role)
{
    return display::colourOf(QApplication::palette().color(role));
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
    setWindowTitle(tr("Ekrano ver 2.0"));
    setWindowIcon(display::windowIcon());
    // Fixed single border: the window has no maximise button and cannot be resized.
    // CustomizeWindowHint: exactly these buttons, not Qt's default set. (Qt's
    // own Wayland title bar, up to 6.8 at least, draws one whatever the hints.)
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    clipboardNeedsFocus = QGuiApplication::platformName().startsWith("wayland");
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

    Check1 = new QCheckBox(tr("Border"), client);
    place(Check1, 570, 105, 810, 195);
    // The layout's width was made for a narrower font; the caption must show whole.
    Check1->resize(std::max(Check1->width(), Check1->sizeHint().width()), Check1->height());

    CommonDialog1 = new CommonDialog(this);

    // Picture2, the capture surface, is never shown: it is the screen itself,
    // made by the Load handler.

    Picture1 = new Surface(screen_, client);
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
    HScroll1->setValue(settingsfile::kStartingScrollValue);
    HScroll1->setFocusPolicy(Qt::StrongFocus);

    Command1 = new QPushButton(tr("&Screenshot to Clipboard"), client);
    place(Command1, 2910, 15, 2190, 375);

    Label2 = new QLabel(tr(kCredits), client);
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

// Checkable items, numbered from `first` in the order of `captions`, of
// which at most one is ticked at a time.
static QActionGroup *itemGroup(QMenu *menu, const QStringList &captions, int first)
{
    auto *group = new QActionGroup(menu);
    int index = first;
    for (const QString &caption : captions) {
        QAction *item = menu->addAction(caption);
        item->setCheckable(true);
        item->setData(index++);
        group->addAction(item);
    }
    return group;
}

void Form1::createMenus()
{
    mnuFil = menuBar()->addMenu(tr("&File"));
    mnuNew = mnuFil->addAction(tr("&New"));
    mnuExit = mnuFil->addAction(tr("E&xit"));

    mnuComm = menuBar()->addMenu(tr("&Link Settings"));
    mnuport = itemGroup(mnuComm, {"COM1", "COM2", "COM3", "COM4"}, 1);
    mnuCable = mnuComm->addSeparator();
    QStringList cables;
    for (const int cable : {calclink::kMenuBlack, calclink::kMenuGray, calclink::kMenuUsb})
        cables << QString::fromStdString(calclink::cableName(cable));
    mnuCableType = itemGroup(mnuComm, cables, 0);
    groupItem(mnuport, 1)->setChecked(true);
    groupItem(mnuCableType, 0)->setChecked(true);

    mnuColors = menuBar()->addMenu(tr("&Colors"));
    mnuForeground = mnuColors->addAction(tr("&Foreground"));
    mnuBackground = mnuColors->addMenu(tr("&Background"));
    // Neither is ticked at first; once one is, it stays until the other is chosen.
    QActionGroup *background = itemGroup(mnuBackground, {tr("Solid"), tr("Gradient")}, 0);
    mnuSolid = groupItem(background, 0);
    mnuGradient = groupItem(background, 1);
    mnuHorizontal = mnuBackground->addAction(tr("Horizontal"));
    mnuHorizontal->setCheckable(true);
}

void Form1::wireEvents()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    // Users press Enter on the focused button to capture, as they would in a dialog.
    pressOnEnter(Command1);

    // Check1's Click comes with every change of its value, by the user or by
    // the program; a greyed box that the user clicks becomes two-state again.
    const auto check1Changed = [this](int state) {
        if (state != Qt::PartiallyChecked)
            Check1->setTristate(false);
        Check1_Click();
    };
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    connect(Check1, &QCheckBox::checkStateChanged, this, check1Changed); // stateChanged is deprecated from 6.7
#else
    connect(Check1, &QCheckBox::stateChanged, this, check1Changed);
#endif

    // HScroll1's two events from one Qt scroll bar:
    // - Scroll: every change of value while the user drags the thumb;
    // - Change: every other change of value (arrows, trough, keyboard, the
    //   program), and once when a drag ends on a value other than the one it
    //   started from.
    arrowsAlongTheBar(HScroll1);
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

    // A group ticks the chosen item itself, before the handler ticks it again.
    connect(mnuNew, &QAction::triggered, this, &Form1::mnuNew_Click);
    connect(mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(mnuport, &QActionGroup::triggered, this, [this](QAction *item) { mnuport_Click(item->data().toInt()); });
    connect(mnuCableType, &QActionGroup::triggered, this,
            [this](QAction *item) { mnuCableType_Click(item->data().toInt()); });
    connect(mnuForeground, &QAction::triggered, this, &Form1::mnuForeground_Click);
    connect(mnuSolid, &QAction::triggered, this, &Form1::mnuSolid_Click);
    connect(mnuGradient, &QAction::triggered, this, &Form1::mnuGradient_Click);
    // The item flips its own tick before it reports the click; the handler
    // is the one that inverts it.
    connect(mnuHorizontal, &QAction::triggered, this, [this](bool checked) {
        mnuHorizontal->setChecked(!checked);
        mnuHorizontal_Click();
    });
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
    // The capture surface: 96 x 64 pixels, one a calculator pixel, in the
    // window's background colour until the first capture.
    Picture2 = display::blankScreen(calclink::kScreenWidth, calclink::kScreenHeight, colourOf(QPalette::Base));
    zoomFactor = display::zoomFactorOf(settingsfile::kStartingScrollValue);
    sizeDisplay();
}

void Form1::sizeDisplay()
{
    const QSize size = display::displaySize(zoomFactor, screen_.twipsPerPixelX, screen_.twipsPerPixelY);
    Picture1->setWidth(float(size.width() * screen_.twipsPerPixelX));
    Picture1->setHeight(float(size.height() * screen_.twipsPerPixelY));
}

bool Form1::enter(State next)
{
    // How the window moves from one state (the row) to another (the column):
    // at once, once it is Ready again, or not at all.
    enum class Move { No, Now, Later };
    constexpr Move No = Move::No, Now = Move::Now, Later = Move::Later;
    static constexpr Move moves[][6] = {
        //              Starting Ready Capturing Reporting Ending Ended
        /* Starting  */ {No,     Now,  No,       No,       Later, No},
        /* Ready     */ {No,     No,   Now,      No,       Now,   No},
        /* Capturing */ {No,     Now,  No,       Now,      Later, No},
        /* Reporting */ {No,     Now,  No,       No,       Later, No},
        /* Ending    */ {No,     No,   No,       No,       No,    Now},
        /* Ended     */ {No,     No,   No,       No,       No,    No},
    };
    static_assert(std::size(moves) == std::variant_size_v<State>);

    switch (moves[state_.index()][next.index()]) {
    case Move::No:
        // Asked to end again while File, Exit tells why it could not save:
        // when the session ends, nobody is left to answer the box.
        if (const Ending *ending = std::get_if<Ending>(&state_);
            ending && ending->box && std::holds_alternative<Ending>(next) && endAsked_ == EndAsked::BySession)
            ending->box->reject();
        return false;
    case Move::Later:
        // Before the stored settings are applied, saving would store a mix of
        // them and the defaults. A capture under way is cancelled and its
        // message box closed, and the handler ends first.
        if (endAsked_ == EndAsked::No)
            endAsked_ = EndAsked::ByUser;
        if (const Capturing *capturing = std::get_if<Capturing>(&state_))
            capturing->capture->cancel();
        if (const Reporting *reporting = std::get_if<Reporting>(&state_); reporting && reporting->box)
            reporting->box->reject();
        return false;
    case Move::Now:
        break;
    }
    // Ready again with an end asked meanwhile: the end comes now.
    if (std::holds_alternative<Ready>(next) && endAsked_ != EndAsked::No)
        next = Ending{};
    state_ = next;
    if (in<Ending>()) {
        const bool saved = saveSettings();
        enter(Ended{});
        QCoreApplication::exit(saved ? 0 : 1);
    }
    return true;
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Ready, the window saves the settings and ends the program; busy, it
    // stays until the handler under way is done, and ends then.
    enter(Ending{});
    event->setAccepted(in<Ending>() || in<Ended>());
}
