#pragma once
// The drop-down edit every picker derives from: a single-line edit with an
// arrow button inside its right edge that opens a borderless pop-up window
// holding the picker's inner control between an optional header bar and an
// optional footer bar. The edit formats what is typed by an edit kind, keeps
// a fixed prefix and suffix, colours itself and its pop-up by a component
// style and can carry a caption label beside itself.
//
// Pickers plug in by overriding the virtual operations: CreateDropDownForm
// (create the inner control and hand it to SetControl), BeforeDropDown (load
// the value into it), DoHideDropDown (take the chosen value), the Form/Control
// key operations and SetComponentStyle.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/DropDownDraw.h"
#include "controls/EditMask.h"
#include "controls/EsgCombo.h"
#include "controls/ExtDropDownBars.h"
#include "controls/ExtDropDownForm.h"
#include "controls/ExtStyleIF.h"
#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace ctl {

class TExtCustomDropDown;
class IHtmlImageList;

enum TDropDownEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
    etAlphaNumeric, etValidChars
};
// The selection faces the pickers paint selected items with; the named ones
// follow the suite B, frost and glass looks of TKeloStyle.
enum TSelectionColorStyle { scCustom, scSuiteB, scFrost, scGlass };

// Colours of hot and selected items; the three named sets load presets.
class TItemAppearance {
public:
    TItemAppearance();
    plat::TColor BorderColor, BorderColorTop, BorderColorBottom;
    plat::TColor BorderColorHot = plat::clNone, BorderColorSelected = plat::clNone;
    plat::TColor ColorHot, ColorHotTo, ColorHotText = plat::clBlack, ColorMirrorHot, ColorMirrorHotTo;
    plat::TColor ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
    plat::TColor ColorSelectedText = plat::clBlack;
    plat::TColor EdgeColor;
    plat::TFont Font;
    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // Loads the style's twelve preset colours; scCustom keeps the present ones.
    void SetColorStyle(TSelectionColorStyle Value);
    // The twelve colours and the font, then the style (a style that differs
    // from this one's reloads its presets over them), then the text and the
    // hot and selected border colours.
    void Assign(const TItemAppearance& Source);
    plat::TNotifyEvent OnChange;

private:
    void LoadPresets(TSelectionColorStyle Style);
    TSelectionColorStyle FColorStyle = scCustom;
};

// Loads the item colours that go with a component style (tsCustom changes
// nothing; a missing appearance neither).
void SetItemAppearanceStyle(TItemAppearance* Appearance, TKeloStyle AStyle);
using TDropDownEvent = std::function<void(plat::TObject* Sender, bool& AcceptDrop)>;
using TDropUpEvent = std::function<void(plat::TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(plat::TObject* Sender, int ButtonIndex)>;
using TClipboardEvent = std::function<void(plat::TObject* Sender, const std::string& Value, bool& Allow)>;

// Plain text classes: 0 integer, 1 decimal number, 2 not a number, 5 hexadecimal.
int CheckNumericText(const std::string& S);
long long HexToInt(const std::string& S);

class TExtCustomDropDown : public plat::TEdit, public IKeloStyle, public IKeloTones {
public:
    explicit TExtCustomDropDown(plat::TComponent* AOwner);
    ~TExtCustomDropDown() override;
    // The pop-up, text-rule, bar, button and selection settings of Source
    // (not its text, label or events).
    virtual void Assign(const TExtCustomDropDown& Source);

    // ---- pop-up
    TDropDownEditButton* Button() const { return FButton; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    bool DroppedDown() const { return FDroppedDown; }
    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    plat::TControl* Control() const { return FControl; }
    void SetControl(plat::TControl* Value);

    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int Value);
    int UserDropDownWidth() const { return FUserDropDownWidth; }
    int UserDropDownHeight() const { return FUserDropDownHeight; }
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
    plat::TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(plat::TColor Value);
    plat::TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(plat::TColor Value) { FDropDownColorTo = Value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
    plat::TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(plat::TColor Value) { FDropDownBorderColor = Value; }
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = std::max(0, Value); }
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
    int DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int Value);
    // The arrow button's hint, shown when there is one.
    const std::string& DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const std::string& Value);
    // A picture for the arrow button in place of the arrow (kept by it).
    const plat::TBitmap& DropDownButtonGlyph() const { return FButton->Glyph(); }
    void SetDropDownButtonGlyph(const plat::TBitmap& Value);
    // Kept and copied: the toolkit gives a pop-up its shadow by itself, so
    // there is no shadow to force by showing it once at 1 x 1 first (and
    // the extra showing would cost it the activation it just took).
    bool ForceShadow() const { return FForceShadow; }
    void SetForceShadow(bool Value) { FForceShadow = Value; }
    // Kept and copied for the program; the drop-down itself does not read it.
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }
    // Takes the focus when the pop-up opens (when it can).
    plat::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(plat::TWinControl* Value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) {
        FEditorEnabled = Value;
        UpdateFocusMark();
    }
    // An edit that cannot be typed in shows that it holds the focus by its
    // text in the highlight colours; off, it shows nothing of the kind.
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool Value);
    bool FocusMarkShown() const;
    TBarAppearance& DropDownHeader() { return FDropDownHeader; }
    void SetDropDownHeader(const TBarAppearance& Value);
    TBarAppearance& DropDownFooter() { return FDropDownFooter; }
    void SetDropDownFooter(const TBarAppearance& Value);
    TExtButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
    void SetButtonAppearance(const TExtButtonAppearance& Value) { FButtonAppearance.Assign(Value); }
    // The images of the bar captions and bar buttons (not owned).
    const IHtmlImageList* Images() const { return FImages; }
    void SetImages(const IHtmlImageList* Value) { FImages = Value; }
    std::string Version() const { return "1.2.1.4"; }
    virtual int GetVersionNr() const { return 0x01020104; }

    // ---- frame and styles
    void SetComponentStyle(TKeloStyle AStyle) override;
    TKeloStyle GetComponentStyle() const { return FKeloStyle; }
    void SetColorTones(const TColorTones& ATones) override;
    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    plat::TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(plat::TColor Value) { FSelectionColor = Value; }
    plat::TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(plat::TColor Value) { FSelectionColorTo = Value; }
    virtual void DrawSelectionBackground(plat::TCanvas& Canvas, plat::TRect Rect, plat::TColor BackgroundColor,
                                         int Kind);
    plat::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value);
    plat::TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(plat::TColor Value);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    // The flat look: the frame in the parent's colour, sunk while the mouse
    // is over the edit or it holds the focus.
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value) { FEtched = Value; }
    // The frame colour in effect now (clNone: the system frame stays).
    plat::TColor FrameColor() const;

    // ---- text input
    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType Value);
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value);
    const std::string& Prefix() const { return FPrefix; }
    void SetPrefix(const std::string& Value);
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& Value);
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = Value; }
    bool Signed() const { return FSigned; }
    void SetSigned(bool Value) { FSigned = Value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    // Off: Enter and Esc typed in the edit go to its parent control as keys
    // rather than to the form's default and cancel buttons.
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
    // Esc on the closed edit selects its text and clears the modified mark.
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool Value) { FCanUndo = Value; }
    // The numeric keypad's decimal key types the locale's decimal separator.
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    const std::string& ValidChars() const { return FValidChars; }
    void SetValidChars(const std::string& Value) { FValidChars = Value; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
    bool IsModified() const { return FIsModified; }
    void SetModified(bool Value);
    const std::string& OldText() const { return FOldText; }
    // A mask such as "!90:00:00;1; " fixes what each place of the text
    // takes: typing fills the places, Backspace and Delete empty them, a
    // paste fills them as if typed. Empty: no mask.
    const std::string& EditMask() const { return FEditMask; }
    void SetEditMask(const std::string& Value);

    // The plain text: the displayed text without prefix and suffix.
    std::string GetText() const;
    // Formats Value by the edit kind and shows it between prefix and suffix.
    virtual void SetText(const std::string& Value);
    // Shows Value exactly as given.
    void SetPlainText(const std::string& Value);
    void SelectAll();
    void SelectAfterDecimal();
    void SelectBeforeDecimal();
    double GetFloatValue() const;
    void SetFloatValue(double Value);
    void SetIntValue(long long Value);
    static double TextToFloat(const std::string& Text);

    // ---- caption label
    const std::string& LabelCaption() const { return FLabelCaption; }
    void SetLabelCaption(const std::string& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    // Off: the label is enabled and disabled with the edit.
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    // The label's font while the edit does not use its parent's font; with
    // ParentFont on the label shows the edit's font. Changing it in place
    // shows at once.
    plat::TFont& LabelFont() { return FLabelFont; }
    void SetLabelFont(const plat::TFont& Value);
    plat::TLabel* CaptionLabel() const { return FLabel; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    plat::TNotifyEvent OnBeforeDropDown;
    TDropDownEvent OnDropDown;
    plat::TNotifyEvent OnBeforeDropUp;
    TDropUpEvent OnDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    // Paint the whole header or footer bar instead of its own painting.
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    // Each gets the text concerned and may refuse the operation.
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    plat::TNotifyEvent OnLabelClick;
    plat::TNotifyEvent OnLabelDblClick;

    // The clipboard operations by the rules of the edit kind (the keys
    // Ctrl+C, Ctrl+X, Ctrl+V and their Insert/Delete forms come here).
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    // Virtual operations the pickers override.
    virtual void BeforeDropDown();
    virtual void AdjustDropDownHeight(int& AHeight) { (void)AHeight; }
    virtual void DoShowDropDown();
    virtual void DoHideDropDown(bool Cancelled);
    virtual void DropDownButtonClick(plat::TObject* Sender);
    virtual void SelectNextItem() {}
    virtual void SelectPreviousItem() {}
    virtual void FormKeyPress(char32_t& Key);
    virtual void FormKeyDown(unsigned short& Key, plat::TShiftState Shift);
    virtual void FormKeyUp(unsigned short& Key, plat::TShiftState Shift);
    virtual void ControlKeyDown(unsigned short& Key, plat::TShiftState Shift);
    virtual void ControlKeyUp(unsigned short& Key, plat::TShiftState Shift);
    // The wheel over the open pop-up steps the entry as over the edit.
    virtual void FormMouseWheelDown(plat::TShiftState Shift, plat::TPoint MousePos, bool& Handled);
    virtual void FormMouseWheelUp(plat::TShiftState Shift, plat::TPoint MousePos, bool& Handled);
    virtual void ControlKeyPress(char32_t& Key);
    // The open pop-up changed its size (the user dragged its grip): lists
    // that fit their content to the pop-up refit here.
    virtual void DropDownFormSizing() {}

protected:
    virtual void CreateDropDownForm();
    virtual void SizeDropDownForm();
    virtual void PlaceDropDownControl();
    virtual void DropDownFormHide();
    virtual void FocusDropDownControl();
    // True where a descendant paints the focus mark itself.
    virtual bool PaintsOwnFocusMark() const { return false; }
    void UpdateFocusMark();
    // The frame in the colours set, or the flat look, over the toolkit's.
    void PaintOver(plat::TCanvas& Canvas) override;
    // The mouse is over the edit or the edit holds the focus.
    bool ShowsActiveBorder() const;
    // The arrow shows the active look along with the frame.
    void UpdateButtonFocus();
    void DoEnter() override;
    void DoExit() override;
    void Change() override;
    void Dispatch(plat::TMessage& Message) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    bool DoMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos) override;
    // An edit that takes no typing opens its pop-up from a press anywhere.
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    // A click never leaves the caret inside the prefix or the suffix.
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void WMKillFocus(plat::TMessage& Message) override;
    void WMSize(plat::TMessage& Message) override;
    void Notification(plat::TComponent* AComponent) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void CMVisibleChanged(plat::TMessage& Message) override;
    void CMEnabledChanged(plat::TMessage& Message) override;
    void CMFontChanged(plat::TMessage& Message) override;
    virtual void LabelClick(plat::TObject* Sender);
    virtual void LabelDblClick(plat::TObject* Sender);
    void ResizeControl();
    void UpdateLabel();
    // Handles one typed character by the edit kind; false drops it.
    bool AcceptChar(char32_t& Key);
    // The separator into an empty number, or a minus that turns the sign
    // over, in the float and money kinds; true when Key was taken here.
    bool SeparatorOrSignTaken(char32_t Key, bool EmptyAtStart, bool NothingSelected);
    void ToggleSign();
    void FormatMoney();
    bool ThousandSepConflict(const std::string& T, int Caret) const;
    bool FractionFull(const std::string& T, int Caret) const;
    int IntegerDigits(const std::string& T) const;
    int DecimalPos() const;
    void SetDisplay(const std::string& Plain, int Caret);
    // The clipboard, Enter and Esc rules of KeyDown; true when the key was taken.
    bool ClipboardKey(unsigned short Key, plat::TShiftState Shift);
    bool ReturnOrEscapeKey(unsigned short Key, plat::TShiftState Shift);
    // The clipboard messages of the edit's menu under the same rules as the
    // keys; true when the message was handled here.
    bool ClipboardMessage(plat::TMessage& Message);
    // The mask's share of the keys and of a paste; true when it took them.
    bool MaskKeyDown(unsigned short& Key, plat::TShiftState Shift);
    bool MaskKeyPress(char32_t& Key);
    bool MaskPaste(const std::string& Pasted);

    TDropDownForm* FDropDownForm = nullptr;

private:
    TDropDownEditButton* FButton = nullptr;
    plat::TControl* FControl = nullptr;
    plat::TWinControl* FFocusControl = nullptr;
    std::string FButtonHint;
    bool FForceShadow = false, FDropDownEnabled = false;
    TBarAppearance FDropDownHeader;
    TBarAppearance FDropDownFooter;
    TExtButtonAppearance FButtonAppearance;
    const IHtmlImageList* FImages = nullptr;
    int FDropDownWidth = 0, FDropDownHeight = 0;
    int FUserDropDownWidth = -1, FUserDropDownHeight = -1;
    TDropPosition FDropPosition = dpAuto;
    plat::TColor FDropDownColor = 0xFFFFFF, FDropDownColorTo = plat::clNone;
    TGradientDirection FDropDownGradient = gdHorizontal;
    plat::TColor FDropDownBorderColor = plat::clBlack;
    int FDropDownBorderWidth = 1;
    bool FDropDownShadow = true, FDropDownSizeable = true;
    int FButtonWidth = 17;
    bool FEditorEnabled = true;
    bool FFocusDraw = true;
    plat::TCustomControl* FFocusMark = nullptr;  // made when first shown
    bool FDroppedDown = false;
    TKeloStyle FKeloStyle = tsSuiteBAzure;
    TSelectionColorStyle FSelectionColorStyle = scSuiteB;
    plat::TColor FSelectionColor = 0xD7FFFD, FSelectionColorTo = 0x58D4FC;
    plat::TColor FBorderColor = plat::clNone, FFocusBorderColor = plat::clNone;
    bool FDisabledBorder = true, FFlat = false, FEtched = false, FMouseInControl = false;
    TDropDownEditType FEditType = etString;
    int FPrecision = 0;
    std::string FPrefix, FSuffix;
    int FLengthLimit = 0;
    bool FSigned = false, FReturnIsTab = false, FCanUndo = true, FDefaultHandling = true;
    bool FExcelStyleDecimalSeparator = false;
    bool FCutting = false;
    std::string FValidChars;
    bool FAutoThousandSeparator = true, FAllowNumericNullValue = false, FIsModified = false;
    std::string FOldText;
    std::string FEditMask;
    std::shared_ptr<TEditMaskText> FMask;
    std::string FLabelCaption;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false, FLabelAlwaysEnabled = false;
    plat::TFont FLabelFont;
    plat::TLabel* FLabel = nullptr;
};

}  // namespace ctl
