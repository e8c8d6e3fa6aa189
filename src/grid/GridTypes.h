#pragma once
// Value sets shared by the grid classes. Window layouts store enumeration
// values by name, so the names and their order (first value = 0) are fixed;
// EnumName/EnumFromName give the stored names.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Grids.h"

namespace grid {

template <typename E>
using TEnumSet = plat::TSet<E>;

enum TEditorType {
    edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit, edDateEditUpDown,
    edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat, edCapital, edMixedCase,
    edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit,
    edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit, edNone, edDateTimeEdit, edValidChars,
    edTrackbarDropDown, edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
    edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edExtGridDropDown, edPositiveFloat,
    edNumericUnitEditBtn, edFloatUnitEditBtn, edMaskEditBtn
};

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TEnumSet<TCellBorder>;

enum TCellGradientDirection { GradientVertical, GradientHorizontal };

enum TSortStyle {
    ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU, ssShortDateUS,
    ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages, ssCheckBox,
    ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase
};

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };
enum TExtGridButtonStyle { tasButton, tasCheck };

// Settings objects.
enum TSearchDirection { sdTopBottom, sdLeftRight };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TClipboardPasteAction { paReplace, paInsert };
enum TClipOperation { coCut, coCopy };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

// Base grid.
enum TGridSelectionStyle { ssDefault, ssFrost, ssGlass, ssSuiteB };
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TEnumSet<THoverRowCell>;
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };

// What a cell is while it is painted (the framework grid's draw state).
using plat::TGridDrawState;
using plat::TGridDrawStateItem;
using enum plat::TGridDrawStateItem;

// Callbacks through which a grid asks its owner. The sender comes first;
// reference arguments arrive with the grid's value and may be changed.
// Several events pass the row before the column: that order is part of
// their signature.
using plat::TObject;
using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat)>;
using TOnResizeEvent = std::function<void(TObject* Sender)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(TObject* Sender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, std::string& hintstr)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TCustomCellDrawEvent = std::function<void(TObject* Sender, plat::TCanvas& Canvas, int ACol, int ARow,
                                                TGridDrawState AState, plat::TRect& ARect, bool Printing)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& Anchor)>;
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TCustomCompareEvent =
    std::function<void(TObject* Sender, const std::string& str1, const std::string& str2, int& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TGridFormatEvent = std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, std::string& aPrefix,
                                            std::string& aSuffix)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState,
                                           plat::TBrush& ABrush, plat::TFont& AFont)>;
using TGridGradientEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, plat::TColor& Color, plat::TColor& ColorTo,
                       plat::TColor& ColorMirror, plat::TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, plat::TPen& APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, plat::TPen& LeftPen,
                                                plat::TPen& TopPen, plat::TPen& RightPen, plat::TPen& BottomPen)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, plat::TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& hintstr)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& S)>;
using TGridBalloonEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& ATitle,
                                             std::string& AText, int& AIcon)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

// Stored names of each enumeration, in ordinal order.
std::span<const std::string_view> EnumNames(TEditorType);
std::span<const std::string_view> EnumNames(TCellBorder);
std::span<const std::string_view> EnumNames(TCellGradientDirection);
std::span<const std::string_view> EnumNames(TSortStyle);
std::span<const std::string_view> EnumNames(TVAlignment);
std::span<const std::string_view> EnumNames(TArrowDirection);
std::span<const std::string_view> EnumNames(TExtGridButtonStyle);
std::span<const std::string_view> EnumNames(TSearchDirection);
std::span<const std::string_view> EnumNames(TAdvanceDirection);
std::span<const std::string_view> EnumNames(TInsertPosition);
std::span<const std::string_view> EnumNames(TClipboardPasteAction);
std::span<const std::string_view> EnumNames(TCursorAdvance);
std::span<const std::string_view> EnumNames(THomeEndAction);
std::span<const std::string_view> EnumNames(TGridFixedCellEdit);
std::span<const std::string_view> EnumNames(TGridFixedCellEditor);
std::span<const std::string_view> EnumNames(TWheelAction);
std::span<const std::string_view> EnumNames(TGridSelectionStyle);
std::span<const std::string_view> EnumNames(THoverRowCell);
std::span<const std::string_view> EnumNames(TColumnCalcType);

// Name of a value; empty for a value outside the enumeration.
template <typename E>
std::string_view EnumName(E value) {
    const auto names = EnumNames(E{});
    const auto i = static_cast<size_t>(value);
    return i < names.size() ? names[i] : std::string_view{};
}

// Value of a stored name (case-sensitive, as the layouts write them).
template <typename E>
bool EnumFromName(std::string_view name, E& value) {
    const auto names = EnumNames(E{});
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            value = static_cast<E>(i);
            return true;
        }
    }
    return false;
}

}  // namespace grid
