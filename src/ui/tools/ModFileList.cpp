#include "ui/tools/ModFileList.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace halvex::ui {
namespace {

bool carriesFiles(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

void acceptIfFiles(QDropEvent* event) {
    if (carriesFiles(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

} // namespace

ModFileList::ModFileList(QWidget* parent) : QListWidget(parent) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setViewMode(QListView::ListMode);
}

QStringList ModFileList::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

void ModFileList::dragEnterEvent(QDragEnterEvent* event) {
    acceptIfFiles(event);
}

void ModFileList::dragMoveEvent(QDragMoveEvent* event) {
    acceptIfFiles(event);
}

void ModFileList::dropEvent(QDropEvent* event) {
    if (!carriesFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    std::vector<std::filesystem::path> files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) files.emplace_back(url.toLocalFile().toStdU16String());
    }
    event->acceptProposedAction();
    emit filesDropped(files);
}

} // namespace halvex::ui
