#pragma once

#include "stockitems.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace appserver {
class Database;
}

namespace appserver::orders {

inline constexpr int kMaxSearchWords = 5;      // further words are not used
inline constexpr int kMaxListRows = 1000;      // no search answers with more items than this
inline constexpr int kMaxMarketingRows = 5000; // nor the new-item or campaign list

// The words of a search text, folded to plain upper-case Latin letters; words without a letter
// or digit are dropped, and only the first kMaxSearchWords are kept.
QStringList SearchWords(const QString &text);

// A word's letters and digits alone, as codes and OEM numbers are compared ("04E-115 561"
// finds "04E115561").
QString CodeKey(const QString &foldedWord);

// Items whose every word matches the start of the item's code or a part of its folded search
// text (stok.aramakey: code, name and numbers); a word with a digit also matches the search
// text with its blanks and separators taken out, so numbers meet however they are written.
// Exact code matches come first, then code prefixes, then the rest by code. At most `limit`
// items from `offset`. A text without usable words finds nothing.
std::vector<StockItem> SearchStock(Database &db, const QString &text, int limit = kMaxListRows,
                                   int offset = 0);

// The new items, or the campaign items, by code; at most kMaxMarketingRows.
std::vector<StockItem> NewStock(Database &db);
std::vector<StockItem> CampaignStock(Database &db);

} // namespace appserver::orders
