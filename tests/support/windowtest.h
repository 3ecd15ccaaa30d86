#pragma once

// What the window tests share: a window on a chosen screen with its own
// settings folder, and a hand for the modal dialogs a person would answer.

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "controls.h"
#include "form1.h"
#include "surface.h"

// The box of a capture that failed on the calculator's side.
inline const QString kCheckCalculator = "Error...\r\nCheck calculator, connection, & 'Link Settings'";

// Answers the modal dialogs that open while it lives, one queued answer per
// dialog, in order; a dialog with no answer left is closed and counted as
// unexpected.
class ModalHand {
public:
    using Answer = std::function<void(QWidget *dialog)>;

    ModalHand()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    ~ModalHand() { EXPECT_TRUE(answers_.empty()) << answers_.size() << " dialog(s) never opened"; }

    void then(Answer answer) { answers_.push_back(std::move(answer)); }

    // The colour dialog: confirm this colour, or cancel.
    void confirmColour(QColor colour)
    {
        then([colour](QWidget *dialog) {
            auto *colours = qobject_cast<QColorDialog *>(dialog);
            ASSERT_NE(colours, nullptr) << "expected the colour dialog";
            colours->setCurrentColor(colour);
            colours->accept();
        });
    }
    void cancelColour()
    {
        then([](QWidget *dialog) {
            ASSERT_NE(qobject_cast<QColorDialog *>(dialog), nullptr) << "expected the colour dialog";
            qobject_cast<QDialog *>(dialog)->reject();
        });
    }

    // A message box: note its title and text and press OK, as a user would.
    struct Box {
        QString title, text;
        bool hasIcon = false;
        int buttons = 0;
    };
    void pressOk(Box *seen)
    {
        then([seen](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            ASSERT_NE(box, nullptr) << "expected a message box";
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->hasIcon = box->icon() != QMessageBox::NoIcon;
            seen->buttons = int(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
    }

    int unexpected() const { return unexpected_; }

private:
    void answer()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        if (answers_.empty()) {
            ++unexpected_;
            if (auto *d = qobject_cast<QDialog *>(dialog))
                d->reject();
            return;
        }
        Answer next = std::move(answers_.front());
        answers_.pop_front();
        next(dialog);
    }

    QTimer timer_;
    std::deque<Answer> answers_;
    int unexpected_ = 0;
};

// Runs `action` inside the application's event loop until the program has
// ended (the loop was told to exit) and returns its exit status, or nothing
// when it had not ended after `limitMs`.
inline std::optional<int> exitStatusOf(const std::function<void()> &action, int limitMs = 10000)
{
    bool timedOut = false;
    QTimer::singleShot(0, action);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    limit.start(limitMs);
    const int status = QCoreApplication::exec();
    if (timedOut)
        return std::nullopt;
    return status;
}

inline bool runUntilProgramEnds(const std::function<void()> &action, int limitMs = 10000)
{
    return exitStatusOf(action, limitMs).has_value();
}

// Lets the event loop run until `done` holds, or until `limitMs` has passed;
// returns whether it holds. The limit is only there so that a fault fails
// the test instead of hanging it: wide, since a loaded machine may be slow.
inline bool waitUntil(const std::function<bool()> &done, int limitMs = 10000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

// A window on a screen of 15 twips per pixel (unless said otherwise) whose
// settings live in a fresh folder of its own.
class WindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }

    Form1 &window(int twipsPerPixel = 15)
    {
        form_ = std::make_unique<Form1>(ScreenMetrics{twipsPerPixel, twipsPerPixel});
        return *form_;
    }

    // The window after start-up: shown, the stored settings applied.
    Form1 &startedWindow(int twipsPerPixel = 15)
    {
        Form1 &form = window(twipsPerPixel);
        form.show();
        form.Form_Activate();
        return form;
    }

    // Writes texts into the store as a user's earlier run (or their editor)
    // left them. QSettings keeps what it read of a file by its name, size
    // and time, and the program replaces the file behind its back, so it
    // only ever sees a copy of its own under a new name.
    void store(std::initializer_list<std::pair<const char *, const char *>> values)
    {
        QTemporaryDir scratch;
        const QString copy = scratch.filePath("Ekrano.conf");
        QFile::copy(settingsFile(), copy);
        {
            QSettings settings(copy, QSettings::IniFormat);
            settings.beginGroup("settings");
            for (const auto &[key, text] : values)
                settings.setValue(key, QString(text));
        }
        QDir().mkpath(configPath() + "/Ekrano");
        QFile::remove(settingsFile());
        ASSERT_TRUE(QFile::copy(copy, settingsFile()));
    }
    QString stored(const char *key)
    {
        QTemporaryDir scratch;
        const QString copy = scratch.filePath("Ekrano.conf");
        QFile::copy(settingsFile(), copy);
        return QSettings(copy, QSettings::IniFormat).value(QString("settings/") + key).toString();
    }
    QString settingsFile() const { return config_.path() + "/Ekrano/Ekrano.conf"; }
    QString configPath() const { return config_.path(); }

    static QImage clipboardImage() { return QGuiApplication::clipboard()->image(); }

    QTemporaryDir config_;
    std::unique_ptr<Form1> form_;
};
