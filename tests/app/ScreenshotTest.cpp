#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "MainWindowFixture.h"
#include "platform/Bitmap.h"
#include "platform/TestHooks.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

class Screenshots : public apptest::MainWindowTest {};

// Pictures of the windows for people to look at; the test only checks that
// they were written.
TEST_F(Screenshots, MainWindowAndDialogs) {
    Start("screenshots", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        fs::create_directories(d + "/PROJECTS/Line 2");
        fs::create_directories(d + "/LANGUAGE");
        for (const char* lang : {"English", "Deutsch", "Italiano"})
            apptest::WriteText(d + "/LANGUAGE/" + lang + ".lng", "/#/ no texts of its own\n");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant", true, false));
        // Three stripes for one language, a plain default flag for the others.
        TBitmap flag;
        flag.SetSize(48, 32);
        const TColor stripes[] = {clBlack, clRed, clYellow};
        for (int i = 0; i < 3; ++i) {
            flag.Canvas().Brush().SetColor(stripes[i]);
            flag.Canvas().FillRect(TRect{0, i * 32 / 3, 48, (i + 1) * 32 / 3 + 1});
        }
        EXPECT_TRUE(flag.SaveToFile(d + "/LANGUAGE/Deutsch.bmp"));
        flag.Canvas().Brush().SetColor(clSilver);
        flag.Canvas().FillRect(TRect{0, 0, 48, 32});
        EXPECT_TRUE(flag.SaveToFile(d + "/LANGUAGE/DefaultFlag.bmp"));
    });
    const fs::path out = fs::path(VASTRIMO_TEST_OUT) / "screenshots";
    fs::create_directories(out);
    auto shoot = [&](TForm& form, const std::string& name) {
        form.Show();
        test::ProcessEvents();
        const std::string path = (out / (name + ".png")).string();
        EXPECT_TRUE(test::SaveScreenshot(form, path)) << name;
        EXPECT_TRUE(fs::exists(path)) << name;
        form.Hide();
    };
    shoot(*main, "main_window");
    main->LL_Update->SetCaption(
        "<a href=\"http://127.0.0.1/\">New Version Available. Click Here for more Details</a>");
    main->LL_Update->Show();
    shoot(*main, "main_window_update_link");
    shoot(*newProject, "new_project");
    shoot(*openConf, "open_configuration");
    shoot(*about, "about");
    shoot(*options, "options_language");
    options->Show();
    options->PC_Options->SetActivePage(options->TS_Con_Options);
    const std::string path = (out / "options_connection.png").string();
    EXPECT_TRUE(test::SaveScreenshot(*options, path));
    options->PC_Options->SetActivePage(options->TS_Soft_Settings);
    EXPECT_TRUE(test::SaveScreenshot(*options, (out / "options_settings.png").string()));
    options->Hide();
}

}  // namespace
