#!/usr/bin/env python3
# User stories, each through the installed program's real window and tray on the private desktop
# of tests/desktop/session, checking what the user sees, hears and finds on the disk, and what the
# desktop's services were asked. The program is $TIVVET_INSTALLED, its clock faked with the library
# $TIVVET_FAKETIME. Usage: test_e2e.py Stories.test_NAME
import array
import ctypes
import hashlib
import os
import re
import signal
import subprocess
import tempfile
import threading
import time
import unittest
from datetime import datetime

PROGRAM, TITLE = os.environ['TIVVET_INSTALLED'], 'The Tivvet  3.0'
# How long an ending program may take: the sanitizers' leak check at its exit takes seconds on a
# busy machine.
EXIT_SECONDS = 60
# Centres of the controls, in twips from the main window's client area.
AT = {'txtSeconds': (1755, 1050), 'FlatBttnStart': (630, 2782), 'FlatBttnPause': (1185, 2782),
      'FlatBttnReset': (1740, 2782), 'txtHour': (2655, 1050), 'txtMinute': (3195, 1050),
      'txtAmPm': (3602, 1050), 'UpDown1Up': (3985, 960), 'Option1': (2535, 1470),
      'FlatBttnTimer': (4825, 945), 'FlatBttnAlarm1': (4825, 1245), 'FlatBttnAbout': (4825, 2590),
      'FlatBttnExit': (4825, 2880), 'optionsSoundBox': (942, 3777), 'txtProgram': (2502, 3777),
      'Check3': (2015, 4505), 'txtMessage': (4350, 3995), 'Check4': (3575, 4565), 'CheckStart': (215, 5100),
      'CheckMin': (2450, 5100), 'CheckRepeat': (215, 5430)}


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=20).stdout


def xdotool(*arguments):
    return run('xdotool', *arguments)


def windows(title, visible=True):
    return xdotool('search', *(['--onlyvisible'] if visible else []), '--name', title).split()


def wait(condition, seconds=5):
    end = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > end:
            return False
        time.sleep(0.1)
    return True


# As the window manager stacks them.
def above(window, other):
    stacking = [int(found, 16) for found in
                re.findall(r'0x[0-9a-f]+', run('xprop', '-root', '_NET_CLIENT_LIST_STACKING'))]
    mine, theirs = int(window), int(other)
    return {mine, theirs} <= set(stacking) and stacking.index(mine) > stacking.index(theirs)


# Another window brought to the front stays below it.
def kept_above(window):
    other = subprocess.Popen(['xmessage', 'another window'])
    try:
        if not wait(lambda: xdotool('search', '--onlyvisible', '--class', 'Xmessage')):
            return False
        theirs = xdotool('search', '--onlyvisible', '--class', 'Xmessage').split()[0]
        xdotool('windowactivate', '--sync', theirs)
        return above(window, theirs)
    finally:
        other.kill()
        other.wait()


def origin(window):
    info = run('xwininfo', '-id', window)
    return [int(re.search(f'Absolute upper-left {axis}:\\s+(-?\\d+)', info)[1]) for axis in 'XY']


# The centre of the program's tray icon: its first small mapped window.
def tray_icon():
    for match in re.finditer(r'\("tivvet" "[^"]*"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)',
                             run('xwininfo', '-root', '-tree')):
        width, height, left, top = map(int, match.groups())
        if 1 < width <= 64 and 1 < height <= 64:
            return left + width // 2, top + height // 2
    return None


def click(at, button=1, repeat=1):
    xdotool('mousemove', *map(str, at), 'click', '--repeat', str(repeat), '--delay', '80', str(button))


def key(*keys):
    xdotool('key', *keys)


# The calls that a service of the desktop has had, a line each without its time.
def calls(service):
    with open(f"{os.environ['XDG_RUNTIME_DIR']}/{service}.log", encoding='utf-8') as log:
        return re.sub(r'(?m)^[\d.]+ ', '', log.read())


def tray_host_ready():
    x11 = ctypes.cdll.LoadLibrary('libX11.so.6')
    x11.XOpenDisplay.restype = ctypes.c_void_p
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    selection = x11.XInternAtom(display, b'_NET_SYSTEM_TRAY_S0', 0)
    owned = wait(lambda: x11.XGetSelectionOwner(display, ctypes.c_ulong(selection)) != 0, 15)
    x11.XCloseDisplay(display)
    return owned


class Stories(unittest.TestCase):
    def setUp(self):
        self.home = tempfile.TemporaryDirectory()
        self.tivvet = self.tray = None
        self.start_tray()

    def tearDown(self):
        for process in (self.tivvet, self.tray):
            if process:
                process.kill()
                process.wait()
        with open(self.home.name + '/errors.txt', encoding='utf-8', errors='replace') as errors:
            print('program output:', errors.read()[-3000:])

    def start_tray(self):
        self.tray = subprocess.Popen(['trayer', '--edge', 'bottom', '--align', 'right', '--widthtype', 'pixel',
                                      '--width', '200', '--height', '32'])
        self.assertTrue(tray_host_ready(), 'no tray host')

    # Starts the installed program, with its wall clock (not its monotonic one) at fake_start and
    # the variables given; what it writes goes to the home's errors.txt.
    def start(self, fake_start=None, **variables):
        environment = dict(os.environ, HOME=self.home.name, XDG_CONFIG_HOME=self.home.name + '/.config',
                           QT_QPA_PLATFORM='xcb', SDL_AUDIODRIVER='pulseaudio', **variables)
        if fake_start:
            environment.update(LD_PRELOAD=os.environ['TIVVET_FAKETIME'], FAKETIME_DONT_FAKE_MONOTONIC='1',
                               FAKETIME='%+d' % (fake_start - datetime.now()).total_seconds(),
                               ASAN_OPTIONS='verify_asan_link_order=0')
        with open(self.home.name + '/errors.txt', 'a', encoding='utf-8') as errors:
            return subprocess.Popen([PROGRAM], env=environment, stdout=errors, stderr=subprocess.STDOUT)

    # Starts it (the last one ended first) and waits for its main window unless it starts in the tray.
    def launch(self, fake_start=None, shows_window=True):
        if self.tivvet:
            self.tivvet.kill()
            self.tivvet.wait()
        self.tivvet = self.start(fake_start=fake_start)
        if shows_window:
            self.assertTrue(wait(lambda: windows(TITLE), 20), 'no window')
            self.window = windows(TITLE)[0]

    def shown(self, seconds=5, title=TITLE):
        return wait(lambda: windows(title), seconds)

    def hidden(self, seconds=5, title=TITLE):
        return wait(lambda: not windows(title), seconds)

    def click_control(self, name, button=1):
        left, top = origin(self.window)
        click((left + AT[name][0] // 15, top + AT[name][1] // 15), button)
        time.sleep(0.15)

    def type_into(self, name, text):
        self.click_control(name)
        xdotool('type', '--delay', '30', text)

    def stored(self, path):
        with open(f'{self.home.name}/.config/{path}', 'rb') as file:
            return file.read()

    # The loudest sound played at the null sink while the code ran and some seconds after.
    # The user types into another window (xev, which prints the keys it gets) until the alert's window
    # has come, and on after it: every key arrives there, and the alert stands above it.
    def typed_across(self, alert_windows, seconds):
        typing = subprocess.Popen(['stdbuf', '-oL', 'xev', '-name', 'typing', '-event', 'keyboard'],
                                  stdout=subprocess.PIPE, text=True)
        printed = []
        threading.Thread(target=lambda: [printed.append(line) for line in typing.stdout], daemon=True).start()

        def keys():
            return ''.join(re.findall(r'KeyPress event.*?keysym 0x[0-9a-f]+, (\w+)\)', ''.join(printed), re.S))

        self.assertTrue(wait(lambda: windows('^typing$')), 'no window to type into')
        theirs = windows('^typing$')[0]
        xdotool('windowactivate', '--sync', theirs)
        typed, until = '', time.monotonic() + seconds
        while not alert_windows() and time.monotonic() < until:
            xdotool('type', 'typing')
            typed += 'typing'
        self.assertTrue(alert_windows(), 'no alert')
        xdotool('type', 'andafter')
        key('Return')
        self.assertEqual(xdotool('getactivewindow').strip(), theirs, 'the alert took the keyboard')
        self.assertTrue(above(alert_windows()[0], theirs), 'not above the window in use')
        wait(lambda: keys().endswith('Return'))
        typing.terminate()
        typing.wait()
        self.assertEqual(keys(), typed + 'andafterReturn')

    # What the server had been handed before the recording began plays for up to half a second:
    # skip leaves it out.
    def loudest_while(self, code, seconds, skip=0):
        recording = self.home.name + '/recorded.raw'
        with open(recording, 'wb') as output:
            recorder = subprocess.Popen(['parec', '-d', 't.monitor', '--raw', '--format=float32le',
                                         '--rate=48000', '--channels=2'], stdout=output)
        self.assertTrue(wait(lambda: os.path.getsize(recording) > 0, 10), 'nothing recorded')
        code()
        time.sleep(seconds)
        recorder.terminate()
        recorder.wait()
        with open(recording, 'rb') as recorded:
            samples = array.array('f', recorded.read()[:os.path.getsize(recording) // 4 * 4])
        return max(map(abs, samples[int(skip * 48000 * 2):]))

    # The first start, then countdowns that bring the window back from the tray with their sound and
    # a notification each, withdrawn once the user has seen it (a click in the window, Show); the
    # notification's Show brings the window back too. While a countdown runs the desktop is asked
    # not to suspend for being idle, and no longer after the expiry, Pause or the end; an alarm asks
    # nothing. At logout the program gets SIGTERM: what was typed is saved and it ends normally.
    def test_countdownFromTheTrayAndBack(self):
        self.launch()
        self.assertTrue(kept_above(self.window), 'kept above other windows')
        self.assertTrue(wait(tray_icon, 10), 'no tray icon')
        xdotool('windowmove', '--sync', self.window, '66', '451')
        place = origin(self.window)  # kept through the tray
        inhibit, close = 'Inhibit "" 4 {"reason": "Counting down or ringing"}\n', 'Close\n'

        def told(call):
            return wait(lambda: calls('portal').endswith(call))

        def start_countdown(seconds):
            self.click_control('txtSeconds')
            key('ctrl+a')
            xdotool('type', seconds)
            self.click_control('FlatBttnStart')
            self.assertTrue(told(inhibit), 'not asked at Start')

        # Meanwhile the user types into another window (xev, which prints the keys it gets): it keeps
        # the keyboard through the expiry, and the window comes back above it.
        def countdown_from_the_tray(seconds):
            start_countdown(seconds)
            xdotool('windowminimize', self.window)
            self.assertTrue(self.hidden(2), 'still shown')
            self.typed_across(lambda: windows(TITLE), 6)
            self.assertIn('window state: Normal', run('xprop', '-id', self.window, 'WM_STATE'))
            self.assertTrue(wait(lambda: kept_above(self.window), 3), 'not on top after the alert')
            self.assertEqual(origin(self.window), place)
            self.assertTrue(told(close), 'not given back at the expiry')

        self.assertGreater(self.loudest_while(lambda: countdown_from_the_tray('3'), 2), 0.2, 'no sound heard')
        countdown_from_the_tray('2')  # its start's click withdrew the first notification
        notification = ('Notify "Tivvet" 0 "org.example.tivvet" "The Tivvet" "The countdown has run out." '
                        '["default", "Show"] {"desktop-entry": "org.example.tivvet", "urgency": 2} -1\n')

        def closed(number):  # withdrawn, which the server confirms
            return (f'CloseNotification {number}\nemit /org/freedesktop/Notifications '
                    f'org.freedesktop.Notifications.NotificationClosed {number} 1\n')

        expected = f'{notification}{closed(1)}{notification}'
        self.assertTrue(wait(lambda: calls('notifications') == expected, 3), calls('notifications'))
        xdotool('windowminimize', self.window)
        self.assertTrue(self.hidden(), 'still shown')
        run('gdbus', 'call', '--session', '--dest', 'org.freedesktop.Notifications', '--object-path',
            '/org/freedesktop/Notifications', '--method', 'org.freedesktop.DBus.Mock.EmitSignal',
            'org.freedesktop.Notifications', 'ActionInvoked', 'us', "[<uint32 2>, <'default'>]")  # Show
        self.assertTrue(self.shown(), 'Show did not restore')
        self.assertTrue(wait(lambda: xdotool('getactivewindow').strip() == self.window, 3), 'not active after Show')
        show = 'emit /org/freedesktop/Notifications org.freedesktop.Notifications.ActionInvoked 2 "default"\n'
        self.assertTrue(wait(lambda: calls('notifications') == expected + show + closed(2)), 'not withdrawn')
        start_countdown('30')
        self.click_control('FlatBttnPause')
        self.assertTrue(told(close), 'not given back at Pause')
        self.click_control('FlatBttnReset')
        self.click_control('Option1')
        self.click_control('FlatBttnAlarm1')
        self.type_into('txtMessage', 'Take the pills')
        start_countdown('30')
        self.tivvet.terminate()
        self.assertEqual(self.tivvet.wait(EXIT_SECONDS), 0)
        self.assertEqual(self.stored('Tivvet/Options/message.txt'), b'Take the pills\r\n')
        self.assertTrue(told(close), 'not given back at the end')
        self.assertEqual(calls('portal'), (inhibit + close) * 4)  # and never asked for the alarm

    # At 7:30 pm the sound plays and the message waits for OK while the window is not kept on top;
    # the program starts only after OK, with the user's environment but no start-up token.
    def test_alarmWithMessageAndProgram(self):
        marker, script = self.home.name + '/program-ran', self.home.name + '/alarm program.sh'
        with open(script, 'w', encoding='utf-8') as file:
            file.write(f"#!/bin/sh\nenv > '{marker}.part' && mv '{marker}.part' '{marker}'\n")
        os.environ.update(TIVVET_STORY='mine', DESKTOP_STARTUP_ID='start', XDG_ACTIVATION_TOKEN='token')
        os.chmod(script, 0o500)
        self.launch(datetime.now().replace(hour=19, minute=29, second=40))
        self.type_into('txtHour', '07')
        self.type_into('txtMinute', '30')
        self.click_control('txtAmPm')
        self.click_control('UpDown1Up')  # am becomes pm
        self.click_control('FlatBttnAlarm1')
        self.type_into('txtMessage', 'Time to go, now')
        self.click_control('Check4')
        self.type_into('txtProgram', "~/'alarm program.sh'")  # as a terminal takes it
        self.click_control('Check3')

        def switch_on_and_wait():
            self.click_control('Option1')
            self.typed_across(lambda: windows('^The Tivvet$'), 40)
            self.assertTrue(windows('^The Tivvet$'), 'the box was answered unread')

        # The first sound loads the sound library.
        self.assertGreater(self.loudest_while(switch_on_and_wait, 3), 0.2, "the alarm's sound was not heard")
        self.assertFalse(kept_above(self.window), 'not on top while the message is open')
        xdotool('windowactivate', '--sync', windows('^The Tivvet$')[0])
        key('Return')
        self.assertTrue(wait(lambda: os.path.exists(marker), 10), 'the program did not run after OK')
        with open(marker, encoding='utf-8') as file:
            environment = file.read()
        self.assertIn('\nTIVVET_STORY=mine\n', environment)
        leaked = re.findall('(?m)^(QT_XCB_NO_MITSHM|DESKTOP_STARTUP_ID|XDG_ACTIVATION_TOKEN)=', environment)
        self.assertEqual(leaked, [])
        self.assertTrue(wait(lambda: kept_above(self.window), 3), 'on top again after OK')

    # With "ring until seen" the countdown's end rings, and the desktop is asked not to suspend,
    # until the user closes its notification; an alarm's notification offers a snooze, which stops
    # its ring and withdraws it.
    def test_ringsUntilSeen(self):
        self.launch(datetime.now().replace(hour=7, minute=29, second=30))
        self.click_control('FlatBttnAlarm1')
        self.click_control('CheckRepeat')
        self.type_into('txtSeconds', '1')
        self.click_control('FlatBttnStart')
        inhibit = 'Inhibit "" 4 {"reason": "Counting down or ringing"}\n'
        mock = ['gdbus', 'call', '--session', '--dest', 'org.freedesktop.Notifications', '--object-path',
                '/org/freedesktop/Notifications', '--method', 'org.freedesktop.DBus.Mock.EmitSignal',
                'org.freedesktop.Notifications']

        def rings_until(seen, number):
            self.assertTrue(wait(lambda: calls('notifications').count('Notify ') == number, 20), 'not notified')
            time.sleep(3)  # longer than the chime and the silence after it
            self.assertGreater(self.loudest_while(lambda: None, 3), 0.2, 'not rung again')
            self.assertTrue(calls('portal').endswith(inhibit), 'not asked while ringing')
            run(*mock, *seen)
            self.assertTrue(wait(lambda: calls('portal').endswith('Close\n')), 'not given back once seen')
            self.assertLess(self.loudest_while(lambda: None, 3, skip=0.5), 0.01, 'rings on once seen')

        rings_until(['NotificationClosed', 'uu', '[<uint32 1>, <uint32 2>]'], 1)
        self.type_into('txtHour', '07')
        self.type_into('txtMinute', '30')
        self.click_control('Option1')
        rings_until(['ActionInvoked', 'us', "[<uint32 2>, <'snooze'>]"], 2)
        alarm = ('Notify "Tivvet" 0 "org.example.tivvet" "The Tivvet" "Alarm I at 07:30 am" '
                 '["default", "Show", "snooze", "Snooze 10 minutes"] '
                 '{"desktop-entry": "org.example.tivvet", "urgency": 2} -1\n')
        self.assertIn(alarm, calls('notifications'))
        self.assertTrue(calls('notifications').endswith('CloseNotification 2\n'
                                                        'emit /org/freedesktop/Notifications '
                                                        'org.freedesktop.Notifications.NotificationClosed 2 1\n'))

    # What the user typed and chose is on disk after Close in the tray menu, and the next start is
    # in the tray until the icon is double-clicked.
    def test_persistenceThroughTheTrayMenu(self):
        self.launch()
        self.click_control('FlatBttnTimer')
        self.type_into('optionsSoundBox', '/home/user/Sounds/bell, loud.wav')
        self.click_control('FlatBttnAlarm1')
        self.type_into('txtMessage', 'Tea, now')
        key('Return')
        xdotool('type', 'Please')
        self.click_control('CheckMin')
        self.click_control('CheckStart')
        self.assertIn(f'\nExec="{PROGRAM}"\n'.encode(), self.stored('autostart/Tivvet.desktop'))
        click(tray_icon(), 3)
        time.sleep(0.5)
        key('Up', 'Return')  # the menu's last item, "Close"
        self.assertEqual(self.tivvet.wait(EXIT_SECONDS), 0)
        self.assertEqual(self.stored('Tivvet/Options/wav.txt'), b'/home/user/Sounds/bell, loud.wav\r\n')
        self.assertEqual(self.stored('Tivvet/Options/message.txt'), b'Tea, now\r\nPlease\r\n')
        self.assertEqual(self.stored('Tivvet/Options/message2.txt'), b'\r\n')

        self.launch(shows_window=False)
        self.assertTrue(wait(tray_icon, 20), 'no icon')  # which comes after the window's first frame
        self.assertFalse(windows(TITLE), 'started minimised: no window')
        icon = tray_icon()  # where the tray host has settled it
        click(icon)  # a single click does nothing: About, chosen after it, comes alone
        click(icon, 3)  # About from the tray, closed again: the program stays in the tray
        time.sleep(0.5)
        key('Up', 'Up', 'Return')
        self.assertTrue(self.shown(10, '^  About$'), 'no About')
        key('Escape')
        self.assertTrue(self.hidden(10, '^  About$'), 'About stays')
        self.assertFalse(windows(TITLE), 'restored by a single click')
        click(icon, 1, 2)  # a double-click restores, as the program has not ended with About
        self.assertTrue(wait(lambda: len(windows(TITLE)) == 1, 10), 'no window')
        self.tray.terminate()  # started before the panel: on the task bar, then in the tray once it comes
        self.tray.wait()
        self.launch(shows_window=False)

        def state():
            found = windows(TITLE, visible=False)
            return run('xprop', '-id', found[0], 'WM_STATE') if len(found) == 1 else ''

        self.assertTrue(wait(lambda: 'Iconic' in state(), 20), state())
        self.start_tray()
        self.assertTrue(wait(tray_icon, 20), 'no icon')
        self.assertTrue(wait(lambda: 'Iconic' not in state(), 10), state())

    # Started again from the menu while it runs in the tray: one program, one window, one icon; the
    # window carries the start-up id of the second start, for the focus. A start while the first
    # hangs, and one after it was killed, work. Exited while About is still open, it runs on for
    # that window alone, and a start then is one of its own: a window whose clock moves, and a tray
    # icon.
    def test_aSecondStartBringsBackTheFirst(self):
        self.launch()
        xdotool('windowminimize', self.window)
        self.assertTrue(self.hidden(), 'still shown')
        self.assertEqual(self.start(DESKTOP_STARTUP_ID='second_TIME1').wait(EXIT_SECONDS), 0)
        self.assertTrue(wait(lambda: windows(TITLE) == [self.window]), 'not back')
        self.assertIn('"second_TIME1"', run('xprop', '-id', self.window, '_NET_STARTUP_ID'))
        self.assertEqual(run('xwininfo', '-root', '-tree').count('("tivvet"'), 2)  # window, icon
        os.kill(self.tivvet.pid, signal.SIGSTOP)  # hung: a start gives up asking and runs beside it
        beside = self.start()
        self.assertTrue(wait(lambda: len(windows(TITLE)) == 2 and windows(' - not saved: '), 15), 'none beside')
        os.kill(self.tivvet.pid, signal.SIGTERM)  # it ends after all: the one beside takes its place
        os.kill(self.tivvet.pid, signal.SIGCONT)
        self.assertEqual(self.tivvet.wait(EXIT_SECONDS), 0)
        name = 'org.example.tivvet.i' + hashlib.sha1(f'{self.home.name}/.config'.encode()).hexdigest()[:16]
        owner = ['gdbus', 'call', '--session', '--dest', 'org.freedesktop.DBus', '--object-path',
                 '/org/freedesktop/DBus', '--method', 'org.freedesktop.DBus.GetConnectionUnixProcessID', name]
        self.assertTrue(wait(lambda: f'uint32 {beside.pid},' in run(*owner) and not windows(' - not saved: ')))
        self.assertEqual(self.start().wait(EXIT_SECONDS), 0)  # and a third start finds it
        self.assertEqual(len(windows(TITLE)), 1)
        beside.kill()
        beside.wait()
        self.launch()  # after a crash

        xdotool('windowmove', '--sync', self.window, '10', '10')  # clear of About, which is centred
        self.click_control('FlatBttnAbout')
        self.assertTrue(self.shown(10, '^  About$'), 'no About')
        self.click_control('FlatBttnExit')
        self.assertTrue(self.hidden(), 'the window stays')
        exited, self.tivvet = self.tivvet, None
        self.launch(datetime.now().replace(hour=10, minute=59, second=57))
        self.assertTrue(wait(tray_icon, 10), 'no tray icon')

        def clock():
            return run('import', '-window', self.window, '-crop', '150x22+205+0', '-format', '%#', 'info:')

        before = clock()
        # Within a minute, however slow the start was: the next minute then shows.
        self.assertTrue(wait(lambda: clock() != before, 70), 'the clock stands still')
        self.assertIsNone(exited.poll(), 'ended with its About window open')
        xdotool('windowactivate', '--sync', windows('^  About$')[0])
        key('alt+F4')
        self.assertEqual(exited.wait(EXIT_SECONDS), 0)

    # Where a StatusNotifierItem host runs, the icon is an item of it: a click restores the window.
    def test_statusNotifierItemRestoresOnAClick(self):
        self.launch()
        self.assertTrue(wait(lambda: 'RegisterStatusNotifierItem' in calls('watcher'), 10), 'no item registered')
        item = re.search(r'^RegisterStatusNotifierItem "(.+)"$', calls('watcher'), re.M)[1]
        xdotool('windowminimize', self.window)
        self.assertTrue(self.hidden(), 'still shown')
        run('dbus-send', '--session', '--print-reply', '--dest=' + item, '/StatusNotifierItem',
            'org.kde.StatusNotifierItem.Activate', 'int32:0', 'int32:0')
        self.assertTrue(self.shown(), 'a click did not restore')


if __name__ == '__main__':
    unittest.main()
