#include "stocksearch.h"

#include "sqlvalues.h"

#include "appserver/data/database.h"
#include "appserver/data/textfold.h"

#include <QRegularExpression>
#include <algorithm>

namespace appserver::orders {
namespace {

// The item's search text (code, name and numbers, folded) without the blanks and separators
// numbers are written with, so that "04E1 15561" and "04E115561" meet.
const char *const kCompactSearchText =
    "REPLACE(REPLACE(REPLACE(REPLACE(s.aramakey, ' ', ''), '-', ''), '.', ''), '/', '')";

bool HasDigit(const QString &word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
}

// One word's condition: the start of the item's code key (the code folded, without its
// dashes) or a part of its search text. A word with a digit may be a number written another
// way, so it is also looked for in the compact search text; that costs a pass over every
// row's text, which plain words spare.
QString WordCondition(bool number)
{
    QString condition =
        QStringLiteral("(s.kodkey LIKE ? ESCAPE '\\' OR s.aramakey LIKE ? ESCAPE '\\'");
    if (number)
        condition +=
            QStringLiteral(" OR %1 LIKE ? ESCAPE '\\'").arg(QLatin1String(kCompactSearchText));
    return condition + QLatin1Char(')');
}

void AddWordValues(QVariantList &values, const QString &word, bool number)
{
    const QString key = LikeLiteral(CodeKey(word));
    values << key + QLatin1Char('%') << QLatin1Char('%') + LikeLiteral(word) + QLatin1Char('%');
    if (number)
        values << QLatin1Char('%') + key + QLatin1Char('%');
}

std::vector<StockItem> ReadAll(QSqlQuery query)
{
    std::vector<StockItem> items;
    const RowValues row(query);
    while (query.next())
        items.push_back(ReadStockItem(row));
    return items;
}

} // namespace

QStringList SearchWords(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words;
    for (const QString &part : FoldSearchText(text).split(blanks, Qt::SkipEmptyParts)) {
        if (CodeKey(part).isEmpty())
            continue;
        words << part;
        if (words.size() == kMaxSearchWords)
            break;
    }
    return words;
}

QString CodeKey(const QString &foldedWord)
{
    QString key;
    for (const QChar c : foldedWord) {
        if (c.isLetterOrNumber())
            key += c;
    }
    return key;
}

std::vector<StockItem> SearchStock(Database &db, const QString &text, int limit, int offset)
{
    const QStringList words = SearchWords(text);
    if (words.isEmpty() || limit <= 0)
        return {};
    QStringList conditions;
    QVariantList values;
    for (const QString &word : words) {
        const bool number = HasDigit(word);
        conditions << WordCondition(number);
        AddWordValues(values, word, number);
    }
    const QString first = CodeKey(words.first());
    values << first << LikeLiteral(first) + QLatin1Char('%') << std::min(limit, kMaxListRows)
           << std::max(offset, 0);
    const QString sql =
        QStringLiteral("SELECT %1 FROM stok s WHERE %2"
                       " ORDER BY CASE WHEN s.kodkey = ? THEN 0"
                       " WHEN s.kodkey LIKE ? ESCAPE '\\' THEN 1 ELSE 2 END, s.kod, s.id"
                       " LIMIT ? OFFSET ?")
            .arg(StockItemColumns(), conditions.join(QStringLiteral(" AND ")));
    return ReadAll(db.Exec(sql, values));
}

std::vector<StockItem> NewStock(Database &db)
{
    return ReadAll(db.Exec(QStringLiteral("SELECT %1 FROM stok s WHERE s.yeni <> 0"
                                          " ORDER BY s.kod, s.id LIMIT ?")
                               .arg(StockItemColumns()),
                           {kMaxMarketingRows}));
}

std::vector<StockItem> CampaignStock(Database &db)
{
    return ReadAll(db.Exec(QStringLiteral("SELECT %1 FROM stok s"
                                          " WHERE s.kampanyali <> 0 AND s.kampfiyat > 0"
                                          " ORDER BY s.kod, s.id LIMIT ?")
                               .arg(StockItemColumns()),
                           {kMaxMarketingRows}));
}

} // namespace appserver::orders
