#pragma once

#include <QLineEdit>

// An amount box: shows its value with "#,###,##0.00" under the current locale and is read-only
// unless made editable. While editable the user types the amount with the locale's separators;
// the typed text is the value until the box is given a new one.
class TutarKutusu : public QLineEdit
{
    Q_OBJECT

public:
    explicit TutarKutusu(QWidget *parent = nullptr);

    double Value() const;
    void SetValue(double value);
    void SetEditable(bool editable);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    double m_value = 0;
};
