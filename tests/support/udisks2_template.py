"""A python-dbusmock template standing in for udisks2 in the card-eject tests.

Two cards: /dev/sdz1 on a drive that ejects, /dev/sdy1 on a drive that a program keeps busy. Unmount and
Eject mark the objects (properties "Unmounted" and "Ejected"), so that a test reads back what was asked.
"""

import dbus
from dbusmock import mockobject

BUS_NAME = "org.freedesktop.UDisks2"
MAIN_OBJ = "/org/freedesktop/UDisks2/Manager"
MAIN_IFACE = "org.freedesktop.UDisks2.Manager"
SYSTEM_BUS = False

BLOCKS = "/org/freedesktop/UDisks2/block_devices/"
DRIVES = "/org/freedesktop/UDisks2/drives/"


def load(mock, parameters):
    mock.AddMethod(
        MAIN_IFACE,
        "ResolveDevice",
        "a{sv}a{sv}",
        "ao",
        "name = str(args[0].get('path', '')).rsplit('/', 1)[-1]\n"
        f"ret = [dbus.ObjectPath('{BLOCKS}' + name)] if name in ('sdz1', 'sdy1') else []",
    )
    for block, drive, eject in (
        ("sdz1", "Card_Reader", "self.Set('org.freedesktop.UDisks2.Drive', 'Ejected', True)"),
        ("sdy1", "Busy_Reader", "raise dbus.exceptions.DBusException('Device is busy', "
                                "name='org.freedesktop.UDisks2.Error.DeviceBusy')"),
    ):
        mock.AddObject(
            BLOCKS + block,
            "org.freedesktop.UDisks2.Block",
            {"Drive": dbus.ObjectPath(DRIVES + drive), "Unmounted": False},
            [],
        )
        mockobject.objects[BLOCKS + block].AddMethod(
            "org.freedesktop.UDisks2.Filesystem",
            "Unmount",
            "a{sv}",
            "",
            "self.Set('org.freedesktop.UDisks2.Block', 'Unmounted', True)",
        )
        mock.AddObject(DRIVES + drive, "org.freedesktop.UDisks2.Drive", {"Ejected": False}, [("Eject", "a{sv}", "", eject)])
