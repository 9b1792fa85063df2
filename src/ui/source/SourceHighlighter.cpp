#include "ui/source/SourceHighlighter.h"

#include "core/source/LineParts.h"
#include "ui/QtText.h"

#include <QTextDocument>
#include <QTextLayout>

namespace halvex::ui {
namespace {

QTextCharFormat coloured(const QColor& colour) {
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

} // namespace

SourceHighlighter::SourceHighlighter(QTextDocument* document)
    : m_document(document), m_header(coloured(QColor(128, 0, 0))), m_key(coloured(QColor(0, 0, 160))),
      m_value(coloured(QColor(0, 96, 96))), m_comment(coloured(QColor(0, 128, 0))) {}

bool SourceHighlighter::isHighlighted(const QTextBlock& block) {
    // The block's state holds the revision it was coloured at; a fresh block has -1.
    return block.userState() == block.revision();
}

void SourceHighlighter::highlight(QTextBlock first, int count) {
    for (QTextBlock block = first; block.isValid() && count > 0; block = block.next(), --count) {
        if (!isHighlighted(block)) highlightBlock(block);
    }
}

void SourceHighlighter::highlightBlock(QTextBlock& block) {
    // Positions in a line are characters; each of the text's bytes is one character.
    const std::string line = fromQString(block.text());
    QList<QTextLayout::FormatRange> ranges;
    for (const auto& span : source::lineParts(line)) {
        const QTextCharFormat* format = &m_value;
        switch (span.part) {
        case source::LinePart::Header: format = &m_header; break;
        case source::LinePart::Key: format = &m_key; break;
        case source::LinePart::Comment: format = &m_comment; break;
        case source::LinePart::Value: break;
        }
        ranges.append({static_cast<int>(span.start), static_cast<int>(span.length), *format});
    }
    block.layout()->setFormats(ranges);
    block.setUserState(block.revision());
    m_document->markContentsDirty(block.position(), block.length());
}

} // namespace halvex::ui
