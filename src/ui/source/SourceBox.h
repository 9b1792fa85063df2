#pragma once

#include "core/source/LineEnds.h"
#include "core/source/Search.h"

#include <QPlainTextEdit>

#include <memory>
#include <string>
#include <vector>

namespace halvex::ui {

class SourceHighlighter;

// "source", the source editor's fixed-pitch text box. It shows lines the way every
// plain-text box does and keeps the line ends the rules text really had beside them,
// so giving the text back returns each byte the user did not touch. Offsets count
// the characters before the cursor, one per line break, as the user moves through it.
class SourceBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SourceBox(QWidget* parent = nullptr);
    ~SourceBox() override;

    // Windows-1252 bytes in, the same bytes out.
    void setRulesText(std::string_view rulesText);
    std::string rulesText() const;

    // The text as shown: lines joined by '\n'.
    std::string shownText() const;

    std::size_t cursorOffset() const;
    void setCursorOffset(std::size_t offset);
    void selectRange(std::size_t offset, std::size_t length);

    // Puts each hit's replacement where the hit stood, as one step the user can undo.
    void replaceHits(const std::vector<source::SearchHit>& hits, std::size_t hitLength, const std::string& replacement);

    // Width of one character cell and height of one line, in pixels.
    int cellWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    source::UnusualLineEnds unusualLineEnds() const;

    source::LineEnd m_usualEnd = source::LineEnd::CrLf;
    std::unique_ptr<SourceHighlighter> m_highlighter;
};

} // namespace halvex::ui
