#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace calclink {

// The link library's sentences in the user's language. Each is written in
// English where it is made, with %1, %2 ... for the parts that are not words
// (a device, a path, a number, the system's reason), and looked up in the
// program's translations by that English text.

// What looks a sentence up: its translation, or `english` itself where there
// is none. Safe from any thread.
using Translator = std::string (*)(const char *context, const char *english);

// The programs install theirs once, before their first capture; with none
// (nullptr), every sentence stays as written.
void setTranslator(Translator translator);

// `english` in the user's language. The context ("calclink") and the text
// are written out at each call, so that the translation tools find them there.
std::string translate(const char *context, const char *english);

// `text` with each of %1 to %9 replaced by the part of that number, in one
// pass: a part that holds a % of its own (a path, say) stays as it is.
std::string fill(std::string_view text, std::initializer_list<std::string_view> parts);

} // namespace calclink

// Marks a text for the translation tools where it is written, to be
// translated where it is used: Qt's QT_TRANSLATE_NOOP, for a library
// without Qt (`make translations` tells the tools the name).
#define CALCLINK_TRANSLATE_NOOP(context, text) text
