#include "ui/TabStrip.h"

#include "ui/Twips.h"

#include <QEvent>
#include <QMouseEvent>

#include <algorithm>

namespace halvex::ui {
namespace {

constexpr int kTabLeft = 480;
constexpr int kTabTop = 480;
constexpr int kTabWidth = 555;
constexpr int kTabHeight = 330;
constexpr int kTabGap = 180;

} // namespace

TabStrip::TabStrip(QWidget* window) : QObject(window), m_window(window) {
    m_tabs.push_back(makeTab(QStringLiteral("Main")));
    reset();
}

QLabel* TabStrip::makeTab(const QString& caption) {
    auto* tab = new QLabel(caption, m_window);
    tab->setObjectName(QStringLiteral("tb"));
    tab->setAlignment(Qt::AlignCenter);
    tab->setCursor(Qt::PointingHandCursor);
    tab->setAutoFillBackground(true);
    tab->installEventFilter(this);
    tab->setGeometry(pixelRect(kTabLeft, kTabTop, kTabWidth, kTabHeight));
    setRaised(tab, false);
    return tab;
}

void TabStrip::setRaised(QLabel* tab, bool raised) {
    tab->setFrameStyle(raised ? (QFrame::Panel | QFrame::Raised) : QFrame::NoFrame);
    tab->setLineWidth(raised ? 2 : 0);
    QPalette look = tab->palette();
    look.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    look.setColor(QPalette::WindowText, Qt::white);
    tab->setPalette(look);
    tab->setProperty("raised", raised);
}

bool TabStrip::isRaised(int index) const {
    return tab(index)->property("raised").toBool();
}

void TabStrip::fitWidth(QLabel* tab) {
    // Captions such as "General Settings" are wider than the designed tab.
    const int needed = tab->fontMetrics().horizontalAdvance(tab->text()) + 16;
    tab->resize(std::max(pixels(kTabWidth), needed), tab->height());
}

void TabStrip::createTab(const QString& caption, bool selected) {
    QLabel* previous = m_tabs.back();
    QLabel* tab = makeTab(caption);
    fitWidth(tab);
    tab->move(previous->x() + previous->width() + pixels(kTabGap), previous->y());
    setRaised(tab, selected);
    tab->show();
    m_tabs.push_back(tab);
}

void TabStrip::reset() {
    while (m_tabs.size() > 1) {
        delete m_tabs.back();
        m_tabs.pop_back();
    }
    QLabel* first = m_tabs.front();
    first->setText(QStringLiteral("Main"));
    first->setGeometry(pixelRect(kTabLeft, kTabTop, kTabWidth, kTabHeight));
    setRaised(first, false);
    first->hide();
}

void TabStrip::setCaption(int index, const QString& caption) {
    tab(index)->setText(caption);
    fitWidth(tab(index));
}

void TabStrip::select(int index) {
    for (QLabel* each : m_tabs) setRaised(each, false);
    setRaised(tab(index), true);
}

bool TabStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (std::size_t i = 0; i < m_tabs.size(); ++i) {
            if (m_tabs[i] == watched) {
                emit tabClicked(static_cast<int>(i));
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace halvex::ui
