#include "translation.h"

#include <atomic>

namespace calclink {

namespace {

std::atomic<Translator> installed{nullptr};

} // namespace

void setTranslator(Translator translator) { installed = translator; }

std::string translate(const char *context, const char *english)
{
    const Translator translator = installed;
    return translator ? translator(context, english) : std::string(english);
}

std::string fill(std::string_view text, std::initializer_list<std::string_view> parts)
{
    std::string filled;
    filled.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t number = i + 1 < text.size() && text[i] == '%' ? size_t(text[i + 1] - '1') : parts.size();
        if (number < parts.size()) {
            filled += parts.begin()[number];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace calclink
