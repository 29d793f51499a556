// Whatever the store holds under the reminder's key, the reminder asks at most
// once and leaves a date it can read next time: the value it found, when that
// was a date within two weeks, or else today.

#include "report/cp1252.h"
#include "platform/settings.h"

#include "fakes.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kinwheel;
    testing::FakeServices fakes;
    fakes.clock.date = QDate(2026, 12, 7);
    fakes.messages.answerYes = size % 2 == 1;
    // The bytes as they lie in the store, scrambled; "Gxudwlrq" is "Duration" scrambled.
    const QString stored = fromCp1252(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    fakes.settings.values.insert(QStringLiteral("Settings/Gxudwlrq"), stored);

    RunUpdateReminder(fakes.services);

    FUZZ_CHECK(fakes.messages.shown.size() <= 1);
    FUZZ_CHECK(fakes.pages.opened.size() <= (fakes.messages.answerYes ? 1 : 0));
    const QString after = ReadSetting(fakes.settings, QStringLiteral("Duration"));
    FUZZ_CHECK(fakes.settings.values.size() == 1);
    const bool unchanged = fakes.settings.values.value(QStringLiteral("Settings/Gxudwlrq")) == stored;
    if (!fakes.messages.shown.isEmpty() || !unchanged)
        FUZZ_CHECK(after == QStringLiteral("2026-12-07"));
    if (fakes.messages.shown.isEmpty() && unchanged)
        FUZZ_CHECK(!after.isEmpty());
    return 0;
}
