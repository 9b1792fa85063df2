#pragma once

#include <QListWidget>

#include <filesystem>
#include <vector>

namespace halvex::ui {

// The mod creator's file list: takes the files dropped onto it from the desktop and
// hands them on; which of them join the list is for the window to say.
class ModFileList : public QListWidget {
    Q_OBJECT
public:
    explicit ModFileList(QWidget* parent = nullptr);

signals:
    void filesDropped(const std::vector<std::filesystem::path>& files);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QStringList mimeTypes() const override;
};

} // namespace halvex::ui
