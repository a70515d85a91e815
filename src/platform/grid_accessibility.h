// What a screen reader sees of a Grid: a table of the data cells only, whose
// column and row headers are the texts of the grid's fixed rows and columns.
// A sheet of 300 records is a table of 300 rows headed "Stratum", "Location"...
#pragma once

namespace vernalt {

// Makes every Grid report itself so; the Grid installs it when it is created.
void installGridAccessibility();

} // namespace vernalt
