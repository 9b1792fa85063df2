#pragma once

// What every test of the main window starts from: a program folder, a game folder, the
// scripted platform, the workspace and the window, plus the moves a user makes in it.
#include "core/ListFile.h"
#include "core/Startup.h"
#include "ui/MainForm.h"
#include "ui/NavigationList.h"
#include "ui/editor/EditPanes.h"

#include "fakes/FakePlatform.h"
#include "fakes/TempDir.h"
#include "fakes/WidgetTexts.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <string_view>

namespace halvex::testing {

class EditorRig {
public:
    TempDir program;
    TempDir game;
    FakePlatform platform;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<ui::MainForm> form;

    // The project's own list files, as they are installed beside the executable.
    void installListFiles() const {
        for (const auto list : kListNames) {
            const std::string name = std::string(list) + ".txt";
            program.write(name, readFile(std::filesystem::path(HALVEX_SOURCE_DIR) / "data" / name));
        }
    }

    // The workspace and the window over whatever the folders hold; nothing started yet.
    ui::MainForm& create() {
        workspace = std::make_unique<Workspace>(program.path());
        form = std::make_unique<ui::MainForm>(*workspace, platform);
        return *form;
    }

    // Writes the game's rules and settings that point at the game, then starts the window.
    ui::MainForm& open(std::string_view rules) {
        game.write("rules.ini", rules);
        program.write("settings.iff", freshSettings(game.path().string()) + "\r\n");
        create();
        form->loadSequence();
        form->show();
        return *form;
    }

    // The same, with the window active, as a user sees it: focus moves need an active window.
    bool openActive(std::string_view rules) {
        open(rules).activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    // 1-based position of the navigation entry with that text.
    int position(const QString& text) const {
        const auto found = form->menu()->findItems(text, Qt::MatchFixedString);
        if (found.isEmpty()) qFatal("no entry %s", qPrintable(text));
        return form->menu()->indexOfTopLevelItem(found.front()) + 1;
    }

    void command(const QString& text) const {
        form->clickEntry(position(text));
        form->doubleClickEntry();
    }

    void pick(const QString& text) const {
        form->clickEntry(position(text));
        form->pressOk();
    }

    // Settings -> the list.
    void showList(const QString& list) const {
        command(QStringLiteral("Settings"));
        pick(list);
    }

    // Settings -> the list -> the object -> OK.
    void load(const QString& list, const QString& object) const {
        showList(list);
        pick(object);
    }

    template <typename Widget> Widget* field(std::string_view array, int index) const {
        auto* widget = qobject_cast<Widget*>(form->panes().field(array, index));
        if (widget == nullptr) qFatal("no field %s %d", std::string(array).c_str(), index);
        return widget;
    }

    // Replaces a field's text keystroke by keystroke, as a user types.
    static void type(QLineEdit* edit, const QString& text) { typeInto(edit, text); }
};

} // namespace halvex::testing
