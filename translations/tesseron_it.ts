<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Caption</name>
    <message>
        <source>O P T I O N S</source>
        <translation>O P Z I O N I</translation>
    </message>
    <message>
        <source>NUMBER OF COLORS</source>
        <translation>NUMERO DI COLORI</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <translation>SUONI</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUSICA</translation>
    </message>
    <message>
        <source>SKIN</source>
        <translation>SKIN</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>ALBO D&apos;ORO</translation>
    </message>
    <message>
        <source>H E L P</source>
        <translation>A I U T O</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tesseron [--help | --version]

Tesseron, a puzzle game: shoot coloured bricks from the queues around a 10 x 10
field; three or more touching bricks of one colour explode and score.

Options:
  -h, --help     show this help and exit
      --version  show the version and exit

Files:
  $XDG_DATA_HOME/tesseron/ (normally ~/.local/share/tesseron/)
      your data folder: skins, sounds, texts, the high scores (Vexil.hig) and
      the saved games (kelm.sg1 to kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (normally ~/.config/tesseron/kelm.ini)
      the settings

More in the manual: man tesseron
</source>
        <translation>Uso: tesseron [--help | --version]

Tesseron, un rompicapo: tira mattoncini colorati dalle code intorno a un campo di
10 x 10; tre o più mattoncini dello stesso colore che si toccano esplodono e
fanno punti.

Opzioni:
  -h, --help     mostra questo aiuto ed esce
      --version  mostra la versione ed esce

File:
  $XDG_DATA_HOME/tesseron/ (di solito ~/.local/share/tesseron/)
      la tua cartella dei dati: skin, suoni, testi, l&apos;albo d&apos;oro (Vexil.hig) e
      le partite salvate (da kelm.sg1 a kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (di solito ~/.config/tesseron/kelm.ini)
      le impostazioni

Altro nel manuale: man tesseron
</translation>
    </message>
    <message>
        <source>tesseron: unknown argument &apos;%1&apos;</source>
        <translation>tesseron: argomento sconosciuto «%1»</translation>
    </message>
</context>
<context>
    <name>OneGame</name>
    <message>
        <source>Tesseron could not lock %1 (%2). This game writes no high scores, saved games or settings, so that it cannot overwrite another game&apos;s in that folder.</source>
        <translation>Tesseron non è riuscito a bloccare %1 (%2). Questo gioco non scrive l&apos;albo d&apos;oro, le partite salvate né le impostazioni, per non sovrascrivere quelli di un altro gioco in quella cartella.</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (processo %1)</translation>
    </message>
    <message>
        <source>Tesseron is already running in %1%2 but does not answer. This game writes no high scores, saved games or settings, so that it cannot overwrite that game&apos;s.</source>
        <extracomment>%1 is the data folder; %2 is empty or &quot; (process 1234)&quot;</extracomment>
        <translation>Tesseron è già in esecuzione in %1%2 ma non risponde. Questo gioco non scrive l&apos;albo d&apos;oro, le partite salvate né le impostazioni, per non sovrascrivere quelli dell&apos;altro.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Tesseron could not %1: %2</source>
        <extracomment>%1 is one of the start-up&apos;s steps (&quot;load the high scores&quot;); %2 says why</extracomment>
        <translation>Tesseron non è riuscito a %1: %2</translation>
    </message>
    <message>
        <source>Tesseron could not %1.</source>
        <translation>Tesseron non è riuscito a %1.</translation>
    </message>
    <message>
        <source>load the high scores</source>
        <translation>caricare l&apos;albo d&apos;oro</translation>
    </message>
    <message>
        <source>read the settings</source>
        <translation>leggere le impostazioni</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>iniziare una nuova partita</translation>
    </message>
    <message>
        <source>read the skin description</source>
        <translation>leggere la descrizione della skin</translation>
    </message>
    <message>
        <source>The skin file cound not be opened!</source>
        <translation>Impossibile aprire il file della skin!</translation>
    </message>
    <message>
        <source>load the skin</source>
        <translation>caricare la skin</translation>
    </message>
    <message>
        <source>bring the hall of fame up to date</source>
        <translation>aggiornare l&apos;albo d&apos;oro</translation>
    </message>
    <message>
        <source>Tesseron could not load the skin: %1</source>
        <translation>Tesseron non è riuscito a caricare la skin: %1</translation>
    </message>
    <message>
        <source>Tesseron could not load its own skin either: %1</source>
        <translation>Tesseron non è riuscito a caricare nemmeno la propria skin: %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nuovo record: %1</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The high scores file was not found! A new file was created.</source>
        <translation>Il file dell&apos;albo d&apos;oro non è stato trovato! Ne è stato creato uno nuovo.</translation>
    </message>
    <message>
        <source>The high scores file could not be created!</source>
        <translation>Impossibile creare il file dell&apos;albo d&apos;oro!</translation>
    </message>
    <message>
        <source>The game could not be saved!</source>
        <translation>Impossibile salvare la partita!</translation>
    </message>
    <message>
        <source>You can not open the same game twice</source>
        <translation>Non puoi aprire la stessa partita due volte</translation>
    </message>
    <message>
        <source>Could not open the saved game. A new game started.</source>
        <translation>Impossibile aprire la partita salvata. È iniziata una nuova partita.</translation>
    </message>
    <message>
        <source>there is no permission to read it, or reading it failed</source>
        <translation>manca il permesso di leggerlo, oppure la lettura non è riuscita</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>è più grande di 1 MiB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Impossibile scrivere in %s</translation>
    </message>
</context>
<context>
    <name>TEnterName</name>
    <message>
        <source>Good work!</source>
        <translation>Ottimo lavoro!</translation>
    </message>
    <message>
        <source>Please enter your name for the hall of fame!</source>
        <translation>Il tuo nome per l&apos;albo d&apos;oro!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TGameOver</name>
    <message>
        <source>GameOver</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>PARTITA FINITA</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New game (%1)</source>
        <extracomment>%1 and %2 are keys, as the desktop names them</extracomment>
        <translation>Nuova partita (%1)</translation>
    </message>
    <message>
        <source>Hall of fame (%1)</source>
        <translation>Albo d&apos;oro (%1)</translation>
    </message>
    <message>
        <source>Help (%1)</source>
        <translation>Aiuto (%1)</translation>
    </message>
    <message>
        <source>Options (%1)</source>
        <translation>Opzioni (%1)</translation>
    </message>
    <message>
        <source>Undo (%1)</source>
        <translation>Annulla (%1)</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Load or save a game (%1, %2)</source>
        <translation>Carica o salva una partita (%1, %2)</translation>
    </message>
    <message>
        <source>Quit (%1)</source>
        <translation>Esci (%1)</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Bricks: %1, one moving</source>
        <translation>Mattoncini: %1, uno in movimento</translation>
    </message>
    <message>
        <source>Bricks: %1</source>
        <translation>Mattoncini: %1</translation>
    </message>
    <message>
        <source>Launch refused</source>
        <translation>Tiro rifiutato</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Partita finita, punteggio %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punteggio: %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Open a SKIN</source>
        <translation>Apri una skin</translation>
    </message>
    <message>
        <source>Tesseron skins</source>
        <translation>Skin di Tesseron</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Open music file</source>
        <translation>Apri file musicale</translation>
    </message>
    <message>
        <source>MIDI files (*.mid,*.rmi)</source>
        <translation>File MIDI (*.mid,*.rmi)</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 colori</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>File musicale</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Tesseron 1.40
Game, pictures and sounds by Orvane. Free software under the GNU GPL v3 or later.</source>
        <translation>Tesseron 1.40
Gioco, immagini e suoni di Orvane. Software libero sotto la GNU GPL v3 o successiva.</translation>
    </message>
    <message>
        <source>Send e-mail to the author</source>
        <translation>Invia un&apos;e-mail all&apos;autore</translation>
    </message>
    <message>
        <source>           [ Rules of the game ]</source>
        <translation>           [ Regole del gioco ]</translation>
    </message>
    <message>
        <source>Visit Tesseron website</source>
        <translation>Il sito di Tesseron</translation>
    </message>
    <message>
        <source>Tesseron in the Internet:</source>
        <translation>Tesseron su Internet:</translation>
    </message>
    <message>
        <source>Visit the                website</source>
        <translation>Il sito di               </translation>
    </message>
    <message>
        <source>  If you have any questions or problems with the game feel free to e-mail support:</source>
        <translation>  Per domande o problemi con il gioco scrivi pure al supporto:</translation>
    </message>
    <message>
        <source>Detailed help, News, Updates, Additional skins, Links...</source>
        <translation>Guida, novità, aggiornamenti, altre skin, link...</translation>
    </message>
    <message>
        <source>                     [ Tesseron Readme ]</source>
        <translation>                   [ Leggimi di Tesseron ]</translation>
    </message>
    <message>
        <source>The Orvane website. News, games, projects, demos...</source>
        <translation>Il sito di Orvane. Novità, giochi, progetti, demo...</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Regole del gioco</translation>
    </message>
    <message>
        <source>Tesseron Readme</source>
        <translation>Leggimi di Tesseron</translation>
    </message>
    <message>
        <source>Visit the Orvane website</source>
        <translation>Il sito di Orvane</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TScores</name>
    <message>
        <source>Scores</source>
        <translation>Albo d&apos;oro</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Albo d&apos;oro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Schermata iniziale</translation>
    </message>
    <message>
        <source>Tesseron could not finish closing: %1</source>
        <translation>Tesseron non è riuscito a completare la chiusura: %1</translation>
    </message>
</context>
<context>
    <name>Trul</name>
    <message>
        <source>The file was not found!</source>
        <translation>Il file non è stato trovato!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
