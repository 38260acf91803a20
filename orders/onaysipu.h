#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TSonucBilgisi;

// The order confirmation: what is about to be sent, the account's warning, and "Evet" / "Hayır".
// The sender fills the labels, runs it with exec() and frees it; "Evet" closes it with
// Accepted, "Hayır" (and closing it) with Rejected.
class TONAYSIP : public QDialog
{
    Q_OBJECT

public:
    explicit TONAYSIP(QWidget *parent = nullptr);

    QLabel *Label2; // the order summary, fixed pitch so the colons line up
    QLabel *Label1; // the question
    QLabel *Label3; // the account warning, red; empty for none
    QPushButton *Button1;
    QPushButton *Button2;
};

// The summary of an order for Label2: user, customer, total and note, one per line, after
// prefixes of equal width.
QString SiparisOzeti(const TSonucBilgisi &sbilgi, const QString &tutar, const QString &aciklama);
