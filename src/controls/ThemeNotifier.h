#pragma once
// Tells windows when the office suite's colour scheme changes, for grids that
// follow it. It exists only where the suite's 2007 or 2010 key is present;
// without them there is no watch and registering a window does nothing.
// The watch looks at the registry stand-in on the user-interface thread,
// so a notified window handles the change where it paints.

#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/Registry.h"

namespace ctl {

// Windows to notify, each once, in the order they registered.
class THandleList {
public:
    void Add(plat::TWinControl* Value) { FItems.push_back(Value); }
    void Insert(int Index, plat::TWinControl* Value);
    void Delete(int Index);
    void DeleteValue(plat::TWinControl* Value);
    bool HasValue(plat::TWinControl* Value) const;
    int Count() const { return int(FItems.size()); }
    plat::TWinControl* Items(int Index) const { return FItems.at(size_t(Index)); }

private:
    std::vector<plat::TWinControl*> FItems;
};

// The hidden window that receives the change first.
class TThemeNotifierWindow : public plat::TWinControl {
public:
    explicit TThemeNotifierWindow(plat::TComponent* AOwner);
    plat::TNotifyEvent FOnOfficeThemeChange;

protected:
    void WndProc(plat::TMessage& Message) override;
};

// Watches one key of the registry stand-in and sends the office-theme
// change message (WParam 1 for the current user's root, LParam the address
// of the key path during the call) to its window, then to each registered
// window, when a value of the key changes.
class TRegMonitor : public plat::TComponent {
public:
    TRegMonitor(plat::TComponent* AOwner, std::string RegistryPath, std::string Key);
    void SetWindow(plat::TWinControl* Wnd) { FWnd = Wnd; }
    THandleList& WinList() { return FWinList; }
    // Compares the key with what it held at the last look.
    void Check();
    void Stop();

private:
    std::string Snapshot() const;
    std::string FRegistryPath;
    std::string FKey;
    plat::TWinControl* FWnd = nullptr;
    THandleList FWinList;
    std::string FLast;
    plat::TTimer* FTimer = nullptr;
};

class TThemeNotifier : public plat::TComponent {
public:
    // RegistryPath: the registry stand-in to read (the user's one by default).
    explicit TThemeNotifier(plat::TComponent* AOwner, const std::string& RegistryPath = plat::TRegistry::DefaultPath());
    ~TThemeNotifier() override;

    void RegisterWindow(plat::TWinControl* Wnd);
    void UnRegisterWindow(plat::TWinControl* Wnd);
    // True when the suite's key exists and the watch runs.
    bool Watching() const { return FMonitor != nullptr; }
    TRegMonitor* Monitor() const { return FMonitor; }

    plat::TNotifyEvent FOnOfficeThemeChange;

private:
    void ThemeChanged(plat::TObject* Sender);
    TRegMonitor* FMonitor = nullptr;
    TThemeNotifierWindow* FNotifier = nullptr;
};

// The process's notifier: created on first use, owned by the main form when
// it exists, else by the candidate; a new one after the last is destroyed.
TThemeNotifier* ThemeNotifierInstance(plat::TComponent* Candidate,
                                      const std::string& RegistryPath = plat::TRegistry::DefaultPath());

}  // namespace ctl
