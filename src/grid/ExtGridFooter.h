#pragma once
// The floating footer: a bar at the bottom of the grid that stays in view
// while the rows scroll. In its main style the grid's last row is the
// footer row, kept out of the grid body and filled with column totals.

#include <functional>
#include <string>

#include "grid/GridTypes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace grid {

class TExtStringGrid;
using plat::TColor;

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// (Sender, ACol, ARow, var Value)
using TCalcFooterEvent = std::function<void(plat::TObject*, int, int, std::string&)>;
// (Sender: the bar, column, canvas, rectangle)
using TFooterPaintEvent = std::function<void(plat::TObject*, int, plat::TCanvas&, plat::TRect)>;

class TFooterPanel;

class TFloatingFooter {
public:
    explicit TFloatingFooter(TExtStringGrid* AGrid);
    ~TFloatingFooter();
    TFloatingFooter(const TFloatingFooter&) = delete;
    TFloatingFooter& operator=(const TFloatingFooter&) = delete;
    // The settings of another footer; the grid each belongs to stays.
    void Assign(const TFloatingFooter& Source);

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
    void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Column() const { return FColumn; }
    void SetColumn(int Value);
    const std::string& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const std::string& Value);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // The bar is Height - 1 pixels high while visible.
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    bool EnableCalculation() const { return FEnableCalculation; }
    void SetEnableCalculation(bool Value) { FEnableCalculation = Value; }
    TCalcFooterEvent OnCalcFooter;

    // The calculation of column ACol, kept in the footer row's cell.
    TColumnCalcType ColumnCalc(int ACol) const;
    void SetColumnCalc(int ACol, TColumnCalcType Value);
    // Whether the grid's last row is the footer row now.
    bool HidesLastRow() const { return FVisible && FFooterStyle == fsFixedLastRow; }
    void Invalidate();
    // The pixels the bar takes from the bottom of the grid (0 while hidden).
    int BarHeight() const;
    // Puts the bar along the grid's bottom edge again (after a resize).
    void Place();
    TFooterPanel* Panel() { return FPanel; }

    // "<#N>" becomes the displayed text of column N in the row; a tag
    // that is not a whole number is dropped.
    static std::string ExpandTemplate(const std::string& Template,
                                      const std::function<std::string(int)>& ColumnText);

private:
    void Apply();
    TExtStringGrid* FGrid;
    TFooterPanel* FPanel = nullptr;  // owned by the grid as a child control
    TColor FBorderColor = plat::clNone;
    bool FCalculateHiddenRows = true;
    TColor FColor = plat::clBtnFace;
    int FColumn = 0;
    std::string FCustomTemplate;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    bool FShowHint = false;
    bool FVisible = false;
    int FHeight = 0;
    bool FEnableCalculation = true;
};

// The bar itself: paints the footer row (or the preview), reports clicks
// on its columns and shows the grid's hints for them.
class TFooterPanel : public plat::TCustomControl {
public:
    TFooterPanel(TExtStringGrid* AGrid, TFloatingFooter* AFooter);
    // The displayed column under a client x position, -1 past the last.
    int ColumnAt(int X) const;
    plat::TNotifyEvent OnCreated;

protected:
    void Paint() override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;

private:
    // One cell through the grid's cell drawing (or the footer paint event).
    void PaintCell(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect R, TGridDrawState State);
    TExtStringGrid* FGrid;
    TFloatingFooter* FFooter;
    int FHintColumn = -1;
};

}  // namespace grid
