#include "ui/CardEject.h"

#ifdef _WIN32
// The order matters: each needs the types of the one before.
#include <cfgmgr32.h>
#include <devpkey.h>
#include <initguid.h>
#include <ntddstor.h>
#include <windows.h>
#include <winioctl.h>
#else
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QVariantMap>
#endif

namespace tamb {
namespace {

#ifdef _WIN32
// The device instance of the volume at a drive root such as "E:\", found through its disk number.
Status ejectThroughConfigurationManager(std::string_view root)
{
    if (root.size() < 2 || root[1] != ':')
        return Status::failure("not a drive letter");
    const std::wstring volumePath = L"\\\\.\\" + std::wstring { static_cast<wchar_t>(root[0]), L':' };
    HANDLE volume
        = CreateFileW(volumePath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (volume == INVALID_HANDLE_VALUE)
        return Status::failure("the volume cannot be opened");
    STORAGE_DEVICE_NUMBER number {};
    DWORD returned = 0;
    const BOOL known = DeviceIoControl(
        volume, IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &number, sizeof number, &returned, nullptr);
    CloseHandle(volume);
    if (!known)
        return Status::failure("the volume's disk is not known");
    // Walk the disks the configuration manager lists and eject the one with that number.
    ULONG size = 0;
    if (CM_Get_Device_Interface_List_SizeW(
            &size, const_cast<GUID*>(&GUID_DEVINTERFACE_DISK), nullptr, CM_GET_DEVICE_INTERFACE_LIST_PRESENT)
        != CR_SUCCESS)
        return Status::failure("the disks cannot be listed");
    std::wstring list(size, L'\0');
    if (CM_Get_Device_Interface_ListW(const_cast<GUID*>(&GUID_DEVINTERFACE_DISK), nullptr, list.data(), size,
            CM_GET_DEVICE_INTERFACE_LIST_PRESENT)
        != CR_SUCCESS)
        return Status::failure("the disks cannot be listed");
    for (const wchar_t* path = list.c_str(); *path != L'\0'; path += wcslen(path) + 1) {
        HANDLE disk = CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (disk == INVALID_HANDLE_VALUE)
            continue;
        STORAGE_DEVICE_NUMBER diskNumber {};
        const BOOL same = DeviceIoControl(disk, IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &diskNumber,
                              sizeof diskNumber, &returned, nullptr)
            && diskNumber.DeviceNumber == number.DeviceNumber;
        CloseHandle(disk);
        if (!same)
            continue;
        wchar_t instanceId[MAX_DEVICE_ID_LEN] {};
        ULONG idSize = MAX_DEVICE_ID_LEN;
        DEVPROPTYPE type = 0;
        if (CM_Get_Device_Interface_PropertyW(
                path, &DEVPKEY_Device_InstanceId, &type, reinterpret_cast<PBYTE>(instanceId), &idSize, 0)
            != CR_SUCCESS)
            return Status::failure("the disk's device is not known");
        DEVINST instance = 0;
        if (CM_Locate_DevNodeW(&instance, instanceId, CM_LOCATE_DEVNODE_NORMAL) != CR_SUCCESS)
            return Status::failure("the disk's device is not known");
        DEVINST parent = 0;
        (void)CM_Get_Parent(&parent, instance, 0);
        PNP_VETO_TYPE veto = PNP_VetoTypeUnknown;
        wchar_t vetoName[MAX_PATH] {};
        if (CM_Request_Device_EjectW(parent != 0 ? parent : instance, &veto, vetoName, MAX_PATH, 0) != CR_SUCCESS
            || veto != PNP_VetoTypeUnknown)
            return Status::failure("the system refused (a program still uses the card)");
        return Status::success();
    }
    return Status::failure("the volume's disk is not listed");
}
#else
constexpr auto kUdisksService = "org.freedesktop.UDisks2";
constexpr auto kUdisksManager = "/org/freedesktop/UDisks2/Manager";

QString qtString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Status failureOf(const QDBusError& error)
{
    const QString message = error.message().isEmpty() ? error.name() : error.message();
    return Status::failure(message.toStdString());
}
#endif

} // namespace

#ifndef _WIN32
Status EjectThroughUdisks(const QDBusConnection& bus, std::string_view device)
{
    if (!bus.isConnected())
        return Status::failure("udisks2 cannot be reached (no D-Bus)");
    QDBusInterface manager(QString::fromLatin1(kUdisksService), QString::fromLatin1(kUdisksManager),
        QStringLiteral("org.freedesktop.UDisks2.Manager"), bus);
    QVariantMap spec;
    spec.insert(QStringLiteral("path"), qtString(device));
    const QDBusReply<QList<QDBusObjectPath>> resolved
        = manager.call(QStringLiteral("ResolveDevice"), spec, QVariantMap {});
    if (!resolved.isValid())
        return failureOf(resolved.error());
    if (resolved.value().isEmpty())
        return Status::failure("udisks2 does not know " + std::string { device });
    const QString block = resolved.value().front().path();
    QDBusInterface properties(
        QString::fromLatin1(kUdisksService), block, QStringLiteral("org.freedesktop.DBus.Properties"), bus);
    const QDBusReply<QDBusVariant> drive = properties.call(
        QStringLiteral("Get"), QStringLiteral("org.freedesktop.UDisks2.Block"), QStringLiteral("Drive"));
    if (!drive.isValid())
        return failureOf(drive.error());
    QDBusInterface filesystem(
        QString::fromLatin1(kUdisksService), block, QStringLiteral("org.freedesktop.UDisks2.Filesystem"), bus);
    const QDBusMessage unmounted = filesystem.call(QStringLiteral("Unmount"), QVariantMap {});
    if (unmounted.type() == QDBusMessage::ErrorMessage)
        return failureOf(QDBusError(unmounted));
    const QString drivePath = qvariant_cast<QDBusObjectPath>(drive.value().variant()).path();
    if (drivePath.isEmpty() || drivePath == QStringLiteral("/"))
        return Status::success();
    QDBusInterface driveInterface(
        QString::fromLatin1(kUdisksService), drivePath, QStringLiteral("org.freedesktop.UDisks2.Drive"), bus);
    const QDBusMessage ejected = driveInterface.call(QStringLiteral("Eject"), QVariantMap {});
    if (ejected.type() == QDBusMessage::ErrorMessage)
        return failureOf(QDBusError(ejected));
    return Status::success();
}

#endif

Status EjectVolume([[maybe_unused]] std::string_view root, [[maybe_unused]] std::string_view device)
{
#ifdef _WIN32
    return ejectThroughConfigurationManager(root);
#else
    return EjectThroughUdisks(QDBusConnection::systemBus(), device);
#endif
}

} // namespace tamb
