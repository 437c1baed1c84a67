// libFuzzer target: any bytes given as a diary file must give cards or an
// error, never a crash, a hang or unbounded memory.

#include "model/BinaryPlist.h"
#include "model/KeyedArchive.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QString error;
    if (const auto cards = KeyedArchive::decodeDiary(bytes, &error))
        (void)KeyedArchive::encodeDiary(*cards);
    if (const auto doc = bplist::Document::parse(bytes, &error)) {
        bplist::TreeLimits limits;
        limits.maxNodes = 1'000'000;
        if (const auto tree = bplist::readTree(*doc, &error, limits))
            (void)bplist::dumpTree(*tree);
    }
    return 0;
}
