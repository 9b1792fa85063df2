#include "ui/MainForm.h"

#include "core/GameFolderSwitch.h"
#include "core/RecentFolders.h"
#include "core/SectionReader.h"
#include "core/Startup.h"
#include "core/editor/Binding.h"
#include "core/editor/WindowTitle.h"
#include "core/online/ServerAddresses.h"
#include "core/tools/StatsPage.h"
#include "ui/Artwork.h"
#include "ui/LabelButton.h"
#include "ui/NavigationList.h"
#include "ui/ProgressBar.h"
#include "ui/QtText.h"
#include "ui/TabStrip.h"
#include "ui/Twips.h"
#include "ui/editor/EditPanes.h"
#include "ui/online/HelpWindow.h"
#include "ui/online/UserNameDialog.h"
#include "ui/source/SourceEditor.h"
#include "ui/tools/AddDeleteWindow.h"
#include "ui/tools/ChangesWindow.h"
#include "ui/tools/HistoryWindow.h"
#include "ui/tools/ModCreatorWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTime>
#include <QTimer>

#include <exception>

namespace halvex::ui {
namespace {

const QColor kMenuText(255, 255, 255);
const QColor kMenuBackground(0, 0, 0);

constexpr int kMenuLeft = 6480;
constexpr int kMenuTop = 2685;
constexpr int kHistoryTimerMs = 250;

constexpr std::string_view kAreaNotFound = "Area could not be found. Rules.ini may be corrupted";
constexpr std::string_view kSwitchQuestion =
    "There are unsaved changes. Would you like to save them before switching to another game folder?";
constexpr std::string_view kExitQuestion =
    "There have been changes since you have last saved. Would you like to save now?";

} // namespace

MainForm::MainForm(Workspace& workspace, Platform& platform, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_platform(platform), m_navigation(*this) {
    setObjectName(QStringLiteral("mainform"));
    setWindowTitle(toQString(editor::kMainCaption));
    setWindowIcon(Artwork::windowIcon());
    setFixedSize(kClientWidth, kClientHeight);
    // The panes were laid out for an 8-point Windows dialog font; an Arial-metric font
    // keeps their captions inside their labels elsewhere.
    QFont small = font();
    small.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Arial")});
    small.setPointSize(8);
    setFont(small);
    m_background = Artwork::background(size());

    m_tabs = new TabStrip(this);
    connect(m_tabs, &TabStrip::tabClicked, this, &MainForm::tabSwitch);
    m_panes = new EditPanes(this);
    connect(m_panes, &EditPanes::fieldEdited, this,
            [this](const std::string& key, const std::string& value) { overitem(key, value); });
    connect(m_panes, &EditPanes::editWeaponClicked, this, &MainForm::editWeapon);
    buildNavigation();
    buildToolWindows();

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { showHelp(QString()); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

MainForm::~MainForm() = default;

void MainForm::buildNavigation() {
    m_status = new QLabel(QStringLiteral("Loading..."), this);
    m_status->setObjectName(QStringLiteral("lding"));
    m_status->setGeometry(pixelRect(6600, 3360, 2535, 375));
    m_status->setAutoFillBackground(true);

    m_progress = new ProgressBar(this);

    m_menu = new NavigationList(this);
    m_menu->setGeometry(pixelRect(kMenuLeft, kMenuTop, 2790, 1635));
    setMenuColours(kMenuText, kMenuBackground);
    connect(m_menu, &NavigationList::entryChosen, this, &MainForm::clickEntry);
    connect(m_menu, &NavigationList::entryDoubleClicked, this, [this](int position) {
        clickEntry(position);
        doubleClickEntry();
    });
    connect(m_menu, &NavigationList::entryChecked, this,
            [this](int position, bool checked) { m_navigation.setChecked(position, checked); });
    // Enter and Escape stand for the buttons while they are shown; on the top level
    // Enter runs the chosen command, as a double-click does.
    connect(m_menu, &NavigationList::enterPressed, this, [this] {
        if (m_navigation.okCancelVisible()) {
            pressOk();
        } else {
            doubleClickEntry();
        }
    });
    connect(m_menu, &NavigationList::escapePressed, this, [this] {
        if (m_navigation.okCancelVisible()) pressCancel();
    });

    m_ok = new LabelButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("lblbtn_0"));
    m_ok->setGeometry(pixelRect(6600, 4800, 1095, 255));
    connect(m_ok, &LabelButton::clicked, this, &MainForm::pressOk);
    m_cancel = new LabelButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("lblbtn_1"));
    m_cancel->setGeometry(pixelRect(8160, 4800, 1095, 255));
    connect(m_cancel, &LabelButton::clicked, this, &MainForm::pressCancel);
    setOkCancelVisible(false);
}

void MainForm::buildToolWindows() {
    m_history = new HistoryWindow(m_workspace, m_platform, this);
    connect(m_history, &HistoryWindow::saveRequested, this, [this] { saverules(); });
    connect(m_history, &HistoryWindow::changesReportRequested, this, &MainForm::openChangesReport);
    connect(m_history, &HistoryWindow::helpRequested, this, [this](const QString& topic) { showHelp(topic); });
    connect(m_history, &HistoryWindow::closedByUser, this, [this] { m_historyTimer->stop(); });

    m_changes = new ChangesWindow(m_workspace, m_platform, this);

    m_historyTimer = new QTimer(this);
    m_historyTimer->setInterval(kHistoryTimerMs);
    connect(m_historyTimer, &QTimer::timeout, this, &MainForm::followActiveWindow);
}

void MainForm::setMenuColours(const QColor& text, const QColor& background) {
    m_menu->setColours(text, background);

    QPalette status = m_status->palette();
    status.setColor(QPalette::WindowText, text);
    status.setColor(QPalette::Window, background);
    m_status->setPalette(status);
}

void MainForm::setOkCancelVisible(bool visible) {
    m_ok->setVisible(visible);
    m_cancel->setVisible(visible);
}

void MainForm::message(const std::string& text, MessageIcon icon) {
    m_platform.showMessage(text, icon, MessageButtons::Ok);
}

// ---- Start-up ----

bool MainForm::loadSequence() {
    const StartupResult started = startup(m_workspace, m_platform);
    if (started.cancelled) return false;
    if (started.rulesLoaded) {
        m_rulesFolder = started.rulesSource.parent_path();
        applyTheme(readTheme(m_workspace.settings(), m_workspace.folders().settings));
    }
    updateTitle();
    // Beside the main window, until the user drags it somewhere else.
    m_history->move(x() + width() + 8, y());
    m_history->restorePosition();
    m_history->refresh();
    m_history->show();
    m_historyTimer->start();
    resetmenu();
    return true;
}

void MainForm::applyTheme(const Theme& theme) {
    if (theme.background) {
        QPixmap picture(QString::fromStdU16String(theme.background->u16string()));
        if (!picture.isNull()) {
            m_background = picture;
            m_customBackground = true;
            update();
        }
    }
    const QColor text = theme.menuFore ? colourFromNumber(*theme.menuFore) : kMenuText;
    const QColor background = theme.menuBack ? colourFromNumber(*theme.menuBack) : kMenuBackground;
    setMenuColours(text, background);
    if (theme.menuFore) m_progress->setFillColour(text);
    m_menu->move(theme.menuLeft ? pixels(*theme.menuLeft) : m_menu->x(),
                 theme.menuTop ? pixels(*theme.menuTop) : m_menu->y());
}

void MainForm::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}

void MainForm::followActiveWindow() {
    const std::string active = m_platform.activeWindowName();
    if (active == "mainform" || active == "history") {
        if (!m_history->isVisible()) m_history->show();
    } else {
        m_history->hide();
    }
}

// ---- Navigation list ----

void MainForm::syncMenu() {
    if (m_navigation.revision() == m_shownNavigation) return;
    m_shownNavigation = m_navigation.revision();
    m_menu->showItems(m_navigation.items(), m_navigation.checkBoxes());
    setOkCancelVisible(m_navigation.okCancelVisible());
}

void MainForm::resetmenu() {
    m_shownNavigation = ~std::uint64_t{0};
    syncMenu();
}

void MainForm::clickEntry(int position) {
    m_navigation.click(position);
}

void MainForm::doubleClickEntry() {
    m_navigation.doubleClick();
    syncMenu();
}

void MainForm::pressOk() {
    m_navigation.ok();
    syncMenu();
}

void MainForm::pressCancel() {
    m_navigation.cancel();
    syncMenu();
}

const std::vector<ListEntry>& MainForm::objectList(ListTarget target) const {
    return m_objectLists.at(static_cast<std::size_t>(target));
}

std::vector<ListEntry> MainForm::objectsOf(std::string_view listName) {
    const auto kind = objects::kindOfListName(listName);
    if (!kind) return {};
    if (const std::string problem = m_workspace.takeListFileProblem(*kind); !problem.empty()) {
        message(problem, MessageIcon::Exclamation);
    }
    return m_workspace.objectLists().of(*kind);
}

std::vector<ListEntry> MainForm::readList(std::string_view listName) {
    m_menu->hide();
    m_progress->setWidthTwips(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<ListEntry> entries = objectsOf(listName);
    m_progress->advanceTwips(15 * static_cast<int>(entries.size()));
    QApplication::restoreOverrideCursor();
    m_progress->setWidthTwips(ProgressBar::kFullWidth);
    m_menu->show();
    return entries;
}

void MainForm::loadlist(std::string_view listName, ListTarget target) {
    m_objectLists.at(static_cast<std::size_t>(target)) = objectsOf(listName);
}

void MainForm::createtab(const QString& caption, bool selected) {
    m_tabs->createTab(caption, selected);
}

bool MainForm::exec(const std::string& target) {
    return m_platform.openDocument(target);
}

// ---- Loading an object ----

void MainForm::clr() {
    m_panes->hideAll();
    m_tabs->reset();
    m_currentSection.clear();
    m_panes->clearFields();
}

bool MainForm::parseini(const std::string& section) {
    m_currentSection.clear(); // filling the fields must record nothing
    m_menu->hide();
    m_progress->setWidthTwips(0);
    const RulesText& rules = m_workspace.rules();
    const bool found = rules.findSection(section).has_value();
    if (!found) {
        message(std::string(kAreaNotFound));
    } else {
        for (const auto& preset : editor::loadDefaults()) setvalues(preset.key, preset.value);
        readSection(rules, section, [this](std::string_view key, std::string_view value) { setvalues(key, value); });
    }
    m_menu->show();
    return found;
}

void MainForm::setvalues(std::string_view key, std::string_view value) {
    m_panes->setValues(key, value);
}

void MainForm::overitem(std::string_view key, std::string_view value) {
    if (m_currentSection.empty()) return;
    m_workspace.changes().record(m_currentSection, key, value);
    changeListUsed();
}

void MainForm::changeListUsed() {
    // A palette the user closed comes back when the change list is next used; the
    // timer stays off, so from then on it no longer hides with the program.
    m_history->refresh();
    if (!m_historyTimer->isActive() && !m_history->isVisible()) m_history->show();
}

void MainForm::showTabZero(const QString& caption) {
    m_tabs->setCaption(0, caption);
    m_tabs->tab(0)->show();
    m_tabs->select(0);
}

void MainForm::loadObject(std::string_view kind, std::string_view section) {
    const std::string name(section);
    offerObjectChoices();
    clr();
    m_tabs->tab(0)->show();
    for (const auto caption : editor::tabCaptionsFor(kind)) createtab(toQString(caption), false);
    const bool found = parseini(name);
    tabSwitch(0);
    if (found) m_currentSection = name;
    updateTitle();
}

void MainForm::loadGeneralView(std::string_view /*mode*/, std::string_view tabCaption, std::string_view pane) {
    clr();
    showTabZero(toQString(tabCaption));
    if (parseini("General")) m_currentSection = "General";
    m_panes->setPaneVisible(pane, true);
    updateTitle();
}

void MainForm::remoteload(const std::string& section, const std::string& kind) {
    m_currentSection = section;
    m_navigation.setMode(kind);
    tabSwitch(0);
    m_tabs->tab(0)->show();
    for (const auto caption : editor::tabCaptionsFor(kind)) createtab(toQString(caption), false);
}

void MainForm::tabSwitch(int index) {
    if (index < 0 || index >= m_tabs->count()) return;
    m_tabs->select(index);
    const std::string caption = fromQString(m_tabs->caption(index));
    for (const auto& change : editor::tabSwitchPanes(caption, m_navigation.loadedKind())) {
        m_panes->setPaneVisible(change.pane, change.visible);
    }
}

void MainForm::rulesTextReplaced() {
    const std::string section = m_currentSection;
    if (section.empty()) return;
    m_currentSection.clear();
    m_panes->clearFields();
    if (parseini(section)) {
        m_currentSection = section;
    } else {
        clr();
    }
    updateTitle();
}

void MainForm::editWeapon(int index) {
    static constexpr std::array<std::pair<std::string_view, int>, 3> kWeaponCombo = {
        std::pair{std::string_view("maincombo"), 1}, std::pair{std::string_view("maincombo"), 2},
        std::pair{std::string_view("elitecmb"), editor::kNoIndex}};
    if (index < 0 || index >= static_cast<int>(kWeaponCombo.size())) return;
    const auto& [array, member] = kWeaponCombo.at(static_cast<std::size_t>(index));
    const std::string weapon = fromQString(m_panes->text(array, member));
    if (editor::isNoWeapon(weapon)) return;
    m_navigation.setMode("weapons");
    offerObjectChoices();
    clr();
    showTabZero(QStringLiteral("Main"));
    // Edits on the weapon opened this way are recorded under the weapon's own section.
    if (parseini(weapon)) m_currentSection = weapon;
    m_panes->setPaneVisible("weapmain", true);
    updateTitle();
    syncMenu();
}

void MainForm::offerObjectChoices() {
    // The lists follow the text; the combos need refilling only once it was replaced.
    if (m_offeredGeneration == m_workspace.rules().generation()) return;
    m_offeredGeneration = m_workspace.rules().generation();
    m_panes->offerObjects(m_workspace.objectLists());
}

void MainForm::updateTitle() {
    std::string name;
    if (const auto kind = objects::kindOfListName(m_navigation.loadedKind()); kind && !m_currentSection.empty()) {
        if (const ListEntry* entry = m_workspace.objectLists().find(*kind, m_currentSection)) name = entry->name;
    }
    setWindowTitle(QString::fromStdString(editor::windowTitle(m_currentSection, name, m_rulesFolder)));
}

// ---- Saving and leaving ----

bool MainForm::saverules() {
    // An added or deleted object makes no entry, yet is as unsaved as an edit.
    if (!m_workspace.hasUnsavedChanges()) return false;
    m_menu->hide();
    m_progress->setWidthTwips(0);
    m_status->setText(QStringLiteral("Saving..."));
    m_status->repaint();
    SaveOutcome outcome = m_workspace.saveChanges();
    std::optional<ChangedOnDisk> choice;
    if (outcome.changedOnDisk) {
        // Edits alone can be applied to the other program's text; a text with objects
        // added or deleted can only replace it.
        choice = m_workspace.hasUnsavedText() ? askToOverwriteChangedRules("Halvex's text, with the objects you "
                                                                           "added or deleted")
                                              : askAboutChangedRules();
        if (choice) outcome = m_workspace.saveChanges(*choice);
    }
    for (std::size_t i = 0; i < outcome.missingSections.size(); ++i) message("Error is Saving!");
    m_progress->setWidthTwips(ProgressBar::kFullWidth);
    m_menu->show();
    m_status->setText(QStringLiteral("Loading..."));
    changeListUsed();
    m_changes->refresh();
    if (!outcome.error.empty()) message(outcome.error, MessageIcon::Critical);
    if (!outcome.written) return false;
    // The other program's changes came in with the save: show them.
    if (choice == ChangedOnDisk::ApplyToNewText) rulesTextReplaced();
    message("Rules.ini Saved!");
    return true;
}

std::optional<ChangedOnDisk> MainForm::askAboutChangedRules() {
    const std::string text =
        changedRulesNotice() +
        "\n\nYes: apply your edits to the file as it is now, keeping the other program's changes."
        "\nNo: overwrite the file with Halvex's text; the other program's changes are lost."
        "\nCancel: write nothing now; your edits are kept.";
    switch (m_platform.showMessage(text, MessageIcon::Exclamation, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return ChangedOnDisk::ApplyToNewText;
    case MessageAnswer::No:
        return ChangedOnDisk::Overwrite;
    default:
        return std::nullopt;
    }
}

std::string MainForm::changedRulesNotice() const {
    return files::textFromPath(m_workspace.gameFile(kRulesFileName)) +
           " was changed by another program since Halvex last read or saved it.";
}

std::optional<ChangedOnDisk> MainForm::askToOverwriteChangedRules(std::string_view ours) {
    const std::string question = changedRulesNotice() + "\n\nYes: overwrite it with " + std::string(ours) +
                                 "; the other program's changes are lost.\nNo: write nothing now; your text is kept.";
    if (m_platform.showMessage(question, MessageIcon::Exclamation, MessageButtons::YesNo) != MessageAnswer::Yes) {
        return std::nullopt;
    }
    return ChangedOnDisk::Overwrite;
}

bool MainForm::savetext() {
    SaveOutcome outcome = m_workspace.saveRulesText();
    if (outcome.changedOnDisk) {
        if (!askToOverwriteChangedRules("the source text")) return false;
        outcome = m_workspace.saveRulesText(ChangedOnDisk::Overwrite);
    }
    if (!outcome.written) message(outcome.error, MessageIcon::Critical);
    return outcome.written;
}

void MainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) followRulesOnDisk();
}

void MainForm::followRulesOnDisk() {
    // An event handler: nothing may escape it, and a failed read leaves the text as it is.
    try {
        if (m_workspace.reloadRulesIfChanged()) rulesTextReplaced();
    } catch (const std::exception& failure) {
        message(std::string("Rules.ini could not be read again: ") + failure.what(), MessageIcon::Critical);
    }
}

void MainForm::showHelp(const QString& topic) {
    if (m_helpWindow == nullptr) {
        m_helpWindow = new HelpWindow(this);
        m_helpWindow->move(geometry().center() - m_helpWindow->rect().center());
    }
    m_helpWindow->showHelp(online::readServerAddresses(m_workspace.settings(), m_workspace.folders().data), topic);
}

bool MainForm::exitSequence() {
    if (m_sourceEditor != nullptr && m_sourceEditor->holdsUnsavedEdits() && !m_sourceEditor->askToKeepEdits()) {
        return false;
    }
    if (m_workspace.hasUnsavedChanges()) {
        changeListUsed();
        const MessageAnswer answer = m_platform.showMessage(std::string(kExitQuestion), MessageIcon::Exclamation,
                                                            MessageButtons::YesNoCancel, kApplicationTitle);
        if (answer == MessageAnswer::Cancel) return false;
        // A save that could not be written must not end the program with the edits lost.
        if (answer == MessageAnswer::Yes && !saverules()) return false;
    }
    m_exiting = true;
    m_historyTimer->stop();
    m_history->close();
    m_changes->close();
    emit exitRequested();
    close();
    return true;
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (m_exiting || exitSequence()) {
        event->accept();
    } else {
        event->ignore();
    }
}

// ---- Commands whose windows live elsewhere ----

void MainForm::save() {
    saverules();
}

void MainForm::showHelp() {
    showHelp(QString());
}

void MainForm::exitProgram() {
    exitSequence();
}

void MainForm::runGame() {
    const auto game = files::findIgnoreCase(m_workspace.gameDirectory(), "sun.exe");
    if (!game) return;
    showMinimized();
    m_platform.startProgram(*game);
}

void MainForm::openChangesReport() {
    m_changes->refresh();
    // Over the main window the first time; where the user dragged it afterwards.
    if (!m_changesPlaced) {
        m_changes->move(geometry().center() - m_changes->rect().center());
        m_changesPlaced = true;
    }
    m_changes->show();
    m_changes->raise();
}

void MainForm::loadObjectLists(const std::array<int, 2>& progressSteps) {
    m_menu->hide();
    m_progress->setWidthTwips(0);
    loadlist("units", ListTarget::Units);
    m_progress->setWidthTwips(progressSteps[0]);
    m_progress->repaint();
    loadlist("buildings", ListTarget::Buildings);
    m_progress->setWidthTwips(progressSteps[1]);
    m_progress->repaint();
}

void MainForm::prepareAddDelete() {
    if (m_addDelete) m_addDelete->close();
    m_addDelete = new AddDeleteWindow(m_workspace, m_platform, this);
    loadObjectLists({800, 1600});
    loadlist("weapons", ListTarget::Weapons);
    offerIdsForAdding();
    connect(m_addDelete, &AddDeleteWindow::objectAdded, this, &MainForm::showAddedObject);
    connect(m_addDelete, &AddDeleteWindow::objectDeleted, this, [this] {
        rulesTextReplaced();
        loadObjectLists({800, 1600});
        offerIdsForAdding();
        m_menu->show();
    });
    m_menu->show();
    m_addDelete->move(geometry().center() - m_addDelete->rect().center());
    m_addDelete->show();
    m_addDelete->raise();
    m_addDelete->activateWindow();
}

AddDeleteWindow* MainForm::addDeleteWindow() const {
    return m_addDelete;
}

ModCreatorWindow* MainForm::modCreatorWindow() const {
    return m_modCreator;
}

void MainForm::offerIdsForAdding() {
    std::vector<std::string> ids;
    for (const auto target : {ListTarget::Units, ListTarget::Buildings}) {
        for (const ListEntry& entry : objectList(target)) ids.push_back(entry.id);
    }
    m_addDelete->offerIds(ids);
}

void MainForm::showAddedObject(const std::string& id, const std::string& listName) {
    offerObjectChoices();
    clr();
    parseini(id);
    remoteload(id, listName);
    updateTitle();
    syncMenu();
}

void MainForm::advanceStatsProgress(int done, int total) {
    if (total <= 0) return;
    const int target = static_cast<int>(static_cast<long long>(done) * ProgressBar::kFullWidth / total);
    // Redrawing for every object would cost more than reading it.
    if (target > m_progress->widthTwips() + 14) {
        m_progress->setWidthTwips(target);
        m_progress->repaint();
    }
}

std::string MainForm::writeStatsPage(const std::string& page) {
    const std::filesystem::path file = m_workspace.folders().pages / std::string(tools::kStatsPageName);
    const files::WriteResult written = files::writeText(file, page);
    if (!written.ok) {
        message("The stats page could not be written to " + files::textFromPath(file) + ": " + written.error,
                MessageIcon::Critical);
        return {};
    }
    return files::textFromPath(file);
}

void MainForm::makeStats(const std::vector<std::string>& tickedStatsEntries) {
    loadObjectLists({1200, 2400});
    setOkCancelVisible(false);
    m_progress->setWidthTwips(0);
    m_status->setText(QStringLiteral("Generating..."));
    repaint();

    const DateTime now = m_platform.now();
    const QLocale locale;
    tools::StatsPage page(tickedStatsEntries,
                          fromQString(locale.toString(QDate(now.year, now.month, now.day), QLocale::ShortFormat)),
                          fromQString(locale.toString(QTime(now.hour, now.minute, now.second), QLocale::LongFormat)));
    struct Pass {
        tools::StatsPass pass;
        ListTarget list;
    };
    std::vector<Pass> passes;
    int total = 0;
    for (const Pass& pass : {Pass{tools::StatsPass::Units, ListTarget::Units},
                             Pass{tools::StatsPass::Structures, ListTarget::Buildings}}) {
        if (!page.runs(pass.pass)) continue;
        passes.push_back(pass);
        total += static_cast<int>(objectList(pass.list).size());
    }
    int done = 0;
    for (const Pass& pass : passes) {
        for (const ListEntry& entry : objectList(pass.list)) {
            page.adddata(m_workspace.rules(), entry.id, pass.pass);
            advanceStatsProgress(++done, total);
        }
    }
    const std::string file = writeStatsPage(page.finish());

    m_status->setText(QStringLiteral("Complete"));
    m_progress->setWidthTwips(0);
    m_menu->show();
    m_status->setText(QStringLiteral("Loading..."));
    if (!file.empty()) exec(file);
}

bool MainForm::settleUnsavedEditsBeforeSwitch() {
    if (!m_workspace.hasUnsavedChanges()) return true;
    changeListUsed();
    const MessageAnswer answer = m_platform.showMessage(std::string(kSwitchQuestion), MessageIcon::Exclamation,
                                                        MessageButtons::SaveDiscardCancel, kApplicationTitle);
    if (answer == MessageAnswer::Save) return saverules();
    // Discarded edits go only once the new folder is loaded: a cancelled or failed
    // switch keeps them.
    return answer == MessageAnswer::Discard;
}

bool MainForm::switchGameFolder() {
    if (!settleUnsavedEditsBeforeSwitch()) return false;
    const auto chosen = m_platform.browseForFolder(std::string(kFolderPrompt), recentFolders(m_workspace.settings()));
    if (!chosen || chosen->empty()) return false;
    const FolderSwitch result = halvex::switchGameFolder(m_workspace, *chosen);
    if (!result.error.empty()) {
        message(result.error, result.switched ? MessageIcon::Exclamation : MessageIcon::Critical);
    }
    if (!result.switched) return false;
    m_rulesFolder = *chosen;
    clr();
    m_history->refresh();
    offerObjectChoices();
    updateTitle();
    return true;
}

void MainForm::openSourceEditor() {
    if (m_sourceEditor == nullptr) {
        m_sourceEditor = new SourceEditor(
            m_platform, [this](std::string text) { return writeBackSource(std::move(text)); }, this);
        m_sourceEditor->setObjectLists([this]() -> const objects::ObjectLists& { return m_workspace.objectLists(); });
        m_sourceEditor->move(x() + (width() - m_sourceEditor->width()) / 2, y() + 40);
    }
    // Refilling replaces the box's text: edits not written back are asked about first,
    // and Cancel only brings the window forward with them.
    const bool keepsEdits = m_sourceEditor->holdsUnsavedEdits() && !m_sourceEditor->askToKeepEdits();
    if (!keepsEdits) m_sourceEditor->load(m_workspace.rules().text());
    m_sourceEditor->show();
    m_sourceEditor->raise();
    m_sourceEditor->activateWindow();
}

bool MainForm::writeBackSource(std::string text) {
    // Until rules.ini holds the new text the program keeps the old one, as after a
    // failed save; the editor keeps the new text for another try.
    std::string previous = m_workspace.rules().text();
    m_workspace.rules().replace(std::move(text));
    if (!savetext()) {
        m_workspace.rules().replace(std::move(previous));
        return false;
    }
    rulesTextReplaced();
    return true;
}

HelpWindow* MainForm::helpWindow() const {
    return m_helpWindow;
}

UserNameDialog* MainForm::nameDialog() const {
    return m_nameDialog;
}

void MainForm::openOnline() {
    if (m_nameDialog == nullptr) {
        m_nameDialog = new UserNameDialog(m_workspace, m_platform, this);
        m_nameDialog->move(geometry().center() - m_nameDialog->rect().center());
    }
    m_nameDialog->show();
    m_nameDialog->raise();
    m_nameDialog->activateWindow();
}

void MainForm::openModCreator() {
    if (!m_modCreator) {
        m_modCreator = new ModCreatorWindow(m_platform, m_workspace.folders().userFiles, this);
        connect(m_modCreator, &ModCreatorWindow::helpRequested, this, [this](const QString& topic) { showHelp(topic); });
        m_modCreator->move(geometry().center() - m_modCreator->rect().center());
    }
    m_modCreator->show();
    m_modCreator->raise();
    m_modCreator->activateWindow();
}

} // namespace halvex::ui
