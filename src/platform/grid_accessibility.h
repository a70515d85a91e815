// What a screen reader sees of a Grid: a table of the data cells only, whose
// column and row headers are the texts of the grid's fixed rows and columns.
// A sheet of 300 records is a table of 300 rows headed "Stratum", "Location"...
#pragma once

namespace vernalt {

class Grid;

// Makes every Grid report itself so; the Grid installs it when it is created.
void installGridAccessibility();

// Rows that head the columns beyond the fixed ones: the first `rows` rows are
// read as column headers, however many of them are fixed. For a grid that
// draws a second title row in a colour of its own, under its fixed row.
void setHeaderRows(Grid* grid, int rows);

// Makes a grid read as a sheet of records: row 0 holds the field names, fixed
// or not (a sheet without records shows its names in a plain row), and the one
// blank row that an empty sheet shows under its names is no record.
void setRecordSheet(Grid* grid);

} // namespace vernalt
