<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlarmCheck</name>
    <message numerus="yes">
        <source>, %n min late</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n h %1 min late</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>: the computer was asleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the clocks went forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>An alarm&apos;s notification: &quot;Alarm I at 07:30 am&quot;, then why it is late.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmClock</name>
    <message>
        <source>alarm I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on</source>
        <extracomment>The parts of an alarm, for assistive technology: &quot;alarm I on&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm time cannot be read: the alarm is off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 am or pm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>A countdown timer and two alarm clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR #%1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Exit and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountdownTick</name>
    <message>
        <source>The countdown has run out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The countdown ran out at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The countdown has %1 left.</source>
        <extracomment>The time left is written as 00:05:00.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hrs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DBusSleepInhibitor</name>
    <message>
        <source>Countdown running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source>notify times</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>timer notify %1</source>
        <extracomment>A notify time&apos;s box, for assistive technology: &quot;timer notify 5 minutes&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>custom notify time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>custom notify hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>custom notify minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>custom notify seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>custom notify activate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm I options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm II options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsFiles</name>
    <message>
        <source>larger than 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsTexts</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s path and why it could not be read or written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) 2026 The Tivvet developers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1: cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>start with windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start minimized</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemClock</name>
    <message>
        <source>The wall clock is not watched: a clock set or a wake from sleep shows at the next minute.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Popup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>%1 up</source>
        <extracomment>The arrows of a spin button, for assistive technology: &quot;alarm I up&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 3.0 for Windows 95, 98, and NT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit our home on the Web at:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmColor</name>
    <message>
        <source>timer entry background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer entry text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer remaining background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer remaining text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm I background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm I text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm II background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm II text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enter time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>back color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>font color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 default</source>
        <extracomment>The &quot;default&quot; button of a colour, for assistive technology.</extracomment>
        <translation type="unfinished"></translation>
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
        <extracomment>A section of the user guide: its heading, a rule (a line of asterisks only, drawn as wide as the window) and lines of at most 59 characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START BUTTON 
*********************
Press &quot;start&quot; to count down one second every second.
While the timer runs, &quot;reset&quot; is disabled. When the
count reaches 00:00:00 the timer sound plays, the timer
stops and the window comes back, even from the tray.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAUSE BUTTON
*********************
Press &quot;pause&quot; to stop the count where it is. Press
&quot;start&quot; to go on from there; the part of the second that
had run is kept, so the timer still keeps exact time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET BUTTON
*********************
Press &quot;reset&quot; (after &quot;pause&quot;, or once the timer has gone
off) to empty the three boxes and set the display back
to 00:00:00. The cursor is then in the hours box.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIMER OPTIONS
*********************
Press &quot;timer&quot; under &quot;options&quot; to open the timer&apos;s panel:
its sound, the notify times and the custom notify time.
Press &quot;close options&quot; to shrink the window again; the
options are saved at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALARM I OPTIONS
***********************
Press &quot;alarm I&quot; under &quot;options&quot; to open the panel of
Alarm I: its sound, the program it starts and the
message it shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALARM II OPTIONS
************************
Press &quot;alarm II&quot; under &quot;options&quot; to open the panel of
Alarm II, which has the same choices as Alarm I.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUSTOM MESSAGE
*************************
Type a message into the message box and check
&quot;activate&quot; to have the alarm show it. The program, if
any, starts after you close the message with OK. Press
&quot;clear&quot; to empty the box; an empty box cannot be
activated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTIFY TIMES  ( * timer only * )
**************************************
Check &quot;60 minutes&quot;, &quot;30 minutes&quot;, &quot;15 minutes&quot; or
&quot;5 minutes&quot; to be warned when that much time is left:
the timer sound plays and the window comes back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUSTOM NOTIFY TIME  ( * timer only * )
*************************************************
Set a time of your own with the three fields and the
arrows beside them, then check &quot;activate&quot;. The timer
warns you when the time left reaches it. A time of
00:00:00, or one that is not a time of day, cannot be
activated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUSTOM COLOR
**********************
Press &quot;color&quot; to choose the colours of the four
displays. Click a colour box to pick a colour; the
display changes at once. Press &quot;default&quot; beside it to
go back to the colour it had at first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START MINIMIZED
************************
Check &quot;start minimized&quot; (in the options area) to have
The Tivvet start with only its icon in the tray.
Minimising the window also hides it in the tray; double
click the icon, or use its menu, to bring it back.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions and comments are welcome; please write to
%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tivvet</name>
    <message>
        <source>A countdown timer with warnings before it expires, two alarm clocks and a clock, in a small window that stays on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;tivvet --help&apos; for more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
