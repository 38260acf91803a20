#include "gridmodel.h"

#include "platform/dataset.h"
#include "platform/numberformat.h"
#include "platform/pictures.h"

namespace platform {

namespace {

bool IsPictureKind(CellKind kind)
{
    return kind == CellKind::StatusPicture || kind == CellKind::YesNoPicture ||
           kind == CellKind::YesPicture || kind == CellKind::HasPicture;
}

bool ShowsText(CellKind kind)
{
    return kind == CellKind::Text || kind == CellKind::WrappedText || kind == CellKind::Memo ||
           kind == CellKind::CustomDrawn;
}

bool IsNumber(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::LargeInt || type == FieldType::Float ||
           type == FieldType::Currency;
}

bool IsWholeNumber(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::LargeInt || type == FieldType::Boolean;
}

bool SortsAsNumber(FieldType type)
{
    return IsNumber(type) || type == FieldType::Boolean || type == FieldType::Date ||
           type == FieldType::DateTime;
}

constexpr int kPictureSize = 16;
constexpr int kYesSlot = 6, kNoSlot = 7, kHasPictureSlot = 8;

} // namespace

GridModel::GridModel(ColumnLayout layout, QObject *parent)
    : QAbstractTableModel(parent), m_layout(std::move(layout)), m_fields(m_layout.size(), nullptr)
{
}

GridModel::~GridModel() = default;

void GridModel::SetDataSet(std::unique_ptr<DataSet> data)
{
    beginResetModel();
    m_data = std::move(data); // the previous rows go here, while the views hold no index
    m_rowCount = m_data ? m_data->RecordCount() : 0;
    for (size_t c = 0; c < m_layout.size(); ++c)
        m_fields[c] = m_data ? m_data->FindField(m_layout[c].field) : nullptr;
    endResetModel();
}

void GridModel::RowsChanged(int firstRow, int lastRow)
{
    if (m_rowCount == 0 || m_layout.empty())
        return;
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, m_rowCount - 1);
    if (firstRow > lastRow)
        return;
    emit dataChanged(index(firstRow, 0), index(lastRow, int(m_layout.size()) - 1));
}

void GridModel::AllRowsChanged()
{
    RowsChanged(0, m_rowCount - 1);
}

int GridModel::ColumnOf(const QString &field) const
{
    for (size_t c = 0; c < m_layout.size(); ++c)
        if (m_layout[c].field.compare(field, Qt::CaseInsensitive) == 0)
            return int(c);
    return -1;
}

QString GridModel::DisplayText(int row, int column) const
{
    const Field *field = m_fields[size_t(column)];
    if (!field || field->IsNullAt(row))
        return QString();
    const QString &format = m_layout[size_t(column)].displayFormat;
    if (!format.isEmpty() && IsNumber(field->DataType()))
        return FormatFloat(format, field->FloatAt(row));
    return field->DisplayTextAt(row);
}

QString GridModel::FilterText(int row, int column) const
{
    const CellKind kind = m_layout[size_t(column)].kind;
    if (IsPictureKind(kind) || kind == CellKind::CheckBox) {
        const std::optional<qint64> value = IntValue(row, column);
        return value ? QString::number(*value) : QString();
    }
    return DisplayText(row, column);
}

// Nulls first, then by value: numbers and dates by number, text in the language's order.
bool GridModel::LessThan(int column, int leftRow, int rightRow) const
{
    const Field *field = m_fields[size_t(column)];
    if (!field)
        return false;
    const bool leftNull = field->IsNullAt(leftRow), rightNull = field->IsNullAt(rightRow);
    if (leftNull || rightNull)
        return leftNull && !rightNull;
    const FieldType type = field->DataType();
    if (IsWholeNumber(type))
        return field->IntAt(leftRow) < field->IntAt(rightRow);
    if (SortsAsNumber(type))
        return field->FloatAt(leftRow) < field->FloatAt(rightRow);
    if (type == FieldType::Blob)
        return false;
    if (!m_collator) {
        m_collator.emplace(QLocale());
        m_collator->setCaseSensitivity(Qt::CaseInsensitive);
        m_collator->setNumericMode(true);
    }
    return m_collator->compare(field->StringAt(leftRow), field->StringAt(rightRow)) < 0;
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_layout.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row(), column = index.column();
    const GridColumn &col = m_layout[size_t(column)];
    switch (role) {
    case Qt::DisplayRole:
        return ShowsText(col.kind) ? QVariant(DisplayText(row, column)) : QVariant();
    case Qt::DecorationRole:
        return IsPictureKind(col.kind) ? Decoration(row, column) : QVariant();
    case Qt::CheckStateRole:
        if (col.kind != CellKind::CheckBox)
            return QVariant();
        return IntValue(row, column) == 1 ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return int(Alignment(column));
    case Qt::ToolTipRole:
        return col.kind == CellKind::Memo ? QVariant(DisplayText(row, column)) : QVariant();
    case Role(GridRole::RawValue): {
        const Field *field = m_fields[size_t(column)];
        return field ? field->ValueAt(row) : QVariant();
    }
    case Role(GridRole::SortKey): {
        const Field *field = m_fields[size_t(column)];
        if (!field || field->IsNullAt(row) || field->DataType() == FieldType::Blob)
            return QVariant();
        if (SortsAsNumber(field->DataType()))
            return field->FloatAt(row);
        return field->StringAt(row);
    }
    case Role(GridRole::FilterText):
        return FilterText(row, column);
    case Role(GridRole::CellKindRole):
        return int(col.kind);
    case Role(GridRole::SourceRow):
        return row;
    default:
        return QVariant();
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_layout.size()))
        return QVariant();
    const GridColumn &col = m_layout[size_t(section)];
    switch (role) {
    case Qt::DisplayRole:
        return col.HeaderText();
    case Role(GridRole::Filterable):
        return col.filterable;
    case Role(GridRole::Searchable):
        return col.searchable;
    case Role(GridRole::CellKindRole):
        return int(col.kind);
    default:
        return QVariant();
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    // Read-only: check boxes change through the owning window's own operations.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// A whole number in the cell, read without raising: text that is not a number gives none.
std::optional<qint64> GridModel::IntValue(int row, int column) const
{
    const Field *field = m_fields[size_t(column)];
    if (!field || field->IsNullAt(row) || field->DataType() == FieldType::Blob)
        return std::nullopt;
    if (field->IsText()) {
        bool ok = false;
        const qint64 value = field->StringAt(row).trimmed().toLongLong(&ok);
        return ok ? std::optional<qint64>(value) : std::nullopt;
    }
    return field->IntAt(row);
}

QVariant GridModel::Decoration(int row, int column) const
{
    const std::optional<qint64> value = IntValue(row, column);
    if (!value)
        return QVariant();
    switch (m_layout[size_t(column)].kind) {
    case CellKind::StatusPicture:
        return *value >= 0 && *value <= 5 ? QVariant(Picture(int(*value))) : QVariant();
    case CellKind::YesNoPicture:
        if (*value == 1)
            return Picture(kYesSlot);
        return *value == 0 ? QVariant(Picture(kNoSlot)) : QVariant();
    case CellKind::YesPicture:
        return *value == 1 ? QVariant(Picture(kYesSlot)) : QVariant();
    case CellKind::HasPicture:
        return *value == 1 ? QVariant(Picture(kHasPictureSlot)) : QVariant();
    default:
        return QVariant();
    }
}

const QPixmap &GridModel::Picture(int slot) const
{
    QPixmap &picture = m_pictures[size_t(slot)];
    if (picture.isNull()) {
        if (slot <= 5)
            picture = pictures::Status(slot, kPictureSize);
        else if (slot == kYesSlot || slot == kNoSlot)
            picture = pictures::YesNo(slot == kYesSlot, kPictureSize);
        else
            picture = pictures::HasPicture(kPictureSize);
    }
    return picture;
}

Qt::Alignment GridModel::Alignment(int column) const
{
    const GridColumn &col = m_layout[size_t(column)];
    if (col.alignment) {
        Qt::Alignment alignment = *col.alignment;
        if (!(alignment & Qt::AlignVertical_Mask))
            alignment |= Qt::AlignVCenter;
        return alignment;
    }
    if (IsPictureKind(col.kind) || col.kind == CellKind::CheckBox)
        return Qt::AlignCenter;
    if (col.kind == CellKind::Memo)
        return Qt::AlignLeft | Qt::AlignTop;
    const Field *field = m_fields[size_t(column)];
    if (field && IsNumber(field->DataType()))
        return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace platform
