#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace language {

// The languages the session asks for, most wanted first, as Qt reads them
// (LANGUAGE, then the first of LC_ALL, LC_MESSAGES and LANG). None where the
// messages' locale is C or POSIX, LANGUAGE or not: a script that sets
// LC_ALL=C gets the English texts, as it does from the system's own programs.
QStringList sessionLanguages();

// Ekrano's translation and Qt's own (the buttons of the message boxes, the
// colour and file dialogs, --help's headings), in the first of `languages`
// that Ekrano is translated into; none where that is English, or Ekrano has
// none of them, and every text stays as written. While one lives, the link
// library's sentences are in its language too (at most one lives at a
// time). Made at the start of main; install() hands both translations to the
// application object, which is made first.
class Translations {
public:
    explicit Translations(const QStringList &languages = sessionLanguages());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    void install() const;
    // "fr", say; empty when the texts stay in English.
    QString language() const { return language_; }

private:
    std::unique_ptr<QTranslator> ekrano_;
    std::unique_ptr<QTranslator> qt_;
    QString language_;
};

} // namespace language
