<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>not readable: %1</source>
        <extracomment>In place of a count of rows that could not be read; %1 is the reason.</extracomment>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>The size of the game database file; %1 is the number of bytes, grouped.</extracomment>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>In place of the size of a game database file that is not there.</extracomment>
        <translation>no existe</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Carpeta del programa</translation>
    </message>
    <message>
        <source>Game database</source>
        <translation>Base de datos del juego</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Rangos</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Archivo de configuración</translation>
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
        <translation>Compañero de reloj del juego</translation>
    </message>
    <message>
        <source>Real and Kelvara game clock, good moon forecasts, character files and item stats</source>
        <extracomment>The tooltip of the program in the applications menu.</extracomment>
        <translation>Reloj real y del juego Kelvara, previsiones de la Luna Buena, archivos de personaje y atributos de objetos</translation>
    </message>
    <message>
        <source>Kelvara;game;clock;moon;reminder;calendar;character;items;</source>
        <extracomment>Words the applications menu&apos;s search finds the program by. Translate each word (several words per word are fine); each one, the last too, is followed by a semicolon, with no spaces around it.</extracomment>
        <translation>Kelvara;juego;reloj;luna;recordatorio;calendario;personaje;objetos;</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>%1: table &quot;%2&quot;, row %3, column %4.</source>
        <extracomment>%1 is what went wrong (Overflow, Type mismatch...), %2 a table of the game database (a name that stays), %3 the row and %4 the column, numbers.</extracomment>
        <translation>%1: tabla «%2», fila %3, columna %4.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Uso no válido de Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>No row in tblMaterial has MaterialID %1</source>
        <translation>Ninguna fila de tblMaterial tiene el MaterialID %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>No se puede eliminar «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the character file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>No se puede leer el archivo de personaje «%1»: %2</translation>
    </message>
    <message>
        <source>it is not open for reading</source>
        <translation>no está abierto para lectura</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>No se puede crear «%1»: %2</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved, after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;: %1 and %2 are numbers of bytes.</extracomment>
        <translation>solo se han escrito %1 de %2 bytes</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <extracomment>Why a file cannot be used, after &quot;Cannot read &quot;&lt;file&gt;&quot;: &quot;.</extracomment>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a device or stream of the system, not a file</source>
        <extracomment>Why a file is not saved: its name is one of the system&apos;s devices or streams, such as /dev/stdout.</extracomment>
        <translation>es un dispositivo o flujo del sistema, no un archivo</translation>
    </message>
    <message>
        <source>the program&apos;s own path is not known</source>
        <extracomment>Why the login entry is not written (after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;): the program&apos;s own path could not be found.</extracomment>
        <translation>no se conoce la ruta del propio programa</translation>
    </message>
    <message>
        <source>its access control list cannot be kept: %1</source>
        <extracomment>Why a file is not saved: the saved copy would lose who else may read or write it. %1 is the system&apos;s reason.</extracomment>
        <translation>no se puede conservar su lista de control de acceso: %1</translation>
    </message>
    <message>
        <source>its extended attribute &quot;%1&quot; cannot be kept: %2</source>
        <extracomment>Why a file is not saved. %1 is an extended attribute&apos;s name (&quot;user.origin&quot;), %2 the system&apos;s reason.</extracomment>
        <translation>no se puede conservar su atributo extendido «%1»: %2</translation>
    </message>
    <message>
        <source>its owner and group cannot be kept: %1</source>
        <extracomment>Why a file is not saved: it belongs to another user or group, which a saved copy would not. %1 is the system&apos;s reason.</extracomment>
        <translation>no se pueden conservar su propietario y su grupo: %1</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>YESTERDAY AT %1</source>
        <extracomment>The real day and clock time at which a game day began. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>AYER A LAS %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>HOY A LAS %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>MAÑANA A LAS %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <extracomment>The real day (the day after tomorrow) and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>PASADO MAÑANA A LAS %1</translation>
    </message>
    <message numerus="yes">
        <source>%n DAY</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n DÍA</numerusform>
            <numerusform>%n DÍAS</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HOUR(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n HORA</numerusform>
            <numerusform>%n HORAS</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n MINUTE(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n MINUTO</numerusform>
            <numerusform>%n MINUTOS</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n SECOND(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n SEGUNDO</numerusform>
            <numerusform>%n SEGUNDOS</numerusform>
        </translation>
    </message>
    <message>
        <source>YESTERDAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish AYER A LA 1:19 PM).</extracomment>
        <translation>AYER A LA %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish HOY A LA 1:19 PM).</extracomment>
        <translation>HOY A LA %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish MAÑANA A LA 1:19 PM).</extracomment>
        <translation>MAÑANA A LA %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish PASADO MAÑANA A LA 1:19 PM).</extracomment>
        <translation>PASADO MAÑANA A LA %1</translation>
    </message>
</context>
<context>
    <name>GameDataWatcher</name>
    <message numerus="yes">
        <source>The game database changed: %Ln items loaded.</source>
        <translation>
            <numerusform>La base de datos del juego ha cambiado: %Ln objeto cargado.</numerusform>
            <numerusform>La base de datos del juego ha cambiado: %Ln objetos cargados.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game database changed, but the new file could not be read. The game data loaded before stays in use.
%1</source>
        <translation>La base de datos del juego ha cambiado, pero no se ha podido leer el nuevo archivo. Se siguen usando los datos cargados anteriormente.
%1</translation>
    </message>
    <message>
        <source>Game data</source>
        <translation>Datos del juego</translation>
    </message>
</context>
<context>
    <name>GameDatabase</name>
    <message>
        <source>The database &quot;%1&quot; is damaged: %2.</source>
        <translation>La base de datos «%1» está dañada: %2.</translation>
    </message>
    <message>
        <source>Unsupported connection text: &quot;%1&quot;</source>
        <translation>Cadena de conexión no admitida: «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Jet 4.0 database.</source>
        <translation>«%1» no es una base de datos Jet 4.0.</translation>
    </message>
    <message>
        <source>its catalog cannot be read</source>
        <translation>no se puede leer su catálogo</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be found</source>
        <translation>no se encuentra una fila de la tabla «%1»</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be read</source>
        <translation>no se puede leer una fila de la tabla «%1»</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; lies outside its page</source>
        <translation>una fila de la tabla «%1» queda fuera de su página</translation>
    </message>
    <message>
        <source>a value of table &quot;%1&quot; is cut short</source>
        <translation>un valor de la tabla «%1» está truncado</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; was not found in &quot;%2&quot;.</source>
        <translation>No se ha encontrado la tabla «%1» en «%2».</translation>
    </message>
    <message>
        <source>the definition of table &quot;%1&quot; cannot be read</source>
        <translation>no se puede leer la definición de la tabla «%1»</translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; cannot be read</source>
        <translation>no se pueden leer las columnas de la tabla «%1»</translation>
    </message>
    <message>
        <source>table &quot;%1&quot; does not end</source>
        <translation>la tabla «%1» no termina</translation>
    </message>
    <message>
        <source>Could not find the database &quot;%1&quot;.</source>
        <translation>No se ha encontrado la base de datos «%1».</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; is not a file.</source>
        <translation>La base de datos «%1» no es un archivo.</translation>
    </message>
    <message>
        <source>Cannot open the database &quot;%1&quot;: %2</source>
        <translation>No se puede abrir la base de datos «%1»: %2</translation>
    </message>
    <message>
        <source>The connection to the database is not open.</source>
        <translation>La conexión con la base de datos no está abierta.</translation>
    </message>
    <message>
        <source>No column &quot;%1&quot; in table &quot;%2&quot;: %3</source>
        <translation>No hay ninguna columna «%1» en la tabla «%2»: %3</translation>
    </message>
    <message>
        <source>Data type mismatch in criteria expression: %1</source>
        <translation>No coinciden los tipos de datos en la expresión de criterios: %1</translation>
    </message>
    <message>
        <source>Unsupported SQL statement: &quot;%1&quot;</source>
        <translation>Instrucción SQL no admitida: «%1»</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>El conjunto de registros no está abierto.</translation>
    </message>
    <message>
        <source>No current row in &quot;%1&quot;: %2</source>
        <translation>No hay fila actual en «%1»: %2</translation>
    </message>
    <message>
        <source>Table &quot;%1&quot; has no column at position %2</source>
        <translation>La tabla «%1» no tiene ninguna columna en la posición %2</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <extracomment>Why a game database cannot be read (after &quot;The database ... is damaged:&quot;).</extracomment>
        <translation>el archivo está truncado</translation>
    </message>
</context>
<context>
    <name>ItemBrowser</name>
    <message numerus="yes">
        <source>%1 of %Ln item(s)</source>
        <extracomment>How many items the filters let through (%1) of how many there are (%Ln), both grouped as the regional settings group digits.</extracomment>
        <translation>
            <numerusform>%1 de %Ln objeto</numerusform>
            <numerusform>%1 de %Ln objetos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemFinder</name>
    <message>
        <source>Items found</source>
        <extracomment>What a screen reader names the list of the items whose names hold the typed text.</extracomment>
        <translation>Objetos encontrados</translation>
    </message>
</context>
<context>
    <name>ItemProxyModel</name>
    <message>
        <source>sorted ascending</source>
        <translation>orden ascendente</translation>
    </message>
    <message>
        <source>sorted descending</source>
        <translation>orden descendente</translation>
    </message>
</context>
<context>
    <name>ItemTableModel</name>
    <message>
        <source>Item</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>%1 (req.)</source>
        <extracomment>A column of what an item requires of a stat (%1, &quot;Strength&quot;) to be used.</extracomment>
        <translation>%1 (req.)</translation>
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
        <translation>Tienes que introducir un día entre 1 y 28.</translation>
    </message>
    <message>
        <source>Day %1 of the month will be in </source>
        <extracomment>The first line of the answer: %1 is the day of the game month. The wait and the real day and time follow on the next two lines. The blank at the end is part of the design.</extracomment>
        <translation>El día %1 del mes empieza dentro de </translation>
    </message>
    <message>
        <source>Enter day (1-28)</source>
        <extracomment>The prompt of the input box of Tools &gt; Next Specified Day.</extracomment>
        <translation>Introduce el día (1-28)</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>Kelvara Utility is already running from this folder, but it does not answer. Start it again in a moment, or end the copy that is running.</source>
        <translation>Kelvara Utility ya se está ejecutando desde esta carpeta, pero no responde. Vuelva a iniciarlo dentro de un momento o cierre la copia que se está ejecutando.</translation>
    </message>
    <message>
        <source>Kelvara Utility is still starting or closing from this folder. Start it again once that is done.</source>
        <translation>Kelvara Utility todavía se está iniciando o cerrando desde esta carpeta. Vuelva a iniciarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Kelvara Utility is already running from this folder for another user. Only one copy may use a folder&apos;s files at a time.</source>
        <translation>Kelvara Utility ya se está ejecutando desde esta carpeta para otro usuario. Solo una copia puede usar los archivos de una carpeta a la vez.</translation>
    </message>
    <message>
        <source>Kelvara Utility cannot make sure that it runs only once from this folder: cannot lock %1. Should another copy run from it, both announce each reminder, and each saves over the other&apos;s clock.</source>
        <translation>Kelvara Utility no puede asegurarse de ejecutarse una sola vez desde esta carpeta: no se puede bloquear %1. Si otra copia se ejecuta desde ella, ambas anuncian cada recordatorio y cada una guarda sobre el reloj de la otra.</translation>
    </message>
</context>
<context>
    <name>ProgramSettings</name>
    <message>
        <source>missing</source>
        <extracomment>Stands for a value the settings file does not have, as in &quot;day missing is not from 1 to 28&quot;.</extracomment>
        <translation>(sin valor)</translation>
    </message>
    <message>
        <source>day %1 is not from 1 to 28</source>
        <extracomment>Why a reminder of the settings file is not used: &quot;day&quot; is the key in the file, %1 its value in quotes.</extracomment>
        <translation>day %1 no está entre 1 y 28</translation>
    </message>
    <message>
        <source>minutes %1 is not from 0 to %2</source>
        <extracomment>Why a reminder is not used: &quot;minutes&quot; is the key in the file, %1 its value in quotes, %2 the largest.</extracomment>
        <translation>minutes %1 no está entre 0 y %2</translation>
    </message>
    <message>
        <source>enabled %1 is neither true nor false</source>
        <extracomment>Why a reminder is not used: &quot;enabled&quot; is the key in the file (it stays), %1 its value in quotes; true and false are the values the file takes (they stay).</extracomment>
        <translation>enabled %1 no es ni true ni false</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>no se ha podido leer el archivo: %1</translation>
    </message>
    <message>
        <source>[Tray] keepRunning %1 is neither true nor false</source>
        <translation>[Tray] keepRunning %1 no es ni true ni false</translation>
    </message>
    <message>
        <source>[Preferences] colours %1 is not desktop, light or dark</source>
        <translation>[Preferences] colours %1 no es desktop, light ni dark</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not a number</source>
        <translation>el número de recordatorios %1 no es un número</translation>
    </message>
    <message>
        <source>more than %1 reminders</source>
        <translation>más de %1 recordatorios</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <extracomment>An entry of the settings file that is not used: %1 is its number, %2 why.</extracomment>
        <translation>entrada %1: %2</translation>
    </message>
    <message>
        <source>entry %1: more than %2 reminders</source>
        <translation>entrada %1: más de %2 recordatorios</translation>
    </message>
    <message>
        <source>entries %1 to %2: more than %3 reminders</source>
        <translation>entradas %1 a %2: más de %3 recordatorios</translation>
    </message>
    <message>
        <source>[Preferences] language %1 is not one of %2</source>
        <extracomment>%1 is the value in quotes, %2 the list of the language codes the file takes (they stay).</extracomment>
        <translation>[Preferences] language %1 no es ninguno de estos valores: %2</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not from 0 to %2</source>
        <extracomment>%1 is the value of &quot;size&quot; in quotes, %2 the largest number of reminders the file can hold.</extracomment>
        <translation>el número de recordatorios %1 no está entre 0 y %2</translation>
    </message>
    <message>
        <source>it is not all UTF-8, and could not be kept aside: %1</source>
        <extracomment>Why the settings file is not saved: it has lines that are not UTF-8, and the copy of it failed.</extracomment>
        <translation>no está todo en UTF-8 y no se ha podido guardar una copia aparte: %1</translation>
    </message>
    <message>
        <source>[MyStats] %1 %2 is not a whole number</source>
        <extracomment>A stat of the player&apos;s the settings file holds that is not used: %1 is its key in the file (&quot;character3
&quot;, it stays), %2 its value in quotes.</extracomment>
        <translation>[MyStats] %1 %2 no es un número entero</translation>
    </message>
</context>
<context>
    <name>ReminderKeeper</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Próxima Luna Buena</translation>
    </message>
    <message>
        <source>Show Kelvara Utility</source>
        <translation>Mostrar Kelvara Utility</translation>
    </message>
    <message>
        <source>These entries of %1 could not be used:
</source>
        <translation>No se han podido usar estas entradas de %1:
</translation>
    </message>
    <message>
        <source>
They stay in the file, and greyed in Tools → Reminders…, until you change or remove them there.</source>
        <translation>
Siguen en el archivo y aparecen en gris en Herramientas → Recordatorios… hasta que las cambies o las quites allí.</translation>
    </message>
    <message>
        <source>Some settings were ignored</source>
        <translation>Se han ignorado algunos ajustes</translation>
    </message>
    <message>
        <source>Some reminders were ignored</source>
        <translation>Se han ignorado algunos recordatorios</translation>
    </message>
    <message>
        <source>The reminders could not be saved.
%1</source>
        <translation>No se han podido guardar los recordatorios.
%1</translation>
    </message>
    <message>
        <source>No reminder is on</source>
        <translation>No hay recordatorios activos</translation>
    </message>
    <message>
        <source>Next reminder at %1, %2</source>
        <translation>Próximo recordatorio: %1, %2</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The program uses its default settings, as %1 could not be used:
</source>
        <translation>El programa usa sus ajustes predeterminados, porque no se ha podido usar %1:
</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>No se han podido leer los ajustes</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Day %1</source>
        <extracomment>A reminder&apos;s title when the player gave it no label: %1 is the game day of the month (1 to 28).</extracomment>
        <translation>Día %1</translation>
    </message>
    <message>
        <source>%1: day %2</source>
        <extracomment>A reminder&apos;s title: %1 is the player&apos;s label, %2 the game day (1-28).</extracomment>
        <translation>%1: día %2</translation>
    </message>
    <message>
        <source>Day %1 begins now, %2</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the real day and clock time, in capitals, as TODAY AT 1:19 PM.</extracomment>
        <translation>El día %1 empieza ahora, %2</translation>
    </message>
    <message>
        <source>Day %1 begins in %2, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the wait in words (as 6 hours 5 minutes, see the units), %3 the real day and clock time, in capitals, as TOMORROW AT 1:19 PM.</extracomment>
        <translation>El día %1 empieza dentro de %2, %3</translation>
    </message>
    <message>
        <source>Day %1 began %2 ago, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 how long ago it began in words (as 4 minutes, see the units), %3 the real day and clock time, in capitals, as YESTERDAY AT 11:58 PM.</extracomment>
        <translation>El día %1 empezó hace %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 1 day) or before &quot;ago&quot; (began 1 day ago): the number and the unit only, in the case those take. The program puts the units in a row with one blank.</extracomment>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 2 hours) or before &quot;ago&quot; (began 2 hours ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 5 minutes) or before &quot;ago&quot; (began 5 minutes ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 40 seconds) or before &quot;ago&quot; (began 1 second ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
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
Hora de Kelvara: de %1 a %2, %3
%4</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Próxima Luna Buena</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Recordatorios…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons</source>
        <translation>Este escritorio no muestra iconos en la bandeja</translation>
    </message>
    <message>
        <source>
The system clock is not synchronised.</source>
        <translation>
El reloj del sistema no está sincronizado.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Kelvara Utility</source>
        <translation>Acerca de Kelvara Utility</translation>
    </message>
    <message>
        <source>Kelvara Utility %1</source>
        <translation>Kelvara Utility %1</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
</context>
<context>
    <name>frmCompactClock</name>
    <message>
        <source>The compact clock could not be saved.
%1</source>
        <translation>No se ha podido guardar el reloj compacto.
%1</translation>
    </message>
    <message>
        <source>Kelvara Compact Clock</source>
        <translation>Reloj compacto de Kelvara</translation>
    </message>
    <message>
        <source>Drag to move. Tools → Compact Clock hides it.</source>
        <translation>Arrástralo para moverlo. Para ocultarlo: Herramientas → Reloj compacto.</translation>
    </message>
    <message>
        <source>Good moon in %1</source>
        <extracomment>The compact clock&apos;s second line; %1 is a short wait to the minute, as 1 d 23 h 59 min.</extracomment>
        <translation>Luna Buena en %1</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Compare Items</source>
        <translation>Comparar objetos</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Requiere</translation>
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
        <translation>mejor</translation>
    </message>
    <message>
        <source>Items compared</source>
        <translation>Objetos comparados</translation>
    </message>
    <message>
        <source>None of these items requires or changes a stat.</source>
        <translation>Ninguno de estos objetos requiere ni cambia una estadística.</translation>
    </message>
</context>
<context>
    <name>frmDateTime</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Ajustar fecha y hora</translation>
    </message>
    <message>
        <source>Enter times in 24 hour format.  Example 4:45 p.m. would be entered as 16:45:00</source>
        <extracomment>&quot;p.m.&quot; names the 12-hour time of the example; the entry itself is on the 24-hour clock.</extracomment>
        <translation>Introduce las horas en formato de 24 horas.  Ejemplo: las 4:45 p. m. se introducen como 16:45:00</translation>
    </message>
    <message>
        <source>Real Time (HH:MM:SS)</source>
        <translation>Hora real (HH:MM:SS)</translation>
    </message>
    <message>
        <source>Real Date (MM/DD/YYYY)</source>
        <translation>Fecha real (MM/DD/AAAA)</translation>
    </message>
    <message>
        <source>Kelvara Time (HH:MM:SS)</source>
        <translation>Hora de Kelvara (HH:MM:SS)</translation>
    </message>
    <message>
        <source>Kelvara Date (MM/DD/YYYY)</source>
        <translation>Fecha de Kelvara (MM/DD/AAAA)</translation>
    </message>
    <message>
        <source>Set Date and Times</source>
        <translation>Ajustar fecha y horas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The real time is not in the correct format.  Please fix it and try again.</source>
        <translation>La hora real no tiene el formato correcto.  Corrígela y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The real date is not in the correct format.  Please fix it and try again.</source>
        <translation>La fecha real no tiene el formato correcto.  Corrígela y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The Kelvara time is not in the correct format.  Please fix it and try again.</source>
        <translation>La hora de Kelvara no tiene el formato correcto.  Corrígela y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The Kelvara date is not in the correct format.  Please fix it and try again.</source>
        <translation>La fecha de Kelvara no tiene el formato correcto.  Corrígela y vuelve a intentarlo.</translation>
    </message>
</context>
<context>
    <name>frmFindItems</name>
    <message>
        <source>Find Items</source>
        <translation>Buscar objetos</translation>
    </message>
    <message>
        <source>&amp;Name contains:</source>
        <translation>&amp;Nombre contiene:</translation>
    </message>
    <message>
        <source>&amp;Material:</source>
        <translation>&amp;Material:</translation>
    </message>
    <message>
        <source>Only items I can &amp;use</source>
        <translation>Solo objetos que puedo &amp;usar</translation>
    </message>
    <message>
        <source>My &amp;Stats…</source>
        <translation>Mis &amp;estadísticas…</translation>
    </message>
    <message>
        <source>&amp;Add condition</source>
        <translation>&amp;Añadir condición</translation>
    </message>
    <message>
        <source>Show only the items that give at least a number of a stat</source>
        <translation>Mostrar solo los objetos que dan al menos un número de una estadística</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Add stat c&amp;olumn…</source>
        <translation>Añadir c&amp;olumna de estadística…</translation>
    </message>
    <message>
        <source>&amp;Remove column</source>
        <translation>&amp;Quitar columna</translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation>Com&amp;parar</translation>
    </message>
    <message>
        <source>Select two to four items to compare them</source>
        <translation>Seleccione de dos a cuatro objetos para compararlos</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV…</source>
        <translation>Guardar como CS&amp;V…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>(all)</source>
        <extracomment>The material filter&apos;s entry that lets every material through.</extracomment>
        <translation>(todos)</translation>
    </message>
    <message>
        <source>Gives at least</source>
        <extracomment>Before a number box: the item gives at least that many of a stat (chosen after it).</extracomment>
        <translation>Da al menos</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
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
        <translation>mod 0 o mod 1</translation>
    </message>
    <message>
        <source>of</source>
        <extracomment>Between the number and the stat of a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>Before mod 0, mod 1 or both in a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Takes one &quot;gives at least&quot; condition away.</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove condition %1</source>
        <translation>Quitar condición %1</translation>
    </message>
    <message>
        <source>no character</source>
        <extracomment>Whose stats My Stats shows while no character file is open.</extracomment>
        <translation>ningún personaje</translation>
    </message>
    <message>
        <source>Your stats could not be saved.
%1</source>
        <translation>No se pudieron guardar tus estadísticas.
%1</translation>
    </message>
    <message>
        <source>items</source>
        <extracomment>The file name Save as CSV proposes.</extracomment>
        <translation>objetos</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The size and the columns of Find Items could not be saved.
%1</source>
        <translation>No se pudieron guardar el tamaño y las columnas de Buscar objetos.
%1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Ordena&amp;r por:</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Descendente</translation>
    </message>
    <message>
        <source>(database order)</source>
        <extracomment>The entry of &quot;Sort by&quot; that shows the items in the order of the game database.</extracomment>
        <translation>(orden de la base de datos)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Kelvara Utility</source>
        <translation>&amp;Acerca de Kelvara Utility</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Hora real</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Fecha real</translation>
    </message>
    <message>
        <source>Kelvara Time</source>
        <translation>Hora de Kelvara</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Fecha de Kelvara</translation>
    </message>
    <message>
        <source>Character Number</source>
        <translation>Número de personaje</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Server Status</source>
        <translation>Estado del servidor</translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation>Info del personaje</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Character File</source>
        <translation>&amp;Abrir archivo de personaje</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Next Good Moon</source>
        <translation>Próxima &amp;Luna Buena</translation>
    </message>
    <message>
        <source>Next &amp;Specified Day</source>
        <translation>Próximo &amp;día concreto</translation>
    </message>
    <message>
        <source>Set &amp;Date/Time</source>
        <translation>Ajustar &amp;fecha/hora</translation>
    </message>
    <message>
        <source>Item Stats</source>
        <translation>Atributos del objeto</translation>
    </message>
    <message>
        <source>Rank Experience Chart</source>
        <translation>Tabla de experiencia de rangos</translation>
    </message>
    <message>
        <source>&amp;Upcoming Days…</source>
        <translation>&amp;Próximos días…</translation>
    </message>
    <message>
        <source>&amp;Compact Clock</source>
        <translation>Reloj &amp;compacto</translation>
    </message>
    <message>
        <source>&amp;Reminders…</source>
        <translation>&amp;Recordatorios…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>Pr&amp;eferencias…</translation>
    </message>
    <message>
        <source>The calibration could not be saved.
%1</source>
        <translation>No se ha podido guardar la calibración.
%1</translation>
    </message>
    <message>
        <source>Kelvara Character Files (*.oxl)</source>
        <translation>Archivos de personaje de Kelvara (*.oxl)</translation>
    </message>
    <message>
        <source>The folder of the character file could not be remembered.
%1</source>
        <translation>No se ha podido recordar la carpeta del archivo de personaje.
%1</translation>
    </message>
    <message>
        <source>The rank experience chart could not be read.
%1</source>
        <translation>No se ha podido leer la tabla de experiencia de rangos.
%1</translation>
    </message>
    <message>
        <source>The system clock is not synchronised. Each real minute it is off puts the game clock 18 game minutes off.</source>
        <translation>El reloj del sistema no está sincronizado. Cada minuto real de desfase desvía el reloj del juego 18 minutos de juego.</translation>
    </message>
    <message>
        <source>&amp;Find Items…</source>
        <translation>&amp;Buscar objetos…</translation>
    </message>
</context>
<context>
    <name>frmMsgBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmMyStats</name>
    <message>
        <source>My Stats – %1</source>
        <extracomment>The title of the window of the player&apos;s stats; %1 is a character&apos;s name, or the words for no character.</extracomment>
        <translation>Mis estadísticas – %1</translation>
    </message>
    <message>
        <source>&amp;Find a stat:</source>
        <translation>&amp;Buscar estadística:</translation>
    </message>
    <message>
        <source>My stats</source>
        <translation>Mis estadísticas</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>frmNextGoodMoon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Próxima Luna Buena</translation>
    </message>
    <message>
        <source>Next Good Moon in</source>
        <translation>Próxima Luna Buena en</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Good moon begins</source>
        <extracomment>What a screen reader names the line with the real day and clock time the good moon begins.</extracomment>
        <translation>La luna buena empieza</translation>
    </message>
</context>
<context>
    <name>frmNotice</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Kelvara Utility starts at login from %1. OK makes it start from here, %2.</source>
        <translation>Al iniciar sesión, Kelvara Utility se abre desde %1. Pulsa Aceptar para que se abra desde aquí, %2.</translation>
    </message>
    <message>
        <source>Start Kelvara Utility when I log in</source>
        <translation>Abrir Kelvara Utility al iniciar sesión</translation>
    </message>
    <message>
        <source>Start hidden</source>
        <translation>Iniciar oculto</translation>
    </message>
    <message>
        <source>Keep running in the tray when the main window is closed</source>
        <translation>Seguir en la bandeja al cerrar la ventana principal</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Según el escritorio</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Starting at login could not be changed.
%1</source>
        <translation>No se ha podido cambiar el inicio automático.
%1</translation>
    </message>
    <message>
        <source>The preferences could not be saved.
%1</source>
        <translation>No se han podido guardar las preferencias.
%1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language changes when Kelvara Utility next starts.</source>
        <translation>El idioma cambiará la próxima vez que se inicie Kelvara Utility.</translation>
    </message>
    <message>
        <source>Kelvara Utility&apos;s login entry names no program to start. OK makes it start from here, %1.</source>
        <translation>La entrada de inicio de sesión de Kelvara Utility no indica ningún programa. Pulsa Aceptar para que se abra desde aquí, %1.</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minutos antes</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Game day of the month:</source>
        <translation>Día del mes en el juego:</translation>
    </message>
    <message>
        <source>Real minutes before it begins:</source>
        <translation>Minutos reales antes de que empiece:</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Etiqueta:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Not used: %1</source>
        <translation>No se usa: %1</translation>
    </message>
</context>
<context>
    <name>frmStats</name>
    <message>
        <source>Item Stats</source>
        <translation>Atributos del objeto</translation>
    </message>
    <message>
        <source>Minimum Requirements</source>
        <translation>Requisitos mínimos</translation>
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
        <translation>Objeto</translation>
    </message>
</context>
<context>
    <name>frmUpcomingDays</name>
    <message>
        <source>Upcoming Days</source>
        <translation>Próximos días</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The calendar reminder box at 0: the events get no reminder.</extracomment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source> min before</source>
        <extracomment>Follows the number of minutes in the calendar reminder box, as &quot;30 min before&quot;.</extracomment>
        <translation> min antes</translation>
    </message>
    <message>
        <source>&amp;Game day (1-28):</source>
        <translation>Día del &amp;juego (1-28):</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Cantidad:</translation>
    </message>
    <message>
        <source>&amp;Reminder:</source>
        <translation>&amp;Recordatorio:</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Fecha real</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Hora real</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Fecha de Kelvara</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>Exportar al calendario…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved.
%1</source>
        <extracomment>%1 is the reason, on a line of its own.</extracomment>
        <translation>No se ha podido guardar el calendario.
%1</translation>
    </message>
</context>
</TS>
