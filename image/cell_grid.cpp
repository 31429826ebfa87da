#include "image/cell_grid.h"

#include <string>
#include <utility>

#include "app/unit1.h"

// The pitches are the doubles nearest 34.3 and 18.6 worked in extended precision, so column 10
// lands on 416, not 417.
int CellLeft(int column) {
  return static_cast<int>(column * static_cast<long double>(34.3) + 74);
}

int CellTop(int row) {
  return static_cast<int>((row + 1) * static_cast<long double>(18.6) + 52);
}

void CreateCells(TForm1& form) {
  for (int i = 0; i < kCellCount; ++i) {
    tk::Edit* cell = form.TabControl1->Add<tk::Edit>("");
    cell->SetText("00");
    cell->SetEnabled(true);
    cell->SetFlat(true);
    cell->SetMaxLength(2);
    tk::Font font = cell->GetFont();
    font.size = 10;
    font.color = tk::kBlue;
    cell->SetFont(font);
    cell->SetBounds(CellLeft(i % 16), CellTop(i / 16), kCellWidth, kCellHeight);
    std::string name = std::to_string(i);
    name.insert(name.begin(), 'E');
    cell->SetName(std::move(name));
    form.CellEdits[i] = cell;
  }
}
