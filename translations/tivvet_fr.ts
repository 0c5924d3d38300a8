<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlarmCheck</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>An alarm&apos;s notification: &quot;Alarm I at 07:30 am&quot;, its time as the locale writes it.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message numerus="yes">
        <source>%n min late</source>
        <extracomment>How late an alarm went off, in its notification: &quot;15 min late&quot;.</extracomment>
        <translation>
            <numerusform>%n min de retard</numerusform>
            <numerusform>%n min de retard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h %1 min late</source>
        <extracomment>How late an alarm went off: &quot;9 h 50 min late&quot;; %n is the hours, %1 the minutes.</extracomment>
        <translation>
            <numerusform>%n h %1 min de retard</numerusform>
            <numerusform>%n h %1 min de retard</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at %2, %3: the computer was asleep</source>
        <extracomment>An alarm&apos;s notification when it goes off late: &quot;Alarm I at 07:30 pm, 15 min late: the computer was asleep&quot;.</extracomment>
        <translation>%1 à %2, %3&#xa0;: l&apos;ordinateur était en veille</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <extracomment>An alarm&apos;s notification when the program was held up: &quot;Alarm I at 07:30 pm, 1 min late&quot;.</extracomment>
        <translation>%1 à %2, %3</translation>
    </message>
    <message>
        <source>%1 at %2: the clocks went forward</source>
        <extracomment>An alarm&apos;s notification in the first minute after the clocks skipped its time.</extracomment>
        <translation>%1 à %2&#xa0;: l&apos;heure a été avancée</translation>
    </message>
    <message>
        <source>%1 at %2, snoozed</source>
        <extracomment>An alarm&apos;s notification when it goes off again after a snooze: &quot;Alarm I at 07:00 am, snoozed&quot;.</extracomment>
        <translation>%1 à %2, répété</translation>
    </message>
    <message>
        <source>%1 at %2, %3: Tivvet was not running</source>
        <extracomment>An alarm&apos;s notification when it went off late at the start: &quot;Alarm I at 07:00 am, 25 min late: Tivvet was not running&quot;.</extracomment>
        <translation>%1 à %2, %3&#xa0;: Tivvet n’était pas lancé</translation>
    </message>
    <message>
        <source>%1 at %2 was missed: Tivvet was not running; it is off now</source>
        <extracomment>A notification at the start for an alarm missed by more than 12 hours.</extracomment>
        <translation>%1 à %2 a été manqué&#xa0;: Tivvet n’était pas lancé&#xa0;; il est désactivé</translation>
    </message>
</context>
<context>
    <name>AlarmClock</name>
    <message>
        <source>alarm I</source>
        <extracomment>The alarm&apos;s bold title over its time, at most 115 pixels.</extracomment>
        <translation>réveil I</translation>
    </message>
    <message>
        <source>Alarm I</source>
        <extracomment>The alarm&apos;s name in its notification: &quot;Alarm I at 07:30 pm&quot;.</extracomment>
        <translation>Réveil I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>The alarm&apos;s bold title over its time, at most 115 pixels.</extracomment>
        <translation>réveil II</translation>
    </message>
    <message>
        <source>Alarm II</source>
        <extracomment>The alarm&apos;s name in its notification: &quot;Alarm II at 07:30 pm&quot;.</extracomment>
        <translation>Réveil II</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>Short: beside an option button, at most 30 pixels; the alarm switched on.</extracomment>
        <translation>actif</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>Short: beside an option button, at most 40 pixels; the alarm switched off.</extracomment>
        <translation>inactif</translation>
    </message>
    <message>
        <source>%1 on</source>
        <extracomment>The parts of an alarm, for assistive technology: &quot;alarm I on&quot;.</extracomment>
        <translation>%1 actif</translation>
    </message>
    <message>
        <source>%1 off</source>
        <extracomment>For assistive technology: &quot;alarm I off&quot;.</extracomment>
        <translation>%1 inactif</translation>
    </message>
    <message>
        <source>The alarm time cannot be read: the alarm is off.</source>
        <translation>L&apos;heure du réveil est illisible&#xa0;: le réveil reste inactif.</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>An alarm&apos;s fields, for assistive technology: &quot;alarm I hour&quot;, &quot;alarm I minute&quot;, &quot;alarm I am or pm&quot;.</extracomment>
        <translation>%1, heure</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1, minute</translation>
    </message>
    <message>
        <source>%1 am or pm</source>
        <translation>%1, am ou pm</translation>
    </message>
</context>
<context>
    <name>AlarmOptions</name>
    <message>
        <source>alarm I</source>
        <extracomment>Whose options these are, in the names assistive technology reads: &quot;alarm I sound play&quot;.</extracomment>
        <translation>réveil I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>Whose options these are, in the names assistive technology reads: &quot;alarm II sound play&quot;.</extracomment>
        <translation>réveil II</translation>
    </message>
</context>
<context>
    <name>AlertActions</name>
    <message>
        <source>No sound could be played: no sound server answered</source>
        <extracomment>A line under an alert&apos;s notification, as the next ones.</extracomment>
        <translation>Aucun son n&apos;a pu être joué&#xa0;: aucun serveur de son n&apos;a répondu</translation>
    </message>
    <message>
        <source>No sound could be played: no sound device</source>
        <translation>Aucun son n&apos;a pu être joué&#xa0;: aucun périphérique audio</translation>
    </message>
    <message>
        <source>Unable to play the sound!</source>
        <translation>Impossible de jouer le son&#xa0;!</translation>
    </message>
    <message>
        <source>Unable to play the sound! File not found!</source>
        <translation>Impossible de jouer le son&#xa0;! Fichier introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Unable to start the program!</source>
        <translation>Impossible de lancer le programme&#xa0;!</translation>
    </message>
    <message>
        <source>No sound could be played: the sound library could not be loaded</source>
        <translation>Aucun son n&apos;a pu être joué&#xa0;: la bibliothèque audio n&apos;a pas pu être chargée</translation>
    </message>
    <message>
        <source>It rang for 5 minutes unanswered.</source>
        <extracomment>A line under an alert&apos;s notification once its sound, rung until seen, has stopped.</extracomment>
        <translation>Il a sonné 5 minutes sans réponse.</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>A button beside OK on an alarm&apos;s message box: the alarm goes off again in 10 minutes.</extracomment>
        <translation>Répéter</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>A countdown timer and two alarm clocks</source>
        <extracomment>The comment of the entry that starts the program at login, which some desktops show.</extracomment>
        <translation>Un minuteur et deux réveils</translation>
    </message>
    <message>
        <source>ERROR #%1 : %2</source>
        <extracomment>A box&apos;s text when the start at login cannot be set: %1 is the error&apos;s number, %2 the system&apos;s own words. The next line, &quot;Please Exit and try again.&quot;, follows.</extracomment>
        <translation>ERREUR n°&#xa0;%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Please Exit and try again.</source>
        <translation>Veuillez quitter puis réessayer.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>The countdown ran out at %1.</source>
        <extracomment>A notification told late; %1 is the time of day as the locale writes it: &quot;7:31 pm&quot;, &quot;19:31&quot;.</extracomment>
        <translation>Le compte à rebours s&apos;est terminé à %1.</translation>
    </message>
    <message>
        <source>The countdown has run out.</source>
        <translation>Le compte à rebours est terminé.</translation>
    </message>
    <message>
        <source>The countdown has %1 left.</source>
        <extracomment>The time left is written as 00:05:00.</extracomment>
        <translation>Il reste %1 au compte à rebours.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>timer</source>
        <extracomment>The countdown&apos;s bold title, over its three boxes.</extracomment>
        <translation>minuteur</translation>
    </message>
    <message>
        <source>hrs</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s hours.</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>timer hours</source>
        <translation>minuteur, heures</translation>
    </message>
    <message>
        <source>mins</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s minutes.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>timer minutes</source>
        <translation>minuteur, minutes</translation>
    </message>
    <message>
        <source>secs</source>
        <extracomment>Short: under a box of two digits, 30 pixels: the countdown&apos;s seconds.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>timer seconds</source>
        <translation>minuteur, secondes</translation>
    </message>
    <message>
        <source>time remaining</source>
        <extracomment>Over the countdown&apos;s display of the time left.</extracomment>
        <translation>temps restant</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>Short: a small button, 36 pixels, that starts the countdown.</extracomment>
        <translation>départ</translation>
    </message>
    <message>
        <source>timer start</source>
        <translation>minuteur, départ</translation>
    </message>
    <message>
        <source>pause</source>
        <extracomment>Short: a small button, 36 pixels, that stops the countdown where it is.</extracomment>
        <translation>pause</translation>
    </message>
    <message>
        <source>timer pause</source>
        <translation>minuteur, pause</translation>
    </message>
    <message>
        <source>reset</source>
        <extracomment>Short: a small button, 36 pixels, that empties the countdown.</extracomment>
        <translation>RAZ</translation>
    </message>
    <message>
        <source>timer reset</source>
        <translation>minuteur, remise à zéro</translation>
    </message>
</context>
<context>
    <name>DBusNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>A notification&apos;s button, which brings the program&apos;s window back.</extracomment>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <extracomment>A button on an alarm&apos;s notification: the alarm goes off again in 10 minutes.</extracomment>
        <translation>Répéter dans 10 minutes</translation>
    </message>
</context>
<context>
    <name>DBusSleepInhibitor</name>
    <message>
        <source>Counting down or ringing</source>
        <extracomment>Why the computer is kept awake, as the desktop may show it.</extracomment>
        <translation>Compte à rebours ou sonnerie en cours</translation>
    </message>
</context>
<context>
    <name>KeptAlarms</name>
    <message>
        <source>%1 was on for %2 when Tivvet ended; it is off now</source>
        <extracomment>A notification at the start when &quot;keep alarms&quot; is off: &quot;Alarm I was on for 07:00 am when Tivvet ended; it is off now&quot;.</extracomment>
        <translation>%1 était activé pour %2 quand Tivvet s’est arrêté&#xa0;; il est désactivé</translation>
    </message>
</context>
<context>
    <name>MessageGroup</name>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box (60 pixels); the alarm shows the message only when it is checked.</extracomment>
        <translation>activer</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>Short: a small button (41 pixels) that empties the message.</extracomment>
        <translation>effacer</translation>
    </message>
    <message>
        <source>%1 message clear</source>
        <extracomment>For assistive technology; %1 is whose message it is: &quot;alarm I&quot;.</extracomment>
        <translation>%1, effacer le message</translation>
    </message>
    <message>
        <source>custom message</source>
        <extracomment>The caption of the message&apos;s group.</extracomment>
        <translation>message personnalisé</translation>
    </message>
    <message>
        <source>%1 custom message</source>
        <translation>%1, message personnalisé</translation>
    </message>
    <message>
        <source>%1 message activate</source>
        <translation>%1, activer le message</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source>notify times</source>
        <extracomment>The caption of the group of notify times, 100 pixels wide.</extracomment>
        <translation>avertissements</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <extracomment>Beside a check box, 75 pixels: the countdown warns when 60, 30, 15 or 5 minutes are left.</extracomment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>timer notify %1</source>
        <extracomment>A notify time&apos;s box, for assistive technology: &quot;timer notify 5 minutes&quot;.</extracomment>
        <translation>minuteur, avertir à %1 de la fin</translation>
    </message>
    <message>
        <source>custom notify time</source>
        <extracomment>The caption of the custom notify time&apos;s group, 110 pixels wide: a time left, hh:mm:ss.</extracomment>
        <translation>avert. personnalisé</translation>
    </message>
    <message>
        <source>custom notify hours</source>
        <extracomment>The custom notify time&apos;s fields, for assistive technology.</extracomment>
        <translation>avertissement personnalisé, heures</translation>
    </message>
    <message>
        <source>custom notify minutes</source>
        <translation>avertissement personnalisé, minutes</translation>
    </message>
    <message>
        <source>custom notify seconds</source>
        <translation>avertissement personnalisé, secondes</translation>
    </message>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box; the countdown warns at the custom time only when it is checked.</extracomment>
        <translation>activer</translation>
    </message>
    <message>
        <source>custom notify activate</source>
        <translation>avertissement personnalisé, activer</translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>timer</source>
        <extracomment>The bold title of the countdown&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens the countdown&apos;s options.</extracomment>
        <translation>minuteur</translation>
    </message>
    <message>
        <source>alarm I</source>
        <extracomment>The bold title of alarm I&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens alarm I&apos;s options.</extracomment>
        <translation>réveil I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>The bold title of alarm II&apos;s options panel.
----------
Short: a small button, 60 pixels, that opens alarm II&apos;s options.</extracomment>
        <translation>réveil II</translation>
    </message>
    <message>
        <source>close options</source>
        <extracomment>Short: a small button, 77 pixels, that hides the options panels.</extracomment>
        <translation>fermer options</translation>
    </message>
    <message>
        <source>options</source>
        <extracomment>The caption over the three buttons that open the options panels, 65 pixels wide.</extracomment>
        <translation>options</translation>
    </message>
    <message>
        <source>timer options</source>
        <translation>options du minuteur</translation>
    </message>
    <message>
        <source>alarm I options</source>
        <translation>options du réveil I</translation>
    </message>
    <message>
        <source>alarm II options</source>
        <translation>options du réveil II</translation>
    </message>
    <message>
        <source>start with windows</source>
        <extracomment>Beside a check box, 130 pixels: the program starts when the user logs in to the desktop. Say it as your language&apos;s desktops do, not word for word.</extracomment>
        <translation>démarrer à la connexion</translation>
    </message>
    <message>
        <source>start minimized</source>
        <extracomment>Beside a check box, 110 pixels: the program starts with only its icon in the tray.</extracomment>
        <translation>démarrer réduit</translation>
    </message>
    <message>
        <source>ring until seen</source>
        <extracomment>Beside a check box, 130 pixels: the sound of an alarm or of the countdown&apos;s end plays again and again until the user answers it.</extracomment>
        <translation>sonner jusqu’à réponse</translation>
    </message>
    <message>
        <source>keep alarms</source>
        <extracomment>Beside a check box, 110 pixels: the alarms set at the end come back at the next start.</extracomment>
        <translation>garder les réveils</translation>
    </message>
</context>
<context>
    <name>OptionsFiles</name>
    <message>
        <source>larger than 1 MiB</source>
        <extracomment>Why an options file was not read, after its path: &quot;…/wav.txt: larger than 1 MiB&quot;.</extracomment>
        <translation>taille supérieure à 1&#xa0;Mio</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>OptionsTexts</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s path and why it could not be read or written.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) 2026 The Tivvet developers</source>
        <translation>Copyright (C) 2026 Les développeurs de Tivvet</translation>
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
        <translation>choisir</translation>
    </message>
    <message>
        <source>%1 program browse</source>
        <extracomment>For assistive technology; %1 is whose program it is: &quot;alarm I&quot;.</extracomment>
        <translation>%1, choisir le programme</translation>
    </message>
    <message>
        <source>activate</source>
        <extracomment>Short: beside a check box (60 pixels); the alarm starts the program only when it is checked.</extracomment>
        <translation>activer</translation>
    </message>
    <message>
        <source>program (.exe)</source>
        <extracomment>The caption of the program&apos;s group, 90 pixels wide.</extracomment>
        <translation>programme</translation>
    </message>
    <message>
        <source>%1 program</source>
        <translation>%1, programme</translation>
    </message>
    <message>
        <source>%1 program activate</source>
        <translation>%1, activer le programme</translation>
    </message>
    <message>
        <source>The program and its arguments, as a terminal takes them: quotes and \ keep blanks, and ~/ at the start of a word is the home folder; nothing else is expanded and no shell runs.</source>
        <extracomment>The tooltip of an alarm&apos;s program box.</extracomment>
        <translation>Le programme et ses arguments, tels qu&apos;un terminal les lit&#xa0;: les guillemets et \ préservent les espaces, et ~/ en début de mot désigne le dossier personnel&#xa0;; rien d&apos;autre n&apos;est développé et aucun shell n&apos;est lancé.</translation>
    </message>
    <message>
        <source>Select Program</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Choisir un programme</translation>
    </message>
    <message>
        <source>Executable Files (*)</source>
        <extracomment>The one kind of file offered: every file, &quot;(*)&quot; kept.</extracomment>
        <translation>Fichiers exécutables (*)</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>SdlSoundPlayer</name>
    <message>
        <source>tivvet: no sound can be played: %1</source>
        <extracomment>On standard error, before the sound library&apos;s or sound system&apos;s own words (in English).</extracomment>
        <translation>tivvet: aucun son ne peut être joué&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1: cannot be written</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1&#xa0;: écriture impossible</translation>
    </message>
</context>
<context>
    <name>SoundGroup</name>
    <message>
        <source>Wav Files (*.wav *.WAV)</source>
        <extracomment>A kind of file in the file dialog; the patterns in brackets stay as they are.</extracomment>
        <translation>Fichiers WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sound Files (%1)</source>
        <extracomment>A kind of file in the file dialog; %1 is the patterns of every kind the program plays.</extracomment>
        <translation>Fichiers audio (%1)</translation>
    </message>
    <message>
        <source>browse</source>
        <extracomment>Short: a small button (41 pixels) that opens the file dialog.</extracomment>
        <translation>choisir</translation>
    </message>
    <message>
        <source>%1 sound browse</source>
        <extracomment>For assistive technology; %1 is whose sound it is: &quot;timer&quot;, &quot;alarm I&quot;.</extracomment>
        <translation>%1, choisir le son</translation>
    </message>
    <message>
        <source>play</source>
        <extracomment>Short: a small button (41 pixels) that plays the sound.</extracomment>
        <translation>écouter</translation>
    </message>
    <message>
        <source>%1 sound play</source>
        <translation>%1, écouter le son</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>Short: a small button (41 pixels) that puts the sound that comes with the program back.</extracomment>
        <translation>défaut</translation>
    </message>
    <message>
        <source>%1 sound default</source>
        <translation>%1, son par défaut</translation>
    </message>
    <message>
        <source>sound (.wav)</source>
        <extracomment>The caption of the sound&apos;s group, 90 pixels wide.</extracomment>
        <translation>son (.wav)</translation>
    </message>
    <message>
        <source>%1 sound file</source>
        <translation>%1, fichier son</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Choisir un son</translation>
    </message>
</context>
<context>
    <name>SystemClock</name>
    <message>
        <source>The wall clock is not watched: a clock set or a wake from sleep shows at the next minute.</source>
        <translation>L&apos;horloge système n&apos;est pas surveillée&#xa0;: un changement d&apos;heure ou une sortie de veille n&apos;apparaît qu&apos;à la minute suivante.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Popup</source>
        <extracomment>The tray menu&apos;s title, which few desktops show.</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The tray menu&apos;s item that brings the window back.</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The tray menu&apos;s item that ends the program.</extracomment>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>TrayTip</name>
    <message>
        <source>%1 left</source>
        <extracomment>The first line of the tray icon&apos;s tooltip while the countdown runs or is paused.</extracomment>
        <translation>%1 restant</translation>
    </message>
    <message>
        <source> Click Right Mouse Button </source>
        <extracomment>The tray icon&apos;s tooltip, with one blank before and after it; at most 62 characters.</extracomment>
        <translation> Cliquez avec le bouton droit de la souris </translation>
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
        <translation>%1, augmenter</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1, diminuer</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version 3.0 for Windows 95, 98, and NT</source>
        <extracomment>The About window&apos;s bold version line, centred; at most 280 pixels.</extracomment>
        <translation>Version 3.0 pour Windows 95, 98 et NT</translation>
    </message>
    <message>
        <source>Please visit our home on the Web at:</source>
        <translation>Retrouvez-nous sur le Web à l&apos;adresse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>frmColor</name>
    <message>
        <source>timer entry background</source>
        <extracomment>The colour boxes, for assistive technology.</extracomment>
        <translation>minuteur, fond du temps saisi</translation>
    </message>
    <message>
        <source>timer entry text</source>
        <translation>minuteur, texte du temps saisi</translation>
    </message>
    <message>
        <source>timer remaining background</source>
        <translation>minuteur, fond du temps restant</translation>
    </message>
    <message>
        <source>timer remaining text</source>
        <translation>minuteur, texte du temps restant</translation>
    </message>
    <message>
        <source>alarm I background</source>
        <translation>réveil I, fond</translation>
    </message>
    <message>
        <source>alarm I text</source>
        <translation>réveil I, texte</translation>
    </message>
    <message>
        <source>alarm II background</source>
        <translation>réveil II, fond</translation>
    </message>
    <message>
        <source>alarm II text</source>
        <translation>réveil II, texte</translation>
    </message>
    <message>
        <source>Custom Color</source>
        <extracomment>The colour window&apos;s title.</extracomment>
        <translation>Couleurs personnalisées</translation>
    </message>
    <message>
        <source>timer</source>
        <extracomment>A bold title on a frame&apos;s top edge: the countdown&apos;s colours.</extracomment>
        <translation>minuteur</translation>
    </message>
    <message>
        <source>alarm I</source>
        <extracomment>A bold title on a frame&apos;s top edge: alarm I&apos;s colours.</extracomment>
        <translation>réveil I</translation>
    </message>
    <message>
        <source>alarm II</source>
        <extracomment>A bold title on a frame&apos;s top edge: alarm II&apos;s colours.</extracomment>
        <translation>réveil II</translation>
    </message>
    <message>
        <source>enter time</source>
        <extracomment>Over the colours of the countdown&apos;s boxes for the time entered.</extracomment>
        <translation>saisie</translation>
    </message>
    <message>
        <source>time remaining</source>
        <extracomment>Over the colours of the countdown&apos;s display of the time left.</extracomment>
        <translation>temps restant</translation>
    </message>
    <message>
        <source>back color</source>
        <extracomment>Beside a colour box, 65 pixels: the display&apos;s background colour.</extracomment>
        <translation>fond</translation>
    </message>
    <message>
        <source>font color</source>
        <extracomment>Beside a colour box, 65 pixels: the display&apos;s text colour.</extracomment>
        <translation>texte</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>Short: a small button, 40 pixels, that puts the colour it had at first back.</extracomment>
        <translation>défaut</translation>
    </message>
    <message>
        <source>%1 default</source>
        <extracomment>The &quot;default&quot; button of a colour, for assistive technology.</extracomment>
        <translation>%1 par défaut</translation>
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
        <translation>MINUTEUR
********
Tapez la durée du compte à rebours dans les trois cases
sous «&#xa0;h&#xa0;», «&#xa0;min&#xa0;» et «&#xa0;s&#xa0;», deux chiffres au plus dans
chacune. L&apos;affichage sous «&#xa0;temps restant&#xa0;» montre toute
la durée d&apos;un coup&#xa0;: 90&#xa0;minutes s&apos;affichent 01:30:00, et
99&#xa0;heures, 99&#xa0;minutes et 99&#xa0;secondes 100:40:39. Le compte
à rebours dure tout le temps saisi, même au-delà d&apos;un jour.</translation>
    </message>
    <message>
        <source>START BUTTON 
*********************
Press &quot;start&quot; to count down one second every second.
While the timer runs, &quot;reset&quot; is disabled. When the
count reaches 00:00:00 the timer sound plays, the timer
stops and the window comes back, even from the tray.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>BOUTON DÉPART 
*************
Appuyez sur «&#xa0;départ&#xa0;» pour lancer le décompte, seconde
après seconde. Pendant le décompte, «&#xa0;RAZ&#xa0;» est désactivé.
Quand le compte atteint 00:00:00, le son du minuteur
retentit, le minuteur s&apos;arrête et la fenêtre réapparaît,
même si elle était dans la zone de notification.</translation>
    </message>
    <message>
        <source>PAUSE BUTTON
*********************
Press &quot;pause&quot; to stop the count where it is. Press
&quot;start&quot; to go on from there; the part of the second that
had run is kept, so the timer still keeps exact time.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>BOUTON PAUSE
************
Appuyez sur «&#xa0;pause&#xa0;» pour arrêter le décompte là où il
en est. Appuyez sur «&#xa0;départ&#xa0;» pour reprendre de là&#xa0;; la
fraction de seconde déjà écoulée est conservée, le
minuteur reste donc exact.</translation>
    </message>
    <message>
        <source>RESET BUTTON
*********************
Press &quot;reset&quot; (after &quot;pause&quot;, or once the timer has gone
off) to empty the three boxes and set the display back
to 00:00:00. The cursor is then in the hours box.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>BOUTON RAZ
**********
Appuyez sur «&#xa0;RAZ&#xa0;» (après «&#xa0;pause&#xa0;», ou une fois le
minuteur écoulé) pour remettre à zéro&#xa0;: les trois cases
sont vidées et l&apos;affichage revient à 00:00:00. Le curseur
est alors dans la case des heures.</translation>
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
        <translation>RÉVEILS  I et II
****************
Chaque réveil affiche son heure en deux champs, heure
et minute, au format 24&#xa0;heures. Cliquez sur un champ,
puis utilisez les flèches à côté du réveil, ou les
touches Haut et Bas, pour l&apos;augmenter ou le diminuer
d&apos;un cran&#xa0;: les heures vont de 00 à 23, les minutes de
00 à 59. Vous pouvez aussi taper dans les champs&#xa0;: une
heure de 00 à 23 est prise telle quelle. Cliquez sur
«&#xa0;actif&#xa0;» pour armer le réveil et sur «&#xa0;inactif&#xa0;» pour
le désarmer&#xa0;; un réveil dont l&apos;heure est illisible
reste inactif, et un message vous le signale. À la
minute choisie, le réveil sonne, ramène la fenêtre,
affiche son message et lance son programme (s&apos;ils sont
activés), puis se désactive. Activé pendant sa propre
minute, il sonne aussitôt.</translation>
    </message>
    <message>
        <source>TIMER OPTIONS
*********************
Press &quot;timer&quot; under &quot;options&quot; to open the timer&apos;s panel:
its sound, the notify times and the custom notify time.
Press &quot;close options&quot; to shrink the window again; the
options are saved at once.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPTIONS DU MINUTEUR
*******************
Appuyez sur «&#xa0;minuteur&#xa0;» sous «&#xa0;options&#xa0;» pour ouvrir le
panneau du minuteur&#xa0;: le son, les avertissements et
l&apos;avertissement personnalisé. Appuyez sur
«&#xa0;fermer options&#xa0;» pour réduire à nouveau la fenêtre&#xa0;; les
options sont enregistrées aussitôt.</translation>
    </message>
    <message>
        <source>ALARM I OPTIONS
***********************
Press &quot;alarm I&quot; under &quot;options&quot; to open the panel of
Alarm I: its sound, the program it starts and the
message it shows.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPTIONS DU RÉVEIL I
*******************
Appuyez sur «&#xa0;réveil I&#xa0;» sous «&#xa0;options&#xa0;» pour ouvrir le
panneau du réveil I&#xa0;: le son, le programme qu&apos;il lance et
le message qu&apos;il affiche.</translation>
    </message>
    <message>
        <source>ALARM II OPTIONS
************************
Press &quot;alarm II&quot; under &quot;options&quot; to open the panel of
Alarm II, which has the same choices as Alarm I.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>OPTIONS DU RÉVEIL II
********************
Appuyez sur «&#xa0;réveil II&#xa0;» sous «&#xa0;options&#xa0;» pour ouvrir le
panneau du réveil II, qui offre les mêmes choix que le
réveil I.</translation>
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
        <translation>CHOISIR UN SON
**************
Tapez le chemin d&apos;un fichier WAV dans la case du son, ou
appuyez sur «&#xa0;choisir&#xa0;» pour en sélectionner un. Appuyez
sur «&#xa0;écouter&#xa0;» pour l&apos;entendre&#xa0;; un fichier qui ne peut
pas être joué est signalé. Appuyez sur «&#xa0;défaut&#xa0;» pour
utiliser le son fourni avec The Tivvet. Un son qui ne
peut pas être joué quand le minuteur ou un réveil sonne
est remplacé par le son par défaut.

* NOTE *  Le chemin complet du fichier est obligatoire.

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
        <translation>CHOISIR UN PROGRAMME
********************
Tapez dans la case du programme celui que le réveil doit
lancer, avec ses arguments s&apos;il en a besoin, ou appuyez
sur «&#xa0;choisir&#xa0;» pour le sélectionner. Cochez «&#xa0;activer&#xa0;»
pour que le réveil le lance. Un programme qui ne peut
pas être lancé est signalé.

* NOTE *  Le chemin complet du fichier est obligatoire.

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
        <translation>MESSAGE PERSONNALISÉ
********************
Tapez un message dans la case du message et cochez
«&#xa0;activer&#xa0;» pour que le réveil l&apos;affiche. Le programme,
s&apos;il y en a un, est lancé quand vous fermez le message
avec OK. Appuyez sur «&#xa0;effacer&#xa0;» pour vider la case&#xa0;; une
case vide ne peut pas être activée.</translation>
    </message>
    <message>
        <source>NOTIFY TIMES  ( * timer only * )
**************************************
Check &quot;60 minutes&quot;, &quot;30 minutes&quot;, &quot;15 minutes&quot; or
&quot;5 minutes&quot; to be warned when that much time is left:
the timer sound plays and the window comes back.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>AVERTISSEMENTS  ( * minuteur seulement * )
******************************************
Cochez «&#xa0;60&#xa0;minutes&#xa0;», «&#xa0;30&#xa0;minutes&#xa0;», «&#xa0;15&#xa0;minutes&#xa0;» ou
«&#xa0;5&#xa0;minutes&#xa0;» pour être averti quand il reste ce temps&#xa0;:
le son du minuteur retentit et la fenêtre réapparaît.</translation>
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
        <translation>AVERTISSEMENT PERSONNALISÉ  ( * minuteur seulement * )
******************************************************
Réglez un temps de votre choix avec les trois champs et
les flèches à côté, puis cochez «&#xa0;activer&#xa0;». Le minuteur
vous avertit quand le temps restant l&apos;atteint. Un temps
de 00:00:00, ou qui n&apos;est pas une heure valide, ne peut
pas être activé.</translation>
    </message>
    <message>
        <source>CUSTOM COLOR
**********************
Press &quot;color&quot; to choose the colours of the four
displays. Click a colour box to pick a colour; the
display changes at once. Press &quot;default&quot; beside it to
go back to the colour it had at first.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>COULEURS PERSONNALISÉES
***********************
Appuyez sur «&#xa0;couleurs&#xa0;» pour choisir les couleurs des
quatre affichages. Cliquez sur une case de couleur pour
en choisir une&#xa0;; l&apos;affichage change aussitôt. Appuyez
sur «&#xa0;défaut&#xa0;» à côté pour revenir à la couleur
d&apos;origine.</translation>
    </message>
    <message>
        <source>START MINIMIZED
************************
Check &quot;start minimized&quot; (in the options area) to have
The Tivvet start with only its icon in the tray.
Minimising the window also hides it in the tray; double
click the icon, or use its menu, to bring it back.</source>
        <extracomment>A section of the user guide, laid out as the first.</extracomment>
        <translation>DÉMARRER RÉDUIT
***************
Cochez «&#xa0;démarrer réduit&#xa0;» (dans la zone des options)
pour que The Tivvet démarre avec seulement son icône dans
la zone de notification. Réduire la fenêtre la place
aussi dans la zone de notification&#xa0;; double-cliquez sur
l&apos;icône, ou utilisez son menu, pour la faire réapparaître.</translation>
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
        <translation>DÉMARRER À LA CONNEXION ( * 95/98 seulement * )
***********************************************
Cochez «&#xa0;démarrer à la connexion&#xa0;» pour que The Tivvet
démarre quand vous ouvrez votre session&#xa0;: une entrée est
ajoutée à votre dossier de démarrage automatique
(~/.config/autostart). Décochez la case et cette entrée
ne lance plus rien.

* NOTE *  Si votre bureau ne lit pas le dossier de
démarrage automatique, ajoutez le programme lui-même à
sa liste de programmes lancés au démarrage&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Questions and comments are welcome; please write to
%1.</source>
        <extracomment>The help text&apos;s last lines but the copyright; %1 is the address to write to.</extracomment>
        <translation>Vos questions et remarques sont les bienvenues&#xa0;; écrivez à
%1.</translation>
    </message>
    <message>
        <source>Help!</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Aide&#xa0;!</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The help text&apos;s box, for assistive technology.</extracomment>
        <translation>Aide</translation>
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
        <translation>SONNER JUSQU’À RÉPONSE
**********************
Cochez «&#xa0;sonner jusqu’à réponse&#xa0;» (sous
«&#xa0;démarrer à la connexion&#xa0;», visible quand un panneau
d&apos;options est ouvert) pour que la fin du compte à rebours
et chaque réveil jouent leur son encore et encore, à une
seconde d&apos;intervalle, jusqu&apos;à ce que vous voyiez l&apos;alerte,
ou pendant 5&#xa0;minutes au plus. Vous la voyez avec OK ou
«&#xa0;Répéter&#xa0;» sur son message, «&#xa0;Afficher&#xa0;» sur sa
notification, Restaurer dans le menu de la zone de
notification, un clic ou une touche dans la fenêtre, ou en
fermant sa notification. Les avertissements avant la fin
sonnent une seule fois. Voir une alerte arrête toujours sa
sonnerie.</translation>
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
        <translation>RÉPÉTER
*******
La notification d&apos;un réveil propose
«&#xa0;Répéter dans 10&#xa0;minutes&#xa0;», et son message un bouton
«&#xa0;Répéter&#xa0;» à côté de OK&#xa0;: le réveil reste actif et sonne
de nouveau au début de la minute, dix minutes plus tard. Le
désactiver ou choisir une nouvelle heure met fin à la
répétition.</translation>
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
        <translation>GARDER LES RÉVEILS
******************
Cochez «&#xa0;garder les réveils&#xa0;» (à côté de
«&#xa0;sonner jusqu’à réponse&#xa0;») pour que les réveils, leurs
cases «&#xa0;activer&#xa0;» et les avertissements du compte à rebours
reviennent au démarrage suivant tels qu&apos;ils étaient à la
fin&#xa0;; c&apos;est utile avec «&#xa0;démarrer à la connexion&#xa0;». Un
réveil dont l&apos;heure est passée pendant que The Tivvet
n&apos;était pas lancé sonne une fois le démarrage terminé, en
indiquant son retard et pourquoi&#xa0;; avec plus de 12&#xa0;heures
de retard, il reste inactif et une notification signale
qu&apos;il a été manqué. Si la case est décochée, The Tivvet
démarre avec les deux réveils inactifs et signale une fois
si l&apos;un d&apos;eux était actif à la fin. L&apos;info-bulle de l&apos;icône
de la zone de notification montre le temps restant du
compte à rebours et chaque réveil actif.</translation>
    </message>
</context>
<context>
    <name>frmTivvet</name>
    <message>
        <source>timer</source>
        <extracomment>Whose sound it is, in the names assistive technology reads: &quot;timer sound play&quot;.</extracomment>
        <translation>minuteur</translation>
    </message>
    <message>
        <source>  The Tivvet  3.0</source>
        <extracomment>The window&apos;s title: the product&apos;s name and version, with two blanks before each.</extracomment>
        <translation>  The Tivvet  3.0</translation>
    </message>
    <message>
        <source>Unable to save the options!</source>
        <extracomment>A box&apos;s heading over the files that could not be written, a line each.</extracomment>
        <translation>Impossible d&apos;enregistrer les options&#xa0;!</translation>
    </message>
    <message>
        <source>color</source>
        <extracomment>Short: a small button (60 pixels) that opens the colour window.</extracomment>
        <translation>couleurs</translation>
    </message>
    <message>
        <source>help</source>
        <extracomment>Short: a small button (60 pixels) that opens the help window.</extracomment>
        <translation>aide</translation>
    </message>
    <message>
        <source>about</source>
        <extracomment>Short: a small button (60 pixels) that opens the About window.</extracomment>
        <translation>à propos</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>Short: a small button (60 pixels) that ends the program.</extracomment>
        <translation>quitter</translation>
    </message>
    <message>
        <source>Unable to read the options!</source>
        <extracomment>A box&apos;s heading over the files that could not be read, a line each.</extracomment>
        <translation>Impossible de lire les options&#xa0;!</translation>
    </message>
    <message>
        <source>%1 - not saved: another Tivvet is running</source>
        <extracomment>The window&apos;s title while another Tivvet, which does not answer, holds the user&apos;s files; %1 is the usual title.</extracomment>
        <translation>%1 – non enregistré&#xa0;: un autre Tivvet est lancé</translation>
    </message>
    <message>
        <source>Another Tivvet is running and does not answer.</source>
        <extracomment>Under &quot;Unable to save the options!&quot; at the end, in place of the files&apos; names.</extracomment>
        <translation>Un autre Tivvet est lancé et ne répond pas.</translation>
    </message>
</context>
<context>
    <name>tivvet</name>
    <message>
        <source>A countdown timer with warnings before it expires, two alarm clocks and a clock, in a small window that stays on top.</source>
        <translation>Un minuteur qui avertit avant la fin du compte à rebours, deux réveils et une horloge, dans une petite fenêtre toujours au premier plan.</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>aucun argument n&apos;est accepté</translation>
    </message>
    <message>
        <source>Try &apos;tivvet --help&apos; for more.</source>
        <extracomment>On standard error after a wrong command line; &quot;tivvet --help&quot; stays as it is.</extracomment>
        <translation>Saisissez «&#xa0;tivvet --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Tivvet runs already: it was asked to show its window.</source>
        <translation>Tivvet est déjà lancé&#xa0;: il lui a été demandé d&apos;afficher sa fenêtre.</translation>
    </message>
    <message>
        <source>Tivvet runs already: its window is brought back.</source>
        <translation>Tivvet est déjà lancé&#xa0;: sa fenêtre est réaffichée.</translation>
    </message>
    <message>
        <source>tivvet: on Wayland the window cannot be kept on top of other windows; through XWayland, which Tivvet uses unless told otherwise, it can.</source>
        <extracomment>On standard error; &quot;tivvet:&quot; names the program and stays as it is.</extracomment>
        <translation>tivvet: sous Wayland, la fenêtre ne peut pas rester au premier plan au-dessus des autres&#xa0;; elle le peut via XWayland, que Tivvet utilise sauf indication contraire.</translation>
    </message>
    <message>
        <source>Tivvet runs already but does not answer: this one starts beside it, and saves nothing until that one has ended.</source>
        <translation>Tivvet est déjà lancé mais ne répond pas&#xa0;: cette instance démarre en parallèle et n&apos;enregistre rien tant que la première n&apos;est pas fermée.</translation>
    </message>
</context>
</TS>
