// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG pictures decoded with libjpeg into images for the windows.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zef {

// The picture the bytes hold, or a null image when they are not a whole,
// sound JPEG (corrupt or cut-off data, an unsupported colour space, or
// dimensions beyond any picture the program shows).
QImage decodeJpeg(const QByteArray& bytes);

// The picture of the file, or a null image when it is missing, unreadable
// or not a sound JPEG.
QImage readJpegFile(const QString& path);

} // namespace zef
