<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>not readable: %1</source>
        <extracomment>In place of a count of rows that could not be read; %1 is the reason.</extracomment>
        <translation>illisible : %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>The size of the game database file; %1 is the number of bytes, grouped.</extracomment>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>In place of the size of a game database file that is not there.</extracomment>
        <translation>absent</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Dossier du programme</translation>
    </message>
    <message>
        <source>Game database</source>
        <translation>Base de données du jeu</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifiée le</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Caractéristiques</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Rangs</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Fichier de paramètres</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>%1: table &quot;%2&quot;, row %3, column %4.</source>
        <extracomment>%1 is what went wrong (Overflow, Type mismatch...), %2 a table of the game database (a name that stays), %3 the row and %4 the column, numbers.</extracomment>
        <translation>%1 : table « %2 », ligne %3, colonne %4.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Utilisation incorrecte de Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>No row in tblMaterial has MaterialID %1</source>
        <translation>Aucune ligne de tblMaterial n&apos;a le MaterialID %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Impossible de supprimer « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read the character file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Impossible de lire le fichier de personnage « %1 » : %2</translation>
    </message>
    <message>
        <source>it is not open for reading</source>
        <translation>il n&apos;est pas ouvert en lecture</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Impossible de créer « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>YESTERDAY AT %1</source>
        <extracomment>The real day and clock time at which a game day began. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>HIER À %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>AUJOURD&apos;HUI À %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>DEMAIN À %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <extracomment>The real day (the day after tomorrow) and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>APRÈS-DEMAIN À %1</translation>
    </message>
    <message numerus="yes">
        <source>%n DAY</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n JOUR</numerusform>
            <numerusform>%n JOURS</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HOUR(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n HEURE</numerusform>
            <numerusform>%n HEURES</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n MINUTE(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n MINUTE</numerusform>
            <numerusform>%n MINUTES</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n SECOND(S)</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n SECONDE</numerusform>
            <numerusform>%n SECONDES</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameDataWatcher</name>
    <message numerus="yes">
        <source>The game database changed: %Ln items loaded.</source>
        <translation>
            <numerusform>La base de données du jeu a changé : %Ln objet chargé.</numerusform>
            <numerusform>La base de données du jeu a changé : %Ln objets chargés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game database changed, but the new file could not be read. The game data loaded before stays in use.
%1</source>
        <translation>La base de données du jeu a changé, mais le nouveau fichier n&apos;a pas pu être lu. Les données du jeu chargées auparavant restent utilisées.
%1</translation>
    </message>
    <message>
        <source>Game data</source>
        <translation>Données du jeu</translation>
    </message>
</context>
<context>
    <name>GameDatabase</name>
    <message>
        <source>The database &quot;%1&quot; is damaged: %2.</source>
        <translation>La base de données « %1 » est endommagée : %2.</translation>
    </message>
    <message>
        <source>Unsupported connection text: &quot;%1&quot;</source>
        <translation>Texte de connexion non pris en charge : « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Jet 4.0 database.</source>
        <translation>« %1 » n&apos;est pas une base de données Jet 4.0.</translation>
    </message>
    <message>
        <source>its catalog cannot be read</source>
        <translation>son catalogue est illisible</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be found</source>
        <translation>une ligne de la table « %1 » est introuvable</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be read</source>
        <translation>une ligne de la table « %1 » est illisible</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; lies outside its page</source>
        <translation>une ligne de la table « %1 » déborde de sa page</translation>
    </message>
    <message>
        <source>a value of table &quot;%1&quot; is cut short</source>
        <translation>une valeur de la table « %1 » est tronquée</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; was not found in &quot;%2&quot;.</source>
        <translation>La table « %1 » est introuvable dans « %2 ».</translation>
    </message>
    <message>
        <source>the definition of table &quot;%1&quot; cannot be read</source>
        <translation>la définition de la table « %1 » est illisible</translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; cannot be read</source>
        <translation>les colonnes de la table « %1 » sont illisibles</translation>
    </message>
    <message>
        <source>table &quot;%1&quot; does not end</source>
        <translation>la table « %1 » ne se termine pas</translation>
    </message>
    <message>
        <source>Could not find the database &quot;%1&quot;.</source>
        <translation>La base de données « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; is not a file.</source>
        <translation>La base de données « %1 » n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Cannot open the database &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir la base de données « %1 » : %2</translation>
    </message>
    <message>
        <source>The connection to the database is not open.</source>
        <translation>La connexion à la base de données n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>No column &quot;%1&quot; in table &quot;%2&quot;: %3</source>
        <translation>Pas de colonne « %1 » dans la table « %2 » : %3</translation>
    </message>
    <message>
        <source>Data type mismatch in criteria expression: %1</source>
        <translation>Type de données incompatible dans l&apos;expression du critère : %1</translation>
    </message>
    <message>
        <source>Unsupported SQL statement: &quot;%1&quot;</source>
        <translation>Instruction SQL non prise en charge : « %1 »</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>Le jeu d&apos;enregistrements n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>No current row in &quot;%1&quot;: %2</source>
        <translation>Pas de ligne courante dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Table &quot;%1&quot; has no column at position %2</source>
        <translation>La table « %1 » n&apos;a pas de colonne en position %2</translation>
    </message>
</context>
<context>
    <name>NextDay</name>
    <message>
        <source>You need to enter a day between 1 and 28.</source>
        <translation>Vous devez saisir un jour entre 1 et 28.</translation>
    </message>
    <message>
        <source>Day %1 of the month will be in </source>
        <extracomment>The first line of the answer: %1 is the day of the game month. The wait and the real day and time follow on the next two lines. The blank at the end is part of the design.</extracomment>
        <translation>Le jour %1 du mois commence dans </translation>
    </message>
    <message>
        <source>Enter day (1-28)</source>
        <extracomment>The prompt of the input box of Tools &gt; Next Specified Day.</extracomment>
        <translation>Saisissez le jour (1-28)</translation>
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
        <translation>%1 j %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Kelvara Utility</source>
        <translation>À propos de Kelvara Utility</translation>
    </message>
    <message>
        <source>Kelvara Utility %1</source>
        <translation>Kelvara Utility %1</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
</context>
<context>
    <name>frmDateTime</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Régler la date et l&apos;heure</translation>
    </message>
    <message>
        <source>Enter times in 24 hour format.  Example 4:45 p.m. would be entered as 16:45:00</source>
        <extracomment>&quot;p.m.&quot; names the 12-hour time of the example; the entry itself is on the 24-hour clock.</extracomment>
        <translation>Saisissez les heures au format 24 heures.  Exemple : 4:45 de l&apos;après-midi se saisit 16:45:00</translation>
    </message>
    <message>
        <source>Real Time (HH:MM:SS)</source>
        <translation>Heure réelle (HH:MM:SS)</translation>
    </message>
    <message>
        <source>Real Date (MM/DD/YYYY)</source>
        <translation>Date réelle (MM/JJ/AAAA)</translation>
    </message>
    <message>
        <source>Kelvara Time (HH:MM:SS)</source>
        <translation>Heure de Kelvara (HH:MM:SS)</translation>
    </message>
    <message>
        <source>Kelvara Date (MM/DD/YYYY)</source>
        <translation>Date de Kelvara (MM/JJ/AAAA)</translation>
    </message>
    <message>
        <source>Set Date and Times</source>
        <translation>Régler date et heures</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The real time is not in the correct format.  Please fix it and try again.</source>
        <translation>L&apos;heure réelle n&apos;est pas au bon format.  Corrigez-la et réessayez.</translation>
    </message>
    <message>
        <source>The real date is not in the correct format.  Please fix it and try again.</source>
        <translation>La date réelle n&apos;est pas au bon format.  Corrigez-la et réessayez.</translation>
    </message>
    <message>
        <source>The Kelvara time is not in the correct format.  Please fix it and try again.</source>
        <translation>L&apos;heure de Kelvara n&apos;est pas au bon format.  Corrigez-la et réessayez.</translation>
    </message>
    <message>
        <source>The Kelvara date is not in the correct format.  Please fix it and try again.</source>
        <translation>La date de Kelvara n&apos;est pas au bon format.  Corrigez-la et réessayez.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Kelvara Utility</source>
        <translation>À &amp;propos de Kelvara Utility</translation>
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
        <translation>Prochaine Bonne Lune</translation>
    </message>
    <message>
        <source>Next Good Moon in</source>
        <translation>Prochaine Bonne Lune dans</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmStats</name>
    <message>
        <source>Item Stats</source>
        <translation>Statistiques d&apos;objet</translation>
    </message>
    <message>
        <source>Minimum Requirements</source>
        <translation>Prérequis minimaux</translation>
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
        <translation>Jours à venir</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The calendar reminder box at 0: the events get no reminder.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source> min before</source>
        <extracomment>Follows the number of minutes in the calendar reminder box, as &quot;30 min before&quot;.</extracomment>
        <translation> min avant</translation>
    </message>
    <message>
        <source>&amp;Game day (1-28):</source>
        <translation>&amp;Jour de jeu (1-28) :</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Nombre :</translation>
    </message>
    <message>
        <source>&amp;Reminder:</source>
        <translation>&amp;Rappel :</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Date réelle</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Heure réelle</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attente</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Date de Kelvara</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>Exporter vers l&apos;agenda…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved.
%1</source>
        <extracomment>%1 is the reason, on a line of its own.</extracomment>
        <translation>L&apos;agenda n&apos;a pas pu être enregistré.
%1</translation>
    </message>
</context>
</TS>
