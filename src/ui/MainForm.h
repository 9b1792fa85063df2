#pragma once

#include "core/Theme.h"
#include "core/Workspace.h"
#include "core/editor/Navigation.h"
#include "core/platform/Platform.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QTimer;

namespace halvex::ui {

class AddDeleteWindow;
class ChangesWindow;
class ModCreatorWindow;
class EditPanes;
class HelpWindow;
class HistoryWindow;
class LabelButton;
class NavigationList;
class ProgressBar;
class SourceEditor;
class TabStrip;
class UserNameDialog;

// The editor's main window, "mainform": a fixed 640 x 480 client area with the edit
// panes at the left and the navigation list, its OK/Cancel buttons, the status label
// and the progress bar at the right. It carries out what the navigation decides.
class MainForm : public QWidget, private editor::NavigationHost {
    Q_OBJECT
public:
    // The hidden object lists loadlist fills (for Add/Delete and the stats page). The
    // navigation list itself is filled only through the navigation, so what it shows and
    // what OK acts on never part.
    enum class ListTarget { Units, Buildings, Weapons };

    static constexpr int kClientWidth = 640;
    static constexpr int kClientHeight = 480;

    MainForm(Workspace& workspace, Platform& platform, QWidget* parent = nullptr);
    ~MainForm() override;

    // Start-up in order: settings and rules text, the theme, the history palette, the root
    // entries. False when the user cancelled the folder prompt: nothing was shown or written.
    bool loadSequence();

    void resetmenu();
    // Fills a hidden object list with the objects of a kind, as the loaded text and the
    // list files give them (a list file that cannot be read is reported once per run).
    void loadlist(std::string_view listName, ListTarget target);
    void createtab(const QString& caption, bool selected);
    bool exec(const std::string& target);
    void applyTheme(const Theme& theme);

    // Loading an object: clr, then parseini (load defaults first, then every key line
    // of the section through setvalues), then the caller names the current section.
    void clr();
    bool parseini(const std::string& section);
    void setvalues(std::string_view key, std::string_view value);
    void overitem(std::string_view key, std::string_view value);
    void remoteload(const std::string& section, const std::string& kind);
    void tabSwitch(int index);
    void editWeapon(int index);
    // The rules text was replaced whole (a source save, a reload from disk, an added or
    // deleted object): the shown object is read again from the new text, tabs and panes
    // as they are. An object the new text lacks is cleared away.
    void rulesTextReplaced();

    // Applies the ticked edits and writes rules.ini; false when nothing was written.
    bool saverules();
    bool savetext();
    void showHelp(const QString& topic);
    // Asks about unsaved changes, then closes every window; false when the user stayed.
    bool exitSequence();

    const std::string& currentSection() const { return m_currentSection; }
    const editor::Navigation& navigation() const { return m_navigation; }
    const std::vector<ListEntry>& objectList(ListTarget target) const;

    NavigationList* menu() const { return m_menu; }
    TabStrip& tabs() const { return *m_tabs; }
    EditPanes& panes() const { return *m_panes; }
    ProgressBar* progressBar() const { return m_progress; }
    QLabel* statusLabel() const { return m_status; }
    LabelButton* okButton() const { return m_ok; }
    LabelButton* cancelButton() const { return m_cancel; }
    HistoryWindow* historyWindow() const { return m_history; }
    ChangesWindow* changesWindow() const { return m_changes; }
    SourceEditor* sourceEditor() const { return m_sourceEditor; } // null until first opened
    AddDeleteWindow* addDeleteWindow() const; // null while closed
    ModCreatorWindow* modCreatorWindow() const; // null while closed
    QTimer* historyTimer() const { return m_historyTimer; }
    bool hasCustomBackground() const { return m_customBackground; }
    bool isExiting() const { return m_exiting; }
    HelpWindow* helpWindow() const;     // null while help is not open
    UserNameDialog* nameDialog() const; // null while not open

    // The navigation list's events, as the widgets deliver them (positions 1-based).
    void clickEntry(int position);
    void doubleClickEntry();
    void pressOk();
    void pressCancel();

    // One tick of the timer that keeps the history palette in step with the program.
    void followActiveWindow();

signals:
    void exitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Coming back to the program shows rules.ini as another program left it.
    void changeEvent(QEvent* event) override;

private:
    // NavigationHost
    std::vector<ListEntry> readList(std::string_view listName) override;
    void loadObject(std::string_view kind, std::string_view section) override;
    void loadGeneralView(std::string_view mode, std::string_view tabCaption, std::string_view pane) override;
    void openSourceEditor() override;
    void runGame() override;
    void openOnline() override;
    void save() override;
    void showHelp() override;
    void exitProgram() override;
    void openModCreator() override;
    void openChangesReport() override;
    void prepareAddDelete() override;
    void makeStats(const std::vector<std::string>& tickedStatsEntries) override;
    bool switchGameFolder() override;

    std::vector<ListEntry> objectsOf(std::string_view listName);
    // Save / Discard / Cancel before the game folder changes; false when the user stays.
    bool settleUnsavedEditsBeforeSwitch();
    // The weapon, projectile and warhead combos offer the loaded text's own as well.
    void offerObjectChoices();
    void updateTitle();
    void buildNavigation();
    void buildToolWindows();
    void syncMenu();
    void setOkCancelVisible(bool visible);
    void setMenuColours(const QColor& text, const QColor& background);
    void showTabZero(const QString& caption);
    void loadObjectLists(const std::array<int, 2>& progressSteps);
    void changeListUsed();
    bool writeBackSource(std::string text);
    // Nothing when the user cancels.
    std::optional<ChangedOnDisk> askAboutChangedRules();
    // Yes/No: overwrite the other program's rules.ini with `ours`; Overwrite or nothing.
    std::optional<ChangedOnDisk> askToOverwriteChangedRules(std::string_view ours);
    void showAddedObject(const std::string& id, const std::string& listName);
    void offerIdsForAdding();
    // Writes temp.html into the pages folder and returns its path; empty after a failed
    // write, which is reported.
    std::string writeStatsPage(const std::string& page);
    void advanceStatsProgress(int done, int total);
    std::string changedRulesNotice() const;
    void followRulesOnDisk();
    void message(const std::string& text, MessageIcon icon = MessageIcon::None);

    Workspace& m_workspace;
    Platform& m_platform;
    editor::Navigation m_navigation;
    std::uint64_t m_shownNavigation = ~std::uint64_t{0};
    std::string m_currentSection;
    std::filesystem::path m_rulesFolder; // where the rules text was read from
    std::uint64_t m_offeredGeneration = ~std::uint64_t{0};
    QPixmap m_background;
    bool m_customBackground = false;
    bool m_exiting = false;
    bool m_changesPlaced = false;
    NavigationList* m_menu = nullptr;
    LabelButton* m_ok = nullptr;
    LabelButton* m_cancel = nullptr;
    QLabel* m_status = nullptr;
    ProgressBar* m_progress = nullptr;
    TabStrip* m_tabs = nullptr;
    EditPanes* m_panes = nullptr;
    HistoryWindow* m_history = nullptr;
    ChangesWindow* m_changes = nullptr;
    SourceEditor* m_sourceEditor = nullptr;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<UserNameDialog> m_nameDialog;
    QPointer<AddDeleteWindow> m_addDelete;
    QPointer<ModCreatorWindow> m_modCreator;
    QTimer* m_historyTimer = nullptr;
    std::array<std::vector<ListEntry>, 3> m_objectLists;
};

} // namespace halvex::ui
