#pragma once

#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

class QLabel;

namespace platform {
class Connection;
}

// The overdue-debt warning under the basket (`lbluyarbakiye`), fetched in the background each
// time the basket tab is shown; the order confirmation repeats its text.
class CariBakiyeUyari
{
public:
    // The label stays the caller's; the warning only writes its text, as plain text.
    explicit CariBakiyeUyari(QLabel *lbluyarbakiye);

    // Clears the label and asks the server, on a worker with its own copy of `bagc`, for the
    // warning of customer `carino`; the label gets the answer on this thread when it comes.
    // A connection that does not open leaves the label empty; a failed call empties it.
    // When the tab is shown again before an answer came, only the newest fetch writes, so a
    // slow answer about the customer acted for before cannot replace the current one.
    void CariBakiyeUyariBak(const platform::Connection &bagc, int carino);

    // The warning as the label shows it now; empty for none.
    QString Metin() const;

private:
    QPointer<QLabel> m_label;
    std::shared_ptr<quint64> m_sonBakis = std::make_shared<quint64>(0);
};

// The warning text of customer `carino` over `baglanti`, which is opened silently (with its
// retries) and closed again. Nothing when the connection does not open; empty when the server
// has no warning or the call failed. For any thread that owns `baglanti`.
std::optional<QString> CariVadeUyarisiAl(platform::Connection &baglanti, int carino);
