#include "protocols/BACnetAccess.h"

#include "base/Files.h"
#include "platform/Application.h"
#include "protocols/BACnetAccessCheck.h"
#include "protocols/BACnetAccessData.h"
#include "protocols/BACnetVocabulary.h"
#include "protocols/EDEImport.h"
#include "protocols/ImportEDEFile.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFBACnetAccess* FBACnetAccess = nullptr;

TAccessMember& BACnet_Access_Member() {
    static TAccessMember member = {.Class_Name = "TFBACnetAccess",
                                   .Client_Width = 1305,
                                   .Client_Height = 337,
                                   // No copy and paste buttons: the layout keeps them hidden.
                                   .Texts = {.Caption = 2000,
                                             .Desc = 2001,
                                             .Buttons = {2002, 2003, 2004, 2005, 0, 0},
                                             .Error_Row = 2037,
                                             .Delete_Question = 2036,
                                             .Replace_Partial_File = 2095,
                                             .Rows_After_End = 2096},
                                   .File = BACnet_Access_File(),
                                   .File_Path = &shell::BACnet_Master_Access_File};
    return member;
}

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner)
    : TAccessTableForm(AOwner, BACnet_Access_Member(),
                       {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                        {"Btn_Import_CSVClick", TNotifyEvent([this](TObject*) { Btn_Import_CSVClick(); })}}) {}

void TFBACnetAccess::Bind_Contents() {
    Btn_Import_CSV = &LayoutComponent<TControl>(*this, "Btn_Import_CSV");
    OD_EDE_File = &LayoutComponent<TOpenDialog>(*this, "OD_EDE_File");
    Table_Grid(0).OnGridHint = [this](TObject*, int ARow, int ACol, std::string& Hint) {
        ACG1GridHint(ARow, ACol, Hint);
    };
}

TFBACnetAccess::~TFBACnetAccess() {
    if (FBACnetAccess == this) FBACnetAccess = nullptr;
}

void TFBACnetAccess::FormCreate() {
    TAccessTableForm::FormCreate();
    // The wide table needs a wide screen; a narrow one scrolls instead.
    if (Screen != nullptr && Screen->Width() <= 1270) SetClientWidth(1000);
    OD_EDE_File->InitialDir = shell::Last_EDE_Folder;
}

void TFBACnetAccess::Set_Lang() {
    TAccessTableForm::Set_Lang();
    Btn_Import_CSV->SetCaption(Lang_Texts[2059]);
    Address_Headers();
}

void TFBACnetAccess::Address_Headers() {
    // The address column names what the client kind addresses.
    const bool mstp = App_BACnet_Type == BACnet_MSTP;
    Table_Grid(0).Columns().Items(bac_read::Address).SetHeader(Lang_Texts[mstp ? 2010 : 2009]);
    Table_Grid(1).Columns().Items(bac_write::Address).SetHeader(Lang_Texts[mstp ? 2022 : 2021]);
}

void TFBACnetAccess::Show_Prepare() {
    if (!Read_BACnet_Master_Type(shell::ParGen_File, App_BACnet_Type)) {
        App_BACnet_Type = BACnet_IP;
        MessageDlg(Lang_Texts[2057], mtError, mbOK);
    }
    for (TTableDescription& table : BACnet_Access_Member().File.Tables)
        table.Key_Column = BACnet_Key_Column(App_BACnet_Type);
    Address_Headers();
    if (App_BACnet_Type != BACnet_IP && App_BACnet_Type != BACnet_MSTP)
        for (int t = 0; t < 2; ++t) Table_Grid(t).HideColumn(bac_read::Address);
}

bool TFBACnetAccess::Controllo_dati() {
    const std::vector<TTable> tables = Grid_Tables();
    const TTableFault fault = Check_BACnet_Access({tables[0], tables[1]}, App_BACnet_Type);
    if (fault.Ok()) return true;
    MessageDlg(Table_Fault_Message(fault), mtError, mbOK);
    return false;
}

void TFBACnetAccess::ACG1GridHint(int ARow, int ACol, std::string& Hint) {
    // The size of what the row's property reads, on the Property cell.
    grid::TExtColumnGrid& g = Table_Grid(0);
    Hint.clear();
    if (ARow < 1 || g.RealColIndex(ACol) != bac_read::Property) return;
    const int type = Check_Object_Type(g.Cells(bac_read::Object_Type, ARow), 0);
    Hint = Str_Hint_Read(type, Check_Property(g.Cells(bac_read::Property, ARow), 0, type));
}

void TFBACnetAccess::Btn_Import_CSVClick() {
    if (!OD_EDE_File->Execute()) return;
    const std::string file = OD_EDE_File->FileName;
    shell::Last_EDE_Folder = base::ExtractFilePath(file);
    OD_EDE_File->InitialDir = shell::Last_EDE_Folder;
    if (FImportEDEFile == nullptr || !FImportEDEFile->Execute(App_BACnet_Type, file)) return;
    std::vector<TTable> tables = Grid_Tables();
    TBACnetAccessData data{std::move(tables[0]), std::move(tables[1])};
    const TEDEImportReport report =
        Import_EDE_Vars(FImportEDEFile->List_EDE_Var, FImportEDEFile->E_ID_IP->Text(), App_BACnet_Type, data);
    Put_Tables({data.Read, data.Write});
    // Objects past a table's last row were not imported: the user is told
    // which, so none goes missing unseen.
    const auto tell = [](int text, const std::vector<std::string>& names) {
        if (names.empty()) return;
        std::string list;
        for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
        MessageDlg(Lang_Texts[text] + list, mtWarning, mbOK);
    };
    tell(2092, report.NotRead);
    tell(2093, report.NotWritten);
}

}  // namespace proto
