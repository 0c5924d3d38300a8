<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlarmCheck</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>An alarm&apos;s notification: &quot;Alarm I at 07:30 am&quot;, its time as the locale writes it.</extracomment>
        <translation>%1 um %2</translation>
    </message>
    <message numerus="yes">
        <source>%n min late</source>
        <extracomment>How late an alarm went off, in its notification: &quot;15 min late&quot;.</extracomment>
        <translation>
            <numerusform>%n Min. verspätet</numerusform>
            <numerusform>%n Min. verspätet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h %1 min late</source>
        <extracomment>How late an alarm went off: &quot;9 h 50 min late&quot;; %n is the hours, %1 the minutes.</extracomment>
        <translation>
            <numerusform>%n Std. %1 Min. verspätet</numerusform>
            <numerusform>%n Std. %1 Min. verspätet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at %2, %3: the computer was asleep</source>
        <extracomment>An alarm&apos;s notification when it goes off late: &quot;Alarm I at 07:30 pm, 15 min late: the computer was asleep&quot;.</extracomment>
        <translation>%1 um %2, %3: Der Computer war im Ruhezustand</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <extracomment>An alarm&apos;s notification when the program was held up: &quot;Alarm I at 07:30 pm, 1 min late&quot;.</extracomment>
        <translation>%1 um %2, %3</translation>
    </message>
    <message>
        <source>%1 at %2: the clocks went forward</source>
        <extracomment>An alarm&apos;s notification in the first minute after the clocks skipped its time.</extracomment>
        <translation>%1 um %2: Die Uhren wurden vorgestellt</translation>
    </message>
    <message>
        <source>%1 at %2, snoozed</source>
        <extracomment>An alarm&apos;s notification when it goes off again after a snooze: &quot;Alarm I at 07:00 am, snoozed&quot;.</extracomment>
        <translation>%1 um %2, schlummernd</translation>
    </message>
    <message>
        <source>%1 at %2, %3: Tivvet was not running</source>
        <extracomment>An alarm&apos;s notification when it went off late at the start: &quot;Alarm I at 07:00 am, 25 min late: Tivvet was not running&quot;.</extracomment>
        <translation>%1 um %2, %3: Tivvet lief nicht</translation>
    </message>
    <message>
        <source>%1 at %2 was missed: Tivvet was not running; it is off now</source>
        <extracomment>A notification at the start for an alarm missed by more than 12 hours.</extracomment>
        <translation>%1 um %2 wurde verpasst: Tivvet lief nicht; er ist jetzt aus</translation>
    </message>
</context>
<context>
    <name>AlarmClock</name>
    <message>
        <source>alarm I</source>
        <extracomment>The alarm&apos;s bold title over its time, at most 115 pixels.</extracomment>
        <translation>Wecker I</translation>
    </message>
    <message>
        <source>Alarm I</source>
        <extracomment>The alarm&apos;s name in its notification: &quot;Alarm I at 07:30 pm&quot;.</extracomment>
        <translation>Wecker I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>The alarm&apos;s bold title over its time, at most 115 pixels.</extracomment>
        <translation>Wecker II</translation>
    </message>
    <message>
        <source>Alarm II</source>
        <extracomment>The alarm&apos;s name in its notification: &quot;Alarm II at 07:30 pm&quot;.</extracomment>
        <translation>Wecker II</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>Short: beside an option button, at most 30 pixels; the alarm switched on.</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>Short: beside an option button, at most 40 pixels; the alarm switched off.</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1 on</source>
        <extracomment>The parts of an alarm, for assistive technology: &quot;alarm I on&quot;.</extracomment>
        <translation>%1: Ein</translation>
    </message>
    <message>
        <source>%1 off</source>
        <extracomment>For assistive technology: &quot;alarm I off&quot;.</extracomment>
        <translation>%1: Aus</translation>
    </message>
    <message>
        <source>The alarm time cannot be read: the alarm is off.</source>
        <translation>Die Weckzeit ist ungültig: Der Wecker bleibt aus.</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>An alarm&apos;s fields, for assistive technology: &quot;alarm I hour&quot;, &quot;alarm I minute&quot;, &quot;alarm I am or pm&quot;.</extracomment>
        <translation>%1: Stunde</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1: Minute</translation>
    </message>
    <message>
        <source>%1 am or pm</source>
        <translation>%1: am oder pm</translation>
    </message>
</context>
<context>
    <name>AlarmOptions</name>
    <message>
        <source>alarm I</source>
        <extracomment>Whose options these are, in the names assistive technology reads: &quot;alarm I sound play&quot;.</extracomment>
        <translation>Wecker I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>Whose options these are, in the names assistive technology reads: &quot;alarm II sound play&quot;.</extracomment>
        <translation>Wecker II</translation>
    </message>
</context>
<context>
    <name>AlertActions</name>
    <message>
        <source>No sound could be played: no sound server answered</source>
        <extracomment>A line under an alert&apos;s notification, as the next ones.</extracomment>
        <translation>Kein Ton abspielbar: Kein Soundserver hat geantwortet</translation>
    </message>
    <message>
        <source>No sound could be played: no sound device</source>
        <translation>Kein Ton abspielbar: Kein Audiogerät vorhanden</translation>
    </message>
    <message>
        <source>Unable to play the sound!</source>
        <translation>Der Ton kann nicht abgespielt werden!</translation>
    </message>
    <message>
        <source>Unable to play the sound! File not found!</source>
        <translation>Der Ton kann nicht abgespielt werden! Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Unable to start the program!</source>
        <translation>Das Programm kann nicht gestartet werden!</translation>
    </message>
    <message>
        <source>No sound could be played: the sound library could not be loaded</source>
        <translation>Kein Ton abspielbar: Die Audiobibliothek konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>It rang for 5 minutes unanswered.</source>
        <extracomment>A line under an alert&apos;s notification once its sound, rung until seen, has stopped.</extracomment>
        <translation>Es hat 5 Minuten lang geklingelt, ohne Antwort.</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>A button beside OK on an alarm&apos;s message box: the alarm goes off again in 10 minutes.</extracomment>
        <translation>Schlummern</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>A countdown timer and two alarm clocks</source>
        <extracomment>The comment of the entry that starts the program at login, which some desktops show.</extracomment>
        <translation>Ein Countdown-Timer und zwei Wecker</translation>
    </message>
    <message>
        <source>ERROR #%1 : %2</source>
        <extracomment>A box&apos;s text when the start at login cannot be set: %1 is the error&apos;s number, %2 the system&apos;s own words. The next line, &quot;Please Exit and try again.&quot;, follows.</extracomment>
        <translation>FEHLER #%1: %2</translation>
    </message>
    <message>
        <source>Please Exit and try again.</source>
        <translation>Bitte beenden Sie Tivvet und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>The countdown ran out at %1.</source>
        <extracomment>A notification told late; %1 is the time of day as the locale writes it: &quot;7:31 pm&quot;, &quot;19:31&quot;.</extracomment>
        <translation>Der Countdown ist um %1 abgelaufen.</translation>
    </message>
    <message>
        <source>The countdown has run out.</source>
        <translation>Der Countdown ist abgelaufen.</translation>
    </message>
    <message>
        <source>The countdown has %1 left.</source>
        <extracomment>The time left is written as 00:05:00.</extracomment>
        <translation>Der Countdown läuft noch %1.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>time remaining</source>
        <extracomment>Over the countdown&apos;s display of the time left.</extracomment>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>timer</source>
        <extracomment>The countdown&apos;s bold title, over its three boxes.</extracomment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>hrs</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s hours.</extracomment>
        <translation>Std.</translation>
    </message>
    <message>
        <source>timer hours</source>
        <translation>Timer: Stunden</translation>
    </message>
    <message>
        <source>mins</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s minutes.</extracomment>
        <translation>Min.</translation>
    </message>
    <message>
        <source>timer minutes</source>
        <translation>Timer: Minuten</translation>
    </message>
    <message>
        <source>secs</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s seconds.</extracomment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>timer seconds</source>
        <translation>Timer: Sekunden</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>Short: a small button, 36 pixels, that starts the countdown.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>timer start</source>
        <translation>Timer: Start</translation>
    </message>
    <message>
        <source>pause</source>
        <extracomment>Short: a small button, 36 pixels, that stops the countdown where it is.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>timer pause</source>
        <translation>Timer: Pause</translation>
    </message>
    <message>
        <source>reset</source>
        <extracomment>Short: a small button, 36 pixels, that empties the countdown.</extracomment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>timer reset</source>
        <translation>Timer: Reset</translation>
    </message>
</context>
<context>
    <name>DBusNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>A notification&apos;s button, which brings the program&apos;s window back.</extracomment>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <extracomment>A button on an alarm&apos;s notification: the alarm goes off again in 10 minutes.</extracomment>
        <translation>10 Minuten schlummern</translation>
    </message>
</context>
<context>
    <name>DBusSleepInhibitor</name>
    <message>
        <source>Counting down or ringing</source>
        <extracomment>Why the computer is kept awake, as the desktop may show it.</extracomment>
        <translation>Countdown läuft oder Alarm klingelt</translation>
    </message>
</context>
<context>
    <name>KeptAlarms</name>
    <message>
        <source>%1 was on for %2 when Tivvet ended; it is off now</source>
        <extracomment>A notification at the start when &quot;keep alarms&quot; is off: &quot;Alarm I was on for 07:00 am when Tivvet ended; it is off now&quot;.</extracomment>
        <translation>%1 war für %2 eingeschaltet, als Tivvet endete; er ist jetzt aus</translation>
    </message>
</context>
<context>
    <name>MessageGroup</name>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box (60 pixels); the alarm shows the message only when it is checked.</extracomment>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>Short: a small button (41 pixels) that empties the message.</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>%1 message clear</source>
        <extracomment>For assistive technology; %1 is whose message it is: &quot;alarm I&quot;.</extracomment>
        <translation>%1: Nachricht leeren</translation>
    </message>
    <message>
        <source>custom message</source>
        <extracomment>The caption of the message&apos;s group.</extracomment>
        <translation>Eigene Nachricht</translation>
    </message>
    <message>
        <source>%1 custom message</source>
        <translation>%1: Eigene Nachricht</translation>
    </message>
    <message>
        <source>%1 message activate</source>
        <translation>%1: Nachricht aktivieren</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source>notify times</source>
        <extracomment>The caption of the group of notify times, 100 pixels wide.</extracomment>
        <translation>Vorwarnungen</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <extracomment>Beside a check box, 75 pixels: the countdown warns when 60, 30, 15 or 5 minutes are left.</extracomment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>timer notify %1</source>
        <extracomment>A notify time&apos;s box, for assistive technology: &quot;timer notify 5 minutes&quot;.</extracomment>
        <translation>Timer: Vorwarnung %1</translation>
    </message>
    <message>
        <source>custom notify time</source>
        <extracomment>The caption of the custom notify time&apos;s group, 110 pixels wide: a time left, hh:mm:ss.</extracomment>
        <translation>Eigene Vorwarnung</translation>
    </message>
    <message>
        <source>custom notify hours</source>
        <extracomment>The custom notify time&apos;s fields, for assistive technology.</extracomment>
        <translation>Eigene Vorwarnung: Stunden</translation>
    </message>
    <message>
        <source>custom notify minutes</source>
        <translation>Eigene Vorwarnung: Minuten</translation>
    </message>
    <message>
        <source>custom notify seconds</source>
        <translation>Eigene Vorwarnung: Sekunden</translation>
    </message>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box; the countdown warns at the custom time only when it is checked.</extracomment>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>custom notify activate</source>
        <translation>Eigene Vorwarnung aktivieren</translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>timer</source>
        <extracomment>The bold title of the countdown&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens the countdown&apos;s options.</extracomment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>alarm I</source>
        <extracomment>The bold title of alarm I&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens alarm I&apos;s options.</extracomment>
        <translation>Wecker I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>The bold title of alarm II&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens alarm II&apos;s options.</extracomment>
        <translation>Wecker II</translation>
    </message>
    <message>
        <source>close options</source>
        <extracomment>Short: a small button, 77 pixels, that hides the options panels.</extracomment>
        <translation>Opt. schließen</translation>
    </message>
    <message>
        <source>options</source>
        <extracomment>The caption over the three buttons that open the options panels, 65 pixels wide.</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>timer options</source>
        <translation>Optionen für den Timer</translation>
    </message>
    <message>
        <source>alarm I options</source>
        <translation>Optionen für Wecker I</translation>
    </message>
    <message>
        <source>alarm II options</source>
        <translation>Optionen für Wecker II</translation>
    </message>
    <message>
        <source>start with windows</source>
        <extracomment>Beside a check box, 130 pixels: the program starts when the user logs in to the desktop. Say it as your language&apos;s desktops do, not word for word.</extracomment>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>start minimized</source>
        <extracomment>Beside a check box, 110 pixels: the program starts with only its icon in the tray.</extracomment>
        <translation>Minimiert starten</translation>
    </message>
    <message>
        <source>ring until seen</source>
        <extracomment>Beside a check box, 130 pixels: the sound of an alarm or of the countdown&apos;s end plays again and again until the user answers it.</extracomment>
        <translation>Bis zur Reaktion klingeln</translation>
    </message>
    <message>
        <source>keep alarms</source>
        <extracomment>Beside a check box, 110 pixels: the alarms set at the end come back at the next start.</extracomment>
        <translation>Wecker behalten</translation>
    </message>
</context>
<context>
    <name>OptionsFiles</name>
    <message>
        <source>larger than 1 MiB</source>
        <extracomment>Why an options file was not read, after its path: &quot;…/wav.txt: larger than 1 MiB&quot;.</extracomment>
        <translation>größer als 1 MiB</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>OptionsTexts</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s path and why it could not be read or written.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) 2026 The Tivvet developers</source>
        <translation>Copyright (C) 2026 Die Tivvet-Entwickler</translation>
    </message>
    <message>
        <source>The Tivvet</source>
        <extracomment>The title of the program&apos;s message boxes and notifications: the product&apos;s name, as in the window&apos;s title.</extracomment>
        <translation>The Tivvet</translation>
    </message>
</context>
<context>
    <name>ProgramGroup</name>
    <message>
        <source>browse</source>
        <extracomment>Short: a small button (41 pixels) that opens the file dialog.</extracomment>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>%1 program browse</source>
        <extracomment>For assistive technology; %1 is whose program it is: &quot;alarm I&quot;.</extracomment>
        <translation>%1: Programm wählen</translation>
    </message>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box (60 pixels); the alarm starts the program only when it is checked.</extracomment>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>program (.exe)</source>
        <extracomment>The caption of the program&apos;s group, 90 pixels wide.</extracomment>
        <translation>Programm (.exe)</translation>
    </message>
    <message>
        <source>%1 program</source>
        <translation>%1: Programm</translation>
    </message>
    <message>
        <source>%1 program activate</source>
        <translation>%1: Programm aktivieren</translation>
    </message>
    <message>
        <source>The program and its arguments, as a terminal takes them: quotes and \ keep blanks, and ~/ at the start of a word is the home folder; nothing else is expanded and no shell runs.</source>
        <extracomment>The tooltip of an alarm&apos;s program box.</extracomment>
        <translation>Das Programm und seine Argumente, wie ein Terminal sie annimmt: Anführungszeichen und \ schützen Leerzeichen, und ~/ am Wortanfang ist der persönliche Ordner; sonst wird nichts ersetzt, und es wird keine Shell gestartet.</translation>
    </message>
    <message>
        <source>Select Program</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <source>Executable Files (*)</source>
        <extracomment>The one kind of file offered: every file, &quot;(*)&quot; kept.</extracomment>
        <translation>Ausführbare Dateien (*)</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>SdlSoundPlayer</name>
    <message>
        <source>tivvet: no sound can be played: %1</source>
        <extracomment>On standard error, before the sound library&apos;s or sound system&apos;s own words (in English).</extracomment>
        <translation>tivvet: Kein Ton abspielbar: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1: cannot be written</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1: kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SoundGroup</name>
    <message>
        <source>Wav Files (*.wav *.WAV)</source>
        <extracomment>A kind of file in the file dialog; the patterns in brackets stay as they are.</extracomment>
        <translation>WAV-Dateien (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sound Files (%1)</source>
        <extracomment>A kind of file in the file dialog; %1 is the patterns of every kind the program plays.</extracomment>
        <translation>Audiodateien (%1)</translation>
    </message>
    <message>
        <source>browse</source>
        <extracomment>Short: a small button (41 pixels) that opens the file dialog.</extracomment>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>%1 sound browse</source>
        <extracomment>For assistive technology; %1 is whose sound it is: &quot;timer&quot;, &quot;alarm I&quot;.</extracomment>
        <translation>%1: Ton wählen</translation>
    </message>
    <message>
        <source>play</source>
        <extracomment>Short: a small button (41 pixels) that plays the sound.</extracomment>
        <translation>Hören</translation>
    </message>
    <message>
        <source>%1 sound play</source>
        <translation>%1: Ton hören</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>Short: a small button (41 pixels) that puts the sound that comes with the program back.</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>%1 sound default</source>
        <translation>%1: Ton auf Original setzen</translation>
    </message>
    <message>
        <source>sound (.wav)</source>
        <extracomment>The caption of the sound&apos;s group, 90 pixels wide.</extracomment>
        <translation>Ton (.wav)</translation>
    </message>
    <message>
        <source>%1 sound file</source>
        <translation>%1: Tondatei</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Ton auswählen</translation>
    </message>
</context>
<context>
    <name>SystemClock</name>
    <message>
        <source>The wall clock is not watched: a clock set or a wake from sleep shows at the next minute.</source>
        <translation>Die Systemuhr wird nicht überwacht: Wird die Uhr gestellt oder der Computer aus dem Ruhezustand geweckt, zeigt sich das erst zur nächsten Minute.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Popup</source>
        <extracomment>The tray menu&apos;s title, which few desktops show.</extracomment>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The tray menu&apos;s item that brings the window back.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The tray menu&apos;s item that ends the program.</extracomment>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>TrayTip</name>
    <message>
        <source>%1 left</source>
        <extracomment>The first line of the tray icon&apos;s tooltip while the countdown runs or is paused.</extracomment>
        <translation>noch %1</translation>
    </message>
    <message>
        <source> Click Right Mouse Button </source>
        <extracomment>The tray icon&apos;s tooltip, with one blank before and after it; at most 62 characters.</extracomment>
        <translation> Rechte Maustaste klicken </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A line of the tray icon&apos;s tooltip for an alarm that is on: &quot;Alarm I 07:00 am&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>%1 up</source>
        <extracomment>The arrows of a spin button, for assistive technology: &quot;alarm I up&quot;.</extracomment>
        <translation>%1: aufwärts</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: abwärts</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Version 3.0 for Windows 95, 98, and NT</source>
        <extracomment>The About window&apos;s bold version line, centred; at most 280 pixels.</extracomment>
        <translation>Version 3.0 für Windows 95, 98 und NT</translation>
    </message>
    <message>
        <source>Please visit our home on the Web at:</source>
        <translation>Besuchen Sie uns im Web unter:</translation>
    </message>
</context>
<context>
    <name>frmColor</name>
    <message>
        <source>time remaining</source>
        <extracomment>Over the colours of the countdown&apos;s display of the time left.</extracomment>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>timer entry background</source>
        <extracomment>The colour boxes, for assistive technology.</extracomment>
        <translation>Hintergrund der Zeiteingabe</translation>
    </message>
    <message>
        <source>timer entry text</source>
        <translation>Schriftfarbe der Zeiteingabe</translation>
    </message>
    <message>
        <source>timer remaining background</source>
        <translation>Hintergrund der Restzeit</translation>
    </message>
    <message>
        <source>timer remaining text</source>
        <translation>Schriftfarbe der Restzeit</translation>
    </message>
    <message>
        <source>alarm I background</source>
        <translation>Hintergrund von Wecker I</translation>
    </message>
    <message>
        <source>alarm I text</source>
        <translation>Schriftfarbe von Wecker I</translation>
    </message>
    <message>
        <source>alarm II background</source>
        <translation>Hintergrund von Wecker II</translation>
    </message>
    <message>
        <source>alarm II text</source>
        <translation>Schriftfarbe von Wecker II</translation>
    </message>
    <message>
        <source>Custom Color</source>
        <extracomment>The colour window&apos;s title.</extracomment>
        <translation>Eigene Farben</translation>
    </message>
    <message>
        <source>timer</source>
        <extracomment>A bold title on a frame&apos;s top edge: the countdown&apos;s colours.</extracomment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>alarm I</source>
        <extracomment>A bold title on a frame&apos;s top edge: alarm I&apos;s colours.</extracomment>
        <translation>Wecker I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>A bold title on a frame&apos;s top edge: alarm II&apos;s colours.</extracomment>
        <translation>Wecker II</translation>
    </message>
    <message>
        <source>enter time</source>
        <extracomment>Over the colours of the countdown&apos;s boxes for the time entered.</extracomment>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>back color</source>
        <extracomment>Beside a colour box, 65 pixels: the display&apos;s background colour.</extracomment>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>font color</source>
        <extracomment>Beside a colour box, 65 pixels: the display&apos;s text colour.</extracomment>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>Short: a small button, 40 pixels, that puts the colour it had at first back.</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>%1 default</source>
        <extracomment>The &quot;default&quot; button of a colour, for assistive technology.</extracomment>
        <translation>%1 auf Original setzen</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>TIMER
*********
Type the time to count down into the three boxes under
&quot;hrs&quot;, &quot;mins&quot; and &quot;secs&quot;, at most two digits each. The
display under &quot;time remaining&quot; shows the whole time at
once: 90 minutes shows as 01:30:00, and 99 hours, 99
minutes and 99 seconds as 100:40:39. The countdown runs
for the whole time entered, also beyond a day.</source>
        <extracomment>A section of the user guide: its heading, a rule (a line of asterisks only, drawn as wide as the window) and lines of at most 59 characters. A caption in quotes is the window&apos;s own: write it as its translation reads there.</extracomment>
        <translation>TIMER
*****
Geben Sie die Zeit für den Countdown in die drei Felder
unter „Std.“, „Min.“ und „Sek.“ ein, je höchstens zwei
Ziffern. Die Anzeige unter „Restzeit“ zeigt die ganze Zeit
auf einmal: 90 Minuten erscheinen als 01:30:00, 99 Stunden,
99 Minuten und 99 Sekunden als 100:40:39. Der Countdown
läuft über die ganze eingegebene Zeit, auch über einen Tag
hinaus.</translation>
    </message>
    <message>
        <source>START BUTTON 
*********************
Press &quot;start&quot; to count down one second every second.
While the timer runs, &quot;reset&quot; is disabled. When the
count reaches 00:00:00 the timer sound plays, the timer
stops and the window comes back, even from the tray.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>SCHALTFLÄCHE START 
******************
Klicken Sie auf „Start“, um jede Sekunde eine Sekunde
herunterzuzählen. Während der Timer läuft, ist „Reset“
deaktiviert. Erreicht die Anzeige 00:00:00, ertönt der
Timer-Ton, der Timer hält an, und das Fenster erscheint
wieder, auch aus dem Systemabschnitt der Kontrollleiste.</translation>
    </message>
    <message>
        <source>PAUSE BUTTON
*********************
Press &quot;pause&quot; to stop the count where it is. Press
&quot;start&quot; to go on from there; the part of the second that
had run is kept, so the timer still keeps exact time.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>SCHALTFLÄCHE PAUSE
******************
Klicken Sie auf „Pause“, um die Zeit dort anzuhalten, wo
sie steht. Mit „Start“ geht es von dort weiter; der schon
verstrichene Teil der Sekunde bleibt erhalten, so geht der
Timer weiterhin genau.</translation>
    </message>
    <message>
        <source>RESET BUTTON
*********************
Press &quot;reset&quot; (after &quot;pause&quot;, or once the timer has gone
off) to empty the three boxes and set the display back
to 00:00:00. The cursor is then in the hours box.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>SCHALTFLÄCHE RESET
******************
Klicken Sie auf „Reset“ (nach „Pause“ oder wenn der Timer
abgelaufen ist), um die drei Felder zu leeren und die
Anzeige auf 00:00:00 zurückzusetzen. Der Cursor steht dann
im Stundenfeld.</translation>
    </message>
    <message>
        <source>ALARM  I and II
*******************
Each alarm shows its time as hour, minute and am or pm.
Click a field, then use the arrows beside the alarm, or
the Up and Down keys, to step it one up or down from
what it shows: hours go from 01 to 12, minutes from 00
to 59, and am and pm take turns. You may also type into
the fields: an hour of 13 to 23 becomes 01 to 11 pm,
and a or p sets am or pm. Click &quot;on&quot; to arm the alarm
and &quot;off&quot; to disarm it; an alarm whose time cannot be
read stays off, and a box tells you so. At the set
minute the alarm plays its sound, brings the window
back, shows its message and starts its program (when
these are activated), and switches itself off. Switched
on inside its own minute, it goes off at once.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>WECKER  I und II
****************
Jeder Wecker zeigt seine Zeit als Stunde und Minute im
24-Stunden-Format. Klicken Sie in ein Feld und stellen
Sie es mit den Pfeilen neben dem Wecker oder mit den
Pfeiltasten nach oben und unten um eins vor oder
zurück: Stunden laufen von 00 bis 23, Minuten von 00
bis 59. Sie können auch in die Felder tippen: Eine
Stunde von 00 bis 23 wird unverändert übernommen.
Klicken Sie auf „Ein“, um den Wecker zu stellen, und
auf „Aus“, um ihn abzustellen; ein Wecker mit
ungültiger Zeit bleibt aus, und ein Hinweisfenster
meldet das. Zur gestellten Minute spielt der Wecker
seinen Ton, holt das Fenster zurück, zeigt seine
Nachricht und startet sein Programm (sofern aktiviert);
danach schaltet er sich aus. Wird er noch in seiner
eigenen Minute eingeschaltet, klingelt er sofort.</translation>
    </message>
    <message>
        <source>TIMER OPTIONS
*********************
Press &quot;timer&quot; under &quot;options&quot; to open the timer&apos;s panel:
its sound, the notify times and the custom notify time.
Press &quot;close options&quot; to shrink the window again; the
options are saved at once.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>TIMER-OPTIONEN
**************
Klicken Sie auf „Timer“ unter „Optionen“, um die Optionen
des Timers zu öffnen: seinen Ton, die Vorwarnungen und die
eigene Vorwarnung. Klicken Sie auf „Opt. schließen“, um das
Fenster wieder zu verkleinern; die Optionen werden sofort
gespeichert.</translation>
    </message>
    <message>
        <source>ALARM I OPTIONS
***********************
Press &quot;alarm I&quot; under &quot;options&quot; to open the panel of
Alarm I: its sound, the program it starts and the
message it shows.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPTIONEN FÜR WECKER I
*********************
Klicken Sie auf „Wecker I“ unter „Optionen“, um die
Optionen von Wecker I zu öffnen: seinen Ton, das Programm,
das er startet, und die Nachricht, die er zeigt.</translation>
    </message>
    <message>
        <source>ALARM II OPTIONS
************************
Press &quot;alarm II&quot; under &quot;options&quot; to open the panel of
Alarm II, which has the same choices as Alarm I.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPTIONEN FÜR WECKER II
**********************
Klicken Sie auf „Wecker II“ unter „Optionen“, um die
Optionen von Wecker II zu öffnen; sie bieten dasselbe wie
die von Wecker I.</translation>
    </message>
    <message>
        <source>SELECT SOUND
*********************
Type the path of a WAV file into the sound box, or press
&quot;browse&quot; to choose one. Press &quot;play&quot; to hear it; a file
that cannot be played is reported. Press &quot;default&quot; to
use the sound that comes with The Tivvet. A sound that
cannot be played when a timer goes off is replaced by
the default sound.

* NOTE *  The complete file path must be used.

/home/ann/Sounds/gong.wav</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>TON AUSWÄHLEN
*************
Geben Sie den Pfad einer WAV-Datei in das Tonfeld ein oder
klicken Sie auf „Wählen“, um eine auszuwählen. Mit „Hören“
spielen Sie sie zur Probe ab; eine Datei, die sich nicht
abspielen lässt, wird gemeldet. Klicken Sie auf „Original“,
um den mit Tivvet gelieferten Ton zu verwenden. Ein Ton,
der sich beim Klingeln von Timer oder Wecker nicht
abspielen lässt, wird durch den mitgelieferten Ton ersetzt.

* HINWEIS *  Der vollständige Dateipfad ist anzugeben.

/home/ann/Sounds/gong.wav</translation>
    </message>
    <message>
        <source>SELECT PROGRAM
*************************
Type the program an alarm starts into the program box,
with its arguments if it needs any, or press &quot;browse&quot; to
choose it. Check &quot;activate&quot; to have the alarm start it.
A program that cannot be started is reported.

* NOTE *  The complete file path must be used.

/home/ann/bin/backup.sh</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>PROGRAMM AUSWÄHLEN
******************
Geben Sie das Programm, das ein Wecker startet, in das
Programmfeld ein, bei Bedarf mit seinen Argumenten, oder
klicken Sie auf „Wählen“, um es auszuwählen. Kreuzen Sie
„Aktivieren“ an, damit der Wecker es startet. Ein Programm,
das sich nicht starten lässt, wird gemeldet.

* HINWEIS *  Der vollständige Dateipfad ist anzugeben.

/home/ann/bin/backup.sh</translation>
    </message>
    <message>
        <source>CUSTOM MESSAGE
*************************
Type a message into the message box and check
&quot;activate&quot; to have the alarm show it. The program, if
any, starts after you close the message with OK. Press
&quot;clear&quot; to empty the box; an empty box cannot be
activated.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>EIGENE NACHRICHT
****************
Geben Sie eine Nachricht in das Nachrichtenfeld ein und
kreuzen Sie „Aktivieren“ an, damit der Wecker sie zeigt.
Ein Programm, falls vorhanden, startet erst, nachdem Sie
die Nachricht mit OK geschlossen haben. Klicken Sie auf
„Leeren“, um das Feld zu leeren; ein leeres Feld lässt sich
nicht aktivieren.</translation>
    </message>
    <message>
        <source>NOTIFY TIMES  ( * timer only * )
**************************************
Check &quot;60 minutes&quot;, &quot;30 minutes&quot;, &quot;15 minutes&quot; or
&quot;5 minutes&quot; to be warned when that much time is left:
the timer sound plays and the window comes back.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>VORWARNUNGEN  ( * nur Timer * )
*******************************
Kreuzen Sie „60 Minuten“, „30 Minuten“, „15 Minuten“ oder
„5 Minuten“ an, um gewarnt zu werden, wenn noch so viel
Zeit übrig ist: Der Timer-Ton ertönt, und das Fenster
erscheint wieder.</translation>
    </message>
    <message>
        <source>CUSTOM NOTIFY TIME  ( * timer only * )
*************************************************
Set a time of your own with the three fields and the
arrows beside them, then check &quot;activate&quot;. The timer
warns you when the time left reaches it. A time of
00:00:00, or one that is not a time of day, cannot be
activated.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>EIGENE VORWARNUNG  ( * nur Timer * )
************************************
Stellen Sie mit den drei Feldern und den Pfeilen daneben
eine eigene Zeit ein und kreuzen Sie dann „Aktivieren“ an.
Der Timer warnt Sie, wenn die Restzeit diese Zeit erreicht.
Die Zeit 00:00:00 oder eine, die keine gültige Uhrzeit ist,
lässt sich nicht aktivieren.</translation>
    </message>
    <message>
        <source>CUSTOM COLOR
**********************
Press &quot;color&quot; to choose the colours of the four
displays. Click a colour box to pick a colour; the
display changes at once. Press &quot;default&quot; beside it to
go back to the colour it had at first.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>EIGENE FARBEN
*************
Klicken Sie auf „Farbe“, um die Farben der vier Anzeigen zu
wählen. Klicken Sie auf ein Farbfeld, um eine Farbe
auszusuchen; die Anzeige ändert sich sofort. Mit „Original“
daneben kehren Sie zur ursprünglichen Farbe zurück.</translation>
    </message>
    <message>
        <source>START MINIMIZED
************************
Check &quot;start minimized&quot; (in the options area) to have
The Tivvet start with only its icon in the tray.
Minimising the window also hides it in the tray; double
click the icon, or use its menu, to bring it back.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>MINIMIERT STARTEN
*****************
Kreuzen Sie „Minimiert starten“ (im Optionsbereich) an,
damit Tivvet nur mit seinem Symbol im Systemabschnitt der
Kontrollleiste startet. Auch das Minimieren des Fensters
legt es dort ab; doppelklicken Sie auf das Symbol oder
nutzen Sie sein Menü, um es zurückzuholen.</translation>
    </message>
    <message>
        <source>START WITH WINDOWS ( * 95/98 only * )
****************************************************
Check &quot;start with windows&quot; to have The Tivvet start
when you log in to your desktop: an entry is put into
your autostart folder (~/.config/autostart). Uncheck
it and the entry starts nothing.

* NOTE *  If your desktop does not read the autostart
folder, add the program itself to its startup list:
%1</source>
        <extracomment>A section of the user guide, laid out as the first; %1 is the program&apos;s path, on a line of its own.</extracomment>
        <translation>BEIM ANMELDEN STARTEN ( * nur 95/98 * )
***************************************
Kreuzen Sie „Beim Anmelden starten“ an, damit Tivvet
startet, wenn Sie sich an Ihrer Arbeitsumgebung anmelden:
Ein Eintrag wird in Ihren Autostart-Ordner gelegt
(~/.config/autostart). Entfernen Sie den Haken, und der
Eintrag startet nichts mehr.

* HINWEIS *  Liest Ihre Arbeitsumgebung den
Autostart-Ordner nicht, fügen Sie das Programm selbst zu
deren Startliste hinzu:
%1</translation>
    </message>
    <message>
        <source>Questions and comments are welcome; please write to
%1.</source>
        <extracomment>The help text&apos;s last lines but the copyright; %1 is the address to write to.</extracomment>
        <translation>Fragen und Anregungen sind willkommen; schreiben Sie an
%1.</translation>
    </message>
    <message>
        <source>Help!</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Hilfe!</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The help text&apos;s box, for assistive technology.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>RING UNTIL SEEN
************************
Check &quot;ring until seen&quot; (below &quot;start with windows&quot;, shown
while an options panel is open) to have the end of the
countdown and each alarm play their sound again and
again, a second apart, until you see the alert, or for
5 minutes at most. You see it with OK or &quot;Snooze&quot; on its
box, &quot;Show&quot; on its notification, Restore in the tray&apos;s
menu, a click or a key in the window, or by closing its
notification. The warnings before the end play once.
Seeing an alert always stops its sound.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>BIS ZUR REAKTION KLINGELN
*************************
Kreuzen Sie „Bis zur Reaktion klingeln“ an (unter
„Beim Anmelden starten“, sichtbar, solange Optionen
geöffnet sind), damit das Ende des Countdowns und jeder
Wecker ihren Ton immer wieder spielen, im Abstand von einer
Sekunde, bis Sie die Meldung sehen, höchstens aber
5 Minuten lang. Sie sehen sie mit OK oder „Schlummern“ in
ihrem Fenster, „Anzeigen“ in ihrer Benachrichtigung,
Wiederherstellen im Menü des Symbols, einem Klick oder
einer Taste im Fenster oder indem Sie ihre Benachrichtigung
schließen. Die Vorwarnungen vor dem Ende ertönen einmal.
Sobald Sie eine Meldung sehen, verstummt ihr Ton in jedem
Fall.</translation>
    </message>
    <message>
        <source>SNOOZE
**************
An alarm&apos;s notification has &quot;Snooze 10 minutes&quot;, and its
message box a &quot;Snooze&quot; button beside OK. Either keeps the
alarm on: it goes off again at the start of the minute
ten minutes later. Switching the alarm off, or setting a
new time, ends the snooze.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>SCHLUMMERN
**********
Die Benachrichtigung eines Weckers bietet
„10 Minuten schlummern“, sein Nachrichtenfenster eine
Schaltfläche „Schlummern“ neben OK: Der Wecker bleibt
eingeschaltet und klingelt erneut zu Beginn der Minute,
zehn Minuten später. Schalten Sie ihn aus oder stellen Sie
eine neue Zeit ein, endet das Schlummern.</translation>
    </message>
    <message>
        <source>KEEP ALARMS
*********************
Check &quot;keep alarms&quot; (beside &quot;ring until seen&quot;) to have the
alarms, their &quot;activate&quot; boxes and the countdown&apos;s notify
times come back at the next start as they were at the
end, useful with &quot;start with windows&quot;. An alarm whose time
passed while The Tivvet was not running goes off once the
start has finished, saying how late it is and why; more
than 12 hours late, it stays off and a notification says
it was missed. Unchecked, The Tivvet starts with both
alarms off and says once if one was on when it ended.
The tray icon&apos;s tip shows the time the countdown has left
and each alarm that is on.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>WECKER BEHALTEN
***************
Kreuzen Sie „Wecker behalten“ an (neben
„Bis zur Reaktion klingeln“), damit die Wecker, ihre
„Aktivieren“-Felder und die Vorwarnungen des Countdowns
beim nächsten Start so zurückkommen, wie sie am Ende waren;
nützlich mit „Beim Anmelden starten“. Ein Wecker, dessen
Zeit verstrich, während Tivvet nicht lief, klingelt, sobald
der Start abgeschlossen ist, und meldet seine Verspätung
und deren Grund; mehr als 12 Stunden zu spät bleibt er aus,
und eine Benachrichtigung meldet ihn als verpasst. Ohne
Haken startet Tivvet mit beiden Weckern ausgeschaltet und
meldet einmal, wenn einer am Ende eingeschaltet war. Der
Tooltip des Symbols zeigt die Restzeit des Countdowns und
jeden eingeschalteten Wecker.</translation>
    </message>
</context>
<context>
    <name>frmTivvet</name>
    <message>
        <source>timer</source>
        <extracomment>Whose sound it is, in the names assistive technology reads: &quot;timer sound play&quot;.</extracomment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>  The Tivvet  3.0</source>
        <extracomment>The window&apos;s title: the product&apos;s name and version, with two blanks before each.</extracomment>
        <translation>  The Tivvet  3.0</translation>
    </message>
    <message>
        <source>Unable to save the options!</source>
        <extracomment>A box&apos;s heading over the files that could not be written, a line each.</extracomment>
        <translation>Die Optionen können nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>color</source>
        <extracomment>Short: a small button (60 pixels) that opens the colour window.</extracomment>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>help</source>
        <extracomment>Short: a small button (60 pixels) that opens the help window.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>about</source>
        <extracomment>Short: a small button (60 pixels) that opens the About window.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>Short: a small button (60 pixels) that ends the program.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Unable to read the options!</source>
        <extracomment>A box&apos;s heading over the files that could not be read, a line each.</extracomment>
        <translation>Die Optionen können nicht gelesen werden!</translation>
    </message>
    <message>
        <source>%1 - not saved: another Tivvet is running</source>
        <extracomment>The window&apos;s title while another Tivvet, which does not answer, holds the user&apos;s files; %1 is the usual title.</extracomment>
        <translation>%1 – nicht gespeichert: ein anderes Tivvet läuft</translation>
    </message>
    <message>
        <source>Another Tivvet is running and does not answer.</source>
        <extracomment>Under &quot;Unable to save the options!&quot; at the end, in place of the files&apos; names.</extracomment>
        <translation>Ein anderes Tivvet läuft und antwortet nicht.</translation>
    </message>
</context>
<context>
    <name>tivvet</name>
    <message>
        <source>A countdown timer with warnings before it expires, two alarm clocks and a clock, in a small window that stays on top.</source>
        <translation>Ein Countdown-Timer mit Vorwarnungen vor dem Ablauf, zwei Wecker und eine Uhr in einem kleinen Fenster, das im Vordergrund bleibt.</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>Argumente sind nicht vorgesehen</translation>
    </message>
    <message>
        <source>Try &apos;tivvet --help&apos; for more.</source>
        <extracomment>On standard error after a wrong command line; &quot;tivvet --help&quot; stays as it is.</extracomment>
        <translation>&apos;tivvet --help&apos; liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>Tivvet runs already: it was asked to show its window.</source>
        <translation>Tivvet läuft bereits und wurde gebeten, sein Fenster zu zeigen.</translation>
    </message>
    <message>
        <source>Tivvet runs already: its window is brought back.</source>
        <translation>Tivvet läuft bereits: Sein Fenster wird wieder angezeigt.</translation>
    </message>
    <message>
        <source>tivvet: on Wayland the window cannot be kept on top of other windows; through XWayland, which Tivvet uses unless told otherwise, it can.</source>
        <extracomment>On standard error; &quot;tivvet:&quot; names the program and stays as it is.</extracomment>
        <translation>tivvet: Unter Wayland kann das Fenster nicht im Vordergrund gehalten werden; über XWayland, das Tivvet nutzt, sofern nicht anders festgelegt, schon.</translation>
    </message>
    <message>
        <source>Tivvet runs already but does not answer: this one starts beside it, and saves nothing until that one has ended.</source>
        <translation>Tivvet läuft bereits, antwortet aber nicht: Diese Instanz startet daneben und speichert nichts, bis die andere beendet ist.</translation>
    </message>
</context>
</TS>
