<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>About</name>
    <message>
        <source>not readable: %1</source>
        <extracomment>In place of a count of rows that could not be read; %1 is the reason.</extracomment>
        <translation>nie do odczytu: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>The size of the game database file; %1 is the number of bytes, grouped.</extracomment>
        <translation>%1 bajtów</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>In place of the size of a game database file that is not there.</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Folder programu</translation>
    </message>
    <message>
        <source>Game database</source>
        <translation>Baza danych gry</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Zmodyfikowano</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Przedmioty</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Rangi</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Plik ustawień</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>%1: table &quot;%2&quot;, row %3, column %4.</source>
        <extracomment>%1 is what went wrong (Overflow, Type mismatch...), %2 a table of the game database (a name that stays), %3 the row and %4 the column, numbers.</extracomment>
        <translation>%1: tabela „%2”, wiersz %3, kolumna %4.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Nieprawidłowe użycie wartości Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>No row in tblMaterial has MaterialID %1</source>
        <translation>Żaden wiersz tblMaterial nie ma MaterialID %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Nie można odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Nie można usunąć „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read the character file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Nie można odczytać pliku postaci „%1”: %2</translation>
    </message>
    <message>
        <source>it is not open for reading</source>
        <translation>nie jest otwarty do odczytu</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>taki plik nie istnieje</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Nie można utworzyć „%1”: %2</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>YESTERDAY AT %1</source>
        <extracomment>The real day and clock time at which a game day began. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>WCZORAJ O %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>DZIŚ O %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>JUTRO O %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <extracomment>The real day (the day after tomorrow) and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>POJUTRZE O %1</translation>
    </message>
    <message numerus="yes">
        <source>%n DAY</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n DZIEŃ</numerusform>
            <numerusform>%n DNI</numerusform>
            <numerusform>%n DNI</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HOUR(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n GODZINĘ</numerusform>
            <numerusform>%n GODZINY</numerusform>
            <numerusform>%n GODZIN</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n MINUTE(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n MINUTĘ</numerusform>
            <numerusform>%n MINUTY</numerusform>
            <numerusform>%n MINUT</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n SECOND(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n SEKUNDĘ</numerusform>
            <numerusform>%n SEKUNDY</numerusform>
            <numerusform>%n SEKUND</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameDataWatcher</name>
    <message numerus="yes">
        <source>The game database changed: %Ln items loaded.</source>
        <translation>
            <numerusform>Baza danych gry się zmieniła: wczytano %Ln przedmiot.</numerusform>
            <numerusform>Baza danych gry się zmieniła: wczytano %Ln przedmioty.</numerusform>
            <numerusform>Baza danych gry się zmieniła: wczytano %Ln przedmiotów.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game database changed, but the new file could not be read. The game data loaded before stays in use.
%1</source>
        <translation>Baza danych gry się zmieniła, ale nie udało się odczytać nowego pliku. Nadal używane są wcześniej wczytane dane gry.
%1</translation>
    </message>
    <message>
        <source>Game data</source>
        <translation>Dane gry</translation>
    </message>
</context>
<context>
    <name>GameDatabase</name>
    <message>
        <source>The database &quot;%1&quot; is damaged: %2.</source>
        <translation>Baza danych „%1” jest uszkodzona: %2.</translation>
    </message>
    <message>
        <source>Unsupported connection text: &quot;%1&quot;</source>
        <translation>Nieobsługiwany tekst połączenia: „%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Jet 4.0 database.</source>
        <translation>„%1” nie jest bazą danych Jet 4.0.</translation>
    </message>
    <message>
        <source>its catalog cannot be read</source>
        <translation>nie można odczytać jej katalogu</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be found</source>
        <translation>nie można znaleźć wiersza tabeli „%1”</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be read</source>
        <translation>nie można odczytać wiersza tabeli „%1”</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; lies outside its page</source>
        <translation>wiersz tabeli „%1” wykracza poza swoją stronę</translation>
    </message>
    <message>
        <source>a value of table &quot;%1&quot; is cut short</source>
        <translation>wartość w tabeli „%1” jest ucięta</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; was not found in &quot;%2&quot;.</source>
        <translation>Nie znaleziono tabeli „%1” w „%2”.</translation>
    </message>
    <message>
        <source>the definition of table &quot;%1&quot; cannot be read</source>
        <translation>nie można odczytać definicji tabeli „%1”</translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; cannot be read</source>
        <translation>nie można odczytać kolumn tabeli „%1”</translation>
    </message>
    <message>
        <source>table &quot;%1&quot; does not end</source>
        <translation>tabela „%1” nie ma końca</translation>
    </message>
    <message>
        <source>Could not find the database &quot;%1&quot;.</source>
        <translation>Nie znaleziono bazy danych „%1”.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; is not a file.</source>
        <translation>Baza danych „%1” nie jest plikiem.</translation>
    </message>
    <message>
        <source>Cannot open the database &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć bazy danych „%1”: %2</translation>
    </message>
    <message>
        <source>The connection to the database is not open.</source>
        <translation>Połączenie z bazą danych nie jest otwarte.</translation>
    </message>
    <message>
        <source>No column &quot;%1&quot; in table &quot;%2&quot;: %3</source>
        <translation>Brak kolumny „%1” w tabeli „%2”: %3</translation>
    </message>
    <message>
        <source>Data type mismatch in criteria expression: %1</source>
        <translation>Niezgodność typów danych w wyrażeniu kryteriów: %1</translation>
    </message>
    <message>
        <source>Unsupported SQL statement: &quot;%1&quot;</source>
        <translation>Nieobsługiwana instrukcja SQL: „%1”</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>Zestaw rekordów nie jest otwarty.</translation>
    </message>
    <message>
        <source>No current row in &quot;%1&quot;: %2</source>
        <translation>Brak bieżącego wiersza w „%1”: %2</translation>
    </message>
    <message>
        <source>Table &quot;%1&quot; has no column at position %2</source>
        <translation>Tabela „%1” nie ma kolumny na pozycji %2</translation>
    </message>
</context>
<context>
    <name>NextDay</name>
    <message>
        <source>You need to enter a day between 1 and 28.</source>
        <translation>Musisz podać dzień od 1 do 28.</translation>
    </message>
    <message>
        <source>Day %1 of the month will be in </source>
        <extracomment>The first line of the answer: %1 is the day of the game month. The wait and the real day and time follow on the next two lines. The blank at the end is part of the design.</extracomment>
        <translation>Dzień %1 miesiąca zacznie się za </translation>
    </message>
    <message>
        <source>Enter day (1-28)</source>
        <extracomment>The prompt of the input box of Tools &gt; Next Specified Day.</extracomment>
        <translation>Podaj dzień (1-28)</translation>
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
        <translation>O programie Kelvara Utility</translation>
    </message>
    <message>
        <source>Kelvara Utility %1</source>
        <translation>Kelvara Utility %1</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopiuj do schowka</translation>
    </message>
</context>
<context>
    <name>frmDateTime</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Ustaw datę i godzinę</translation>
    </message>
    <message>
        <source>Enter times in 24 hour format.  Example 4:45 p.m. would be entered as 16:45:00</source>
        <extracomment>&quot;p.m.&quot; names the 12-hour time of the example; the entry itself is on the 24-hour clock.</extracomment>
        <translation>Wpisuj godziny w formacie 24-godzinnym.  Przykład: 4:45 po południu wpisuje się jako 16:45:00</translation>
    </message>
    <message>
        <source>Real Time (HH:MM:SS)</source>
        <translation>Czas rzeczywisty (GG:MM:SS)</translation>
    </message>
    <message>
        <source>Real Date (MM/DD/YYYY)</source>
        <translation>Data rzeczywista (MM/DD/RRRR)</translation>
    </message>
    <message>
        <source>Kelvara Time (HH:MM:SS)</source>
        <translation>Czas Kelvara (GG:MM:SS)</translation>
    </message>
    <message>
        <source>Kelvara Date (MM/DD/YYYY)</source>
        <translation>Data Kelvara (MM/DD/RRRR)</translation>
    </message>
    <message>
        <source>Set Date and Times</source>
        <translation>Ustaw datę i czas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The real time is not in the correct format.  Please fix it and try again.</source>
        <translation>Czas rzeczywisty ma nieprawidłowy format.  Popraw go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The real date is not in the correct format.  Please fix it and try again.</source>
        <translation>Data rzeczywista ma nieprawidłowy format.  Popraw ją i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The Kelvara time is not in the correct format.  Please fix it and try again.</source>
        <translation>Czas Kelvara ma nieprawidłowy format.  Popraw go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The Kelvara date is not in the correct format.  Please fix it and try again.</source>
        <translation>Data Kelvara ma nieprawidłowy format.  Popraw ją i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About Kelvara Utility</source>
        <translation>&amp;O programie Kelvara Utility</translation>
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
        <translation>Następny Dobry Księżyc</translation>
    </message>
    <message>
        <source>Next Good Moon in</source>
        <translation>Następny Dobry Księżyc za</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>frmStats</name>
    <message>
        <source>Item Stats</source>
        <translation>Statystyki przedmiotu</translation>
    </message>
    <message>
        <source>Minimum Requirements</source>
        <translation>Minimalne wymagania</translation>
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
        <translation>Nadchodzące dni</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The calendar reminder box at 0: the events get no reminder.</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source> min before</source>
        <extracomment>Follows the number of minutes in the calendar reminder box, as &quot;30 min before&quot;.</extracomment>
        <translation> min przed</translation>
    </message>
    <message>
        <source>&amp;Game day (1-28):</source>
        <translation>&amp;Dzień gry (1-28):</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Liczba:</translation>
    </message>
    <message>
        <source>&amp;Reminder:</source>
        <translation>&amp;Przypomnienie:</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Dzień tygodnia</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Data rzeczywista</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Czas rzeczywisty</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Data Kelvara</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>Eksportuj do kalendarza…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Pliki iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved.
%1</source>
        <extracomment>%1 is the reason, on a line of its own.</extracomment>
        <translation>Nie udało się zapisać kalendarza.
%1</translation>
    </message>
</context>
</TS>
