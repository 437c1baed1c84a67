// libFuzzer target: any bytes given as a CSV file must give cards or a
// reason, never a crash, a hang or unbounded memory; and whatever cards they
// give must survive being written and read again.

#include "interchange/Interchange.h"

#include <QTimeZone>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTimeZone rome("Europe/Rome");
    static const CardList diary = [] {
        auto card = std::make_shared<ZRGlycemicCard>();
        card->setDateCreation(400000000.0);
        card->setDateMeasurement(400000000.0);
        card->setIdCard(5);
        return CardList{card};
    }();
    const double now = 800000000.0; // 2026
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool replace = size % 2 == 0;
    const Interchange::ImportResult first = Interchange::importCsv(bytes, diary, replace, rome, now);
    require(diary.size() == 1 && diary.front()->idCard() == 5);
    if (!first.imported()) {
        require(first.newDiary == diary && !first.message.isEmpty());
        return 0;
    }
    require(first.added > 0 && first.newDiary.size() == first.added + (replace ? 0 : 1));

    // The default layout holds every card read: written and read again it
    // gives every card back, and once renumbered a further trip changes
    // nothing at all.
    const size_t n = first.newDiary.size();
    const QByteArray written = Interchange::exportBytes(first.newDiary, ZRExport::Kind::OrvaneCSV, rome);
    const Interchange::ImportResult again = Interchange::importCsv(written, {}, true, rome, now);
    require(again.imported() && again.notImported == 0 && again.newDiary.size() == n);
    const QByteArray rewritten = Interchange::exportBytes(again.newDiary, ZRExport::Kind::OrvaneCSV, rome);
    const Interchange::ImportResult third = Interchange::importCsv(rewritten, {}, true, rome, now);
    require(third.imported() && Interchange::exportBytes(third.newDiary, ZRExport::Kind::OrvaneCSV, rome) == rewritten);

    // The old layout loses detail, and the wall clock of the years 1 and
    // 9999 may lie outside what it can write, but no card goes untold.
    const QByteArray old = Interchange::exportBytes(first.newDiary, ZRExport::Kind::OrvaneREALStudioCSV, rome);
    const Interchange::ImportResult back = Interchange::importCsv(old, {}, true, rome, now);
    require(back.added + back.notImported == n);
    return 0;
}
