// kinwheel-cardgen: draws the twenty glyph card pictures and the program icon.
//
//   kinwheel-cardgen <assets directory>
//
// writes every card, full and small, each drawn for its picture box at each
// device-pixel ratio, and every icon size with kinwheel.ico, under the file
// names that assets/assets.cmake lists. Everything is drawn with QPainter from
// fixed numbers on the offscreen platform and encoded without time stamps, so
// every run writes the same bytes.

#include "glyphs.h"
#include "layout.h"
#include "output.h"

#include "kinwheel_assets.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

using namespace kinwheel;
using namespace kinwheel::cardgen;

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Makes the folders that the listed files go to.
bool makeFolders(const QDir& assetsDir)
{
    QStringList files;
    for (const auto* size : {&assets::kCardFiles, &assets::kSmallCardFiles})
        for (const auto& language : *size)
            for (const auto& card : language)
                for (std::string_view file : card)
                    files << fromView(file);
    for (const auto& glyph : assets::kBoardGlyphFiles)
        for (std::string_view file : glyph)
            files << fromView(file);
    for (std::string_view file : assets::kIconFiles)
        files << fromView(file);
    for (const QString& file : files)
        if (!QDir().mkpath(QFileInfo(assetsDir.filePath(file)).path()))
            return false;
    return true;
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
    if (!makeFolders(assetsDir)) {
        std::fprintf(stderr, "kinwheel-cardgen: cannot create output folders under %s\n", qPrintable(assetsDir.path()));
        return 1;
    }
    auto write = [&](std::string_view file, const QByteArray& bytes) {
        return writeFile(assetsDir.filePath(fromView(file)), bytes);
    };

    if (const QString problem = cardLayoutProblem(); !problem.isEmpty()) {
        std::fprintf(stderr, "kinwheel-cardgen: %s\n", qPrintable(problem));
        return 1;
    }
    for (const auto& [cards, size] : {std::pair{&assets::kCardFiles, CardSize::Full},
                                       std::pair{&assets::kSmallCardFiles, CardSize::Small}}) {
        for (std::size_t language = 0; language < assets::kCardLanguages.size(); ++language) {
            const auto& files = (*cards)[language];
            for (std::size_t card = 0; card < files.size(); ++card) {
                for (std::size_t scale = 0; scale < assets::kCardScales.size(); ++scale) {
                    const QImage picture =
                        drawCard(int(card), assets::kCardScales[scale], assets::kCardLanguages[language], size);
                    if (!write(files[card][scale], pngBytes(picture)))
                        return 1;
                }
            }
        }
    }

    for (std::size_t glyph = 0; glyph < assets::kBoardGlyphFiles.size(); ++glyph) {
        for (std::size_t scale = 0; scale < assets::kBoardGlyphScales.size(); ++scale) {
            const QImage picture
                = drawBoardGlyph(int(glyph), assets::kBoardGlyphSize, assets::kBoardGlyphScales[scale]);
            if (!write(assets::kBoardGlyphFiles[glyph][scale], pngBytes(picture)))
                return 1;
        }
    }

    std::vector<std::pair<int, QByteArray>> icoImages;
    for (std::size_t i = 0; i < assets::kIconSizes.size(); ++i) {
        const QByteArray png = pngBytes(drawIcon(assets::kIconSizes[i], 1));
        if (!write(assets::kIconFiles[i], png))
            return 1;
        icoImages.emplace_back(assets::kIconSizes[i], png);
    }
    for (std::size_t i = 0; i < assets::kIconSizesAt2x.size(); ++i)
        if (!write(assets::kIconFilesAt2x[i], pngBytes(drawIcon(assets::kIconSizesAt2x[i], 2))))
            return 1;
    if (!write(assets::kIconIcoFile, icoBytes(icoImages)))
        return 1;
    return 0;
}
