#pragma once
// A category panel group: a vertical stack of collapsible panels, each with a
// header (caption and an expand/collapse picture) over its own controls, and
// a vertical scroll bar when the stack is taller than the group.
//
// A panel's controls use the panel's own coordinates: the header covers the
// top HeaderHeight pixels, so a control meant for the first row below the
// header sits at ClientTop() + its row top. A panel's Height includes the
// header; collapsing keeps that height for the next expand and shows the
// header alone.
//
// The group stacks its visible panels in the order of their tops, one
// directly below the other, and scrolls them together.

#include <memory>
#include <vector>

#include "platform/Controls.h"

namespace plat {

class TCategoryPanelGroup;

class TCategoryPanel : public TCustomControl {
public:
    explicit TCategoryPanel(TComponent* AOwner);
    ~TCategoryPanel() override;

    TCategoryPanelGroup* PanelGroup() const { return FGroup; }
    // Also makes the group the panel's parent.
    void SetPanelGroup(TCategoryPanelGroup* Value);
    void SetParent(TWinControl* AParent) override;

    bool Collapsed() const { return FCollapsed; }
    void SetCollapsed(bool Value);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }
    // The group's header height (a default one outside a group).
    int HeaderHeight() const;
    // Where the area below the header begins, in the panel's coordinates.
    int ClientTop() const { return HeaderHeight(); }
    // The height the panel has while expanded (Height() is the header's
    // alone while collapsed).
    int ExpandedHeight() const { return FExpandedHeight; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TNotifyEvent OnExpand;
    TNotifyEvent OnCollapse;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;

private:
    friend class TCategoryPanelGroup;
    TCategoryPanelGroup* FGroup = nullptr;
    bool FCollapsed = false;
    int FExpandedHeight = 0;
    bool FPlacing = false;  // the group is moving the panel, not the user
};

class TCategoryPanelGroup : public TCustomControl {
public:
    explicit TCategoryPanelGroup(TComponent* AOwner);
    ~TCategoryPanelGroup() override;

    // Panels in the order they joined the group (hidden ones included).
    int PanelCount() const { return static_cast<int>(FPanels.size()); }
    TCategoryPanel* Panels(int Index) const { return FPanels.at(static_cast<size_t>(Index)); }

    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value);

    // The scroll bar moves the panels while its thumb is dragged, not only
    // when it is let go.
    bool VertScrollTracking() const { return FTracking; }
    void SetVertScrollTracking(bool Value);
    bool VertScrollVisible() const;
    int VertScrollPos() const { return FScrollPos; }
    void SetVertScrollPos(int Value);
    // The largest scroll position: the height of the stack beyond the group.
    int VertScrollMax() const;
    // The pixels one line of scrolling moves.
    int LineStep() const { return FLineStep; }
    void SetLineStep(int Value) { FLineStep = Value > 0 ? Value : 1; }
    // The height of all visible panels stacked.
    int StackHeight() const;
    // The width a panel gets: the group's less the scroll bar when shown.
    int PanelWidth() const;

    void CollapseAll();
    void ExpandAll();
    // Stacks the visible panels again (done by itself after every change of
    // a panel's height, place or visibility).
    void Realign();

protected:
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void WMSize(TMessage& Message) override;

private:
    friend class TCategoryPanel;
    struct TImpl;
    void AddPanel(TCategoryPanel* Panel);
    void RemovePanel(TCategoryPanel* Panel);
    void WMVScroll(TMessage& Message);
    void UpdateScrollBar();

    std::vector<TCategoryPanel*> FPanels;
    std::unique_ptr<TImpl> FImpl;
    int FHeaderHeight = 24;
    bool FTracking = true;
    int FScrollPos = 0;
    int FLineStep = 28;
    bool FRealigning = false;
};

}  // namespace plat
