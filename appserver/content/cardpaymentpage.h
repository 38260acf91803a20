#pragma once

#include "appserver/httpmessage.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace appserver {
class Database;
}

namespace appserver::content {

class FormFields;

// A card payment the page has approved, to be booked on the customer's account.
struct CardPaymentOrder
{
    qint32 customerId = 0;
    double amount = 0; // lira, whole cents
    QString cardLast4;
    QString cardHolder;
    QString approvalCode;
};
// Books the payment (in its own transaction) and returns the receipt's number; raises
// platform::Error when it cannot.
using CardPaymentRecorder = std::function<qint32(Database &db, const CardPaymentOrder &order)>;

inline constexpr double kMaxCardPayment = 1000000;
// A test card that the page always declines, so that a refusal can be tried.
inline constexpr const char *kDeclinedTestCard = "4000000000000002";

// The card-payment page (miravel.html). It shows the customer and the balance the client put
// into the address and a form for the amount and a card; the form comes back by POST. This is
// the demo's stand-in for a bank: any card number that passes the check digit with a valid
// expiry month and CVV is approved, except kDeclinedTestCard. The card number and CVV are
// never stored, only the last four digits go on.
//
// Each form carries a signed token that is good for one payment for its customer within two
// hours: a form sent twice (a reload, a double click) books one payment.
class CardPaymentPage
{
public:
    CardPaymentPage(QString firmName, CardPaymentRecorder recorder);

    HttpAnswer Show(Database &db, const FormFields &query) const;
    HttpAnswer Pay(Database &db, const FormFields &form) const;

private:
    struct Customer;
    QString Token(qint32 customerId) const;
    bool TokenValid(const QString &token, qint32 customerId) const;
    QString Signature(const QString &nonce, const QString &issued, qint32 customerId) const;
    HttpAnswer FormAnswer(int status, const Customer &customer, const FormFields &values,
                          const QString &error) const;
    HttpAnswer Message(int status, const QString &cssClass, const QString &text) const;

    QString m_firmName;
    CardPaymentRecorder m_recorder;
    QByteArray m_key; // signs the forms' tokens; new at every start
};

} // namespace appserver::content
