#include "fieldtext.h"

namespace FieldText {

namespace {

bool isLineBreak(char16_t u)
{
    return u == u'\n' || u == u'\r' || u == 0x2028 || u == 0x2029;
}

// Control characters and the bidirectional embedding (U+202A-U+202E) and isolate
// (U+2066-U+2069) controls. The marks U+200E/U+200F only steer neutral characters
// and stay.
bool isUnwanted(char16_t u)
{
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

QString cleaned(const QString &text, bool keepBreaks)
{
    QString out;
    out.reserve(text.size());
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const char16_t u = text.at(i).unicode();
        if (isLineBreak(u)) {
            // CR LF is one break.
            if (u == u'\r' && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += keepBreaks ? QLatin1Char('\n') : QLatin1Char(' ');
        } else if (u == u'\t') {
            out += keepBreaks ? QLatin1Char('\t') : QLatin1Char(' ');
        } else if (!isUnwanted(u)) {
            out += text.at(i);
        }
    }
    return out;
}

} // namespace

QString singleLine(const QString &text)
{
    return cleaned(text, false);
}

QString multiLine(const QString &text)
{
    return cleaned(text, true);
}

} // namespace FieldText
