#include "protocols/AccessTableForm.h"

#include <algorithm>

#include "gateway/GatewayControls.h"
#include "grid/ExtCellGraphic.h"
#include "platform/Dialogs.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/RowHelpers.h"

namespace proto {

using namespace plat;
using grid::TExtColumnGrid;
using shell::Lang_Texts;

void Register_Access_Table_Controls() {
    gw::Register_Gateway_Controls();
    if (!LayoutClassRegistered("TExtStringGrid"))
        RegisterLayoutClass("TExtStringGrid", "TCustomControl",
                            [](TComponent* o) { return new grid::TExtStringGrid(o); });
    if (!LayoutClassRegistered("TExtColumnGrid"))
        RegisterLayoutClass("TExtColumnGrid", "TExtStringGrid", [](TComponent* o) { return new TExtColumnGrid(o); });
}

namespace {

TColor Group_Color(TColorGroup Group) {
    switch (Group) {
        case cgEnable: return RGB(255, 216, 176);
        case cgAddress: return RGB(224, 250, 254);
        case cgTiming: return RGB(168, 255, 168);
        case cgPosition: return RGB(252, 214, 244);
        case cgSwap: return RGB(255, 255, 168);
        case cgTopic: return RGB(213, 213, 255);
        case cgMnemonic: return clWhite;
        case cgNone: break;
    }
    return clNone;
}

bool Is_Check_Column(const TTableDescription& Table, int Col) {
    return Table.Columns[static_cast<size_t>(Col)].Editor == grid::edDataCheckBox;
}

}  // namespace

TAccessTableForm::TAccessTableForm(TComponent* AOwner, const TAccessMember& Member,
                                   const TLayoutHandlers& Extra_Handlers)
    : TLayoutForm(AOwner), FMember(Member) {
    Register_Access_Table_Controls();
    TLayoutHandlers handlers = Extra_Handlers;
    handlers.insert({{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                     {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
                     {"Btn_OKClick", TNotifyEvent([this](TObject*) { Btn_OKClick(); })},
                     {"Btn_DelRowClick", TNotifyEvent([this](TObject*) { Btn_DelRowClick(); })},
                     {"Btn_InsRowClick", TNotifyEvent([this](TObject*) { Btn_InsRowClick(); })},
                     {"Btn_CopyRowClick", TNotifyEvent([this](TObject*) { Btn_CopyRowClick(); })},
                     {"Btn_PasteRowClick", TNotifyEvent([this](TObject*) { Btn_PasteRowClick(); })}});
    Do_Copy.assign(FMember.File.Tables.size(), false);
    Hints.resize(FMember.File.Tables.size());
    LoadLayoutWhenNeeded(FMember.Class_Name, handlers, [this] { Make_Contents(); });
}

TAccessTableForm::~TAccessTableForm() = default;

void TAccessTableForm::Make_Contents() {
    P_Title = &LayoutComponent<TPanel>(*this, "P_Title");
    L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
    L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
    P_Button = &LayoutComponent<TPanel>(*this, "P_Button");
    Btn_OK = &LayoutComponent<TControl>(*this, "Btn_OK");
    Btn_Cancel = &LayoutComponent<TControl>(*this, "Btn_Cancel");
    // A member whose rows are fixed (one per channel, say) has no row buttons.
    Btn_DelRow = dynamic_cast<TControl*>(FindComponent("Btn_DelRow"));
    Btn_InsRow = dynamic_cast<TControl*>(FindComponent("Btn_InsRow"));
    Btn_CopyRow = dynamic_cast<TControl*>(FindComponent("Btn_CopyRow"));
    Btn_PasteRow = dynamic_cast<TControl*>(FindComponent("Btn_PasteRow"));
    if (FMember.Page_Control) PageControl1 = &LayoutComponent<TPageControl>(*this, FMember.Page_Control);
    for (const TTableDescription& t : FMember.File.Tables) {
        Grids.push_back(&LayoutComponent<TExtColumnGrid>(*this, t.Grid));
        if (PageControl1) Pages.push_back(&LayoutComponent<TTabSheet>(*this, t.Page ? t.Page : ""));
    }
    Build_Tables();
    Bind_Contents();
}

void TAccessTableForm::Build_Tables() {
    for (size_t t = 0; t < Grids.size(); ++t) {
        const TTableDescription& d = FMember.File.Tables[t];
        TExtColumnGrid& g = *Grids[t];
        const int cols = static_cast<int>(d.Columns.size());
        g.BeginUpdate();
        g.SetColCount(cols);
        g.SetRowCount(d.Rows + 1);
        g.SetOptions(g.Options() + TGridOptions{goRangeSelect, goColSizing});
        g.Columns().BeginUpdate();
        for (int c = 0; c < cols; ++c) {
            const TTableColumn& col = d.Columns[static_cast<size_t>(c)];
            grid::TGridColumnItem& item = g.Columns().Items(c);
            item.SetWidth(col.Width);
            if (const TColor color = Group_Color(col.Group); color != clNone) item.SetColor(color);
            if (c == 0) continue;
            // A cell check box toggles by itself: the column opens no editor.
            item.SetEditor(d.Cell_Check_Boxes && Is_Check_Column(d, c) ? grid::edNone : col.Editor);
            item.SetEditLength(col.Edit_Length);
            item.SetCheckTrue("Y");
            item.SetCheckFalse("N");
            item.SetAlignment(col.Editor == grid::edDataCheckBox ? taCenter : taLeftJustify);
            item.ComboItems().Clear();
            for (const std::string& s : col.Items) item.ComboItems().Add(s);
        }
        g.Columns().EndUpdate();
        g.Columns().Update(nullptr);
        for (int r = 1; r <= d.Rows; ++r) {
            g.SetCells(0, r, std::to_string(r));
            if (d.Row_Height > 0) g.SetRowHeights(r, d.Row_Height);
            if (!d.Cell_Check_Boxes) continue;
            for (int c = 1; c < cols; ++c)
                if (Is_Check_Column(d, c)) {
                    g.AddCheckBox(c, r, false, false);
                    // Centred like the "Y"/"N" boxes of the other tables.
                    if (grid::TCellGraphic* box = g.GetCellGraphic(c, r)) box->SetCellHAlign(grid::haCenter);
                }
        }
        if (d.Row_Height > 0) g.SetVAlignment(grid::vtaCenter);
        g.SetShowHint(d.Show_Hint);
        g.EndUpdate();
        Bind_Grid_Events(static_cast<int>(t));
    }
}

void TAccessTableForm::Bind_Grid_Events(int Table) {
    const TTableDescription& d = FMember.File.Tables[static_cast<size_t>(Table)];
    TExtColumnGrid& g = Table_Grid(Table);
    if (d.Events & teClickCell)
        g.OnClickCell = [&g](TObject*, int ARow, int ACol) {
            if (ACol == 0 && ARow > 0) g.SelectRows(ARow, 1);
        };
    // Without the binding a header double click keeps the grid's own way.
    if (d.Events & teDblClickCell) {
        g.MouseActions().SetAutoSizeColOnDblClick(false);
        g.OnDblClickCell = [&g](TObject*, int ARow, int ACol) { shell::Grid_DblClick_AutoSize(g, ARow, ACol); };
    }
    if (d.Events & teKeyPress) g.OnKeyPress = [&g](TObject*, char32_t& Key) { shell::Grid_Enter_Next_Cell(g, Key); };
    if (d.Events & teGridHint)
        g.OnGridHint = [this, Table, &g](TObject*, int ARow, int ACol, std::string& Hint) {
            const TTableDescription& desc = FMember.File.Tables[static_cast<size_t>(Table)];
            // The list follows the real columns, so a hidden column does not
            // shift the hints of the columns after it.
            const int real = g.RealColIndex(ACol);
            const std::vector<std::string>& list = Hints[static_cast<size_t>(Table)];
            if (ARow == 0 && real > 0) {
                if (real - 1 < static_cast<int>(list.size())) Hint = list[static_cast<size_t>(real - 1)];
            } else if (desc.Clear_Other_Hints) {
                Hint.clear();
            }
        };
}

void TAccessTableForm::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientWidth(FMember.Client_Width);
    SetClientHeight(FMember.Client_Height);
    Set_Lang();
}

void TAccessTableForm::Set_Lang() {
    const TAccessTexts& x = FMember.Texts;
    SetCaption(Lang_Texts[x.Caption]);
    L_SW_Desc->SetCaption(Lang_Texts[x.Desc]);
    TControl* buttons[6] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i)
        if (x.Buttons[i] && buttons[i]) buttons[i]->SetCaption(Lang_Texts[x.Buttons[i]]);
    for (size_t t = 0; t < Grids.size(); ++t) {
        const TTableDescription& d = FMember.File.Tables[t];
        if (t < Pages.size() && d.Page_Caption) Pages[t]->SetCaption(Lang_Texts[d.Page_Caption]);
        // The headers are brought into the grid once, not once per column.
        grid::TGridColumnCollection& columns = Grids[t]->Columns();
        columns.BeginUpdate();
        for (size_t c = 0; c < d.Columns.size(); ++c)
            columns.Items(static_cast<int>(c)).SetHeader(Lang_Texts[d.Columns[c].Header]);
        columns.EndUpdate();
        columns.Update(nullptr);
    }
    for (int i = 0; i < 6; ++i)
        if (x.Button_Hints[i] && buttons[i]) buttons[i]->SetHint(Lang_Texts[x.Button_Hints[i]]);
    for (size_t t = 0; t < Grids.size(); ++t) {
        const TTableDescription& d = FMember.File.Tables[t];
        Hints[t].clear();
        for (size_t c = 1; c < d.Columns.size(); ++c)
            Hints[t].push_back(d.Columns[c].Hint ? Lang_Texts[d.Columns[c].Hint] : std::string());
    }
}

void TAccessTableForm::Show_Columns(int Table) {
    const TTableDescription& d = FMember.File.Tables[static_cast<size_t>(Table)];
    TExtColumnGrid& g = Table_Grid(Table);
    for (size_t c = 1; c < d.Columns.size(); ++c) {
        if (d.Columns[c].Hidden)
            g.HideColumn(static_cast<int>(c));
        else
            g.UnHideColumn(static_cast<int>(c));
    }
}

int TAccessTableForm::Position_Count(int Table, int Col) const {
    return FMember.File.Tables[static_cast<size_t>(Table)].Columns[static_cast<size_t>(Col)].Position_Items;
}

void TAccessTableForm::Refill_Position_Items(int Table) {
    const TTableDescription& d = FMember.File.Tables[static_cast<size_t>(Table)];
    for (size_t c = 1; c < d.Columns.size(); ++c) {
        const int count = Position_Count(Table, static_cast<int>(c));
        if (count <= 0) continue;
        TStrings& items = Table_Grid(Table).Columns().Items(static_cast<int>(c)).ComboItems();
        items.Clear();
        if (d.Columns[c].Position_None) items.Add("None");
        for (int i = 0; i < count; ++i) items.Add(std::to_string(i));
    }
}

void TAccessTableForm::FormShow() {
    for (size_t t = 0; t < Grids.size(); ++t) {
        if (t < Pages.size()) Pages[t]->SetTabVisible(true);
        Show_Columns(static_cast<int>(t));
    }
    Show_Prepare();
    std::vector<TTable> tables;
    for (size_t t = 0; t < Grids.size(); ++t) {
        const int rows = Shown_Rows(static_cast<int>(t));
        TExtColumnGrid& g = *Grids[t];
        // A table without rows (a gateway without DMX channels) still shows
        // its header row as the header.
        g.SetFixedRowAlways(rows == 0);
        if (g.RowCount() != rows + 1) {
            g.BeginUpdate();
            g.SetRowCount(rows + 1);
            // Cut to its header row the grid loses its fixed row, and
            // headers set meanwhile reached only the columns.
            if (rows > 0 && g.FixedRows() == 0) {
                g.SetFixedRows(1);
                for (int c = 0; c < g.ColCount(); ++c)
                    g.Columns().Items(c).SetHeader(g.Columns().Items(c).Header());
            }
            g.EndUpdate();
        }
        tables.push_back(Reset_Table(FMember.File.Tables[t], std::max(rows, Read_Rows(static_cast<int>(t)))));
    }
    for (size_t t = 0; t < Grids.size(); ++t) Refill_Position_Items(static_cast<int>(t));
    const TLoadReport report =
        Load_Access_File(FMember.File, FMember.File_Path ? *FMember.File_Path : std::string(), tables);
    After_Load(tables, report);
    Put_Tables(tables);
    if (PageControl1) PageControl1->SetActivePageIndex(0);
    Do_Copy.assign(Grids.size(), false);
    FLoaded_Clean = report.Clean();
    // The focus starts in the first table, never on a row button, so a stray
    // Enter on opening cannot delete or insert a row.
    if (!Grids.empty()) SetActiveControl(Grids[0]);
    if (!report.Clean()) MessageDlg(report.Error, mtError, mbOK);
}

int TAccessTableForm::Shown_Rows(int Table) const {
    return FMember.File.Tables[static_cast<size_t>(Table)].Rows;
}

int TAccessTableForm::Read_Rows(int Table) const {
    return Shown_Rows(Table);
}

std::vector<TTable> TAccessTableForm::Grid_Tables() const {
    std::vector<TTable> tables;
    for (size_t t = 0; t < Grids.size(); ++t) {
        const TTableDescription& d = FMember.File.Tables[t];
        TExtColumnGrid& g = *Grids[t];
        const int count = g.RowCount() - 1;
        TTable rows(static_cast<size_t>(count));
        for (int r = 1; r <= count; ++r) {
            TTableRow& row = rows[static_cast<size_t>(r - 1)];
            row.reserve(d.Columns.size());
            for (size_t c = 0; c < d.Columns.size(); ++c) {
                const int col = static_cast<int>(c);
                bool ticked = false;
                if (d.Cell_Check_Boxes && Is_Check_Column(d, col))
                    row.push_back(g.GetCheckBoxState(col, r, ticked) && ticked ? "Y" : "N");
                else
                    row.push_back(g.Cells(col, r));
            }
        }
        tables.push_back(std::move(rows));
    }
    return tables;
}

void TAccessTableForm::Put_Tables(const std::vector<TTable>& Tables) {
    for (size_t t = 0; t < Grids.size() && t < Tables.size(); ++t) {
        TExtColumnGrid& g = *Grids[t];
        g.BeginUpdate();
        // Only the rows the grid has: a member may have read more.
        for (size_t i = 0; i < Tables[t].size() && static_cast<int>(i) + 1 < g.RowCount(); ++i) {
            const TTableRow& row = Tables[t][i];
            const TTableDescription& d = FMember.File.Tables[t];
            for (size_t c = 0; c < row.size(); ++c) {
                const int col = static_cast<int>(c), r = static_cast<int>(i) + 1;
                if (d.Cell_Check_Boxes && c < d.Columns.size() && Is_Check_Column(d, col))
                    g.SetCheckBoxState(col, r, row[c] != "N");
                else
                    g.SetCells(col, r, row[c]);
            }
        }
        g.EndUpdate();
    }
}

void TAccessTableForm::After_Load(std::vector<TTable>&, const TLoadReport&) {}

void TAccessTableForm::Before_Save(std::vector<TTable>&) {}

TCheckOutcome TAccessTableForm::Check_Tables(const std::vector<TTable>&) {
    return {};
}

bool TAccessTableForm::Controllo_dati() {
    const TCheckOutcome outcome = Check_Tables(Grid_Tables());
    if (outcome.Ok()) return true;
    MessageDlg(Check_Text(outcome), mtError, mbOK);
    return false;
}

std::string TAccessTableForm::Check_Text(const TCheckOutcome& Outcome) const {
    return Check_Message(FMember.Texts.Error_Row, Outcome);
}

bool TAccessTableForm::Confirm_Save(const std::vector<TTable>&) {
    return true;
}

bool TAccessTableForm::Confirm(int Text) {
    return MessageDlg(Lang_Texts[Text], mtConfirmation, mbYesNo) == mrYes;
}

void TAccessTableForm::Btn_OKClick() {
    if (!Controllo_dati()) return;
    std::vector<TTable> tables = Grid_Tables();
    // The file ends each table at its first row without a key: rows typed
    // below such a gap would vanish from the file unannounced.
    for (size_t t = 0; t < tables.size(); ++t)
        if (First_Row_After_End(FMember.File.Tables[t], tables[t]) > 0) {
            if (!Confirm(FMember.Texts.Rows_After_End)) return;
            break;
        }
    if (!Confirm_Save(tables)) return;
    // The tables show only what could be read; saving them replaces the
    // whole file, the unread part included.
    if (!FLoaded_Clean && !Confirm(FMember.Texts.Replace_Partial_File)) return;
    Before_Save(tables);
    std::string error;
    if (!Save_Access_File(FMember.File, tables, FMember.File_Path ? *FMember.File_Path : std::string(), &error)) {
        // The old file is untouched and the tables keep the user's edits.
        MessageDlg(error, mtError, mbOK);
        return;
    }
    FLoaded_Clean = true;
    SetModalResult(mrOk);
}

int TAccessTableForm::Active_Table() const {
    if (PageControl1 == nullptr) return 0;
    TTabSheet* page = PageControl1->ActivePage();
    for (size_t t = 0; t < Pages.size(); ++t)
        if (Pages[t] == page) return static_cast<int>(t);
    return 0;
}

bool TAccessTableForm::Cell_Check_Boxes(int Table) const {
    return FMember.File.Tables[static_cast<size_t>(Table)].Cell_Check_Boxes;
}

bool TAccessTableForm::Row_Mark(int Table) const {
    return FMember.File.Tables[static_cast<size_t>(Table)].Enable_Column >= 0;
}

void TAccessTableForm::Delete_Row(int Table, int Row) {
    if (Cell_Check_Boxes(Table))
        shell::Grid_Delete_Row_Check(Row, Table_Grid(Table), Row_Mark(Table));
    else
        shell::Grid_Delete_Row(Row, Table_Grid(Table));
}

void TAccessTableForm::Btn_DelRowClick() {
    const int t = Active_Table();
    const int row = Table_Grid(t).Row();
    // Only a data row can go; the header row never does.
    if (row < 1 || row >= Table_Grid(t).RowCount()) return;
    if (MessageDlg(Lang_Texts[FMember.Texts.Delete_Question] + std::to_string(row), mtConfirmation, mbYesNo) !=
        mrYes)
        return;
    Delete_Row(t, row);
}

void TAccessTableForm::Btn_InsRowClick() {
    const int t = Active_Table();
    if (Cell_Check_Boxes(t))
        shell::Grid_Insert_Row_Check(Table_Grid(t).Row(), Table_Grid(t), Row_Mark(t));
    else
        shell::Grid_Insert_Row(Table_Grid(t).Row(), Table_Grid(t), Row_Mark(t));
}

void TAccessTableForm::Btn_CopyRowClick() {
    const int t = Active_Table();
    if (Cell_Check_Boxes(t))
        shell::Grid_Copy_Row_Check(Table_Grid(t), Table_Grid(t).Row());
    else
        shell::Grid_Copy_Row(Table_Grid(t), Table_Grid(t).Row());
    for (size_t i = 0; i < Do_Copy.size(); ++i) Do_Copy[i] = static_cast<int>(i) == t;
}

void TAccessTableForm::Btn_PasteRowClick() {
    const int t = Active_Table();
    if (Cell_Check_Boxes(t))
        shell::Grid_Paste_Row_Check(Table_Grid(t), Table_Grid(t).Row(), Do_Copy[static_cast<size_t>(t)]);
    else
        shell::Grid_Paste_Row(Table_Grid(t), Table_Grid(t).Row(), Do_Copy[static_cast<size_t>(t)]);
}

}  // namespace proto
