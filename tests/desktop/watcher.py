# A StatusNotifierWatcher with a host, for python3-dbusmock: items register with it (logged).
import dbus

BUS_NAME = 'org.kde.StatusNotifierWatcher'
MAIN_OBJ = '/StatusNotifierWatcher'
MAIN_IFACE = 'org.kde.StatusNotifierWatcher'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethods(MAIN_IFACE, [('RegisterStatusNotifierItem', 's', '', ''),
                                 ('RegisterStatusNotifierHost', 's', '', '')])
    mock.AddProperties(MAIN_IFACE, {'IsStatusNotifierHostRegistered': True, 'ProtocolVersion': dbus.Int32(0),
                                    'RegisteredStatusNotifierItems': dbus.Array([], signature='s')})
