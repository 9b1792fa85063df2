#pragma once

#include <QTextBlock>
#include <QTextCharFormat>

class QTextDocument;

namespace halvex::ui {

// Colours headers, keys, values and comments of the lines about to be painted, and
// only of those: a half-megabyte mod must not be coloured whole on opening or on a
// keystroke. A line is coloured again once its text changed.
class SourceHighlighter {
public:
    explicit SourceHighlighter(QTextDocument* document);

    // Colours up to `count` lines from `first` that changed since they were last coloured.
    void highlight(QTextBlock first, int count);

    static bool isHighlighted(const QTextBlock& block);

private:
    void highlightBlock(QTextBlock& block);

    QTextDocument* m_document;
    QTextCharFormat m_header;
    QTextCharFormat m_key;
    QTextCharFormat m_value;
    QTextCharFormat m_comment;
};

} // namespace halvex::ui
