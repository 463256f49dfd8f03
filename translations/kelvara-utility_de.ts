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
        <translation>Keine Zeile in tblMaterial hat die MaterialID %1</translation>
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
        <translation>sie ist nicht zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht angelegt werden: %2</translation>
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
        <translation>Die Spieldatenbank hat sich geändert, aber die neue Datei konnte nicht gelesen werden. Die zuvor geladenen Spieldaten bleiben in Gebrauch.
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
        <translation>Reale Uhrzeit (HH:MM:SS)</translation>
    </message>
    <message>
        <source>Real Date (MM/DD/YYYY)</source>
        <translation>Reales Datum (MM/TT/JJJJ)</translation>
    </message>
    <message>
        <source>Kelvara Time (HH:MM:SS)</source>
        <translation>Kelvara-Uhrzeit (HH:MM:SS)</translation>
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
        <translation>Die reale Uhrzeit hat nicht das richtige Format.  Bitte korrigieren und erneut versuchen.</translation>
    </message>
    <message>
        <source>The real date is not in the correct format.  Please fix it and try again.</source>
        <translation>Das reale Datum hat nicht das richtige Format.  Bitte korrigieren und erneut versuchen.</translation>
    </message>
    <message>
        <source>The Kelvara time is not in the correct format.  Please fix it and try again.</source>
        <translation>Die Kelvara-Uhrzeit hat nicht das richtige Format.  Bitte korrigieren und erneut versuchen.</translation>
    </message>
    <message>
        <source>The Kelvara date is not in the correct format.  Please fix it and try again.</source>
        <translation>Das Kelvara-Datum hat nicht das richtige Format.  Bitte korrigieren und erneut versuchen.</translation>
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
</context>
<context>
    <name>frmMsgBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmNextGoodMoon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Nächster Guter Mond</translation>
    </message>
    <message>
        <source>Next Good Moon in</source>
        <translation>Nächster Guter Mond in</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>&amp;Spieltag (1-28):</translation>
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
        <translation>Reales Datum</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Reale Uhrzeit</translation>
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
        <translation>In Kalender exportieren…</translation>
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
