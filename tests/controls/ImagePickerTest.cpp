#include "controls/ImagePicker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "PickerTestSupport.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

namespace {

using namespace ctl;
namespace pt = plat::test;
using ctltest::Rgb;

class ImagePicker : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 400, 400);
        picker = new TExtImagePickerDropDown(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(20, 20, 160, 24);
        picker->OnSelect = [this](plat::TObject*) { ++selects; };
        picker->OnChange = [this](plat::TObject*) { ++changes; };
        form->Show();
        picker->SetFocus();
        pt::ProcessEvents();
    }
    void TearDown() override {
        picker->HideDropDown(false);
        form.reset();
    }
    std::unique_ptr<plat::TForm> form;
    TExtImagePickerDropDown* picker = nullptr;
    ctltest::TSquareImages images{5, 16, {plat::clRed, plat::clLime, plat::clBlue}};
    int selects = 0, changes = 0;
};

// The face is the picker's text: a click there opens the list.
TEST_F(ImagePicker, ClickOnTheFaceOpensTheList) {
    picker->SetImages(&images);
    picker->AddImagesFromImageList();
    pt::ClickAt(*picker->Face());
    EXPECT_TRUE(picker->DroppedDown());
    EXPECT_EQ(picker->ItemSelector()->Items().Count(), 5);
}

TEST_F(ImagePicker, IndexAndImageIndex) {
    picker->AddImagesFromImageList();  // no list yet: nothing
    EXPECT_EQ(picker->Items().Count(), 0);
    picker->SetImages(&images);
    picker->AddImagesFromImageList();
    ASSERT_EQ(picker->Items().Count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(picker->Items().Items(i)->ImageIndex(), i);
    picker->Items().Items(3)->SetImageIndex(1);  // two entries show image 1
    const struct {
        int imageIndex;
        int itemIndex, fired;
    } cases[] = {
        {2, 2, 1},
        {2, 2, 0},   // the present value: nothing
        {1, 1, 1},   // the first entry with it
        {7, -1, 1},  // none has it
        {7, -1, 0},
    };
    for (const auto& c : cases) {
        selects = changes = 0;
        picker->SetImageIndex(c.imageIndex);
        EXPECT_EQ(picker->ItemIndex(), c.itemIndex) << c.imageIndex;
        EXPECT_EQ(picker->ImageIndex(), c.itemIndex < 0 ? -1 : picker->Items().Items(c.itemIndex)->ImageIndex());
        EXPECT_EQ(selects, c.fired) << c.imageIndex;
        EXPECT_EQ(changes, c.fired) << c.imageIndex;
    }
    for (int bad : {5, 99, -2}) {
        picker->SetItemIndex(bad);
        EXPECT_EQ(picker->ItemIndex(), -1) << bad;
    }
    picker->SelectPrevious();
    EXPECT_EQ(picker->ItemIndex(), 0);
    picker->SelectLast();
    picker->SelectNext();
    EXPECT_EQ(picker->ItemIndex(), 4);
}

TEST_F(ImagePicker, FolderLoadTakesPicturesOnly) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "image_picker_folder";
    fs::remove_all(dir);
    fs::create_directories(dir / "sub.png");  // a folder the mask matches
    plat::TBitmap b(8, 6);
    ASSERT_TRUE(b.SavePng((dir / "b.png").string()));
    ASSERT_TRUE(b.SavePng((dir / "A.PNG").string()));
    std::ofstream(dir / "broken.png") << "no picture here";
    std::ofstream(dir / "notes.txt") << "text";
    EXPECT_EQ(picker->AddImagesFromFolder((dir / "*.png").string(), true), 2);
    ASSERT_EQ(picker->Items().Count(), 2);
    EXPECT_EQ(picker->Items().Items(0)->Caption(), "A.PNG");
    EXPECT_EQ(picker->Items().Items(1)->Caption(), "b.png");
    EXPECT_EQ(picker->Items().Items(1)->Image().Width(), 8);
    EXPECT_EQ(picker->AddImagesFromFolder((dir / "*.txt").string(), false), 0);
    EXPECT_EQ(picker->AddImagesFromFolder((dir / "missing" / "*.png").string(), false), 0);
    EXPECT_EQ(picker->Items().Count(), 2);
}

TEST_F(ImagePicker, PopUpPicksCancelsAndPaints) {
    picker->SetImages(&images);
    picker->AddImagesFromImageList();
    const char* captions[] = {"Red", "Lime", "Blue", "Red again", "Lime again"};
    for (int i = 0; i < 5; ++i) picker->Items().Items(i)->SetCaption(captions[i]);
    picker->SetColumns(2);
    picker->SetItemIndex(1);
    pt::SendKey(*picker, plat::VK_F4);
    ASSERT_TRUE(picker->DroppedDown());
    TExtCustomItemSelector* list = picker->ItemSelector();
    EXPECT_EQ(list->Columns(), 2);
    EXPECT_EQ(list->ItemIndex(), 1);
    pt::SendKey(*picker, plat::VK_DOWN);  // a row down: + Columns
    EXPECT_EQ(picker->ItemIndex(), 3);
    pt::SendKey(*picker, plat::VK_DOWN);  // no row below item 3's column
    EXPECT_EQ(picker->ItemIndex(), 3);
    pt::SendKey(*picker, plat::VK_LEFT);
    EXPECT_EQ(picker->ItemIndex(), 2);
    EXPECT_TRUE(picker->DroppedDown());
    pt::ProcessEvents();
    EXPECT_TRUE(pt::SaveScreenshot(*picker->DropDownForm(), TestOutFile("ImagePicker_open.png")));
    pt::SendKey(*picker, plat::VK_ESCAPE);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->ItemIndex(), 1);  // as it was when the pop-up opened

    pt::SendKey(*picker, plat::VK_F4);
    pt::MouseMove(*list->Panel(), 5, list->Items().Items(4)->FRect.Top + 5);
    EXPECT_EQ(list->ItemHot(), 4);
    pt::SendKey(*picker, plat::VK_RETURN);  // Enter takes the hovered entry
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->ItemIndex(), 4);
    picker->Face()->Repaint();
    pt::ProcessEvents();
    plat::TControl& face = *picker->Face();
    EXPECT_EQ(pt::PixelAt(face, face.Width() / 2, face.Height() / 2), Rgb(plat::clLime));  // image 4: lime
    // The focused picker shows its value on the highlight, as a chosen entry.
    EXPECT_EQ(pt::PixelAt(face, 1, face.Height() / 2), Rgb(plat::ColorToRGB(plat::clHighlight)));
    EXPECT_EQ(pt::AccessibleNameOf(face), "Image picker");
}

}  // namespace
