// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/jpeg_image.h"

#include <QFile>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first

#include <jpeglib.h>

namespace zef {

namespace {

// Larger pictures than this are taken for corrupt headers, not allocated.
constexpr JDIMENSION kLargestSide = 8192;

// libjpeg's own error handler ends the process; this one jumps back to the
// decoder instead. Warnings (corrupt or cut-off data) are counted by libjpeg
// itself and printed by nobody.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void printNothing(j_common_ptr) {}

// Decodes into `out`. The error jump lands in this frame, so it holds no
// object with a destructor and changes no local after the setjmp.
bool decodeInto(const unsigned char* data, unsigned long size, QImage* out) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = printNothing;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kLargestSide || info.image_height > kLargestSide) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB888);
    if (out->isNull() || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    const bool sound = errors.base.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return sound;
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes) {
    QImage image;
    if (bytes.isEmpty() || !decodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                       static_cast<unsigned long>(bytes.size()), &image))
        return {};
    return image;
}

QImage readJpegFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll());
}

} // namespace zef
