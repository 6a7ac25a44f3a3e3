#include "ui/UiServices.h"

#include "ui/AppIcon.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
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
        // NoIcon keeps the box silent; the application's icon is shown as a plain picture instead.
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tamb Vorrel"),
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
        box.setIconPixmap(ApplicationIcon().pixmap(32, 32));
        // The style would give OK an icon of its own, loaded afresh for every box and kept in the process-wide
        // pixmap cache under that new icon's identity, so every message shown would leave its drawings behind.
        // A message box's OK carries no icon.
        box.button(QMessageBox::Ok)->setIcon(QIcon());
        box.setWindowIcon(ApplicationIcon());
        box.exec();
    }

    std::optional<std::string> chooseFolder(std::string_view current) override
    {
        const QString chosen = QFileDialog::getExistingDirectory(
            nullptr, QString(), QString::fromUtf8(current.data(), static_cast<qsizetype>(current.size())));
        if (chosen.isEmpty()) {
            return std::nullopt;
        }
        return QDir::toNativeSeparators(chosen).toStdString();
    }

    void openUrl(std::string_view url) override
    {
        QDesktopServices::openUrl(QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))));
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

void OpenUrl(std::string_view url)
{
    CurrentUiServices().openUrl(url);
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
