#pragma once

#include <QStringList>
#include <memory>
#include <vector>

namespace platform {
class DataSet;
}

namespace appserver::accounts {

// A new table with the given rows of `source`, in the given order, and its first
// `columnCount` columns (all when -1). `names`, when given, renames those columns in order: the
// database layer takes column names as plain ASCII, but a few lists name their columns in
// Turkish ("Açıklama", "Döviz Tutar").
std::unique_ptr<platform::DataSet> CopyRows(const platform::DataSet &source,
                                            const std::vector<int> &rows,
                                            const QStringList &names = {}, int columnCount = -1);

// All rows of `source` under new column names.
std::unique_ptr<platform::DataSet> Renamed(const platform::DataSet &source,
                                           const QStringList &names);

} // namespace appserver::accounts
