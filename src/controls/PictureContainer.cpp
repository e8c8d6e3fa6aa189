#include "controls/PictureContainer.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "base/Resources.h"
#include "base/StrUtils.h"

namespace ctl {

namespace {

std::uint8_t At(const std::string& d, std::size_t i) { return static_cast<std::uint8_t>(d[i]); }

std::uint16_t Word(const std::string& d, std::size_t i) {
    return std::uint16_t(At(d, i) | (At(d, i + 1) << 8));
}

// A graphic control extension followed by an image descriptor.
bool FrameStartAt(const std::string& d, std::size_t p) {
    return At(d, p) == 0x21 && At(d, p + 1) == 0xF9 && At(d, p + 2) == 4 && At(d, p + 8) == 0x2C;
}

}  // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

bool THTMLPicture::IsGIF() const { return FData.size() >= 5 && FData.compare(0, 4, "GIF8") == 0; }

int THTMLPicture::FrameCount() const {
    if (!IsGIF()) return -1;
    if (FFrameCount < 0) {
        int count = 0;
        for (std::size_t p = 0; p + 9 < FData.size(); ++p)
            if (FrameStartAt(FData, p)) ++count;
        FFrameCount = count;
    }
    return FFrameCount;
}

int THTMLPicture::FrameTime(int frame) const {
    if (!IsGIF()) return -1;
    int n = 0;
    for (std::size_t p = 0; p + 8 < FData.size(); ++p) {
        if (!FrameStartAt(FData, p)) continue;
        if (++n == frame) return Word(FData, p + 4);
    }
    return -1;
}

void THTMLPicture::Decode() {
    // Everything is worked out in locals and taken over only once the frame
    // decoded: a frame that fails leaves the one shown before in place.
    std::uint16_t frameX = 0, frameY = 0, animMaxX = 0, animMaxY = 0;
    std::string buffer = FData;
    int frameWidth = 0;
    int frameHeight = 0;
    if (IsGIF() && FrameCount() >= 1 && FData.size() >= 10) {
        animMaxX = Word(FData, 6);
        animMaxY = Word(FData, 8);
        // Leave out the frames before the chosen one, so the loader, which
        // shows the first image it meets, shows the chosen frame.
        buffer.clear();
        bool copying = true;
        int frame = 0;
        for (std::size_t p = 0; p < FData.size(); ++p) {
            if (p + 9 < FData.size() && FrameStartAt(FData, p)) {
                ++frame;
                if (frame == 1 && FFrame >= 2) copying = false;
                if (frame == FFrame) {
                    // The descriptor may be cut short in a damaged file.
                    if (p + 16 < FData.size()) {
                        frameX = Word(FData, p + 9);
                        frameY = Word(FData, p + 11);
                        frameWidth = Word(FData, p + 13);
                        frameHeight = Word(FData, p + 15);
                    }
                    copying = true;
                }
            }
            if (copying) buffer += FData[p];
        }
    }
    std::unique_ptr<plat::TGraphic> graphic = plat::CreateGraphicFor(buffer);
    if (!graphic || !graphic->LoadFromBytes(buffer))
        throw EPictureError("Could not load image. Invalid format");
    // Our loader paints a GIF frame onto the whole animation area; the
    // renderer places the frame at its own offset, so keep only the frame.
    if (frameWidth > 0 && frameHeight > 0 && graphic->Width() == animMaxX && graphic->Height() == animMaxY &&
        (frameWidth < animMaxX || frameHeight < animMaxY)) {
        auto frameBitmap = std::make_unique<plat::TBitmap>(frameWidth, frameHeight);
        frameBitmap->Canvas().Draw(-frameX, -frameY, *graphic);
        graphic = std::move(frameBitmap);
    }
    gpPicture = std::move(graphic);
    FFrameXPos = frameX;
    FFrameYPos = frameY;
    FAnimMaxX = animMaxX;
    FAnimMaxY = animMaxY;
}

void THTMLPicture::LoadFromBytes(const std::string& bytes) {
    FData = bytes;
    FIsEmpty = false;
    FFrameCount = -1;
    FAnimationStopped = false;
    gpPicture.reset();
    Decode();
    if (OnChange) OnChange(this);
}

void THTMLPicture::LoadFromStream(std::istream& in) {
    LoadFromBytes(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

void THTMLPicture::ReadData(std::istream& in) {
    FData.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    FIsEmpty = false;
    FFrameCount = -1;
    FAnimationStopped = false;
    gpPicture.reset();
    Decode();
}

void THTMLPicture::SaveToStream(std::ostream& out) const { out.write(FData.data(), std::streamsize(FData.size())); }

void THTMLPicture::LoadFromFile(const std::string& fileName) {
    try {
        std::ifstream in(fileName, std::ios::binary);
        if (!in) throw EPictureError("cannot open");
        LoadFromStream(in);
    } catch (const std::exception&) {
        // Loading from a file is best effort: cells simply show no picture.
        FData.clear();
        FIsEmpty = true;
        FFrameCount = -1;
        gpPicture.reset();
    }
}

void THTMLPicture::LoadFromResourceName(const std::string& name) {
    std::optional<std::string_view> data = base::FindResource(name);
    if (!data) {
        // Resource names are matched regardless of letter case, as the
        // renderer hands them over upper-cased.
        for (const std::string& candidate : base::ResourceNames(""))
            if (base::SameText(candidate, name)) {
                data = base::FindResource(candidate);
                break;
            }
    }
    if (data) LoadFromBytes(std::string(*data));
}

void THTMLPicture::LoadFromResourceID(int number) {
    const std::string name = base::IntToStr(number);
    if (!base::FindResource(name)) throw EPictureError("Resource " + name + " not found");
    LoadFromResourceName(name);
}

void THTMLPicture::LoadFromURL(const std::string& url) {
    const std::string upper = base::UpperCase(url);
    if (upper.rfind("RES://", 0) == 0) {
        FID = url;
        LoadFromResourceName(url.substr(6));
    } else if (upper.rfind("FILE://", 0) == 0) {
        FID = url;
        LoadFromFile(url.substr(7));
    } else if (!FAsynch) {
        FURL = url;
        FID = url;
    } else if (!FThreadBusy) {
        // Nothing is ever downloaded: the picture stays empty, and the busy
        // flag keeps a later call from trying again.
        FURL = url;
        FThreadBusy = true;
    }
}

void THTMLPicture::Reset() {
    FIsEmpty = true;
    gpPicture.reset();
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
    FAnimationStopped = false;
    if (!FData.empty()) {
        SetFrame(1);
    } else {
        FFrame = 1;
    }
}

void THTMLPicture::Assign(const THTMLPicture* source) {
    Reset();
    if (!source) {
        FData.clear();
        FIsEmpty = true;
        gpPicture.reset();
        return;
    }
    if (source->FData.empty()) {
        FData.clear();
        FIsEmpty = true;
        gpPicture.reset();
        return;
    }
    LoadFromBytes(source->FData);
}

void THTMLPicture::Draw(plat::TCanvas& canvas, const plat::TRect& rect) const {
    if (FIsEmpty || !gpPicture) return;
    if (FStretched) canvas.StretchDraw(rect, *gpPicture);
    else canvas.Draw(rect.Left, rect.Top, *gpPicture);
}

int THTMLPicture::Width() const { return gpPicture ? gpPicture->Width() : 0; }
int THTMLPicture::Height() const { return gpPicture ? gpPicture->Height() : 0; }

int THTMLPicture::MaxWidth() const {
    if (!gpPicture) return 0;
    return FAnimMaxX > 0 ? FAnimMaxX : Width();
}

int THTMLPicture::MaxHeight() const {
    if (!gpPicture) return 0;
    return FAnimMaxY > 0 ? FAnimMaxY : Height();
}

void THTMLPicture::SetFrame(int frame) {
    FFrame = frame;
    if (FData.empty()) return;
    Decode();
    if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() {
    const int count = FrameCount();
    SetFrame(FFrame >= count ? 1 : FFrame + 1);
}

void THTMLPicture::FramePrev() {
    const int count = FrameCount();
    SetFrame(FFrame <= 1 ? (count > 0 ? count : 1) : FFrame - 1);
}

bool THTMLPicture::Step() {
    if (FAnimationStopped || FrameCount() < 2 || FIsEmpty) return false;
    // Every step decodes a whole frame of the animation area: past this
    // size one step would hold up the window for longer than the step lasts.
    if (int64_t(FAnimMaxX) * FAnimMaxY > Max_Animated_Area) {
        FAnimationStopped = true;
        return false;
    }
    if (FNextCount == -1) FNextCount = FrameTime(FFrame);
    bool changed = false;
    if (10 * FTimerCount >= FNextCount) {
        // Steps come from a timer, where an exception would end the
        // program: a frame that cannot be decoded stops this animation on
        // the frame shown, and the other pictures go on.
        const int shown = FFrame;
        try {
            FrameNext();
        } catch (const std::exception&) {
            FFrame = shown;
            FAnimationStopped = true;
            return false;
        }
        FNextCount += FrameTime(FFrame);
        changed = true;
    }
    ++FTimerCount;
    return changed;
}

// ------------------------------------------------------------------ cache

THTMLPicture* THTMLPictureCache::AddPicture() {
    FItems.push_back(std::make_unique<THTMLPicture>());
    return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& id) const {
    for (const auto& p : FItems)
        if (p->ID() == id) return p.get();
    return nullptr;
}

bool THTMLPictureCache::Animate() {
    bool changed = false;
    for (const auto& p : FItems) changed = p->Step() || changed;
    return changed;
}

// ------------------------------------------------------- named pictures

void TPictureItem::Assign(const TPictureItem& source) {
    Name = source.Name;
    Tag = source.Tag;
    FPicture.Assign(&source.FPicture);
}

TPictureItem* TPictureCollection::Add() {
    FItems.push_back(std::make_unique<TPictureItem>());
    return FItems.back().get();
}

TPictureItem* TPictureCollection::Insert(int index) {
    if (index < 0) index = 0;
    if (index > Count()) index = Count();
    auto it = FItems.insert(FItems.begin() + index, std::make_unique<TPictureItem>());
    return it->get();
}

bool TPictureCollection::Animate() {
    bool changed = false;
    for (const auto& item : FItems) changed = item->Picture().Step() || changed;
    return changed;
}

TPictureContainer::TPictureContainer(plat::TComponent* AOwner)
    : plat::TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this)) {}

THTMLPicture* TPictureContainer::FindPicture(const std::string& name) const {
    for (int i = 0; i < FItems->Count(); ++i)
        if (base::SameText(FItems->Items(i)->Name, name)) return &FItems->Items(i)->Picture();
    return nullptr;
}

}  // namespace ctl
