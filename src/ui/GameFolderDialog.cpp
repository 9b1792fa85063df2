#include "ui/GameFolderDialog.h"

#include "core/platform/Platform.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace halvex::ui {
namespace {

QString textOf(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
}

} // namespace

GameFolderDialog::GameFolderDialog(const QString& prompt, const std::vector<std::filesystem::path>& recentFolders,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    auto* layout = new QVBoxLayout(this);

    m_prompt = new QLabel(prompt, this);
    m_prompt->setWordWrap(true);
    m_prompt->setMinimumWidth(440);
    layout->addWidget(m_prompt);
    layout->addWidget(buildFolderRow());
    if (!recentFolders.empty()) buildRecentList(recentFolders);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_folder->setFocus();
}

QWidget* GameFolderDialog::buildFolderRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_folder = new QLineEdit(row);
    auto* caption = new QLabel(QStringLiteral("&Folder:"), row);
    caption->setBuddy(m_folder);
    // OK with nothing typed would only bring the prompt back.
    connect(m_folder, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(!text.trimmed().isEmpty()); });
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), row);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &GameFolderDialog::browse);
    layout->addWidget(caption);
    layout->addWidget(m_folder, 1);
    layout->addWidget(browse);
    return row;
}

void GameFolderDialog::buildRecentList(const std::vector<std::filesystem::path>& recentFolders) {
    auto* caption = new QLabel(QStringLiteral("&Recent folders:"), this);
    m_recent = new QListWidget(this);
    caption->setBuddy(m_recent);
    for (const auto& folder : recentFolders) m_recent->addItem(textOf(folder));
    m_recent->setMaximumHeight(m_recent->sizeHintForRow(0) * 5 + 2 * m_recent->frameWidth());
    // Only a click or Enter takes an entry: the list makes an entry current by itself
    // when it gains focus, and that must not overwrite what the user typed.
    connect(m_recent, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { takeRecent(item, false); });
    connect(m_recent, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { takeRecent(item, true); });
    layout()->addWidget(caption);
    layout()->addWidget(m_recent);
}

void GameFolderDialog::browse() {
    const QString chosen = QFileDialog::getExistingDirectory(this, windowTitle(), m_folder->text());
    if (!chosen.isEmpty()) m_folder->setText(QDir::toNativeSeparators(chosen));
}

void GameFolderDialog::takeRecent(const QListWidgetItem* item, bool accepting) {
    m_folder->setText(item->text());
    if (accepting) accept();
}

std::filesystem::path GameFolderDialog::folder() const {
    const QString typed = m_folder->text().trimmed();
    if (typed.isEmpty()) return {};
    const QString absolute = QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(typed)).absoluteFilePath());
    return std::filesystem::path(QDir::toNativeSeparators(absolute).toStdU16String());
}

} // namespace halvex::ui
