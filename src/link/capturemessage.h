#pragma once

#include <QString>

#include <cstdint>

// The message box that reports a failed capture.
struct CaptureMessage {
    QString title;
    QString text;
};

// A failure with no description of its own reads as the generic "Automation
// error"; that one, in any mix of case, sends the user to the calculator, the
// cable and the link settings. Every other failure shows its number in
// hexadecimal and its sentence, under the program's own name.
CaptureMessage captureMessage(uint32_t number, QString description);
