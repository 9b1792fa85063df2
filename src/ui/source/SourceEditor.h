#pragma once

#include "core/objects/ObjectLists.h"
#include "core/platform/Platform.h"
#include "core/source/SectionJump.h"
#include "ui/tools/ToolWindow.h"

#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

namespace halvex::ui {

class SearchWindow;
class SourceBox;
class ValueList;

// "editcode": the whole rules text for free editing. Typing "=" after a key the game
// knows offers its values; the text goes back to the program only through "&Save
// Changes" (or Yes when closing), never by itself.
class SourceEditor : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 549;
    static constexpr int kClientHeight = 390;
    static constexpr const char* kCloseQuestion = "Would you like to save your changes?";

    // Makes `text` the program's rules text and writes rules.ini; false, with the user
    // told why, when the file could not be written.
    using WriteBack = std::function<bool(std::string text)>;

    SourceEditor(Platform& platform, WriteBack writeBack, QWidget* parent = nullptr);
    ~SourceEditor() override;

    // Fills the box with the rules text, replacing what it held (the caller asks about
    // edits not written back first). The fill counts as a change, so closing asks
    // whether to save.
    void load(const std::string& rulesText);
    bool isModified() const { return m_modified; }
    // Whether the open window holds text the user changed since it was filled or last
    // written back: what ending the program or refilling would lose. The fill alone is
    // not such an edit, nor is a change of the program's text made elsewhere meanwhile.
    bool holdsUnsavedEdits() const;
    // The close question ("Yes" saves); false when the user cancelled or the write
    // failed, and the edits must stay.
    bool askToKeepEdits();

    // Where the value list finds the loaded text's own weapons, projectiles and warheads;
    // without it the list offers the table's entries alone.
    using ObjectListsSource = std::function<const objects::ObjectLists&()>;
    void setObjectLists(ObjectListsSource source) { m_objectLists = std::move(source); }

    // "&Save Changes": false when the write failed; the text then still counts as unsaved.
    bool saveChanges();
    void skipSection();
    void openSearch();
    // Moves to the header of that section (exact name first, then regardless of case).
    bool goToSection(const std::string& name);

    SourceBox* box() const { return m_box; }
    ValueList* valueList() const { return m_values; }
    QPushButton* findButton() const { return m_find; }
    QPushButton* skipButton() const { return m_skip; }
    QPushButton* saveButton() const { return m_save; }
    QLineEdit* sectionField() const { return m_section; }
    SearchWindow* searchWindow() const; // null while the search window is closed

protected:
    void closeClicked() override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildButtons();
    void buildSectionField();
    QPushButton* addButton(const QString& caption, const QString& name, int left, int width);
    bool boxKeyPressed(const QKeyEvent& key);
    void offerValues();
    void placeValueList(const QRect& cursorLine);
    void pickValue();
    void refreshSectionNames();

    Platform& m_platform;
    WriteBack m_writeBack;
    ObjectListsSource m_objectLists;
    bool m_modified = false;
    std::string m_unedited; // the text as filled or last written back
    SourceBox* m_box = nullptr;
    ValueList* m_values = nullptr;
    QPushButton* m_find = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_save = nullptr;
    QLineEdit* m_section = nullptr;
    QPointer<SearchWindow> m_search;
    std::vector<source::SectionHeader> m_headers;
};

} // namespace halvex::ui
