#include "ui/source/SourceBox.h"

#include "ui/QtText.h"
#include "ui/source/SourceHighlighter.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <climits>

namespace halvex::ui {
namespace {

// A line whose end differs from the text's usual one carries its own.
class OwnLineEnd : public QTextBlockUserData {
public:
    explicit OwnLineEnd(source::LineEnd end) : m_end(end) {}
    source::LineEnd end() const { return m_end; }

private:
    source::LineEnd m_end;
};

QFont fixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Fixedsys"), QStringLiteral("Consolas"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono"), font.family()});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(9);
    return font;
}

} // namespace

SourceBox::SourceBox(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("source"));
    setFont(fixedPitchFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(8.0 * cellWidth());
    m_highlighter = std::make_unique<SourceHighlighter>(document());
}

SourceBox::~SourceBox() = default;

int SourceBox::cellWidth() const {
    return fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

void SourceBox::setRulesText(std::string_view rulesText) {
    source::ShownText shown = source::toShownText(rulesText);
    m_usualEnd = shown.usual;
    setPlainText(toQString(shown.text));
    for (const auto& [line, end] : shown.unusual) {
        document()->findBlockByNumber(static_cast<int>(line)).setUserData(new OwnLineEnd(end));
    }
}

source::UnusualLineEnds SourceBox::unusualLineEnds() const {
    source::UnusualLineEnds ends;
    std::size_t line = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next(), ++line) {
        if (const auto* own = dynamic_cast<const OwnLineEnd*>(block.userData())) ends.emplace_back(line, own->end());
    }
    return ends;
}

std::string SourceBox::rulesText() const {
    return source::fromShownText(shownText(), m_usualEnd, unusualLineEnds());
}

std::string SourceBox::shownText() const {
    // The raw text keeps no-break spaces, which the plain text would turn into blanks.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return fromQString(raw);
}

std::size_t SourceBox::cursorOffset() const {
    return static_cast<std::size_t>(textCursor().selectionStart());
}

void SourceBox::setCursorOffset(std::size_t offset) {
    selectRange(offset, 0);
}

void SourceBox::selectRange(std::size_t offset, std::size_t length) {
    const int last = document()->characterCount() - 1;
    const int start = std::min(static_cast<int>(std::min<std::size_t>(offset, INT_MAX)), last);
    const int end = std::min(start + static_cast<int>(std::min<std::size_t>(length, INT_MAX)), last);
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void SourceBox::replaceHits(const std::vector<source::SearchHit>& hits, std::size_t hitLength,
                            const std::string& replacement) {
    const QString put = toQString(replacement);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    // From the last hit back, so the offsets of the ones before stay true.
    for (auto hit = hits.rbegin(); hit != hits.rend(); ++hit) {
        cursor.setPosition(static_cast<int>(hit->before));
        cursor.setPosition(static_cast<int>(hit->before + hitLength), QTextCursor::KeepAnchor);
        cursor.insertText(put);
    }
    cursor.endEditBlock();
}

void SourceBox::paintEvent(QPaintEvent* event) {
    m_highlighter->highlight(firstVisibleBlock(), viewport()->height() / std::max(1, fontMetrics().lineSpacing()) + 2);
    QPlainTextEdit::paintEvent(event);
}

} // namespace halvex::ui
