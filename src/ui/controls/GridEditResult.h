#pragma once

#include <QString>

// What an in-place edit of a grid cell ended with.
struct GridEditResult {
    int m_row = -1;
    int m_column = -1;
    // The chosen entry of an in-place list; -1 for a text box or typed text.
    int m_listIndex = -1;
    QString m_text;
    // The user pressed Escape in a text box: the cell keeps its text.
    bool m_cancelled = false;
};

// Where an in-place edit goes on after its control closed.
enum class GridEditMove { NextCell, PreviousCell, RowUp, RowDown, FirstRow, LastRow, PageUp, PageDown };
