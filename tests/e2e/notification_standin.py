#!/usr/bin/python3
"""A stand-in for the desktop's notification service on the session bus.

Owns org.freedesktop.Notifications, answers as a server does, and writes one
line per Notify call to the log given: the application's name, the summary,
the body, the id of the notification it asked to replace (0 for none) and the
id it was given, tab-separated. Runs until it is ended.
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"


class Notifications(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, PATH)
        self.log = log
        self.next_id = 1

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["body"]

    @dbus.service.method(NAME, in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ("stand-in", "vellmor tests", "1.0", "1.2")

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        # A server replaces the notification named when it still knows it,
        # and gives a new id otherwise.
        given = replaces if 0 < replaces < self.next_id else self.next_id
        if given == self.next_id:
            self.next_id += 1
        with open(self.log, "a", encoding="utf-8") as out:
            out.write(f"{app}\t{summary}\t{body}\t{replaces}\t{given}\n")
        return given

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, notification_id):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(NAME, bus, do_not_queue=True)
    service = Notifications(bus, sys.argv[1])
    GLib.MainLoop().run()
    del name, service


if __name__ == "__main__":
    main()
