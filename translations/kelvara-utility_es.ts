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
        <translation>Modificada</translation>
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
        <translation>La base de datos del juego ha cambiado, pero no se ha podido leer el nuevo archivo. Se siguen usando los datos del juego cargados antes.
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
        <translation>Texto de conexión no admitido: «%1»</translation>
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
        <translation>un valor de la tabla «%1» está cortado</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; was not found in &quot;%2&quot;.</source>
        <translation>No se encontró la tabla «%1» en «%2».</translation>
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
        <translation>No se encontró la base de datos «%1».</translation>
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
        <translation>El día %1 del mes empieza en </translation>
    </message>
    <message>
        <source>Enter day (1-28)</source>
        <extracomment>The prompt of the input box of Tools &gt; Next Specified Day.</extracomment>
        <translation>Introduce el día (1-28)</translation>
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
    <name>frmMain</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Kelvara Utility</source>
        <translation>&amp;Acerca de Kelvara Utility</translation>
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
</context>
<context>
    <name>frmStats</name>
    <message>
        <source>Item Stats</source>
        <translation>Estadísticas de objeto</translation>
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
        <translation>Día de &amp;juego (1-28):</translation>
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
