#!/usr/bin/python3
# Debian's own Python: the D-Bus bindings come as its packages.
"""Plasma's keyboard layout service, as far as the program uses it, on the session bus.

Offers the layouts us, cz(qwerty) and de, German active.
"""
import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

INTERFACE = "org.kde.KeyboardLayouts"
LAYOUTS = [("us", "", "English (US)"), ("cz", "qwerty", "Czech (QWERTY)"), ("de", "", "German")]


class Layouts(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/Layouts")
        self.active = 2

    @dbus.service.method(INTERFACE, out_signature="a(sss)")
    def getLayoutsList(self):
        return LAYOUTS

    @dbus.service.method(INTERFACE, out_signature="u")
    def getLayout(self):
        return self.active

    @dbus.service.method(INTERFACE, in_signature="u", out_signature="b")
    def setLayout(self, index):
        self.active = int(index)
        self.layoutChanged(index)
        return True

    @dbus.service.signal(INTERFACE, signature="u")
    def layoutChanged(self, index):
        pass


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
service = Layouts(bus)
name = dbus.service.BusName("org.kde.keyboard", bus)
GLib.MainLoop().run()
