#include "output.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>
#include <QImageWriter>

#include <algorithm>
#include <cstdio>

namespace kinwheel::cardgen {
namespace {

// Straight alpha from premultiplied, in whole numbers: Qt's own conversion
// picks a processor-specific routine whose rounding differs between machines.
QImage unpremultiplied(const QImage& premultiplied)
{
    QImage out(premultiplied.size(), QImage::Format_ARGB32);
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            const int a = qAlpha(in[x]);
            auto channel = [a](int c) { return a == 0 ? 0 : std::min(255, (c * 255 + a / 2) / a); };
            to[x] = qRgba(channel(qRed(in[x])), channel(qGreen(in[x])), channel(qBlue(in[x])), a);
        }
    }
    return out;
}

void put16(QByteArray& bytes, quint16 value)
{
    bytes.append(char(value & 0xff));
    bytes.append(char(value >> 8));
}

void put32(QByteArray& bytes, quint32 value)
{
    put16(bytes, quint16(value & 0xffff));
    put16(bytes, quint16(value >> 16));
}

} // namespace

QByteArray pngBytes(const QImage& image)
{
    QImage plain = image.format() == QImage::Format_ARGB32_Premultiplied ? unpremultiplied(image) : image;
    plain.setDevicePixelRatio(1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(0); // smallest file
    if (!writer.write(plain))
        return {};
    return bytes;
}

QByteArray icoBytes(const std::vector<std::pair<int, QByteArray>>& images)
{
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (const auto& [size, png] : images) {
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(out, 1); // planes
        put16(out, 32); // bits per pixel
        put32(out, quint32(png.size()));
        put32(out, offset);
        offset += quint32(png.size());
    }
    for (const auto& entry : images)
        out.append(entry.second);
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    // Only a regular file is replaced: writing through a link would change a
    // file elsewhere, and opening a pipe or device could block or lose the
    // picture.
    const QFileInfo existing(path);
    if (existing.isSymLink() || (existing.exists() && !existing.isFile())) {
        std::fprintf(stderr, "kinwheel-cardgen: %s is not a regular file\n", qPrintable(path));
        return false;
    }
    // Written whole to a temporary file and renamed over the old one, so a
    // failed write (a full disk) leaves the old picture as it was.
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "kinwheel-cardgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace kinwheel::cardgen
