#pragma once
// The grid's row filter: a list of conditions, each on one column (or on
// the whole row), combined in list order. Rows that fail are hidden as one
// filter level; levels come back last first.

#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"

namespace grid {

class TExtStringGrid;

enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod { fmExpression, fmLiteral };

class TFilterData : public plat::TObject {
public:
    // Copies every setting but Method.
    void Assign(const TFilterData& Source);

    int Column = 0;
    std::string Condition;  // empty accepts every row
    bool CaseSensitive = true;
    TFilterCells Data = fcVirtual;
    std::string Prefix;  // taken off the text before it is tested
    std::string Suffix;
    TFilterOperation Operation = foSHORT;
    TFilterMethod Method = fmExpression;
};

class TFilter : public plat::TObject {
public:
    explicit TFilter(TExtStringGrid* AGrid) : FGrid(AGrid) {}
    TExtStringGrid* Owner() const { return FGrid; }

    int Count() const { return static_cast<int>(FItems.size()); }
    TFilterData& Items(int Index) { return *FItems.at(Index); }
    const TFilterData& Items(int Index) const { return *FItems.at(Index); }
    void SetItems(int Index, const TFilterData& Value) { Items(Index).Assign(Value); }
    // A lone item replaces the result so far; later ones are and-ed in.
    TFilterData& Add();
    // Puts the item at Index (at the end when Index is out of range); its
    // operation stays foSHORT.
    TFilterData& Insert(int Index);
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    void Assign(const TFilter& Source);

    // The first item on Col, or a new one (through Add) when there is none.
    TFilterData& ColumnFilter(int Col);
    TFilterData& GetColFilter(int Col) { return ColumnFilter(Col); }
    bool HasFilter(int Col) const;
    void RemoveColumnFilter(int Col);

private:
    TExtStringGrid* FGrid;
    std::vector<std::unique_ptr<TFilterData>> FItems;
};

}  // namespace grid
