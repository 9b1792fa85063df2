#include "ui/tools/AddDeleteWindow.h"

#include "core/tools/ObjectAdder.h"
#include "core/tools/ObjectRemover.h"
#include "ui/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <exception>

namespace halvex::ui {
namespace {

constexpr int kLabelLeft = 6;
constexpr int kBoxLeft = 62;
constexpr int kBoxWidth = 110;
constexpr int kRowHeight = 26;
constexpr int kFirstRow = 24;
constexpr int kOptionLeft = 182;

} // namespace

AddDeleteWindow::AddDeleteWindow(Workspace& workspace, Platform& platform, QWidget* parent)
    : ToolWindow(QStringLiteral(" Add Units/Buildings/Weapons"), QSize(kClientWidth, kClientHeight), HelpButton::None,
                 parent),
      m_workspace(workspace), m_platform(platform) {
    setObjectName(QStringLiteral("adddel"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_name = makeBox("Combo1_0", QStringLiteral("Name:"), kFirstRow);
    m_id = makeBox("Combo1_1", QStringLiteral("ID:"), kFirstRow + kRowHeight);
    // Section names are upper-case letters and digits; anything else typed or pasted
    // is refused, lower case included, rather than quietly changed.
    m_id->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Z0-9]*")), m_id));
    m_image = makeBox("Combo1_2", QStringLiteral("Image:"), kFirstRow + 2 * kRowHeight);
    m_template = makeBox("Combo2", QStringLiteral("Template:"), kFirstRow + 3 * kRowHeight);
    m_template->setEditable(false);

    for (std::size_t i = 0; i < tools::kKindOptions.size(); ++i) {
        const tools::KindOption option = tools::kKindOptions[i];
        auto* button = new QRadioButton(toQString(tools::captionOf(option)), this);
        button->setObjectName(QStringLiteral("Option1_%1").arg(i));
        button->setGeometry(kOptionLeft, kFirstRow + static_cast<int>(i) * 21, 74, 20);
        connect(button, &QRadioButton::clicked, this, [this, option] { chooseKind(option); });
        m_options[i] = button;
    }
    m_options[0]->setChecked(true);

    const int buttonTop = kClientHeight - 34;
    m_add = new QPushButton(QStringLiteral("Add"), this);
    m_delete = new QPushButton(QStringLiteral("Delete"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    int left = kLabelLeft;
    for (QPushButton* button : {m_add, m_delete, m_cancel}) {
        button->setGeometry(left, buttonTop, 78, 26);
        left += 84;
    }
    connect(m_add, &QPushButton::clicked, this, &AddDeleteWindow::add);
    connect(m_delete, &QPushButton::clicked, this, &AddDeleteWindow::remove);
    connect(m_cancel, &QPushButton::clicked, this, &AddDeleteWindow::close);
    setTabOrder(m_name, m_id);
    setTabOrder(m_id, m_image);
    setTabOrder(m_image, m_template);

    fillTemplates();
}

QComboBox* AddDeleteWindow::makeBox(const char* name, const QString& label, int top) {
    auto* caption = new QLabel(label, this);
    caption->setGeometry(kLabelLeft, top, kBoxLeft - kLabelLeft, 22);
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setGeometry(kBoxLeft, top, kBoxWidth, 22);
    return box;
}

void AddDeleteWindow::offerIds(const std::vector<std::string>& ids) {
    for (QComboBox* box : {m_id, m_image}) {
        box->clear();
        for (const std::string& id : ids) box->addItem(toQString(id));
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
}

QRadioButton* AddDeleteWindow::kindOption(tools::KindOption option) const {
    return m_options[static_cast<std::size_t>(option)];
}

void AddDeleteWindow::chooseKind(tools::KindOption option) {
    m_kind = option;
    fillTemplates();
}

void AddDeleteWindow::fillTemplates() {
    m_template->clear();
    for (const ListEntry& entry : m_workspace.objectLists().of(tools::objectKindOf(m_kind))) {
        m_template->addItem(toQString(entry.name));
    }
    m_template->setCurrentIndex(m_template->count() > 0 ? 0 : -1);
}

const ListEntry* AddDeleteWindow::chosenTemplate() {
    const auto& entries = m_workspace.objectLists().of(tools::objectKindOf(m_kind));
    const int row = m_template->currentIndex();
    if (row < 0 || row >= static_cast<int>(entries.size())) return nullptr;
    return &entries[static_cast<std::size_t>(row)];
}

void AddDeleteWindow::add() {
    try {
        tools::NewObject object;
        object.kind = m_kind;
        const ListEntry* templ = chosenTemplate();
        object.templateId = templ ? templ->id : std::string();
        object.id = fromQString(m_id->currentText());
        object.name = fromQString(m_name->currentText());
        object.image = fromQString(m_image->currentText());
        tools::RulesEdit edit = tools::addObject(m_workspace.rules(), object);
        if (!edit.text) {
            m_platform.showMessage(edit.error, MessageIcon::Critical, MessageButtons::Ok);
            return;
        }
        m_workspace.rules().replace(std::move(*edit.text));
        emit objectAdded(object.id, std::string(objects::listNameOf(tools::objectKindOf(m_kind))));
        close();
    } catch (const std::exception& failure) {
        m_platform.showMessage(std::string("The object could not be added: ") + failure.what(), MessageIcon::Critical,
                               MessageButtons::Ok);
    }
}

void AddDeleteWindow::remove() {
    try {
        const ListEntry* templ = chosenTemplate();
        if (templ == nullptr) return;
        const std::string id = templ->id;
        const std::string question = "Delete " + templ->name + " [" + id +
                                     "] from the rules text? Its section, the comment lines directly above it "
                                     "and its type-list entry are removed.";
        if (m_platform.showMessage(question, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) return;
        tools::RulesEdit edit = tools::removeObject(m_workspace.rules(), id, tools::objectKindOf(m_kind));
        if (!edit.text) {
            m_platform.showMessage(edit.error, MessageIcon::Critical, MessageButtons::Ok);
            return;
        }
        m_workspace.rules().replace(std::move(*edit.text));
        fillTemplates();
        emit objectDeleted(id);
    } catch (const std::exception& failure) {
        m_platform.showMessage(std::string("The object could not be deleted: ") + failure.what(),
                               MessageIcon::Critical, MessageButtons::Ok);
    }
}

void AddDeleteWindow::closeClicked() {
    close();
}

} // namespace halvex::ui
