#pragma once
// Encoding and writing the generated pictures, the same bytes on every run.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace kinwheel::cardgen {

// The picture as PNG without time stamps or other varying chunks; a
// premultiplied picture is stored with straight alpha. Empty on failure.
QByteArray pngBytes(const QImage& image);
// A Windows icon file holding one PNG-compressed image per size.
QByteArray icoBytes(const std::vector<std::pair<int, QByteArray>>& images);
// Replaces the regular file at path (or makes it) with bytes, whole or not at
// all, reporting a failure on standard error.
bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace kinwheel::cardgen
