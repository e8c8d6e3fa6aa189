#pragma once
// Two small pickers: a track bar drop-down editing an integer (Up/Down keys
// and a horizontal drag over the edit change it too) and a memo drop-down
// editing a multi-line text whose edit shows the first line.

#include <string>

#include "controls/ExtDropDown.h"
#include "platform/StdCtrls.h"

namespace ctl {

// A horizontal track bar drawn by itself: a groove, ticks every Frequency
// and a thumb; Left/Right step by one, PageUp/PageDown by PageSize, a click
// moves the thumb to the point.
class TExtTrackBar : public plat::TCustomControl {
public:
    explicit TExtTrackBar(plat::TComponent* AOwner);
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    // Clamped to [Min, Max]; a change fires OnChange.
    void SetPosition(int Value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value) { FFrequency = std::max(1, Value); Invalidate(); }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value) { FPageSize = Value; }
    // The x of the thumb's centre for a position.
    int ThumbX(int Pos) const;

    plat::TNotifyEvent OnChange;

protected:
    void Paint() override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void Dispatch(plat::TMessage& Message) override;

private:
    int PositionAt(int X) const;
    int FMin = 0, FMax = 10, FPosition = 0, FFrequency = 1, FPageSize = 2;
};

class TExtTrackBarDropDown : public TExtCustomDropDown {
public:
    explicit TExtTrackBarDropDown(plat::TComponent* AOwner);
    TExtTrackBar* TrackBar() const { return FTrackBar; }
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    // A text that is no integer gives the position 0 (then clamped).
    void SetText(const std::string& Value) override;
    void BeforeDropDown() override;

    plat::TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

private:
    void TrackChanged();
    TExtTrackBar* FTrackBar = nullptr;
    int FMin = 0, FFrequency = 1, FPageSize = 2, FMax = 10, FPosition = 0;
    bool FMouseDragging = false;
    int FMouseX = 0;
};

class TExtMemoDropDown : public TExtCustomDropDown {
public:
    explicit TExtMemoDropDown(plat::TComponent* AOwner);
    plat::TMemo* Memo() const { return FMemo; }
    plat::TStrings& MemoText() { return FMemoText; }
    void SetMemoText(const std::string& Text);
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool Value);
    plat::TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(plat::TScrollStyle Value) { FMemoScrollBars = Value; }
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool Value) { FAutoDrop = Value; }

    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void ControlKeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;

    plat::TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void DropDownFormHide() override;
    void DoEnter() override;

private:
    void MemoTextChanged();
    plat::TMemo* FMemo = nullptr;
    plat::TStrings FMemoText;
    plat::TScrollStyle FMemoScrollBars = plat::ssNone;
    bool FMemoReadOnly = false;
    bool FAutoDrop = false;
    bool FInternalUpdate = false;
};

}  // namespace ctl
