#pragma once

#include <QByteArray>
#include <QStringList>
#include <memory>
#include <vector>

class QBuffer;
class QPainter;
class QPdfWriter;

namespace appserver::accounts {

// A simple PDF document written top to bottom: a heading, label/value lines, paragraphs and
// tables that continue on new pages with their header repeated. Every page carries the title
// and its number at the bottom. Needs a QGuiApplication (fonts); raises platform::Error
// without one.
class PdfDocument
{
public:
    enum class Orientation { Portrait, Landscape };
    struct Column
    {
        QString caption;
        int weight = 1; // share of the width
        bool right = false;
    };

    explicit PdfDocument(const QString &title, Orientation orientation = Orientation::Portrait);
    ~PdfDocument();
    PdfDocument(const PdfDocument &) = delete;
    PdfDocument &operator=(const PdfDocument &) = delete;

    void Heading(const QString &text);
    void Field(const QString &label, const QString &value);
    void Paragraph(const QString &text);
    void Space();
    // Rows hold one text per column; `totals`, when given, is drawn in bold under the rows.
    void Table(const std::vector<Column> &columns, const std::vector<QStringList> &rows,
               const QStringList &totals = {});

    // Ends the document and returns the whole file.
    QByteArray Finish();

private:
    void StartPage();
    void Need(int height);
    void Row(const std::vector<Column> &columns, const QStringList &cells, bool bold, bool shaded);

    QString m_title;
    std::unique_ptr<QByteArray> m_bytes;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    int m_page = 0;
    int m_y = 0;
    int m_width = 0;
    int m_bottom = 0;
    bool m_finished = false;
};

} // namespace appserver::accounts
