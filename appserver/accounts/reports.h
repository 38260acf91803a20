#pragma once

#include <QByteArray>
#include <QString>

namespace appserver {
class Database;
}

namespace appserver::accounts {

// Report document numbers.
inline constexpr int kCustomerSummaryReport = 6; // one customer's summary, or all receivables
inline constexpr int kSalesTableReport = 7;      // one customer's sales and collections by month

// A report document request as the client sends it.
struct ReportRequest
{
    int number = 0;
    qint64 userId = 0;     // who asks: decides which customers the report may show
    qint64 customerId = 0; // 0: all customers (report 6 only)
    QString salesperson;   // "." or empty: any salesperson
    double day1 = 0;       // day numbers
    double day2 = 0;
};

// The PDF document of the report. Raises platform::Error for an unknown report number, an
// unknown user or customer, a customer the user may not see, or dates out of range.
QByteArray ReportPdf(Database &db, const ReportRequest &request);

} // namespace appserver::accounts
