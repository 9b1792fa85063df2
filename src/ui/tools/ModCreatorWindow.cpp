#include "ui/tools/ModCreatorWindow.h"

#include "core/Files.h"
#include "core/Text.h"
#include "ui/Artwork.h"
#include "ui/QtText.h"
#include "ui/tools/ModFileList.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QStyle>
#include <QToolButton>

#include <exception>
#include <system_error>

namespace halvex::ui {
namespace {

namespace fs = std::filesystem;

constexpr int kLabelLeft = 6;
constexpr int kFieldLeft = 102;
constexpr int kFieldTop = 24;
constexpr int kRowHeight = 25;
constexpr std::string_view kOpenPrompt = "Choose the folder of the modification to open";

// A page with a coloured band by the file's kind: text, rules, picture, anything else.
QIcon fileIcon(int number) {
    static const QColor kBands[] = {QColor(160, 160, 160), QColor(200, 60, 60), QColor(40, 140, 60),
                                    QColor(40, 80, 200), QColor(120, 120, 120)};
    QPixmap page(16, 16);
    page.fill(Qt::transparent);
    QPainter painter(&page);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(2, 0, 11, 15);
    painter.fillRect(3, 9, 10, 5, kBands[std::clamp(number, 0, 4)]);
    return QIcon(page);
}

// The descriptor of a mod folder: the one named after the folder, else any ".mod".
std::optional<fs::path> descriptorIn(const fs::path& folder) {
    const std::string folderName = files::textFromPath(folder.filename());
    if (auto named = files::findIgnoreCase(folder, folderName + ".mod")) return named;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (text::equalsIgnoreCase(files::textFromPath(it->path().extension()), ".mod")) return it->path();
    }
    return std::nullopt;
}

} // namespace

ModCreatorWindow::ModCreatorWindow(Platform& platform, fs::path modsRoot,
                                   QWidget* parent)
    : ToolWindow(QStringLiteral(" Modification Creator"), QSize(kClientWidth, kClientHeight), HelpButton::Shown,
                 parent),
      m_platform(platform), m_modsRoot(std::move(modsRoot)) {
    setObjectName(QStringLiteral("cmod"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_title = makeField("Text1_0", QStringLiteral("Title of Mod:"), kFieldTop);
    m_fileName = makeField("Text1_1", QStringLiteral("Filename of Mod:"), kFieldTop + kRowHeight);
    m_version = makeField("Text1_2", QStringLiteral("Version of Mod:"), kFieldTop + 2 * kRowHeight);

    m_list = new ModFileList(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setGeometry(kLabelLeft, kFieldTop + 3 * kRowHeight + 2, kClientWidth - 2 * kLabelLeft, 112);
    m_list->setToolTip(QStringLiteral("Drop the mod's files here"));
    connect(m_list, &ModFileList::filesDropped, this, &ModCreatorWindow::addFiles);

    m_progress = new QProgressBar(this);
    m_progress->setGeometry(kLabelLeft, kClientHeight - 56, kClientWidth - 2 * kLabelLeft, 14);
    m_progress->setTextVisible(false);
    m_progress->hide();

    makeButtons();
    offerHelpOn(m_list->viewport(), QString::fromLatin1(kHelpTopic));
}

QLineEdit* ModCreatorWindow::makeField(const char* name, const QString& label, int top) {
    auto* caption = new QLabel(label, this);
    caption->setGeometry(kLabelLeft, top, kFieldLeft - kLabelLeft, 21);
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(kFieldLeft, top, kClientWidth - kFieldLeft - kLabelLeft, 21);
    return field;
}

void ModCreatorWindow::makeButtons() {
    struct Button {
        QStyle::StandardPixmap picture;
        const char* tip;
        void (ModCreatorWindow::*action)();
    };
    const Button buttons[] = {
        {QStyle::SP_FileIcon, "New Modification", &ModCreatorWindow::newModification},
        {QStyle::SP_DialogOpenButton, "Open Modification", &ModCreatorWindow::openModification},
        {QStyle::SP_DialogSaveButton, "Save Modification", &ModCreatorWindow::saveModification},
        {QStyle::SP_MediaPlay, "Generate Modification", &ModCreatorWindow::generateModification},
    };
    int left = kLabelLeft;
    int index = 0;
    for (const Button& entry : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("Picture1_%1").arg(index++));
        button->setIcon(style()->standardIcon(entry.picture));
        button->setIconSize(QSize(24, 24));
        button->setToolTip(QString::fromLatin1(entry.tip));
        button->setGeometry(left, kClientHeight - 38, 32, 32);
        left += 38;
        connect(button, &QToolButton::clicked, this, entry.action);
    }
}

void ModCreatorWindow::addFiles(const std::vector<fs::path>& files) {
    for (const fs::path& file : files) {
        try {
            addFile(file);
        } catch (const std::exception& failure) {
            report(std::string("The file could not be added: ") + failure.what());
        }
    }
}

void ModCreatorWindow::addFile(const fs::path& file) {
    const std::string name = files::textFromPath(file.filename());
    if (name.find('.') == std::string::npos) return;
    bool alreadyListed = false;
    const std::string problem = tools::dropProblem(m_files, file, alreadyListed);
    if (alreadyListed) return;
    if (!problem.empty()) {
        m_platform.showMessage(problem, MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    m_files.push_back({name, file});
    auto* item = new QListWidgetItem(fileIcon(tools::iconNumber(name)), toQString(name), m_list);
    item->setToolTip(QString::fromStdU16String(file.u16string()));
}

tools::ModForm ModCreatorWindow::form() const {
    return {fromQString(m_title->text()), fromQString(m_fileName->text()), fromQString(m_version->text()), m_files};
}

void ModCreatorWindow::showForm(const tools::ModForm& form) {
    m_title->setText(toQString(form.title));
    m_fileName->setText(toQString(form.fileName));
    m_version->setText(toQString(form.version));
    m_files.clear();
    m_list->clear();
    for (const tools::ModFile& file : form.files) {
        m_files.push_back(file);
        auto* item = new QListWidgetItem(fileIcon(tools::iconNumber(file.name)), toQString(file.name), m_list);
        item->setToolTip(QString::fromStdU16String(file.source.u16string()));
    }
}

void ModCreatorWindow::report(const std::string& error) {
    m_platform.showMessage(error, MessageIcon::Critical, MessageButtons::Ok);
}

void ModCreatorWindow::newModification() {
    showForm({});
}

void ModCreatorWindow::openModification() {
    try {
        const auto folder = m_platform.browseForFolder(std::string(kOpenPrompt), {});
        if (!folder || folder->empty()) return;
        const auto descriptor = descriptorIn(*folder);
        if (!descriptor) {
            report("No modification (a .mod file) was found in " + files::textFromPath(*folder));
            return;
        }
        const auto read = files::readWhole(*descriptor);
        if (!read.bytes) {
            report("The modification " + files::textFromPath(*descriptor) + " could not be read: " + read.error);
            return;
        }
        showForm(tools::readDescriptor(*read.bytes, files::textFromPath(descriptor->stem()), *folder));
    } catch (const std::exception& failure) {
        report(std::string("The modification could not be opened: ") + failure.what());
    }
}

void ModCreatorWindow::saveModification() {
    try {
        const tools::ModOutcome outcome = tools::saveDescriptor(form(), m_modsRoot);
        if (!outcome.error.empty()) {
            report(outcome.error);
            return;
        }
        m_platform.showMessage("The modification was saved in the " + files::textFromPath(outcome.folder) +
                                   " directory",
                               MessageIcon::Information, MessageButtons::Ok);
    } catch (const std::exception& failure) {
        report(std::string("The modification could not be saved: ") + failure.what());
    }
}

void ModCreatorWindow::generateModification() {
    try {
        const tools::ModForm current = form();
        m_progress->setRange(0, static_cast<int>(current.files.size()));
        m_progress->setValue(0);
        m_progress->show();
        const tools::ModOutcome outcome = tools::generateMod(current, m_modsRoot, [this](int copied) {
            m_progress->setValue(copied);
            m_progress->repaint();
        });
        m_progress->hide();
        if (!outcome.error.empty()) {
            report(outcome.error);
            return;
        }
        m_platform.showMessage(tools::createdMessage(outcome.folder), MessageIcon::Information, MessageButtons::Ok);
    } catch (const std::exception& failure) {
        m_progress->hide();
        report(std::string("The modification could not be generated: ") + failure.what());
    }
}

void ModCreatorWindow::closeClicked() {
    close();
}

} // namespace halvex::ui
