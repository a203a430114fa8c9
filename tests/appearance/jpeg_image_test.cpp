// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/jpeg_image.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zef {
namespace {

QByteArray deliveredPicture() {
    QFile file(QStringLiteral(ZEFIRANT_SOURCE_DIR "/data/zefirant.jpg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(JpegImage, DecodesTheDeliveredPicture) {
    const QImage image = decodeJpeg(deliveredPicture());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(120, 260));
    // A dark blue sky at the top, a dusk orange towards the bottom.
    const QColor sky = image.pixelColor(2, 2);
    EXPECT_LT(sky.red(), 40);
    EXPECT_GT(sky.blue(), sky.red());
    const QColor dusk = image.pixelColor(2, 200);
    EXPECT_GT(dusk.red(), 180);
    EXPECT_GT(dusk.red(), dusk.blue());
}

TEST(JpegImage, RefusesCorruptCutOffAndOversizedData) {
    const QByteArray whole = deliveredPicture();
    EXPECT_TRUE(decodeJpeg(QByteArray()).isNull());
    EXPECT_TRUE(decodeJpeg(QByteArray("not a picture at all")).isNull());
    EXPECT_TRUE(decodeJpeg(whole.left(whole.size() / 2)).isNull());
    EXPECT_TRUE(decodeJpeg(whole.left(40)).isNull());

    QByteArray scrambled = whole;
    for (qsizetype i = scrambled.size() / 3; i < scrambled.size() - 2; i += 7)
        scrambled[i] = static_cast<char>(0xFF);
    EXPECT_TRUE(decodeJpeg(scrambled).isNull());

    // A header claiming 65000 x 65000 pixels is refused before anything is allocated.
    QByteArray huge = whole;
    const qsizetype frame = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    huge[frame + 5] = huge[frame + 7] = static_cast<char>(0xFD);
    huge[frame + 6] = huge[frame + 8] = static_cast<char>(0xE8);
    EXPECT_TRUE(decodeJpeg(huge).isNull());
}

TEST(JpegImage, MissingFileGivesNoPicture) {
    EXPECT_TRUE(readJpegFile(QStringLiteral("/nonexistent/zefirant.jpg")).isNull());
    EXPECT_FALSE(readJpegFile(QStringLiteral(ZEFIRANT_SOURCE_DIR "/data/zefirant.jpg")).isNull());
}

} // namespace
} // namespace zef
