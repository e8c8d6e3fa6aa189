#pragma once
// A drop-down edit of the given kind on a shown form, focused, as a window
// holds it: the tests drive it with real keys and clicks, open its pop-up
// and keep a picture of it under the test output.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

template <class TDropDown>
class DropDownOnForm : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        dd = new TDropDown(form.get());
        dd->SetParent(form.get());
        dd->SetBounds(20, 20, 200, 22);
    }
    // Shows the form once the drop-down is described.
    void Show() {
        form->Show();
        dd->SetFocus();
        plat::test::ProcessEvents();
    }
    void TearDown() override {
        dd->HideDropDown(false);
        form.reset();
    }
    // The selected part of the edit text.
    std::string Selected() const {
        return dd->GetText().substr(static_cast<size_t>(dd->SelStart()), static_cast<size_t>(dd->SelLength()));
    }
    // Saves the open pop-up as NAME.png under the test output.
    bool ShotOfPopup(const std::string& name) {
        return plat::test::SaveScreenshot(*dd->DropDownForm(), TestOutFile(name + ".png"));
    }

    std::unique_ptr<plat::TForm> form;
    TDropDown* dd = nullptr;
};
