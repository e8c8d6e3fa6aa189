#pragma once
// The window every protocol table member is: a modal dialog with a title
// band, one or two tables (two stand on the pages of PageControl1), the
// buttons OK, Cancel, Delete, Insert, Copy and Paste Row, loaded from its
// file each time it is shown and written only by OK after its check passed.
//
// A member is a class derived from TAccessTableForm that hands the base its
// description (TAccessMember, with the tables of AccessTable.h) and
// overrides only what is its own:
//
//   const TAccessMember Receive_CAN = {
//       .Class_Name = "TFReceiveCAN",  // resources/layouts/TFReceiveCAN.layout
//       .Client_Width = 1010, .Client_Height = 337,
//       .Texts = {.Caption = 2400, .Desc = 2401, .Buttons = {2402, 2403, 2404, 2405, 2406, 2407},
//                 .Button_Hints = {2423, 2424, 2425, 2426, 2427, 2428}, .Error_Row = 2444,
//                 .Delete_Question = 2458, .Replace_Partial_File = 2460, .Rows_After_End = 2461},
//       .File = {.Root = "Receive_Frames", .Tables = {Receive_Table}},
//       .File_Path = &shell::CAN_Rec_Frames_File};
//
//   class TFReceiveCAN : public TAccessTableForm {
//   public:
//       explicit TFReceiveCAN(plat::TComponent* AOwner) : TAccessTableForm(AOwner, Receive_CAN) {}
//   protected:
//       TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override {
//           return Check_Table(Member().File.Tables[0], Tables[0], 0, Check_Receive_Row);
//       }
//   };
//
// The layout holds P_Title (L_SW_Code, L_SW_Desc), P_Button with the six
// buttons (OK, Delete, Insert, Copy and Paste bound to Btn_OKClick,
// Btn_DelRowClick, Btn_InsRowClick, Btn_CopyRowClick, Btn_PasteRowClick;
// Cancel with ModalResult 2), optionally PageControl1 with one tab sheet
// per table, and the grids named by the tables; OnCreate = FormCreate,
// OnShow = FormShow. The columns, rows, colours, editors and grid events
// come from the description, not from the layout.

#include <string>
#include <vector>

#include "grid/ExtCGrid.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"
#include "protocols/AccessTable.h"

namespace proto {

struct TAccessMember {
    const char* Class_Name = "";  // the window class; names its layout
    int Client_Width = 1150;
    int Client_Height = 337;
    TAccessTexts Texts;
    TAccessFile File;
    std::string* File_Path = nullptr;  // the configuration's file path global
    const char* Page_Control = "PageControl1";  // nullptr: one table, no pages
};

// The layout kinds the members use (the grid among them); safe to call again.
void Register_Access_Table_Controls();

class TAccessTableForm : public plat::TLayoutForm {
public:
    // Extra handlers: those a member's layout binds besides the family's.
    TAccessTableForm(plat::TComponent* AOwner, const TAccessMember& Member,
                     const plat::TLayoutHandlers& Extra_Handlers = {});
    ~TAccessTableForm() override;

    const TAccessMember& Member() const { return FMember; }

    // Captions, hints, page captions, headers and hint lists in the
    // language in force.
    virtual void Set_Lang();
    // The member's checks on the tables as they stand; shows the first fault
    // in an error box and returns false, or returns true.
    // A member whose messages do not fit the family's form shows its own.
    virtual bool Controllo_dati();

    // The tables' cells as the model (every row, every real column) and back.
    std::vector<TTable> Grid_Tables() const;
    void Put_Tables(const std::vector<TTable>& Tables);

    // The table the row buttons act on: the one on the active page.
    int Active_Table() const;
    grid::TExtColumnGrid& Table_Grid(int Table) const { return *Grids[static_cast<size_t>(Table)]; }

    // The window is made at start-up with its caption, size and handlers;
    // its controls are made when it first shows or any of these fields is
    // first read, so a window never opened costs next to nothing.
    plat::TPendingRef<plat::TPanel> P_Title{this};
    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TPanel> P_Button{this};
    plat::TPendingRef<plat::TControl> Btn_OK{this};
    plat::TPendingRef<plat::TControl> Btn_Cancel{this};
    // nullptr when the member's layout has no row buttons.
    plat::TPendingRef<plat::TControl> Btn_DelRow{this};
    plat::TPendingRef<plat::TControl> Btn_InsRow{this};
    plat::TPendingRef<plat::TControl> Btn_CopyRow{this};
    plat::TPendingRef<plat::TControl> Btn_PasteRow{this};
    plat::TPendingRef<plat::TPageControl> PageControl1{this};
    plat::TPendingList<plat::TTabSheet> Pages{this};       // one per table when there are pages
    plat::TPendingList<grid::TExtColumnGrid> Grids{this};  // one per table, in file order
    // Whether a row of that table was copied since the window was shown; a
    // copy clears the other tables' flags, so a row never pastes across.
    std::vector<bool> Do_Copy;
    // Header hints: entry k is the hint of real column k + 1.
    std::vector<std::vector<std::string>> Hints;
    // Whether the file loaded cleanly at the last showing.
    bool Loaded_Clean() const { return FLoaded_Clean; }

protected:
    // Once the controls are made and the family's tables built: a member
    // finds its own controls and binds its own grid events here, not in its
    // constructor, which must leave the controls unmade.
    virtual void Bind_Contents() {}

    // The member's rules, in its order (Check_Table per table); the default
    // passes everything.
    virtual TCheckOutcome Check_Tables(const std::vector<TTable>& Tables);
    // At each showing, before the tables are reset and the file is read.
    virtual void Show_Prepare() {}
    // The rows a table shows at this showing (asked after Show_Prepare):
    // the description's Rows unless the member sizes it from elsewhere.
    virtual int Shown_Rows(int Table) const;
    // The rows the file is read into (at least the shown ones): a member
    // that shows fewer rows than its file may hold reads them all and
    // cuts the surplus in After_Load.
    virtual int Read_Rows(int Table) const;
    // The cells as read from the file, before they reach the grids.
    virtual void After_Load(std::vector<TTable>& Tables, const TLoadReport& Report);
    // Asked by OK once the check passed, before anything is written: a
    // member's own question; false keeps the window open.
    virtual bool Confirm_Save(const std::vector<TTable>& Tables);
    // The cells about to be written (a copy; the grids keep theirs).
    virtual void Before_Save(std::vector<TTable>& Tables);
    // After Delete was confirmed.
    virtual void Delete_Row(int Table, int Row);
    // Items of a position column, refilled at each showing.
    virtual int Position_Count(int Table, int Col) const;
    // The error box's text for a failed check; members whose messages are
    // built another way (a format string) override it.
    virtual std::string Check_Text(const TCheckOutcome& Outcome) const;

    void FormCreate();
    void FormShow();
    void Btn_OKClick();
    // The row buttons; a member with its own rule for a button (a guard on
    // the current row, say) overrides it.
    virtual void Btn_DelRowClick();
    virtual void Btn_InsRowClick();
    virtual void Btn_CopyRowClick();
    virtual void Btn_PasteRowClick();

private:
    void Make_Contents();
    void Build_Tables();
    bool Cell_Check_Boxes(int Table) const;
    // Whether an emptied or inserted row is enabled.
    bool Row_Mark(int Table) const;
    void Bind_Grid_Events(int Table);
    void Show_Columns(int Table);
    void Refill_Position_Items(int Table);
    bool Confirm(int Text);

    const TAccessMember& FMember;
    bool FLoaded_Clean = true;
};

// A member with nothing of its own but its description and its rules.
template <const TAccessMember& Description, TCheckOutcome (*Rules)(const std::vector<TTable>&)>
class TMemberForm : public TAccessTableForm {
public:
    explicit TMemberForm(plat::TComponent* AOwner) : TAccessTableForm(AOwner, Description) {}

protected:
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override { return Rules(Tables); }
};

}  // namespace proto
