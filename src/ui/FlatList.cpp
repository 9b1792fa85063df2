#include "ui/FlatList.h"

#include <QTreeWidget>

namespace halvex::ui {

void makeFlatList(QTreeWidget& view) {
    view.setRootIsDecorated(false);
    view.setIndentation(0);
    view.setUniformRowHeights(true);
    view.setAllColumnsShowFocus(true);
}

} // namespace halvex::ui
