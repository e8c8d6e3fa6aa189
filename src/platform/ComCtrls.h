#pragma once
// Page controls with tab sheets, and a tree view.

#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Controls.h"

namespace plat {

class TPageControl;

// One page: a container whose Caption is its tab's text.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value);
    int PageIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);

protected:
    void CMTextChanged(TMessage& Message) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const { return FPages.at(static_cast<size_t>(Index)); }
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* Page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Index);
    int ClientWidth() const override;
    int ClientHeight() const override;

    TNotifyEvent OnChange;

private:
    friend class TTabSheet;
    friend struct TNativeAccess;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void UpdateTab(TTabSheet* Page);
    std::vector<TTabSheet*> FPages;
    bool FSyncing = false;
};

class TTreeView;

// A node of a tree view; nodes belong to the view and go with it.
class TTreeNode {
public:
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    TTreeNode* Parent() const { return FParent; }
    int Count() const { return static_cast<int>(FChildren.size()); }
    TTreeNode* Item(int Index) const { return FChildren.at(static_cast<size_t>(Index)).get(); }
    int Level() const;
    int Index() const;
    bool Expanded() const;
    void SetExpanded(bool Value);
    // The picture of the view's Images shown before the text; -1: none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // Where the node's line shows, in the view's coordinates; empty while
    // it is scrolled away or under a collapsed parent.
    TRect DisplayRect() const;
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value);
    void* Data = nullptr;

private:
    friend class TTreeView;
    TTreeView* FView = nullptr;
    TTreeNode* FParent = nullptr;
    std::string FText;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
    void* FNative = nullptr;
    int FImageIndex = -1;
    TColor FTextColor = clWindowText;
};

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

class TTreeView : public TWinControl {
public:
    explicit TTreeView(TComponent* AOwner);
    ~TTreeView() override;
    // Adds a node as the last child of Parent (a top-level node when null).
    TTreeNode* AddChild(TTreeNode* Parent, const std::string& Text);
    void Clear();
    int TopCount() const { return static_cast<int>(FRoots.size()); }
    TTreeNode* TopItem(int Index) const { return FRoots.at(static_cast<size_t>(Index)).get(); }
    TTreeNode* Selected() const { return FSelected; }
    void SetSelected(TTreeNode* Node);
    void FullExpand();
    // The node pictures, by index; nodes show them from then on.
    void SetImages(const std::vector<TBitmap>& Images);
    int ImageCount() const { return static_cast<int>(FImages.size()); }

    TTVChangedEvent OnChange;

private:
    friend class TTreeNode;
    friend struct TNativeAccess;
    std::vector<std::unique_ptr<TTreeNode>> FRoots;
    std::vector<TBitmap> FImages;
    TTreeNode* FSelected = nullptr;
    bool FSyncing = false;
};

}  // namespace plat
