// Cap-order texts come from the store, where importers put whatever a file held.
#include "caporder.h"
#include "fuzzcheck.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = FuzzInput::text(data, size);
    const QVector<int> caps = CapOrder::read(text);

    // One value per piece between commas, never more than a full set.
    const QStringList pieces = text.split(QLatin1Char(','));
    FUZZ_CHECK(caps.size() == qMin(int(pieces.size()), int(CapOrder::Positions)));

    // Each piece converts like QString::toInt(): white space around it ignored,
    // anything that is not a whole number reads as 0.
    for (int i = 0; i < caps.size(); ++i) {
        bool ok = false;
        const int expected = pieces.at(i).toInt(&ok, 10);
        FUZZ_CHECK(caps.at(i) == (ok ? expected : 0));
    }

    // The same text as the bytes the store reads it from gives the same values.
    const QByteArray latin1 = text.toLatin1();
    if (QString::fromLatin1(latin1) == text)
        FUZZ_CHECK(CapOrder::read(QLatin1String(latin1.constData(), latin1.size())) == caps);

    // What is written reads back the same.
    const QVector<int> again = CapOrder::read(CapOrder::write(caps));
    FUZZ_CHECK(again.mid(0, caps.size()) == caps);
    FUZZ_CHECK(CapOrder::isComplete(caps) == (caps.size() == CapOrder::Positions));

    // The trays' arrangement holds every cap once, and a full set stays as it is.
    const QVector<int> trays = CapOrder::fullSet(caps);
    FUZZ_CHECK(CapOrder::isFullSet(trays));
    FUZZ_CHECK(!CapOrder::isFullSet(caps) || trays == caps);
    return 0;
}
