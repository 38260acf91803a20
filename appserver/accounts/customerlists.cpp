#include "customerlists.h"

#include "counters.h"
#include "sessionuser.h"
#include "sqldates.h"
#include "tablecopy.h"

#include "appserver/data/database.h"
#include "appserver/data/textfold.h"
#include "platform/dataset.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>

namespace appserver::accounts {
namespace {

using platform::FieldType;

struct ListColumn
{
    const char *sql;
    Column column;
};

// Balances, basket lines and orders by state are summed once per customer in the joins below.
const ListColumn kColumns[] = {
    {"c.kod", {"CARIKOD", FieldType::String, 25}},
    {"c.adi", {"CARIADI", FieldType::String, 100}},
    {"COALESCE(s.adi, '')", {"SATICISI", FieldType::String, 50}},
    {"ABS(COALESCE(hb.bakiye, 0)) + 0.0", {"TLBAKIYE", FieldType::Float}},
    {"CASE WHEN COALESCE(hb.bakiye, 0) > 0.005 THEN 'Borçlu' WHEN COALESCE(hb.bakiye, 0) < -0.005 "
     "THEN 'Alacaklı'"
     " ELSE '' END",
     {"DURUM", FieldType::String, 20}},
    {"c.id", {"CARINO", FieldType::Integer}},
    {"c.ozelkod", {"OZELKOD", FieldType::String, 25}},
    {"''", {"KOD1", FieldType::String, 25}},
    {"''", {"KOD2", FieldType::String, 25}},
    {"''", {"KOD3", FieldType::String, 25}},
    {"''", {"KOD4", FieldType::String, 25}},
    {"''", {"KOD5", FieldType::String, 25}},
    {"c.tel1", {"TEL1", FieldType::String, 25}},
    {"c.tel2", {"TEL2", FieldType::String, 25}},
    {"c.ilce", {"ILCE", FieldType::String, 50}},
    {"c.sehir", {"IL", FieldType::String, 50}},
    {"c.gsm", {"GSM", FieldType::String, 25}},
    {"COALESCE(b.satir, 0)", {"SEPET", FieldType::Integer}},
    {"c.yetkili", {"YETKILI", FieldType::String, 50}},
    {"c.ind1", {"INDIRIM", FieldType::Float}},
    {"c.vadegun", {"VADE", FieldType::Integer}},
    {"c.vadegun", {"VADEKONTROLGUN", FieldType::Integer}},
    {"(c.vadegun + 29) / 30", {"VADEKONTROLAY", FieldType::Integer}},
    {"c.vergidairesi", {"VERGIDAIRESI", FieldType::String, 50}},
    {"c.vergino", {"VERGINO", FieldType::String, 20}},
    {"c.adres1", {"ADRES1", FieldType::String, 100}},
    {"c.adres2", {"ADRES2", FieldType::String, 100}},
    {"c.anagrup", {"ANAGRUP", FieldType::String, 50}},
    {"c.altgrup", {"ALTGRUP", FieldType::String, 50}},
    {"c.fax1", {"FAX1", FieldType::String, 25}},
    {"c.fax2", {"FAX2", FieldType::String, 25}},
    {"c.email", {"EMAIL", FieldType::String, 100}},
    {"COALESCE(o.alindi, 0)", {"ALINDI", FieldType::Integer}},
    {"COALESCE(o.onaylandi, 0)", {"ONAYLANDI", FieldType::Integer}},
    {"COALESCE(o.goruldu, 0)", {"GORULDU", FieldType::Integer}},
    {"COALESCE(o.hazirlandi, 0)", {"HAZIRLANDI", FieldType::Integer}},
    {"COALESCE(o.parcali, 0)", {"PARCALIHAZIRLANDI", FieldType::Integer}},
    {"COALESCE(o.sevk, 0)", {"SEVKEDILDI", FieldType::Integer}},
    // Not shown: the folded text that a search looks in.
    {"c.kod || ' ' || c.adi || ' ' || c.yetkili || ' ' || c.ilce || ' ' || c.sehir",
     {"ARAMA", FieldType::String}},
};
constexpr int kSearchColumns = 1; // trailing columns only for the server

// `filter` is one of the fixed conditions of this file; its values come after the scope's.
std::unique_ptr<platform::DataSet> CustomerTable(Database &db, const SessionUser &user,
                                                 const QString &filter,
                                                 const QVariantList &filterValues)
{
    QStringList select;
    std::vector<Column> columns;
    for (const ListColumn &c : kColumns) {
        select << QString::fromUtf8(c.sql);
        columns.push_back(c.column);
    }
    QVariantList values{DateText(QDate::currentDate().addDays(-kShippedDaysOnBoard))};
    const QString scope = CustomerScope(user, values);
    values += filterValues;
    const QString sql =
        QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) +
        QStringLiteral(" FROM cari c LEFT JOIN satici s ON s.id = c.satici_id"
                       " LEFT JOIN (SELECT cari_id, ROUND(CAST(SUM(borc - alacak) AS NUMERIC), 2) "
                       "AS bakiye FROM cari_hareket"
                       "  GROUP BY cari_id) hb"
                       "  ON hb.cari_id = c.id"
                       " LEFT JOIN (SELECT cari_id, COUNT(*) AS satir FROM sepet GROUP BY cari_id) "
                       "b ON b.cari_id = c.id"
                       " LEFT JOIN (SELECT cari_id,"
                       "  SUM(CASE WHEN durum = 1 THEN 1 ELSE 0 END) AS alindi,"
                       "  SUM(CASE WHEN durum = 2 THEN 1 ELSE 0 END) AS onaylandi,"
                       "  SUM(CASE WHEN durum = 3 THEN 1 ELSE 0 END) AS goruldu,"
                       "  SUM(CASE WHEN durum = 4 THEN 1 ELSE 0 END) AS parcali,"
                       "  SUM(CASE WHEN durum = 5 THEN 1 ELSE 0 END) AS hazirlandi,"
                       "  SUM(CASE WHEN durum = 6 AND tarih >= ? THEN 1 ELSE 0 END) AS sevk"
                       "  FROM siparis GROUP BY cari_id) o ON o.cari_id = c.id"
                       " WHERE ") +
        scope + filter + QStringLiteral(" ORDER BY c.kod");
    return db.Table(sql, values, columns);
}

std::vector<int> AllRows(const platform::DataSet &table)
{
    std::vector<int> rows(size_t(table.RecordCount()));
    for (int i = 0; i < table.RecordCount(); ++i)
        rows[size_t(i)] = i;
    return rows;
}

constexpr int kShownColumns = int(std::size(kColumns)) - kSearchColumns;

} // namespace

std::unique_ptr<platform::DataSet> SearchCustomers(Database &db, const SessionUser &user,
                                                   const QString &text)
{
    std::unique_ptr<platform::DataSet> table = CustomerTable(db, user, QString(), {});
    std::vector<int> rows;
    if (text.size() > kMaxSearchLength)
        return CopyRows(*table, rows, {}, kShownColumns);
    const QStringList words =
        FoldSearchText(text).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const platform::Field &haystack = table->Fields(kShownColumns);
    for (int row = 0; row < table->RecordCount(); ++row) {
        const QString folded = FoldSearchText(haystack.StringAt(row));
        if (std::all_of(words.begin(), words.end(),
                        [&](const QString &w) { return folded.contains(w); }))
            rows.push_back(row);
    }
    return CopyRows(*table, rows, {}, kShownColumns);
}

std::unique_ptr<platform::DataSet> CustomersOnBoard(Database &db, const SessionUser &user,
                                                    int listCode)
{
    QString filter;
    QVariantList values;
    if (listCode == 0 || listCode == 1) {
        filter = QStringLiteral(" AND EXISTS (SELECT 1 FROM sepet x WHERE x.cari_id = c.id)");
    } else if (listCode >= 2 && listCode <= 7) {
        // List codes 2 to 7 are the order states 1 to 6; shipped orders count while recent.
        filter = QStringLiteral(
            " AND EXISTS (SELECT 1 FROM siparis x WHERE x.cari_id = c.id AND x.durum = ?"
            " AND (x.durum <> 6 OR x.tarih >= ?))");
        values << listCode - 1 << DateText(QDate::currentDate().addDays(-kShippedDaysOnBoard));
    } else {
        filter = QStringLiteral(" AND 1 = 0");
    }
    std::unique_ptr<platform::DataSet> table = CustomerTable(db, user, filter, values);
    return CopyRows(*table, AllRows(*table), {}, kShownColumns);
}

} // namespace appserver::accounts
