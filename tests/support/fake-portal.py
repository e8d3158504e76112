#!/usr/bin/python3
"""A stand-in for the desktop portal's screenshot service, on the session bus the test runs on.

What it answers is read, at every call, from the file named on the command line: one line per
method, "PickColor <answer>" or "Screenshot <answer>", where the answer is one of
    color R G B          success with the colour (R, G, B), doubles from 0 to 1
    color-text           success with a colour that is a string, not three doubles
    screenshot PATH      success with the uri file://PATH
    fresh PATH           copies PATH to a new file, as a real portal writes its screenshot,
                         and answers with that file's uri
    uri URI              success with that uri
    cancel               the user cancelled (response 1)
    refuse               the portal could not do it (response 2)
    silent               no answer at all

A line "GlobalShortcuts" makes it offer global shortcuts as well (version 1): sessions and
bindings are answered with success and written, one line each, to the file named as the second
argument; the method FireShortcut(id) of the interface org.spectrivue.test.Portal then sends
Activated for that shortcut, as a key pressed anywhere would.
"""
import os
import sys
import tempfile

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PORTAL = "org.freedesktop.portal.Desktop"
SCREENSHOT = "org.freedesktop.portal.Screenshot"
REQUEST = "org.freedesktop.portal.Request"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
PROPERTIES = "org.freedesktop.DBus.Properties"
TEST = "org.spectrivue.test.Portal"


class Request(dbus.service.Object):
    @dbus.service.signal(REQUEST, signature="ua{sv}")
    def Response(self, response, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self, bus, behaviour, log):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.bus = bus
        self.behaviour = behaviour
        self.log = log
        self.requests = []
        self.sessions = []

    def note(self, text):
        if self.log:
            with open(self.log, "a") as f:
                f.write(text + "\n")

    def offers_shortcuts(self):
        with open(self.behaviour) as f:
            return any(line.split()[:1] == ["GlobalShortcuts"] for line in f)

    def new_request(self, sender, options):
        """The request object of a call, at the path its handle token gives."""
        token = str(options.get("handle_token", "t"))
        path = "/org/freedesktop/portal/desktop/request/%s/%s" % (
            sender[1:].replace(".", "_"), token)
        request = Request(self.bus, path)
        self.requests.append(request)
        return request, dbus.ObjectPath(path)

    def answer_later(self, request, response, results):
        def send():
            request.Response(dbus.UInt32(response), dbus.Dictionary(results, signature="sv"))
            # As the real portal does, the request object goes once it has answered.
            request.remove_from_connection()
            self.requests.remove(request)
            return False

        GLib.timeout_add(20, send)

    def succeed(self, sender, options, results):
        request, path = self.new_request(sender, options)
        self.answer_later(request, 0, results)
        return path

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == SHORTCUTS and name == "version" and self.offers_shortcuts():
            return dbus.UInt32(1)
        raise dbus.exceptions.DBusException(
            "No such property", name="org.freedesktop.DBus.Error.InvalidArgs")

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o",
                         sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        if not self.offers_shortcuts():
            raise dbus.exceptions.DBusException(
                "No such interface", name="org.freedesktop.DBus.Error.UnknownInterface")
        session = "/org/freedesktop/portal/desktop/session/%s/%s" % (
            sender[1:].replace(".", "_"), options.get("session_handle_token", "s"))
        self.sessions.append(session)
        self.note("CreateSession " + session)
        return self.succeed(sender, options, {"session_handle": dbus.String(session)})

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender=None):
        for shortcut_id, properties in shortcuts:
            self.note("BindShortcuts %s %s description=%s preferred_trigger=%s" % (
                session, shortcut_id, properties.get("description", ""),
                properties.get("preferred_trigger", "")))
        return self.succeed(sender, options, {})

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.method(TEST, in_signature="s", out_signature="")
    def FireShortcut(self, shortcut_id):
        for session in self.sessions:
            self.Activated(dbus.ObjectPath(session), shortcut_id, dbus.UInt64(0),
                           dbus.Dictionary({}, signature="sv"))

    def answer(self, method):
        with open(self.behaviour) as f:
            for line in f:
                words = line.split()
                if words and words[0] == method:
                    return words[1:]
        return ["silent"]

    def respond(self, method, sender, options):
        request, path = self.new_request(sender, options)
        words = self.answer(method)
        kind = words[0]
        if kind == "silent":
            return path
        if kind == "cancel":
            reply = (1, {})
        elif kind == "refuse":
            reply = (2, {})
        elif kind == "color":
            rgb = dbus.Struct([dbus.Double(float(v)) for v in words[1:4]], signature="ddd")
            reply = (0, {"color": rgb})
        elif kind == "color-text":
            reply = (0, {"color": dbus.String("red")})
        elif kind == "fresh":
            fd, fresh = tempfile.mkstemp(suffix=".png", dir=os.path.dirname(words[1]))
            with os.fdopen(fd, "wb") as out, open(words[1], "rb") as source:
                out.write(source.read())
            reply = (0, {"uri": dbus.String("file://" + fresh)})
        elif kind == "screenshot":
            reply = (0, {"uri": dbus.String("file://" + words[1])})
        else:  # uri
            reply = (0, {"uri": dbus.String(words[1])})
        self.answer_later(request, *reply)
        return path

    @dbus.service.method(SCREENSHOT, in_signature="sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def PickColor(self, parent, options, sender=None):
        return self.respond("PickColor", sender, options)

    @dbus.service.method(SCREENSHOT, in_signature="sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def Screenshot(self, parent, options, sender=None):
        return self.respond("Screenshot", sender, options)


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(PORTAL, bus)
    portal = Portal(bus, sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None)
    print("ready", flush=True)
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
