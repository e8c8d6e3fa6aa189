// JPEG reading and writing through the IJG library (6b interface).
//
// The library reports fatal errors by calling error_exit, which must not
// return; we leave through longjmp back into the calling function. Nothing
// with a destructor is created between setjmp and the library calls, and
// what the library fills in lives on the heap, so the jump skips no
// cleanup and reads no stale locals.

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "platform/QtCanvas.h"

namespace plat {

namespace {

constexpr long long kMaxJpegPixels = 64LL * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void JpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings of damaged but readable files are not the user's concern.
extern "C" void JpegOutputMessage(j_common_ptr) {}

void InitErrors(ErrorManager& err) {
    jpeg_std_error(&err.pub);
    err.pub.error_exit = JpegErrorExit;
    err.pub.output_message = JpegOutputMessage;
    err.message[0] = '\0';
}

struct DecodeState {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    std::vector<JSAMPLE> row;
    QImage image;
    bool tooLarge = false;
};

struct EncodeState {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    QImage source;
};

// Runs the library part of decoding; false after a library error.
bool RunDecode(DecodeState& s, const unsigned char* data, unsigned long size, bool gray) {
    if (setjmp(s.err.jump) != 0) return false;
    jpeg_create_decompress(&s.cinfo);
    jpeg_mem_src(&s.cinfo, const_cast<unsigned char*>(data), size);
    jpeg_read_header(&s.cinfo, TRUE);
    const bool cmyk = s.cinfo.jpeg_color_space == JCS_CMYK || s.cinfo.jpeg_color_space == JCS_YCCK;
    if (gray) {
        s.cinfo.out_color_space = JCS_GRAYSCALE;
    } else if (cmyk) {
        s.cinfo.out_color_space = JCS_CMYK;
    } else {
        s.cinfo.out_color_space = JCS_RGB;
    }
    if (static_cast<long long>(s.cinfo.image_width) * s.cinfo.image_height > kMaxJpegPixels) {
        s.tooLarge = true;
        return false;
    }
    jpeg_start_decompress(&s.cinfo);
    const int w = int(s.cinfo.output_width);
    const int h = int(s.cinfo.output_height);
    const int channels = s.cinfo.output_components;
    s.image = QImage(w, h, QImage::Format_RGB32);
    if (s.image.isNull()) {
        s.tooLarge = true;
        return false;
    }
    s.row.resize(size_t(w) * channels);
    while (s.cinfo.output_scanline < s.cinfo.output_height) {
        const int y = int(s.cinfo.output_scanline);
        JSAMPROW rows[1] = {s.row.data()};
        jpeg_read_scanlines(&s.cinfo, rows, 1);
        QRgb* out = reinterpret_cast<QRgb*>(s.image.scanLine(y));
        const JSAMPLE* in = s.row.data();
        for (int x = 0; x < w; ++x) {
            if (channels == 1) {
                out[x] = qRgb(in[x], in[x], in[x]);
            } else if (channels == 4) {
                // CMYK files of the usual kind store their values inverted.
                const int k = in[4 * x + 3];
                out[x] = qRgb(in[4 * x] * k / 255, in[4 * x + 1] * k / 255, in[4 * x + 2] * k / 255);
            } else {
                out[x] = qRgb(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
            }
        }
    }
    jpeg_finish_decompress(&s.cinfo);
    return true;
}

bool RunEncode(EncodeState& s, int quality, bool gray) {
    if (setjmp(s.err.jump) != 0) return false;
    jpeg_create_compress(&s.cinfo);
    jpeg_mem_dest(&s.cinfo, &s.buffer, &s.size);
    s.cinfo.image_width = JDIMENSION(s.source.width());
    s.cinfo.image_height = JDIMENSION(s.source.height());
    s.cinfo.input_components = gray ? 1 : 3;
    s.cinfo.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&s.cinfo);
    jpeg_set_quality(&s.cinfo, quality, TRUE);
    jpeg_start_compress(&s.cinfo, TRUE);
    while (s.cinfo.next_scanline < s.cinfo.image_height) {
        JSAMPROW rows[1] = {const_cast<JSAMPLE*>(s.source.constScanLine(int(s.cinfo.next_scanline)))};
        jpeg_write_scanlines(&s.cinfo, rows, 1);
    }
    jpeg_finish_compress(&s.cinfo);
    return true;
}

}  // namespace

bool DecodeJpeg(std::string_view bytes, bool gray, QImage& image, std::string& error) {
    auto s = std::make_unique<DecodeState>();
    std::memset(&s->cinfo, 0, sizeof(s->cinfo));
    InitErrors(s->err);
    s->cinfo.err = &s->err.pub;
    const bool ok = RunDecode(*s, reinterpret_cast<const unsigned char*>(bytes.data()),
                              static_cast<unsigned long>(bytes.size()), gray);
    jpeg_destroy_decompress(&s->cinfo);
    if (!ok) {
        error = s->tooLarge ? "The JPEG picture is too large." : std::string("The JPEG data cannot be read: ") + s->err.message;
        return false;
    }
    image = s->image;
    return true;
}

bool EncodeJpeg(const QImage& image, int quality, bool gray, std::string& bytes, std::string& error) {
    if (image.isNull()) {
        error = "There is no picture to encode.";
        return false;
    }
    auto s = std::make_unique<EncodeState>();
    std::memset(&s->cinfo, 0, sizeof(s->cinfo));
    InitErrors(s->err);
    s->cinfo.err = &s->err.pub;
    // JPEG has no transparency: transparent parts come out white.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    s->source = flat.convertToFormat(gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    const bool ok = RunEncode(*s, std::clamp(quality, 1, 100), gray);
    jpeg_destroy_compress(&s->cinfo);
    if (ok) bytes.assign(reinterpret_cast<const char*>(s->buffer), s->size);
    std::free(s->buffer);
    if (!ok) error = std::string("The picture cannot be written as JPEG: ") + s->err.message;
    return ok;
}

}  // namespace plat
