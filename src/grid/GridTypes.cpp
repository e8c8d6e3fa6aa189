#include "grid/GridTypes.h"

namespace grid {

std::span<const std::string_view> EnumNames(TEditorType) {
    static constexpr std::string_view names[] = {"edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox", "edDateEdit", "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric", "edPositiveNumeric", "edFloat", "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase", "edFloatSpinEdit", "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn", "edCustom", "edRichEdit", "edNone", "edDateTimeEdit", "edValidChars", "edTrackbarDropDown", "edMemoDropDown", "edCalculatorDropDown", "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown", "edColorPickerDropDown", "edImagePickerDropDown", "edExtGridDropDown", "edPositiveFloat", "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn"};
    return names;
}

std::span<const std::string_view> EnumNames(TCellBorder) {
    static constexpr std::string_view names[] = {"cbTop", "cbLeft", "cbRight", "cbBottom"};
    return names;
}

std::span<const std::string_view> EnumNames(TCellGradientDirection) {
    static constexpr std::string_view names[] = {"GradientVertical", "GradientHorizontal"};
    return names;
}

std::span<const std::string_view> EnumNames(TSortStyle) {
    static constexpr std::string_view names[] = {"ssAutomatic", "ssAlphabetic", "ssNumeric", "ssDate", "ssAlphaNoCase", "ssAlphaCase", "ssShortDateEU", "ssShortDateUS", "ssCustom", "ssFinancial", "ssAnsiAlphaCase", "ssAnsiAlphaNoCase", "ssRaw", "ssHTML", "ssImages", "ssCheckBox", "ssDateTime", "ssTime", "ssAlphaNumeric", "ssAlphaNumericNoCase"};
    return names;
}

std::span<const std::string_view> EnumNames(TVAlignment) {
    static constexpr std::string_view names[] = {"vtaTop", "vtaCenter", "vtaBottom"};
    return names;
}

std::span<const std::string_view> EnumNames(TArrowDirection) {
    static constexpr std::string_view names[] = {"arrUp", "arrDown", "arrLeft", "arrRight"};
    return names;
}

std::span<const std::string_view> EnumNames(TExtGridButtonStyle) {
    static constexpr std::string_view names[] = {"tasButton", "tasCheck"};
    return names;
}

std::span<const std::string_view> EnumNames(TSearchDirection) {
    static constexpr std::string_view names[] = {"sdTopBottom", "sdLeftRight"};
    return names;
}

std::span<const std::string_view> EnumNames(TAdvanceDirection) {
    static constexpr std::string_view names[] = {"adLeftRight", "adTopBottom", "adLeftRightInRow", "adTopBottomInCol"};
    return names;
}

std::span<const std::string_view> EnumNames(TInsertPosition) {
    static constexpr std::string_view names[] = {"pInsertBefore", "pInsertAfter"};
    return names;
}

std::span<const std::string_view> EnumNames(TClipboardPasteAction) {
    static constexpr std::string_view names[] = {"paReplace", "paInsert"};
    return names;
}

std::span<const std::string_view> EnumNames(TCursorAdvance) {
    static constexpr std::string_view names[] = {"caDefault", "caSnake", "caLoop"};
    return names;
}

std::span<const std::string_view> EnumNames(THomeEndAction) {
    static constexpr std::string_view names[] = {"heFirstLastColumn", "heFirstLastRow", "heFirstLastCell"};
    return names;
}

std::span<const std::string_view> EnumNames(TGridFixedCellEdit) {
    static constexpr std::string_view names[] = {"fceNone", "fceDblClick", "fceLeftClick", "fceRightClick"};
    return names;
}

std::span<const std::string_view> EnumNames(TGridFixedCellEditor) {
    static constexpr std::string_view names[] = {"fceEdit", "fceComboEdit", "fceComboList"};
    return names;
}

std::span<const std::string_view> EnumNames(TWheelAction) {
    static constexpr std::string_view names[] = {"waMoveSelection", "waScroll"};
    return names;
}

std::span<const std::string_view> EnumNames(TGridSelectionStyle) {
    static constexpr std::string_view names[] = {"ssDefault", "ssFrost", "ssGlass", "ssSuiteB"};
    return names;
}

std::span<const std::string_view> EnumNames(THoverRowCell) {
    static constexpr std::string_view names[] = {"hcNormal", "hcFixed", "hcSelected"};
    return names;
}

std::span<const std::string_view> EnumNames(TColumnCalcType) {
    static constexpr std::string_view names[] = {"acNONE", "acSUM", "acAVG", "acCOUNT", "acMIN", "acMAX", "acSPREAD", "acCUSTOM", "acDISTINCT", "acSTDDEV"};
    return names;
}

}  // namespace grid
