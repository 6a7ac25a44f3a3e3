#include "ui/CardEject.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QProcess>
#include <QTest>

namespace tamb {

// Ejecting through udisks2, against a python-dbusmock stand-in on a private session bus of the test's own.
class CardEjectTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
            { QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1") });
        QVERIFY(m_daemon.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!address.isEmpty());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        m_mock.setProcessEnvironment(environment);
        m_mock.start(QStringLiteral("/usr/bin/python3"),
            { QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"),
                QStringLiteral(TAMB_UDISKS2_TEMPLATE) });
        m_bus = QDBusConnection::connectToBus(address, QStringLiteral("udisks2-mock"));
        QVERIFY(m_bus.isConnected());
        QTRY_VERIFY_WITH_TIMEOUT(
            m_bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.UDisks2")).value(), 20000);
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("udisks2-mock"));
        m_mock.kill();
        m_mock.waitForFinished();
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    // The file system is unmounted, then its drive ejected.
    void unmountsThenEjects()
    {
        const Status ejected = EjectThroughUdisks(m_bus, "/dev/sdz1");
        QVERIFY2(ejected.ok(), ejected.reason().c_str());
        QCOMPARE(property(QStringLiteral("/org/freedesktop/UDisks2/block_devices/sdz1"),
                     QStringLiteral("org.freedesktop.UDisks2.Block"), QStringLiteral("Unmounted")),
            QVariant(true));
        QCOMPARE(property(QStringLiteral("/org/freedesktop/UDisks2/drives/Card_Reader"),
                     QStringLiteral("org.freedesktop.UDisks2.Drive"), QStringLiteral("Ejected")),
            QVariant(true));
    }

    // A card that cannot be ejected says why, in the service's words.
    void aBusyCardSaysWhy()
    {
        const Status ejected = EjectThroughUdisks(m_bus, "/dev/sdy1");
        QVERIFY(!ejected.ok());
        QVERIFY2(ejected.reason().find("Device is busy") != std::string::npos, ejected.reason().c_str());
        const Status unknown = EjectThroughUdisks(m_bus, "/dev/sdx9");
        QVERIFY(!unknown.ok());
        QVERIFY2(unknown.reason().find("/dev/sdx9") != std::string::npos, unknown.reason().c_str());
    }

    // Without the service there is a plain reason too.
    void withoutUdisks()
    {
        const Status ejected = EjectThroughUdisks(QDBusConnection(QStringLiteral("nowhere")), "/dev/sdz1");
        QVERIFY(!ejected.ok());
        QVERIFY(!ejected.reason().empty());
    }

private:
    QVariant property(const QString& path, const QString& interface, const QString& name)
    {
        QDBusInterface properties(
            QStringLiteral("org.freedesktop.UDisks2"), path, QStringLiteral("org.freedesktop.DBus.Properties"), m_bus);
        const QDBusReply<QDBusVariant> reply = properties.call(QStringLiteral("Get"), interface, name);
        return reply.isValid() ? reply.value().variant() : QVariant {};
    }

    QProcess m_daemon;
    QProcess m_mock;
    QDBusConnection m_bus { QStringLiteral("unset") };
};

} // namespace tamb

QTEST_GUILESS_MAIN(tamb::CardEjectTest)
#include "CardEjectTest.moc"
