#include "tutarkutusu.h"

#include "platform/numberformat.h"

#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

const QString kBicim = QStringLiteral("#,###,##0.00");

} // namespace

TutarKutusu::TutarKutusu(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QLocale locale;
    // Digits with the locale's grouping and at most two decimals; no sign, a price is never
    // negative.
    const QString pattern = QStringLiteral("[0-9%1]{0,15}(%2[0-9]{0,2})?")
                                .arg(QRegularExpression::escape(locale.groupSeparator()),
                                     QRegularExpression::escape(locale.decimalPoint()));
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    SetEditable(false);
    SetValue(0);
}

double TutarKutusu::Value() const
{
    if (isReadOnly() || !isModified())
        return m_value;
    const QLocale locale;
    QString text = this->text().trimmed();
    text.remove(locale.groupSeparator());
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const double typed = locale.toDouble(text, &ok);
    return ok ? typed : m_value;
}

void TutarKutusu::SetValue(double value)
{
    m_value = value;
    setText(platform::FormatFloat(kBicim, value)); // also clears the modified flag
}

void TutarKutusu::SetEditable(bool editable)
{
    setReadOnly(!editable);
    setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
}

void TutarKutusu::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!isReadOnly() && isModified())
        SetValue(Value());
}
