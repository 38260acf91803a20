#pragma once

#include <QColor>
#include <QFont>

namespace platform {

// Looks of a grid. The defaults are the stock list's; other lists change what differs
// (the basket swaps the row colours, the customer picker uses Tahoma 15 px).
struct GridAppearance
{
    int rowHeight = 40;
    int headerHeight = 40;
    bool showIndicator = true; // the narrow strip left of the rows
    int indicatorWidth = 5;
    bool showHeader = true;
    bool showGridLines = true;
    bool showFocusRect = true;
    QColor evenRow = QColor(239, 239, 239); // rows 0, 2, 4... and the empty background
    QColor oddRow = QColor(255, 255, 255);
    QColor text = QColor(0, 0, 0);
    QColor header = QColor(0, 170, 207);
    QColor headerText = QColor(255, 255, 255);
    QColor selection = QColor(210, 240, 249);
    QColor selectionText = QColor(0, 0, 0);
    QColor indicator = QColor(66, 66, 66);
    QColor filterActive = QColor(255, 214, 0); // the filter button of a filtered column
    QString fontFamily = QStringLiteral("Arial");
    int fontPixelSize = 13;
    QString headerFontFamily = QStringLiteral("Arial");
    int headerFontPixelSize = 13;
    bool headerBold = true;

    QFont CellFont() const
    {
        QFont font(fontFamily);
        font.setPixelSize(fontPixelSize);
        return font;
    }
    QFont HeaderFont() const
    {
        QFont font(headerFontFamily);
        font.setPixelSize(headerFontPixelSize);
        font.setBold(headerBold);
        return font;
    }
};

} // namespace platform
