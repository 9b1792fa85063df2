#include "ui/MainForm.h"

#include "core/Startup.h"
#include "ui/Artwork.h"
#include "ui/LabelButton.h"
#include "ui/ProgressBar.h"
#include "ui/QtText.h"
#include "ui/TabStrip.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTreeWidget>

namespace halvex::ui {
namespace {

const QColor kMenuText(255, 255, 255);
const QColor kMenuBackground(0, 0, 0);

constexpr int kMenuLeft = 6480;
constexpr int kMenuTop = 2685;

} // namespace

MainForm::MainForm(Workspace& workspace, Platform& platform, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_platform(platform) {
    setObjectName(QStringLiteral("mainform"));
    setWindowTitle(QStringLiteral("Halvex Editor Proffesional"));
    setWindowIcon(Artwork::windowIcon());
    setFixedSize(kClientWidth, kClientHeight);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    m_background = Artwork::background(size());

    m_tabs = new TabStrip(this);
    buildNavigation();

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

    m_menu = new QTreeWidget(this);
    m_menu->setObjectName(QStringLiteral("menu"));
    m_menu->setGeometry(pixelRect(kMenuLeft, kMenuTop, 2790, 1635));
    m_menu->setColumnCount(2);
    m_menu->setColumnHidden(1, true); // the section name travels with the entry, unseen
    m_menu->setHeaderHidden(true);
    m_menu->setRootIsDecorated(false);
    m_menu->setIndentation(0);
    m_menu->setIconSize(QSize(16, 16));
    m_menu->setFrameShape(QFrame::NoFrame);
    m_menu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMenuColours(kMenuText, kMenuBackground);

    m_ok = new LabelButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("lblbtn_0"));
    m_ok->setGeometry(pixelRect(6600, 4800, 1095, 255));
    m_cancel = new LabelButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("lblbtn_1"));
    m_cancel->setGeometry(pixelRect(8160, 4800, 1095, 255));
    setOkCancelVisible(false);
}

void MainForm::setMenuColours(const QColor& text, const QColor& background) {
    QPalette look = m_menu->palette();
    look.setColor(QPalette::Text, text);
    look.setColor(QPalette::Base, background);
    look.setColor(QPalette::Window, background);
    m_menu->setPalette(look);

    QPalette status = m_status->palette();
    status.setColor(QPalette::WindowText, text);
    status.setColor(QPalette::Window, background);
    m_status->setPalette(status);
}

void MainForm::setOkCancelVisible(bool visible) {
    m_ok->setVisible(visible);
    m_cancel->setVisible(visible);
}

void MainForm::loadSequence() {
    const StartupResult started = startup(m_workspace, m_platform);
    if (started.rulesLoaded) applyTheme(readTheme(m_workspace.settings(), m_workspace.programDirectory()));
    resetmenu();
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

void MainForm::addMenuEntry(const QString& text, int picture, const QString& section) {
    auto* item = new QTreeWidgetItem(m_menu, QStringList{text, section});
    // Entries without a picture keep its room, so every text starts in one column.
    static const QIcon blank = [] {
        QPixmap empty(16, 16);
        empty.fill(Qt::transparent);
        return QIcon(empty);
    }();
    item->setIcon(0, picture > 0 ? QIcon(Artwork::menuPicture(picture)) : blank);
}

void MainForm::addMenuEntries(std::span<const editor::MenuEntry> entries) {
    for (const auto& entry : entries) addMenuEntry(toQString(entry.text), entry.picture);
}

void MainForm::resetmenu() {
    addMenuEntries(editor::rootEntries());
}

const std::vector<ListEntry>& MainForm::objectList(ListTarget target) const {
    return m_objectLists.at(static_cast<std::size_t>(target) - 1);
}

bool MainForm::loadlist(std::string_view listName, ListTarget target) {
    const bool toMenu = target == ListTarget::Navigation;
    if (toMenu) {
        m_menu->hide();
        m_progress->setWidthTwips(0);
        m_menu->clear();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ListLoad loaded = loadListFile(m_workspace.programDirectory(), listName);
    if (toMenu) {
        for (const auto& entry : loaded.entries) {
            addMenuEntry(toQString(entry.name), 0, toQString(entry.id));
            m_progress->advanceTwips(15);
        }
        QApplication::restoreOverrideCursor();
        m_progress->setWidthTwips(ProgressBar::kFullWidth);
        m_menu->show();
        setOkCancelVisible(true);
    } else {
        m_objectLists.at(static_cast<std::size_t>(target) - 1) = std::move(loaded.entries);
    }
    if (!loaded.error.empty()) {
        m_platform.showMessage(loaded.error, MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    return true;
}

void MainForm::createtab(const QString& caption, bool selected) {
    m_tabs->createTab(caption, selected);
}

bool MainForm::exec(const std::string& target) {
    return m_platform.openDocument(target);
}

} // namespace halvex::ui
