#pragma once
// Small lists a grid carries: integers bound to a cell, the multi-column sort
// index with its stored text form, the controls placed in cells and a
// line-oriented reader/writer over a string list.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/StringList.h"
#include "grid/GridTypes.h"
#include "platform/Classes.h"

namespace plat {
class TControl;
}

namespace grid {


// Integers in insertion order, duplicates allowed, bound to a cell (or to
// -1, -1 where the list belongs to no cell).
class TIntList : public TObject {
public:
    TIntList(int ACol, int ARow) : FCol(ACol), FRow(ARow) {}

    int Count() const { return int(FItems.size()); }
    int Col() const { return FCol; }
    int Row() const { return FRow; }
    // Index errors throw std::out_of_range("List index out of bounds (n)").
    int Items(int Index) const;
    void SetItems(int Index, int Value);  // fires OnChange
    void Add(int Value);                  // fires OnChange
    void Insert(int Index, int Value);    // silent
    void Delete(int Index);               // fires OnChange
    void DeleteValue(int Value);          // first equal item, through Delete
    bool HasValue(int Value) const;
    void Clear() { FItems.clear(); }      // silent

    // "3,-1,12"; writing splits by the comma-text rules (commas or blanks,
    // quotes group) and adds each item strictly converted; a non-integer
    // throws base::EConvertError with the earlier items kept.
    std::string StrValue() const;
    void SetStrValue(std::string_view Value);

    TImageChangeEvent OnChange;

protected:
    void Changed();
    void CheckIndex(int Index) const;
    std::vector<int32_t> FItems;

private:
    int FCol;
    int FRow;
};

// Sort keys in priority order: bits 0..30 the column, bit 31 set = descending.
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(-1, -1) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    int FindIndex(int ColumnIndex) const;
    int SortColumns(int Index) const;
    void SetSortColumns(int Index, int Value);
    bool SortDirections(int Index) const;  // true = ascending
    void SetSortDirections(int Index, bool Ascending);
    void ToggleIndex(int ColumnIndex);

    // Stored form "u1;d3;u0": u ascending, d descending, the column cut to
    // 16 bits. Loading never fails: unreadable pieces become column 0 or
    // are skipped.
    std::string SaveToString() const;
    void LoadFromString(std::string_view Text);
};

struct TControlItem {
    int X = 0;
    int Y = 0;
    plat::TControl* Control = nullptr;  // not owned
};

// Controls placed in cells; owns the items, never the controls.
class TControlList {
public:
    void AddControl(int X, int Y, plat::TControl* Control);
    int ControlIndex(int X, int Y) const;
    const TControlItem& Control(int Index) const;
    // Writable, so that an item follows its cell when columns or rows move.
    TControlItem& Control(int Index);
    void RemoveControl(int Index);
    int Count() const { return int(FItems.size()); }
    // True when a windowed control of the list is this one.
    bool HasControl(const plat::TControl* Control) const;

private:
    std::vector<TControlItem> FItems;
};

// A read cursor and a pending-line writer over a string list.
class TFileStringList : public base::TStringList {
public:
    void Reset();
    bool Eof() const { return FPosition >= Count(); }
    void ReadLn(std::string& S);  // past the end: std::out_of_range
    void Write(const std::string& S) { FPending += S; }
    void WriteLn(const std::string& S);

private:
    int FPosition = 0;
    std::string FPending;
};

}  // namespace grid
