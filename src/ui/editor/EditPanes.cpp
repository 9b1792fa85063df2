#include "ui/editor/EditPanes.h"

#include "core/editor/Binding.h"
#include "core/Text.h"
#include "core/objects/ObjectChoices.h"
#include "ui/Artwork.h"
#include "ui/QtText.h"
#include "ui/Twips.h"
#include "ui/editor/FieldCombo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace halvex::ui {
namespace {

using editor::FieldKind;
using editor::FieldSpec;

QRect pixelRect(const editor::TwipRect& r) {
    return ui::pixelRect(r.left, r.top, r.width, r.height);
}

QString objectNameOf(const FieldSpec& field) {
    const QString array = toQString(field.array);
    return field.index == editor::kNoIndex ? array : array + QStringLiteral("_") + QString::number(field.index);
}

const QColor kPaneBorder(128, 128, 128);
const QColor kFieldBackground(192, 192, 192);

// Palettes rather than style sheets, so the window's font reaches every caption.
void setColours(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette look = widget->palette();
    look.setColor(role, colour);
    widget->setPalette(look);
}

void lookLikeField(QWidget* widget) {
    setColours(widget, QPalette::Base, kFieldBackground);
    setColours(widget, QPalette::Button, kFieldBackground);
    setColours(widget, QPalette::Text, Qt::black);
    setColours(widget, QPalette::ButtonText, Qt::black);
}

bool isLandSpeed(const FieldSpec& field) {
    return field.array == "landedit";
}

// A land speed always ends in "%", with the cursor before it when it had to be added.
void fixLandSpeed(QLineEdit* edit) {
    const auto fixed = editor::landSpeedFix(fromQString(edit->text()));
    if (!fixed) return;
    edit->setText(toQString(fixed->text));
    edit->setCursorPosition(fixed->cursor);
}

// The rules text's objects a combo offers after its presets: a combo's presets tell its
// kind, as the weapon combos share one list.
const std::vector<std::string>* ownObjectsFor(const FieldSpec& field, const std::vector<std::string>& weapons,
                                              const objects::ObjectLists& lists) {
    if (field.presets.data() == editor::weaponPresets().data()) return &weapons;
    if (field.presets.data() == editor::projectilePresets().data()) return &lists.projectiles;
    if (field.presets.data() == editor::warheadPresets().data()) return &lists.warheads;
    return nullptr;
}

} // namespace

EditPanes::EditPanes(QWidget* window) : QObject(window) {
    for (const auto& design : editor::panes()) m_panes.emplace(std::string(design.name), buildPane(window, design));
    for (const auto& field : editor::fields()) {
        QFrame* owner = pane(field.pane);
        if (field.hasLabel()) {
            auto* label = new QLabel(toQString(field.caption), owner);
            label->setObjectName(toQString(field.labelArray) +
                                 (field.labelIndex == editor::kNoIndex ? QString()
                                                                      : QStringLiteral("_") +
                                                                            QString::number(field.labelIndex)));
            label->setGeometry(pixelRect(field.labelRect));
            setColours(label, QPalette::WindowText, Qt::white);
        }
        QWidget* widget = buildField(owner, field);
        widget->setObjectName(objectNameOf(field));
        widget->setGeometry(pixelRect(field.rect));
        if (!field.tooltip.empty()) widget->setToolTip(toQString(field.tooltip));
        m_fields.emplace(&field, widget);
    }
    hideAll();
}

QFrame* EditPanes::buildPane(QWidget* window, const editor::PaneSpec& design) {
    auto* frame = new QFrame(window);
    frame->setObjectName(toQString(design.name));
    frame->setGeometry(pixelRect(design.rect));
    // The General pane takes the desktop's menu-text colour, which is black on the
    // desktops the game runs on; every pane has the grey border line.
    frame->setAutoFillBackground(true);
    setColours(frame, QPalette::Window,
               design.menuTextBackground ? frame->palette().color(QPalette::WindowText) : QColor(Qt::black));
    setColours(frame, QPalette::WindowText, kPaneBorder);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    return frame;
}

QWidget* EditPanes::buildField(QFrame* owner, const FieldSpec& field) {
    switch (field.kind) {
    case FieldKind::TextField: return buildTextField(owner, field);
    case FieldKind::Combo: return buildCombo(owner, field);
    case FieldKind::CheckBox: return buildCheckBox(owner, field);
    case FieldKind::OwnerPicker: return buildOwnerPicker(owner, field);
    case FieldKind::AbilityList: return buildAbilityList(owner, field);
    case FieldKind::Button: break;
    }
    return buildButton(owner, field);
}

QWidget* EditPanes::buildTextField(QFrame* owner, const FieldSpec& field) {
    auto* edit = new QLineEdit(owner);
    lookLikeField(edit);
    const bool landSpeed = isLandSpeed(field);
    // textEdited, not textChanged: a load's or a clear's setText is no edit.
    connect(edit, &QLineEdit::textEdited, this, [this, edit, landSpeed, key = field.key] {
        if (landSpeed) fixLandSpeed(edit);
        emitEdit(key, edit->text());
    });
    return edit;
}

QWidget* EditPanes::buildCombo(QFrame* owner, const FieldSpec& field) {
    auto* combo = new FieldCombo(owner);
    lookLikeField(combo);
    for (const auto preset : field.presets) combo->addItem(toQString(preset));
    combo->setCurrentIndex(-1);
    combo->showValue({});
    connect(combo, &FieldCombo::userEdited, this, [this, key = field.key](const QString& now) { emitEdit(key, now); });
    return combo;
}

QWidget* EditPanes::buildCheckBox(QFrame* owner, const FieldSpec& field) {
    auto* box = new QCheckBox(toQString(field.caption), owner);
    setColours(box, QPalette::WindowText, Qt::white);
    setColours(box, QPalette::Window, Qt::black);
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    connect(box, &QCheckBox::clicked, this, [this, key = field.key](bool ticked) {
        emit fieldEdited(std::string(key), editor::checkBoxValue(ticked));
    });
    return box;
}

QWidget* EditPanes::buildOwnerPicker(QFrame* owner, const FieldSpec& field) {
    auto* picker = new QComboBox(owner);
    lookLikeField(picker);
    for (const auto& entry : editor::ownerEntries()) {
        picker->addItem(QIcon(Artwork::menuPicture(entry.picture)), toQString(entry.text));
    }
    picker->setCurrentIndex(-1);
    // Only picks are reported; nothing can be typed into it, and a load's index change
    // emits no activated.
    connect(picker, &QComboBox::activated, this,
            [this, picker, key = field.key](int) { emitEdit(key, picker->currentText()); });
    return picker;
}

QWidget* EditPanes::buildAbilityList(QFrame* owner, const FieldSpec& /*field*/) {
    m_abilities = new QListWidget(owner);
    lookLikeField(m_abilities);
    for (const auto entry : editor::abilityEntries()) {
        auto* item = new QListWidgetItem(toQString(entry), m_abilities);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    // Loads and clears tick entries with this list's signals blocked, so every change
    // that arrives here is the user's.
    connect(m_abilities, &QListWidget::itemChanged, this, [this](QListWidgetItem*) {
        std::vector<bool> ticked;
        for (int i = 0; i < m_abilities->count(); ++i) ticked.push_back(m_abilities->item(i)->checkState() == Qt::Checked);
        emit fieldEdited("EliteAbilities", editor::abilityListValue(ticked));
    });
    return m_abilities;
}

QWidget* EditPanes::buildButton(QFrame* owner, const FieldSpec& field) {
    auto* button = new QPushButton(toQString(field.caption), owner);
    connect(button, &QPushButton::clicked, this, [this, index = field.index] { emit editWeaponClicked(index); });
    return button;
}

void EditPanes::emitEdit(std::string_view key, const QString& value) {
    emit fieldEdited(std::string(key), editor::singleLine(fromQString(value)));
}

QFrame* EditPanes::pane(std::string_view name) const {
    const auto it = m_panes.find(name);
    return it == m_panes.end() ? nullptr : it->second;
}

void EditPanes::setPaneVisible(std::string_view name, bool visible) {
    if (QFrame* frame = pane(name)) frame->setVisible(visible);
}

bool EditPanes::isPaneVisible(std::string_view name) const {
    const QFrame* frame = pane(name);
    return frame != nullptr && !frame->isHidden();
}

void EditPanes::hideAll() {
    for (auto& [name, frame] : m_panes) frame->hide();
}

QWidget* EditPanes::field(std::string_view array, int index) const {
    const FieldSpec* field = editor::findField(array, index);
    const auto it = field ? m_fields.find(field) : m_fields.end();
    return it == m_fields.end() ? nullptr : it->second;
}

QString EditPanes::text(std::string_view array, int index) const {
    QWidget* widget = field(array, index);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    return {};
}

void EditPanes::offerObjects(const objects::ObjectLists& lists) {
    const std::vector<std::string> weapons = objects::idsOf(lists.of(objects::ObjectKind::Weapons));
    for (const auto& [field, widget] : m_fields) {
        if (field->kind != FieldKind::Combo) continue;
        const std::vector<std::string>* own = ownObjectsFor(*field, weapons, lists);
        if (own == nullptr) continue;
        QStringList entries;
        for (const std::string& entry : objects::presetsThenOwn(field->presets, *own)) entries << toQString(entry);
        static_cast<FieldCombo*>(widget)->replaceEntries(entries);
    }
}

void EditPanes::putValue(const FieldSpec& field, QWidget* widget, std::string_view value) {
    switch (field.kind) {
    case FieldKind::TextField: static_cast<QLineEdit*>(widget)->setText(toQString(value)); break;
    case FieldKind::Combo: static_cast<FieldCombo*>(widget)->showValue(toQString(value)); break;
    case FieldKind::CheckBox:
        static_cast<QCheckBox*>(widget)->setChecked(editor::tickOf(value) == editor::Tick::Ticked);
        break;
    case FieldKind::OwnerPicker:
        static_cast<QComboBox*>(widget)->setCurrentIndex(static_cast<int>(editor::ownerEntryIndex(value)));
        break;
    case FieldKind::AbilityList:
    case FieldKind::Button: break;
    }
}

void EditPanes::setValues(std::string_view key, std::string_view value) {
    for (const FieldSpec* field : editor::fieldsForKey(key)) putValue(*field, m_fields.at(field), value);
    if (text::equalsIgnoreCase(key, "EliteAbilities")) {
        const QSignalBlocker quiet(m_abilities);
        const std::vector<bool> ticks = editor::abilityTicks(value);
        for (int i = 0; i < m_abilities->count(); ++i) {
            if (ticks.at(static_cast<std::size_t>(i))) m_abilities->item(i)->setCheckState(Qt::Checked);
        }
    }
}

void EditPanes::clearFields() {
    for (auto& [field, widget] : m_fields) {
        switch (field->kind) {
        case FieldKind::TextField: {
            auto* edit = static_cast<QLineEdit*>(widget);
            edit->clear();
            if (isLandSpeed(*field)) fixLandSpeed(edit);
            break;
        }
        case FieldKind::Combo: static_cast<FieldCombo*>(widget)->showValue({}); break;
        case FieldKind::CheckBox: static_cast<QCheckBox*>(widget)->setChecked(false); break;
        case FieldKind::OwnerPicker: static_cast<QComboBox*>(widget)->setCurrentIndex(-1); break;
        case FieldKind::AbilityList:
        case FieldKind::Button: break;
        }
    }
    const QSignalBlocker quiet(m_abilities);
    for (int i = 0; i < m_abilities->count(); ++i) m_abilities->item(i)->setCheckState(Qt::Unchecked);
}

} // namespace halvex::ui
