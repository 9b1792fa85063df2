// A keystroke in a field must feel instant with ten thousand pending edits, the history
// palette's update included.
#include "BigRules.h"
#include "SilentPlatform.h"

#include "core/Workspace.h"
#include "ui/MainForm.h"
#include "ui/editor/EditPanes.h"
#include "ui/tools/HistoryWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// The user types into a unit's field while state.range(0) other edits wait; with
// `repaint` the windows are also drawn, as the next frame would. The time must not grow
// with the pending edits.
void typeWithPendingEdits(benchmark::State& state, bool repaint) {
    const auto pending = static_cast<std::size_t>(state.range(0));
    SilentPlatform platform;
    halvex::Workspace workspace(std::filesystem::temp_directory_path());
    workspace.rules().replace(bigRulesText(550 * 1024));
    for (std::size_t i = 0; i < pending; ++i) workspace.changes().record("TW_UNIT" + std::to_string(i), "Cost", "100");
    halvex::ui::MainForm form(workspace, platform);
    form.show();
    form.historyWindow()->show();
    form.parseini("C5_E2");
    form.remoteload("C5_E2", "units");
    auto* field = qobject_cast<QLineEdit*>(form.panes().field("mainedit", 2));
    field->setFocus();
    QApplication::processEvents();

    bool grow = true;
    for (auto _ : state) {
        QTest::keyClick(field, grow ? Qt::Key_7 : Qt::Key_Backspace);
        grow = !grow;
        if (repaint) QApplication::processEvents();
    }
    const auto rows = static_cast<std::size_t>(form.historyWindow()->changeList()->count());
    if (workspace.changes().size() != pending + 1 || rows != pending + 1) {
        state.SkipWithError("the keystrokes were not recorded in the palette");
    }
}

void Keystroke(benchmark::State& state) {
    typeWithPendingEdits(state, false);
}
BENCHMARK(Keystroke)->Arg(0)->Arg(10'000)->Unit(benchmark::kMicrosecond);

void KeystrokeAndRepaint(benchmark::State& state) {
    typeWithPendingEdits(state, true);
}
BENCHMARK(KeystrokeAndRepaint)->Arg(0)->Arg(10'000)->Unit(benchmark::kMicrosecond);

} // namespace
