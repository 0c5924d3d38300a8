<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AlarmCheck</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>An alarm&apos;s notification: &quot;Alarm I at 07:30 am&quot;, its time as the locale writes it.</extracomment>
        <translation>%1 a las %2</translation>
    </message>
    <message numerus="yes">
        <source>%n min late</source>
        <extracomment>How late an alarm went off, in its notification: &quot;15 min late&quot;.</extracomment>
        <translation>
            <numerusform>con %n min de retraso</numerusform>
            <numerusform>con %n min de retraso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h %1 min late</source>
        <extracomment>How late an alarm went off: &quot;9 h 50 min late&quot;; %n is the hours, %1 the minutes.</extracomment>
        <translation>
            <numerusform>con %n h %1 min de retraso</numerusform>
            <numerusform>con %n h %1 min de retraso</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at %2, %3: the computer was asleep</source>
        <extracomment>An alarm&apos;s notification when it goes off late: &quot;Alarm I at 07:30 pm, 15 min late: the computer was asleep&quot;.</extracomment>
        <translation>%1 a las %2, %3: el ordenador estaba en suspensión</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <extracomment>An alarm&apos;s notification when the program was held up: &quot;Alarm I at 07:30 pm, 1 min late&quot;.</extracomment>
        <translation>%1 a las %2, %3</translation>
    </message>
    <message>
        <source>%1 at %2: the clocks went forward</source>
        <extracomment>An alarm&apos;s notification in the first minute after the clocks skipped its time.</extracomment>
        <translation>%1 a las %2: se adelantó la hora</translation>
    </message>
    <message>
        <source>%1 at %2, snoozed</source>
        <extracomment>An alarm&apos;s notification when it goes off again after a snooze: &quot;Alarm I at 07:00 am, snoozed&quot;.</extracomment>
        <translation>%1 a las %2, pospuesta</translation>
    </message>
    <message>
        <source>%1 at %2, %3: Tivvet was not running</source>
        <extracomment>An alarm&apos;s notification when it went off late at the start: &quot;Alarm I at 07:00 am, 25 min late: Tivvet was not running&quot;.</extracomment>
        <translation>%1 a las %2, %3: Tivvet no estaba en marcha</translation>
    </message>
    <message>
        <source>%1 at %2 was missed: Tivvet was not running; it is off now</source>
        <extracomment>A notification at the start for an alarm missed by more than 12 hours.</extracomment>
        <translation>%1 a las %2 se perdió: Tivvet no estaba en marcha; ahora está apagada</translation>
    </message>
</context>
<context>
    <name>AlarmClock</name>
    <message>
        <source>alarm I</source>
        <extracomment>The alarm&apos;s bold title over its time, at most 115 pixels.</extracomment>
        <translation>alarma I</translation>
    </message>
    <message>
        <source>Alarm I</source>
        <extracomment>The alarm&apos;s name in its notification: &quot;Alarm I at 07:30 pm&quot;.</extracomment>
        <translation>Alarma I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>The alarm&apos;s bold title over its time, at most 115 pixels.</extracomment>
        <translation>alarma II</translation>
    </message>
    <message>
        <source>Alarm II</source>
        <extracomment>The alarm&apos;s name in its notification: &quot;Alarm II at 07:30 pm&quot;.</extracomment>
        <translation>Alarma II</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>Short: beside an option button, at most 30 pixels; the alarm switched on.</extracomment>
        <translation>activa</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>Short: beside an option button, at most 40 pixels; the alarm switched off.</extracomment>
        <translation>inactiva</translation>
    </message>
    <message>
        <source>%1 on</source>
        <extracomment>The parts of an alarm, for assistive technology: &quot;alarm I on&quot;.</extracomment>
        <translation>%1: activa</translation>
    </message>
    <message>
        <source>%1 off</source>
        <extracomment>For assistive technology: &quot;alarm I off&quot;.</extracomment>
        <translation>%1: inactiva</translation>
    </message>
    <message>
        <source>The alarm time cannot be read: the alarm is off.</source>
        <translation>No se puede leer la hora de la alarma: la alarma queda inactiva.</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>An alarm&apos;s fields, for assistive technology: &quot;alarm I hour&quot;, &quot;alarm I minute&quot;, &quot;alarm I am or pm&quot;.</extracomment>
        <translation>%1: hora</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1: minuto</translation>
    </message>
    <message>
        <source>%1 am or pm</source>
        <translation>%1: am o pm</translation>
    </message>
</context>
<context>
    <name>AlarmOptions</name>
    <message>
        <source>alarm I</source>
        <extracomment>Whose options these are, in the names assistive technology reads: &quot;alarm I sound play&quot;.</extracomment>
        <translation>alarma I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>Whose options these are, in the names assistive technology reads: &quot;alarm II sound play&quot;.</extracomment>
        <translation>alarma II</translation>
    </message>
</context>
<context>
    <name>AlertActions</name>
    <message>
        <source>No sound could be played: no sound server answered</source>
        <extracomment>A line under an alert&apos;s notification, as the next ones.</extracomment>
        <translation>No se pudo reproducir ningún sonido: no respondió ningún servidor de sonido</translation>
    </message>
    <message>
        <source>No sound could be played: no sound device</source>
        <translation>No se pudo reproducir ningún sonido: no hay ningún dispositivo de sonido</translation>
    </message>
    <message>
        <source>Unable to play the sound!</source>
        <translation>¡No se puede reproducir el sonido!</translation>
    </message>
    <message>
        <source>Unable to play the sound! File not found!</source>
        <translation>¡No se puede reproducir el sonido! ¡No se encuentra el archivo!</translation>
    </message>
    <message>
        <source>Unable to start the program!</source>
        <translation>¡No se puede iniciar el programa!</translation>
    </message>
    <message>
        <source>No sound could be played: the sound library could not be loaded</source>
        <translation>No se pudo reproducir ningún sonido: no se pudo cargar la biblioteca de sonido</translation>
    </message>
    <message>
        <source>It rang for 5 minutes unanswered.</source>
        <extracomment>A line under an alert&apos;s notification once its sound, rung until seen, has stopped.</extracomment>
        <translation>Sonó durante 5 minutos sin respuesta.</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>A button beside OK on an alarm&apos;s message box: the alarm goes off again in 10 minutes.</extracomment>
        <translation>Posponer</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>A countdown timer and two alarm clocks</source>
        <extracomment>The comment of the entry that starts the program at login, which some desktops show.</extracomment>
        <translation>Temporizador de cuenta atrás y dos alarmas</translation>
    </message>
    <message>
        <source>ERROR #%1 : %2</source>
        <extracomment>A box&apos;s text when the start at login cannot be set: %1 is the error&apos;s number, %2 the system&apos;s own words. The next line, &quot;Please Exit and try again.&quot;, follows.</extracomment>
        <translation>ERROR n.º %1: %2</translation>
    </message>
    <message>
        <source>Please Exit and try again.</source>
        <translation>Salga del programa y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>The countdown ran out at %1.</source>
        <extracomment>A notification told late; %1 is the time of day as the locale writes it: &quot;7:31 pm&quot;, &quot;19:31&quot;.</extracomment>
        <translation>La cuenta atrás terminó a las %1.</translation>
    </message>
    <message>
        <source>The countdown has run out.</source>
        <translation>La cuenta atrás ha terminado.</translation>
    </message>
    <message>
        <source>The countdown has %1 left.</source>
        <extracomment>The time left is written as 00:05:00.</extracomment>
        <translation>A la cuenta atrás le quedan %1.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>timer</source>
        <extracomment>The countdown&apos;s bold title, over its three boxes.</extracomment>
        <translation>temporizador</translation>
    </message>
    <message>
        <source>hrs</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s hours.</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>timer hours</source>
        <translation>temporizador: horas</translation>
    </message>
    <message>
        <source>mins</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s minutes.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>timer minutes</source>
        <translation>temporizador: minutos</translation>
    </message>
    <message>
        <source>secs</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s seconds.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>timer seconds</source>
        <translation>temporizador: segundos</translation>
    </message>
    <message>
        <source>time remaining</source>
        <extracomment>Over the countdown&apos;s display of the time left.</extracomment>
        <translation>tiempo restante</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>Short: a small button, 36 pixels, that starts the countdown.</extracomment>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>timer start</source>
        <translation>temporizador: iniciar</translation>
    </message>
    <message>
        <source>pause</source>
        <extracomment>Short: a small button, 36 pixels, that stops the countdown where it is.</extracomment>
        <translation>pausa</translation>
    </message>
    <message>
        <source>timer pause</source>
        <translation>temporizador: pausa</translation>
    </message>
    <message>
        <source>reset</source>
        <extracomment>Short: a small button, 36 pixels, that empties the countdown.</extracomment>
        <translation>borrar</translation>
    </message>
    <message>
        <source>timer reset</source>
        <translation>temporizador: borrar</translation>
    </message>
</context>
<context>
    <name>DBusNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>A notification&apos;s button, which brings the program&apos;s window back.</extracomment>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <extracomment>A button on an alarm&apos;s notification: the alarm goes off again in 10 minutes.</extracomment>
        <translation>Posponer 10 minutos</translation>
    </message>
</context>
<context>
    <name>DBusSleepInhibitor</name>
    <message>
        <source>Counting down or ringing</source>
        <extracomment>Why the computer is kept awake, as the desktop may show it.</extracomment>
        <translation>Cuenta atrás en marcha o alarma sonando</translation>
    </message>
</context>
<context>
    <name>KeptAlarms</name>
    <message>
        <source>%1 was on for %2 when Tivvet ended; it is off now</source>
        <extracomment>A notification at the start when &quot;keep alarms&quot; is off: &quot;Alarm I was on for 07:00 am when Tivvet ended; it is off now&quot;.</extracomment>
        <translation>%1 estaba activada para las %2 cuando Tivvet terminó; ahora está apagada</translation>
    </message>
</context>
<context>
    <name>MessageGroup</name>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box (60 pixels); the alarm shows the message only when it is checked.</extracomment>
        <translation>activar</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>Short: a small button (41 pixels) that empties the message.</extracomment>
        <translation>limpiar</translation>
    </message>
    <message>
        <source>%1 message clear</source>
        <extracomment>For assistive technology; %1 is whose message it is: &quot;alarm I&quot;.</extracomment>
        <translation>%1: limpiar mensaje</translation>
    </message>
    <message>
        <source>custom message</source>
        <extracomment>The caption of the message&apos;s group.</extracomment>
        <translation>mensaje personalizado</translation>
    </message>
    <message>
        <source>%1 custom message</source>
        <translation>%1: mensaje personalizado</translation>
    </message>
    <message>
        <source>%1 message activate</source>
        <translation>%1: activar mensaje</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source>notify times</source>
        <extracomment>The caption of the group of notify times, 100 pixels wide.</extracomment>
        <translation>avisos</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <extracomment>Beside a check box, 75 pixels: the countdown warns when 60, 30, 15 or 5 minutes are left.</extracomment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>timer notify %1</source>
        <extracomment>A notify time&apos;s box, for assistive technology: &quot;timer notify 5 minutes&quot;.</extracomment>
        <translation>temporizador: avisar a falta de %1</translation>
    </message>
    <message>
        <source>custom notify time</source>
        <extracomment>The caption of the custom notify time&apos;s group, 110 pixels wide: a time left, hh:mm:ss.</extracomment>
        <translation>aviso personalizado</translation>
    </message>
    <message>
        <source>custom notify hours</source>
        <extracomment>The custom notify time&apos;s fields, for assistive technology.</extracomment>
        <translation>aviso personalizado: horas</translation>
    </message>
    <message>
        <source>custom notify minutes</source>
        <translation>aviso personalizado: minutos</translation>
    </message>
    <message>
        <source>custom notify seconds</source>
        <translation>aviso personalizado: segundos</translation>
    </message>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box; the countdown warns at the custom time only when it is checked.</extracomment>
        <translation>activar</translation>
    </message>
    <message>
        <source>custom notify activate</source>
        <translation>aviso personalizado: activar</translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>timer</source>
        <extracomment>The bold title of the countdown&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens the countdown&apos;s options.</extracomment>
        <translation>temporiz.</translation>
    </message>
    <message>
        <source>alarm I</source>
        <extracomment>The bold title of alarm I&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens alarm I&apos;s options.</extracomment>
        <translation>alarma I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>The bold title of alarm II&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens alarm II&apos;s options.</extracomment>
        <translation>alarma II</translation>
    </message>
    <message>
        <source>close options</source>
        <extracomment>Short: a small button, 77 pixels, that hides the options panels.</extracomment>
        <translation>cerrar opc.</translation>
    </message>
    <message>
        <source>options</source>
        <extracomment>The caption over the three buttons that open the options panels, 65 pixels wide.</extracomment>
        <translation>opciones</translation>
    </message>
    <message>
        <source>timer options</source>
        <translation>opciones del temporizador</translation>
    </message>
    <message>
        <source>alarm I options</source>
        <translation>opciones de la alarma I</translation>
    </message>
    <message>
        <source>alarm II options</source>
        <translation>opciones de la alarma II</translation>
    </message>
    <message>
        <source>start with windows</source>
        <extracomment>Beside a check box, 130 pixels: the program starts when the user logs in to the desktop. Say it as your language&apos;s desktops do, not word for word.</extracomment>
        <translation>iniciar con la sesión</translation>
    </message>
    <message>
        <source>start minimized</source>
        <extracomment>Beside a check box, 110 pixels: the program starts with only its icon in the tray.</extracomment>
        <translation>iniciar minimizado</translation>
    </message>
    <message>
        <source>ring until seen</source>
        <extracomment>Beside a check box, 130 pixels: the sound of an alarm or of the countdown&apos;s end plays again and again until the user answers it.</extracomment>
        <translation>sonar hasta verlo</translation>
    </message>
    <message>
        <source>keep alarms</source>
        <extracomment>Beside a check box, 110 pixels: the alarms set at the end come back at the next start.</extracomment>
        <translation>conservar alarmas</translation>
    </message>
</context>
<context>
    <name>OptionsFiles</name>
    <message>
        <source>larger than 1 MiB</source>
        <extracomment>Why an options file was not read, after its path: &quot;…/wav.txt: larger than 1 MiB&quot;.</extracomment>
        <translation>mayor de 1 MiB</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
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
        <translation>Copyright (C) 2026 los desarrolladores de Tivvet</translation>
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
        <translation>elegir</translation>
    </message>
    <message>
        <source>%1 program browse</source>
        <extracomment>For assistive technology; %1 is whose program it is: &quot;alarm I&quot;.</extracomment>
        <translation>%1: elegir programa</translation>
    </message>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box (60 pixels); the alarm starts the program only when it is checked.</extracomment>
        <translation>activar</translation>
    </message>
    <message>
        <source>program (.exe)</source>
        <extracomment>The caption of the program&apos;s group, 90 pixels wide.</extracomment>
        <translation>programa (.exe)</translation>
    </message>
    <message>
        <source>%1 program</source>
        <translation>%1: programa</translation>
    </message>
    <message>
        <source>%1 program activate</source>
        <translation>%1: activar programa</translation>
    </message>
    <message>
        <source>The program and its arguments, as a terminal takes them: quotes and \ keep blanks, and ~/ at the start of a word is the home folder; nothing else is expanded and no shell runs.</source>
        <extracomment>The tooltip of an alarm&apos;s program box.</extracomment>
        <translation>El programa y sus argumentos, tal como se escribirían en un terminal: las comillas y \ conservan los espacios, y ~/ al principio de una palabra es la carpeta personal; no se expande nada más y no se ejecuta ningún intérprete de órdenes.</translation>
    </message>
    <message>
        <source>Select Program</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Seleccionar programa</translation>
    </message>
    <message>
        <source>Executable Files (*)</source>
        <extracomment>The one kind of file offered: every file, &quot;(*)&quot; kept.</extracomment>
        <translation>Archivos ejecutables (*)</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>SdlSoundPlayer</name>
    <message>
        <source>tivvet: no sound can be played: %1</source>
        <extracomment>On standard error, before the sound library&apos;s or sound system&apos;s own words (in English).</extracomment>
        <translation>tivvet: no se puede reproducir ningún sonido: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1: cannot be written</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1: no se puede escribir</translation>
    </message>
</context>
<context>
    <name>SoundGroup</name>
    <message>
        <source>Wav Files (*.wav *.WAV)</source>
        <extracomment>A kind of file in the file dialog; the patterns in brackets stay as they are.</extracomment>
        <translation>Archivos WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sound Files (%1)</source>
        <extracomment>A kind of file in the file dialog; %1 is the patterns of every kind the program plays.</extracomment>
        <translation>Archivos de sonido (%1)</translation>
    </message>
    <message>
        <source>browse</source>
        <extracomment>Short: a small button (41 pixels) that opens the file dialog.</extracomment>
        <translation>elegir</translation>
    </message>
    <message>
        <source>%1 sound browse</source>
        <extracomment>For assistive technology; %1 is whose sound it is: &quot;timer&quot;, &quot;alarm I&quot;.</extracomment>
        <translation>%1: elegir sonido</translation>
    </message>
    <message>
        <source>play</source>
        <extracomment>Short: a small button (41 pixels) that plays the sound.</extracomment>
        <translation>probar</translation>
    </message>
    <message>
        <source>%1 sound play</source>
        <translation>%1: probar sonido</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>Short: a small button (41 pixels) that puts the sound that comes with the program back.</extracomment>
        <translation>original</translation>
    </message>
    <message>
        <source>%1 sound default</source>
        <translation>%1: sonido original</translation>
    </message>
    <message>
        <source>sound (.wav)</source>
        <extracomment>The caption of the sound&apos;s group, 90 pixels wide.</extracomment>
        <translation>sonido (.wav)</translation>
    </message>
    <message>
        <source>%1 sound file</source>
        <translation>%1: archivo de sonido</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Seleccionar sonido</translation>
    </message>
</context>
<context>
    <name>SystemClock</name>
    <message>
        <source>The wall clock is not watched: a clock set or a wake from sleep shows at the next minute.</source>
        <translation>No se vigila la hora del sistema: un cambio de hora o la salida de la suspensión se reflejarán en el minuto siguiente.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Popup</source>
        <extracomment>The tray menu&apos;s title, which few desktops show.</extracomment>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The tray menu&apos;s item that brings the window back.</extracomment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The tray menu&apos;s item that ends the program.</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TrayTip</name>
    <message>
        <source>%1 left</source>
        <extracomment>The first line of the tray icon&apos;s tooltip while the countdown runs or is paused.</extracomment>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source> Click Right Mouse Button </source>
        <extracomment>The tray icon&apos;s tooltip, with one blank before and after it; at most 62 characters.</extracomment>
        <translation> Haga clic con el botón derecho del ratón </translation>
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
        <translation>%1: subir</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: bajar</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version 3.0 for Windows 95, 98, and NT</source>
        <extracomment>The About window&apos;s bold version line, centred; at most 280 pixels.</extracomment>
        <translation>Versión 3.0 para Windows 95, 98 y NT</translation>
    </message>
    <message>
        <source>Please visit our home on the Web at:</source>
        <translation>Visite nuestra página web en:</translation>
    </message>
</context>
<context>
    <name>frmColor</name>
    <message>
        <source>timer entry background</source>
        <extracomment>The colour boxes, for assistive technology.</extracomment>
        <translation>fondo de la entrada del temporizador</translation>
    </message>
    <message>
        <source>timer entry text</source>
        <translation>texto de la entrada del temporizador</translation>
    </message>
    <message>
        <source>timer remaining background</source>
        <translation>fondo del tiempo restante del temporizador</translation>
    </message>
    <message>
        <source>timer remaining text</source>
        <translation>texto del tiempo restante del temporizador</translation>
    </message>
    <message>
        <source>alarm I background</source>
        <translation>fondo de la alarma I</translation>
    </message>
    <message>
        <source>alarm I text</source>
        <translation>texto de la alarma I</translation>
    </message>
    <message>
        <source>alarm II background</source>
        <translation>fondo de la alarma II</translation>
    </message>
    <message>
        <source>alarm II text</source>
        <translation>texto de la alarma II</translation>
    </message>
    <message>
        <source>Custom Color</source>
        <extracomment>The colour window&apos;s title.</extracomment>
        <translation>Color personalizado</translation>
    </message>
    <message>
        <source>timer</source>
        <extracomment>A bold title on a frame&apos;s top edge: the countdown&apos;s colours.</extracomment>
        <translation>contador</translation>
    </message>
    <message>
        <source>alarm I</source>
        <extracomment>A bold title on a frame&apos;s top edge: alarm I&apos;s colours.</extracomment>
        <translation>alarma I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>A bold title on a frame&apos;s top edge: alarm II&apos;s colours.</extracomment>
        <translation>alarma II</translation>
    </message>
    <message>
        <source>enter time</source>
        <extracomment>Over the colours of the countdown&apos;s boxes for the time entered.</extracomment>
        <translation>inicial</translation>
    </message>
    <message>
        <source>time remaining</source>
        <extracomment>Over the colours of the countdown&apos;s display of the time left.</extracomment>
        <translation>tiempo restante</translation>
    </message>
    <message>
        <source>back color</source>
        <extracomment>Beside a colour box, 65 pixels: the display&apos;s background colour.</extracomment>
        <translation>fondo</translation>
    </message>
    <message>
        <source>font color</source>
        <extracomment>Beside a colour box, 65 pixels: the display&apos;s text colour.</extracomment>
        <translation>texto</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>Short: a small button, 40 pixels, that puts the colour it had at first back.</extracomment>
        <translation>original</translation>
    </message>
    <message>
        <source>%1 default</source>
        <extracomment>The &quot;default&quot; button of a colour, for assistive technology.</extracomment>
        <translation>%1: original</translation>
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
        <translation>TEMPORIZADOR
************
Escriba el tiempo de la cuenta atrás en las tres casillas
bajo «h», «min» y «s», con dos cifras como máximo cada
una. El visor bajo «tiempo restante» muestra todo el
tiempo de una vez: 90 minutos se ven como 01:30:00, y
99 horas, 99 minutos y 99 segundos como 100:40:39. La
cuenta atrás dura todo el tiempo introducido, aunque
pase de un día.</translation>
    </message>
    <message>
        <source>START BUTTON 
*********************
Press &quot;start&quot; to count down one second every second.
While the timer runs, &quot;reset&quot; is disabled. When the
count reaches 00:00:00 the timer sound plays, the timer
stops and the window comes back, even from the tray.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>BOTÓN INICIAR
*************
Pulse «iniciar» para que la cuenta atrás reste un
segundo cada segundo. Mientras el temporizador está en
marcha, «borrar» no está disponible. Cuando la cuenta
llega a 00:00:00, suena el sonido del temporizador, el
temporizador se detiene y la ventana vuelve a aparecer,
incluso desde la bandeja del sistema.</translation>
    </message>
    <message>
        <source>PAUSE BUTTON
*********************
Press &quot;pause&quot; to stop the count where it is. Press
&quot;start&quot; to go on from there; the part of the second that
had run is kept, so the timer still keeps exact time.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>BOTÓN PAUSA
***********
Pulse «pausa» para detener la cuenta donde está. Pulse
«iniciar» para seguir desde ahí; la fracción de segundo
ya transcurrida se conserva, así que el temporizador
sigue midiendo el tiempo con exactitud.</translation>
    </message>
    <message>
        <source>RESET BUTTON
*********************
Press &quot;reset&quot; (after &quot;pause&quot;, or once the timer has gone
off) to empty the three boxes and set the display back
to 00:00:00. The cursor is then in the hours box.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>BOTÓN BORRAR
************
Pulse «borrar» (tras «pausa», o cuando el temporizador
ya ha sonado) para vaciar las tres casillas y volver a
poner el visor a 00:00:00. El cursor queda entonces en
la casilla de las horas.</translation>
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
        <translation>ALARMAS I y II
**************
Cada alarma muestra su hora en dos campos, hora y
minuto, en formato de 24 horas. Haga clic en un campo y
use las flechas junto a la alarma, o las teclas Arriba
y Abajo, para subirlo o bajarlo en uno desde lo que
muestra: las horas van de 00 a 23 y los minutos de
00 a 59. También puede escribir en los campos: una hora
de 00 a 23 se toma tal cual. Haga clic en «activa» para
activar la alarma y en «inactiva» para desactivarla;
una alarma cuya hora no se puede leer queda inactiva, y
un mensaje se lo indica. En el minuto fijado, la alarma
reproduce su sonido, vuelve a mostrar la ventana,
muestra su mensaje e inicia su programa (si están
activados) y queda inactiva. Si se activa dentro de su
propio minuto, suena en el acto.</translation>
    </message>
    <message>
        <source>TIMER OPTIONS
*********************
Press &quot;timer&quot; under &quot;options&quot; to open the timer&apos;s panel:
its sound, the notify times and the custom notify time.
Press &quot;close options&quot; to shrink the window again; the
options are saved at once.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPCIONES DEL TEMPORIZADOR
*************************
Pulse «temporiz.» bajo «opciones» para abrir el panel
del temporizador: su sonido, los avisos y el aviso
personalizado. Pulse «cerrar opc.» para volver a reducir
la ventana; las opciones se guardan en el acto.</translation>
    </message>
    <message>
        <source>ALARM I OPTIONS
***********************
Press &quot;alarm I&quot; under &quot;options&quot; to open the panel of
Alarm I: its sound, the program it starts and the
message it shows.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPCIONES DE LA ALARMA I
***********************
Pulse «alarma I» bajo «opciones» para abrir el panel de
la alarma I: su sonido, el programa que inicia y el
mensaje que muestra.</translation>
    </message>
    <message>
        <source>ALARM II OPTIONS
************************
Press &quot;alarm II&quot; under &quot;options&quot; to open the panel of
Alarm II, which has the same choices as Alarm I.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPCIONES DE LA ALARMA II
************************
Pulse «alarma II» bajo «opciones» para abrir el panel de
la alarma II, que tiene las mismas opciones que la
alarma I.</translation>
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
        <translation>SELECCIONAR SONIDO
******************
Escriba la ruta de un archivo WAV en el campo del sonido
o pulse «elegir» para escoger uno. Pulse «probar» para
oírlo; si el archivo no se puede reproducir, se le
avisa. Pulse «original» para usar el sonido que trae
The Tivvet. Si un sonido no se puede reproducir cuando
llega la hora, se usa el sonido original.

* NOTA *  Hay que usar la ruta completa del archivo.

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
        <translation>SELECCIONAR PROGRAMA
********************
Escriba en el campo del programa el programa que inicia
la alarma, con sus argumentos si los necesita, o pulse
«elegir» para escogerlo. Marque «activar» para que la
alarma lo inicie. Si el programa no se puede iniciar,
se le avisa.

* NOTA *  Hay que usar la ruta completa del archivo.

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
        <translation>MENSAJE PERSONALIZADO
*********************
Escriba un mensaje en el campo del mensaje y marque
«activar» para que la alarma lo muestre. El programa, si
lo hay, se inicia cuando cierra el mensaje con Aceptar.
Pulse «limpiar» para vaciar el campo; un campo vacío no
se puede activar.</translation>
    </message>
    <message>
        <source>NOTIFY TIMES  ( * timer only * )
**************************************
Check &quot;60 minutes&quot;, &quot;30 minutes&quot;, &quot;15 minutes&quot; or
&quot;5 minutes&quot; to be warned when that much time is left:
the timer sound plays and the window comes back.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>AVISOS  ( * solo temporizador * )
*********************************
Marque «60 minutos», «30 minutos», «15 minutos» o
«5 minutos» para recibir un aviso cuando quede ese
tiempo: suena el sonido del temporizador y la ventana
vuelve a aparecer.</translation>
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
        <translation>AVISO PERSONALIZADO  ( * solo temporizador * )
**********************************************
Fije un tiempo propio con los tres campos y las flechas
de al lado, y marque «activar». El temporizador le avisa
cuando el tiempo restante llega a él. Un tiempo de
00:00:00, o uno que no sea una hora del día, no se puede
activar.</translation>
    </message>
    <message>
        <source>CUSTOM COLOR
**********************
Press &quot;color&quot; to choose the colours of the four
displays. Click a colour box to pick a colour; the
display changes at once. Press &quot;default&quot; beside it to
go back to the colour it had at first.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>COLOR PERSONALIZADO
*******************
Pulse «color» para elegir los colores de los cuatro
visores. Haga clic en una muestra para escoger un color;
el visor cambia en el acto. Pulse «original» a su lado
para volver al color que tenía al principio.</translation>
    </message>
    <message>
        <source>START MINIMIZED
************************
Check &quot;start minimized&quot; (in the options area) to have
The Tivvet start with only its icon in the tray.
Minimising the window also hides it in the tray; double
click the icon, or use its menu, to bring it back.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>INICIAR MINIMIZADO
******************
Marque «iniciar minimizado» (en la zona de opciones)
para que The Tivvet se inicie con solo su icono en la
bandeja del sistema. Al minimizar la ventana, también
se oculta en la bandeja; haga doble clic en el icono, o
use su menú, para recuperarla.</translation>
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
        <translation>INICIAR CON LA SESIÓN ( * solo 95/98 * )
*****************************************
Marque «iniciar con la sesión» para que The Tivvet se
inicie al entrar en su escritorio: se añade una entrada
a su carpeta de inicio automático (~/.config/autostart).
Si la desmarca, la entrada no inicia nada.

* NOTA *  Si su escritorio no lee la carpeta de inicio
automático, añada el propio programa a su lista de
programas de inicio:
%1</translation>
    </message>
    <message>
        <source>Questions and comments are welcome; please write to
%1.</source>
        <extracomment>The help text&apos;s last lines but the copyright; %1 is the address to write to.</extracomment>
        <translation>Sus preguntas y comentarios serán bienvenidos; escríbanos a
%1.</translation>
    </message>
    <message>
        <source>Help!</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>¡Ayuda!</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The help text&apos;s box, for assistive technology.</extracomment>
        <translation>Ayuda</translation>
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
        <translation>SONAR HASTA VERLO
*****************
Marque «sonar hasta verlo» (bajo «iniciar con la sesión»,
visible mientras hay un panel de opciones abierto) para que
el final de la cuenta atrás y cada alarma repitan su sonido
una y otra vez, con un segundo de intervalo, hasta que vea
la alerta, o durante 5 minutos como máximo. La ve con
Aceptar o «Posponer» en su mensaje, «Mostrar» en su
notificación, Restaurar en el menú de la bandeja, un clic o
una tecla en la ventana, o cerrando su notificación. Los
avisos antes del final suenan una sola vez. Ver una alerta
siempre detiene su sonido.</translation>
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
        <translation>POSPONER
********
La notificación de una alarma ofrece «Posponer 10 minutos»,
y su mensaje un botón «Posponer» junto a Aceptar: la alarma
sigue activa y vuelve a sonar al comienzo del minuto, diez
minutos más tarde. Desactivarla o fijar una hora nueva pone
fin a la posposición.</translation>
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
        <translation>CONSERVAR ALARMAS
*****************
Marque «conservar alarmas» (junto a «sonar hasta verlo»)
para que las alarmas, sus casillas «activar» y los avisos
de la cuenta atrás vuelvan en el siguiente inicio tal como
estaban al final; es útil con «iniciar con la sesión». Una
alarma cuya hora pasó mientras The Tivvet no estaba en
marcha suena en cuanto termina el inicio, indicando cuánto
retraso lleva y por qué; con más de 12 horas de retraso
queda inactiva y una notificación indica que se perdió. Sin
marcar, The Tivvet se inicia con las dos alarmas inactivas
y lo indica una vez si alguna estaba activa al terminar. La
información emergente del icono de la bandeja muestra el
tiempo que le queda a la cuenta atrás y cada alarma activa.</translation>
    </message>
</context>
<context>
    <name>frmTivvet</name>
    <message>
        <source>timer</source>
        <extracomment>Whose sound it is, in the names assistive technology reads: &quot;timer sound play&quot;.</extracomment>
        <translation>temporizador</translation>
    </message>
    <message>
        <source>  The Tivvet  3.0</source>
        <extracomment>The window&apos;s title: the product&apos;s name and version, with two blanks before each.</extracomment>
        <translation>  The Tivvet  3.0</translation>
    </message>
    <message>
        <source>Unable to save the options!</source>
        <extracomment>A box&apos;s heading over the files that could not be written, a line each.</extracomment>
        <translation>¡No se pudieron guardar las opciones!</translation>
    </message>
    <message>
        <source>color</source>
        <extracomment>Short: a small button (60 pixels) that opens the colour window.</extracomment>
        <translation>color</translation>
    </message>
    <message>
        <source>help</source>
        <extracomment>Short: a small button (60 pixels) that opens the help window.</extracomment>
        <translation>ayuda</translation>
    </message>
    <message>
        <source>about</source>
        <extracomment>Short: a small button (60 pixels) that opens the About window.</extracomment>
        <translation>acerca de</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>Short: a small button (60 pixels) that ends the program.</extracomment>
        <translation>salir</translation>
    </message>
    <message>
        <source>Unable to read the options!</source>
        <extracomment>A box&apos;s heading over the files that could not be read, a line each.</extracomment>
        <translation>¡No se pudieron leer las opciones!</translation>
    </message>
    <message>
        <source>%1 - not saved: another Tivvet is running</source>
        <extracomment>The window&apos;s title while another Tivvet, which does not answer, holds the user&apos;s files; %1 is the usual title.</extracomment>
        <translation>%1 – sin guardar: se está ejecutando otro Tivvet</translation>
    </message>
    <message>
        <source>Another Tivvet is running and does not answer.</source>
        <extracomment>Under &quot;Unable to save the options!&quot; at the end, in place of the files&apos; names.</extracomment>
        <translation>Se está ejecutando otro Tivvet que no responde.</translation>
    </message>
</context>
<context>
    <name>tivvet</name>
    <message>
        <source>A countdown timer with warnings before it expires, two alarm clocks and a clock, in a small window that stays on top.</source>
        <translation>Un temporizador de cuenta atrás con avisos antes de que termine, dos alarmas y un reloj, en una ventana pequeña que se mantiene por encima de las demás.</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>no admite argumentos</translation>
    </message>
    <message>
        <source>Try &apos;tivvet --help&apos; for more.</source>
        <extracomment>On standard error after a wrong command line; &quot;tivvet --help&quot; stays as it is.</extracomment>
        <translation>Pruebe &apos;tivvet --help&apos; para más información.</translation>
    </message>
    <message>
        <source>Tivvet runs already: it was asked to show its window.</source>
        <translation>Tivvet ya está en ejecución: se le ha pedido que muestre su ventana.</translation>
    </message>
    <message>
        <source>Tivvet runs already: its window is brought back.</source>
        <translation>Tivvet ya está en ejecución: su ventana vuelve a mostrarse.</translation>
    </message>
    <message>
        <source>tivvet: on Wayland the window cannot be kept on top of other windows; through XWayland, which Tivvet uses unless told otherwise, it can.</source>
        <extracomment>On standard error; &quot;tivvet:&quot; names the program and stays as it is.</extracomment>
        <translation>tivvet: en Wayland la ventana no puede mantenerse por encima de las demás; a través de XWayland, que Tivvet usa salvo que se le indique otra cosa, sí puede.</translation>
    </message>
    <message>
        <source>Tivvet runs already but does not answer: this one starts beside it, and saves nothing until that one has ended.</source>
        <translation>Tivvet ya está en ejecución pero no responde: esta instancia se inicia junto a la otra y no guarda nada hasta que aquella termine.</translation>
    </message>
</context>
</TS>
