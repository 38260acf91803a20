#include "gridfilterpopup.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

namespace {
constexpr int kValueRole = Qt::UserRole;
} // namespace

GridFilterPopup::GridFilterPopup(const std::vector<FilterValue> &values,
                                 const QSet<QString> &checked, bool all, bool more, QWidget *parent)
    : QFrame(parent, Qt::Popup)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setObjectName(QStringLiteral("gridFilterPopup"));

    m_list = new QListWidget(this);
    m_all = new QListWidgetItem(QStringLiteral("(Tümü)"), m_list);
    m_all->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    for (const FilterValue &value : values) {
        auto *item = new QListWidgetItem(
            value.icon, value.text.isEmpty() ? QStringLiteral("(Boş)") : value.text, m_list);
        item->setData(kValueRole, value.text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(all || checked.contains(value.text) ? Qt::Checked : Qt::Unchecked);
    }
    if (more) {
        auto *item = new QListWidgetItem(QStringLiteral("..."), m_list);
        item->setFlags(Qt::NoItemFlags);
    }

    m_ok = new QPushButton(QStringLiteral("Tamam"), this);
    auto *cancel = new QPushButton(QStringLiteral("İptal"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(240, 320);

    ItemChanged(nullptr); // the "(Tümü)" mark and the button's state from the values
    connect(m_list, &QListWidget::itemChanged, this, &GridFilterPopup::ItemChanged);
    connect(m_ok, &QPushButton::clicked, this, &GridFilterPopup::Accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void GridFilterPopup::ItemChanged(QListWidgetItem *item)
{
    if (m_updating)
        return;
    m_updating = true;
    if (item == m_all) {
        const Qt::CheckState state =
            m_all->checkState() == Qt::Unchecked ? Qt::Unchecked : Qt::Checked;
        m_all->setCheckState(state);
        for (int i = 1; i < m_list->count(); ++i)
            if (m_list->item(i)->flags() & Qt::ItemIsUserCheckable)
                m_list->item(i)->setCheckState(state);
    }
    int ticked = 0, values = 0;
    for (int i = 1; i < m_list->count(); ++i) {
        const QListWidgetItem *value = m_list->item(i);
        if (!(value->flags() & Qt::ItemIsUserCheckable))
            continue;
        ++values;
        ticked += value->checkState() == Qt::Checked;
    }
    m_all->setCheckState(ticked == 0        ? Qt::Unchecked
                         : ticked == values ? Qt::Checked
                                            : Qt::PartiallyChecked);
    m_ok->setEnabled(ticked > 0); // a filter that keeps no row is no choice
    m_updating = false;
}

void GridFilterPopup::Accept()
{
    QSet<QString> ticked;
    bool all = true;
    for (int i = 1; i < m_list->count(); ++i) {
        const QListWidgetItem *value = m_list->item(i);
        if (!(value->flags() & Qt::ItemIsUserCheckable))
            continue;
        if (value->checkState() == Qt::Checked)
            ticked.insert(value->data(kValueRole).toString());
        else
            all = false;
    }
    emit Accepted(all, ticked);
    close();
}

} // namespace platform
