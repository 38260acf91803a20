#pragma once

#include <QString>
#include <vector>

namespace platform {

class GridModel;

// Writes rows of a grid to an Excel workbook: one header row with the column captions, then
// one worksheet row per grid row. Numbers (integer, float, currency fields) are written as
// numbers, dates as dates, booleans as booleans, everything else as text; pictures and check
// boxes give the value behind them. `columns` are model columns and `sourceRows` DataSet rows,
// both in the order to write. The file gets the workbook's own extension ".xlsx" in place of
// the one given; the name written is returned. Raises platform::Error when the file cannot
// be written.
QString ExportToExcel(const QString &fileName, const GridModel &model,
                      const std::vector<int> &columns, const std::vector<int> &sourceRows);

} // namespace platform
