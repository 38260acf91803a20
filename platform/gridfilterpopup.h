#pragma once

#include <QFrame>
#include <QIcon>
#include <QSet>
#include <QString>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace platform {

// One entry of a column's value list: the filter text and the picture the cells show for it.
struct FilterValue
{
    QString text;
    QIcon icon;
};

// The value list a header filter button opens: "(Tümü)" and one check box per distinct value;
// "Tamam" applies the ticked values, "İptal" or a click elsewhere leaves the filter as it was.
class GridFilterPopup : public QFrame
{
    Q_OBJECT

public:
    // `checked` holds the values of the current filter; all are ticked when `all` is set.
    GridFilterPopup(const std::vector<FilterValue> &values, const QSet<QString> &checked, bool all,
                    bool more, QWidget *parent = nullptr);

    QListWidget &List() { return *m_list; }
    QPushButton &OkButton() { return *m_ok; }

signals:
    // `all`: every value is ticked, the column is no longer filtered.
    void Accepted(bool all, const QSet<QString> &values);

private:
    void ItemChanged(QListWidgetItem *item);
    void Accept();

    QListWidget *m_list = nullptr;
    QListWidgetItem *m_all = nullptr;
    QPushButton *m_ok = nullptr;
    bool m_updating = false;
};

} // namespace platform
