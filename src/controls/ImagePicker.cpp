#include "controls/ImagePicker.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace ctl {

using namespace plat;

// ------------------------------------------------------------- image item

void TImageItem::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    Changed();
}

void TImageItem::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    Changed();
}

void TImageItem::Assign(const TImageItem& Source) {
    if (&Source == this) return;
    SetCaption(Source.FCaption);
    SetImageIndex(Source.FImageIndex);
    FImage.Assign(Source.FImage);
    FEnabled = Source.FEnabled;
    FHint = Source.FHint;
}

// ----------------------------------------------------------------- picker

TExtImagePickerDropDown::TExtImagePickerDropDown(TComponent* AOwner) : TExtItemPickerDropDown(AOwner) {
    FItems.OnChange = [](TObject*) {};
    Face()->SetAccessibleName("Image picker");
    CreateDropDownForm();
}

void TExtImagePickerDropDown::Notification(TComponent* AComponent) {
    TExtItemPickerDropDown::Notification(AComponent);
    if (AComponent == FItemSelector) FItemSelector = nullptr;
}

void TExtImagePickerDropDown::FillSelectorItem(int Index, TSelectorItem& Item) const {
    const TImageItem& it = *FItems.Items(Index);
    Item.SetCaption(it.Caption());
    Item.SetImage(it.Image());
    Item.SetImageIndex(it.ImageIndex());
    Item.SetHint(it.Hint());
    Item.FEnabled = it.FEnabled;
}

void TExtImagePickerDropDown::FireSelect() {
    if (OnSelect) OnSelect(this);
}

void TExtImagePickerDropDown::SetItemIndex(int Value) {
    if (Value == FItemIndex || Value >= FItems.Count() || Value < -1) return;
    FItemIndex = Value;
    RepaintFace();
    if (OnChange) OnChange(this);
    FireSelect();
}

int TExtImagePickerDropDown::ImageIndex() const {
    return FItemIndex >= 0 ? FItems.Items(FItemIndex)->ImageIndex() : -1;
}

void TExtImagePickerDropDown::SetImageIndex(int Value) {
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.Items(i)->ImageIndex() == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TExtImagePickerDropDown::SelectFirst() {
    if (FItems.Count() > 0) SetItemIndex(0);
}

void TExtImagePickerDropDown::SelectLast() {
    if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TExtImagePickerDropDown::SelectNext() {
    if (FItems.Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex + 1 < FItems.Count()) SetItemIndex(FItemIndex + 1);
}

void TExtImagePickerDropDown::SelectPrevious() {
    if (FItems.Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TExtImagePickerDropDown::AddImagesFromImageList() {
    if (Images() == nullptr) return;
    for (int i = 0; i < Images()->Count(); ++i) FItems.Add()->SetImageIndex(i);
}

int TExtImagePickerDropDown::AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption) {
    namespace fs = std::filesystem;
    const fs::path pattern(AFolder);
    const fs::path folder = pattern.has_parent_path() ? pattern.parent_path() : fs::path(".");
    const std::string mask = pattern.filename().string();
    std::error_code ec;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // "." and ".." never come from the iterator; other folders are left
        // out here, as no picture can be read from them.
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        if (fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD) != 0) continue;
        files.push_back(it->path());
    }
    // The folder's own order is arbitrary: entries come sorted by name.
    std::sort(files.begin(), files.end());
    int added = 0;
    for (const fs::path& f : files) {
        TPicture picture;
        if (!picture.LoadFromFile(f.string())) continue;
        TImageItem* it = FItems.Add();
        it->FImage.Assign(picture);
        // Set without a change notice, as the whole list is being filled.
        if (SetImageCaption) it->FCaption = f.filename().string();
        ++added;
    }
    return added;
}

void TExtImagePickerDropDown::BeforeDropDown() {
    TExtItemPickerDropDown::BeforeDropDown();
    if (FItemSelector == nullptr) CreateDropDownForm();
    PrepareList(OnDrawItem, this);
    SetControl(FItemSelector);
    FOldItemIndex = FItemIndex;
}

void TExtImagePickerDropDown::PaintFace(TCanvas& Canvas, TRect R) {
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (FItemIndex < 0) return;
    const TImageItem& it = *FItems.Items(FItemIndex);
    if (!it.Image().Empty()) {
        Canvas.Draw(R.Left + (R.Width() - it.Image().Width()) / 2, R.Top + (R.Height() - it.Image().Height()) / 2,
                    *it.Image().Graphic());
    } else if (Images() != nullptr && it.ImageIndex() >= 0) {
        Images()->Draw(Canvas, R.Left + (R.Width() - Images()->Width()) / 2,
                       R.Top + (R.Height() - Images()->Height()) / 2, it.ImageIndex());
    }
}

}  // namespace ctl
