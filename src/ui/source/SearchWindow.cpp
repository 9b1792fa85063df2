#include "ui/source/SearchWindow.h"

#include "ui/FlatList.h"
#include "ui/QtText.h"
#include "ui/source/SourceBox.h"
#include "ui/source/SourceEditor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace halvex::ui {
namespace {

constexpr int kResultsTop = 208;
constexpr int kHitRole = Qt::UserRole;
constexpr int kLengthRole = Qt::UserRole + 1;

constexpr std::string_view kEditorClosed =
    "The source editor is closed, so there is no text to search. Open it with \"Edit Source Code\" first.";

} // namespace

SearchWindow::SearchWindow(SourceEditor& editor, Platform& platform, QWidget* parent)
    : ToolWindow(QStringLiteral(" Search"), QSize(kClientWidth, kClientHeight), HelpButton::None, parent),
      m_editor(editor), m_platform(platform) {
    setObjectName(QStringLiteral("search"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildFields();
    buildOptions();
    buildResults();
}

void SearchWindow::buildFields() {
    const auto addField = [this](const QString& caption, const QString& name, int top) {
        auto* label = new QLabel(caption, this);
        label->setGeometry(8, top, 76, 20);
        auto* field = new QLineEdit(this);
        field->setObjectName(name);
        field->setGeometry(88, top, kClientWidth - 96, 20);
        return field;
    };
    m_searchFor = addField(QStringLiteral("Search For:"), QStringLiteral("Text1_0"), 24);
    m_replaceWith = addField(QStringLiteral("Replace with:"), QStringLiteral("Text1_1"), 50);
    m_replaceWith->setText(QString::fromLatin1(kReplaceHint));
    connect(m_searchFor, &QLineEdit::returnPressed, this, &SearchWindow::run);
}

void SearchWindow::buildOptions() {
    auto* frame = new QGroupBox(QStringLiteral("Search Options"), this);
    frame->setGeometry(8, 76, kClientWidth - 16, 92);
    m_matchCase = new QCheckBox(QStringLiteral("Match Case"), frame);
    m_matchCase->setObjectName(QStringLiteral("Check1"));
    m_matchCase->setGeometry(206, 20, 100, 18);
    const QString captions[] = {QStringLiteral("Search the whole document"), QStringLiteral("Search Before selection"),
                                QStringLiteral("Search After selection")};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setGeometry(10, 20 + 22 * i, 190, 18);
        m_scopes[static_cast<std::size_t>(i)] = option;
    }
    m_scopes[0]->setChecked(true);

    m_run = new QPushButton(QStringLiteral("Do it!"), this);
    m_run->setObjectName(QStringLiteral("Command1_0"));
    m_run->setGeometry(kClientWidth - 168, 174, 76, 24);
    m_run->setDefault(true);
    connect(m_run, &QPushButton::clicked, this, &SearchWindow::run);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command1_1"));
    m_cancel->setGeometry(kClientWidth - 84, 174, 76, 24);
    connect(m_cancel, &QPushButton::clicked, this, &SearchWindow::close);
}

void SearchWindow::buildResults() {
    m_results = new QTreeWidget(this);
    m_results->setObjectName(QStringLiteral("resultsview"));
    m_results->setGeometry(8, kResultsTop, kClientWidth - 16, kHeightWithResults - kResultsTop - 8);
    m_results->setHeaderLabels({QStringLiteral("Actual Text"), QStringLiteral("Char"), QStringLiteral("Line")});
    makeFlatList(*m_results);
    m_results->header()->setStretchLastSection(false);
    m_results->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_results->setColumnWidth(1, 56);
    m_results->setColumnWidth(2, 46);
    connect(m_results, &QTreeWidget::itemDoubleClicked, this, &SearchWindow::showHit);
}

QRadioButton* SearchWindow::scopeButton(source::SearchScope scope) const {
    return m_scopes.at(static_cast<std::size_t>(scope));
}

source::SearchScope SearchWindow::chosenScope() const {
    for (const auto scope : {source::SearchScope::BeforeCursor, source::SearchScope::AfterCursor}) {
        if (scopeButton(scope)->isChecked()) return scope;
    }
    return source::SearchScope::WholeText;
}

void SearchWindow::tell(const std::string& text, MessageIcon icon) {
    m_platform.showMessage(text, icon, MessageButtons::Ok);
}

void SearchWindow::run() {
    m_results->clear();
    if (!m_editor.isVisible()) {
        tell(std::string(kEditorClosed), MessageIcon::Exclamation);
        return;
    }
    SourceBox& box = *m_editor.box();
    source::SearchRequest request;
    request.needle = fromQString(m_searchFor->text());
    if (m_replaceWith->text() != QString::fromLatin1(kReplaceHint)) request.replacement = fromQString(m_replaceWith->text());
    request.matchCase = m_matchCase->isChecked();
    request.scope = chosenScope();
    request.cursor = box.cursorOffset();

    const auto result = source::runSearch(box.shownText(), request);
    if (!result) {
        tell(std::string(source::kNothingToSearchFor), MessageIcon::Exclamation);
        return;
    }
    if (result->hits.empty()) {
        tell(std::string(source::kNoResults), MessageIcon::Critical);
        return;
    }
    showResults(result->hits);
    if (request.replacement) box.replaceHits(result->hits, request.needle.size(), *request.replacement);
    tell(source::searchCompleteMessage(result->hits.size(), request.replacement.has_value()),
         MessageIcon::Information);
}

void SearchWindow::showResults(const std::vector<source::SearchHit>& hits) {
    setFixedSize(kClientWidth, kHeightWithResults);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(hits.size()));
    for (const auto& hit : hits) {
        auto* row = new QTreeWidgetItem(
            QStringList{toQString(hit.lineText), QString::number(hit.position), QString::number(hit.line)});
        row->setData(0, kHitRole, QVariant::fromValue(static_cast<qulonglong>(hit.position - 1)));
        row->setData(0, kLengthRole, QVariant::fromValue(static_cast<qulonglong>(hit.length)));
        rows << row;
    }
    m_results->addTopLevelItems(rows);
}

void SearchWindow::showHit(QTreeWidgetItem* row) {
    if (row == nullptr || !m_editor.isVisible()) return;
    SourceBox& box = *m_editor.box();
    box.selectRange(row->data(0, kHitRole).toULongLong(), row->data(0, kLengthRole).toULongLong());
    m_editor.raise();
    m_editor.activateWindow();
    box.setFocus();
}

void SearchWindow::closeClicked() {
    close();
}

} // namespace halvex::ui
