<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AlarmCheck</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>An alarm&apos;s notification: &quot;Alarm I at 07:30 am&quot;, its time as the locale writes it.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message numerus="yes">
        <source>%n min late</source>
        <extracomment>How late an alarm went off, in its notification: &quot;15 min late&quot;.</extracomment>
        <translation>
            <numerusform>%n min opóźnienia</numerusform>
            <numerusform>%n min opóźnienia</numerusform>
            <numerusform>%n min opóźnienia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h %1 min late</source>
        <extracomment>How late an alarm went off: &quot;9 h 50 min late&quot;; %n is the hours, %1 the minutes.</extracomment>
        <translation>
            <numerusform>%n godz. %1 min opóźnienia</numerusform>
            <numerusform>%n godz. %1 min opóźnienia</numerusform>
            <numerusform>%n godz. %1 min opóźnienia</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at %2, %3: the computer was asleep</source>
        <extracomment>An alarm&apos;s notification when it goes off late: &quot;Alarm I at 07:30 pm, 15 min late: the computer was asleep&quot;.</extracomment>
        <translation>%1 o %2, %3: komputer był uśpiony</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <extracomment>An alarm&apos;s notification when the program was held up: &quot;Alarm I at 07:30 pm, 1 min late&quot;.</extracomment>
        <translation>%1 o %2, %3</translation>
    </message>
    <message>
        <source>%1 at %2: the clocks went forward</source>
        <extracomment>An alarm&apos;s notification in the first minute after the clocks skipped its time.</extracomment>
        <translation>%1 o %2: zegary przestawiono do przodu</translation>
    </message>
    <message>
        <source>%1 at %2, snoozed</source>
        <extracomment>An alarm&apos;s notification when it goes off again after a snooze: &quot;Alarm I at 07:00 am, snoozed&quot;.</extracomment>
        <translation>%1 o %2, drzemka</translation>
    </message>
    <message>
        <source>%1 at %2, %3: Tivvet was not running</source>
        <extracomment>An alarm&apos;s notification when it went off late at the start: &quot;Alarm I at 07:00 am, 25 min late: Tivvet was not running&quot;.</extracomment>
        <translation>%1 o %2, %3: Tivvet nie był uruchomiony</translation>
    </message>
    <message>
        <source>%1 at %2 was missed: Tivvet was not running; it is off now</source>
        <extracomment>A notification at the start for an alarm missed by more than 12 hours.</extracomment>
        <translation>%1 o %2 został pominięty: Tivvet nie był uruchomiony; jest teraz wyłączony</translation>
    </message>
</context>
<context>
    <name>AlarmClock</name>
    <message>
        <source>alarm I</source>
        <extracomment>The alarm&apos;s bold title over its time, at most 115 pixels.</extracomment>
        <translation>budzik I</translation>
    </message>
    <message>
        <source>Alarm I</source>
        <extracomment>The alarm&apos;s name in its notification: &quot;Alarm I at 07:30 pm&quot;.</extracomment>
        <translation>Budzik I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>The alarm&apos;s bold title over its time, at most 115 pixels.</extracomment>
        <translation>budzik II</translation>
    </message>
    <message>
        <source>Alarm II</source>
        <extracomment>The alarm&apos;s name in its notification: &quot;Alarm II at 07:30 pm&quot;.</extracomment>
        <translation>Budzik II</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>Short: beside an option button, at most 30 pixels; the alarm switched on.</extracomment>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>Short: beside an option button, at most 40 pixels; the alarm switched off.</extracomment>
        <translation>wył.</translation>
    </message>
    <message>
        <source>%1 on</source>
        <extracomment>The parts of an alarm, for assistive technology: &quot;alarm I on&quot;.</extracomment>
        <translation>%1: włączony</translation>
    </message>
    <message>
        <source>%1 off</source>
        <extracomment>For assistive technology: &quot;alarm I off&quot;.</extracomment>
        <translation>%1: wyłączony</translation>
    </message>
    <message>
        <source>The alarm time cannot be read: the alarm is off.</source>
        <translation>Nie można odczytać godziny budzika: budzik pozostaje wyłączony.</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>An alarm&apos;s fields, for assistive technology: &quot;alarm I hour&quot;, &quot;alarm I minute&quot;, &quot;alarm I am or pm&quot;.</extracomment>
        <translation>%1: godzina</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1: minuta</translation>
    </message>
    <message>
        <source>%1 am or pm</source>
        <translation>%1: am lub pm</translation>
    </message>
</context>
<context>
    <name>AlarmOptions</name>
    <message>
        <source>alarm I</source>
        <extracomment>Whose options these are, in the names assistive technology reads: &quot;alarm I sound play&quot;.</extracomment>
        <translation>budzik I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>Whose options these are, in the names assistive technology reads: &quot;alarm II sound play&quot;.</extracomment>
        <translation>budzik II</translation>
    </message>
</context>
<context>
    <name>AlertActions</name>
    <message>
        <source>No sound could be played: no sound server answered</source>
        <extracomment>A line under an alert&apos;s notification, as the next ones.</extracomment>
        <translation>Nie udało się odtworzyć dźwięku: serwer dźwięku nie odpowiada</translation>
    </message>
    <message>
        <source>No sound could be played: no sound device</source>
        <translation>Nie udało się odtworzyć dźwięku: brak urządzenia dźwiękowego</translation>
    </message>
    <message>
        <source>Unable to play the sound!</source>
        <translation>Nie można odtworzyć dźwięku!</translation>
    </message>
    <message>
        <source>Unable to play the sound! File not found!</source>
        <translation>Nie można odtworzyć dźwięku! Nie znaleziono pliku!</translation>
    </message>
    <message>
        <source>Unable to start the program!</source>
        <translation>Nie można uruchomić programu!</translation>
    </message>
    <message>
        <source>No sound could be played: the sound library could not be loaded</source>
        <translation>Nie udało się odtworzyć dźwięku: nie udało się wczytać biblioteki dźwięku</translation>
    </message>
    <message>
        <source>It rang for 5 minutes unanswered.</source>
        <extracomment>A line under an alert&apos;s notification once its sound, rung until seen, has stopped.</extracomment>
        <translation>Dzwonił przez 5 minut bez odpowiedzi.</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>A button beside OK on an alarm&apos;s message box: the alarm goes off again in 10 minutes.</extracomment>
        <translation>Drzemka</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>A countdown timer and two alarm clocks</source>
        <extracomment>The comment of the entry that starts the program at login, which some desktops show.</extracomment>
        <translation>Minutnik i dwa budziki</translation>
    </message>
    <message>
        <source>ERROR #%1 : %2</source>
        <extracomment>A box&apos;s text when the start at login cannot be set: %1 is the error&apos;s number, %2 the system&apos;s own words. The next line, &quot;Please Exit and try again.&quot;, follows.</extracomment>
        <translation>BŁĄD nr %1: %2</translation>
    </message>
    <message>
        <source>Please Exit and try again.</source>
        <translation>Zakończ program i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>The countdown ran out at %1.</source>
        <extracomment>A notification told late; %1 is the time of day as the locale writes it: &quot;7:31 pm&quot;, &quot;19:31&quot;.</extracomment>
        <translation>Odliczanie dobiegło końca o %1.</translation>
    </message>
    <message>
        <source>The countdown has run out.</source>
        <translation>Odliczanie dobiegło końca.</translation>
    </message>
    <message>
        <source>The countdown has %1 left.</source>
        <extracomment>The time left is written as 00:05:00.</extracomment>
        <translation>Do końca odliczania zostało %1.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>timer</source>
        <extracomment>The countdown&apos;s bold title, over its three boxes.</extracomment>
        <translation>minutnik</translation>
    </message>
    <message>
        <source>hrs</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s hours.</extracomment>
        <translation>godz.</translation>
    </message>
    <message>
        <source>timer hours</source>
        <translation>minutnik: godziny</translation>
    </message>
    <message>
        <source>mins</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s minutes.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>timer minutes</source>
        <translation>minutnik: minuty</translation>
    </message>
    <message>
        <source>secs</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s seconds.</extracomment>
        <translation>sek.</translation>
    </message>
    <message>
        <source>timer seconds</source>
        <translation>minutnik: sekundy</translation>
    </message>
    <message>
        <source>time remaining</source>
        <extracomment>Over the countdown&apos;s display of the time left.</extracomment>
        <translation>pozostały czas</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>Short: a small button, 36 pixels, that starts the countdown.</extracomment>
        <translation>start</translation>
    </message>
    <message>
        <source>timer start</source>
        <translation>minutnik: start</translation>
    </message>
    <message>
        <source>pause</source>
        <extracomment>Short: a small button, 36 pixels, that stops the countdown where it is.</extracomment>
        <translation>pauza</translation>
    </message>
    <message>
        <source>timer pause</source>
        <translation>minutnik: pauza</translation>
    </message>
    <message>
        <source>reset</source>
        <extracomment>Short: a small button, 36 pixels, that empties the countdown.</extracomment>
        <translation>zeruj</translation>
    </message>
    <message>
        <source>timer reset</source>
        <translation>minutnik: zeruj</translation>
    </message>
</context>
<context>
    <name>DBusNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>A notification&apos;s button, which brings the program&apos;s window back.</extracomment>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <extracomment>A button on an alarm&apos;s notification: the alarm goes off again in 10 minutes.</extracomment>
        <translation>Drzemka 10 minut</translation>
    </message>
</context>
<context>
    <name>DBusSleepInhibitor</name>
    <message>
        <source>Counting down or ringing</source>
        <extracomment>Why the computer is kept awake, as the desktop may show it.</extracomment>
        <translation>Trwa odliczanie lub dzwonienie</translation>
    </message>
</context>
<context>
    <name>KeptAlarms</name>
    <message>
        <source>%1 was on for %2 when Tivvet ended; it is off now</source>
        <extracomment>A notification at the start when &quot;keep alarms&quot; is off: &quot;Alarm I was on for 07:00 am when Tivvet ended; it is off now&quot;.</extracomment>
        <translation>%1 był włączony na %2, gdy Tivvet się zakończył; jest teraz wyłączony</translation>
    </message>
</context>
<context>
    <name>MessageGroup</name>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box (60 pixels); the alarm shows the message only when it is checked.</extracomment>
        <translation>włącz</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>Short: a small button (41 pixels) that empties the message.</extracomment>
        <translation>usuń</translation>
    </message>
    <message>
        <source>%1 message clear</source>
        <extracomment>For assistive technology; %1 is whose message it is: &quot;alarm I&quot;.</extracomment>
        <translation>%1: usuń komunikat</translation>
    </message>
    <message>
        <source>custom message</source>
        <extracomment>The caption of the message&apos;s group.</extracomment>
        <translation>własny komunikat</translation>
    </message>
    <message>
        <source>%1 custom message</source>
        <translation>%1: własny komunikat</translation>
    </message>
    <message>
        <source>%1 message activate</source>
        <translation>%1: włącz komunikat</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source>notify times</source>
        <extracomment>The caption of the group of notify times, 100 pixels wide.</extracomment>
        <translation>czasy ostrzeżeń</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <extracomment>Beside a check box, 75 pixels: the countdown warns when 60, 30, 15 or 5 minutes are left.</extracomment>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>timer notify %1</source>
        <extracomment>A notify time&apos;s box, for assistive technology: &quot;timer notify 5 minutes&quot;.</extracomment>
        <translation>minutnik: ostrzeżenie na %1 przed końcem</translation>
    </message>
    <message>
        <source>custom notify time</source>
        <extracomment>The caption of the custom notify time&apos;s group, 110 pixels wide: a time left, hh:mm:ss.</extracomment>
        <translation>własne ostrzeżenie</translation>
    </message>
    <message>
        <source>custom notify hours</source>
        <extracomment>The custom notify time&apos;s fields, for assistive technology.</extracomment>
        <translation>własne ostrzeżenie: godziny</translation>
    </message>
    <message>
        <source>custom notify minutes</source>
        <translation>własne ostrzeżenie: minuty</translation>
    </message>
    <message>
        <source>custom notify seconds</source>
        <translation>własne ostrzeżenie: sekundy</translation>
    </message>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box; the countdown warns at the custom time only when it is checked.</extracomment>
        <translation>włącz</translation>
    </message>
    <message>
        <source>custom notify activate</source>
        <translation>własne ostrzeżenie: włącz</translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>timer</source>
        <extracomment>The bold title of the countdown&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens the countdown&apos;s options.</extracomment>
        <translation>minutnik</translation>
    </message>
    <message>
        <source>alarm I</source>
        <extracomment>The bold title of alarm I&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens alarm I&apos;s options.</extracomment>
        <translation>budzik I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>The bold title of alarm II&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens alarm II&apos;s options.</extracomment>
        <translation>budzik II</translation>
    </message>
    <message>
        <source>close options</source>
        <extracomment>Short: a small button, 77 pixels, that hides the options panels.</extracomment>
        <translation>zamknij opcje</translation>
    </message>
    <message>
        <source>options</source>
        <extracomment>The caption over the three buttons that open the options panels, 65 pixels wide.</extracomment>
        <translation>opcje</translation>
    </message>
    <message>
        <source>timer options</source>
        <translation>minutnik: opcje</translation>
    </message>
    <message>
        <source>alarm I options</source>
        <translation>budzik I: opcje</translation>
    </message>
    <message>
        <source>alarm II options</source>
        <translation>budzik II: opcje</translation>
    </message>
    <message>
        <source>start with windows</source>
        <extracomment>Beside a check box, 130 pixels: the program starts when the user logs in to the desktop. Say it as your language&apos;s desktops do, not word for word.</extracomment>
        <translation>uruchom przy logowaniu</translation>
    </message>
    <message>
        <source>start minimized</source>
        <extracomment>Beside a check box, 110 pixels: the program starts with only its icon in the tray.</extracomment>
        <translation>uruchom w tacce</translation>
    </message>
    <message>
        <source>ring until seen</source>
        <extracomment>Beside a check box, 130 pixels: the sound of an alarm or of the countdown&apos;s end plays again and again until the user answers it.</extracomment>
        <translation>dzwoń do reakcji</translation>
    </message>
    <message>
        <source>keep alarms</source>
        <extracomment>Beside a check box, 110 pixels: the alarms set at the end come back at the next start.</extracomment>
        <translation>zachowaj budziki</translation>
    </message>
</context>
<context>
    <name>OptionsFiles</name>
    <message>
        <source>larger than 1 MiB</source>
        <extracomment>Why an options file was not read, after its path: &quot;…/wav.txt: larger than 1 MiB&quot;.</extracomment>
        <translation>większy niż 1 MiB</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>nie można utworzyć katalogu %1</translation>
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
        <translation>Copyright (C) 2026 Twórcy programu Tivvet</translation>
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
        <translation>wybierz</translation>
    </message>
    <message>
        <source>%1 program browse</source>
        <extracomment>For assistive technology; %1 is whose program it is: &quot;alarm I&quot;.</extracomment>
        <translation>%1: wybierz program</translation>
    </message>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box (60 pixels); the alarm starts the program only when it is checked.</extracomment>
        <translation>włącz</translation>
    </message>
    <message>
        <source>program (.exe)</source>
        <extracomment>The caption of the program&apos;s group, 90 pixels wide.</extracomment>
        <translation>program (.exe)</translation>
    </message>
    <message>
        <source>%1 program</source>
        <translation>%1: program</translation>
    </message>
    <message>
        <source>%1 program activate</source>
        <translation>%1: włącz program</translation>
    </message>
    <message>
        <source>The program and its arguments, as a terminal takes them: quotes and \ keep blanks, and ~/ at the start of a word is the home folder; nothing else is expanded and no shell runs.</source>
        <extracomment>The tooltip of an alarm&apos;s program box.</extracomment>
        <translation>Program i jego argumenty, tak jak przyjmuje je terminal: cudzysłowy i \ zachowują spacje, a ~/ na początku słowa oznacza katalog domowy; nic innego nie jest rozwijane i nie jest uruchamiana żadna powłoka.</translation>
    </message>
    <message>
        <source>Select Program</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Wybierz program</translation>
    </message>
    <message>
        <source>Executable Files (*)</source>
        <extracomment>The one kind of file offered: every file, &quot;(*)&quot; kept.</extracomment>
        <translation>Pliki wykonywalne (*)</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
</context>
<context>
    <name>SdlSoundPlayer</name>
    <message>
        <source>tivvet: no sound can be played: %1</source>
        <extracomment>On standard error, before the sound library&apos;s or sound system&apos;s own words (in English).</extracomment>
        <translation>tivvet: nie można odtworzyć dźwięku: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1: cannot be written</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1: nie można zapisać</translation>
    </message>
</context>
<context>
    <name>SoundGroup</name>
    <message>
        <source>Wav Files (*.wav *.WAV)</source>
        <extracomment>A kind of file in the file dialog; the patterns in brackets stay as they are.</extracomment>
        <translation>Pliki WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sound Files (%1)</source>
        <extracomment>A kind of file in the file dialog; %1 is the patterns of every kind the program plays.</extracomment>
        <translation>Pliki dźwiękowe (%1)</translation>
    </message>
    <message>
        <source>browse</source>
        <extracomment>Short: a small button (41 pixels) that opens the file dialog.</extracomment>
        <translation>wybierz</translation>
    </message>
    <message>
        <source>%1 sound browse</source>
        <extracomment>For assistive technology; %1 is whose sound it is: &quot;timer&quot;, &quot;alarm I&quot;.</extracomment>
        <translation>%1: wybierz dźwięk</translation>
    </message>
    <message>
        <source>play</source>
        <extracomment>Short: a small button (41 pixels) that plays the sound.</extracomment>
        <translation>odtwórz</translation>
    </message>
    <message>
        <source>%1 sound play</source>
        <translation>%1: odtwórz dźwięk</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>Short: a small button (41 pixels) that puts the sound that comes with the program back.</extracomment>
        <translation>domyśl.</translation>
    </message>
    <message>
        <source>%1 sound default</source>
        <translation>%1: domyślny dźwięk</translation>
    </message>
    <message>
        <source>sound (.wav)</source>
        <extracomment>The caption of the sound&apos;s group, 90 pixels wide.</extracomment>
        <translation>dźwięk (.wav)</translation>
    </message>
    <message>
        <source>%1 sound file</source>
        <translation>%1: plik dźwięku</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Wybierz dźwięk</translation>
    </message>
</context>
<context>
    <name>SystemClock</name>
    <message>
        <source>The wall clock is not watched: a clock set or a wake from sleep shows at the next minute.</source>
        <translation>Zmiany zegara systemowego nie są śledzone: przestawienie zegara lub wybudzenie z uśpienia będzie widoczne dopiero w następnej minucie.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Popup</source>
        <extracomment>The tray menu&apos;s title, which few desktops show.</extracomment>
        <translation>Menu podręczne</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The tray menu&apos;s item that brings the window back.</extracomment>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The tray menu&apos;s item that ends the program.</extracomment>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TrayTip</name>
    <message>
        <source>%1 left</source>
        <extracomment>The first line of the tray icon&apos;s tooltip while the countdown runs or is paused.</extracomment>
        <translation>pozostało %1</translation>
    </message>
    <message>
        <source> Click Right Mouse Button </source>
        <extracomment>The tray icon&apos;s tooltip, with one blank before and after it; at most 62 characters.</extracomment>
        <translation> Kliknij prawym przyciskiem myszy </translation>
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
        <translation>%1: w górę</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: w dół</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version 3.0 for Windows 95, 98, and NT</source>
        <extracomment>The About window&apos;s bold version line, centred; at most 280 pixels.</extracomment>
        <translation>Wersja 3.0 dla Windows 95, 98 i NT</translation>
    </message>
    <message>
        <source>Please visit our home on the Web at:</source>
        <translation>Zapraszamy na naszą stronę internetową:</translation>
    </message>
</context>
<context>
    <name>frmColor</name>
    <message>
        <source>timer entry background</source>
        <extracomment>The colour boxes, for assistive technology.</extracomment>
        <translation>kolor tła wpisywanego czasu minutnika</translation>
    </message>
    <message>
        <source>timer entry text</source>
        <translation>kolor tekstu wpisywanego czasu minutnika</translation>
    </message>
    <message>
        <source>timer remaining background</source>
        <translation>kolor tła pozostałego czasu minutnika</translation>
    </message>
    <message>
        <source>timer remaining text</source>
        <translation>kolor tekstu pozostałego czasu minutnika</translation>
    </message>
    <message>
        <source>alarm I background</source>
        <translation>kolor tła budzika I</translation>
    </message>
    <message>
        <source>alarm I text</source>
        <translation>kolor tekstu budzika I</translation>
    </message>
    <message>
        <source>alarm II background</source>
        <translation>kolor tła budzika II</translation>
    </message>
    <message>
        <source>alarm II text</source>
        <translation>kolor tekstu budzika II</translation>
    </message>
    <message>
        <source>Custom Color</source>
        <extracomment>The colour window&apos;s title.</extracomment>
        <translation>Własne kolory</translation>
    </message>
    <message>
        <source>timer</source>
        <extracomment>A bold title on a frame&apos;s top edge: the countdown&apos;s colours.</extracomment>
        <translation>minutnik</translation>
    </message>
    <message>
        <source>alarm I</source>
        <extracomment>A bold title on a frame&apos;s top edge: alarm I&apos;s colours.</extracomment>
        <translation>budzik I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>A bold title on a frame&apos;s top edge: alarm II&apos;s colours.</extracomment>
        <translation>budzik II</translation>
    </message>
    <message>
        <source>enter time</source>
        <extracomment>Over the colours of the countdown&apos;s boxes for the time entered.</extracomment>
        <translation>wpis</translation>
    </message>
    <message>
        <source>time remaining</source>
        <extracomment>Over the colours of the countdown&apos;s display of the time left.</extracomment>
        <translation>pozostały czas</translation>
    </message>
    <message>
        <source>back color</source>
        <extracomment>Beside a colour box, 65 pixels: the display&apos;s background colour.</extracomment>
        <translation>kolor tła</translation>
    </message>
    <message>
        <source>font color</source>
        <extracomment>Beside a colour box, 65 pixels: the display&apos;s text colour.</extracomment>
        <translation>kolor tekstu</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>Short: a small button, 40 pixels, that puts the colour it had at first back.</extracomment>
        <translation>domyśl.</translation>
    </message>
    <message>
        <source>%1 default</source>
        <extracomment>The &quot;default&quot; button of a colour, for assistive technology.</extracomment>
        <translation>%1: domyślny</translation>
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
        <translation>MINUTNIK
********
Wpisz czas do odliczenia w trzy pola: „godz.”, „min”
i „sek.”, najwyżej po dwie cyfry w każdym. Wyświetlacz
pod napisem „pozostały czas” pokazuje łączny czas:
90 minut jako 01:30:00, a 99 godzin, 99 minut
i 99 sekund jako 100:40:39. Odliczanie trwa przez cały
wpisany czas, także dłużej niż dobę.</translation>
    </message>
    <message>
        <source>START BUTTON 
*********************
Press &quot;start&quot; to count down one second every second.
While the timer runs, &quot;reset&quot; is disabled. When the
count reaches 00:00:00 the timer sound plays, the timer
stops and the window comes back, even from the tray.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>PRZYCISK START 
**************
Naciśnij „start”, aby odliczać czas sekunda po sekundzie.
W trakcie odliczania przycisk „zeruj” jest nieaktywny.
Gdy licznik dojdzie do 00:00:00, zabrzmi dźwięk
minutnika, minutnik się zatrzyma, a okno wróci na ekran,
nawet z tacki systemowej.</translation>
    </message>
    <message>
        <source>PAUSE BUTTON
*********************
Press &quot;pause&quot; to stop the count where it is. Press
&quot;start&quot; to go on from there; the part of the second that
had run is kept, so the timer still keeps exact time.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>PRZYCISK PAUZA
**************
Naciśnij „pauza”, aby zatrzymać odliczanie w miejscu.
Naciśnij „start”, aby odliczać dalej; część sekundy,
która już upłynęła, zostaje zachowana, więc minutnik
nadal dokładnie odmierza czas.</translation>
    </message>
    <message>
        <source>RESET BUTTON
*********************
Press &quot;reset&quot; (after &quot;pause&quot;, or once the timer has gone
off) to empty the three boxes and set the display back
to 00:00:00. The cursor is then in the hours box.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>PRZYCISK ZERUJ
**************
Naciśnij „zeruj” (po przycisku „pauza” albo gdy minutnik
skończy odliczać), aby opróżnić trzy pola i ustawić
wyświetlacz z powrotem na 00:00:00. Kursor znajdzie się
wtedy w polu godzin.</translation>
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
        <translation>BUDZIK  I i II
**************
Każdy budzik pokazuje swoją godzinę w formacie
24-godzinnym, w dwóch polach: godzina i minuta. Kliknij
pole, a potem użyj strzałek obok budzika albo klawiszy
strzałek w górę i w dół, aby zwiększyć lub zmniejszyć
wartość o jeden: godziny zmieniają się od 00 do 23,
a minuty od 00 do 59. Możesz też pisać w polach:
godzina od 00 do 23 zostaje przyjęta bez zmian.
Kliknij „wł.”, aby włączyć budzik, a „wył.”, aby go
wyłączyć; budzik, którego godziny nie da się odczytać,
pozostaje wyłączony, o czym informuje okno komunikatu.
W ustawionej minucie budzik odtwarza swój dźwięk,
przywraca okno, pokazuje swój komunikat i uruchamia
swój program (jeśli te opcje są włączone), po czym sam
się wyłącza. Włączony w trakcie swojej minuty, dzwoni
od razu.</translation>
    </message>
    <message>
        <source>TIMER OPTIONS
*********************
Press &quot;timer&quot; under &quot;options&quot; to open the timer&apos;s panel:
its sound, the notify times and the custom notify time.
Press &quot;close options&quot; to shrink the window again; the
options are saved at once.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPCJE MINUTNIKA
***************
Naciśnij „minutnik” pod napisem „opcje”, aby otworzyć
panel minutnika: jego dźwięk, czasy ostrzeżeń i własne
ostrzeżenie. Naciśnij „zamknij opcje”, aby znów
zmniejszyć okno; opcje są zapisywane od razu.</translation>
    </message>
    <message>
        <source>ALARM I OPTIONS
***********************
Press &quot;alarm I&quot; under &quot;options&quot; to open the panel of
Alarm I: its sound, the program it starts and the
message it shows.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPCJE BUDZIKA I
***************
Naciśnij „budzik I” pod napisem „opcje”, aby otworzyć
panel budzika I: jego dźwięk, uruchamiany przez niego
program i pokazywany komunikat.</translation>
    </message>
    <message>
        <source>ALARM II OPTIONS
************************
Press &quot;alarm II&quot; under &quot;options&quot; to open the panel of
Alarm II, which has the same choices as Alarm I.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPCJE BUDZIKA II
****************
Naciśnij „budzik II” pod napisem „opcje”, aby otworzyć
panel budzika II, który ma te same opcje co budzik I.</translation>
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
        <translation>WYBÓR DŹWIĘKU
*************
Wpisz ścieżkę pliku WAV w pole dźwięku albo naciśnij
„wybierz”, aby wskazać plik. Naciśnij „odtwórz”, aby go
posłuchać; jeśli pliku nie da się odtworzyć, pojawi się
komunikat. Naciśnij „domyśl.”, aby użyć dźwięku
dołączonego do programu Tivvet. Jeśli w chwili alarmu
dźwięku nie da się odtworzyć, zabrzmi dźwięk domyślny.

* UWAGA *  Należy podać pełną ścieżkę pliku.

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
        <translation>WYBÓR PROGRAMU
**************
Wpisz w pole programu program uruchamiany przez budzik,
wraz z argumentami, jeśli ich potrzebuje, albo naciśnij
„wybierz”, aby go wskazać. Zaznacz „włącz”, aby budzik
go uruchamiał. Jeśli programu nie da się uruchomić,
pojawi się komunikat.

* UWAGA *  Należy podać pełną ścieżkę pliku.

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
        <translation>WŁASNY KOMUNIKAT
****************
Wpisz komunikat w pole komunikatu i zaznacz „włącz”,
aby budzik go pokazał. Program, jeśli jest ustawiony,
uruchomi się po zamknięciu komunikatu przyciskiem OK.
Naciśnij „usuń”, aby opróżnić pole; pustego pola nie
można włączyć.</translation>
    </message>
    <message>
        <source>NOTIFY TIMES  ( * timer only * )
**************************************
Check &quot;60 minutes&quot;, &quot;30 minutes&quot;, &quot;15 minutes&quot; or
&quot;5 minutes&quot; to be warned when that much time is left:
the timer sound plays and the window comes back.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>CZASY OSTRZEŻEŃ  ( * tylko minutnik * )
***************************************
Zaznacz „60 minut”, „30 minut”, „15 minut” lub
„5 minut”, aby otrzymać ostrzeżenie, gdy do końca
zostanie tyle czasu: zabrzmi dźwięk minutnika, a okno
wróci na ekran.</translation>
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
        <translation>WŁASNE OSTRZEŻENIE  ( * tylko minutnik * )
******************************************
Ustaw własny czas w trzech polach lub strzałkami obok
nich, a potem zaznacz „włącz”. Minutnik ostrzeże cię, gdy
pozostały czas spadnie do tej wartości. Czasu 00:00:00
ani czasu, który nie jest prawidłową godziną zegarową,
nie można włączyć.</translation>
    </message>
    <message>
        <source>CUSTOM COLOR
**********************
Press &quot;color&quot; to choose the colours of the four
displays. Click a colour box to pick a colour; the
display changes at once. Press &quot;default&quot; beside it to
go back to the colour it had at first.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>WŁASNE KOLORY
*************
Naciśnij „kolory”, aby wybrać kolory czterech
wyświetlaczy. Kliknij pole koloru, aby wybrać kolor;
wyświetlacz od razu się zmieni. Naciśnij „domyśl.” obok
niego, aby przywrócić pierwotny kolor.</translation>
    </message>
    <message>
        <source>START MINIMIZED
************************
Check &quot;start minimized&quot; (in the options area) to have
The Tivvet start with only its icon in the tray.
Minimising the window also hides it in the tray; double
click the icon, or use its menu, to bring it back.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>URUCHOM W TACCE
***************
Zaznacz „uruchom w tacce” (w obszarze opcji), aby Tivvet
uruchamiał się jako sama ikona w tacce systemowej.
Zminimalizowanie okna również chowa je do tacki; kliknij
dwukrotnie ikonę albo użyj jej menu, aby je przywrócić.</translation>
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
        <translation>URUCHOM PRZY LOGOWANIU ( * tylko 95/98 * )
******************************************
Zaznacz „uruchom przy logowaniu”, aby Tivvet uruchamiał
się po zalogowaniu do pulpitu: w katalogu autostartu
(~/.config/autostart) zostanie umieszczony wpis. Gdy
odznaczysz to pole, wpis nie będzie niczego uruchamiał.

* UWAGA *  Jeśli twój pulpit nie obsługuje katalogu
autostartu, dodaj sam program do listy programów
uruchamianych przy logowaniu:
%1</translation>
    </message>
    <message>
        <source>Questions and comments are welcome; please write to
%1.</source>
        <extracomment>The help text&apos;s last lines but the copyright; %1 is the address to write to.</extracomment>
        <translation>Pytania i uwagi są mile widziane; prosimy pisać na adres
%1.</translation>
    </message>
    <message>
        <source>Help!</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Pomoc!</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The help text&apos;s box, for assistive technology.</extracomment>
        <translation>Pomoc</translation>
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
        <translation>DZWOŃ DO REAKCJI
****************
Zaznacz „dzwoń do reakcji” (pod „uruchom przy logowaniu”,
widoczne, gdy otwarty jest panel opcji), aby koniec
odliczania i każdy budzik odtwarzały swój dźwięk raz po
raz, co sekundę, dopóki nie zobaczysz alarmu, ale najwyżej
przez 5 minut. Widzisz go, gdy naciśniesz OK lub „Drzemka”
w jego oknie, „Pokaż” w jego powiadomieniu albo Przywróć
w menu ikony w tacce, gdy klikniesz w oknie lub naciśniesz
w nim klawisz albo gdy zamkniesz jego powiadomienie.
Ostrzeżenia przed końcem brzmią tylko raz. Zobaczenie
alarmu zawsze zatrzymuje jego dźwięk.</translation>
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
        <translation>DRZEMKA
*******
Powiadomienie budzika ma przycisk „Drzemka 10 minut”,
a jego okno komunikatu przycisk „Drzemka” obok OK: budzik
pozostaje włączony i dzwoni ponownie na początku minuty,
dziesięć minut później. Wyłączenie budzika lub ustawienie
nowej godziny kończy drzemkę.</translation>
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
        <translation>ZACHOWAJ BUDZIKI
****************
Zaznacz „zachowaj budziki” (obok „dzwoń do reakcji”), aby
budziki, ich pola „włącz” i czasy ostrzeżeń minutnika
wracały przy następnym uruchomieniu takie, jakie były na
końcu; przydaje się to razem z „uruchom przy logowaniu”.
Budzik, którego godzina minęła, gdy Tivvet nie był
uruchomiony, dzwoni po zakończeniu uruchamiania i podaje,
jak bardzo jest spóźniony i dlaczego; spóźniony o ponad
12 godzin pozostaje wyłączony, a powiadomienie informuje,
że został pominięty. Gdy pole nie jest zaznaczone, Tivvet
uruchamia się z oboma budzikami wyłączonymi i raz
informuje, jeśli któryś był włączony na końcu. Podpowiedź
ikony w tacce pokazuje czas pozostały do końca odliczania
i każdy włączony budzik.</translation>
    </message>
</context>
<context>
    <name>frmTivvet</name>
    <message>
        <source>timer</source>
        <extracomment>Whose sound it is, in the names assistive technology reads: &quot;timer sound play&quot;.</extracomment>
        <translation>minutnik</translation>
    </message>
    <message>
        <source>  The Tivvet  3.0</source>
        <extracomment>The window&apos;s title: the product&apos;s name and version, with two blanks before each.</extracomment>
        <translation>  The Tivvet  3.0</translation>
    </message>
    <message>
        <source>Unable to save the options!</source>
        <extracomment>A box&apos;s heading over the files that could not be written, a line each.</extracomment>
        <translation>Nie można zapisać opcji!</translation>
    </message>
    <message>
        <source>color</source>
        <extracomment>Short: a small button (60 pixels) that opens the colour window.</extracomment>
        <translation>kolory</translation>
    </message>
    <message>
        <source>help</source>
        <extracomment>Short: a small button (60 pixels) that opens the help window.</extracomment>
        <translation>pomoc</translation>
    </message>
    <message>
        <source>about</source>
        <extracomment>Short: a small button (60 pixels) that opens the About window.</extracomment>
        <translation>informacje</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>Short: a small button (60 pixels) that ends the program.</extracomment>
        <translation>zakończ</translation>
    </message>
    <message>
        <source>Unable to read the options!</source>
        <extracomment>A box&apos;s heading over the files that could not be read, a line each.</extracomment>
        <translation>Nie można odczytać opcji!</translation>
    </message>
    <message>
        <source>%1 - not saved: another Tivvet is running</source>
        <extracomment>The window&apos;s title while another Tivvet, which does not answer, holds the user&apos;s files; %1 is the usual title.</extracomment>
        <translation>%1 – nie zapisano: działa inny Tivvet</translation>
    </message>
    <message>
        <source>Another Tivvet is running and does not answer.</source>
        <extracomment>Under &quot;Unable to save the options!&quot; at the end, in place of the files&apos; names.</extracomment>
        <translation>Działa inny Tivvet, który nie odpowiada.</translation>
    </message>
</context>
<context>
    <name>tivvet</name>
    <message>
        <source>A countdown timer with warnings before it expires, two alarm clocks and a clock, in a small window that stays on top.</source>
        <translation>Minutnik z ostrzeżeniami przed upływem czasu, dwa budziki i zegar w małym oknie, które pozostaje na wierzchu.</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>program nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>Try &apos;tivvet --help&apos; for more.</source>
        <extracomment>On standard error after a wrong command line; &quot;tivvet --help&quot; stays as it is.</extracomment>
        <translation>Polecenie „tivvet --help” wyświetli więcej informacji.</translation>
    </message>
    <message>
        <source>Tivvet runs already: it was asked to show its window.</source>
        <translation>Tivvet już działa: poproszono go o pokazanie okna.</translation>
    </message>
    <message>
        <source>Tivvet runs already: its window is brought back.</source>
        <translation>Tivvet już działa: jego okno zostaje przywrócone.</translation>
    </message>
    <message>
        <source>tivvet: on Wayland the window cannot be kept on top of other windows; through XWayland, which Tivvet uses unless told otherwise, it can.</source>
        <extracomment>On standard error; &quot;tivvet:&quot; names the program and stays as it is.</extracomment>
        <translation>tivvet: pod Waylandem nie da się utrzymać okna na wierzchu innych okien; przez XWayland, którego Tivvet używa, jeśli nie wskazano inaczej, jest to możliwe.</translation>
    </message>
    <message>
        <source>Tivvet runs already but does not answer: this one starts beside it, and saves nothing until that one has ended.</source>
        <translation>Tivvet już działa, ale nie odpowiada: ta instancja uruchamia się równolegle i niczego nie zapisuje, dopóki tamta się nie zakończy.</translation>
    </message>
</context>
</TS>
