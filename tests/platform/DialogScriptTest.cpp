#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

using namespace plat;

namespace {

// A small editing dialog as the program's windows are built: an edit, OK
// (with a data check) and Cancel (modal result only).
class TFDemo : public TForm {
public:
    explicit TFDemo(TComponent* owner) : TForm(owner) {
        SetCaption("Demo");
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetClientWidth(260);
        SetClientHeight(90);
        E_Name = new TEdit(this);
        E_Name->SetName("E_Name");
        E_Name->SetParent(this);
        E_Name->SetBounds(10, 10, 240, 21);
        Btn_OK = new TButton(this);
        Btn_OK->SetName("Btn_OK");
        Btn_OK->SetParent(this);
        Btn_OK->SetBounds(90, 50, 75, 25);
        Btn_OK->SetCaption("OK");
        Btn_OK->SetDefault(true);
        Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
        Btn_Cancel = new TButton(this);
        Btn_Cancel->SetParent(this);
        Btn_Cancel->SetBounds(175, 50, 75, 25);
        Btn_Cancel->SetCaption("Cancel");
        Btn_Cancel->SetModalResult(mrCancel);
        Btn_Cancel->SetCancel(true);
        OnShow = [this](TObject*) { E_Name->SetText(initial); ++shows; };
    }
    void Btn_OKClick() {
        // Stays open on a fault, as the data checks of the windows do.
        if (E_Name->Text().empty()) {
            MessageDlg("Error! Name is empty", mtError, mbOK);
            return;
        }
        saved = E_Name->Text();
        SetModalResult(mrOk);
    }
    TEdit* E_Name;
    TButton* Btn_OK;
    TButton* Btn_Cancel;
    std::string initial;
    std::string saved;
    int shows = 0;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitApplication();
        dlg = std::make_unique<TFDemo>(nullptr);
    }
    std::unique_ptr<TFDemo> dlg;
};

}  // namespace

// A test fills a modal form, presses OK and reads what the form did.
TEST_F(DialogTest, ModalFormScriptedThroughItsButtons) {
    test::TScriptedUi ui;
    dlg->initial = "old";
    ui.OnModal([](TForm& f) {
        auto& d = static_cast<TFDemo&>(f);
        EXPECT_TRUE(d.Showing());
        EXPECT_EQ(d.E_Name->Text(), "old");  // OnShow ran first
        d.E_Name->SetText("");
        test::TypeText(*d.E_Name, "Plant 7");
        test::ClickAt(*d.Btn_OK);
        return mrNone;
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(dlg->saved, "Plant 7");
    EXPECT_FALSE(dlg->Visible());
    EXPECT_EQ(dlg->shows, 1);
    EXPECT_TRUE(ui.Boxes().empty());
}

// The data check's error box is read back; the form stays open until the
// script ends, and then closes with mrCancel.
TEST_F(DialogTest, FailedCheckShowsBoxAndKeepsFormOpen) {
    test::TScriptedUi ui;
    bool openAfterOk = false;
    ui.OnModal([&](TForm& f) {
        auto& d = static_cast<TFDemo&>(f);
        test::ClickAt(*d.Btn_OK);
        test::ProcessEvents();
        openAfterOk = d.Visible() && d.ModalResult() == mrNone;
        return mrNone;
    });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_TRUE(openAfterOk);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error! Name is empty");
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_EQ(ui.Boxes()[0].Buttons, mbOK);
    EXPECT_TRUE(dlg->saved.empty());
}

// Enter presses the default button, Escape the cancel button.
TEST_F(DialogTest, EnterAndEscapeReachDefaultAndCancelButtons) {
    test::TScriptedUi ui;
    ui.OnModal([](TForm& f) {
        auto& d = static_cast<TFDemo&>(f);
        d.E_Name->SetText("x");
        test::SendKey(*d.E_Name, VK_RETURN);
        return mrNone;
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(dlg->saved, "x");

    ui.OnModal([](TForm& f) {
        test::SendKey(*static_cast<TFDemo&>(f).E_Name, VK_ESCAPE);
        return mrNone;
    });
    dlg->saved.clear();
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_TRUE(dlg->saved.empty());
    EXPECT_EQ(dlg->shows, 2);  // OnShow runs at every showing
}

// OnCloseQuery and OnClose decide whether a modal result closes the form.
TEST_F(DialogTest, CloseQueryAndCloseActionCanKeepTheFormOpen) {
    test::TScriptedUi ui;
    int asked = 0;
    bool allow = false;
    dlg->OnCloseQuery = [&](TObject*, bool& can) {
        ++asked;
        can = allow;
    };
    ui.OnModal([](TForm&) { return mrOk; });
    // Refused: the test's form then goes with mrCancel, unasked again.
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(dlg->Visible());
    allow = true;
    ui.OnModal([](TForm&) { return mrOk; });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(asked, 2);
    // Closing a modal form is a Cancel.
    ui.OnModal([](TForm& f) {
        f.Close();
        return mrNone;
    });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);

    // caNone from OnClose keeps a modeless form on screen.
    TCloseAction action = caNone;
    dlg->OnCloseQuery = nullptr;
    dlg->OnClose = [&](TObject*, TCloseAction& a) { a = action; };
    dlg->Show();
    dlg->Close();
    EXPECT_TRUE(dlg->Visible());
    action = caHide;
    dlg->Close();
    EXPECT_FALSE(dlg->Visible());
}

// Boxes take the queued answers in order; without one a box answers OK or
// Yes. Each box is recorded with its text, kind and buttons.
TEST_F(DialogTest, MessageBoxesAnsweredByTheTest) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrNo);
    ui.AnswerBox(mrCancel);
    EXPECT_EQ(MessageDlg("File already exists. Do you want to overwrite?", mtConfirmation, mbYes | mbNo | mbCancel),
              mrNo);
    EXPECT_EQ(MessageDlg("Again?", mtConfirmation, mbYesNoCancel), mrCancel);
    EXPECT_EQ(MessageDlg("Unanswered", mtConfirmation, mbYesNo), mrYes);
    ShowMessage("Done");
    ASSERT_EQ(ui.Boxes().size(), 4u);
    EXPECT_EQ(ui.Boxes()[0].Text, "File already exists. Do you want to overwrite?");
    EXPECT_EQ(ui.Boxes()[0].Type, mtConfirmation);
    EXPECT_EQ(ui.Boxes()[0].Buttons, mbYes | mbNo | mbCancel);
    EXPECT_EQ(ui.Boxes()[0].Result, mrNo);
    EXPECT_EQ(ui.Boxes()[3].Text, "Done");
    EXPECT_EQ(ui.Boxes()[3].Buttons, mbOK);
}

// The flags of Application->MessageBox give the box's kind and buttons, and
// its answers are the ID values.
TEST_F(DialogTest, ApplicationMessageBoxFlags) {
    struct Case {
        unsigned flags;
        TMsgDlgType type;
        TMsgDlgButtons buttons;
        int answer;
        int want;
    } cases[] = {
        {MB_OK | MB_ICONERROR, mtError, mbOK, mrOk, IDOK},
        {MB_YESNO | MB_ICONQUESTION, mtConfirmation, mbYes | mbNo, mrNo, IDNO},
        {MB_OKCANCEL | MB_ICONWARNING, mtWarning, mbOK | mbCancel, mrCancel, IDCANCEL},
        {MB_YESNOCANCEL | MB_ICONINFORMATION, mtInformation, mbYes | mbNo | mbCancel, mrYes, IDYES},
        {MB_RETRYCANCEL, mtCustom, mbRetry | mbCancel, mrRetry, IDRETRY},
    };
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        ui.AnswerBox(c.answer);
        EXPECT_EQ(Application->MessageBox("text", "Title", c.flags), c.want) << c.flags;
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].Caption, "Title");
        EXPECT_EQ(ui.Boxes()[0].Type, c.type) << c.flags;
        EXPECT_EQ(ui.Boxes()[0].Buttons, c.buttons) << c.flags;
    }
}

// A real box, as the user meets it over a window: owned by that window, a
// fixed size, a close button and no minimise or maximise button; closing it
// by the frame answers as Escape would.
TEST_F(DialogTest, RealBoxIsAFixedDialogOfItsWindowWithOnlyAClose) {
    const struct {
        TMsgDlgType type;
        TMsgDlgButtons buttons;
        TModalResult closed;
    } cases[] = {
        {mtError, mbOK, mrOk},
        {mtConfirmation, mbYesNo, mrNo},
        {mtWarning, mbYesNoCancel, mrCancel},
    };
    dlg->Show();
    for (const auto& c : cases) {
        dlg->SetFocus();
        test::ProcessEvents();
        TModalResult answer = mrNone;
        const test::TBoxFrame frame =
            test::CloseRealBox([&] { answer = MessageDlg("Error! Name is empty \u20ac", c.type, c.buttons); });
        ASSERT_TRUE(frame.Shown) << c.buttons;
        EXPECT_TRUE(frame.CloseButton) << c.buttons;
        EXPECT_FALSE(frame.MinimizeButton) << c.buttons;
        EXPECT_FALSE(frame.MaximizeButton) << c.buttons;
        EXPECT_TRUE(frame.FixedSize) << c.buttons;
        EXPECT_EQ(frame.Owner, dlg.get()) << c.buttons;
        EXPECT_EQ(answer, c.closed) << c.buttons;
    }
}

// An error escaping a click handler ends that command with an error box
// showing its message; the window goes on.
TEST_F(DialogTest, ErrorInAHandlerShowsItsMessage) {
    test::TScriptedUi ui;
    dlg->Show();
    dlg->Btn_Cancel->OnClick = [](TObject*) { throw std::runtime_error("Invalid cell"); };
    test::ClickAt(*dlg->Btn_Cancel);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Invalid cell");
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_TRUE(dlg->Visible());
}

// File dialogs answered by the test: the default extension is added to a
// name without one (also when written as a pattern), cancel leaves the
// dialog's name alone.
TEST_F(DialogTest, FileDialogsAnsweredByTheTest) {
    struct Case {
        const char* defaultExt;
        const char* answer;
        const char* want;
    } cases[] = {
        {"*.eds", "/tmp/p/device", "/tmp/p/device.eds"},
        {"mib", "/tmp/p/agent", "/tmp/p/agent.mib"},
        {".eds", "/tmp/p.d/out", "/tmp/p.d/out.eds"},
        {"*.eds", "/tmp/p/device.txt", "/tmp/p/device.txt"},
        {"", "/tmp/p/plain", "/tmp/p/plain"},
    };
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        TSaveDialog save(nullptr);
        save.DefaultExt = c.defaultExt;
        save.Filter = "Electronic Data Sheet (*.eds)|*.eds";
        save.InitialDir = "/tmp/p";
        ui.AnswerFileDialog(c.answer);
        ASSERT_TRUE(save.Execute()) << c.answer;
        EXPECT_EQ(save.FileName, c.want);
        ASSERT_EQ(ui.FileDialogs().size(), 1u);
        EXPECT_EQ(ui.FileDialogs()[0].Kind, fdSave);
        EXPECT_EQ(ui.FileDialogs()[0].InitialDir, "/tmp/p");
    }
    test::TScriptedUi ui;
    TOpenDialog open(nullptr);
    open.FileName = "keep.csv";
    ui.CancelFileDialog();
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(open.FileName, "keep.csv");
    EXPECT_FALSE(open.Execute());  // nothing queued: cancelled too

    std::string dir = "/start";
    ui.AnswerFileDialog("/chosen");
    EXPECT_TRUE(SelectDirectory("Folder", "/", dir));
    EXPECT_EQ(dir, "/chosen");
}

// A timer fires every interval while enabled and stops when disabled.
TEST(Timer, FiresWhileEnabled) {
    InitApplication();
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject* s) {
        EXPECT_EQ(s, &timer);
        ++ticks;
    };
    timer.SetInterval(10);
    test::Wait(200);
    EXPECT_GE(ticks, 3);
    timer.SetEnabled(false);
    const int stopped = ticks;
    test::Wait(50);
    EXPECT_EQ(ticks, stopped);

    // Disabling from inside the handler stops it after that tick, as the
    // version check does before it works.
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        timer.SetEnabled(false);
    };
    timer.SetEnabled(true);
    test::Wait(80);
    EXPECT_EQ(ticks, stopped + 1);
}

// A timer made enabled runs once the program waits for input; one switched
// off at once, or freed before then, never fires.
TEST(Timer, StartsOnceTheProgramWaits) {
    InitApplication();
    int ticks = 0, offTicks = 0, freedTicks = 0;
    TTimer on(nullptr);
    on.SetInterval(10);
    on.OnTimer = [&](TObject*) { ++ticks; };
    TTimer off(nullptr);
    off.SetEnabled(false);
    off.SetInterval(10);
    off.OnTimer = [&](TObject*) { ++offTicks; };
    auto* freed = new TTimer(nullptr);
    freed->SetInterval(10);
    freed->OnTimer = [&](TObject*) { ++freedTicks; };
    delete freed;
    test::Wait(120);
    EXPECT_GE(ticks, 2);
    EXPECT_EQ(offTicks, 0);
    EXPECT_EQ(freedTicks, 0);
    off.SetEnabled(true);
    test::Wait(80);
    EXPECT_GE(offTicks, 1);
}

// A picture of a demo form for people to look at.
TEST(Screenshot, DemoFormIsWrittenAsPng) {
    InitApplication();
    TFDemo demo(nullptr);
    demo.SetColor(RGB(248, 247, 237));
    demo.Font().SetName("Verdana");
    demo.Font().SetSize(8);
    auto* title = new TPanel(&demo);
    title->SetParent(&demo);
    title->SetBounds(0, 0, 260, 8);
    title->SetBevelOuter(bvNone);
    title->SetColor(clGray);
    auto* check = new TCheckBox(&demo);
    check->SetParent(&demo);
    check->SetBounds(10, 32, 120, 17);
    check->SetCaption("Enable");
    demo.initial = "QP4A902";
    demo.Show();
    test::ProcessEvents();
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    const std::string path = std::string(VASTRIMO_TEST_OUT) + "/demo_form.png";
    ASSERT_TRUE(test::SaveScreenshot(demo, path));
    EXPECT_GT(std::filesystem::file_size(path), 100u);
    EXPECT_EQ(test::PixelAt(demo, 255, 85), (test::TRgb{248, 247, 237}));
    EXPECT_EQ(test::PixelAt(demo, 5, 3), (test::TRgb{128, 128, 128}));
}

// A form with a fixed single border takes the client size the program sets,
// before and after it is shown, as the main window does at start-up.
TEST(FormBorder, FixedBorderTakesTheClientSizeSet) {
    InitApplication();
    TForm main(nullptr);
    main.SetBorderStyle(bsSingle);
    main.SetBorderIcons(biSystemMenu);
    main.SetColor(RGB(248, 247, 237));
    main.SetClientWidth(600);
    main.SetClientHeight(300);
    main.SetPosition(poScreenCenter);
    main.Show();
    main.SetWidth(694);
    main.SetBounds(main.Left(), main.Top(), 694, 244 + 152);
    test::ProcessEvents();
    EXPECT_EQ(main.ClientWidth(), 694);
    EXPECT_EQ(main.ClientHeight(), 396);
    EXPECT_EQ(test::PixelAt(main, 693, 395), (test::TRgb{248, 247, 237}));
}

// Alt with a letter reaches the form's controls as an accelerator until one
// takes it.
TEST_F(DialogTest, AltLetterIsOfferedToTheControlsAsAccelerator) {
    struct TAccel : TCustomControl {
        using TCustomControl::TCustomControl;
        std::vector<intptr_t> offered;
        void WndProc(TMessage& m) override {
            if (m.Msg == CM_DIALOGCHAR) {
                offered.push_back(m.WParam);
                if (m.WParam == 'S') m.Result = 1;
                return;
            }
            TCustomControl::WndProc(m);
        }
    };
    auto* accel = new TAccel(dlg.get());
    accel->SetParent(dlg.get());
    dlg->Show();
    test::SendKey(*dlg->E_Name, 'S', ssAlt, "s");
    test::SendKey(*dlg->E_Name, 'T', ssAlt, "t");
    EXPECT_EQ(accel->offered, (std::vector<intptr_t>{'S', 'T'}));
    EXPECT_EQ(dlg->E_Name->Text(), "");  // the accelerator typed nothing
}
