#pragma once
// A drop-down for choosing one image from a list. Its text cannot be typed:
// the edit shows the chosen image, centred. The pop-up shows the images
// with their captions; an entry takes its picture from its own Image or
// from the picker's image list.

#include <string>

#include "controls/ItemPicker.h"

namespace ctl {

class TImageItem : public TCollectionItem {
public:
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    plat::TPicture& Image() { return FImage; }
    const plat::TPicture& Image() const { return FImage; }
    void SetImage(const plat::TPicture& Value) { FImage.Assign(Value); }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    void Assign(const TImageItem& Source);

    bool FEnabled = true;
    plat::TRect FRect{};

private:
    friend class TExtImagePickerDropDown;
    std::string FCaption;
    int FImageIndex = -1;
    plat::TPicture FImage;
    std::string FHint;
};

using TImageItems = TItemCollection<TImageItem>;

class TExtImagePickerDropDown : public TExtItemPickerDropDown {
public:
    explicit TExtImagePickerDropDown(plat::TComponent* AOwner);

    TImageItems& Items() { return FItems; }
    void SetItems(const TImageItems& Value) { FItems.Assign(Value); }
    int ItemIndex() const { return FItemIndex; }
    // Nothing for the present value or one past the entries; a change
    // repaints and fires OnChange, then OnSelect.
    void SetItemIndex(int Value);
    // The chosen entry's ImageIndex (-1 without one); writing chooses the
    // first entry with that ImageIndex, or none.
    int ImageIndex() const;
    void SetImageIndex(int Value);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    // One entry per image of Images, without captions.
    void AddImagesFromImageList();
    // AFolder is a folder and a file mask ("/pics/*.png"). Every file it
    // matches that reads as a picture becomes an entry, captioned with its
    // file name when SetImageCaption is set; folders and files that are no
    // picture are left out. Returns the number of entries added.
    int AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption);

    void BeforeDropDown() override;

    plat::TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;
    TDrawItemEvent OnDrawItem;

protected:
    void Notification(plat::TComponent* AComponent) override;
    int PickerCount() const override { return FItems.Count(); }
    int PickerItemIndex() const override { return FItemIndex; }
    void SetPickerItemIndex(int Value) override { SetItemIndex(Value); }
    void FillSelectorItem(int Index, TSelectorItem& Item) const override;
    void FireSelect() override;
    void PaintFace(plat::TCanvas& Canvas, plat::TRect R) override;

private:
    TImageItems FItems{this};
    int FItemIndex = -1;
};

}  // namespace ctl
