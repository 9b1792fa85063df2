#include "ui/source/SourceEditor.h"

#include "core/source/AllowedValues.h"
#include "ui/QtText.h"
#include "ui/source/SearchWindow.h"
#include "ui/source/SourceBox.h"
#include "ui/source/ValueList.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringListModel>
#include <QTextBlock>

#include <algorithm>

namespace halvex::ui {
namespace {

constexpr int kBoxTop = ToolWindow::kTitleHeight + 2;
constexpr int kButtonTop = 359;
constexpr int kButtonHeight = 24;

} // namespace

SourceEditor::SourceEditor(Platform& platform, WriteBack writeBack, QWidget* parent)
    : ToolWindow(QStringLiteral(" Rules.ini Editor"), QSize(kClientWidth, kClientHeight), HelpButton::None, parent),
      m_platform(platform), m_writeBack(std::move(writeBack)) {
    setObjectName(QStringLiteral("editcode"));

    m_box = new SourceBox(this);
    m_box->setGeometry(2, kBoxTop, kClientWidth - 4, kButtonTop - kBoxTop - 5);
    m_box->installEventFilter(this);
    m_box->viewport()->installEventFilter(this);
    connect(m_box->document(), &QTextDocument::contentsChanged, this, [this] { m_modified = true; });

    m_values = new ValueList(this);
    connect(m_values, &ValueList::picked, this, &SourceEditor::pickValue);
    connect(m_values, &ValueList::dismissed, this, [this] {
        m_values->hide();
        m_box->setFocus();
    });

    buildButtons();
    buildSectionField();
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &SourceEditor::openSearch);
}

SourceEditor::~SourceEditor() = default;

SearchWindow* SourceEditor::searchWindow() const {
    return m_search;
}

QPushButton* SourceEditor::addButton(const QString& caption, const QString& name, int left, int width) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(left, kButtonTop, width, kButtonHeight);
    return button;
}

void SourceEditor::buildButtons() {
    m_find = addButton(QStringLiteral("&Find"), QStringLiteral("Command1_0"), 4, 72);
    connect(m_find, &QPushButton::clicked, this, &SourceEditor::openSearch);
    m_skip = addButton(QStringLiteral("Skip Section"), QStringLiteral("Command1_2"), 80, 92);
    connect(m_skip, &QPushButton::clicked, this, &SourceEditor::skipSection);
    m_save = addButton(QStringLiteral("&Save Changes"), QStringLiteral("Command1_3"), 176, 104);
    connect(m_save, &QPushButton::clicked, this, &SourceEditor::saveChanges);
}

void SourceEditor::buildSectionField() {
    auto* label = new QLabel(QStringLiteral("Go to section:"), this);
    label->setGeometry(318, kButtonTop, 78, kButtonHeight);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_section = new QLineEdit(this);
    m_section->setObjectName(QStringLiteral("gotosection"));
    m_section->setGeometry(400, kButtonTop + 1, kClientWidth - 404, kButtonHeight - 2);
    m_section->setToolTip(QStringLiteral("Type a section's name and press Enter to go to its header"));
    auto* completer = new QCompleter(new QStringListModel(m_section), m_section);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    m_section->setCompleter(completer);
    m_section->installEventFilter(this);
    connect(m_section, &QLineEdit::returnPressed, this, [this] {
        if (goToSection(fromQString(m_section->text()))) m_section->clear();
    });
}

void SourceEditor::load(const std::string& rulesText) {
    m_values->hide();
    m_box->setRulesText(rulesText);
    m_box->setCursorOffset(0);
    // As the box gives it back, so that only the user's typing can make it differ.
    m_unedited = m_box->rulesText();
}

bool SourceEditor::saveChanges() {
    std::string text = m_box->rulesText();
    if (!m_writeBack(text)) return false;
    m_unedited = std::move(text);
    m_modified = false;
    return true;
}

void SourceEditor::skipSection() {
    m_box->setCursorOffset(source::skipSection(m_box->shownText(), m_box->cursorOffset()));
    m_box->setFocus();
}

void SourceEditor::openSearch() {
    if (!m_search) {
        m_search = new SearchWindow(*this, m_platform, this);
        m_search->move(mapToGlobal(QPoint(width() - m_search->width() - 24, 40)));
    }
    m_search->show();
    m_search->raise();
    m_search->activateWindow();
}

void SourceEditor::refreshSectionNames() {
    m_headers = source::sectionHeaders(m_box->shownText());
    QStringList names;
    names.reserve(static_cast<qsizetype>(m_headers.size()));
    for (const auto& header : m_headers) names << toQString(header.name);
    names.removeDuplicates();
    if (auto* model = qobject_cast<QStringListModel*>(m_section->completer()->model())) model->setStringList(names);
}

bool SourceEditor::goToSection(const std::string& name) {
    refreshSectionNames();
    const auto header = source::findHeader(m_headers, name);
    if (!header) {
        m_platform.showMessage("There is no section [" + name + "] in the text.", MessageIcon::Information,
                               MessageButtons::Ok);
        return false;
    }
    m_box->setCursorOffset(*header);
    m_box->centerCursor();
    m_box->setFocus();
    return true;
}

bool SourceEditor::holdsUnsavedEdits() const {
    return isVisible() && m_modified && m_box->rulesText() != m_unedited;
}

bool SourceEditor::askToKeepEdits() {
    const MessageAnswer answer = m_platform.showMessage(kCloseQuestion, MessageIcon::Question,
                                                        MessageButtons::YesNoCancel, kApplicationTitle);
    if (answer == MessageAnswer::Cancel) return false;
    // A failed write leaves the window open, so the edits are not lost with it.
    return answer == MessageAnswer::No || saveChanges();
}

void SourceEditor::closeClicked() {
    if (!m_modified || askToKeepEdits()) hide();
}

void SourceEditor::hideEvent(QHideEvent* event) {
    // The search window works on this box only; it has nothing to search without it.
    if (m_search) m_search->close();
    m_values->hide();
    ToolWindow::hideEvent(event);
}

bool SourceEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box && event->type() == QEvent::KeyPress) return boxKeyPressed(*static_cast<QKeyEvent*>(event));
    if (watched == m_box->viewport() && event->type() == QEvent::MouseButtonPress) m_values->hide();
    if (watched == m_section && event->type() == QEvent::FocusIn) refreshSectionNames();
    return ToolWindow::eventFilter(watched, event);
}

bool SourceEditor::boxKeyPressed(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Down && key.modifiers() == Qt::NoModifier && m_values->isVisible()) {
        m_values->setFocus();
        return true; // the cursor stays where the value will go
    }
    // Only keys that type a character close the list; moving the cursor does not.
    const QString typed = key.text();
    if (typed == QStringLiteral("=")) {
        offerValues();
    } else if (!typed.isEmpty()) {
        m_values->hide();
    }
    return false;
}

void SourceEditor::offerValues() {
    QTextCursor at(m_box->document());
    at.setPosition(m_box->textCursor().selectionStart());
    m_values->hide();
    // The first line has no line above it to be a key of any section.
    if (at.blockNumber() == 0) return;
    const std::string key = fromQString(at.block().text().left(at.positionInBlock()));
    static const objects::ObjectLists kNoObjects;
    auto values = source::offeredValues(key, m_objectLists ? m_objectLists() : kNoObjects);
    if (values.empty()) return;
    m_values->fill(std::move(values));
    placeValueList(m_box->cursorRect(at));
}

void SourceEditor::placeValueList(const QRect& cursorLine) {
    // One line below the cursor's line, two character cells right of its column,
    // and always inside the window.
    QPoint at = m_box->viewport()->mapTo(this, QPoint(cursorLine.left() + 2 * m_box->cellWidth(), cursorLine.bottom() + 1));
    at.setX(std::clamp(at.x(), 0, width() - m_values->width()));
    at.setY(std::clamp(at.y(), 0, height() - m_values->height()));
    m_values->move(at);
    m_values->show();
    m_values->raise();
}

void SourceEditor::pickValue() {
    m_values->hide();
    m_box->setFocus();
    const source::OfferedValue* value = m_values->selectedValue();
    if (value == nullptr) return;
    if (value->icon == source::ValueIcon::Value) {
        m_box->insertPlainText(toQString(value->text));
    } else if (value->text == source::kSelectColour) {
        if (const auto colour = m_platform.chooseColour(0)) {
            m_box->insertPlainText(toQString(source::colourValueText(*colour)));
        }
    }
}

} // namespace halvex::ui
