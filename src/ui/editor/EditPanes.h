#pragma once

#include "core/editor/FieldCatalogue.h"
#include "core/objects/ObjectLists.h"

#include <QObject>
#include <QString>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class QFrame;
class QListWidget;
class QWidget;

namespace halvex::ui {

// The edit panes and their fields, built from the field catalogue. Fields report each
// change as (key, value); whether it is recorded is the main window's business.
class EditPanes : public QObject {
    Q_OBJECT
public:
    explicit EditPanes(QWidget* window);

    QFrame* pane(std::string_view name) const;
    void setPaneVisible(std::string_view name, bool visible);
    bool isPaneVisible(std::string_view name) const;
    void hideAll();

    // The widget of control array `array`, member `index` (editor::kNoIndex for a lone control).
    QWidget* field(std::string_view array, int index) const;
    QListWidget* abilityList() const { return m_abilities; }

    // Puts `value` into every field bound to `key`; EliteAbilities ticks the abilities it names.
    void setValues(std::string_view key, std::string_view value);
    // Empties every field and unticks every box and ability.
    void clearFields();
    // The text of a text field or combo.
    QString text(std::string_view array, int index) const;
    // The weapon, projectile and warhead combos offer their presets, then the objects of
    // that kind the rules text has besides.
    void offerObjects(const objects::ObjectLists& lists);

signals:
    void fieldEdited(const std::string& key, const std::string& value);
    void editWeaponClicked(int index);

private:
    QFrame* buildPane(QWidget* window, const editor::PaneSpec& design);
    QWidget* buildField(QFrame* pane, const editor::FieldSpec& field);
    QWidget* buildTextField(QFrame* pane, const editor::FieldSpec& field);
    QWidget* buildCombo(QFrame* pane, const editor::FieldSpec& field);
    QWidget* buildCheckBox(QFrame* pane, const editor::FieldSpec& field);
    QWidget* buildOwnerPicker(QFrame* pane, const editor::FieldSpec& field);
    QWidget* buildAbilityList(QFrame* pane, const editor::FieldSpec& field);
    QWidget* buildButton(QFrame* pane, const editor::FieldSpec& field);
    void putValue(const editor::FieldSpec& field, QWidget* widget, std::string_view value);
    void emitEdit(std::string_view key, const QString& value);

    std::map<std::string, QFrame*, std::less<>> m_panes;
    std::map<const editor::FieldSpec*, QWidget*> m_fields;
    QListWidget* m_abilities = nullptr;
};

} // namespace halvex::ui
