// The source editor on a half-megabyte mod: opening it, typing in it with the colours
// on, and replacing many hits in its box.
#include "BigRules.h"
#include "SilentPlatform.h"

#include "ui/source/SearchWindow.h"
#include "ui/source/SourceBox.h"
#include "ui/source/SourceEditor.h"
#include "ui/source/SourceHighlighter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextBlock>
#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kLargeMod = 550 * 1024;

halvex::ui::SourceEditor::WriteBack writeNowhere() {
    return [](const std::string&) { return true; };
}

// Filling the box with the text and painting the first screen of it.
void OpenEditor(benchmark::State& state) {
    SilentPlatform platform;
    halvex::ui::SourceEditor editor(platform, writeNowhere());
    editor.show();
    QApplication::processEvents();
    const std::string text = bigRulesText(kLargeMod);
    for (auto _ : state) {
        editor.load(text);
        editor.box()->viewport()->repaint();
    }
}
BENCHMARK(OpenEditor)->Unit(benchmark::kMillisecond);

void press(QWidget* target, Qt::Key key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

// One character typed in the middle of the text and the screen painted again; every
// other keystroke takes it back, so the text keeps its size.
void KeystrokeWithColours(benchmark::State& state) {
    SilentPlatform platform;
    halvex::ui::SourceEditor editor(platform, writeNowhere());
    editor.show();
    QApplication::processEvents(); // the window must be exposed for painting to happen
    editor.load(bigRulesText(kLargeMod));
    halvex::ui::SourceBox& box = *editor.box();
    box.setTextCursor(QTextCursor(box.document()->findBlockByNumber(box.blockCount() / 2)));
    box.centerCursor();
    box.viewport()->repaint();
    bool typed = false;
    for (auto _ : state) {
        if (typed) {
            press(&box, Qt::Key_Backspace, QStringLiteral("\b"));
        } else {
            press(&box, Qt::Key_X, QStringLiteral("x"));
        }
        typed = !typed;
        box.viewport()->repaint();
    }
    // Proves the painting coloured the line typed in, so the figure includes it.
    state.counters["coloured"] = halvex::ui::SourceHighlighter::isHighlighted(box.textCursor().block()) ? 1 : 0;
}
BENCHMARK(KeystrokeWithColours)->Unit(benchmark::kMillisecond);

// "Do it!" replacing a marker put on every fourth line: the search, the rows of the
// result list and the replacements in the box.
void ReplaceInEditor(benchmark::State& state) {
    SilentPlatform platform;
    halvex::ui::SourceEditor editor(platform, writeNowhere());
    editor.show();
    std::string text = bigRulesText(kLargeMod);
    for (std::size_t at = 0, line = 0; (at = text.find('\n', at)) != std::string::npos; ++at, ++line) {
        if (line % 4 == 0) text.insert(at + 1, "#");
    }
    editor.openSearch();
    halvex::ui::SearchWindow& search = *editor.searchWindow();
    search.searchField()->setText(QStringLiteral("#"));
    search.replaceField()->setText(QStringLiteral("#"));
    for (auto _ : state) {
        state.PauseTiming();
        editor.load(text);
        state.ResumeTiming();
        search.run();
    }
}
BENCHMARK(ReplaceInEditor)->Unit(benchmark::kMillisecond);

} // namespace
