#!/usr/bin/python3
# Debian's own Python: the D-Bus bindings come as its packages.
"""Plasma's keyboard layout service, as far as the program uses it, on the session bus.

Offers the layouts us, cz(qwerty) and de, German active. Beside the service's own interface it
has one for the test: setKeymapSize(n) makes the desktop's keymap smaller than its layout list,
as while Plasma applies a new configuration, so that switching to an index past the keymap
fails as it does in Plasma.
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
        self.keymap_size = len(LAYOUTS)

    @dbus.service.method(INTERFACE, out_signature="a(sss)")
    def getLayoutsList(self):
        return LAYOUTS

    @dbus.service.method(INTERFACE, out_signature="u")
    def getLayout(self):
        return self.active

    @dbus.service.method(INTERFACE, in_signature="u", out_signature="b")
    def setLayout(self, index):
        if index >= self.keymap_size:
            return False
        self.active = int(index)
        self.layoutChanged(index)
        return True

    @dbus.service.signal(INTERFACE, signature="u")
    def layoutChanged(self, index):
        pass

    @dbus.service.method("org.lexmint.FakeKeyboard", in_signature="u")
    def setKeymapSize(self, size):
        self.keymap_size = int(size)


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
service = Layouts(bus)
name = dbus.service.BusName("org.kde.keyboard", bus)
GLib.MainLoop().run()
