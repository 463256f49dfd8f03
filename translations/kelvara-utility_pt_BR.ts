<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>not readable: %1</source>
        <extracomment>In place of a count of rows that could not be read; %1 is the reason.</extracomment>
        <translation>não foi possível ler: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>The size of the game database file; %1 is the number of bytes, grouped.</extracomment>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>In place of the size of a game database file that is not there.</extracomment>
        <translation>não existe</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Pasta do programa</translation>
    </message>
    <message>
        <source>Game database</source>
        <translation>Banco de dados do jogo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado em</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Patentes</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Arquivo de configurações</translation>
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
        <translation>Companheiro de relógio do jogo</translation>
    </message>
    <message>
        <source>Real and Kelvara game clock, good moon forecasts, character files and item stats</source>
        <extracomment>The tooltip of the program in the applications menu.</extracomment>
        <translation>Relógio real e do jogo Kelvara, previsões da Lua Boa, arquivos de personagem e atributos de itens</translation>
    </message>
    <message>
        <source>Kelvara;game;clock;moon;reminder;calendar;character;items;</source>
        <extracomment>Words the applications menu&apos;s search finds the program by. Translate each word (several words per word are fine); each one, the last too, is followed by a semicolon, with no spaces around it.</extracomment>
        <translation>Kelvara;jogo;relógio;lua;lembrete;calendário;personagem;itens;</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Índice fora do intervalo</translation>
    </message>
    <message>
        <source>%1: table &quot;%2&quot;, row %3, column %4.</source>
        <extracomment>%1 is what went wrong (Overflow, Type mismatch...), %2 a table of the game database (a name that stays), %3 the row and %4 the column, numbers.</extracomment>
        <translation>%1: tabela &quot;%2&quot;, linha %3, coluna %4.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Uso inválido de Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>No row in tblMaterial has MaterialID %1</source>
        <translation>Nenhuma linha de tblMaterial tem o MaterialID %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Não foi possível ler &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Não foi possível gravar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Não foi possível remover &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot read the character file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Não foi possível ler o arquivo de personagem &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>it is not open for reading</source>
        <translation>não está aberto para leitura</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Não foi possível criar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved, after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;: %1 and %2 are numbers of bytes.</extracomment>
        <translation>apenas %1 de %2 bytes foram gravados</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <extracomment>Why a file cannot be used, after &quot;Cannot read &quot;&lt;file&gt;&quot;: &quot;.</extracomment>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is a device or stream of the system, not a file</source>
        <extracomment>Why a file is not saved: its name is one of the system&apos;s devices or streams, such as /dev/stdout.</extracomment>
        <translation>é um dispositivo ou fluxo do sistema, não um arquivo</translation>
    </message>
    <message>
        <source>the program&apos;s own path is not known</source>
        <extracomment>Why the login entry is not written (after &quot;Cannot write &quot;&lt;file&gt;&quot;: &quot;): the program&apos;s own path could not be found.</extracomment>
        <translation>o caminho do próprio programa não é conhecido</translation>
    </message>
    <message>
        <source>its access control list cannot be kept: %1</source>
        <extracomment>Why a file is not saved: the saved copy would lose who else may read or write it. %1 is the system&apos;s reason.</extracomment>
        <translation>não é possível manter sua lista de controle de acesso: %1</translation>
    </message>
    <message>
        <source>its extended attribute &quot;%1&quot; cannot be kept: %2</source>
        <extracomment>Why a file is not saved. %1 is an extended attribute&apos;s name (&quot;user.origin&quot;), %2 the system&apos;s reason.</extracomment>
        <translation>não é possível manter seu atributo estendido “%1”: %2</translation>
    </message>
    <message>
        <source>its owner and group cannot be kept: %1</source>
        <extracomment>Why a file is not saved: it belongs to another user or group, which a saved copy would not. %1 is the system&apos;s reason.</extracomment>
        <translation>não é possível manter seu dono e seu grupo: %1</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>YESTERDAY AT %1</source>
        <extracomment>The real day and clock time at which a game day began. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>ONTEM ÀS %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>HOJE ÀS %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <extracomment>The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>AMANHÃ ÀS %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <extracomment>The real day (the day after tomorrow) and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it stays as it is (AM and PM too).</extracomment>
        <translation>DEPOIS DE AMANHÃ ÀS %1</translation>
    </message>
    <message numerus="yes">
        <source>%n DAY</source>
        <extracomment>A unit of the real time to wait for a game day, in capitals as the game&apos;s clock writes it: the number and the unit only. The program puts the units in a row, with two blanks between them.</extracomment>
        <translation>
            <numerusform>%n DIA</numerusform>
            <numerusform>%n DIAS</numerusform>
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
        <translation>ONTEM À %1</translation>
    </message>
    <message>
        <source>TODAY AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish HOY A LA 1:19 PM).</extracomment>
        <translation>HOJE À %1</translation>
    </message>
    <message>
        <source>TOMORROW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish MAÑANA A LA 1:19 PM).</extracomment>
        <translation>AMANHÃ À %1</translation>
    </message>
    <message>
        <source>TWO DAYS FROM NOW AT %1</source>
        <comment>one o&apos;clock</comment>
        <extracomment>The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish PASADO MAÑANA A LA 1:19 PM).</extracomment>
        <translation>DEPOIS DE AMANHÃ À %1</translation>
    </message>
</context>
<context>
    <name>GameDataWatcher</name>
    <message numerus="yes">
        <source>The game database changed: %Ln items loaded.</source>
        <translation>
            <numerusform>O banco de dados do jogo mudou: %Ln item carregado.</numerusform>
            <numerusform>O banco de dados do jogo mudou: %Ln itens carregados.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game database changed, but the new file could not be read. The game data loaded before stays in use.
%1</source>
        <translation>O banco de dados do jogo mudou, mas não foi possível ler o novo arquivo. Os dados carregados anteriormente continuam em uso.
%1</translation>
    </message>
    <message>
        <source>Game data</source>
        <translation>Dados do jogo</translation>
    </message>
</context>
<context>
    <name>GameDatabase</name>
    <message>
        <source>The database &quot;%1&quot; is damaged: %2.</source>
        <translation>O banco de dados &quot;%1&quot; está danificado: %2.</translation>
    </message>
    <message>
        <source>Unsupported connection text: &quot;%1&quot;</source>
        <translation>Cadeia de conexão não suportada: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Jet 4.0 database.</source>
        <translation>&quot;%1&quot; não é um banco de dados Jet 4.0.</translation>
    </message>
    <message>
        <source>its catalog cannot be read</source>
        <translation>não é possível ler o catálogo</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be found</source>
        <translation>uma linha da tabela &quot;%1&quot; não foi encontrada</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; cannot be read</source>
        <translation>não é possível ler uma linha da tabela &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a row of table &quot;%1&quot; lies outside its page</source>
        <translation>uma linha da tabela &quot;%1&quot; fica fora da sua página</translation>
    </message>
    <message>
        <source>a value of table &quot;%1&quot; is cut short</source>
        <translation>um valor da tabela &quot;%1&quot; está truncado</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; was not found in &quot;%2&quot;.</source>
        <translation>A tabela &quot;%1&quot; não foi encontrada em &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the definition of table &quot;%1&quot; cannot be read</source>
        <translation>não é possível ler a definição da tabela &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; cannot be read</source>
        <translation>não é possível ler as colunas da tabela &quot;%1&quot;</translation>
    </message>
    <message>
        <source>table &quot;%1&quot; does not end</source>
        <translation>a tabela &quot;%1&quot; não termina</translation>
    </message>
    <message>
        <source>Could not find the database &quot;%1&quot;.</source>
        <translation>O banco de dados &quot;%1&quot; não foi encontrado.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; is not a file.</source>
        <translation>O banco de dados &quot;%1&quot; não é um arquivo.</translation>
    </message>
    <message>
        <source>Cannot open the database &quot;%1&quot;: %2</source>
        <translation>Não foi possível abrir o banco de dados &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The connection to the database is not open.</source>
        <translation>A conexão com o banco de dados não está aberta.</translation>
    </message>
    <message>
        <source>No column &quot;%1&quot; in table &quot;%2&quot;: %3</source>
        <translation>Não há coluna &quot;%1&quot; na tabela &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Data type mismatch in criteria expression: %1</source>
        <translation>Tipo de dados incompatível na expressão de critério: %1</translation>
    </message>
    <message>
        <source>Unsupported SQL statement: &quot;%1&quot;</source>
        <translation>Instrução SQL não suportada: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>O conjunto de registros não está aberto.</translation>
    </message>
    <message>
        <source>No current row in &quot;%1&quot;: %2</source>
        <translation>Não há linha atual em &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Table &quot;%1&quot; has no column at position %2</source>
        <translation>A tabela &quot;%1&quot; não tem coluna na posição %2</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <extracomment>Why a game database cannot be read (after &quot;The database ... is damaged:&quot;).</extracomment>
        <translation>o arquivo está truncado</translation>
    </message>
</context>
<context>
    <name>ItemBrowser</name>
    <message numerus="yes">
        <source>%1 of %Ln item(s)</source>
        <extracomment>How many items the filters let through (%1) of how many there are (%Ln), both grouped as the regional settings group digits.</extracomment>
        <translation>
            <numerusform>%1 de %Ln item</numerusform>
            <numerusform>%1 de %Ln itens</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemFinder</name>
    <message>
        <source>Items found</source>
        <extracomment>What a screen reader names the list of the items whose names hold the typed text.</extracomment>
        <translation>Itens encontrados</translation>
    </message>
</context>
<context>
    <name>ItemProxyModel</name>
    <message>
        <source>sorted ascending</source>
        <translation>ordem crescente</translation>
    </message>
    <message>
        <source>sorted descending</source>
        <translation>ordem decrescente</translation>
    </message>
</context>
<context>
    <name>ItemTableModel</name>
    <message>
        <source>Item</source>
        <translation>Item</translation>
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
        <translation>Você precisa digitar um dia entre 1 e 28.</translation>
    </message>
    <message>
        <source>Day %1 of the month will be in </source>
        <extracomment>The first line of the answer: %1 is the day of the game month. The wait and the real day and time follow on the next two lines. The blank at the end is part of the design.</extracomment>
        <translation>O dia %1 do mês começa em </translation>
    </message>
    <message>
        <source>Enter day (1-28)</source>
        <extracomment>The prompt of the input box of Tools &gt; Next Specified Day.</extracomment>
        <translation>Digite o dia (1-28)</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>Kelvara Utility is already running from this folder, but it does not answer. Start it again in a moment, or end the copy that is running.</source>
        <translation>O Kelvara Utility já está em execução a partir desta pasta, mas não responde. Inicie-o de novo daqui a pouco ou encerre a cópia em execução.</translation>
    </message>
    <message>
        <source>Kelvara Utility is still starting or closing from this folder. Start it again once that is done.</source>
        <translation>O Kelvara Utility ainda está iniciando ou fechando a partir desta pasta. Inicie-o novamente quando isso terminar.</translation>
    </message>
    <message>
        <source>Kelvara Utility is already running from this folder for another user. Only one copy may use a folder&apos;s files at a time.</source>
        <translation>O Kelvara Utility já está em execução nesta pasta para outro usuário. Apenas uma cópia pode usar os arquivos de uma pasta por vez.</translation>
    </message>
    <message>
        <source>Kelvara Utility cannot make sure that it runs only once from this folder: cannot lock %1. Should another copy run from it, both announce each reminder, and each saves over the other&apos;s clock.</source>
        <translation>O Kelvara Utility não consegue garantir que seja executado apenas uma vez nesta pasta: não é possível bloquear %1. Se outra cópia for executada a partir dela, ambas anunciam cada lembrete, e cada uma salva por cima do relógio da outra.</translation>
    </message>
</context>
<context>
    <name>ProgramSettings</name>
    <message>
        <source>missing</source>
        <extracomment>Stands for a value the settings file does not have, as in &quot;day missing is not from 1 to 28&quot;.</extracomment>
        <translation>(ausente)</translation>
    </message>
    <message>
        <source>day %1 is not from 1 to 28</source>
        <extracomment>Why a reminder of the settings file is not used: &quot;day&quot; is the key in the file, %1 its value in quotes.</extracomment>
        <translation>day %1 não está entre 1 e 28</translation>
    </message>
    <message>
        <source>minutes %1 is not from 0 to %2</source>
        <extracomment>Why a reminder is not used: &quot;minutes&quot; is the key in the file, %1 its value in quotes, %2 the largest.</extracomment>
        <translation>minutes %1 não está entre 0 e %2</translation>
    </message>
    <message>
        <source>enabled %1 is neither true nor false</source>
        <extracomment>Why a reminder is not used: &quot;enabled&quot; is the key in the file (it stays), %1 its value in quotes; true and false are the values the file takes (they stay).</extracomment>
        <translation>enabled %1 não é true nem false</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>não foi possível ler o arquivo: %1</translation>
    </message>
    <message>
        <source>[Tray] keepRunning %1 is neither true nor false</source>
        <translation>[Tray] keepRunning %1 não é true nem false</translation>
    </message>
    <message>
        <source>[Preferences] colours %1 is not desktop, light or dark</source>
        <translation>[Preferences] colours %1 não é desktop, light nem dark</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not a number</source>
        <translation>o número de lembretes %1 não é um número</translation>
    </message>
    <message>
        <source>more than %1 reminders</source>
        <translation>mais de %1 lembretes</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <extracomment>An entry of the settings file that is not used: %1 is its number, %2 why.</extracomment>
        <translation>entrada %1: %2</translation>
    </message>
    <message>
        <source>entry %1: more than %2 reminders</source>
        <translation>entrada %1: mais de %2 lembretes</translation>
    </message>
    <message>
        <source>entries %1 to %2: more than %3 reminders</source>
        <translation>entradas %1 a %2: mais de %3 lembretes</translation>
    </message>
    <message>
        <source>[Preferences] language %1 is not one of %2</source>
        <extracomment>%1 is the value in quotes, %2 the list of the language codes the file takes (they stay).</extracomment>
        <translation>[Preferences] language %1 não é nenhum destes valores: %2</translation>
    </message>
    <message>
        <source>the number of reminders %1 is not from 0 to %2</source>
        <extracomment>%1 is the value of &quot;size&quot; in quotes, %2 the largest number of reminders the file can hold.</extracomment>
        <translation>o número de lembretes %1 não está entre 0 e %2</translation>
    </message>
    <message>
        <source>it is not all UTF-8, and could not be kept aside: %1</source>
        <extracomment>Why the settings file is not saved: it has lines that are not UTF-8, and the copy of it failed.</extracomment>
        <translation>não está todo em UTF-8 e não foi possível guardar uma cópia à parte: %1</translation>
    </message>
    <message>
        <source>[MyStats] %1 %2 is not a whole number</source>
        <extracomment>A stat of the player&apos;s the settings file holds that is not used: %1 is its key in the file (&quot;character3
&quot;, it stays), %2 its value in quotes.</extracomment>
        <translation>[MyStats] %1 %2 não é um número inteiro</translation>
    </message>
</context>
<context>
    <name>ReminderKeeper</name>
    <message>
        <source>Next Good Moon</source>
        <translation>Próxima Lua Boa</translation>
    </message>
    <message>
        <source>Show Kelvara Utility</source>
        <translation>Mostrar o Kelvara Utility</translation>
    </message>
    <message>
        <source>These entries of %1 could not be used:
</source>
        <translation>Não foi possível usar estas entradas de %1:
</translation>
    </message>
    <message>
        <source>
They stay in the file, and greyed in Tools → Reminders…, until you change or remove them there.</source>
        <translation>
Elas continuam no arquivo e aparecem em cinza em Ferramentas → Lembretes… até que você as altere ou remova lá.</translation>
    </message>
    <message>
        <source>Some settings were ignored</source>
        <translation>Algumas configurações foram ignoradas</translation>
    </message>
    <message>
        <source>Some reminders were ignored</source>
        <translation>Alguns lembretes foram ignorados</translation>
    </message>
    <message>
        <source>The reminders could not be saved.
%1</source>
        <translation>Não foi possível salvar os lembretes.
%1</translation>
    </message>
    <message>
        <source>No reminder is on</source>
        <translation>Nenhum lembrete ativo</translation>
    </message>
    <message>
        <source>Next reminder at %1, %2</source>
        <translation>Próximo lembrete: %1, %2</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The program uses its default settings, as %1 could not be used:
</source>
        <translation>O programa usa suas configurações padrão, pois não foi possível usar %1:
</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>Não foi possível ler as configurações</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Day %1</source>
        <extracomment>A reminder&apos;s title when the player gave it no label: %1 is the game day of the month (1 to 28).</extracomment>
        <translation>Dia %1</translation>
    </message>
    <message>
        <source>%1: day %2</source>
        <extracomment>A reminder&apos;s title: %1 is the player&apos;s label, %2 the game day (1-28).</extracomment>
        <translation>%1: dia %2</translation>
    </message>
    <message>
        <source>Day %1 begins now, %2</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the real day and clock time, in capitals, as TODAY AT 1:19 PM.</extracomment>
        <translation>O dia %1 começa agora, %2</translation>
    </message>
    <message>
        <source>Day %1 begins in %2, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 the wait in words (as 6 hours 5 minutes, see the units), %3 the real day and clock time, in capitals, as TOMORROW AT 1:19 PM.</extracomment>
        <translation>O dia %1 começa em %2, %3</translation>
    </message>
    <message>
        <source>Day %1 began %2 ago, %3</source>
        <extracomment>A reminder&apos;s text: %1 is the game day (1-28), %2 how long ago it began in words (as 4 minutes, see the units), %3 the real day and clock time, in capitals, as YESTERDAY AT 11:58 PM.</extracomment>
        <translation>O dia %1 começou há %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>A unit of a wait in a reminder&apos;s text, after &quot;in&quot; (begins in 1 day) or before &quot;ago&quot; (began 1 day ago): the number and the unit only, in the case those take. The program puts the units in a row with one blank.</extracomment>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
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
        <translation>Próxima Lua Boa</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Lembretes…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Esta área de trabalho não mostra ícones na bandeja</translation>
    </message>
    <message>
        <source>
The system clock is not synchronised.</source>
        <translation>
O relógio do sistema não está sincronizado.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Kelvara Utility</source>
        <translation>Sobre o Kelvara Utility</translation>
    </message>
    <message>
        <source>Kelvara Utility %1</source>
        <translation>Kelvara Utility %1</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
</context>
<context>
    <name>frmCompactClock</name>
    <message>
        <source>The compact clock could not be saved.
%1</source>
        <translation>Não foi possível salvar o relógio compacto.
%1</translation>
    </message>
    <message>
        <source>Kelvara Compact Clock</source>
        <translation>Relógio compacto do Kelvara</translation>
    </message>
    <message>
        <source>Drag to move. Tools → Compact Clock hides it.</source>
        <translation>Arraste para mover. Para ocultá-lo: Ferramentas → Relógio compacto.</translation>
    </message>
    <message>
        <source>Good moon in %1</source>
        <extracomment>The compact clock&apos;s second line; %1 is a short wait to the minute, as 1 d 23 h 59 min.</extracomment>
        <translation>Lua Boa em %1</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Compare Items</source>
        <translation>Comparar itens</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Requer</translation>
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
        <translation>melhor</translation>
    </message>
    <message>
        <source>Items compared</source>
        <translation>Itens comparados</translation>
    </message>
    <message>
        <source>None of these items requires or changes a stat.</source>
        <translation>Nenhum destes itens requer ou altera um atributo.</translation>
    </message>
</context>
<context>
    <name>frmDateTime</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Ajustar data e hora</translation>
    </message>
    <message>
        <source>Enter times in 24 hour format.  Example 4:45 p.m. would be entered as 16:45:00</source>
        <extracomment>&quot;p.m.&quot; names the 12-hour time of the example; the entry itself is on the 24-hour clock.</extracomment>
        <translation>Digite os horários no formato de 24 horas.  Exemplo: 4:45 da tarde é digitado como 16:45:00</translation>
    </message>
    <message>
        <source>Real Time (HH:MM:SS)</source>
        <translation>Hora real (HH:MM:SS)</translation>
    </message>
    <message>
        <source>Real Date (MM/DD/YYYY)</source>
        <translation>Data real (MM/DD/AAAA)</translation>
    </message>
    <message>
        <source>Kelvara Time (HH:MM:SS)</source>
        <translation>Hora de Kelvara (HH:MM:SS)</translation>
    </message>
    <message>
        <source>Kelvara Date (MM/DD/YYYY)</source>
        <translation>Data de Kelvara (MM/DD/AAAA)</translation>
    </message>
    <message>
        <source>Set Date and Times</source>
        <translation>Ajustar data e horas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The real time is not in the correct format.  Please fix it and try again.</source>
        <translation>A hora real não está no formato correto.  Corrija e tente novamente.</translation>
    </message>
    <message>
        <source>The real date is not in the correct format.  Please fix it and try again.</source>
        <translation>A data real não está no formato correto.  Corrija e tente novamente.</translation>
    </message>
    <message>
        <source>The Kelvara time is not in the correct format.  Please fix it and try again.</source>
        <translation>A hora de Kelvara não está no formato correto.  Corrija e tente novamente.</translation>
    </message>
    <message>
        <source>The Kelvara date is not in the correct format.  Please fix it and try again.</source>
        <translation>A data de Kelvara não está no formato correto.  Corrija e tente novamente.</translation>
    </message>
</context>
<context>
    <name>frmFindItems</name>
    <message>
        <source>Find Items</source>
        <translation>Buscar itens</translation>
    </message>
    <message>
        <source>&amp;Name contains:</source>
        <translation>&amp;Nome contém:</translation>
    </message>
    <message>
        <source>&amp;Material:</source>
        <translation>&amp;Material:</translation>
    </message>
    <message>
        <source>Only items I can &amp;use</source>
        <translation>Só itens que posso &amp;usar</translation>
    </message>
    <message>
        <source>My &amp;Stats…</source>
        <translation>Meus &amp;atributos…</translation>
    </message>
    <message>
        <source>&amp;Add condition</source>
        <translation>Adicionar con&amp;dição</translation>
    </message>
    <message>
        <source>Show only the items that give at least a number of a stat</source>
        <translation>Mostrar só os itens que dão pelo menos um número de um atributo</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>Add stat c&amp;olumn…</source>
        <translation>Adicionar c&amp;oluna de atributo…</translation>
    </message>
    <message>
        <source>&amp;Remove column</source>
        <translation>&amp;Remover coluna</translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation>Com&amp;parar</translation>
    </message>
    <message>
        <source>Select two to four items to compare them</source>
        <translation>Selecione de dois a quatro itens para compará-los</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV…</source>
        <translation>Sal&amp;var como CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>(all)</source>
        <extracomment>The material filter&apos;s entry that lets every material through.</extracomment>
        <translation>(todos)</translation>
    </message>
    <message>
        <source>Gives at least</source>
        <extracomment>Before a number box: the item gives at least that many of a stat (chosen after it).</extracomment>
        <translation>Dá pelo menos</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Atributo</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Onde</translation>
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
        <translation>em</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Takes one &quot;gives at least&quot; condition away.</extracomment>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove condition %1</source>
        <translation>Remover condição %1</translation>
    </message>
    <message>
        <source>no character</source>
        <extracomment>Whose stats My Stats shows while no character file is open.</extracomment>
        <translation>nenhum personagem</translation>
    </message>
    <message>
        <source>Your stats could not be saved.
%1</source>
        <translation>Não foi possível salvar seus atributos.
%1</translation>
    </message>
    <message>
        <source>items</source>
        <extracomment>The file name Save as CSV proposes.</extracomment>
        <translation>itens</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The size and the columns of Find Items could not be saved.
%1</source>
        <translation>Não foi possível salvar o tamanho e as colunas de Buscar itens.
%1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Ord&amp;enar por:</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>Decre&amp;scente</translation>
    </message>
    <message>
        <source>(database order)</source>
        <extracomment>The entry of &quot;Sort by&quot; that shows the items in the order of the game database.</extracomment>
        <translation>(ordem do banco de dados)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Kelvara Utility</source>
        <translation>&amp;Sobre o Kelvara Utility</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Hora real</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Data real</translation>
    </message>
    <message>
        <source>Kelvara Time</source>
        <translation>Hora de Kelvara</translation>
    </message>
    <message>
        <source>Kelvara Date</source>
        <translation>Data de Kelvara</translation>
    </message>
    <message>
        <source>Character Number</source>
        <translation>Número do personagem</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Server Status</source>
        <translation>Status do servidor</translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation>Info do personagem</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open Character File</source>
        <translation>&amp;Abrir arquivo de personagem</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Next Good Moon</source>
        <translation>Próxima &amp;Lua Boa</translation>
    </message>
    <message>
        <source>Next &amp;Specified Day</source>
        <translation>Próximo &amp;dia escolhido</translation>
    </message>
    <message>
        <source>Set &amp;Date/Time</source>
        <translation>Ajustar da&amp;ta/hora</translation>
    </message>
    <message>
        <source>Item Stats</source>
        <translation>Atributos do item</translation>
    </message>
    <message>
        <source>Rank Experience Chart</source>
        <translation>Tabela de experiência das patentes</translation>
    </message>
    <message>
        <source>&amp;Upcoming Days…</source>
        <translation>&amp;Próximos dias…</translation>
    </message>
    <message>
        <source>&amp;Compact Clock</source>
        <translation>Relógio &amp;compacto</translation>
    </message>
    <message>
        <source>&amp;Reminders…</source>
        <translation>Le&amp;mbretes…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>Pr&amp;eferências…</translation>
    </message>
    <message>
        <source>The calibration could not be saved.
%1</source>
        <translation>Não foi possível salvar a calibração.
%1</translation>
    </message>
    <message>
        <source>Kelvara Character Files (*.oxl)</source>
        <translation>Arquivos de personagem do Kelvara (*.oxl)</translation>
    </message>
    <message>
        <source>The folder of the character file could not be remembered.
%1</source>
        <translation>Não foi possível memorizar a pasta do arquivo de personagem.
%1</translation>
    </message>
    <message>
        <source>The rank experience chart could not be read.
%1</source>
        <translation>Não foi possível ler a tabela de experiência das patentes.
%1</translation>
    </message>
    <message>
        <source>The system clock is not synchronised. Each real minute it is off puts the game clock 18 game minutes off.</source>
        <translation>O relógio do sistema não está sincronizado. Cada minuto real de diferença desvia o relógio do jogo em 18 minutos de jogo.</translation>
    </message>
    <message>
        <source>&amp;Find Items…</source>
        <translation>&amp;Buscar itens…</translation>
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
        <translation>Meus atributos – %1</translation>
    </message>
    <message>
        <source>&amp;Find a stat:</source>
        <translation>&amp;Procurar atributo:</translation>
    </message>
    <message>
        <source>My stats</source>
        <translation>Meus atributos</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Atributo</translation>
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
        <translation>Próxima Lua Boa</translation>
    </message>
    <message>
        <source>Next Good Moon in</source>
        <translation>Próxima Lua Boa em</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Good moon begins</source>
        <extracomment>What a screen reader names the line with the real day and clock time the good moon begins.</extracomment>
        <translation>A lua boa começa</translation>
    </message>
</context>
<context>
    <name>frmNotice</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Kelvara Utility starts at login from %1. OK makes it start from here, %2.</source>
        <translation>O Kelvara Utility é iniciado no login a partir de %1. Clique em OK para iniciá-lo daqui, %2.</translation>
    </message>
    <message>
        <source>Start Kelvara Utility when I log in</source>
        <translation>Iniciar o Kelvara Utility ao fazer login</translation>
    </message>
    <message>
        <source>Start hidden</source>
        <translation>Iniciar oculto</translation>
    </message>
    <message>
        <source>Keep running in the tray when the main window is closed</source>
        <translation>Continuar na bandeja ao fechar a janela principal</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Seguir a área de trabalho</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Starting at login could not be changed.
%1</source>
        <translation>Não foi possível alterar a inicialização no login.
%1</translation>
    </message>
    <message>
        <source>The preferences could not be saved.
%1</source>
        <translation>Não foi possível salvar as preferências.
%1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language changes when Kelvara Utility next starts.</source>
        <translation>O idioma muda na próxima vez que o Kelvara Utility for iniciado.</translation>
    </message>
    <message>
        <source>Kelvara Utility&apos;s login entry names no program to start. OK makes it start from here, %1.</source>
        <translation>A entrada de início no login do Kelvara Utility não indica nenhum programa. Clique em OK para iniciá-lo daqui, %1.</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minutos antes</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Rótulo</translation>
    </message>
    <message>
        <source>Game day of the month:</source>
        <translation>Dia do mês no jogo:</translation>
    </message>
    <message>
        <source>Real minutes before it begins:</source>
        <translation>Minutos reais antes de começar:</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Rótulo:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>Not used: %1</source>
        <translation>Não usado: %1</translation>
    </message>
</context>
<context>
    <name>frmStats</name>
    <message>
        <source>Item Stats</source>
        <translation>Atributos do item</translation>
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
        <translation>Item</translation>
    </message>
</context>
<context>
    <name>frmUpcomingDays</name>
    <message>
        <source>Upcoming Days</source>
        <translation>Próximos dias</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The calendar reminder box at 0: the events get no reminder.</extracomment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source> min before</source>
        <extracomment>Follows the number of minutes in the calendar reminder box, as &quot;30 min before&quot;.</extracomment>
        <translation> min antes</translation>
    </message>
    <message>
        <source>&amp;Game day (1-28):</source>
        <translation>Dia do &amp;jogo (1-28):</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Quantidade:</translation>
    </message>
    <message>
        <source>&amp;Reminder:</source>
        <translation>&amp;Lembrete:</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Dia da semana</translation>
    </message>
    <message>
        <source>Real Date</source>
        <translation>Data real</translation>
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
        <translation>Data de Kelvara</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>Exportar para a agenda…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Arquivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved.
%1</source>
        <extracomment>%1 is the reason, on a line of its own.</extracomment>
        <translation>Não foi possível salvar a agenda.
%1</translation>
    </message>
</context>
</TS>
