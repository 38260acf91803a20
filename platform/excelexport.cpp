#include "excelexport.h"

#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/gridmodel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <memory>
#include <xlsxwriter.h>

namespace platform {

namespace {

constexpr qsizetype kMaxCellText = 32767; // characters a worksheet cell holds
constexpr double kFirstExactSerial = 61;  // worksheet serial days agree with ours from 1 March 1900

struct WorkbookFree
{
    void operator()(lxw_workbook *workbook) const { lxw_workbook_free(workbook); }
};
using WorkbookPtr = std::unique_ptr<lxw_workbook, WorkbookFree>;

QString WorkbookFileName(const QString &fileName)
{
    const QFileInfo info(fileName);
    QString base = fileName;
    if (!info.suffix().isEmpty())
        base.chop(info.suffix().size() + 1);
    while (base.endsWith(QLatin1Char('.')))
        base.chop(1);
    return base + QStringLiteral(".xlsx");
}

QString FailureText(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Cannot create file \"%1\". %2")
        .arg(QDir::toNativeSeparators(fileName), reason);
}

class SheetWriter
{
public:
    SheetWriter(lxw_workbook *workbook, lxw_worksheet *sheet) : m_sheet(sheet)
    {
        m_bold = workbook_add_format(workbook);
        format_set_bold(m_bold);
        m_money = workbook_add_format(workbook);
        format_set_num_format(m_money, "#,##0.00");
        m_date = workbook_add_format(workbook);
        format_set_num_format(m_date, "dd.mm.yyyy");
        m_dateTime = workbook_add_format(workbook);
        format_set_num_format(m_dateTime, "dd.mm.yyyy hh:mm:ss");
    }

    void Caption(lxw_col_t col, const QString &text) { Text(0, col, text, m_bold); }

    void Cell(lxw_row_t row, lxw_col_t col, const Field &field, int sourceRow)
    {
        if (field.IsNullAt(sourceRow))
            return;
        switch (field.DataType()) {
        case FieldType::Integer:
        case FieldType::LargeInt:
            Number(row, col, double(field.IntAt(sourceRow)), nullptr, field, sourceRow);
            return;
        case FieldType::Float:
        case FieldType::Currency:
            Number(row, col, field.FloatAt(sourceRow), m_money, field, sourceRow);
            return;
        case FieldType::Boolean:
            Check(worksheet_write_boolean(m_sheet, row, col, field.IntAt(sourceRow) != 0, nullptr));
            return;
        case FieldType::Date:
        case FieldType::DateTime: {
            const double day = field.FloatAt(sourceRow);
            if (day < kFirstExactSerial)
                Text(row, col, field.DisplayTextAt(sourceRow), nullptr);
            else
                Check(worksheet_write_number(m_sheet, row, col, day,
                                             field.DataType() == FieldType::Date ? m_date
                                                                                 : m_dateTime));
            return;
        }
        case FieldType::String:
        case FieldType::Memo:
            Text(row, col, field.StringAt(sourceRow), nullptr);
            return;
        case FieldType::Blob:
            return;
        }
    }

    void Width(lxw_col_t col, double characters)
    {
        Check(worksheet_set_column(m_sheet, col, col, characters, nullptr));
    }

    lxw_error FirstError() const { return m_error; }

private:
    void Number(lxw_row_t row, lxw_col_t col, double value, lxw_format *format, const Field &field,
                int sourceRow)
    {
        if (std::isfinite(value))
            Check(worksheet_write_number(m_sheet, row, col, value, format));
        else
            Text(row, col, field.DisplayTextAt(sourceRow), nullptr);
    }

    void Text(lxw_row_t row, lxw_col_t col, QString text, lxw_format *format)
    {
        if (text.isEmpty())
            return;
        if (text.size() > kMaxCellText) {
            text.truncate(kMaxCellText);
            if (text.back().isHighSurrogate())
                text.chop(1);
        }
        const QByteArray utf8 = text.toUtf8();
        Check(worksheet_write_string(m_sheet, row, col, utf8.constData(), format));
    }

    void Check(lxw_error error)
    {
        if (error != LXW_NO_ERROR && m_error == LXW_NO_ERROR)
            m_error = error;
    }

    lxw_worksheet *m_sheet;
    lxw_format *m_bold = nullptr;
    lxw_format *m_money = nullptr;
    lxw_format *m_date = nullptr;
    lxw_format *m_dateTime = nullptr;
    lxw_error m_error = LXW_NO_ERROR;
};

} // namespace

QString ExportToExcel(const QString &fileName, const GridModel &model,
                      const std::vector<int> &columns, const std::vector<int> &sourceRows)
{
    if (fileName.trimmed().isEmpty())
        throw Error(QStringLiteral("No file name was given for the Excel export."));
    const QString target = WorkbookFileName(fileName);
    if (sourceRows.size() + 1 > size_t(LXW_ROW_MAX))
        throw Error(
            FailureText(target, QStringLiteral("The list has more rows than a worksheet holds.")));
    if (columns.size() > size_t(LXW_COL_MAX))
        throw Error(FailureText(
            target, QStringLiteral("The list has more columns than a worksheet holds.")));

    // Rows are written in order, so the workbook can stream them instead of holding every cell.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray path = QFile::encodeName(target);
    WorkbookPtr workbook(workbook_new_opt(path.constData(), &options));
    if (!workbook)
        throw Error(FailureText(target, QStringLiteral("The workbook could not be started.")));
    lxw_worksheet *sheet = workbook_add_worksheet(workbook.get(), nullptr);
    if (!sheet)
        throw Error(FailureText(target, QStringLiteral("The worksheet could not be started.")));

    SheetWriter writer(workbook.get(), sheet);
    for (size_t c = 0; c < columns.size(); ++c) {
        const QString caption = model.Column(columns[c]).HeaderText();
        writer.Width(lxw_col_t(c),
                     std::max<double>(10, std::min<qsizetype>(caption.size() + 4, 60)));
    }
    for (size_t c = 0; c < columns.size(); ++c)
        writer.Caption(lxw_col_t(c), model.Column(columns[c]).HeaderText());
    for (size_t r = 0; r < sourceRows.size(); ++r) {
        for (size_t c = 0; c < columns.size(); ++c) {
            if (const Field *field = model.FieldOf(columns[c]))
                writer.Cell(lxw_row_t(r + 1), lxw_col_t(c), *field, sourceRows[r]);
        }
    }
    const lxw_error writeError = writer.FirstError();
    const lxw_error closeError = workbook_close(workbook.release()); // frees the workbook
    const lxw_error error = writeError != LXW_NO_ERROR ? writeError : closeError;
    if (error != LXW_NO_ERROR) {
        if (writeError != LXW_NO_ERROR)
            QFile::remove(target); // a workbook with cells missing is no export
        throw Error(FailureText(target, QString::fromUtf8(lxw_strerror(error))));
    }
    return target;
}

} // namespace platform
