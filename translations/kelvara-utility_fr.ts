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
        <translation>Modifié le</translation>
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
    <name>DesktopEntry</name>
    <message>
        <source>Kelvara Utility</source>
        <extracomment>The program&apos;s name in the applications menu.</extracomment>
        <translation>Kelvara Utility</translation>
    </message>
    <message>
        <source>Game Clock Companion</source>
        <extracomment>What kind of program it is, shown beside or below its name in the applications menu.</extracomment>
        <translation>Compagnon d&apos;horloge de jeu</translation>
    </message>
    <message>
        <source>Real and Kelvara game clock, good moon forecasts, character files and item stats</source>
        <extracomment>The tooltip of the program in the applications menu.</extracomment>
        <translation>Horloge réelle et horloge du jeu Kelvara, prévisions de la bonne lune, fichiers de personnage et caractéristiques des objets</translation>
    </message>
    <message>
        <source>Kelvara;game;clock;moon;reminder;calendar;character;items;</source>
        <extracomment>Words the applications menu&apos;s search finds the program by. Translate each word (several words per word are fine); each one, the last too, is followed by a semicolon, with no spaces around it.</extracomment>
        <translation>Kelvara;jeu;horloge;lune;rappel;calendrier;personnage;objets;</translation>
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
        <translation>le fichier n&apos;est pas ouvert en lecture</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Impossible de créer « %1 » : %2</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved, after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;: %1 and %2 are numbers of bytes.</extracomment>
        <translation>seuls %1 octets sur %2 ont été écrits</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <extracomment>Why a file cannot be used, after &quot;Cannot read &quot;&lt;file&gt;&quot;: &quot;.</extracomment>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a device or stream of the system, not a file</source>
        <extracomment>Why a file is not saved: its name is one of the system&apos;s devices or streams, such as /dev/stdout.</extracomment>
        <translation>c&apos;est un périphérique ou un flux du système, pas un fichier</translation>
    </message>
    <message>
        <source>the program&apos;s own path is not known</source>
        <extracomment>Why the login entry is not written (after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;): the program&apos;s own path could not be found.</extracomment>
        <translation>le chemin du programme lui-même est inconnu</translation>
    </message>
    <message>
        <source>its access control list cannot be kept: %1</source>
        <extracomment>Why a file is not saved: the saved copy would lose who else may read or write it. %1 is the system&apos;s reason.</extracomment>
        <translation>sa liste de contrôle d&apos;accès ne peut pas être conservée : %1</translation>
    </message>
    <message>
        <source>its extended attribute &quot;%1&quot; cannot be kept: %2</source>
        <extracomment>Why a file is not saved. %1 is an extended attribute&apos;s name (&quot;user.origin&quot;), %2 the system&apos;s reason.</extracomment>
        <translation>son attribut étendu « %1 » ne peut pas être conservé : %2</translation>
    </message>
    <message>
        <source>its owner and group cannot be kept: %1</source>
        <extracomment>Why a file is not saved: it belongs to another user or group, which a saved copy would not. %1 is the system&apos;s reason.</extracomment>
        <translation>son propriétaire et son groupe ne peuvent pas être conservés : %1</translation>
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
    <message>
        <source>YESTERDAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish AYER A LA 1:19 PM).</extracomment>
        <translation>HIER À %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish HOY A LA 1:19 PM).</extracomment>
        <translation>AUJOURD&apos;HUI À %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish MAÑANA A LA 1:19 PM).</extracomment>
        <translation>DEMAIN À %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish PASADO MAÑANA A LA 1:19 PM).</extracomment>
        <translation>APRÈS-DEMAIN À %1</translation>
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
        <translation>La base de données du jeu a changé, mais le nouveau fichier n&apos;a pas pu être lu. Les données du jeu chargées auparavant continuent d&apos;être utilisées.
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
        <translation>Chaîne de connexion non prise en charge : « %1 »</translation>
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
        <translation>Aucune colonne « %1 » dans la table « %2 » : %3</translation>
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
        <translation>Aucune ligne courante dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Table &quot;%1&quot; has no column at position %2</source>
        <translation>La table « %1 » n&apos;a pas de colonne en position %2</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <extracomment>Why a game database cannot be read (after &quot;The database ... is damaged:&quot;).</extracomment>
        <translation>le fichier est tronqué</translation>
    </message>
</context>
<context>
    <name>ItemBrowser</name>
    <message numerus="yes">
        <source>%1 of %Ln item(s)</source>
        <extracomment>How many items the filters let through (%1) of how many there are (%Ln), both grouped as the regional settings group digits.</extracomment>
        <translation>
            <numerusform>%1 sur %Ln objet</numerusform>
            <numerusform>%1 sur %Ln objets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemFinder</name>
    <message>
        <source>Items found</source>
        <extracomment>What a screen reader names the list of the items whose names hold the typed text.</extracomment>
        <translation>Objets trouvés</translation>
    </message>
</context>
<context>
    <name>ItemProxyModel</name>
    <message>
        <source>sorted ascending</source>
        <translation>tri croissant</translation>
    </message>
    <message>
        <source>sorted descending</source>
        <translation>tri décroissant</translation>
    </message>
</context>
<context>
    <name>ItemTableModel</name>
    <message>
        <source>Item</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>%1 (req.)</source>
        <extracomment>A column of what an item requires of a stat (%1, &quot;Strength&quot;) to be used.</extracomment>
        <translation>%1 (requis)</translation>
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
        <translation>Veuillez saisir un jour entre 1 et 28.</translation>
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
    <name>OneCopy</name>
    <message>
        <source>Kelvara Utility is already running from this folder, but it does not answer. Start it again in a moment, or end the copy that is running.</source>
        <translation>Kelvara Utility est déjà en cours d&apos;exécution depuis ce dossier, mais ne répond pas. Relancez-le dans un instant, ou fermez la copie en cours.</translation>
    </message>
    <message>
        <source>Kelvara Utility is still starting or closing from this folder. Start it again once that is done.</source>
        <translation>Kelvara Utility est encore en train de démarrer ou de se fermer depuis ce dossier. Relancez-le une fois que c&apos;est terminé.</translation>
    </message>
    <message>
        <source>Kelvara Utility is already running from this folder for another user. Only one copy may use a folder&apos;s files at a time.</source>
        <translation>Kelvara Utility est déjà lancé depuis ce dossier pour un autre utilisateur. Une seule copie peut utiliser les fichiers d&apos;un dossier à la fois.</translation>
    </message>
    <message>
        <source>Kelvara Utility cannot make sure that it runs only once from this folder: cannot lock %1. Should another copy run from it, both announce each reminder, and each saves over the other&apos;s clock.</source>
        <translation>Kelvara Utility ne peut pas s&apos;assurer qu&apos;il ne tourne qu&apos;une fois depuis ce dossier : impossible de verrouiller %1. Si une autre copie tourne depuis ce dossier, les deux annoncent chaque rappel, et chacune enregistre par-dessus l&apos;horloge de l&apos;autre.</translation>
    </message>
</context>
<context>
    <name>ProgramSettings</name>
    <message>
        <source>missing</source>
        <extracomment>Stands for a value the settings file does not have, as in &quot;day missing is not from 1 to 28&quot;.</extracomment>
        <translation>(absent)</translation>
    </message>
    <message>
        <source>day %1 is not from 1 to 28</source>
        <extracomment>Why a reminder of the settings file is not used: &quot;day&quot; is the key in the file, %1 its value in quotes.</extracomment>
        <translation>day %1 n&apos;est pas compris entre 1 et 28</translation>
    </message>
    <message>
        <source>minutes %1 is not from 0 to %2</source>
        <extracomment>Why a reminder is not used: &quot;minutes&quot; is the key in the file, %1 its value in quotes, %2 the largest.</extracomment>
        <translation>minutes %1 n&apos;est pas compris entre 0 et %2</translation>
    </message>
    <message>
        <source>enabled %1 is neither true nor false</source>
        <extracomment>Why a reminder is not used: &quot;enabled&quot; is the key in the file (it stays), %1 its value in quotes; true and false are the values the file takes (they stay).</extracomment>
        <translation>enabled %1 n&apos;est ni true ni false</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>le fichier n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>[Tray] keepRunning %1 is neither true nor false</source>
        <translation>[Tray] keepRunning %1 n&apos;est ni true ni false</translation>
    </message>
    <message>
        <source>[Preferences] colours %1 is not desktop, light or dark</source>
        <translation>[Preferences] colours %1 n&apos;est pas desktop, light ou dark</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not a number</source>
        <translation>le nombre de rappels %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>more than %1 reminders</source>
        <translation>plus de %1 rappels</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <extracomment>An entry of the settings file that is not used: %1 is its number, %2 why.</extracomment>
        <translation>entrée %1 : %2</translation>
    </message>
    <message>
        <source>entry %1: more than %2 reminders</source>
        <translation>entrée %1 : plus de %2 rappels</translation>
    </message>
    <message>
        <source>entries %1 to %2: more than %3 reminders</source>
        <translation>entrées %1 à %2 : plus de %3 rappels</translation>
    </message>
    <message>
        <source>[Preferences] language %1 is not one of %2</source>
        <extracomment>%1 is the value in quotes, %2 the list of the language codes the file takes (they stay).</extracomment>
        <translation>[Preferences] language %1 n&apos;est pas l&apos;une des valeurs %2</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not from 0 to %2</source>
        <extracomment>%1 is the value of &quot;size&quot; in quotes, %2 the largest number of reminders the file can hold.</extracomment>
        <translation>le nombre de rappels %1 n&apos;est pas compris entre 0 et %2</translation>
    </message>
    <message>
        <source>it is not all UTF-8, and could not be kept aside: %1</source>
        <extracomment>Why the settings file is not saved: it has lines that are not UTF-8, and the copy of it failed.</extracomment>
        <translation>le fichier n&apos;est pas entièrement en UTF-8 et n&apos;a pas pu être mis de côté : %1</translation>
    </message>
    <message>
        <source>[MyStats] %1 %2 is not a whole number</source>
        <extracomment>A stat of the player&apos;s the settings file holds that is not used: %1 is its key in the file (&quot;character3
&quot;, it stays), %2 its value in quotes.</extracomment>
        <translation>[MyStats] %1 %2 n&apos;est pas un nombre entier</translation>
    </message>
</context>
<context>
    <name>ReminderKeeper</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Prochaine bonne lune</translation>
    </message>
    <message>
        <source>Show Kelvara Utility</source>
        <translation>Afficher Kelvara Utility</translation>
    </message>
    <message>
        <source>These entries of %1 could not be used:
</source>
        <translation>Les entrées suivantes de %1 n&apos;ont pas pu être utilisées :
</translation>
    </message>
    <message>
        <source>
They stay in the file, and greyed in Tools → Reminders…, until you change or remove them there.</source>
        <translation>
Elles restent dans le fichier et apparaissent grisées dans Outils → Rappels… jusqu&apos;à ce que vous les y modifiiez ou supprimiez.</translation>
    </message>
    <message>
        <source>Some settings were ignored</source>
        <translation>Certains paramètres ont été ignorés</translation>
    </message>
    <message>
        <source>Some reminders were ignored</source>
        <translation>Certains rappels ont été ignorés</translation>
    </message>
    <message>
        <source>The reminders could not be saved.
%1</source>
        <translation>Les rappels n&apos;ont pas pu être enregistrés.
%1</translation>
    </message>
    <message>
        <source>No reminder is on</source>
        <translation>Aucun rappel activé</translation>
    </message>
    <message>
        <source>Next reminder at %1, %2</source>
        <translation>Prochain rappel le %2 à %1</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The program uses its default settings, as %1 could not be used:
</source>
        <translation>Le programme utilise ses paramètres par défaut, car %1 n&apos;a pas pu être utilisé :
</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>Les paramètres n&apos;ont pas pu être lus</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Day %1</source>
        <extracomment>A reminder&apos;s title when the player gave it no label: %1 is the game day of the month (1 to 28).</extracomment>
        <translation>Jour %1</translation>
    </message>
    <message>
        <source>%1: day %2</source>
        <extracomment>A reminder&apos;s title: %1 is the player&apos;s label, %2 the game day (1-28).</extracomment>
        <translation>%1 : jour %2</translation>
    </message>
    <message>
        <source>Day %1 begins now, %2</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the real day and clock time, in capitals, as TODAY AT 1:19 PM.</extracomment>
        <translation>Le jour %1 commence maintenant, %2</translation>
    </message>
    <message>
        <source>Day %1 begins in %2, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the wait in words (as 6 hours 5 minutes, see the units), %3 the real day and clock time, in capitals, as TOMORROW AT 1:19 PM.</extracomment>
        <translation>Le jour %1 commence dans %2, %3</translation>
    </message>
    <message>
        <source>Day %1 began %2 ago, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 how long ago it began in words (as 4 minutes, see the units), %3 the real day and clock time, in capitals, as YESTERDAY AT 11:58 PM.</extracomment>
        <translation>Le jour %1 a commencé il y a %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 1 day) or before &quot;ago&quot; (began 1 day ago): the number and the unit only, in the case those take. The program puts the units in a row with one blank.</extracomment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 2 hours) or before &quot;ago&quot; (began 2 hours ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 5 minutes) or before &quot;ago&quot; (began 5 minutes ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 40 seconds) or before &quot;ago&quot; (began 1 second ago): the number and the unit only, in the case those take.</extracomment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
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
        <translation>%1 j %2</translation>
    </message>
</context>
<context>
    <name>Ticker</name>
    <message>
        <source>Kelvara Utility
Kelvara Time %1 to %2, %3
%4</source>
        <translation>Kelvara Utility
Heure de Kelvara : de %1 à %2, %3
%4</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Prochaine bonne lune</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Rappels…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons</source>
        <translation>Ce bureau n&apos;affiche pas d&apos;icônes dans la zone de notification</translation>
    </message>
    <message>
        <source>
The system clock is not synchronised.</source>
        <translation>
L&apos;horloge système n&apos;est pas synchronisée.</translation>
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
    <name>frmCompactClock</name>
    <message>
        <source>The compact clock could not be saved.
%1</source>
        <translation>L&apos;horloge compacte n&apos;a pas pu être enregistrée.
%1</translation>
    </message>
    <message>
        <source>Kelvara Compact Clock</source>
        <translation>Horloge compacte Kelvara</translation>
    </message>
    <message>
        <source>Drag to move. Tools → Compact Clock hides it.</source>
        <translation>Faites glisser pour la déplacer. Outils → Horloge compacte la masque.</translation>
    </message>
    <message>
        <source>Good moon in %1</source>
        <extracomment>The compact clock&apos;s second line; %1 is a short wait to the minute, as 1 d 23 h 59 min.</extracomment>
        <translation>Bonne lune dans %1</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Compare Items</source>
        <translation>Comparer des objets</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Requis</translation>
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
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>best</source>
        <translation>meilleur</translation>
    </message>
    <message>
        <source>Items compared</source>
        <translation>Objets comparés</translation>
    </message>
    <message>
        <source>None of these items requires or changes a stat.</source>
        <translation>Aucun de ces objets ne requiert ni ne modifie une statistique.</translation>
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
        <translation>Saisissez les heures au format 24 heures.  Exemple : 4:45 PM se saisit 16:45:00</translation>
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
    <name>frmFindItems</name>
    <message>
        <source>Find Items</source>
        <translation>Trouver des objets</translation>
    </message>
    <message>
        <source>&amp;Name contains:</source>
        <translation>&amp;Nom contient :</translation>
    </message>
    <message>
        <source>&amp;Material:</source>
        <translation>&amp;Matériau :</translation>
    </message>
    <message>
        <source>Only items I can &amp;use</source>
        <translation>Seulement les objets &amp;utilisables</translation>
    </message>
    <message>
        <source>My &amp;Stats…</source>
        <translation>Mes &amp;stats…</translation>
    </message>
    <message>
        <source>&amp;Add condition</source>
        <translation>&amp;Ajouter une condition</translation>
    </message>
    <message>
        <source>Show only the items that give at least a number of a stat</source>
        <translation>Afficher seulement les objets qui donnent au moins un nombre d&apos;une stat</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Add stat c&amp;olumn…</source>
        <translation>Ajouter une c&amp;olonne de stat…</translation>
    </message>
    <message>
        <source>&amp;Remove column</source>
        <translation>&amp;Retirer la colonne</translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation>Com&amp;parer</translation>
    </message>
    <message>
        <source>Select two to four items to compare them</source>
        <translation>Sélectionnez deux à quatre objets pour les comparer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV…</source>
        <translation>Enregistrer en CS&amp;V…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>(all)</source>
        <extracomment>The material filter&apos;s entry that lets every material through.</extracomment>
        <translation>(tous)</translation>
    </message>
    <message>
        <source>Gives at least</source>
        <extracomment>Before a number box: the item gives at least that many of a stat (chosen after it).</extracomment>
        <translation>Donne au moins</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Stat</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
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
        <translation>mod 0 ou mod 1</translation>
    </message>
    <message>
        <source>of</source>
        <extracomment>Between the number and the stat of a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>Before mod 0, mod 1 or both in a condition: &quot;Gives at least 5 of Strength in mod 0&quot;.</extracomment>
        <translation>dans</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Takes one &quot;gives at least&quot; condition away.</extracomment>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove condition %1</source>
        <translation>Retirer la condition %1</translation>
    </message>
    <message>
        <source>no character</source>
        <extracomment>Whose stats My Stats shows while no character file is open.</extracomment>
        <translation>aucun personnage</translation>
    </message>
    <message>
        <source>Your stats could not be saved.
%1</source>
        <translation>Vos stats n&apos;ont pas pu être enregistrées.
%1</translation>
    </message>
    <message>
        <source>items</source>
        <extracomment>The file name Save as CSV proposes.</extracomment>
        <translation>objets</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The size and the columns of Find Items could not be saved.
%1</source>
        <translation>La taille et les colonnes de « Trouver des objets » n&apos;ont pas pu être enregistrées.
%1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>&amp;Trier par :</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Décroissant</translation>
    </message>
    <message>
        <source>(database order)</source>
        <extracomment>The entry of &quot;Sort by&quot; that shows the items in the order of the game database.</extracomment>
        <translation>(ordre de la base de données)</translation>
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
    <message>
        <source>Real Time</source>
        <translation>Heure réelle</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Date réelle</translation>
    </message>
    <message>
        <source>Kelvara Time</source>
        <translation>Heure de Kelvara</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Date de Kelvara</translation>
    </message>
    <message>
        <source>Character Number</source>
        <translation>Numéro du personnage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Server Status</source>
        <translation>État du serveur</translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation>Infos personnage</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Character File</source>
        <translation>&amp;Ouvrir un fichier de personnage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Next Good Moon</source>
        <translation>Prochaine &amp;bonne lune</translation>
    </message>
    <message>
        <source>Next &amp;Specified Day</source>
        <translation>Prochain &amp;jour choisi</translation>
    </message>
    <message>
        <source>Set &amp;Date/Time</source>
        <translation>Régler la &amp;date et l&apos;heure</translation>
    </message>
    <message>
        <source>Item Stats</source>
        <translation>Caractéristiques des objets</translation>
    </message>
    <message>
        <source>Rank Experience Chart</source>
        <translation>Tableau d&apos;expérience des rangs</translation>
    </message>
    <message>
        <source>&amp;Upcoming Days…</source>
        <translation>Jours à &amp;venir…</translation>
    </message>
    <message>
        <source>&amp;Compact Clock</source>
        <translation>&amp;Horloge compacte</translation>
    </message>
    <message>
        <source>&amp;Reminders…</source>
        <translation>&amp;Rappels…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>The calibration could not be saved.
%1</source>
        <translation>L&apos;étalonnage n&apos;a pas pu être enregistré.
%1</translation>
    </message>
    <message>
        <source>Kelvara Character Files (*.oxl)</source>
        <translation>Fichiers de personnage Kelvara (*.oxl)</translation>
    </message>
    <message>
        <source>The folder of the character file could not be remembered.
%1</source>
        <translation>Le dossier du fichier de personnage n&apos;a pas pu être mémorisé.
%1</translation>
    </message>
    <message>
        <source>The rank experience chart could not be read.
%1</source>
        <translation>Le tableau d&apos;expérience des rangs n&apos;a pas pu être lu.
%1</translation>
    </message>
    <message>
        <source>The system clock is not synchronised. Each real minute it is off puts the game clock 18 game minutes off.</source>
        <translation>L&apos;horloge système n&apos;est pas synchronisée. Chaque minute réelle d&apos;écart décale l&apos;horloge du jeu de 18 minutes de jeu.</translation>
    </message>
    <message>
        <source>&amp;Find Items…</source>
        <translation>&amp;Trouver des objets…</translation>
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
        <translation>Mes statistiques – %1</translation>
    </message>
    <message>
        <source>&amp;Find a stat:</source>
        <translation>&amp;Chercher une statistique :</translation>
    </message>
    <message>
        <source>My stats</source>
        <translation>Mes statistiques</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Stat</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>frmNextGoodMoon</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Prochaine bonne lune</translation>
    </message>
    <message>
        <source>Next Good Moon in</source>
        <translation>Prochaine bonne lune dans</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Good moon begins</source>
        <extracomment>What a screen reader names the line with the real day and clock time the good moon begins.</extracomment>
        <translation>Début de la bonne lune</translation>
    </message>
</context>
<context>
    <name>frmNotice</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Kelvara Utility starts at login from %1. OK makes it start from here, %2.</source>
        <translation>Kelvara Utility démarre à la connexion depuis %1. Avec OK, il démarrera d&apos;ici : %2.</translation>
    </message>
    <message>
        <source>Start Kelvara Utility when I log in</source>
        <translation>Lancer Kelvara Utility à la connexion</translation>
    </message>
    <message>
        <source>Start hidden</source>
        <translation>Démarrer masqué</translation>
    </message>
    <message>
        <source>Keep running in the tray when the main window is closed</source>
        <translation>Rester dans la zone de notification à la fermeture de la fenêtre</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Starting at login could not be changed.
%1</source>
        <translation>Le démarrage à la connexion n&apos;a pas pu être modifié.
%1</translation>
    </message>
    <message>
        <source>The preferences could not be saved.
%1</source>
        <translation>Les préférences n&apos;ont pas pu être enregistrées.
%1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language changes when Kelvara Utility next starts.</source>
        <translation>La langue change au prochain démarrage de Kelvara Utility.</translation>
    </message>
    <message>
        <source>Kelvara Utility&apos;s login entry names no program to start. OK makes it start from here, %1.</source>
        <translation>L&apos;entrée de démarrage à la connexion de Kelvara Utility ne nomme aucun programme. Avec OK, il démarrera d&apos;ici : %1.</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minutes avant</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Game day of the month:</source>
        <translation>Jour du mois de Kelvara :</translation>
    </message>
    <message>
        <source>Real minutes before it begins:</source>
        <translation>Minutes réelles avant son début :</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Libellé :</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Not used: %1</source>
        <translation>Non utilisé : %1</translation>
    </message>
</context>
<context>
    <name>frmStats</name>
    <message>
        <source>Item Stats</source>
        <translation>Caractéristiques des objets</translation>
    </message>
    <message>
        <source>Minimum Requirements</source>
        <translation>Prérequis</translation>
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
        <translation>Objet</translation>
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
        <translation>&amp;Jour de Kelvara (1-28) :</translation>
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
