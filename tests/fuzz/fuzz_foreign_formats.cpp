// libFuzzer target: any bytes given as another program's export must be
// read or refused, never crash, hang or grow memory beyond the output; what
// is read must hold the promises of the result, and must not depend on how
// the bytes arrive (one block, or a few bytes at a time).

#include "interchange/foreign/ForeignFormat.h"

#include <QBuffer>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace ForeignFormat;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

ReadResult readAll(const QByteArray &bytes, qint64 blockSize, Format *detected)
{
    static const QTimeZone rome("Europe/Rome");
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    if (detected) {
        *detected = detect(buffer);
        require(buffer.pos() == 0);
    }
    ReadOptions options;
    options.zone = rome;
    options.importTime = 800000000.0;
    options.blockSize = blockSize;
    return read(buffer, options);
}

bool sameCards(const CardList &a, const CardList &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const CardRef &x, const CardRef &y) { return *x == *y; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Format detected = Format::Unknown;
    const ReadResult r = readAll(bytes, 256 << 10, &detected);
    require(r.format == detected);
    if (!r.ok()) {
        require(!r.error.isEmpty() && r.cards.empty() && r.readings.empty() && r.skipped.empty()
                && r.notUnderstood == 0 && r.problems.empty());
    } else {
        require(detected != Format::Unknown);
        require(r.problems.size() <= kMaxProblems && size_t(r.problems.size()) <= r.notUnderstood);
        require(r.skipped.size() <= 33);
        // 1970 to 2200, in seconds since 2001.
        const double first = -978307200.0, last = 7258118400.0 - 978307200.0;
        double previous = first;
        for (const CardRef &c : r.cards) {
            const double t = *c->dateMeasurement();
            require(std::isfinite(t) && t >= previous && t < last && c->idCard() == 0 && !c->dateEditing());
            require(c->isTherapy() ? c->unitValue() > 0.0f && c->unitValue() <= 100.0f && c->glycemiaValue() == 0.0f
                                   : c->glycemiaValue() > 0.0f && c->glycemiaValue() <= 600.0f);
            previous = t;
        }
        for (size_t i = 0; i < r.readings.size(); ++i) {
            const SensorReading &s = r.readings[i];
            require(s.mgdl >= 1 && s.mgdl <= 1000 && (i == 0 || r.readings[i - 1].time < s.time));
            require(s.flag != SensorFlag::Low || s.mgdl <= 39);
        }
    }

    // A few bytes at a time: the same result.
    const ReadResult small = readAll(bytes, 1 + qint64(size % 7), nullptr);
    require(small.failure == r.failure && small.error == r.error && sameCards(small.cards, r.cards)
            && small.readings == r.readings && small.skipped == r.skipped && small.notUnderstood == r.notUnderstood
            && small.knownReadings == r.knownReadings && small.problems == r.problems);
    return 0;
}
