#include "ui/UiServices.h"

#include "ui/AppIcon.h"
#include "ui/MountedVolumes.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>
#include <QUrl>

namespace tamb {

namespace {

class QtUiServices : public UiServices
{
public:
    void showMessage(std::string_view text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tamb Vorrel"), FromUtf8(text), QMessageBox::Ok);
        prepare(box);
        box.exec();
    }

    bool askYesNo(std::string_view text, DefaultAnswer preferred) override
    {
        QMessageBox box(
            QMessageBox::NoIcon, QStringLiteral("Tamb Vorrel"), FromUtf8(text), QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(preferred == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        prepare(box);
        return box.exec() == QMessageBox::Yes;
    }

    std::optional<std::string> chooseFolder(std::string_view current) override
    {
        QFileDialog dialog(nullptr, QString(), FromUtf8(current));
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setSidebarUrls(WithRemovableVolumes(dialog.sidebarUrls()));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
    }

    bool openUrl(std::string_view url) override
    {
        return QDesktopServices::openUrl(QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))));
    }

    std::optional<std::string> askText(std::string_view prompt, std::string_view initial) override
    {
        QInputDialog box;
        box.setWindowTitle(QStringLiteral("Tamb Vorrel"));
        box.setLabelText(FromUtf8(prompt));
        box.setTextValue(FromUtf8(initial));
        box.setWindowIcon(ApplicationIcon());
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        return box.textValue().toStdString();
    }

    std::optional<std::size_t> chooseItem(std::string_view prompt, std::span<const std::string> items) override
    {
        QStringList texts;
        for (const std::string& item : items)
            texts.append(FromUtf8(item));
        QInputDialog box;
        box.setWindowTitle(QStringLiteral("Tamb Vorrel"));
        box.setLabelText(FromUtf8(prompt));
        box.setComboBoxItems(texts);
        box.setComboBoxEditable(false);
        box.setWindowIcon(ApplicationIcon());
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        const qsizetype chosen = texts.indexOf(box.textValue());
        if (chosen < 0)
            return std::nullopt;
        return static_cast<std::size_t>(chosen);
    }

private:
    // The chooser's own places, then the root of every removable volume, so that a card is one click away.
    // (A native chooser shows the system's places instead; it lists the volumes itself.)
    static QList<QUrl> WithRemovableVolumes(QList<QUrl> places)
    {
        for (const Volume& volume : MountedVolumes({})) {
            const QUrl root = QUrl::fromLocalFile(FromUtf8(volume.root));
            if (volume.removable && !places.contains(root)) {
                places.append(root);
            }
        }
        return places;
    }

    static QString FromUtf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    // NoIcon keeps a box silent; the application's icon is shown as a plain picture instead.
    static void prepare(QMessageBox& box)
    {
        box.setIconPixmap(ApplicationIcon().pixmap(32, 32));
        // The style would give each button an icon of its own, loaded afresh for every box and kept in the
        // process-wide pixmap cache under that new icon's identity, so every box shown would leave its drawings
        // behind. The buttons of our boxes carry no icon.
        for (QAbstractButton* button : box.buttons())
            button->setIcon(QIcon());
        box.setWindowIcon(ApplicationIcon());
    }
};

UiServices*& InstalledServices()
{
    static QtUiServices qtServices;
    static UiServices* installed = &qtServices;
    return installed;
}

} // namespace

UiServices& CurrentUiServices()
{
    return *InstalledServices();
}

ScopedUiServices::ScopedUiServices(UiServices& services)
    : m_previous(InstalledServices())
{
    InstalledServices() = &services;
}

ScopedUiServices::~ScopedUiServices()
{
    InstalledServices() = m_previous;
}

void ShowMessage(std::string_view text)
{
    CurrentUiServices().showMessage(text);
}

bool AskYesNo(std::string_view text, DefaultAnswer preferred)
{
    return CurrentUiServices().askYesNo(text, preferred);
}

bool OpenUrl(std::string_view url)
{
    return CurrentUiServices().openUrl(url);
}

std::optional<std::string> AskText(std::string_view prompt, std::string_view initial)
{
    return CurrentUiServices().askText(prompt, initial);
}

std::optional<std::size_t> ChooseItem(std::string_view prompt, std::span<const std::string> items)
{
    return CurrentUiServices().chooseItem(prompt, items);
}

std::string ChooseFolder(std::string_view current)
{
    std::optional<std::string> chosen = CurrentUiServices().chooseFolder(current);
    if (!chosen || chosen->empty()) {
        return std::string(current);
    }
    return std::move(*chosen);
}

} // namespace tamb
