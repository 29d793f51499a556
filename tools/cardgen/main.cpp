// kinwheel-cardgen: draws the twenty glyph card pictures and the program icon.
//
//   kinwheel-cardgen <assets directory>
//
// writes cards/<name>.png, <name>@2x.png and <name>@3x.png, each drawn for the
// card's picture box at that device-pixel ratio, and icon/kinwheel-<size>.png
// (some sizes also @2x) and kinwheel.ico. The file names and sizes come from
// assets/assets.cmake. Everything is drawn with QPainter from fixed numbers on
// the offscreen platform and encoded without time stamps, so every run writes
// the same bytes.

#include "layout.h"
#include "output.h"

#include "kinwheel_assets.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace kinwheel;
using namespace kinwheel::cardgen;

namespace {

// base.png at 1x, base@2x.png at 2x, ...
QString scaledName(const QString& base, int scale)
{
    return scale == 1 ? base + QStringLiteral(".png") : base + QStringLiteral("@%1x.png").arg(scale);
}

} // namespace

int main(int argc, char** argv)
{
    // Always offscreen: no display needed, and the same fonts and rendering
    // whatever platform the caller's environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kinwheel-cardgen <assets directory>\n");
        return 2;
    }
    const QDir assetsDir(args.at(1));
    const QString cardsDir = assetsDir.filePath(QStringLiteral("cards"));
    const QString iconDir = assetsDir.filePath(QStringLiteral("icon"));
    if (!QDir().mkpath(cardsDir) || !QDir().mkpath(iconDir)) {
        std::fprintf(stderr, "kinwheel-cardgen: cannot create output folders under %s\n", qPrintable(assetsDir.path()));
        return 1;
    }

    for (int i = 0; i < int(assets::kCardNames.size()); ++i) {
        const std::string_view name = assets::kCardNames[size_t(i)];
        const QString base = cardsDir + QLatin1Char('/') + QString::fromLatin1(name.data(), qsizetype(name.size()));
        for (int scale : assets::kCardScales)
            if (!writeFile(scaledName(base, scale), pngBytes(drawCard(i, scale))))
                return 1;
    }

    std::vector<std::pair<int, QByteArray>> icoImages;
    const QString iconBase = iconDir + QStringLiteral("/kinwheel-%1");
    for (int size : assets::kIconSizes) {
        const QByteArray png = pngBytes(drawIcon(size, 1));
        if (!writeFile(scaledName(iconBase.arg(size), 1), png))
            return 1;
        icoImages.emplace_back(size, png);
    }
    for (int size : assets::kIconSizesAt2x)
        if (!writeFile(scaledName(iconBase.arg(size), 2), pngBytes(drawIcon(size, 2))))
            return 1;
    if (!writeFile(iconDir + QStringLiteral("/kinwheel.ico"), icoBytes(icoImages)))
        return 1;
    return 0;
}
