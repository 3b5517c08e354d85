#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken promise of a reader is a finding just like a crash: libFuzzer keeps
// the input that caused the abort.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace FuzzInput {

// Files reach the readers as bytes decoded from UTF-8; typed or stored text can
// hold any UTF-16, lone surrogates included. The first byte picks which.
inline QString text(const uint8_t *data, size_t size)
{
    if (size == 0)
        return QString();
    const char *bytes = reinterpret_cast<const char *>(data) + 1;
    const int length = int(size - 1);
    if (data[0] & 1)
        return QString::fromUtf8(bytes, length);
    return QString(reinterpret_cast<const QChar *>(QByteArray(bytes, length).constData()),
                   length / 2);
}

} // namespace FuzzInput
