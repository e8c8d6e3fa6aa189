#pragma once
// A command shared by buttons and menu items: what runs when any of them is
// clicked, and the picture that stands for it.

#include <functional>
#include <map>
#include <string>

#include "platform/Classes.h"

namespace plat {

class TImageList;

class TAction : public TComponent {
public:
    explicit TAction(TComponent* AOwner);
    ~TAction() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    // The picture is image ImageIndex of Images (-1: none).
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);

    TNotifyEvent OnExecute;
    // Runs OnExecute; false when the action has none.
    bool Execute();

    // The controls linked to the action hear of each change, and of its
    // end (Gone) so that none keeps a freed action.
    using TLinkEvent = std::function<void(bool Gone)>;
    int Link(TLinkEvent OnChange);
    void Unlink(int Id);

private:
    void Changed();
    std::string FCaption;
    TImageList* FImages = nullptr;
    int FImageIndex = -1;
    std::map<int, TLinkEvent> FLinks;
    int FNextLink = 1;
};

}  // namespace plat
