#pragma once
// Pictures that HTML cell texts show: a picture keeps its file's bytes and
// lets the platform decode them (with a frame selector for animated GIF
// files), a cache holds the pictures a grid loaded by address, and a
// container holds named pictures.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace ctl {

// Raised when picture data cannot be decoded; the data stays loaded.
class EPictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TDownloadProgressEvent = std::function<void(plat::TObject* Sender, std::uint32_t dwSize, std::uint32_t dwTotSize)>;
using TDownloadCancelEvent = std::function<void(plat::TObject* Sender, bool& Cancel)>;
using TDownloadCompleteEvent = std::function<void(plat::TObject* Sender)>;
using TDownloadErrorEvent = std::function<void(plat::TObject* Sender, const std::string& err)>;

class THTMLPicture : public plat::TObject {
public:
    THTMLPicture();
    ~THTMLPicture() override;

    // Never reports: a file that cannot be read or decoded leaves the
    // picture empty.
    void LoadFromFile(const std::string& fileName);
    // The whole stream becomes the data; throws EPictureError when it
    // cannot be decoded.
    void LoadFromStream(std::istream& in);
    void LoadFromBytes(const std::string& bytes);
    // As LoadFromStream, for form streaming: no change event.
    void ReadData(std::istream& in);
    // The bytes as loaded, so a picture keeps its file format.
    void SaveToStream(std::ostream& out) const;
    void WriteData(std::ostream& out) const { SaveToStream(out); }
    // A picture compiled into the program; nothing when there is none.
    void LoadFromResourceName(const std::string& name);
    // The picture compiled in under the number's name; throws EPictureError
    // when there is none.
    void LoadFromResourceID(int number);
    // "RES://name", "FILE://path"; other addresses are only remembered.
    void LoadFromURL(const std::string& url);
    void Assign(const THTMLPicture* source);

    void Draw(plat::TCanvas& canvas, const plat::TRect& rect) const;

    bool Empty() const { return FIsEmpty; }
    int Width() const;   // of the decoded frame, 0 when nothing is decoded
    int Height() const;
    const std::string& Data() const { return FData; }

    bool Stretch() const { return FStretched; }
    void SetStretch(bool value) { FStretched = value; }
    const std::string& ID() const { return FID; }
    void SetID(const std::string& id) { FID = id; }
    bool IsDB() const { return FIsDB; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool value) { FAsynch = value; }
    bool Busy() const { return FThreadBusy; }

    bool IsGIF() const;
    int FrameCount() const;
    // Delay of a frame in hundredths of a second, -1 when there is none.
    int FrameTime(int frame) const;
    int MaxWidth() const;
    int MaxHeight() const;
    int Frame() const { return FFrame; }
    void SetFrame(int frame);
    void FrameNext();
    void FramePrev();
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }
    // One animation tick (callers step every 100 ms); true when the frame
    // changed. Never throws: a frame that cannot be decoded, or an
    // animation area above Max_Animated_Area pixels, stops the animation
    // on the frame shown until new data is loaded.
    bool Step();
    static constexpr std::int64_t Max_Animated_Area = 1024 * 1024;

    plat::TNotifyEvent OnChange;
    plat::TNotifyEvent OnFrameChange;
    // Nothing is downloaded, so these are never raised.
    TDownloadProgressEvent OnDownLoadProgress;
    TDownloadCancelEvent OnDownLoadCancel;
    TDownloadCompleteEvent OnDownLoadComplete;
    TDownloadErrorEvent OnDownLoadError;

private:
    void Decode();
    void Reset();

    std::string FData;
    bool FIsEmpty = true;
    bool FStretched = false;
    std::unique_ptr<plat::TGraphic> gpPicture;
    std::string FURL;
    std::string FID;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    mutable int FFrameCount = -1;
    std::uint16_t FFrameXPos = 0;
    std::uint16_t FFrameYPos = 0;
    std::uint16_t FAnimMaxX = 0;
    std::uint16_t FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
    bool FAnimationStopped = false;
};

// The pictures a grid loaded by address; owns them.
class THTMLPictureCache {
public:
    THTMLPictureCache() = default;
    ~THTMLPictureCache() { ClearPictures(); }
    THTMLPictureCache(const THTMLPictureCache&) = delete;
    THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

    THTMLPicture* AddPicture();
    // The first picture whose ID equals id exactly.
    THTMLPicture* FindPicture(const std::string& id) const;
    THTMLPicture* GetPicture(int index) const { return FItems.at(std::size_t(index)).get(); }
    void SetPicture(int index, const THTMLPicture* value) { FItems.at(std::size_t(index))->Assign(value); }
    int Count() const { return int(FItems.size()); }
    void ClearPictures() { FItems.clear(); }
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

class TPictureItem {
public:
    TPictureItem() = default;
    void Assign(const TPictureItem& source);
    THTMLPicture& Picture() { return FPicture; }
    const THTMLPicture& Picture() const { return FPicture; }
    void SetPicture(const THTMLPicture& value) { FPicture.Assign(&value); }
    std::string Name;
    int Tag = 0;

private:
    THTMLPicture FPicture;
};

class TPictureCollection {
public:
    explicit TPictureCollection(plat::TComponent* owner) : FOwner(owner) {}
    TPictureItem* Add();
    TPictureItem* Insert(int index);
    int Count() const { return int(FItems.size()); }
    TPictureItem* Items(int index) const { return FItems.at(std::size_t(index)).get(); }
    void SetItems(int index, const TPictureItem& value) { Items(index)->Assign(value); }
    plat::TComponent* GetOwner() const { return FOwner; }
    bool Animate();

private:
    plat::TComponent* FOwner;
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

class TPictureContainer : public plat::TComponent {
public:
    explicit TPictureContainer(plat::TComponent* AOwner);
    TPictureCollection& Items() { return *FItems; }
    // Takes the collection over.
    void SetItems(std::unique_ptr<TPictureCollection> items) { FItems = std::move(items); }
    // The picture of the first item whose name matches (ASCII case ignored).
    virtual THTMLPicture* FindPicture(const std::string& name) const;

private:
    std::unique_ptr<TPictureCollection> FItems;
};

}  // namespace ctl
