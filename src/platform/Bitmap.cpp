#include "platform/Bitmap.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <istream>
#include <iterator>
#include <ostream>

#include "base/Resources.h"
#include "platform/GuiApp.h"
#include "platform/QtCanvas.h"

namespace plat {

namespace {

// Pictures larger than this are refused before decoding: a damaged or
// hostile file must not make the program reserve gigabytes.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

QByteArray ToBytes(std::string_view bytes) { return QByteArray(bytes.data(), qsizetype(bytes.size())); }

// Opaque pixels as RGB32, others as premultiplied ARGB32: the two formats
// QPainter draws fastest.
QImage Normalised(const QImage& image) {
    if (image.isNull()) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

QImage::Format QtFormat(TPixelFormat format) {
    switch (format) {
        case pf24bit: return QImage::Format_BGR888;
        case pf32bit: return QImage::Format_ARGB32_Premultiplied;
        default: return QImage::Format_RGB32;
    }
}

bool EncodeWithQt(const QImage& image, const char* format, std::string& bytes, std::string& error) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        error = "The picture could not be encoded as " + std::string(format) + ": " + writer.errorString().toStdString();
        return false;
    }
    bytes.assign(data.constData(), size_t(data.size()));
    return true;
}

// The formats Qt reads itself, by their signatures. Known, they are read
// without asking every image plug-in whether it knows the data, which loads
// them all; the windows' pictures are all of these.
const char* BuiltInFormat(std::string_view bytes) {
    if (bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return "PNG";
    if (bytes.substr(0, 2) == "BM") return "BMP";
    return nullptr;
}

// Decodes with Qt's readers; format nullptr lets Qt recognise the data.
bool DecodeWithQt(std::string_view bytes, const char* format, QImage& image, std::string& error) {
    const char* known = BuiltInFormat(bytes);
    if (known != nullptr && format != nullptr && qstricmp(known, format) != 0) known = nullptr;
    QByteArray data = ToBytes(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, known != nullptr ? known : format);
    if (known != nullptr) reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        error = "The picture is too large (" + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                " pixels).";
        return false;
    }
    QImage decoded;
    if (!reader.read(&decoded) || decoded.isNull()) {
        error = "The data is not a picture this program can read: " + reader.errorString().toStdString();
        return false;
    }
    image = Normalised(decoded);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "Cannot open \"" + path + "\": " + file.errorString().toStdString();
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = "Cannot read \"" + path + "\": " + file.errorString().toStdString();
        return false;
    }
    bytes.assign(data.constData(), size_t(data.size()));
    return true;
}

// The old file stays until the new one is complete.
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& error) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = "Cannot create \"" + path + "\": " + file.errorString().toStdString();
        return false;
    }
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.commit()) {
        error = "Cannot write \"" + path + "\": " + file.errorString().toStdString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool HasExtension(const std::string& path, const char* ext) {
    const size_t n = std::char_traits<char>::length(ext);
    if (path.size() < n) return false;
    return std::equal(path.end() - std::ptrdiff_t(n), path.end(), ext, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

}  // namespace

// ----------------------------------------------------------------- graphic

TGraphic::TGraphic() : store_(std::make_unique<Store>()) {}

TGraphic::TGraphic(const TGraphic& other)
    : store_(std::make_unique<Store>()),
      transparent_(other.transparent_),
      transparentMode_(other.transparentMode_),
      transparentColor_(other.transparentColor_) {
    store_->image = PixelsOf(other);
    store_->pendingWidth = other.store_->pendingWidth;
    store_->pendingHeight = other.store_->pendingHeight;
}

TGraphic& TGraphic::operator=(const TGraphic& other) {
    if (this == &other) return *this;
    const QImage pixels = PixelsOf(other);
    store_->Settle();
    store_->image = pixels;
    store_->pendingWidth = other.store_->pendingWidth;
    store_->pendingHeight = other.store_->pendingHeight;
    transparent_ = other.transparent_;
    transparentMode_ = other.transparentMode_;
    transparentColor_ = other.transparentColor_;
    PixelsReplaced();
    Changed();
    return *this;
}

TGraphic::~TGraphic() = default;

int TGraphic::Width() const { return store_->image.isNull() ? store_->pendingWidth : store_->image.width(); }

int TGraphic::Height() const { return store_->image.isNull() ? store_->pendingHeight : store_->image.height(); }

bool TGraphic::Empty() const { return store_->image.isNull(); }

void TGraphic::SetTransparent(bool on) {
    if (on == transparent_) return;
    transparent_ = on;
    Changed();
}

TColor TGraphic::TransparentColor() const {
    if (transparentMode_ == tmFixed) return transparentColor_;
    const QImage& img = PixelsOf(*this);
    if (img.isNull()) return clNone;
    return FromQRgb(img.pixel(0, img.height() - 1));
}

void TGraphic::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TGraphic::SetTransparentMode(TTransparentMode mode) {
    if (mode == transparentMode_) return;
    transparentMode_ = mode;
    Changed();
}

void TGraphic::Assign(const TGraphic& source) {
    if (&source == this) return;
    TGraphic::operator=(source);
}

bool TGraphic::LoadFromStream(std::istream& in) {
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return Fail("The picture could not be read from its stream.");
    return LoadFromBytes(bytes);
}

bool TGraphic::SaveToStream(std::ostream& out) const {
    std::string bytes;
    error_.clear();
    if (!WriteBytes(bytes)) return false;
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) return Fail("The picture could not be written to its stream.");
    return true;
}

bool TGraphic::LoadFromBytes(std::string_view bytes) {
    error_.clear();
    if (!ReadBytes(bytes)) return false;
    PixelsReplaced();
    Changed();
    return true;
}

bool TGraphic::LoadFromFile(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error_)) return false;
    if (LoadFromBytes(bytes)) return true;
    error_ = "\"" + path + "\": " + error_;
    return false;
}

bool TGraphic::SaveToFile(const std::string& path) const {
    std::string bytes;
    error_.clear();
    if (!WriteBytes(bytes)) {
        error_ = "\"" + path + "\": " + error_;
        return false;
    }
    return WriteWholeFile(path, bytes, error_);
}

bool TGraphic::Fail(const std::string& message) const {
    error_ = message;
    return false;
}

void TGraphic::Changed() {
    if (OnChange) OnChange();
}

void GraphicAccess::ReplacePixels(TGraphic& graphic, const QImage& image) {
    graphic.store_->Settle();
    graphic.store_->image = Normalised(image);
    graphic.PixelsReplaced();
    graphic.Changed();
}

// ------------------------------------------------------------------ bitmap

namespace {

std::unique_ptr<TCanvas> CanvasOn(TGraphic::Store& store) {
    auto impl = std::make_unique<TCanvas::Impl>();
    impl->image = &store.image;
    store.painter = impl.get();
    return std::make_unique<TCanvas>(std::move(impl));
}

}  // namespace

TBitmap::TBitmap() : canvas_(CanvasOn(*store_)) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other)
    : TGraphic(other), pixelFormat_(other.pixelFormat_), canvas_(CanvasOn(*store_)) {}

TBitmap& TBitmap::operator=(const TBitmap& other) {
    if (this == &other) return *this;
    pixelFormat_ = other.pixelFormat_;
    TGraphic::operator=(other);
    return *this;
}

TBitmap::~TBitmap() {
    // The canvas paints into the store: it must finish first.
    canvas_.reset();
    store_->painter = nullptr;
}

std::unique_ptr<TGraphic> TBitmap::Clone() const { return std::make_unique<TBitmap>(*this); }

void TBitmap::Assign(const TGraphic& source) {
    if (const auto* bmp = dynamic_cast<const TBitmap*>(&source)) {
        *this = *bmp;
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::EndPainting() const { store_->Settle(); }

void TBitmap::PixelsReplaced() {
    if (store_->image.isNull()) return;
    switch (store_->image.format()) {
        case QImage::Format_BGR888: pixelFormat_ = pf24bit; break;
        case QImage::Format_ARGB32_Premultiplied: pixelFormat_ = pf32bit; break;
        default: pixelFormat_ = pfDevice; break;
    }
}

void TBitmap::SetWidth(int width) { SetSize(width, Height()); }

void TBitmap::SetHeight(int height) { SetSize(Width(), height); }

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height()) return;
    EndPainting();
    store_->pendingWidth = 0;
    store_->pendingHeight = 0;
    if (width == 0 || height == 0) {
        store_->image = QImage();
        store_->pendingWidth = width;
        store_->pendingHeight = height;
    } else if (qint64(width) * height > kMaxPixels) {
        store_->image = QImage();
    } else {
        EnsureGuiApplication();
        QImage next(width, height, QtFormat(pixelFormat_));
        next.fill(Qt::white);
        if (!store_->image.isNull()) {
            QPainter p(&next);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, store_->image);
        }
        store_->image = next;
    }
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == pixelFormat_) return;
    EndPainting();
    pixelFormat_ = format;
    if (!store_->image.isNull()) {
        store_->image = store_->image.convertToFormat(QtFormat(format));
    }
    Changed();
}

TCanvas& TBitmap::Canvas() { return *canvas_; }

std::uint8_t* TBitmap::ScanLine(int y) {
    EndPainting();
    if (y < 0 || y >= Height()) return nullptr;
    return store_->image.scanLine(y);
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
    EndPainting();
    if (y < 0 || y >= Height()) return nullptr;
    return store_->image.constScanLine(y);
}

TColor TBitmap::Pixel(int x, int y) const {
    EndPainting();
    const QImage& img = store_->image;
    if (!img.valid(x, y)) return clNone;
    return FromQRgb(img.pixel(x, y));
}

bool TBitmap::SavePng(const std::string& path) const {
    std::string bytes;
    error_.clear();
    if (Empty()) return Fail("\"" + path + "\": the bitmap is empty.");
    if (!EncodeWithQt(PixelsOf(*this), "PNG", bytes, error_)) return false;
    return WriteWholeFile(path, bytes, error_);
}

bool TBitmap::SaveToFile(const std::string& path) const {
    if (HasExtension(path, ".png")) return SavePng(path);
    return TGraphic::SaveToFile(path);
}

bool TBitmap::LoadFromResource(std::string_view name) {
    const auto data = base::FindResource(name);
    if (!data) return Fail("The program holds no picture \"" + std::string(name) + "\".");
    return LoadFromBytes(*data);
}

bool TBitmap::ReadBytes(std::string_view bytes) {
    QImage image;
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xD8) {
        if (!DecodeJpeg(bytes, false, image, error_)) return false;
    } else if (!DecodeWithQt(bytes, nullptr, image, error_)) {
        return false;
    }
    EndPainting();
    store_->image = image;
    return true;
}

bool TBitmap::WriteBytes(std::string& bytes) const {
    if (Empty()) return Fail("The bitmap is empty.");
    return EncodeWithQt(PixelsOf(*this), "BMP", bytes, error_);
}

// ------------------------------------------------------------ other files

std::unique_ptr<TGraphic> TPngImage::Clone() const { return std::make_unique<TPngImage>(*this); }

bool TPngImage::ReadBytes(std::string_view bytes) {
    QImage image;
    if (!DecodeWithQt(bytes, "PNG", image, error_)) return false;
    store_->image = image;
    return true;
}

bool TPngImage::WriteBytes(std::string& bytes) const {
    if (Empty()) return Fail("The picture is empty.");
    return EncodeWithQt(store_->image, "PNG", bytes, error_);
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const { return std::make_unique<TJPEGImage>(*this); }

void TJPEGImage::SetCompressionQuality(int quality) { quality_ = std::clamp(quality, 1, 100); }

void TJPEGImage::SetGrayscale(bool on) {
    if (on == grayscale_) return;
    grayscale_ = on;
    Changed();
}

bool TJPEGImage::ReadBytes(std::string_view bytes) {
    QImage image;
    if (!DecodeJpeg(bytes, grayscale_, image, error_)) return false;
    store_->image = image;
    return true;
}

bool TJPEGImage::WriteBytes(std::string& bytes) const {
    if (Empty()) return Fail("The picture is empty.");
    return EncodeJpeg(store_->image, quality_, grayscale_, bytes, error_);
}

std::unique_ptr<TGraphic> TGIFImage::Clone() const { return std::make_unique<TGIFImage>(*this); }

bool TGIFImage::ReadBytes(std::string_view bytes) {
    QImage image;
    if (!DecodeWithQt(bytes, "GIF", image, error_)) return false;
    QByteArray data = ToBytes(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "GIF");
    int count = reader.imageCount();
    if (count <= 0) {
        // The reader could not tell without decoding: count by stepping.
        count = 0;
        while (reader.jumpToNextImage()) ++count;
        count = std::max(count, 1);
    }
    store_->image = image;
    frameCount_ = count;
    return true;
}

bool TGIFImage::WriteBytes(std::string&) const { return Fail("GIF pictures cannot be written."); }

std::unique_ptr<TGraphic> TIcon::Clone() const { return std::make_unique<TIcon>(*this); }

bool TIcon::ReadBytes(std::string_view bytes) {
    QByteArray data = ToBytes(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ICO");
    QImage best;
    // An icon file holds several sizes; the largest looks best when drawn.
    for (int i = 0; i < 64; ++i) {
        QImage frame;
        if (!reader.read(&frame)) break;
        if (best.isNull() || frame.width() * frame.height() > best.width() * best.height()) best = frame;
        if (!reader.jumpToNextImage()) break;
    }
    if (best.isNull()) return Fail("The data is not an icon this program can read.");
    store_->image = Normalised(best);
    return true;
}

bool TIcon::WriteBytes(std::string& bytes) const {
    if (Empty()) return Fail("The icon is empty.");
    return EncodeWithQt(store_->image, "ICO", bytes, error_);
}

std::unique_ptr<TGraphic> CreateGraphicFor(std::string_view b) {
    auto starts = [&](std::string_view sig) { return b.substr(0, sig.size()) == sig; };
    if (starts("BM")) return std::make_unique<TBitmap>();
    if (starts("\x89PNG")) return std::make_unique<TPngImage>();
    if (starts("\xFF\xD8\xFF")) return std::make_unique<TJPEGImage>();
    if (starts("GIF8")) return std::make_unique<TGIFImage>();
    if (starts(std::string_view("\0\0\1\0", 4))) return std::make_unique<TIcon>();
    return nullptr;
}

// ----------------------------------------------------------------- picture

TPicture::TPicture(const TPicture& other) : graphic_(other.graphic_ ? other.graphic_->Clone() : nullptr) {}

TPicture& TPicture::operator=(const TPicture& other) {
    if (this == &other) return *this;
    graphic_ = other.graphic_ ? other.graphic_->Clone() : nullptr;
    Changed();
    return *this;
}

bool TPicture::LoadFromBytes(std::string_view bytes) {
    error_.clear();
    std::unique_ptr<TGraphic> g = CreateGraphicFor(bytes);
    if (!g) {
        error_ = "The data is not a picture this program can read (BMP, PNG, JPEG, GIF or ICO).";
        return false;
    }
    if (!g->LoadFromBytes(bytes)) {
        error_ = g->ErrorString();
        return false;
    }
    graphic_ = std::move(g);
    Changed();
    return true;
}

bool TPicture::LoadFromStream(std::istream& in) {
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error_ = "The picture could not be read from its stream.";
        return false;
    }
    return LoadFromBytes(bytes);
}

bool TPicture::LoadFromFile(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error_)) return false;
    if (LoadFromBytes(bytes)) return true;
    error_ = "\"" + path + "\": " + error_;
    return false;
}

bool TPicture::SaveToFile(const std::string& path) const {
    if (!graphic_) {
        error_ = "\"" + path + "\": there is no picture to save.";
        return false;
    }
    if (graphic_->SaveToFile(path)) return true;
    error_ = graphic_->ErrorString();
    return false;
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    graphic_ = graphic ? graphic->Clone() : nullptr;
    Changed();
}

TBitmap& TPicture::Bitmap() {
    if (auto* bmp = dynamic_cast<TBitmap*>(graphic_.get())) return *bmp;
    auto bmp = std::make_unique<TBitmap>();
    if (graphic_) bmp->Assign(*graphic_);
    graphic_ = std::move(bmp);
    Changed();
    return static_cast<TBitmap&>(*graphic_);
}

void TPicture::Changed() {
    if (OnChange) OnChange();
}

}  // namespace plat
