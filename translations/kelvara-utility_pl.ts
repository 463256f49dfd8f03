<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>About</name>
    <message>
        <source>not readable: %1</source>
        <extracomment>In place of a count of rows that could not be read; %1 is the reason.</extracomment>
        <translation>nie można odczytać: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>The size of the game database file; %1 is the number of bytes, grouped.</extracomment>
        <translation>%1 B</translation>
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
    <name>DesktopEntry</name>
    <message>
        <source>Kelvara Utility</source>
        <extracomment>The program&apos;s name in the applications menu.</extracomment>
        <translation>Kelvara Utility</translation>
    </message>
    <message>
        <source>Game Clock Companion</source>
        <extracomment>What kind of program it is, shown beside or below its name in the applications menu.</extracomment>
        <translation>Towarzysz zegara gry</translation>
    </message>
    <message>
        <source>Real and Kelvara game clock, good moon forecasts, character files and item stats</source>
        <extracomment>The tooltip of the program in the applications menu.</extracomment>
        <translation>Zegar rzeczywisty i zegar gry Kelvara, prognozy Dobrego Księżyca, pliki postaci i statystyki przedmiotów</translation>
    </message>
    <message>
        <source>Kelvara;game;clock;moon;reminder;calendar;character;items;</source>
        <extracomment>Words the applications menu&apos;s search finds the program by. Translate each word (several words per word are fine); each one, the last too, is followed by a semicolon, with no spaces around it.</extracomment>
        <translation>Kelvara;gra;zegar;księżyc;przypomnienie;kalendarz;postać;przedmioty;</translation>
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
        <translation>W tblMaterial nie ma wiersza z MaterialID %1</translation>
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
        <translation>plik nie jest otwarty do odczytu</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>taki plik nie istnieje</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Nie można utworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved, after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;: %1 and %2 are numbers of bytes.</extracomment>
        <translation>zapisano tylko %1 z %2 bajtów</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <extracomment>Why a file cannot be used, after &quot;Cannot read &quot;&lt;file&gt;&quot;: &quot;.</extracomment>
        <translation>to jest folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it is a device or stream of the system, not a file</source>
        <extracomment>Why a file is not saved: its name is one of the system&apos;s devices or streams, such as /dev/stdout.</extracomment>
        <translation>to urządzenie lub strumień systemu, a nie plik</translation>
    </message>
    <message>
        <source>the program&apos;s own path is not known</source>
        <extracomment>Why the login entry is not written (after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;): the program&apos;s own path could not be found.</extracomment>
        <translation>ścieżka samego programu nie jest znana</translation>
    </message>
    <message>
        <source>its access control list cannot be kept: %1</source>
        <extracomment>Why a file is not saved: the saved copy would lose who else may read or write it. %1 is the system&apos;s reason.</extracomment>
        <translation>nie można zachować jego listy kontroli dostępu: %1</translation>
    </message>
    <message>
        <source>its extended attribute &quot;%1&quot; cannot be kept: %2</source>
        <extracomment>Why a file is not saved. %1 is an extended attribute&apos;s name (&quot;user.origin&quot;), %2 the system&apos;s reason.</extracomment>
        <translation>nie można zachować jego atrybutu rozszerzonego „%1”: %2</translation>
    </message>
    <message>
        <source>its owner and group cannot be kept: %1</source>
        <extracomment>Why a file is not saved: it belongs to another user or group, which a saved copy would not. %1 is the system&apos;s reason.</extracomment>
        <translation>nie można zachować jego właściciela i grupy: %1</translation>
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
    <message>
        <source>YESTERDAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish AYER A LA 1:19 PM).</extracomment>
        <translation>WCZORAJ O %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish HOY A LA 1:19 PM).</extracomment>
        <translation>DZIŚ O %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish MAÑANA A LA 1:19 PM).</extracomment>
        <translation>JUTRO O %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish PASADO MAÑANA A LA 1:19 PM).</extracomment>
        <translation>POJUTRZE O %1</translation>
    </message>
</context>
<context>
    <name>GameDataWatcher</name>
    <message numerus="yes">
        <source>The game database changed: %Ln items loaded.</source>
        <translation>
            <numerusform>Baza danych gry zmieniła się: wczytano %Ln przedmiot.</numerusform>
            <numerusform>Baza danych gry zmieniła się: wczytano %Ln przedmioty.</numerusform>
            <numerusform>Baza danych gry zmieniła się: wczytano %Ln przedmiotów.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game database changed, but the new file could not be read. The game data loaded before stays in use.
%1</source>
        <translation>Baza danych gry zmieniła się, ale nie udało się odczytać nowego pliku. Nadal używane są wcześniej wczytane dane gry.
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
        <translation>Nieobsługiwany ciąg połączenia: „%1”</translation>
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
    <message>
        <source>it is cut short</source>
        <extracomment>Why a game database cannot be read (after &quot;The database ... is damaged:&quot;).</extracomment>
        <translation>plik jest obcięty</translation>
    </message>
</context>
<context>
    <name>ItemBrowser</name>
    <message numerus="yes">
        <source>%1 of %Ln item(s)</source>
        <extracomment>How many items the filters let through (%1) of how many there are (%Ln), both grouped as the regional settings group digits.</extracomment>
        <translation>
            <numerusform>%1 z %Ln przedmiotu</numerusform>
            <numerusform>%1 z %Ln przedmiotów</numerusform>
            <numerusform>%1 z %Ln przedmiotów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemFinder</name>
    <message>
        <source>Items found</source>
        <extracomment>What a screen reader names the list of the items whose names hold the typed text.</extracomment>
        <translation>Znalezione przedmioty</translation>
    </message>
</context>
<context>
    <name>ItemProxyModel</name>
    <message>
        <source>sorted ascending</source>
        <translation>rosnąco</translation>
    </message>
    <message>
        <source>sorted descending</source>
        <translation>malejąco</translation>
    </message>
</context>
<context>
    <name>ItemTableModel</name>
    <message>
        <source>Item</source>
        <translation>Przedmiot</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiał</translation>
    </message>
    <message>
        <source>%1 (req.)</source>
        <extracomment>A column of what an item requires of a stat (%1, &quot;Strength&quot;) to be used.</extracomment>
        <translation>%1 (wym.)</translation>
    </message>
    <message>
        <source>%1 (mod 0)</source>
        <extracomment>A column of what an item&apos;s mod 0 (the game&apos;s term) changes a stat (%1) by.</extracomment>
        <translation>%1 (mod 0)</translation>
    </message>
    <message>
        <source>%1 (mod 1)</source>
        <extracomment>A column of what an item&apos;s mod 1 (the game&apos;s term) changes a stat (%1) by.</extracomment>
        <translation>%1 (mod 1)</translation>
    </message>
</context>
<context>
    <name>NextDay</name>
    <message>
        <source>You need to enter a day between 1 and 28.</source>
        <translation>Należy podać dzień od 1 do 28.</translation>
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
    <name>OneCopy</name>
    <message>
        <source>Kelvara Utility is already running from this folder, but it does not answer. Start it again in a moment, or end the copy that is running.</source>
        <translation>Kelvara Utility jest już uruchomiona z tego folderu, ale nie odpowiada. Uruchom ją ponownie za chwilę lub zakończ działającą kopię.</translation>
    </message>
    <message>
        <source>Kelvara Utility is still starting or closing from this folder. Start it again once that is done.</source>
        <translation>Kelvara Utility wciąż uruchamia się lub zamyka z tego folderu. Uruchom go ponownie, gdy to się zakończy.</translation>
    </message>
    <message>
        <source>Kelvara Utility is already running from this folder for another user. Only one copy may use a folder&apos;s files at a time.</source>
        <translation>Kelvara Utility działa już z tego folderu dla innego użytkownika. Z plików folderu może naraz korzystać tylko jedna kopia.</translation>
    </message>
    <message>
        <source>Kelvara Utility cannot make sure that it runs only once from this folder: cannot lock %1. Should another copy run from it, both announce each reminder, and each saves over the other&apos;s clock.</source>
        <translation>Kelvara Utility nie może upewnić się, że działa z tego folderu tylko raz: nie można zablokować %1. Jeśli uruchomi się z niego inna kopia, obie będą ogłaszać każde przypomnienie, a każda zapisze swój zegar na zegarze drugiej.</translation>
    </message>
</context>
<context>
    <name>ProgramSettings</name>
    <message>
        <source>missing</source>
        <extracomment>Stands for a value the settings file does not have, as in &quot;day missing is not from 1 to 28&quot;.</extracomment>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>day %1 is not from 1 to 28</source>
        <extracomment>Why a reminder of the settings file is not used: &quot;day&quot; is the key in the file, %1 its value in quotes.</extracomment>
        <translation>day %1 nie mieści się w zakresie od 1 do 28</translation>
    </message>
    <message>
        <source>minutes %1 is not from 0 to %2</source>
        <extracomment>Why a reminder is not used: &quot;minutes&quot; is the key in the file, %1 its value in quotes, %2 the largest.</extracomment>
        <translation>minutes %1 nie mieści się w zakresie od 0 do %2</translation>
    </message>
    <message>
        <source>enabled %1 is neither true nor false</source>
        <extracomment>Why a reminder is not used: &quot;enabled&quot; is the key in the file (it stays), %1 its value in quotes; true and false are the values the file takes (they stay).</extracomment>
        <translation>enabled %1 nie jest ani true, ani false</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>nie udało się odczytać pliku: %1</translation>
    </message>
    <message>
        <source>[Tray] keepRunning %1 is neither true nor false</source>
        <translation>[Tray] keepRunning %1 nie jest ani true, ani false</translation>
    </message>
    <message>
        <source>[Preferences] colours %1 is not desktop, light or dark</source>
        <translation>[Preferences] colours %1 nie jest żadną z wartości desktop, light, dark</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not a number</source>
        <translation>liczba przypomnień %1 nie jest wartością liczbową</translation>
    </message>
    <message>
        <source>more than %1 reminders</source>
        <translation>więcej niż %1 przypomnień</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <extracomment>An entry of the settings file that is not used: %1 is its number, %2 why.</extracomment>
        <translation>wpis %1: %2</translation>
    </message>
    <message>
        <source>entry %1: more than %2 reminders</source>
        <translation>wpis %1: więcej niż %2 przypomnień</translation>
    </message>
    <message>
        <source>entries %1 to %2: more than %3 reminders</source>
        <translation>wpisy od %1 do %2: więcej niż %3 przypomnień</translation>
    </message>
    <message>
        <source>[Preferences] language %1 is not one of %2</source>
        <extracomment>%1 is the value in quotes, %2 the list of the language codes the file takes (they stay).</extracomment>
        <translation>[Preferences] language %1 nie jest żadną z wartości %2</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not from 0 to %2</source>
        <extracomment>%1 is the value of &quot;size&quot; in quotes, %2 the largest number of reminders the file can hold.</extracomment>
        <translation>liczba przypomnień %1 nie mieści się w zakresie od 0 do %2</translation>
    </message>
    <message>
        <source>it is not all UTF-8, and could not be kept aside: %1</source>
        <extracomment>Why the settings file is not saved: it has lines that are not UTF-8, and the copy of it failed.</extracomment>
        <translation>nie jest w całości w UTF-8 i nie udało się zapisać jego kopii: %1</translation>
    </message>
    <message>
        <source>[MyStats] %1 %2 is not a whole number</source>
        <extracomment>A stat of the player&apos;s the settings file holds that is not used: %1 is its key in the file (&quot;character3
&quot;, it stays), %2 its value in quotes.</extracomment>
        <translation>[MyStats] %1 %2 nie jest liczbą całkowitą</translation>
    </message>
</context>
<context>
    <name>ReminderKeeper</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Następny Dobry Księżyc</translation>
    </message>
    <message>
        <source>Show Kelvara Utility</source>
        <translation>Pokaż Kelvara Utility</translation>
    </message>
    <message>
        <source>These entries of %1 could not be used:
</source>
        <translation>Nie udało się użyć następujących wpisów z %1:
</translation>
    </message>
    <message>
        <source>
They stay in the file, and greyed in Tools → Reminders…, until you change or remove them there.</source>
        <translation>
Pozostają w pliku i są wyszarzone w oknie Narzędzia → Przypomnienia…, dopóki nie zostaną tam zmienione lub usunięte.</translation>
    </message>
    <message>
        <source>Some settings were ignored</source>
        <translation>Niektóre ustawienia zostały pominięte</translation>
    </message>
    <message>
        <source>Some reminders were ignored</source>
        <translation>Niektóre przypomnienia zostały pominięte</translation>
    </message>
    <message>
        <source>The reminders could not be saved.
%1</source>
        <translation>Nie udało się zapisać przypomnień.
%1</translation>
    </message>
    <message>
        <source>No reminder is on</source>
        <translation>Brak włączonych przypomnień</translation>
    </message>
    <message>
        <source>Next reminder at %1, %2</source>
        <translation>Następne przypomnienie o %1, %2</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Przypomnienia</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The program uses its default settings, as %1 could not be used:
</source>
        <translation>Program używa ustawień domyślnych, ponieważ nie można było użyć %1:
</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>Nie udało się odczytać ustawień</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Day %1</source>
        <extracomment>A reminder&apos;s title when the player gave it no label: %1 is the game day of the month (1 to 28).</extracomment>
        <translation>Dzień %1</translation>
    </message>
    <message>
        <source>%1: day %2</source>
        <extracomment>A reminder&apos;s title: %1 is the player&apos;s label, %2 the game day (1-28).</extracomment>
        <translation>%1: dzień %2</translation>
    </message>
    <message>
        <source>Day %1 begins now, %2</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the real day and clock time, in capitals, as TODAY AT 1:19 PM.</extracomment>
        <translation>Dzień %1 zaczyna się teraz, %2</translation>
    </message>
    <message>
        <source>Day %1 begins in %2, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the wait in words (as 6 hours 5 minutes, see the units), %3 the real day and clock time, in capitals, as TOMORROW AT 1:19 PM.</extracomment>
        <translation>Dzień %1 zacznie się za %2, %3</translation>
    </message>
    <message>
        <source>Day %1 began %2 ago, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 how long ago it began in words (as 4 minutes, see the units), %3 the real day and clock time, in capitals, as YESTERDAY AT 11:58 PM.</extracomment>
        <translation>Dzień %1 zaczął się %2 temu, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 1 day) or before &quot;ago&quot; (began 1 day ago): the number and the unit only, in the case those take. The program puts the units in a row with one blank.</extracomment>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 2 hours) or before &quot;ago&quot; (began 2 hours ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n godzinę</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 5 minutes) or before &quot;ago&quot; (began 5 minutes ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n minutę</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 40 seconds) or before &quot;ago&quot; (began 1 second ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n sekundę</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
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
Czas Kelvary: od %1 do %2, %3
%4</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Następny Dobry Księżyc</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Przypomnienia…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons</source>
        <translation>Pulpit nie obsługuje ikon w zasobniku</translation>
    </message>
    <message>
        <source>
The system clock is not synchronised.</source>
        <translation>
Zegar systemowy nie jest zsynchronizowany.</translation>
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
    <name>frmCompactClock</name>
    <message>
        <source>The compact clock could not be saved.
%1</source>
        <translation>Nie udało się zapisać zegara kompaktowego.
%1</translation>
    </message>
    <message>
        <source>Kelvara Compact Clock</source>
        <translation>Kompaktowy zegar Kelvary</translation>
    </message>
    <message>
        <source>Drag to move. Tools → Compact Clock hides it.</source>
        <translation>Przeciągnij, aby przesunąć. Aby ukryć, wybierz Narzędzia → Zegar kompaktowy.</translation>
    </message>
    <message>
        <source>Good moon in %1</source>
        <extracomment>The compact clock&apos;s second line; %1 is a short wait to the minute, as 1 d 23 h 59 min.</extracomment>
        <translation>Dobry Księżyc za %1</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Compare Items</source>
        <translation>Porównaj przedmioty</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Wymaga</translation>
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
        <translation>najlepszy</translation>
    </message>
    <message>
        <source>Items compared</source>
        <translation>Porównywane przedmioty</translation>
    </message>
    <message>
        <source>None of these items requires or changes a stat.</source>
        <translation>Żaden z tych przedmiotów nie wymaga ani nie zmienia statystyki.</translation>
    </message>
</context>
<context>
    <name>frmDateTime</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Ustawianie daty i czasu</translation>
    </message>
    <message>
        <source>Enter times in 24 hour format.  Example 4:45 p.m. would be entered as 16:45:00</source>
        <extracomment>&quot;p.m.&quot; names the 12-hour time of the example; the entry itself is on the 24-hour clock.</extracomment>
        <translation>Czas wpisuj w formacie 24-godzinnym.  Na przykład 4:45 po południu wpisuje się jako 16:45:00</translation>
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
        <translation>Czas Kelvary (GG:MM:SS)</translation>
    </message>
    <message>
        <source>Kelvara Date (MM/DD/YYYY)</source>
        <translation>Data Kelvary (MM/DD/RRRR)</translation>
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
        <translation>Czas Kelvary ma nieprawidłowy format.  Popraw go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The Kelvara date is not in the correct format.  Please fix it and try again.</source>
        <translation>Data Kelvary ma nieprawidłowy format.  Popraw ją i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>frmFindItems</name>
    <message>
        <source>Find Items</source>
        <translation>Szukaj przedmiotów</translation>
    </message>
    <message>
        <source>&amp;Name contains:</source>
        <translation>&amp;Nazwa zawiera:</translation>
    </message>
    <message>
        <source>&amp;Material:</source>
        <translation>&amp;Materiał:</translation>
    </message>
    <message>
        <source>Only items I can &amp;use</source>
        <translation>Tylko przedmioty, których mogę &amp;użyć</translation>
    </message>
    <message>
        <source>My &amp;Stats…</source>
        <translation>Moje &amp;statystyki…</translation>
    </message>
    <message>
        <source>&amp;Add condition</source>
        <translation>Dod&amp;aj warunek</translation>
    </message>
    <message>
        <source>Show only the items that give at least a number of a stat</source>
        <translation>Pokaż tylko przedmioty dające co najmniej podaną wartość statystyki</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Przedmioty</translation>
    </message>
    <message>
        <source>Add stat c&amp;olumn…</source>
        <translation>Dodaj k&amp;olumnę statystyki…</translation>
    </message>
    <message>
        <source>&amp;Remove column</source>
        <translation>Usuń &amp;kolumnę</translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation>Po&amp;równaj</translation>
    </message>
    <message>
        <source>Select two to four items to compare them</source>
        <translation>Zaznacz od dwóch do czterech przedmiotów, aby je porównać</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Ko&amp;piuj</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV…</source>
        <translation>Zapisz jako CS&amp;V…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>(all)</source>
        <extracomment>The material filter&apos;s entry that lets every material through.</extracomment>
        <translation>(wszystkie)</translation>
    </message>
    <message>
        <source>Gives at least</source>
        <extracomment>Before a number box: the item gives at least that many of a stat (chosen after it).</extracomment>
        <translation>Daje co najmniej</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Gdzie</translation>
    </message>
    <message>
        <source>mod 0</source>
        <translation>mod 0</translation>
    </message>
    <message>
        <source>mod 1</source>
        <translation>mod 1</translation>
    </message>
    <message>
        <source>mod 0 or mod 1</source>
        <translation>mod 0 lub mod 1</translation>
    </message>
    <message>
        <source>of</source>
        <extracomment>Between the number and the stat of a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>dla</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>Before mod 0, mod 1 or both in a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>w</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Takes one &quot;gives at least&quot; condition away.</extracomment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove condition %1</source>
        <translation>Usuń warunek %1</translation>
    </message>
    <message>
        <source>no character</source>
        <extracomment>Whose stats My Stats shows while no character file is open.</extracomment>
        <translation>brak postaci</translation>
    </message>
    <message>
        <source>Your stats could not be saved.
%1</source>
        <translation>Nie udało się zapisać twoich statystyk.
%1</translation>
    </message>
    <message>
        <source>items</source>
        <extracomment>The file name Save as CSV proposes.</extracomment>
        <translation>przedmioty</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The size and the columns of Find Items could not be saved.
%1</source>
        <translation>Nie udało się zapisać rozmiaru i kolumn okna Szukaj przedmiotów.
%1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Sor&amp;tuj według:</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>Male&amp;jąco</translation>
    </message>
    <message>
        <source>(database order)</source>
        <extracomment>The entry of &quot;Sort by&quot; that shows the items in the order of the game database.</extracomment>
        <translation>(kolejność bazy danych)</translation>
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
    <message>
        <source>Real Time</source>
        <translation>Czas rzeczywisty</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Data rzeczywista</translation>
    </message>
    <message>
        <source>Kelvara Time</source>
        <translation>Czas Kelvary</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Data Kelvary</translation>
    </message>
    <message>
        <source>Character Number</source>
        <translation>Numer postaci</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Server Status</source>
        <translation>Status serwera</translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation>Informacje o postaci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Open Character File</source>
        <translation>&amp;Otwórz plik postaci</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Next Good Moon</source>
        <translation>Następny &amp;Dobry Księżyc</translation>
    </message>
    <message>
        <source>Next &amp;Specified Day</source>
        <translation>Następny &amp;wybrany dzień</translation>
    </message>
    <message>
        <source>Set &amp;Date/Time</source>
        <translation>Ustaw datę i &amp;czas</translation>
    </message>
    <message>
        <source>Item Stats</source>
        <translation>Statystyki przedmiotu</translation>
    </message>
    <message>
        <source>Rank Experience Chart</source>
        <translation>Tabela doświadczenia rang</translation>
    </message>
    <message>
        <source>&amp;Upcoming Days…</source>
        <translation>&amp;Nadchodzące dni…</translation>
    </message>
    <message>
        <source>&amp;Compact Clock</source>
        <translation>&amp;Zegar kompaktowy</translation>
    </message>
    <message>
        <source>&amp;Reminders…</source>
        <translation>&amp;Przypomnienia…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Ustawienia…</translation>
    </message>
    <message>
        <source>The calibration could not be saved.
%1</source>
        <translation>Nie udało się zapisać kalibracji.
%1</translation>
    </message>
    <message>
        <source>Kelvara Character Files (*.oxl)</source>
        <translation>Pliki postaci Kelvary (*.oxl)</translation>
    </message>
    <message>
        <source>The folder of the character file could not be remembered.
%1</source>
        <translation>Nie udało się zapamiętać folderu pliku postaci.
%1</translation>
    </message>
    <message>
        <source>The rank experience chart could not be read.
%1</source>
        <translation>Nie udało się odczytać tabeli doświadczenia rang.
%1</translation>
    </message>
    <message>
        <source>The system clock is not synchronised. Each real minute it is off puts the game clock 18 game minutes off.</source>
        <translation>Zegar systemowy nie jest zsynchronizowany. Każda minuta jego odchyłki przesuwa zegar gry o 18 minut gry.</translation>
    </message>
    <message>
        <source>&amp;Find Items…</source>
        <translation>&amp;Szukaj przedmiotów…</translation>
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
        <translation>Moje statystyki – %1</translation>
    </message>
    <message>
        <source>&amp;Find a stat:</source>
        <translation>&amp;Znajdź statystykę:</translation>
    </message>
    <message>
        <source>My stats</source>
        <translation>Moje statystyki</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
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
        <translation>Dobry Księżyc za</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Good moon begins</source>
        <extracomment>What a screen reader names the line with the real day and clock time the good moon begins.</extracomment>
        <translation>Dobry księżyc zaczyna się</translation>
    </message>
</context>
<context>
    <name>frmNotice</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Kelvara Utility starts at login from %1. OK makes it start from here, %2.</source>
        <translation>Po zalogowaniu Kelvara Utility uruchamia się z %1. Po kliknięciu OK będzie uruchamiany stąd: %2.</translation>
    </message>
    <message>
        <source>Start Kelvara Utility when I log in</source>
        <translation>Uruchamiaj Kelvara Utility po zalogowaniu</translation>
    </message>
    <message>
        <source>Start hidden</source>
        <translation>Uruchamiaj z ukrytym oknem</translation>
    </message>
    <message>
        <source>Keep running in the tray when the main window is closed</source>
        <translation>Pozostaw w zasobniku po zamknięciu głównego okna</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Jak w systemie</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasne</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemne</translation>
    </message>
    <message>
        <source>Starting at login could not be changed.
%1</source>
        <translation>Nie udało się zmienić uruchamiania po zalogowaniu.
%1</translation>
    </message>
    <message>
        <source>The preferences could not be saved.
%1</source>
        <translation>Nie udało się zapisać ustawień.
%1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>The language changes when Kelvara Utility next starts.</source>
        <translation>Język zmieni się przy następnym uruchomieniu Kelvara Utility.</translation>
    </message>
    <message>
        <source>Kelvara Utility&apos;s login entry names no program to start. OK makes it start from here, %1.</source>
        <translation>Wpis autostartu Kelvara Utility nie wskazuje programu. Po kliknięciu OK będzie uruchamiany stąd: %1.</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Przypomnienia</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minut przed</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etykieta</translation>
    </message>
    <message>
        <source>Game day of the month:</source>
        <translation>Dzień miesiąca w grze:</translation>
    </message>
    <message>
        <source>Real minutes before it begins:</source>
        <translation>Rzeczywistych minut przed początkiem:</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Etykieta:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testuj</translation>
    </message>
    <message>
        <source>Not used: %1</source>
        <translation>Pominięte: %1</translation>
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
    <message>
        <source>Item</source>
        <extracomment>What a screen reader names the box in which the player chooses or types an item.</extracomment>
        <translation>Przedmiot</translation>
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
        <translation>&amp;Dzień w grze (1-28):</translation>
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
        <translation>Pozostało</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Data Kelvary</translation>
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
