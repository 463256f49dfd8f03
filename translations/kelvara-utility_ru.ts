<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>not readable: %1</source>
        <extracomment>In place of a count of rows that could not be read; %1 is the reason.</extracomment>
        <translation>не удалось прочитать: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>The size of the game database file; %1 is the number of bytes, grouped.</extracomment>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>In place of the size of a game database file that is not there.</extracomment>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Папка программы</translation>
    </message>
    <message>
        <source>Game database</source>
        <translation>База данных игры</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменена</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Характеристики</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Предметы</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Ранги</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Файл настроек</translation>
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
        <translation>Спутник игровых часов</translation>
    </message>
    <message>
        <source>Real and Kelvara game clock, good moon forecasts, character files and item stats</source>
        <extracomment>The tooltip of the program in the applications menu.</extracomment>
        <translation>Реальные и игровые часы Kelvara, прогнозы Благой луны, файлы персонажей и характеристики предметов</translation>
    </message>
    <message>
        <source>Kelvara;game;clock;moon;reminder;calendar;character;items;</source>
        <extracomment>Words the applications menu&apos;s search finds the program by. Translate each word (several words per word are fine); each one, the last too, is followed by a semicolon, with no spaces around it.</extracomment>
        <translation>Kelvara;игра;часы;луна;напоминание;календарь;персонаж;предметы;</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне диапазона</translation>
    </message>
    <message>
        <source>%1: table &quot;%2&quot;, row %3, column %4.</source>
        <extracomment>%1 is what went wrong (Overflow, Type mismatch...), %2 a table of the game database (a name that stays), %3 the row and %4 the column, numbers.</extracomment>
        <translation>%1: таблица «%2», строка %3, столбец %4.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Недопустимое использование Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типа</translation>
    </message>
    <message>
        <source>No row in tblMaterial has MaterialID %1</source>
        <translation>В tblMaterial нет строки с MaterialID %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Не удаётся удалить «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the character file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Не удаётся прочитать файл персонажа «%1»: %2</translation>
    </message>
    <message>
        <source>it is not open for reading</source>
        <translation>файл не открыт для чтения</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Не удаётся создать «%1»: %2</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved, after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;: %1 and %2 are numbers of bytes.</extracomment>
        <translation>записано только %1 из %2 байт</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <extracomment>Why a file cannot be used, after &quot;Cannot read &quot;&lt;file&gt;&quot;: &quot;.</extracomment>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is a device or stream of the system, not a file</source>
        <extracomment>Why a file is not saved: its name is one of the system&apos;s devices or streams, such as /dev/stdout.</extracomment>
        <translation>это устройство или поток системы, а не файл</translation>
    </message>
    <message>
        <source>the program&apos;s own path is not known</source>
        <extracomment>Why the login entry is not written (after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;): the program&apos;s own path could not be found.</extracomment>
        <translation>путь к самой программе неизвестен</translation>
    </message>
    <message>
        <source>its access control list cannot be kept: %1</source>
        <extracomment>Why a file is not saved: the saved copy would lose who else may read or write it. %1 is the system&apos;s reason.</extracomment>
        <translation>невозможно сохранить его список управления доступом: %1</translation>
    </message>
    <message>
        <source>its extended attribute &quot;%1&quot; cannot be kept: %2</source>
        <extracomment>Why a file is not saved. %1 is an extended attribute&apos;s name (&quot;user.origin&quot;), %2 the system&apos;s reason.</extracomment>
        <translation>невозможно сохранить его расширенный атрибут «%1»: %2</translation>
    </message>
    <message>
        <source>its owner and group cannot be kept: %1</source>
        <extracomment>Why a file is not saved: it belongs to another user or group, which a saved copy would not. %1 is the system&apos;s reason.</extracomment>
        <translation>невозможно сохранить его владельца и группу: %1</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>YESTERDAY AT %1</source>
        <extracomment>The real day and clock time at which a game day began. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>ВЧЕРА В %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>СЕГОДНЯ В %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>ЗАВТРА В %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <extracomment>The real day (the day after tomorrow) and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>ПОСЛЕЗАВТРА В %1</translation>
    </message>
    <message numerus="yes">
        <source>%n DAY</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n ДЕНЬ</numerusform>
            <numerusform>%n ДНЯ</numerusform>
            <numerusform>%n ДНЕЙ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HOUR(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n ЧАС</numerusform>
            <numerusform>%n ЧАСА</numerusform>
            <numerusform>%n ЧАСОВ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n MINUTE(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n МИНУТУ</numerusform>
            <numerusform>%n МИНУТЫ</numerusform>
            <numerusform>%n МИНУТ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n SECOND(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n СЕКУНДУ</numerusform>
            <numerusform>%n СЕКУНДЫ</numerusform>
            <numerusform>%n СЕКУНД</numerusform>
        </translation>
    </message>
    <message>
        <source>YESTERDAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish AYER A LA 1:19 PM).</extracomment>
        <translation>ВЧЕРА В %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish HOY A LA 1:19 PM).</extracomment>
        <translation>СЕГОДНЯ В %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish MAÑANA A LA 1:19 PM).</extracomment>
        <translation>ЗАВТРА В %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish PASADO MAÑANA A LA 1:19 PM).</extracomment>
        <translation>ПОСЛЕЗАВТРА В %1</translation>
    </message>
</context>
<context>
    <name>GameDataWatcher</name>
    <message numerus="yes">
        <source>The game database changed: %Ln items loaded.</source>
        <translation>
            <numerusform>База данных игры изменилась: загружен %Ln предмет.</numerusform>
            <numerusform>База данных игры изменилась: загружено %Ln предмета.</numerusform>
            <numerusform>База данных игры изменилась: загружено %Ln предметов.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game database changed, but the new file could not be read. The game data loaded before stays in use.
%1</source>
        <translation>База данных игры изменилась, но новый файл не удалось прочитать. Используются ранее загруженные данные игры.
%1</translation>
    </message>
    <message>
        <source>Game data</source>
        <translation>Данные игры</translation>
    </message>
</context>
<context>
    <name>GameDatabase</name>
    <message>
        <source>The database &quot;%1&quot; is damaged: %2.</source>
        <translation>База данных «%1» повреждена: %2.</translation>
    </message>
    <message>
        <source>Unsupported connection text: &quot;%1&quot;</source>
        <translation>Неподдерживаемая строка подключения: «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Jet 4.0 database.</source>
        <translation>«%1» не является базой данных Jet 4.0.</translation>
    </message>
    <message>
        <source>its catalog cannot be read</source>
        <translation>не удаётся прочитать её каталог</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be found</source>
        <translation>не найдена строка таблицы «%1»</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be read</source>
        <translation>не удаётся прочитать строку таблицы «%1»</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; lies outside its page</source>
        <translation>строка таблицы «%1» выходит за пределы своей страницы</translation>
    </message>
    <message>
        <source>a value of table &quot;%1&quot; is cut short</source>
        <translation>значение в таблице «%1» обрезано</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; was not found in &quot;%2&quot;.</source>
        <translation>Таблица «%1» не найдена в «%2».</translation>
    </message>
    <message>
        <source>the definition of table &quot;%1&quot; cannot be read</source>
        <translation>не удаётся прочитать описание таблицы «%1»</translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; cannot be read</source>
        <translation>не удаётся прочитать столбцы таблицы «%1»</translation>
    </message>
    <message>
        <source>table &quot;%1&quot; does not end</source>
        <translation>таблица «%1» не заканчивается</translation>
    </message>
    <message>
        <source>Could not find the database &quot;%1&quot;.</source>
        <translation>База данных «%1» не найдена.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; is not a file.</source>
        <translation>База данных «%1» не является файлом.</translation>
    </message>
    <message>
        <source>Cannot open the database &quot;%1&quot;: %2</source>
        <translation>Не удаётся открыть базу данных «%1»: %2</translation>
    </message>
    <message>
        <source>The connection to the database is not open.</source>
        <translation>Соединение с базой данных не открыто.</translation>
    </message>
    <message>
        <source>No column &quot;%1&quot; in table &quot;%2&quot;: %3</source>
        <translation>В таблице «%2» нет столбца «%1»: %3</translation>
    </message>
    <message>
        <source>Data type mismatch in criteria expression: %1</source>
        <translation>Несоответствие типов данных в выражении условия: %1</translation>
    </message>
    <message>
        <source>Unsupported SQL statement: &quot;%1&quot;</source>
        <translation>Неподдерживаемая инструкция SQL: «%1»</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>Набор записей не открыт.</translation>
    </message>
    <message>
        <source>No current row in &quot;%1&quot;: %2</source>
        <translation>Нет текущей строки в «%1»: %2</translation>
    </message>
    <message>
        <source>Table &quot;%1&quot; has no column at position %2</source>
        <translation>В таблице «%1» нет столбца в позиции %2</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <extracomment>Why a game database cannot be read (after &quot;The database ... is damaged:&quot;).</extracomment>
        <translation>файл обрезан</translation>
    </message>
</context>
<context>
    <name>ItemBrowser</name>
    <message numerus="yes">
        <source>%1 of %Ln item(s)</source>
        <extracomment>How many items the filters let through (%1) of how many there are (%Ln), both grouped as the regional settings group digits.</extracomment>
        <translation>
            <numerusform>%1 из %Ln предмета</numerusform>
            <numerusform>%1 из %Ln предметов</numerusform>
            <numerusform>%1 из %Ln предметов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemFinder</name>
    <message>
        <source>Items found</source>
        <extracomment>What a screen reader names the list of the items whose names hold the typed text.</extracomment>
        <translation>Найденные предметы</translation>
    </message>
</context>
<context>
    <name>ItemProxyModel</name>
    <message>
        <source>sorted ascending</source>
        <translation>по возрастанию</translation>
    </message>
    <message>
        <source>sorted descending</source>
        <translation>по убыванию</translation>
    </message>
</context>
<context>
    <name>ItemTableModel</name>
    <message>
        <source>Item</source>
        <translation>Предмет</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Материал</translation>
    </message>
    <message>
        <source>%1 (req.)</source>
        <extracomment>A column of what an item requires of a stat (%1, &quot;Strength&quot;) to be used.</extracomment>
        <translation>%1 (треб.)</translation>
    </message>
    <message>
        <source>%1 (mod 0)</source>
        <extracomment>A column of what an item&apos;s mod 0 (the game&apos;s term) changes a stat (%1) by.</extracomment>
        <translation>%1 (мод 0)</translation>
    </message>
    <message>
        <source>%1 (mod 1)</source>
        <extracomment>A column of what an item&apos;s mod 1 (the game&apos;s term) changes a stat (%1) by.</extracomment>
        <translation>%1 (мод 1)</translation>
    </message>
</context>
<context>
    <name>NextDay</name>
    <message>
        <source>You need to enter a day between 1 and 28.</source>
        <translation>Нужно ввести день от 1 до 28.</translation>
    </message>
    <message>
        <source>Day %1 of the month will be in </source>
        <extracomment>The first line of the answer: %1 is the day of the game month. The wait and the real day and time follow on the next two lines. The blank at the end is part of the design.</extracomment>
        <translation>%1-й день месяца наступит через </translation>
    </message>
    <message>
        <source>Enter day (1-28)</source>
        <extracomment>The prompt of the input box of Tools &gt; Next Specified Day.</extracomment>
        <translation>Введите день (1-28)</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>Kelvara Utility is already running from this folder, but it does not answer. Start it again in a moment, or end the copy that is running.</source>
        <translation>Kelvara Utility уже запущена из этой папки, но не отвечает. Запустите её снова через минуту или завершите запущенную копию.</translation>
    </message>
    <message>
        <source>Kelvara Utility is still starting or closing from this folder. Start it again once that is done.</source>
        <translation>Kelvara Utility ещё запускается или завершается из этой папки. Запустите программу снова, когда это закончится.</translation>
    </message>
    <message>
        <source>Kelvara Utility is already running from this folder for another user. Only one copy may use a folder&apos;s files at a time.</source>
        <translation>Kelvara Utility уже запущена из этой папки другим пользователем. Файлы папки может одновременно использовать только одна копия.</translation>
    </message>
    <message>
        <source>Kelvara Utility cannot make sure that it runs only once from this folder: cannot lock %1. Should another copy run from it, both announce each reminder, and each saves over the other&apos;s clock.</source>
        <translation>Kelvara Utility не может убедиться, что из этой папки запущена только одна копия: не удаётся заблокировать %1. Если из неё запустится ещё одна копия, обе будут объявлять каждое напоминание, и каждая будет сохранять часы поверх часов другой.</translation>
    </message>
</context>
<context>
    <name>ProgramSettings</name>
    <message>
        <source>missing</source>
        <extracomment>Stands for a value the settings file does not have, as in &quot;day missing is not from 1 to 28&quot;.</extracomment>
        <translation>(нет значения)</translation>
    </message>
    <message>
        <source>day %1 is not from 1 to 28</source>
        <extracomment>Why a reminder of the settings file is not used: &quot;day&quot; is the key in the file, %1 its value in quotes.</extracomment>
        <translation>day %1 — не число от 1 до 28</translation>
    </message>
    <message>
        <source>minutes %1 is not from 0 to %2</source>
        <extracomment>Why a reminder is not used: &quot;minutes&quot; is the key in the file, %1 its value in quotes, %2 the largest.</extracomment>
        <translation>minutes %1 — не число от 0 до %2</translation>
    </message>
    <message>
        <source>enabled %1 is neither true nor false</source>
        <extracomment>Why a reminder is not used: &quot;enabled&quot; is the key in the file (it stays), %1 its value in quotes; true and false are the values the file takes (they stay).</extracomment>
        <translation>enabled %1 — не true и не false</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>не удалось прочитать файл: %1</translation>
    </message>
    <message>
        <source>[Tray] keepRunning %1 is neither true nor false</source>
        <translation>[Tray] keepRunning %1 — не true и не false</translation>
    </message>
    <message>
        <source>[Preferences] colours %1 is not desktop, light or dark</source>
        <translation>[Preferences] colours %1 — не desktop, light или dark</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not a number</source>
        <translation>количество напоминаний %1 — не число</translation>
    </message>
    <message>
        <source>more than %1 reminders</source>
        <translation>больше %1 напоминаний</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <extracomment>An entry of the settings file that is not used: %1 is its number, %2 why.</extracomment>
        <translation>запись %1: %2</translation>
    </message>
    <message>
        <source>entry %1: more than %2 reminders</source>
        <translation>запись %1: больше %2 напоминаний</translation>
    </message>
    <message>
        <source>entries %1 to %2: more than %3 reminders</source>
        <translation>записи с %1 по %2: больше %3 напоминаний</translation>
    </message>
    <message>
        <source>[Preferences] language %1 is not one of %2</source>
        <extracomment>%1 is the value in quotes, %2 the list of the language codes the file takes (they stay).</extracomment>
        <translation>[Preferences] language %1 — не одно из значений %2</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not from 0 to %2</source>
        <extracomment>%1 is the value of &quot;size&quot; in quotes, %2 the largest number of reminders the file can hold.</extracomment>
        <translation>число напоминаний %1 не в диапазоне от 0 до %2</translation>
    </message>
    <message>
        <source>it is not all UTF-8, and could not be kept aside: %1</source>
        <extracomment>Why the settings file is not saved: it has lines that are not UTF-8, and the copy of it failed.</extracomment>
        <translation>файл не целиком в UTF-8, а его копию сохранить не удалось: %1</translation>
    </message>
    <message>
        <source>[MyStats] %1 %2 is not a whole number</source>
        <extracomment>A stat of the player&apos;s the settings file holds that is not used: %1 is its key in the file (&quot;character3
&quot;, it stays), %2 its value in quotes.</extracomment>
        <translation>[MyStats] %1 %2 — не целое число</translation>
    </message>
</context>
<context>
    <name>ReminderKeeper</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Следующая Благая луна</translation>
    </message>
    <message>
        <source>Show Kelvara Utility</source>
        <translation>Показать Kelvara Utility</translation>
    </message>
    <message>
        <source>These entries of %1 could not be used:
</source>
        <translation>Не удалось использовать следующие записи из %1:
</translation>
    </message>
    <message>
        <source>
They stay in the file, and greyed in Tools → Reminders…, until you change or remove them there.</source>
        <translation>
Они остаются в файле и отображаются серым в «Инструменты → Напоминания…», пока вы не измените или не удалите их там.</translation>
    </message>
    <message>
        <source>Some settings were ignored</source>
        <translation>Некоторые настройки проигнорированы</translation>
    </message>
    <message>
        <source>Some reminders were ignored</source>
        <translation>Некоторые напоминания проигнорированы</translation>
    </message>
    <message>
        <source>The reminders could not be saved.
%1</source>
        <translation>Не удалось сохранить напоминания.
%1</translation>
    </message>
    <message>
        <source>No reminder is on</source>
        <translation>Нет включённых напоминаний</translation>
    </message>
    <message>
        <source>Next reminder at %1, %2</source>
        <translation>Следующее напоминание в %1, %2</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The program uses its default settings, as %1 could not be used:
</source>
        <translation>Программа использует настройки по умолчанию, так как %1 не удалось использовать:
</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>Не удалось прочитать настройки</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Day %1</source>
        <extracomment>A reminder&apos;s title when the player gave it no label: %1 is the game day of the month (1 to 28).</extracomment>
        <translation>День %1</translation>
    </message>
    <message>
        <source>%1: day %2</source>
        <extracomment>A reminder&apos;s title: %1 is the player&apos;s label, %2 the game day (1-28).</extracomment>
        <translation>%1: день %2</translation>
    </message>
    <message>
        <source>Day %1 begins now, %2</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the real day and clock time, in capitals, as TODAY AT 1:19 PM.</extracomment>
        <translation>День %1 начинается сейчас, %2</translation>
    </message>
    <message>
        <source>Day %1 begins in %2, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the wait in words (as 6 hours 5 minutes, see the units), %3 the real day and clock time, in capitals, as TOMORROW AT 1:19 PM.</extracomment>
        <translation>День %1 начнётся через %2, %3</translation>
    </message>
    <message>
        <source>Day %1 began %2 ago, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 how long ago it began in words (as 4 minutes, see the units), %3 the real day and clock time, in capitals, as YESTERDAY AT 11:58 PM.</extracomment>
        <translation>День %1 начался %2 назад, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 1 day) or before &quot;ago&quot; (began 1 day ago): the number and the unit only, in the case those take. The program puts the units in a row with one blank.</extracomment>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 2 hours) or before &quot;ago&quot; (began 2 hours ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 5 minutes) or before &quot;ago&quot; (began 5 minutes ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n минуту</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 40 seconds) or before &quot;ago&quot; (began 1 second ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n секунду</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShortWait</name>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A short wait to the minute: %1 hours, %2 minutes (two digits), as 9 h 05 min.</extracomment>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1 d %2</source>
        <extracomment>A short wait of a day or more: %1 days, then %2, the rest of the wait (as 13:43:22 or 9 h 05 min).</extracomment>
        <translation>%1 д %2</translation>
    </message>
</context>
<context>
    <name>Ticker</name>
    <message>
        <source>Kelvara Utility
Kelvara Time %1 to %2, %3
%4</source>
        <translation>Kelvara Utility
Время Kelvara: с %1 до %2, %3
%4</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Следующая Благая луна</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Напоминания…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons</source>
        <translation>Рабочий стол не поддерживает значки в трее</translation>
    </message>
    <message>
        <source>
The system clock is not synchronised.</source>
        <translation>
Системные часы не синхронизированы.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Kelvara Utility</source>
        <translation>О программе Kelvara Utility</translation>
    </message>
    <message>
        <source>Kelvara Utility %1</source>
        <translation>Kelvara Utility %1</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
</context>
<context>
    <name>frmCompactClock</name>
    <message>
        <source>The compact clock could not be saved.
%1</source>
        <translation>Не удалось сохранить компактные часы.
%1</translation>
    </message>
    <message>
        <source>Kelvara Compact Clock</source>
        <translation>Компактные часы Kelvara</translation>
    </message>
    <message>
        <source>Drag to move. Tools → Compact Clock hides it.</source>
        <translation>Перетащите, чтобы переместить. «Инструменты → Компактные часы» скрывает их.</translation>
    </message>
    <message>
        <source>Good moon in %1</source>
        <extracomment>The compact clock&apos;s second line; %1 is a short wait to the minute, as 1 d 23 h 59 min.</extracomment>
        <translation>Благая луна через %1</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Compare Items</source>
        <translation>Сравнение предметов</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Требует</translation>
    </message>
    <message>
        <source>Mod 0</source>
        <translation>Мод 0</translation>
    </message>
    <message>
        <source>Mod 1</source>
        <translation>Мод 1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>How a screen reader names a column of the comparison: %1 is the item&apos;s name, %2 one of Requires, Mod 0, Mod 1.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>best</source>
        <translation>лучший</translation>
    </message>
    <message>
        <source>Items compared</source>
        <translation>Сравниваемые предметы</translation>
    </message>
    <message>
        <source>None of these items requires or changes a stat.</source>
        <translation>Ни один из этих предметов не требует и не меняет характеристик.</translation>
    </message>
</context>
<context>
    <name>frmDateTime</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Установка даты и времени</translation>
    </message>
    <message>
        <source>Enter times in 24 hour format.  Example 4:45 p.m. would be entered as 16:45:00</source>
        <extracomment>&quot;p.m.&quot; names the 12-hour time of the example; the entry itself is on the 24-hour clock.</extracomment>
        <translation>Вводите время в 24-часовом формате.  Например, 4:45 дня вводится как 16:45:00</translation>
    </message>
    <message>
        <source>Real Time (HH:MM:SS)</source>
        <translation>Реальное время (ЧЧ:ММ:СС)</translation>
    </message>
    <message>
        <source>Real Date (MM/DD/YYYY)</source>
        <translation>Реальная дата (ММ/ДД/ГГГГ)</translation>
    </message>
    <message>
        <source>Kelvara Time (HH:MM:SS)</source>
        <translation>Время Kelvara (ЧЧ:ММ:СС)</translation>
    </message>
    <message>
        <source>Kelvara Date (MM/DD/YYYY)</source>
        <translation>Дата Kelvara (ММ/ДД/ГГГГ)</translation>
    </message>
    <message>
        <source>Set Date and Times</source>
        <translation>Установить дату и время</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The real time is not in the correct format.  Please fix it and try again.</source>
        <translation>Реальное время указано в неверном формате.  Исправьте его и попробуйте снова.</translation>
    </message>
    <message>
        <source>The real date is not in the correct format.  Please fix it and try again.</source>
        <translation>Реальная дата указана в неверном формате.  Исправьте её и попробуйте снова.</translation>
    </message>
    <message>
        <source>The Kelvara time is not in the correct format.  Please fix it and try again.</source>
        <translation>Время Kelvara указано в неверном формате.  Исправьте его и попробуйте снова.</translation>
    </message>
    <message>
        <source>The Kelvara date is not in the correct format.  Please fix it and try again.</source>
        <translation>Дата Kelvara указана в неверном формате.  Исправьте её и попробуйте снова.</translation>
    </message>
</context>
<context>
    <name>frmFindItems</name>
    <message>
        <source>Find Items</source>
        <translation>Поиск предметов</translation>
    </message>
    <message>
        <source>&amp;Name contains:</source>
        <translation>&amp;Название содержит:</translation>
    </message>
    <message>
        <source>&amp;Material:</source>
        <translation>&amp;Материал:</translation>
    </message>
    <message>
        <source>Only items I can &amp;use</source>
        <translation>Только &amp;доступные мне предметы</translation>
    </message>
    <message>
        <source>My &amp;Stats…</source>
        <translation>Мои &amp;характеристики…</translation>
    </message>
    <message>
        <source>&amp;Add condition</source>
        <translation>Добавить &amp;условие</translation>
    </message>
    <message>
        <source>Show only the items that give at least a number of a stat</source>
        <translation>Показывать только предметы, дающие не меньше заданного значения характеристики</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Предметы</translation>
    </message>
    <message>
        <source>Add stat c&amp;olumn…</source>
        <translation>Добавить с&amp;толбец…</translation>
    </message>
    <message>
        <source>&amp;Remove column</source>
        <translation>Убрать сто&amp;лбец</translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation>С&amp;равнить</translation>
    </message>
    <message>
        <source>Select two to four items to compare them</source>
        <translation>Выберите от двух до четырёх предметов для сравнения</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV…</source>
        <translation>Сохранить как CS&amp;V…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>(all)</source>
        <extracomment>The material filter&apos;s entry that lets every material through.</extracomment>
        <translation>(все)</translation>
    </message>
    <message>
        <source>Gives at least</source>
        <extracomment>Before a number box: the item gives at least that many of a stat (chosen after it).</extracomment>
        <translation>Даёт не меньше</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Характеристика</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Где</translation>
    </message>
    <message>
        <source>mod 0</source>
        <translation>мод 0</translation>
    </message>
    <message>
        <source>mod 1</source>
        <translation>мод 1</translation>
    </message>
    <message>
        <source>mod 0 or mod 1</source>
        <translation>мод 0 или мод 1</translation>
    </message>
    <message>
        <source>of</source>
        <extracomment>Between the number and the stat of a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>по</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>Before mod 0, mod 1 or both in a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>в</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Takes one &quot;gives at least&quot; condition away.</extracomment>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Remove condition %1</source>
        <translation>Убрать условие %1</translation>
    </message>
    <message>
        <source>no character</source>
        <extracomment>Whose stats My Stats shows while no character file is open.</extracomment>
        <translation>без персонажа</translation>
    </message>
    <message>
        <source>Your stats could not be saved.
%1</source>
        <translation>Не удалось сохранить ваши характеристики.
%1</translation>
    </message>
    <message>
        <source>items</source>
        <extracomment>The file name Save as CSV proposes.</extracomment>
        <translation>predmety</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>The size and the columns of Find Items could not be saved.
%1</source>
        <translation>Не удалось сохранить размер и столбцы окна «Поиск предметов».
%1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>&amp;Сортировать по:</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>По у&amp;быванию</translation>
    </message>
    <message>
        <source>(database order)</source>
        <extracomment>The entry of &quot;Sort by&quot; that shows the items in the order of the game database.</extracomment>
        <translation>(порядок базы данных)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About Kelvara Utility</source>
        <translation>&amp;О программе Kelvara Utility</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Реальное время</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Реальная дата</translation>
    </message>
    <message>
        <source>Kelvara Time</source>
        <translation>Время Kelvara</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Дата Kelvara</translation>
    </message>
    <message>
        <source>Character Number</source>
        <translation>Номер персонажа</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Server Status</source>
        <translation>Статус сервера</translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation>О персонаже</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open Character File</source>
        <translation>&amp;Открыть файл персонажа</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Инструменты</translation>
    </message>
    <message>
        <source>&amp;Next Good Moon</source>
        <translation>Следующая &amp;Благая луна</translation>
    </message>
    <message>
        <source>Next &amp;Specified Day</source>
        <translation>Следующий &amp;заданный день</translation>
    </message>
    <message>
        <source>Set &amp;Date/Time</source>
        <translation>Установить &amp;дату и время</translation>
    </message>
    <message>
        <source>Item Stats</source>
        <translation>Характеристики предмета</translation>
    </message>
    <message>
        <source>Rank Experience Chart</source>
        <translation>Таблица опыта по рангам</translation>
    </message>
    <message>
        <source>&amp;Upcoming Days…</source>
        <translation>Бл&amp;ижайшие дни…</translation>
    </message>
    <message>
        <source>&amp;Compact Clock</source>
        <translation>&amp;Компактные часы</translation>
    </message>
    <message>
        <source>&amp;Reminders…</source>
        <translation>&amp;Напоминания…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>Н&amp;астройки…</translation>
    </message>
    <message>
        <source>The calibration could not be saved.
%1</source>
        <translation>Не удалось сохранить калибровку.
%1</translation>
    </message>
    <message>
        <source>Kelvara Character Files (*.oxl)</source>
        <translation>Файлы персонажей Kelvara (*.oxl)</translation>
    </message>
    <message>
        <source>The folder of the character file could not be remembered.
%1</source>
        <translation>Не удалось запомнить папку файла персонажа.
%1</translation>
    </message>
    <message>
        <source>The rank experience chart could not be read.
%1</source>
        <translation>Не удалось прочитать таблицу опыта по рангам.
%1</translation>
    </message>
    <message>
        <source>The system clock is not synchronised. Each real minute it is off puts the game clock 18 game minutes off.</source>
        <translation>Системные часы не синхронизированы. Каждая минута их отклонения сбивает игровые часы на 18 игровых минут.</translation>
    </message>
    <message>
        <source>&amp;Find Items…</source>
        <translation>&amp;Поиск предметов…</translation>
    </message>
</context>
<context>
    <name>frmMsgBox</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>frmMyStats</name>
    <message>
        <source>My Stats – %1</source>
        <extracomment>The title of the window of the player&apos;s stats; %1 is a character&apos;s name, or the words for no character.</extracomment>
        <translation>Мои характеристики – %1</translation>
    </message>
    <message>
        <source>&amp;Find a stat:</source>
        <translation>&amp;Найти характеристику:</translation>
    </message>
    <message>
        <source>My stats</source>
        <translation>Мои характеристики</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Характеристика</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
</context>
<context>
    <name>frmNextGoodMoon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Следующая Благая луна</translation>
    </message>
    <message>
        <source>Next Good Moon in</source>
        <translation>Благая луна через</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Good moon begins</source>
        <extracomment>What a screen reader names the line with the real day and clock time the good moon begins.</extracomment>
        <translation>Начало доброй луны</translation>
    </message>
</context>
<context>
    <name>frmNotice</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Kelvara Utility starts at login from %1. OK makes it start from here, %2.</source>
        <translation>При входе в систему Kelvara Utility запускается из %1. Нажмите OK, чтобы запускать его отсюда: %2.</translation>
    </message>
    <message>
        <source>Start Kelvara Utility when I log in</source>
        <translation>Запускать Kelvara Utility при входе в систему</translation>
    </message>
    <message>
        <source>Start hidden</source>
        <translation>Запускать скрытым</translation>
    </message>
    <message>
        <source>Keep running in the tray when the main window is closed</source>
        <translation>Оставаться в трее при закрытии главного окна</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлые</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмные</translation>
    </message>
    <message>
        <source>Starting at login could not be changed.
%1</source>
        <translation>Не удалось изменить автозапуск при входе.
%1</translation>
    </message>
    <message>
        <source>The preferences could not be saved.
%1</source>
        <translation>Не удалось сохранить настройки.
%1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The language changes when Kelvara Utility next starts.</source>
        <translation>Язык сменится при следующем запуске Kelvara Utility.</translation>
    </message>
    <message>
        <source>Kelvara Utility&apos;s login entry names no program to start. OK makes it start from here, %1.</source>
        <translation>Запись автозапуска Kelvara Utility не указывает программу. Нажмите OK, чтобы запускать его отсюда: %1.</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Минут до начала</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Метка</translation>
    </message>
    <message>
        <source>Game day of the month:</source>
        <translation>Игровой день месяца:</translation>
    </message>
    <message>
        <source>Real minutes before it begins:</source>
        <translation>Реальных минут до начала:</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Метка:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Not used: %1</source>
        <translation>Не используется: %1</translation>
    </message>
</context>
<context>
    <name>frmStats</name>
    <message>
        <source>Item Stats</source>
        <translation>Характеристики предмета</translation>
    </message>
    <message>
        <source>Minimum Requirements</source>
        <translation>Минимальные требования</translation>
    </message>
    <message>
        <source>Mod 0</source>
        <extracomment>The heading of the list of an item&apos;s mods of set 0 (the game&apos;s term).</extracomment>
        <translation>Мод 0</translation>
    </message>
    <message>
        <source>Mod 1</source>
        <extracomment>The heading of the list of an item&apos;s mods of set 1 (the game&apos;s term).</extracomment>
        <translation>Мод 1</translation>
    </message>
    <message>
        <source>Item</source>
        <extracomment>What a screen reader names the box in which the player chooses or types an item.</extracomment>
        <translation>Предмет</translation>
    </message>
</context>
<context>
    <name>frmUpcomingDays</name>
    <message>
        <source>Upcoming Days</source>
        <translation>Ближайшие дни</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The calendar reminder box at 0: the events get no reminder.</extracomment>
        <translation>нет</translation>
    </message>
    <message>
        <source> min before</source>
        <extracomment>Follows the number of minutes in the calendar reminder box, as &quot;30 min before&quot;.</extracomment>
        <translation> мин до начала</translation>
    </message>
    <message>
        <source>&amp;Game day (1-28):</source>
        <translation>&amp;Игровой день (1-28):</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Количество:</translation>
    </message>
    <message>
        <source>&amp;Reminder:</source>
        <translation>&amp;Напоминание:</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>День недели</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Реальная дата</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Реальное время</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Дата Kelvara</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>Экспорт в календарь…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Файлы iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved.
%1</source>
        <extracomment>%1 is the reason, on a line of its own.</extracomment>
        <translation>Не удалось сохранить календарь.
%1</translation>
    </message>
</context>
</TS>
