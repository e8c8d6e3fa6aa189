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
#include "platform/StdCtrls.h"

namespace proto {

class TFTopicTemplate : public plat::TForm {
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

    plat::TPanel* P_Title;
    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    plat::TPanel* Panel1;
    plat::TMemo* RE_TopicTemplate;
    plat::TPanel* P_Legend;
    plat::TLabel* L_List_Keywords;
    grid::TExtStringGrid* ESG_Keywords;
    plat::TPanel* P_Button;
    plat::TControl* Btn_OK;
    plat::TControl* Btn_Cancel;

private:
    void FormCreate();
    void FormShow();
};

extern TFTopicTemplate* FTopicTemplate;

}  // namespace proto
