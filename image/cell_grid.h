// Where the 256 cells stand on the tab control.
#pragma once

// Left of column c (0..15) and top of grid row r (0..15), in tab-control pixels.
int CellLeft(int column);
int CellTop(int row);

constexpr int kCellWidth = 38;
constexpr int kCellHeight = 21;
