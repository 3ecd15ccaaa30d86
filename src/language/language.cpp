#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <atomic>

#include "translation.h"

namespace language {

namespace {

// The translator the link library asks, on whichever thread its capture runs.
std::atomic<const QTranslator *> current{nullptr};

std::string linkSentence(const char *context, const char *english)
{
    const QTranslator *translator = current;
    const QString translated = translator ? translator->translate(context, english) : QString();
    return translated.isEmpty() ? std::string(english) : translated.toStdString();
}

// The Cancel button of Qt's colour and file dialogs, which some of Debian's
// translations of Qt (the Swedish) have only under the name Qt 5 used:
// Ekrano's translations name it, and Qt asks them first.
[[maybe_unused]] constexpr const char *kQtsCancel = QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel");

// Whether the locale name `name` (of LC_ALL, LC_MESSAGES or LANG) is the C locale's.
bool isC(const QByteArray &name)
{
    return name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.");
}

} // namespace

QStringList sessionLanguages()
{
    // The variable that sets the messages' locale, as the C library takes it.
    QByteArray messages;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qgetenv(variable);
        if (!messages.isEmpty())
            break;
    }
    if (isC(messages))
        return {};
    return QLocale::system().uiLanguages();
}

Translations::Translations(const QStringList &languages)
{
    for (const QString &name : languages) {
        const QLocale locale(name);
        // The texts are written in English: a session that wants English first gets them as written.
        if (locale.language() == QLocale::English)
            break;
        if (locale.language() == QLocale::C)
            continue; // a name Qt does not know
        auto ekrano = std::make_unique<QTranslator>();
        if (!ekrano->load(locale, "ekrano", "_", ":/i18n"))
            continue;
        ekrano_ = std::move(ekrano);
        language_ = ekrano_->language();
        // Debian's Qt translations, when installed (the package recommends them).
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(locale, "qt", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt_ = std::move(qt);
        break;
    }
    current = ekrano_.get();
    calclink::setTranslator(ekrano_ ? &linkSentence : nullptr);
}

Translations::~Translations()
{
    calclink::setTranslator(nullptr);
    current = nullptr;
    for (QTranslator *translator : {ekrano_.get(), qt_.get()})
        if (translator && QCoreApplication::instance())
            QCoreApplication::removeTranslator(translator);
}

void Translations::install() const
{
    // Qt asks the translator installed last first: Ekrano's own words win over Qt's.
    for (QTranslator *translator : {qt_.get(), ekrano_.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
}

} // namespace language
