<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>not readable: %1</source>
        <extracomment>In place of a count of rows that could not be read; %1 is the reason.</extracomment>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>The size of the game database file; %1 is the number of bytes, grouped.</extracomment>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>In place of the size of a game database file that is not there.</extracomment>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Programmordner</translation>
    </message>
    <message>
        <source>Game database</source>
        <translation>Spieldatenbank</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Gegenstände</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Ränge</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Kelvara Utility</source>
        <extracomment>The program&apos;s name in the applications menu.</extracomment>
        <translation>Kelvara Utility</translation>
    </message>
    <message>
        <source>Game Clock Companion</source>
        <extracomment>What kind of program it is, shown beside or below its name in the applications menu.</extracomment>
        <translation>Spieluhr-Begleiter</translation>
    </message>
    <message>
        <source>Real and Kelvara game clock, good moon forecasts, character files and item stats</source>
        <extracomment>The tooltip of the program in the applications menu.</extracomment>
        <translation>Echte und Kelvara-Spieluhr, Vorhersagen des guten Monds, Charakterdateien und Gegenstandswerte</translation>
    </message>
    <message>
        <source>Kelvara;game;clock;moon;reminder;calendar;character;items;</source>
        <extracomment>Words the applications menu&apos;s search finds the program by. Translate each word (several words per word are fine); each one, the last too, is followed by a semicolon, with no spaces around it.</extracomment>
        <translation>Kelvara;Spiel;Uhr;Mond;Erinnerung;Kalender;Charakter;Gegenstände;</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>%1: table &quot;%2&quot;, row %3, column %4.</source>
        <extracomment>%1 is what went wrong (Overflow, Type mismatch...), %2 a table of the game database (a name that stays), %3 the row and %4 the column, numbers.</extracomment>
        <translation>%1: Tabelle „%2“, Zeile %3, Spalte %4.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Unzulässige Verwendung von Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>No row in tblMaterial has MaterialID %1</source>
        <translation>In tblMaterial gibt es keine Zeile mit MaterialID %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the character file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Die Charakterdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not open for reading</source>
        <translation>die Datei ist nicht zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved, after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;: %1 and %2 are numbers of bytes.</extracomment>
        <translation>nur %1 von %2 Bytes wurden geschrieben</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <extracomment>Why a file cannot be used, after &quot;Cannot read &quot;&lt;file&gt;&quot;: &quot;.</extracomment>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a device or stream of the system, not a file</source>
        <extracomment>Why a file is not saved: its name is one of the system&apos;s devices or streams, such as /dev/stdout.</extracomment>
        <translation>es ist ein Gerät oder Datenstrom des Systems, keine Datei</translation>
    </message>
    <message>
        <source>the program&apos;s own path is not known</source>
        <extracomment>Why the login entry is not written (after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;): the program&apos;s own path could not be found.</extracomment>
        <translation>der eigene Pfad des Programms ist nicht bekannt</translation>
    </message>
    <message>
        <source>its access control list cannot be kept: %1</source>
        <extracomment>Why a file is not saved: the saved copy would lose who else may read or write it. %1 is the system&apos;s reason.</extracomment>
        <translation>seine Zugriffssteuerungsliste kann nicht erhalten werden: %1</translation>
    </message>
    <message>
        <source>its extended attribute &quot;%1&quot; cannot be kept: %2</source>
        <extracomment>Why a file is not saved. %1 is an extended attribute&apos;s name (&quot;user.origin&quot;), %2 the system&apos;s reason.</extracomment>
        <translation>sein erweitertes Attribut „%1“ kann nicht erhalten werden: %2</translation>
    </message>
    <message>
        <source>its owner and group cannot be kept: %1</source>
        <extracomment>Why a file is not saved: it belongs to another user or group, which a saved copy would not. %1 is the system&apos;s reason.</extracomment>
        <translation>Besitzer und Gruppe können nicht erhalten werden: %1</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>YESTERDAY AT %1</source>
        <extracomment>The real day and clock time at which a game day began. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>GESTERN UM %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>HEUTE UM %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>MORGEN UM %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <extracomment>The real day (the day after tomorrow) and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>ÜBERMORGEN UM %1</translation>
    </message>
    <message numerus="yes">
        <source>%n DAY</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n TAG</numerusform>
            <numerusform>%n TAGE</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HOUR(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n STUNDE</numerusform>
            <numerusform>%n STUNDEN</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n MINUTE(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n MINUTE</numerusform>
            <numerusform>%n MINUTEN</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n SECOND(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n SEKUNDE</numerusform>
            <numerusform>%n SEKUNDEN</numerusform>
        </translation>
    </message>
    <message>
        <source>YESTERDAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish AYER A LA 1:19 PM).</extracomment>
        <translation>GESTERN UM %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish HOY A LA 1:19 PM).</extracomment>
        <translation>HEUTE UM %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish MAÑANA A LA 1:19 PM).</extracomment>
        <translation>MORGEN UM %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish PASADO MAÑANA A LA 1:19 PM).</extracomment>
        <translation>ÜBERMORGEN UM %1</translation>
    </message>
</context>
<context>
    <name>GameDataWatcher</name>
    <message numerus="yes">
        <source>The game database changed: %Ln items loaded.</source>
        <translation>
            <numerusform>Die Spieldatenbank hat sich geändert: %Ln Gegenstand geladen.</numerusform>
            <numerusform>Die Spieldatenbank hat sich geändert: %Ln Gegenstände geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game database changed, but the new file could not be read. The game data loaded before stays in use.
%1</source>
        <translation>Die Spieldatenbank hat sich geändert, aber die neue Datei konnte nicht gelesen werden. Die zuvor geladenen Spieldaten werden weiter verwendet.
%1</translation>
    </message>
    <message>
        <source>Game data</source>
        <translation>Spieldaten</translation>
    </message>
</context>
<context>
    <name>GameDatabase</name>
    <message>
        <source>The database &quot;%1&quot; is damaged: %2.</source>
        <translation>Die Datenbank „%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>Unsupported connection text: &quot;%1&quot;</source>
        <translation>Nicht unterstützte Verbindungsangabe: „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Jet 4.0 database.</source>
        <translation>„%1“ ist keine Jet-4.0-Datenbank.</translation>
    </message>
    <message>
        <source>its catalog cannot be read</source>
        <translation>ihr Katalog kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be found</source>
        <translation>eine Zeile der Tabelle „%1“ ist nicht auffindbar</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be read</source>
        <translation>eine Zeile der Tabelle „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; lies outside its page</source>
        <translation>eine Zeile der Tabelle „%1“ liegt außerhalb ihrer Seite</translation>
    </message>
    <message>
        <source>a value of table &quot;%1&quot; is cut short</source>
        <translation>ein Wert der Tabelle „%1“ ist abgeschnitten</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; was not found in &quot;%2&quot;.</source>
        <translation>Die Tabelle „%1“ wurde in „%2“ nicht gefunden.</translation>
    </message>
    <message>
        <source>the definition of table &quot;%1&quot; cannot be read</source>
        <translation>die Definition der Tabelle „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; cannot be read</source>
        <translation>die Spalten der Tabelle „%1“ können nicht gelesen werden</translation>
    </message>
    <message>
        <source>table &quot;%1&quot; does not end</source>
        <translation>die Tabelle „%1“ endet nicht</translation>
    </message>
    <message>
        <source>Could not find the database &quot;%1&quot;.</source>
        <translation>Die Datenbank „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; is not a file.</source>
        <translation>Die Datenbank „%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>Cannot open the database &quot;%1&quot;: %2</source>
        <translation>Die Datenbank „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The connection to the database is not open.</source>
        <translation>Die Verbindung zur Datenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>No column &quot;%1&quot; in table &quot;%2&quot;: %3</source>
        <translation>Keine Spalte „%1“ in der Tabelle „%2“: %3</translation>
    </message>
    <message>
        <source>Data type mismatch in criteria expression: %1</source>
        <translation>Datentypen im Kriterienausdruck unverträglich: %1</translation>
    </message>
    <message>
        <source>Unsupported SQL statement: &quot;%1&quot;</source>
        <translation>Nicht unterstützte SQL-Anweisung: „%1“</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>Die Datensatzgruppe ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>No current row in &quot;%1&quot;: %2</source>
        <translation>Keine aktuelle Zeile in „%1“: %2</translation>
    </message>
    <message>
        <source>Table &quot;%1&quot; has no column at position %2</source>
        <translation>Die Tabelle „%1“ hat keine Spalte an Position %2</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <extracomment>Why a game database cannot be read (after &quot;The database ... is damaged:&quot;).</extracomment>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>ItemBrowser</name>
    <message numerus="yes">
        <source>%1 of %Ln item(s)</source>
        <extracomment>How many items the filters let through (%1) of how many there are (%Ln), both grouped as the regional settings group digits.</extracomment>
        <translation>
            <numerusform>%1 von %Ln Gegenstand</numerusform>
            <numerusform>%1 von %Ln Gegenständen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemFinder</name>
    <message>
        <source>Items found</source>
        <extracomment>What a screen reader names the list of the items whose names hold the typed text.</extracomment>
        <translation>Gefundene Gegenstände</translation>
    </message>
</context>
<context>
    <name>ItemProxyModel</name>
    <message>
        <source>sorted ascending</source>
        <translation>aufsteigend sortiert</translation>
    </message>
    <message>
        <source>sorted descending</source>
        <translation>absteigend sortiert</translation>
    </message>
</context>
<context>
    <name>ItemTableModel</name>
    <message>
        <source>Item</source>
        <translation>Gegenstand</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>%1 (req.)</source>
        <extracomment>A column of what an item requires of a stat (%1, &quot;Strength&quot;) to be used.</extracomment>
        <translation>%1 (erf.)</translation>
    </message>
    <message>
        <source>%1 (mod 0)</source>
        <extracomment>A column of what an item&apos;s mod 0 (the game&apos;s term) changes a stat (%1) by.</extracomment>
        <translation>%1 (Mod 0)</translation>
    </message>
    <message>
        <source>%1 (mod 1)</source>
        <extracomment>A column of what an item&apos;s mod 1 (the game&apos;s term) changes a stat (%1) by.</extracomment>
        <translation>%1 (Mod 1)</translation>
    </message>
</context>
<context>
    <name>NextDay</name>
    <message>
        <source>You need to enter a day between 1 and 28.</source>
        <translation>Bitte einen Tag zwischen 1 und 28 eingeben.</translation>
    </message>
    <message>
        <source>Day %1 of the month will be in </source>
        <extracomment>The first line of the answer: %1 is the day of the game month. The wait and the real day and time follow on the next two lines. The blank at the end is part of the design.</extracomment>
        <translation>Tag %1 des Monats beginnt in </translation>
    </message>
    <message>
        <source>Enter day (1-28)</source>
        <extracomment>The prompt of the input box of Tools &gt; Next Specified Day.</extracomment>
        <translation>Tag eingeben (1-28)</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>Kelvara Utility is already running from this folder, but it does not answer. Start it again in a moment, or end the copy that is running.</source>
        <translation>Kelvara Utility läuft bereits aus diesem Ordner, antwortet aber nicht. Starten Sie es gleich noch einmal, oder beenden Sie die laufende Kopie.</translation>
    </message>
    <message>
        <source>Kelvara Utility is still starting or closing from this folder. Start it again once that is done.</source>
        <translation>Kelvara Utility wird in diesem Ordner noch gestartet oder beendet. Starten Sie es erneut, sobald das abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Kelvara Utility is already running from this folder for another user. Only one copy may use a folder&apos;s files at a time.</source>
        <translation>Kelvara Utility läuft bereits aus diesem Ordner für einen anderen Benutzer. Nur eine Kopie darf die Dateien eines Ordners zugleich verwenden.</translation>
    </message>
    <message>
        <source>Kelvara Utility cannot make sure that it runs only once from this folder: cannot lock %1. Should another copy run from it, both announce each reminder, and each saves over the other&apos;s clock.</source>
        <translation>Kelvara Utility kann nicht sicherstellen, dass es aus diesem Ordner nur einmal läuft: %1 kann nicht gesperrt werden. Läuft eine weitere Kopie aus ihm, kündigen beide jede Erinnerung an, und jede speichert über die Uhr der anderen.</translation>
    </message>
</context>
<context>
    <name>ProgramSettings</name>
    <message>
        <source>missing</source>
        <extracomment>Stands for a value the settings file does not have, as in &quot;day missing is not from 1 to 28&quot;.</extracomment>
        <translation>(fehlt)</translation>
    </message>
    <message>
        <source>day %1 is not from 1 to 28</source>
        <extracomment>Why a reminder of the settings file is not used: &quot;day&quot; is the key in the file, %1 its value in quotes.</extracomment>
        <translation>day %1 liegt nicht zwischen 1 und 28</translation>
    </message>
    <message>
        <source>minutes %1 is not from 0 to %2</source>
        <extracomment>Why a reminder is not used: &quot;minutes&quot; is the key in the file, %1 its value in quotes, %2 the largest.</extracomment>
        <translation>minutes %1 liegt nicht zwischen 0 und %2</translation>
    </message>
    <message>
        <source>enabled %1 is neither true nor false</source>
        <extracomment>Why a reminder is not used: &quot;enabled&quot; is the key in the file (it stays), %1 its value in quotes; true and false are the values the file takes (they stay).</extracomment>
        <translation>enabled %1 ist weder true noch false</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>[Tray] keepRunning %1 is neither true nor false</source>
        <translation>[Tray] keepRunning %1 ist weder true noch false</translation>
    </message>
    <message>
        <source>[Preferences] colours %1 is not desktop, light or dark</source>
        <translation>[Preferences] colours %1 ist nicht desktop, light oder dark</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not a number</source>
        <translation>die Anzahl der Erinnerungen %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>more than %1 reminders</source>
        <translation>mehr als %1 Erinnerungen</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <extracomment>An entry of the settings file that is not used: %1 is its number, %2 why.</extracomment>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>entry %1: more than %2 reminders</source>
        <translation>Eintrag %1: mehr als %2 Erinnerungen</translation>
    </message>
    <message>
        <source>entries %1 to %2: more than %3 reminders</source>
        <translation>Einträge %1 bis %2: mehr als %3 Erinnerungen</translation>
    </message>
    <message>
        <source>[Preferences] language %1 is not one of %2</source>
        <extracomment>%1 is the value in quotes, %2 the list of the language codes the file takes (they stay).</extracomment>
        <translation>[Preferences] language %1 ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not from 0 to %2</source>
        <extracomment>%1 is the value of &quot;size&quot; in quotes, %2 the largest number of reminders the file can hold.</extracomment>
        <translation>die Anzahl der Erinnerungen %1 liegt nicht zwischen 0 und %2</translation>
    </message>
    <message>
        <source>it is not all UTF-8, and could not be kept aside: %1</source>
        <extracomment>Why the settings file is not saved: it has lines that are not UTF-8, and the copy of it failed.</extracomment>
        <translation>die Datei ist nicht durchgehend UTF-8 und konnte nicht beiseitegelegt werden: %1</translation>
    </message>
    <message>
        <source>[MyStats] %1 %2 is not a whole number</source>
        <extracomment>A stat of the player&apos;s the settings file holds that is not used: %1 is its key in the file (&quot;character3
&quot;, it stays), %2 its value in quotes.</extracomment>
        <translation>[MyStats] %1 %2 ist keine ganze Zahl</translation>
    </message>
</context>
<context>
    <name>ReminderKeeper</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Nächster guter Mond</translation>
    </message>
    <message>
        <source>Show Kelvara Utility</source>
        <translation>Kelvara Utility anzeigen</translation>
    </message>
    <message>
        <source>These entries of %1 could not be used:
</source>
        <translation>Folgende Einträge in %1 konnten nicht verwendet werden:
</translation>
    </message>
    <message>
        <source>
They stay in the file, and greyed in Tools → Reminders…, until you change or remove them there.</source>
        <translation>
Sie bleiben in der Datei und ausgegraut unter Extras → Erinnerungen…, bis sie dort geändert oder entfernt werden.</translation>
    </message>
    <message>
        <source>Some settings were ignored</source>
        <translation>Einige Einstellungen wurden ignoriert</translation>
    </message>
    <message>
        <source>Some reminders were ignored</source>
        <translation>Einige Erinnerungen wurden ignoriert</translation>
    </message>
    <message>
        <source>The reminders could not be saved.
%1</source>
        <translation>Die Erinnerungen konnten nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>No reminder is on</source>
        <translation>Keine Erinnerung aktiv</translation>
    </message>
    <message>
        <source>Next reminder at %1, %2</source>
        <translation>Nächste Erinnerung am %2 um %1</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The program uses its default settings, as %1 could not be used:
</source>
        <translation>Das Programm verwendet seine Standardeinstellungen, da %1 nicht verwendet werden konnte:
</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>Die Einstellungen konnten nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Day %1</source>
        <extracomment>A reminder&apos;s title when the player gave it no label: %1 is the game day of the month (1 to 28).</extracomment>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>%1: day %2</source>
        <extracomment>A reminder&apos;s title: %1 is the player&apos;s label, %2 the game day (1-28).</extracomment>
        <translation>%1: Tag %2</translation>
    </message>
    <message>
        <source>Day %1 begins now, %2</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the real day and clock time, in capitals, as TODAY AT 1:19 PM.</extracomment>
        <translation>Tag %1 beginnt jetzt, %2</translation>
    </message>
    <message>
        <source>Day %1 begins in %2, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the wait in words (as 6 hours 5 minutes, see the units), %3 the real day and clock time, in capitals, as TOMORROW AT 1:19 PM.</extracomment>
        <translation>Tag %1 beginnt in %2, %3</translation>
    </message>
    <message>
        <source>Day %1 began %2 ago, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 how long ago it began in words (as 4 minutes, see the units), %3 the real day and clock time, in capitals, as YESTERDAY AT 11:58 PM.</extracomment>
        <translation>Tag %1 hat vor %2 begonnen, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 1 day) or before &quot;ago&quot; (began 1 day ago): the number and the unit only, in the case those take. The program puts the units in a row with one blank.</extracomment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 2 hours) or before &quot;ago&quot; (began 2 hours ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 5 minutes) or before &quot;ago&quot; (began 5 minutes ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 40 seconds) or before &quot;ago&quot; (began 1 second ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShortWait</name>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A short wait to the minute: %1 hours, %2 minutes (two digits), as 9 h 05 min.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 d %2</source>
        <extracomment>A short wait of a day or more: %1 days, then %2, the rest of the wait (as 13:43:22 or 9 h 05 min).</extracomment>
        <translation>%1 d %2</translation>
    </message>
</context>
<context>
    <name>Ticker</name>
    <message>
        <source>Kelvara Utility
Kelvara Time %1 to %2, %3
%4</source>
        <translation>Kelvara Utility
Kelvara-Zeit %1 bis %2, %3
%4</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Nächster guter Mond</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Erinnerungen…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons</source>
        <translation>Dieser Desktop zeigt keine Symbole im Infobereich an</translation>
    </message>
    <message>
        <source>
The system clock is not synchronised.</source>
        <translation>
Die Systemuhr ist nicht synchronisiert.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Kelvara Utility</source>
        <translation>Über Kelvara Utility</translation>
    </message>
    <message>
        <source>Kelvara Utility %1</source>
        <translation>Kelvara Utility %1</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
</context>
<context>
    <name>frmCompactClock</name>
    <message>
        <source>The compact clock could not be saved.
%1</source>
        <translation>Die Kompaktuhr konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Kelvara Compact Clock</source>
        <translation>Kelvara-Kompaktuhr</translation>
    </message>
    <message>
        <source>Drag to move. Tools → Compact Clock hides it.</source>
        <translation>Zum Verschieben ziehen. Extras → Kompaktuhr blendet sie aus.</translation>
    </message>
    <message>
        <source>Good moon in %1</source>
        <extracomment>The compact clock&apos;s second line; %1 is a short wait to the minute, as 1 d 23 h 59 min.</extracomment>
        <translation>Guter Mond in %1</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Compare Items</source>
        <translation>Gegenstände vergleichen</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Benötigt</translation>
    </message>
    <message>
        <source>Mod 0</source>
        <translation>Mod 0</translation>
    </message>
    <message>
        <source>Mod 1</source>
        <translation>Mod 1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>How a screen reader names a column of the comparison: %1 is the item&apos;s name, %2 one of Requires, Mod 0, Mod 1.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>best</source>
        <translation>bester</translation>
    </message>
    <message>
        <source>Items compared</source>
        <translation>Verglichene Gegenstände</translation>
    </message>
    <message>
        <source>None of these items requires or changes a stat.</source>
        <translation>Keiner dieser Gegenstände benötigt oder ändert einen Wert.</translation>
    </message>
</context>
<context>
    <name>frmDateTime</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Datum und Uhrzeit einstellen</translation>
    </message>
    <message>
        <source>Enter times in 24 hour format.  Example 4:45 p.m. would be entered as 16:45:00</source>
        <extracomment>&quot;p.m.&quot; names the 12-hour time of the example; the entry itself is on the 24-hour clock.</extracomment>
        <translation>Uhrzeiten im 24-Stunden-Format eingeben.  Beispiel: 4:45 Uhr nachmittags wird als 16:45:00 eingegeben</translation>
    </message>
    <message>
        <source>Real Time (HH:MM:SS)</source>
        <translation>Echtzeit (HH:MM:SS)</translation>
    </message>
    <message>
        <source>Real Date (MM/DD/YYYY)</source>
        <translation>Echtes Datum (MM/TT/JJJJ)</translation>
    </message>
    <message>
        <source>Kelvara Time (HH:MM:SS)</source>
        <translation>Kelvara-Zeit (HH:MM:SS)</translation>
    </message>
    <message>
        <source>Kelvara Date (MM/DD/YYYY)</source>
        <translation>Kelvara-Datum (MM/TT/JJJJ)</translation>
    </message>
    <message>
        <source>Set Date and Times</source>
        <translation>Datum und Zeiten setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The real time is not in the correct format.  Please fix it and try again.</source>
        <translation>Die Echtzeit hat nicht das richtige Format.  Bitte korrigieren und erneut versuchen.</translation>
    </message>
    <message>
        <source>The real date is not in the correct format.  Please fix it and try again.</source>
        <translation>Das echte Datum hat nicht das richtige Format.  Bitte korrigieren und erneut versuchen.</translation>
    </message>
    <message>
        <source>The Kelvara time is not in the correct format.  Please fix it and try again.</source>
        <translation>Die Kelvara-Zeit hat nicht das richtige Format.  Bitte korrigieren und erneut versuchen.</translation>
    </message>
    <message>
        <source>The Kelvara date is not in the correct format.  Please fix it and try again.</source>
        <translation>Das Kelvara-Datum hat nicht das richtige Format.  Bitte korrigieren und erneut versuchen.</translation>
    </message>
</context>
<context>
    <name>frmFindItems</name>
    <message>
        <source>Find Items</source>
        <translation>Gegenstände suchen</translation>
    </message>
    <message>
        <source>&amp;Name contains:</source>
        <translation>&amp;Name enthält:</translation>
    </message>
    <message>
        <source>&amp;Material:</source>
        <translation>&amp;Material:</translation>
    </message>
    <message>
        <source>Only items I can &amp;use</source>
        <translation>Nur Gegenstände, die ich &amp;benutzen kann</translation>
    </message>
    <message>
        <source>My &amp;Stats…</source>
        <translation>Meine &amp;Werte…</translation>
    </message>
    <message>
        <source>&amp;Add condition</source>
        <translation>Bedingung &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Show only the items that give at least a number of a stat</source>
        <translation>Nur Gegenstände zeigen, die mindestens so viel eines Werts geben</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Gegenstände</translation>
    </message>
    <message>
        <source>Add stat c&amp;olumn…</source>
        <translation>Wert-&amp;Spalte hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Remove column</source>
        <translation>Spalte &amp;entfernen</translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Select two to four items to compare them</source>
        <translation>Zwei bis vier Gegenstände zum Vergleichen auswählen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV…</source>
        <translation>Als &amp;CSV speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>(all)</source>
        <extracomment>The material filter&apos;s entry that lets every material through.</extracomment>
        <translation>(alle)</translation>
    </message>
    <message>
        <source>Gives at least</source>
        <extracomment>Before a number box: the item gives at least that many of a stat (chosen after it).</extracomment>
        <translation>Gibt mindestens</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>mod 0</source>
        <translation>Mod 0</translation>
    </message>
    <message>
        <source>mod 1</source>
        <translation>Mod 1</translation>
    </message>
    <message>
        <source>mod 0 or mod 1</source>
        <translation>Mod 0 oder Mod 1</translation>
    </message>
    <message>
        <source>of</source>
        <extracomment>Between the number and the stat of a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>bei</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>Before mod 0, mod 1 or both in a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>in</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Takes one &quot;gives at least&quot; condition away.</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove condition %1</source>
        <translation>Bedingung %1 entfernen</translation>
    </message>
    <message>
        <source>no character</source>
        <extracomment>Whose stats My Stats shows while no character file is open.</extracomment>
        <translation>kein Charakter</translation>
    </message>
    <message>
        <source>Your stats could not be saved.
%1</source>
        <translation>Deine Werte konnten nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>items</source>
        <extracomment>The file name Save as CSV proposes.</extracomment>
        <translation>gegenstaende</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The size and the columns of Find Items could not be saved.
%1</source>
        <translation>Größe und Spalten von „Gegenstände suchen“ konnten nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>So&amp;rtieren nach:</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Absteigend</translation>
    </message>
    <message>
        <source>(database order)</source>
        <extracomment>The entry of &quot;Sort by&quot; that shows the items in the order of the game database.</extracomment>
        <translation>(Reihenfolge der Datenbank)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Kelvara Utility</source>
        <translation>Ü&amp;ber Kelvara Utility</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Echtzeit</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Echtes Datum</translation>
    </message>
    <message>
        <source>Kelvara Time</source>
        <translation>Kelvara-Zeit</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Kelvara-Datum</translation>
    </message>
    <message>
        <source>Character Number</source>
        <translation>Charakternummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Server Status</source>
        <translation>Serverstatus</translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation>Charakterinfo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Character File</source>
        <translation>Charakterdatei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Next Good Moon</source>
        <translation>&amp;Nächster guter Mond</translation>
    </message>
    <message>
        <source>Next &amp;Specified Day</source>
        <translation>Nächster &amp;bestimmter Tag</translation>
    </message>
    <message>
        <source>Set &amp;Date/Time</source>
        <translation>&amp;Datum/Uhrzeit einstellen</translation>
    </message>
    <message>
        <source>Item Stats</source>
        <translation>Gegenstandswerte</translation>
    </message>
    <message>
        <source>Rank Experience Chart</source>
        <translation>Rang-Erfahrungstabelle</translation>
    </message>
    <message>
        <source>&amp;Upcoming Days…</source>
        <translation>&amp;Kommende Tage…</translation>
    </message>
    <message>
        <source>&amp;Compact Clock</source>
        <translation>Kompakt&amp;uhr</translation>
    </message>
    <message>
        <source>&amp;Reminders…</source>
        <translation>E&amp;rinnerungen…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>The calibration could not be saved.
%1</source>
        <translation>Die Kalibrierung konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Kelvara Character Files (*.oxl)</source>
        <translation>Kelvara-Charakterdateien (*.oxl)</translation>
    </message>
    <message>
        <source>The folder of the character file could not be remembered.
%1</source>
        <translation>Der Ordner der Charakterdatei konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>The rank experience chart could not be read.
%1</source>
        <translation>Die Rang-Erfahrungstabelle konnte nicht gelesen werden.
%1</translation>
    </message>
    <message>
        <source>The system clock is not synchronised. Each real minute it is off puts the game clock 18 game minutes off.</source>
        <translation>Die Systemuhr ist nicht synchronisiert. Jede Minute, die sie falsch geht, verstellt die Spieluhr um 18 Spielminuten.</translation>
    </message>
    <message>
        <source>&amp;Find Items…</source>
        <translation>&amp;Gegenstände suchen…</translation>
    </message>
</context>
<context>
    <name>frmMsgBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmMyStats</name>
    <message>
        <source>My Stats – %1</source>
        <extracomment>The title of the window of the player&apos;s stats; %1 is a character&apos;s name, or the words for no character.</extracomment>
        <translation>Meine Werte – %1</translation>
    </message>
    <message>
        <source>&amp;Find a stat:</source>
        <translation>Wert &amp;suchen:</translation>
    </message>
    <message>
        <source>My stats</source>
        <translation>Meine Werte</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Zahl</translation>
    </message>
</context>
<context>
    <name>frmNextGoodMoon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Nächster guter Mond</translation>
    </message>
    <message>
        <source>Next Good Moon in</source>
        <translation>Nächster guter Mond in</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Good moon begins</source>
        <extracomment>What a screen reader names the line with the real day and clock time the good moon begins.</extracomment>
        <translation>Guter Mond beginnt</translation>
    </message>
</context>
<context>
    <name>frmNotice</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Kelvara Utility starts at login from %1. OK makes it start from here, %2.</source>
        <translation>Kelvara Utility startet bei der Anmeldung aus %1. Mit OK startet es künftig von hier: %2.</translation>
    </message>
    <message>
        <source>Start Kelvara Utility when I log in</source>
        <translation>Kelvara Utility bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Start hidden</source>
        <translation>Ausgeblendet starten</translation>
    </message>
    <message>
        <source>Keep running in the tray when the main window is closed</source>
        <translation>Beim Schließen des Fensters im Infobereich weiterlaufen</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Starting at login could not be changed.
%1</source>
        <translation>Der Start bei der Anmeldung konnte nicht geändert werden.
%1</translation>
    </message>
    <message>
        <source>The preferences could not be saved.
%1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language changes when Kelvara Utility next starts.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Kelvara Utility.</translation>
    </message>
    <message>
        <source>Kelvara Utility&apos;s login entry names no program to start. OK makes it start from here, %1.</source>
        <translation>Der Anmeldeeintrag von Kelvara Utility nennt kein Programm. Mit OK startet es künftig von hier: %1.</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minuten vorher</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Game day of the month:</source>
        <translation>Kelvara-Tag des Monats:</translation>
    </message>
    <message>
        <source>Real minutes before it begins:</source>
        <translation>Minuten (Echtzeit) vor Beginn:</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Not used: %1</source>
        <translation>Nicht verwendet: %1</translation>
    </message>
</context>
<context>
    <name>frmStats</name>
    <message>
        <source>Item Stats</source>
        <translation>Gegenstandswerte</translation>
    </message>
    <message>
        <source>Minimum Requirements</source>
        <translation>Mindestanforderungen</translation>
    </message>
    <message>
        <source>Mod 0</source>
        <extracomment>The heading of the list of an item&apos;s mods of set 0 (the game&apos;s term).</extracomment>
        <translation>Mod 0</translation>
    </message>
    <message>
        <source>Mod 1</source>
        <extracomment>The heading of the list of an item&apos;s mods of set 1 (the game&apos;s term).</extracomment>
        <translation>Mod 1</translation>
    </message>
    <message>
        <source>Item</source>
        <extracomment>What a screen reader names the box in which the player chooses or types an item.</extracomment>
        <translation>Gegenstand</translation>
    </message>
</context>
<context>
    <name>frmUpcomingDays</name>
    <message>
        <source>Upcoming Days</source>
        <translation>Kommende Tage</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The calendar reminder box at 0: the events get no reminder.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source> min before</source>
        <extracomment>Follows the number of minutes in the calendar reminder box, as &quot;30 min before&quot;.</extracomment>
        <translation> Min. vorher</translation>
    </message>
    <message>
        <source>&amp;Game day (1-28):</source>
        <translation>&amp;Kelvara-Tag (1-28):</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Anzahl:</translation>
    </message>
    <message>
        <source>&amp;Reminder:</source>
        <translation>&amp;Erinnerung:</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Echtes Datum</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Echtzeit</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Wartezeit</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Kelvara-Datum</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>Als Kalender exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved.
%1</source>
        <extracomment>%1 is the reason, on a line of its own.</extracomment>
        <translation>Der Kalender konnte nicht gespeichert werden.
%1</translation>
    </message>
</context>
</TS>
