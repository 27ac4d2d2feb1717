#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop portal for the tests, on the session bus it is started on: org.freedesktop.portal.Desktop with the
# RemoteDesktop and GlobalShortcuts interfaces, answering through Request objects and Session objects as
# xdg-desktop-portal does. What no desktop here offers (a GlobalShortcuts portal that works, a session that fails to
# start or is closed by the desktop, a dialog the user declines) is staged through io.tavrin.Test.FakePortal on
# /io/tavrin/Test; Calls() lists what the program asked for, in order.
import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PATH = '/org/freedesktop/portal/desktop'
REMOTE_DESKTOP = 'org.freedesktop.portal.RemoteDesktop'
GLOBAL_SHORTCUTS = 'org.freedesktop.portal.GlobalShortcuts'
SESSION = 'org.freedesktop.portal.Session'
REQUEST = 'org.freedesktop.portal.Request'
CONTROL = 'io.tavrin.Test.FakePortal'

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()


def sender_part(sender):
    return sender[1:].replace('.', '_')


class Request(dbus.service.Object):
    @dbus.service.signal(REQUEST, signature='ua{sv}')
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    def __init__(self, portal, path, kind):
        super().__init__(bus, path)
        self.portal = portal
        self.path = path
        self.kind = kind
        self.open = True

    @dbus.service.method(SESSION, in_signature='', out_signature='')
    def Close(self):
        self.portal.calls.append('Close %s' % self.kind)
        self.end()

    @dbus.service.signal(SESSION, signature='a{sv}')
    def Closed(self, details):
        pass

    def end(self):
        if self.open:
            self.open = False
            self.remove_from_connection()


# RemoteDesktop, apart: its CreateSession shares a name with GlobalShortcuts', and dbus-python finds a method by
# its name along the classes.
class RemoteDesktop(dbus.service.Object):
    @dbus.service.method(REMOTE_DESKTOP, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
    def CreateSession(self, options, sender=None):
        return self.create_session(sender, options, 'RemoteDesktop')

    @dbus.service.method(REMOTE_DESKTOP, in_signature='oa{sv}', out_signature='o', sender_keyword='sender')
    def SelectDevices(self, session, options, sender=None):
        self.calls.append('RemoteDesktop.SelectDevices types=%d' % int(options.get('types', 0)))
        return self.respond(sender, options, 0 if self.session_open(session) else 2, {})

    @dbus.service.method(REMOTE_DESKTOP, in_signature='osa{sv}', out_signature='o', sender_keyword='sender')
    def Start(self, session, parent, options, sender=None):
        self.calls.append('RemoteDesktop.Start')
        if self.failing_starts > 0:
            self.failing_starts -= 1
            return self.respond(sender, options, 2, {})
        if self.decline_start:
            self.decline_start = False
            return self.respond(sender, options, 1, {})
        return self.respond(sender, options, 0, {'devices': dbus.UInt32(1)})

    @dbus.service.method(REMOTE_DESKTOP, in_signature='oa{sv}iu', out_signature='')
    def NotifyKeyboardKeysym(self, session, options, keysym, state):
        if not self.session_open(session):
            raise dbus.exceptions.DBusException('no such session', name='org.freedesktop.DBus.Error.AccessDenied')
        self.calls.append('keysym 0x%x %s' % (keysym, 'down' if state else 'up'))


class Portal(RemoteDesktop):
    def __init__(self):
        super().__init__(bus, PATH)
        self.calls = []
        self.sessions = {}
        self.failing_starts = 0
        self.decline_start = False
        self.decline_bind = False
        self.refused_ids = set()
        self.held = []
        self.holding = False
        self.bound_session = None

    # --- the Request/Response pattern
    def respond(self, sender, options, response, results):
        token = str(options.get('handle_token', 'request'))
        path = '%s/request/%s/%s' % (PATH, sender_part(sender), token)
        request = Request(bus, path)

        def emit():
            request.Response(dbus.UInt32(response), dbus.Dictionary(results, signature='sv'))
            request.remove_from_connection()
            return False

        if self.holding:
            self.held.append(emit)
        else:
            GLib.idle_add(emit)
        return dbus.ObjectPath(path)

    def new_session(self, sender, options, kind):
        token = str(options.get('session_handle_token', 'session'))
        path = '%s/session/%s/%s' % (PATH, sender_part(sender), token)
        self.sessions[path] = Session(self, path, kind)
        return path

    def create_session(self, sender, options, kind):
        self.calls.append('%s.CreateSession' % kind)
        path = self.new_session(sender, options, kind)
        return self.respond(sender, options, 0, {'session_handle': dbus.String(path)})

    def session_open(self, path):
        session = self.sessions.get(str(path))
        return session is not None and session.open

    # --- properties
    @dbus.service.method('org.freedesktop.DBus.Properties', in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        values = {(REMOTE_DESKTOP, 'version'): dbus.UInt32(2),
                  (REMOTE_DESKTOP, 'AvailableDeviceTypes'): dbus.UInt32(7),
                  (GLOBAL_SHORTCUTS, 'version'): dbus.UInt32(1)}
        if (interface, name) not in values:
            raise dbus.exceptions.DBusException('no such property', name='org.freedesktop.DBus.Error.InvalidArgs')
        return values[(interface, name)]

    # --- GlobalShortcuts
    @dbus.service.method(GLOBAL_SHORTCUTS, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
    def CreateSession(self, options, sender=None):
        return self.create_session(sender, options, 'GlobalShortcuts')

    @dbus.service.method(GLOBAL_SHORTCUTS, in_signature='oa(sa{sv})sa{sv}', out_signature='o', sender_keyword='sender')
    def BindShortcuts(self, session, shortcuts, parent, options, sender=None):
        described = ','.join(sorted('%s=%s' % (s[0], s[1].get('preferred_trigger', '')) for s in shortcuts))
        self.calls.append('GlobalShortcuts.BindShortcuts %s' % described)
        if self.decline_bind:
            self.decline_bind = False
            return self.respond(sender, options, 1, {})
        bound = dbus.Array([dbus.Struct((s[0], dbus.Dictionary(
            {'description': s[1].get('description', ''), 'trigger_description': s[1].get('preferred_trigger', '')},
            signature='sv'))) for s in shortcuts if str(s[0]) not in self.refused_ids], signature='(sa{sv})')
        self.bound_session = str(session)
        return self.respond(sender, options, 0, {'shortcuts': bound})

    @dbus.service.signal(GLOBAL_SHORTCUTS, signature='osta{sv}')
    def Activated(self, session, shortcut, timestamp, options):
        pass

    @dbus.service.signal(GLOBAL_SHORTCUTS, signature='osta{sv}')
    def Deactivated(self, session, shortcut, timestamp, options):
        pass

    # --- what the test stages
    @dbus.service.method(CONTROL, in_signature='', out_signature='as')
    def Calls(self):
        return dbus.Array(self.calls, signature='s')

    @dbus.service.method(CONTROL, in_signature='u', out_signature='')
    def FailStarts(self, count):
        self.failing_starts = int(count)

    @dbus.service.method(CONTROL, in_signature='', out_signature='')
    def DeclineNextStart(self):
        self.decline_start = True

    @dbus.service.method(CONTROL, in_signature='', out_signature='')
    def DeclineNextBind(self):
        self.decline_bind = True

    @dbus.service.method(CONTROL, in_signature='as', out_signature='')
    def RefuseIds(self, ids):
        self.refused_ids = set(str(i) for i in ids)

    @dbus.service.method(CONTROL, in_signature='b', out_signature='')
    def HoldResponses(self, hold):
        self.holding = bool(hold)
        if not self.holding:
            for emit in self.held:
                GLib.idle_add(emit)
            self.held = []

    @dbus.service.method(CONTROL, in_signature='s', out_signature='')
    def CloseSessions(self, kind):
        for session in self.sessions.values():
            if session.open and session.kind == kind:
                session.Closed(dbus.Dictionary({}, signature='sv'))
                session.end()

    @dbus.service.method(CONTROL, in_signature='sb', out_signature='')
    def Press(self, shortcut, release):
        session = dbus.ObjectPath(self.bound_session or '/')
        self.Activated(session, shortcut, dbus.UInt64(1), dbus.Dictionary({}, signature='sv'))
        if release:
            self.Deactivated(session, shortcut, dbus.UInt64(2), dbus.Dictionary({}, signature='sv'))


portal = Portal()
name = dbus.service.BusName('org.freedesktop.portal.Desktop', bus)
GLib.MainLoop().run()
