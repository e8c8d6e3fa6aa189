#pragma once
// What a control that shows a table tells assistive technology, in our own
// terms: its size, its column and row headers, the text and check state of
// each cell, and the current cell. The control answers; the platform hands
// the answers to the screen reader as a table it can read and walk.

#include <string>

#include "platform/Graphics.h"

namespace plat {

enum TAccessibleCheck { acNoCheck, acUnchecked, acChecked };

// Rows and columns count from 0 over the cells below the header rows, all
// columns included; a control with no header rows has none to give.
class TAccessibleTable {
public:
    virtual ~TAccessibleTable() = default;
    virtual int AccessibleRowCount() const = 0;
    virtual int AccessibleColCount() const = 0;
    virtual std::string AccessibleColumnHeader(int Col) const = 0;
    // The text of the row's header column (its number), when it has one.
    virtual std::string AccessibleRowHeader(int Row) const = 0;
    // The cell's text as it shows, without markup.
    virtual std::string AccessibleCellText(int Col, int Row) const = 0;
    virtual TAccessibleCheck AccessibleCellCheck(int Col, int Row) const = 0;
    // The cell's place in the control's client area; empty when out of view.
    virtual TRect AccessibleCellRect(int Col, int Row) const = 0;
    // The current cell; false when there is none.
    virtual bool AccessibleCurrentCell(int& Col, int& Row) const = 0;
    // A screen reader's request to make the cell current.
    virtual void AccessibleSelectCell(int Col, int Row) = 0;
};

}  // namespace plat
