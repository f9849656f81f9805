#!/usr/bin/python3
"""A stand-in panel on the session bus, and a reader of the items it holds.

  panel_standin.py watch LOG   owns org.kde.StatusNotifierWatcher as a panel
                               does and writes one line per registered item to
                               LOG: its bus name and object path; runs until
                               it is ended
  panel_standin.py item LOG    prints the last registered item's properties
                               (org.kde.StatusNotifierItem) as JSON
  panel_standin.py menu LOG    prints its menu (com.canonical.dbusmenu
                               GetLayout) as JSON: a list of entries with id,
                               label and type
  panel_standin.py click LOG LABEL
                               sends the menu entry with that label the
                               "clicked" event, as a panel does
"""
import json
import sys
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"


class Watcher(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.log = log
        self.items = []

    @dbus.service.method(WATCHER, in_signature="s", out_signature="", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item names its object path (its connection is the sender) or
        # its bus name (at the usual path).
        if service.startswith("/"):
            name, path = sender, service
        else:
            name, path = service, "/StatusNotifierItem"
        self.items.append(name + path)
        with open(self.log, "a", encoding="utf-8") as out:
            out.write(f"{name} {path}\n")
        self.StatusNotifierItemRegistered(name + path)

    @dbus.service.method(WATCHER, in_signature="s", out_signature="")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, prop):
        return self.GetAll(interface)[prop]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": True,
            "ProtocolVersion": dbus.Int32(0),
        }


def watch(log):
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
    watcher = Watcher(bus, log)
    GLib.MainLoop().run()
    del name, watcher


def last_item(log):
    with open(log, encoding="utf-8") as lines:
        name, path = lines.read().split("\n")[-2].split(" ")
    return dbus.SessionBus().get_object(name, path, introspect=False), name


def plain(value):
    if isinstance(value, (dbus.String, dbus.ObjectPath)):
        return str(value)
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, (dbus.Int32, dbus.UInt32, dbus.Int64, dbus.UInt32, dbus.Byte)):
        return int(value)
    if isinstance(value, (dbus.Array, dbus.Struct, list, tuple)):
        return [plain(v) for v in value]
    if isinstance(value, dbus.Dictionary):
        return {str(k): plain(v) for k, v in value.items()}
    return value


def item_properties(log):
    item, _ = last_item(log)
    props = item.GetAll(ITEM, dbus_interface=dbus.PROPERTIES_IFACE)
    props.pop("IconPixmap", None)  # pixels, not text
    return plain(props)


def menu_object(log):
    item, name = last_item(log)
    path = item.Get(ITEM, "Menu", dbus_interface=dbus.PROPERTIES_IFACE)
    return dbus.SessionBus().get_object(name, path, introspect=False)


def menu_entries(log):
    menu = menu_object(log)
    _, layout = menu.GetLayout(0, -1, ["label", "type", "visible", "enabled"],
                               dbus_interface=MENU)
    entries = []
    for child in layout[2]:
        entry_id, props, _ = child
        entries.append({"id": int(entry_id), "label": str(props.get("label", "")),
                        "type": str(props.get("type", "standard"))})
    return entries


def click(log, label):
    for entry in menu_entries(log):
        if entry["label"] == label:
            try:
                menu_object(log).Event(entry["id"], "clicked", dbus.String("", variant_level=1),
                                       dbus.UInt32(int(time.time())), dbus_interface=MENU)
            except dbus.exceptions.DBusException as error:
                # A program told to end by the entry may be gone before it answers.
                if error.get_dbus_name() != "org.freedesktop.DBus.Error.NoReply":
                    raise
            return 0
    print(f"no entry {label!r}", file=sys.stderr)
    return 1


def main():
    command, log = sys.argv[1], sys.argv[2]
    if command == "watch":
        watch(log)
    elif command == "item":
        print(json.dumps(item_properties(log), ensure_ascii=False))
    elif command == "menu":
        print(json.dumps(menu_entries(log), ensure_ascii=False))
    elif command == "click":
        return click(log, sys.argv[3])
    return 0


if __name__ == "__main__":
    sys.exit(main())
