#pragma once
// Value sets shared by the grid classes. Window layouts store enumeration
// values by name, so the names and their order (first value = 0) are fixed;
// EnumName/EnumFromName give the stored names.

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/Graphics.h"

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
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

// Base grid.
enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TEnumSet<THoverRowCell>;
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };

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
