#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "controls/ExtStyleIF.h"
#include "controls/ThemeNotifier.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"

using namespace ctl;

namespace {

class Listener : public plat::TWinControl {
public:
    using plat::TWinControl::TWinControl;
    int changes = 0;
    std::string key;

protected:
    void WndProc(plat::TMessage& m) override {
        if (m.Msg == OfficeThemeChangedMessage) {
            ++changes;
            key = *reinterpret_cast<std::string*>(m.LParam);
        }
        plat::TWinControl::WndProc(m);
    }
};

class ThemeNotifierTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        path = std::string(VASTRIMO_TEST_OUT) + "/theme_notifier.ini";
        std::remove(path.c_str());
        form = std::make_unique<plat::TForm>(nullptr);
    }
    void TearDown() override { std::remove(path.c_str()); }
    std::string path;
    std::unique_ptr<plat::TForm> form;
};

}  // namespace

TEST_F(ThemeNotifierTest, WithoutTheSuiteNothingIsWatched) {
    TThemeNotifier n(form.get(), path);
    EXPECT_FALSE(n.Watching());
    Listener w(form.get());
    n.RegisterWindow(&w);  // does nothing
    EXPECT_EQ(n.Monitor(), nullptr);
}

TEST_F(ThemeNotifierTest, ChangesReachTheNotifierAndEachRegisteredWindowOnce) {
    {
        plat::TRegistry reg(path);
        reg.WriteString(std::string(kSuiteKeyC) + "\\General", "Present", "1");
        reg.WriteInteger(kSuiteKeyC, "Theme", 1);
    }
    TThemeNotifier n(form.get(), path);
    ASSERT_TRUE(n.Watching());
    int notices = 0;
    n.FOnOfficeThemeChange = [&](plat::TObject*) { ++notices; };
    auto* w = new Listener(form.get());
    n.RegisterWindow(w);
    n.RegisterWindow(w);  // registered twice: one entry
    EXPECT_EQ(n.Monitor()->WinList().Count(), 1);

    n.Monitor()->Check();  // nothing changed yet
    EXPECT_EQ(w->changes, 0);
    plat::TRegistry(path).WriteInteger(kSuiteKeyC, "Theme", 3);
    n.Monitor()->Check();
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(w->changes, 1);
    EXPECT_EQ(w->key, kSuiteKeyC);
    EXPECT_EQ(DetectOfficeTheme(plat::TRegistry(path)), otSuiteCBlack);

    n.UnRegisterWindow(w);
    plat::TRegistry(path).WriteInteger(kSuiteKeyC, "Theme", 2);
    n.Monitor()->Check();
    EXPECT_EQ(w->changes, 1);
    EXPECT_EQ(notices, 2);
}

TEST_F(ThemeNotifierTest, OneNotifierPerProcessUntilItGoes) {
    auto* first = ThemeNotifierInstance(form.get(), path);
    EXPECT_EQ(ThemeNotifierInstance(form.get(), path), first);
    delete first;
    auto* second = ThemeNotifierInstance(form.get(), path);
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(ThemeNotifierInstance(form.get(), path), second);
    delete second;
}

TEST(HandleList, KeepsOrderAndRemovesTheFirstEqualEntry) {
    THandleList l;
    plat::TWinControl* a = reinterpret_cast<plat::TWinControl*>(0x10);
    plat::TWinControl* b = reinterpret_cast<plat::TWinControl*>(0x20);
    l.Add(a);
    l.Insert(0, b);
    l.Add(a);
    EXPECT_EQ(l.Items(0), b);
    l.DeleteValue(a);
    EXPECT_EQ(l.Count(), 2);
    EXPECT_EQ(l.Items(1), a);
    EXPECT_TRUE(l.HasValue(a));
    l.Delete(0);
    EXPECT_FALSE(l.HasValue(b));
}
