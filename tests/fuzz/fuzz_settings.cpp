// Whatever the settings file holds, writing a value and reading it back gives
// that value, and no entry the store could read is lost by the write: not
// those of the file, nor a valid entry after whatever the file holds.
//
// Input: a byte for the key's length (0 to 8), one for the value's (0 to 16
// UTF-16 units), one choosing the section; then the key's bytes as Latin-1,
// the value's units (little-endian, lone surrogates and all) and the file.

#include "platform/qtservices.h"
#include "platform/settingsfile.h"

#include "fakes.h"
#include "fuzz_check.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kinwheel;
    if (size < 3)
        return 0;
    const std::size_t keyBytes = data[0] % 9, valueUnits = data[1] % 17;
    if (size < 3 + keyBytes + 2 * valueUnits)
        return 0;
    static const QString sections[] = {QStringLiteral("Settings"), QString(), QStringLiteral("General"),
                                       QStringLiteral("a/b \u00e9")};
    const QString section = sections[data[2] % 4];
    const char* next = reinterpret_cast<const char*>(data + 3);
    const QString key = QLatin1Char('k') + QString::fromLatin1(next, qsizetype(keyBytes));
    next += keyBytes;
    QString value;
    for (std::size_t i = 0; i < valueUnits; ++i, next += 2)
        value += QChar(char16_t(std::uint8_t(next[0]) | std::uint8_t(next[1]) << 8));
    const QByteArray file = QByteArray(next, qsizetype(size - (next - reinterpret_cast<const char*>(data))))
                            + "\n[Settings]\nKnown=kept\n";

    // In memory where the system has such a folder: every run writes the file.
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/kinwheel-XXXXXX")
                                                                             : QDir::temp().filePath(QStringLiteral("kinwheel-XXXXXX")));
    FUZZ_CHECK(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QFile::remove(path);
    FUZZ_CHECK(testing::place(path, file));

    SettingsEntries entries = parseSettingsFile(file);
    FUZZ_CHECK(entries.value({QStringLiteral("Settings"), QStringLiteral("Known")}) == QStringLiteral("kept"));
    QtSettingsStore store(path);
    FUZZ_CHECK(store.readProblem().isEmpty());
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        FUZZ_CHECK(store.value(it.key().first, it.key().second) == it.value());

    FUZZ_CHECK(store.setValue(section, key, value));
    entries.insert({section, key}, value);
    FUZZ_CHECK(parseSettingsFile(testing::contents(path)) == entries);
    QtSettingsStore again(path);
    FUZZ_CHECK(again.value(section, key) == value);
    FUZZ_CHECK(again.value(QStringLiteral("Settings"), QStringLiteral("Known")) == entries.value({"Settings", "Known"}));
    return 0;
}
