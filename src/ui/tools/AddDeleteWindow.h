#pragma once

#include "core/Workspace.h"
#include "core/platform/Platform.h"
#include "core/tools/ObjectKindOption.h"
#include "ui/tools/ToolWindow.h"

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace halvex::ui {

// "adddel": makes a new object from a template section, or deletes the chosen template.
// Both replace the workspace's rules text in memory; the user saves as usual.
class AddDeleteWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 260;
    static constexpr int kClientHeight = 168;

    AddDeleteWindow(Workspace& workspace, Platform& platform, QWidget* parent = nullptr);

    // The ID and Image boxes offer these section names.
    void offerIds(const std::vector<std::string>& ids);

    QComboBox* nameBox() const { return m_name; }
    QComboBox* idBox() const { return m_id; }
    QComboBox* imageBox() const { return m_image; }
    QComboBox* templateList() const { return m_template; }
    QRadioButton* kindOption(tools::KindOption option) const;
    QPushButton* addButton() const { return m_add; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* cancelButton() const { return m_cancel; }

    tools::KindOption chosenKind() const { return m_kind; }

signals:
    // The rules text now holds the new object `id` of the list `listName`.
    void objectAdded(const std::string& id, const std::string& listName);
    void objectDeleted(const std::string& id);

protected:
    void closeClicked() override;

private:
    QComboBox* makeBox(const char* name, const QString& label, int top);
    void chooseKind(tools::KindOption option);
    void fillTemplates();
    // The chosen template's entry; nothing when the list is empty.
    const ListEntry* chosenTemplate();
    void add();
    void remove();

    Workspace& m_workspace;
    Platform& m_platform;
    tools::KindOption m_kind = tools::KindOption::Infantry;
    QComboBox* m_name = nullptr;
    QComboBox* m_id = nullptr;
    QComboBox* m_image = nullptr;
    QComboBox* m_template = nullptr;
    std::array<QRadioButton*, tools::kKindOptions.size()> m_options{};
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace halvex::ui
