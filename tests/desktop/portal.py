# The desktop portal's Inhibit, for python3-dbusmock: each call makes a request that its caller
# closes; both are logged.
import dbus

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Inhibit'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.requests = 0
    mock.AddMethod(MAIN_IFACE, 'Inhibit', 'sua{sv}', 'o', '''self.requests += 1
path = "/org/freedesktop/portal/desktop/request/%d" % self.requests
self.AddObject(path, "org.freedesktop.portal.Request", {}, [("Close", "", "", "")])
ret = dbus.ObjectPath(path)''')
