#include "protocols/TopicTemplate.h"

#include "platform/Layout.h"
#include "protocols/AccessTableForm.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {

void Register_Memo() {
    if (!LayoutClassRegistered("TMemo"))
        RegisterLayoutClass("TMemo", "TWinControl", [](TComponent* o) { return new TMemo(o); });
}

}  // namespace

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_Access_Table_Controls();
    Register_Memo();
    LoadLayoutWhenNeeded("TFTopicTemplate",
                         {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                          {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })}},
                         [this] {
                             P_Title = &LayoutComponent<TPanel>(*this, "P_Title");
                             L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
                             L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
                             Panel1 = &LayoutComponent<TPanel>(*this, "Panel1");
                             RE_TopicTemplate = &LayoutComponent<TMemo>(*this, "RE_TopicTemplate");
                             P_Legend = &LayoutComponent<TPanel>(*this, "P_Legend");
                             L_List_Keywords = &LayoutComponent<TLabel>(*this, "L_List_Keywords");
                             ESG_Keywords = &LayoutComponent<grid::TExtStringGrid>(*this, "ESG_Keywords");
                             P_Button = &LayoutComponent<TPanel>(*this, "P_Button");
                             Btn_OK = &LayoutComponent<TControl>(*this, "Btn_OK");
                             Btn_Cancel = &LayoutComponent<TControl>(*this, "Btn_Cancel");
                             RE_TopicTemplate->SetScrollBars(ssVertical);
                             ESG_Keywords->SetColCount(2);
                             ESG_Keywords->SetFixedCols(0);
                             ESG_Keywords->SetLeftCol(0);
                             ESG_Keywords->SetColWidths(0, 200);
                             ESG_Keywords->SetColWidths(1, 380);
                             ESG_Keywords->SetOptions(ESG_Keywords->Options() + TGridOptions{goEditing});
                         });
}

TFTopicTemplate::~TFTopicTemplate() {
    if (FTopicTemplate == this) FTopicTemplate = nullptr;
}

void TFTopicTemplate::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientWidth(635);
    SetClientHeight(396);
    Set_Lang();
}

void TFTopicTemplate::Set_Lang() {
    SetCaption(Lang_Texts[3800]);
    L_SW_Desc->SetCaption(Lang_Texts[3802]);
    L_List_Keywords->SetCaption(Lang_Texts[3804]);
    ESG_Keywords->SetCells(0, 0, Lang_Texts[3805]);
    ESG_Keywords->SetCells(1, 0, Lang_Texts[3806]);
    Btn_OK->SetCaption(Lang_Texts[3807]);
    Btn_Cancel->SetCaption(Lang_Texts[3808]);
}

void TFTopicTemplate::FormShow() {
    const bool is_template = TopicTemplate != 0;
    SetCaption(Lang_Texts[is_template ? 3801 : 3800]);
    L_SW_Desc->SetCaption(Lang_Texts[is_template ? 3803 : 3802]);
    Laod_Keywords();
    // The window is not on screen yet while it is being shown: the editor
    // takes the focus as the window appears.
    if (RE_TopicTemplate->Enabled() && RE_TopicTemplate->Visible()) SetActiveControl(RE_TopicTemplate);
}

void TFTopicTemplate::Laod_Keywords() {
    // No keywords are listed: one empty row where the user may note one.
    ESG_Keywords->SetRowCount(2);
    ESG_Keywords->SetFixedRows(1);
    ESG_Keywords->SetCells(0, 1, "");
    ESG_Keywords->SetCells(1, 1, "");
    ESG_Keywords->SetReadOnly(0, 1, false);
    ESG_Keywords->SetReadOnly(1, 1, true);
}

bool TFTopicTemplate::Edit(std::string& Text) {
    RE_TopicTemplate->Clear();
    RE_TopicTemplate->SetText(Text);
    if (ShowModal() != mrOk) return false;
    Text = RE_TopicTemplate->Text();
    return true;
}

}  // namespace proto
