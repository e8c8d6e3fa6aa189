#pragma once
// Raster pictures: the off-screen bitmap controls paint into, and the
// picture files (BMP, PNG, JPEG, GIF, ICO) that cells, glyphs and exports
// read and write. Every graphic holds its decoded pixels; loading and
// saving report failure as false plus ErrorString(), and a failed load
// leaves the graphic as it was.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Graphics.h"

namespace plat {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
// tmAuto takes the transparent colour from the lower-left pixel.
enum TTransparentMode { tmAuto, tmFixed };

struct GraphicAccess;  // the platform layer's door to the pixels

class TGraphic {
public:
    struct Store;  // decoded pixels, defined by the platform layer
    virtual ~TGraphic();

    // "TBitmap", "TJPEGImage", ... as component streams name the class.
    virtual const char* ClassName() const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    int Width() const;
    int Height() const;
    bool Empty() const;  // no pixels

    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool on);
    // The colour left out when drawn transparent: the fixed colour, or in
    // tmAuto the colour of the lower-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);  // also switches to tmFixed
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    // Takes the pixels (and transparency) of another graphic.
    virtual void Assign(const TGraphic& source);

    // Formats: each class writes its own; reading accepts what the class
    // reads (see the classes). Saving to a file is atomic.
    virtual bool LoadFromStream(std::istream& in);
    virtual bool SaveToStream(std::ostream& out) const;
    bool LoadFromBytes(std::string_view bytes);
    bool LoadFromFile(const std::string& path);
    virtual bool SaveToFile(const std::string& path) const;
    const std::string& ErrorString() const { return error_; }

    // Change notification (after a load, an assignment or a resize).
    std::function<void()> OnChange;

    Store& Internal() const { return *store_; }

protected:
    friend struct GraphicAccess;
    TGraphic();
    TGraphic(const TGraphic& other);
    TGraphic& operator=(const TGraphic& other);
    virtual bool ReadBytes(std::string_view bytes) = 0;
    virtual bool WriteBytes(std::string& bytes) const = 0;
    bool Fail(const std::string& message) const;
    void Changed();
    // Replaces the pixels (called by the loaders once decoding succeeded).
    virtual void PixelsReplaced() {}

    std::unique_ptr<Store> store_;
    bool transparent_ = false;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clNone;
    mutable std::string error_;
};

// An off-screen picture with a canvas. New pixels are white. Reads BMP,
// PNG, GIF, ICO and JPEG; writes BMP (SaveToFile with ".png" writes PNG).
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap() override;

    const char* ClassName() const override { return "TBitmap"; }
    std::unique_ptr<TGraphic> Clone() const override;
    void Assign(const TGraphic& source) override;

    void SetWidth(int width);
    void SetHeight(int height);
    // Keeps the pixels that still fit at the top-left; new ones are white.
    void SetSize(int width, int height);
    // pf32bit keeps an alpha channel; the others are opaque. Loaded
    // pictures come as pf32bit when they have transparent pixels, else as
    // pfDevice.
    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat format);
    // The bytes of row y for direct pixel work, nullptr outside the bitmap.
    // Layout by PixelFormat: pf24bit 3 bytes a pixel (blue, green, red),
    // pf32bit 4 bytes (blue, green, red, alpha; colours premultiplied by
    // alpha), any other 4 bytes (blue, green, red, 255). Rows are padded to
    // a multiple of 4 bytes. The pointer is valid until the canvas draws
    // again or the bitmap changes size or format.
    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;

    TCanvas& Canvas();
    // Pixel read without going through the canvas (tests, hit tests).
    TColor Pixel(int x, int y) const;
    bool SavePng(const std::string& path) const;
    // ".png" writes PNG, any other name BMP.
    bool SaveToFile(const std::string& path) const override;
    // Loads resources/<name> (a BMP or PNG compiled into the program).
    bool LoadFromResource(std::string_view name);

protected:
    bool ReadBytes(std::string_view bytes) override;
    bool WriteBytes(std::string& bytes) const override;
    void PixelsReplaced() override;

private:
    friend class TGraphic;
    void EndPainting() const;
    TPixelFormat pixelFormat_ = pfDevice;
    std::unique_ptr<TCanvas> canvas_;
};

// PNG file, alpha kept.
class TPngImage : public TGraphic {
public:
    TPngImage() = default;
    TPngImage(const TPngImage& other) = default;
    const char* ClassName() const override { return "TPngImage"; }
    std::unique_ptr<TGraphic> Clone() const override;

protected:
    bool ReadBytes(std::string_view bytes) override;
    bool WriteBytes(std::string& bytes) const override;
};

// JPEG file, read and written with the IJG library. CompressionQuality
// (1 to 100) governs saving.
class TJPEGImage : public TGraphic {
public:
    TJPEGImage() = default;
    TJPEGImage(const TJPEGImage& other) = default;
    const char* ClassName() const override { return "TJPEGImage"; }
    std::unique_ptr<TGraphic> Clone() const override;

    int CompressionQuality() const { return quality_; }
    void SetCompressionQuality(int quality);  // limited to 1..100
    bool Grayscale() const { return grayscale_; }
    void SetGrayscale(bool on);  // decode and encode one channel

protected:
    bool ReadBytes(std::string_view bytes) override;
    bool WriteBytes(std::string& bytes) const override;

private:
    int quality_ = 90;
    bool grayscale_ = false;
};

// GIF file: the first frame is shown; FrameCount tells how many exist.
// GIF files are only read here: saving fails with a message.
class TGIFImage : public TGraphic {
public:
    TGIFImage() = default;
    TGIFImage(const TGIFImage& other) = default;
    const char* ClassName() const override { return "TGIFImage"; }
    std::unique_ptr<TGraphic> Clone() const override;
    int FrameCount() const { return frameCount_; }

protected:
    bool ReadBytes(std::string_view bytes) override;
    bool WriteBytes(std::string& bytes) const override;

private:
    int frameCount_ = 0;
};

// Icon file: the largest image of the file is shown; saving writes ICO.
class TIcon : public TGraphic {
public:
    TIcon() = default;
    TIcon(const TIcon& other) = default;
    const char* ClassName() const override { return "TIcon"; }
    std::unique_ptr<TGraphic> Clone() const override;

protected:
    bool ReadBytes(std::string_view bytes) override;
    bool WriteBytes(std::string& bytes) const override;
};

// Holds one graphic of whatever class its file needs.
class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture& other);
    TPicture& operator=(const TPicture& other);
    void Assign(const TPicture& other) { *this = other; }

    // Picks the class from the file's first bytes (BMP, PNG, JPEG, GIF,
    // ICO); on failure the old graphic stays.
    bool LoadFromFile(const std::string& path);
    bool LoadFromStream(std::istream& in);
    bool LoadFromBytes(std::string_view bytes);
    bool SaveToFile(const std::string& path) const;  // in the graphic's format
    const std::string& ErrorString() const { return error_; }

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(const TGraphic* graphic);  // copies; nullptr empties
    // The graphic as a bitmap; a picture of another class is converted
    // (and from then on holds the bitmap), an empty one gets an empty bitmap.
    TBitmap& Bitmap();

    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }

    std::function<void()> OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> graphic_;
    mutable std::string error_;
};

// An empty graphic of the class for data whose first bytes show its
// format (BMP, PNG, JPEG, GIF, ICO); nullptr when none matches.
std::unique_ptr<TGraphic> CreateGraphicFor(std::string_view bytes);

}  // namespace plat
