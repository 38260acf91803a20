#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <vector>

namespace platform {

// How a grid cell shows its value.
enum class CellKind {
    Text,          // the field's display text on one line
    WrappedText,   // the display text wrapped inside the row height
    Memo,          // multi-line text from the top of the cell; the whole text as its tool tip
    StatusPicture, // stock status 0..5 as its picture; nothing for any other value
    YesNoPicture,  // 1 the yes mark, 0 the no mark, nothing otherwise
    YesPicture,    // 1 the yes mark, nothing otherwise
    HasPicture,    // 1 the has-picture mark, nothing otherwise
    CheckBox,      // 1 checked, anything else unchecked; toggled by the owning window only
    CustomDrawn,   // painted by the painter the owning window installs (GridView::SetCellPainter)
};

// One column of a grid as the window that owns the grid declares it, one line per column of
// its column table:
//   {.field = "DURUM", .caption = "Durum", .weight = 1, .kind = CellKind::StatusPicture}
// Members are in declaration order for designated initialisers.
struct GridColumn
{
    // The DataSet field. A field the loaded data lacks shows empty cells; an unbound column
    // (a custom-drawn one) gets a name of its own that no field carries.
    QString field{};
    // Header text. None: the header shows the field name; an empty text draws no caption.
    std::optional<QString> caption{};
    bool shown = true;
    bool offered = true; // listed in the column chooser
    int weight = 1;      // width weight of the proportional width rule (the column's Tag)
    CellKind kind = CellKind::Text;
    // None: numbers right, pictures and check boxes centred, the rest left; vertically
    // centred unless a vertical alignment is given.
    std::optional<Qt::Alignment> alignment{};
    // A number picture such as "#,###,##0.00" used instead of the field's display format.
    QString displayFormat{};
    bool filterable = true; // has a filter button in its header
    bool searchable = true; // incremental search by typing works on it
    bool resizable = true;  // the user may drag its width

    QString HeaderText() const { return caption.value_or(field); }
};

// A grid's columns in their initial order.
using ColumnLayout = std::vector<GridColumn>;

} // namespace platform
