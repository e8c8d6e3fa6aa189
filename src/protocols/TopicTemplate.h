#pragma once
// "Set Template" / "Set Topic" (unit UTopicTemplate): edits one MQTT topic
// or payload template in a multi-line editor, with a list of keywords under
// it. The caller fills the editor, shows the dialog and takes the text back
// on OK; the dialog has no file and checks nothing, the caller's OK applies
// the template rule.

#include <string>

#include "grid/ExtGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace proto {

class TFTopicTemplate : public plat::TLayoutForm {
public:
    explicit TFTopicTemplate(plat::TComponent* AOwner);
    ~TFTopicTemplate() override;

    // 0: the text is a topic; any other value: a template. Chooses the titles.
    int TopicTemplate = 0;
    // Handed over by the caller; the dialog itself does not read them.
    int Working_Mode = 0;
    int Pub_Sub = 0;

    void Set_Lang();
    void Laod_Keywords();

    // Shows the dialog on Text with the caller's fields; true and the edited
    // text in Text when it closed with OK, false and Text untouched otherwise.
    bool Edit(std::string& Text);

    plat::TPendingRef<plat::TPanel> P_Title{this};
    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TPanel> Panel1{this};
    plat::TPendingRef<plat::TMemo> RE_TopicTemplate{this};
    plat::TPendingRef<plat::TPanel> P_Legend{this};
    plat::TPendingRef<plat::TLabel> L_List_Keywords{this};
    plat::TPendingRef<grid::TExtStringGrid> ESG_Keywords{this};
    plat::TPendingRef<plat::TPanel> P_Button{this};
    plat::TPendingRef<plat::TControl> Btn_OK{this};
    plat::TPendingRef<plat::TControl> Btn_Cancel{this};

private:
    void FormCreate();
    void FormShow();
};

extern TFTopicTemplate* FTopicTemplate;

}  // namespace proto
