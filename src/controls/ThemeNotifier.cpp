#include "controls/ThemeNotifier.h"

#include <algorithm>

#include "controls/ExtStyleIF.h"
#include "platform/Application.h"
#include "platform/Forms.h"

namespace ctl {

namespace {
TThemeNotifier* gNotifier = nullptr;
}

// --- THandleList ---------------------------------------------------------------
void THandleList::Insert(int Index, plat::TWinControl* Value) {
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, Value);
}

void THandleList::Delete(int Index) {
    if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

void THandleList::DeleteValue(plat::TWinControl* Value) {
    const auto it = std::find(FItems.begin(), FItems.end(), Value);
    if (it != FItems.end()) FItems.erase(it);
}

bool THandleList::HasValue(plat::TWinControl* Value) const {
    return std::find(FItems.begin(), FItems.end(), Value) != FItems.end();
}

// --- TThemeNotifierWindow ----------------------------------------------------------
TThemeNotifierWindow::TThemeNotifierWindow(plat::TComponent* AOwner) : plat::TWinControl(AOwner) {
    SetVisible(false);
}

void TThemeNotifierWindow::WndProc(plat::TMessage& Message) {
    if (Message.Msg == OfficeThemeChangedMessage && FOnOfficeThemeChange) FOnOfficeThemeChange(this);
    plat::TWinControl::WndProc(Message);
}

// --- TRegMonitor -------------------------------------------------------------------------
TRegMonitor::TRegMonitor(plat::TComponent* AOwner, std::string RegistryPath, std::string Key)
    : plat::TComponent(AOwner), FRegistryPath(std::move(RegistryPath)), FKey(std::move(Key)) {
    FLast = Snapshot();
    FTimer = new plat::TTimer(this);
    FTimer->SetInterval(500);
    FTimer->OnTimer = [this](plat::TObject*) { Check(); };
    FTimer->SetEnabled(true);
}

std::string TRegMonitor::Snapshot() const {
    const plat::TRegistry reg(FRegistryPath);
    std::string s;
    for (const auto& name : reg.ValueNames(FKey)) s += name + "=" + reg.ReadString(FKey, name) + "\n";
    return s;
}

void TRegMonitor::Check() {
    const std::string now = Snapshot();
    if (now == FLast) return;
    FLast = now;
    std::string key = FKey;
    const auto send = [&key](plat::TWinControl* w) {
        w->Perform(OfficeThemeChangedMessage, 1, reinterpret_cast<intptr_t>(&key));
    };
    if (FWnd) send(FWnd);
    // A window may unregister itself while it is told: walk a copy.
    const THandleList windows = FWinList;
    for (int i = 0; i < windows.Count(); ++i) send(windows.Items(i));
}

void TRegMonitor::Stop() {
    if (FTimer) FTimer->SetEnabled(false);
}

// --- TThemeNotifier -------------------------------------------------------------------------
TThemeNotifier::TThemeNotifier(plat::TComponent* AOwner, const std::string& RegistryPath)
    : plat::TComponent(AOwner) {
    const int version = DetectOfficeVersion(plat::TRegistry(RegistryPath));
    if (version != 1 && version != 2) return;
    auto* parent = dynamic_cast<plat::TWinControl*>(AOwner);
    FNotifier = new TThemeNotifierWindow(this);
    if (parent) FNotifier->SetParent(parent);
    FNotifier->FOnOfficeThemeChange = [this](plat::TObject* s) { ThemeChanged(s); };
    FMonitor = new TRegMonitor(this, RegistryPath, version == 2 ? kSuiteKeyC : kSuiteKeyB);
    FMonitor->SetWindow(FNotifier);
}

TThemeNotifier::~TThemeNotifier() {
    if (FMonitor) FMonitor->Stop();
    if (gNotifier == this) gNotifier = nullptr;
}

void TThemeNotifier::ThemeChanged(plat::TObject*) {
    if (FOnOfficeThemeChange) FOnOfficeThemeChange(this);
}

void TThemeNotifier::RegisterWindow(plat::TWinControl* Wnd) {
    if (FMonitor && Wnd && !FMonitor->WinList().HasValue(Wnd)) FMonitor->WinList().Add(Wnd);
}

void TThemeNotifier::UnRegisterWindow(plat::TWinControl* Wnd) {
    if (FMonitor) FMonitor->WinList().DeleteValue(Wnd);
}

TThemeNotifier* ThemeNotifierInstance(plat::TComponent* Candidate, const std::string& RegistryPath) {
    if (gNotifier) return gNotifier;
    plat::TComponent* owner = Candidate;
    if (plat::Application && plat::Application->MainForm()) owner = plat::Application->MainForm();
    gNotifier = new TThemeNotifier(owner, RegistryPath);
    return gNotifier;
}

}  // namespace ctl
