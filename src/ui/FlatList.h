#pragma once

class QTreeWidget;

namespace halvex::ui {

// A list view of rows with columns, as the program's reports and results show them:
// no tree decoration, one height for every row, whole rows selected.
void makeFlatList(QTreeWidget& view);

} // namespace halvex::ui
