#include "pdfdocument.h"

#include "platform/error.h"

#include <QBuffer>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <numeric>

namespace appserver::accounts {
namespace {

constexpr int kDpi = 150;
constexpr int kPad = 8; // around a table cell's text, in device pixels

QFont Font(double points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

PdfDocument::PdfDocument(const QString &title, Orientation orientation) : m_title(title)
{
    // Fonts need the GUI application; without one QPainter would abort the process.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        throw platform::Error(
            QStringLiteral("PDF belgesi hazırlanamadı: sunucu grafik kipinde çalışmıyor."));
    m_bytes = std::make_unique<QByteArray>();
    m_buffer = std::make_unique<QBuffer>(m_bytes.get());
    m_buffer->open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(m_buffer.get());
    m_writer->setResolution(kDpi);
    m_writer->setTitle(title);
    m_writer->setCreator(QStringLiteral("Dorvena B2B"));
    m_writer->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4),
        orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get()))
        throw platform::Error(QStringLiteral("PDF belgesi hazırlanamadı."));
    const QRect page = m_writer->pageLayout().paintRectPixels(kDpi);
    m_width = page.width();
    StartPage();
}

PdfDocument::~PdfDocument()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void PdfDocument::StartPage()
{
    if (m_page > 0)
        m_writer->newPage();
    ++m_page;
    const QRect page = m_writer->pageLayout().paintRectPixels(kDpi);
    m_painter->setFont(Font(7));
    const int footer = QFontMetrics(m_painter->font(), m_writer.get()).height();
    m_bottom = page.height() - footer * 2;
    m_painter->setPen(Qt::darkGray);
    m_painter->drawLine(0, m_bottom + footer / 2, m_width, m_bottom + footer / 2);
    m_painter->drawText(QRect(0, m_bottom + footer, m_width, footer),
                        Qt::AlignLeft | Qt::AlignVCenter, m_title);
    m_painter->drawText(QRect(0, m_bottom + footer, m_width, footer),
                        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Sayfa %1").arg(m_page));
    m_painter->setPen(Qt::black);
    m_y = 0;
}

void PdfDocument::Need(int height)
{
    if (m_y + height > m_bottom)
        StartPage();
}

void PdfDocument::Heading(const QString &text)
{
    m_painter->setFont(Font(15, true));
    const QRect box = m_painter->boundingRect(QRect(0, 0, m_width, 10000), Qt::TextWordWrap, text);
    Need(box.height());
    m_painter->drawText(QRect(0, m_y, m_width, box.height()), Qt::TextWordWrap, text);
    m_y += box.height() + box.height() / 3;
}

void PdfDocument::Field(const QString &label, const QString &value)
{
    m_painter->setFont(Font(10, true));
    const QFontMetrics metrics(m_painter->font(), m_writer.get());
    const int labelWidth = m_width / 4;
    Need(metrics.height());
    m_painter->drawText(QRect(0, m_y, labelWidth, metrics.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, label);
    m_painter->setFont(Font(10));
    m_painter->drawText(QRect(labelWidth, m_y, m_width - labelWidth, metrics.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, value);
    m_y += metrics.height() + metrics.height() / 4;
}

void PdfDocument::Paragraph(const QString &text)
{
    m_painter->setFont(Font(10));
    const QRect box = m_painter->boundingRect(QRect(0, 0, m_width, 10000), Qt::TextWordWrap, text);
    Need(box.height());
    m_painter->drawText(QRect(0, m_y, m_width, box.height()), Qt::TextWordWrap, text);
    m_y += box.height();
}

void PdfDocument::Space()
{
    m_painter->setFont(Font(10));
    m_y += QFontMetrics(m_painter->font(), m_writer.get()).height();
}

void PdfDocument::Row(const std::vector<Column> &columns, const QStringList &cells, bool bold,
                      bool shaded)
{
    m_painter->setFont(Font(8, bold));
    const QFontMetrics metrics(m_painter->font(), m_writer.get());
    const int height = metrics.height() + kPad;
    const int weights = std::accumulate(columns.begin(), columns.end(), 0,
                                        [](int sum, const Column &c) { return sum + c.weight; });
    if (shaded)
        m_painter->fillRect(QRect(0, m_y, m_width, height), QColor(235, 238, 245));
    int x = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        const int width =
            i + 1 == columns.size() ? m_width - x : m_width * columns[i].weight / weights;
        const QRect cell(x + kPad / 2, m_y, width - kPad, height);
        const QString text = int(i) < cells.size() ? cells.at(int(i)) : QString();
        m_painter->drawText(cell,
                            (columns[i].right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                            metrics.elidedText(text, Qt::ElideRight, cell.width()));
        x += width;
    }
    m_y += height;
}

void PdfDocument::Table(const std::vector<Column> &columns, const std::vector<QStringList> &rows,
                        const QStringList &totals)
{
    QStringList header;
    for (const Column &c : columns)
        header << c.caption;
    m_painter->setFont(Font(8, true));
    const int height = QFontMetrics(m_painter->font(), m_writer.get()).height() + kPad;
    Need(height * 2);
    Row(columns, header, true, true);
    bool shaded = false;
    for (const QStringList &row : rows) {
        if (m_y + height > m_bottom) {
            StartPage();
            Row(columns, header, true, true);
            shaded = false;
        }
        Row(columns, row, false, shaded);
        shaded = !shaded;
    }
    if (!totals.isEmpty()) {
        Need(height);
        m_painter->drawLine(0, m_y, m_width, m_y);
        Row(columns, totals, true, false);
    }
    m_y += height / 2;
}

QByteArray PdfDocument::Finish()
{
    if (!m_finished) {
        m_painter->end();
        m_buffer->close();
        m_finished = true;
    }
    return *m_bytes;
}

} // namespace appserver::accounts
