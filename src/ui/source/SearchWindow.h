#pragma once

#include "core/platform/Platform.h"
#include "core/source/Search.h"
#include "ui/tools/ToolWindow.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace halvex::ui {

class SourceEditor;

// "search": finds a text in the source editor's box, lists every hit with its line,
// and replaces them all in one run. It belongs to one editor and closes with it.
class SearchWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 334;
    static constexpr int kClientHeight = 205;
    static constexpr int kHeightWithResults = 322;
    static constexpr const char* kReplaceHint = "(If you don't want to replace, don't edit)";

    SearchWindow(SourceEditor& editor, Platform& platform, QWidget* parent = nullptr);

    // "Do it!"
    void run();
    // Puts the editor's cursor on the row's hit and selects it.
    void showHit(QTreeWidgetItem* row);

    QLineEdit* searchField() const { return m_searchFor; }
    QLineEdit* replaceField() const { return m_replaceWith; }
    QCheckBox* matchCaseBox() const { return m_matchCase; }
    QRadioButton* scopeButton(source::SearchScope scope) const;
    QPushButton* runButton() const { return m_run; }
    QPushButton* cancelButton() const { return m_cancel; }
    QTreeWidget* results() const { return m_results; }

protected:
    void closeClicked() override;

private:
    void buildFields();
    void buildOptions();
    void buildResults();
    source::SearchScope chosenScope() const;
    void showResults(const std::vector<source::SearchHit>& hits);
    void tell(const std::string& text, MessageIcon icon);

    SourceEditor& m_editor;
    Platform& m_platform;
    QLineEdit* m_searchFor = nullptr;
    QLineEdit* m_replaceWith = nullptr;
    QCheckBox* m_matchCase = nullptr;
    std::array<QRadioButton*, 3> m_scopes{};
    QPushButton* m_run = nullptr;
    QPushButton* m_cancel = nullptr;
    QTreeWidget* m_results = nullptr;
};

} // namespace halvex::ui
