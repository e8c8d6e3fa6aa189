#include "platform/ComCtrls.h"

#include <QIcon>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>

#include "platform/NativeBridge.h"
#include "platform/QtCanvas.h"

namespace plat {

namespace {
QTabWidget* TabsOf(const TPageControl& pc) { return static_cast<QTabWidget*>(TNativeAccess::Widget(pc)); }
QTreeWidget* TreeOf(const TTreeView& tv) { return static_cast<QTreeWidget*>(TNativeAccess::Widget(tv)); }
}  // namespace

// --- TTabSheet -------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    TNativeAccess::Bind(*this, new QWidget);
}

TTabSheet::~TTabSheet() {
    if (FPageControl != nullptr) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value) {
    if (Value == FPageControl) return;
    if (FPageControl != nullptr) FPageControl->RemovePage(this);
    FPageControl = Value;
    if (Value != nullptr) Value->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (FPageControl == nullptr) return -1;
    auto& p = FPageControl->FPages;
    return static_cast<int>(std::find(p.begin(), p.end(), this) - p.begin());
}

void TTabSheet::SetTabVisible(bool Value) {
    FTabVisible = Value;
    if (FPageControl != nullptr) FPageControl->UpdateTab(this);
}

void TTabSheet::CMTextChanged(TMessage& Message) {
    TWinControl::CMTextChanged(Message);
    if (FPageControl != nullptr) FPageControl->UpdateTab(this);
}

// --- TPageControl ----------------------------------------------------------

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QTabWidget;
    QObject::connect(w, &QTabWidget::currentChanged, w, [this](int) {
        if (FSyncing) return;
        SafeCall([this] {
            if (OnChange) OnChange(this);
        });
    });
    SetBounds(0, 0, 289, 193);
    TNativeAccess::Bind(*this, w);
    SetTabStop(true);
}

TPageControl::~TPageControl() {
    // The pages may outlive the control when another component owns them.
    for (TTabSheet* p : FPages) p->FPageControl = nullptr;
    FPages.clear();
}

void TPageControl::InsertPage(TTabSheet* Page) {
    FPages.push_back(Page);
    TNativeAccess::SetParentOnly(*Page, this);
    FSyncing = true;
    TabsOf(*this)->addTab(TNativeAccess::Widget(*Page), ToQ(Page->Caption()));
    TabsOf(*this)->setTabVisible(static_cast<int>(FPages.size()) - 1, Page->TabVisible());
    FSyncing = false;
}

void TPageControl::RemovePage(TTabSheet* Page) {
    auto it = std::find(FPages.begin(), FPages.end(), Page);
    if (it == FPages.end()) return;
    const int index = static_cast<int>(it - FPages.begin());
    FPages.erase(it);
    FSyncing = true;
    if (QTabWidget* w = TabsOf(*this)) w->removeTab(index);
    FSyncing = false;
    TNativeAccess::SetParentOnly(*Page, nullptr);
    Page->FPageControl = nullptr;
}

void TPageControl::UpdateTab(TTabSheet* Page) {
    const int index = Page->PageIndex();
    if (index < 0) return;
    TabsOf(*this)->setTabText(index, ToQ(Page->Caption()));
    TabsOf(*this)->setTabVisible(index, Page->TabVisible());
}

TTabSheet* TPageControl::ActivePage() const {
    const int i = ActivePageIndex();
    return i < 0 ? nullptr : FPages[static_cast<size_t>(i)];
}

void TPageControl::SetActivePage(TTabSheet* Page) {
    if (Page == nullptr || Page->FPageControl != this) return;
    SetActivePageIndex(Page->PageIndex());
}

int TPageControl::ActivePageIndex() const { return FPages.empty() ? -1 : TabsOf(*this)->currentIndex(); }

void TPageControl::SetActivePageIndex(int Index) {
    if (Index < 0 || Index >= PageCount()) return;
    FSyncing = true;
    TabsOf(*this)->setCurrentIndex(Index);
    FSyncing = false;
}

int TPageControl::ClientWidth() const {
    QWidget* page = TabsOf(*this) == nullptr ? nullptr : TabsOf(*this)->currentWidget();
    return page != nullptr ? page->width() : Width();
}

int TPageControl::ClientHeight() const {
    QWidget* page = TabsOf(*this) == nullptr ? nullptr : TabsOf(*this)->currentWidget();
    return page != nullptr ? page->height() : Height();
}

// --- TTreeView -------------------------------------------------------------

void TTreeNode::SetText(const std::string& Value) {
    FText = Value;
    if (FNative != nullptr) static_cast<QTreeWidgetItem*>(FNative)->setText(0, ToQ(Value));
}

int TTreeNode::Level() const {
    int level = 0;
    for (TTreeNode* p = FParent; p != nullptr; p = p->FParent) ++level;
    return level;
}

int TTreeNode::Index() const {
    const auto& list = FParent != nullptr ? FParent->FChildren : FView->FRoots;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == this) return static_cast<int>(i);
    return -1;
}

bool TTreeNode::Expanded() const { return FNative != nullptr && static_cast<QTreeWidgetItem*>(FNative)->isExpanded(); }

void TTreeNode::SetExpanded(bool Value) {
    if (FNative != nullptr) static_cast<QTreeWidgetItem*>(FNative)->setExpanded(Value);
}

void TTreeNode::SetImageIndex(int Value) {
    FImageIndex = Value;
    auto* item = static_cast<QTreeWidgetItem*>(FNative);
    if (item == nullptr || FView == nullptr) return;
    if (Value < 0 || Value >= FView->ImageCount())
        item->setIcon(0, QIcon());
    else
        item->setIcon(0, QIcon(QPixmap::fromImage(PixelsOf(FView->FImages[static_cast<size_t>(Value)]))));
}

TRect TTreeNode::DisplayRect() const {
    auto* item = static_cast<QTreeWidgetItem*>(FNative);
    if (item == nullptr || FView == nullptr) return {};
    QTreeWidget* w = TreeOf(*FView);
    const QRect r = w->visualItemRect(item);
    if (r.isEmpty()) return {};
    const QPoint p = w->viewport()->mapTo(w, r.topLeft());
    return {p.x(), p.y(), p.x() + r.width(), p.y() + r.height()};
}

void TTreeNode::SetTextColor(TColor Value) {
    FTextColor = Value;
    if (FNative != nullptr) static_cast<QTreeWidgetItem*>(FNative)->setForeground(0, QBrush(ToQColor(Value)));
}

void TTreeView::SetImages(const std::vector<TBitmap>& Images) {
    FImages = Images;
    // Every node takes its picture again from the new list.
    std::vector<TTreeNode*> pending;
    for (const auto& root : FRoots) pending.push_back(root.get());
    while (!pending.empty()) {
        TTreeNode* node = pending.back();
        pending.pop_back();
        node->SetImageIndex(node->FImageIndex);
        for (const auto& child : node->FChildren) pending.push_back(child.get());
    }
}

TTreeView::TTreeView(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QTreeWidget;
    w->setHeaderHidden(true);
    w->setColumnCount(1);
    QObject::connect(w, &QTreeWidget::currentItemChanged, w, [this](QTreeWidgetItem* item, QTreeWidgetItem*) {
        if (FSyncing) return;
        FSelected = item == nullptr ? nullptr : static_cast<TTreeNode*>(item->data(0, Qt::UserRole).value<void*>());
        SafeCall([this] {
            if (OnChange) OnChange(this, FSelected);
        });
    });
    SetBounds(0, 0, 121, 97);
    TNativeAccess::Bind(*this, w);
    SetTabStop(true);
    SetColor(clWindow);
}

TTreeView::~TTreeView() {
    FSyncing = true;
    if (QTreeWidget* w = TreeOf(*this)) w->clear();
    FRoots.clear();
}

TTreeNode* TTreeView::AddChild(TTreeNode* Parent, const std::string& Text) {
    auto node = std::make_unique<TTreeNode>();
    TTreeNode* n = node.get();
    n->FView = this;
    n->FParent = Parent;
    n->FText = Text;
    auto* item = new QTreeWidgetItem(QStringList{ToQ(Text)});
    item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(n)));
    n->FNative = item;
    if (Parent != nullptr) {
        static_cast<QTreeWidgetItem*>(Parent->FNative)->addChild(item);
        Parent->FChildren.push_back(std::move(node));
    } else {
        TreeOf(*this)->addTopLevelItem(item);
        FRoots.push_back(std::move(node));
    }
    return n;
}

void TTreeView::Clear() {
    FSyncing = true;
    TreeOf(*this)->clear();
    FRoots.clear();
    FSelected = nullptr;
    FSyncing = false;
}

void TTreeView::SetSelected(TTreeNode* Node) {
    FSyncing = true;
    TreeOf(*this)->setCurrentItem(Node == nullptr ? nullptr : static_cast<QTreeWidgetItem*>(Node->FNative));
    FSelected = Node;
    FSyncing = false;
}

void TTreeView::FullExpand() { TreeOf(*this)->expandAll(); }

}  // namespace plat
