#include "ui/CardEject.h"

#ifdef _WIN32
#include "common/DriveEject.h"
#else
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QVariantMap>
#endif

namespace tamb {
namespace {

#ifndef _WIN32
constexpr auto kUdisksService = "org.freedesktop.UDisks2";
constexpr auto kUdisksManager = "/org/freedesktop/UDisks2/Manager";

QString QtString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Status FailureOf(const QDBusError& error)
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
    spec.insert(QStringLiteral("path"), QtString(device));
    const QDBusReply<QList<QDBusObjectPath>> resolved
        = manager.call(QStringLiteral("ResolveDevice"), spec, QVariantMap {});
    if (!resolved.isValid())
        return FailureOf(resolved.error());
    if (resolved.value().isEmpty())
        return Status::failure("udisks2 does not know " + std::string { device });
    const QString block = resolved.value().front().path();
    QDBusInterface properties(
        QString::fromLatin1(kUdisksService), block, QStringLiteral("org.freedesktop.DBus.Properties"), bus);
    const QDBusReply<QDBusVariant> drive = properties.call(
        QStringLiteral("Get"), QStringLiteral("org.freedesktop.UDisks2.Block"), QStringLiteral("Drive"));
    if (!drive.isValid())
        return FailureOf(drive.error());
    QDBusInterface filesystem(
        QString::fromLatin1(kUdisksService), block, QStringLiteral("org.freedesktop.UDisks2.Filesystem"), bus);
    const QDBusMessage unmounted = filesystem.call(QStringLiteral("Unmount"), QVariantMap {});
    if (unmounted.type() == QDBusMessage::ErrorMessage)
        return FailureOf(QDBusError(unmounted));
    const QString drivePath = qvariant_cast<QDBusObjectPath>(drive.value().variant()).path();
    if (drivePath.isEmpty() || drivePath == QStringLiteral("/"))
        return Status::success();
    QDBusInterface driveInterface(
        QString::fromLatin1(kUdisksService), drivePath, QStringLiteral("org.freedesktop.UDisks2.Drive"), bus);
    const QDBusMessage ejected = driveInterface.call(QStringLiteral("Eject"), QVariantMap {});
    if (ejected.type() == QDBusMessage::ErrorMessage)
        return FailureOf(QDBusError(ejected));
    return Status::success();
}

#endif

Status EjectVolume([[maybe_unused]] std::string_view root, [[maybe_unused]] std::string_view device)
{
#ifdef _WIN32
    return EjectDrive(root);
#else
    return EjectThroughUdisks(QDBusConnection::systemBus(), device);
#endif
}

} // namespace tamb
